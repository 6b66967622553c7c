#include "surface/mvMenuBar.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "model/mvFonts.h"
#include "model/mvPaintHelpers.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuTree.h"

namespace {
// Free space on each side of a caption on the bar.
constexpr int kCaptionPadding = 6;
// The classic one-row menu height.
constexpr int kClassicRowHeight = 19;
} // namespace

QFont MenuBarFont() {
#ifdef Q_OS_WIN
    return DialogTextFont(QApplication::font("QMenuBar"));
#else
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return DialogTextFont(font);
#endif
}

int MenuBarRowHeight(const QFont& font) {
    // Windows gives a menu row the font's height and three pixels above and below it.
    return std::max(kClassicRowHeight, QFontMetrics(font).height() + 6);
}

QString MenuBarCaption(const QString& text) {
    return text == QLatin1String("-") ? QStringLiteral("- ") : text;
}

QStringList MenuBarCaptions(const TmvMenuTree& menu) {
    QStringList captions;
    for (const auto& node : menu.TopLevel())
        captions << MenuBarCaption(node->Text);
    return captions;
}

TmvMenuBarLayout LayoutMenuBar(const QStringList& captions, int width, const QFont& font) {
    TmvMenuBarLayout layout;
    if (captions.isEmpty()) return layout;
    const QFontMetrics metrics(font);
    const int rowHeight = MenuBarRowHeight(font);
    int x = 0;
    int row = 0;
    for (const QString& caption : captions) {
        const QRect text = metrics.boundingRect(QRect(0, 0, 10000, rowHeight),
                                                Qt::TextShowMnemonic | Qt::TextSingleLine,
                                                QString(caption).replace(QLatin1Char('\t'), ' '));
        const int w = text.width() + 2 * kCaptionPadding;
        if (x > 0 && x + w > width) {
            ++row;
            x = 0;
        }
        layout.Items.emplace_back(x, row * rowHeight, w, rowHeight);
        x += w;
    }
    layout.Rows = row + 1;
    layout.Height = layout.Rows * rowHeight + 1;
    return layout;
}

int MenuBarHeightOf(const TmvMenuTree& menu, int width) {
    return LayoutMenuBar(MenuBarCaptions(menu), width).Height;
}

void UpdateMenuBarHeight(DialogDocument& doc) {
    doc.MenuBarHeight = doc.Menu.IsEmpty() ? 0 : MenuBarHeightOf(doc.Menu, doc.ClientWidth);
}

QRect MenuBarBandRect(int clientWidth, int menuBarHeight) {
    return QRect(0, 0, std::max(0, clientWidth), std::max(0, menuBarHeight));
}

void PaintMenuBarBand(QPainter& painter, const QRect& band, const TmvSystemColors& c) {
    if (band.isEmpty()) return;
    const int w = band.width();
    const int h = band.height();
    const int x = band.left();
    const int y = band.top();
    painter.fillRect(band, c.Face);
    painter.fillRect(x, y, w, 1, c.Shadow);
    if (h >= 2) painter.fillRect(x, y + 1, w, 1, c.Highlight);
    if (h >= 4) {
        painter.fillRect(x, y + h - 2, w, 1, c.Shadow);
        painter.fillRect(x, y + h - 1, w, 1, c.Highlight);
    }
    DrawText(painter, band, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Menu Bar"),
             MenuBarFont(), c.ButtonText);
}

bool MenuBarHit(const QPoint& p, int clientWidth, int menuBarHeight) {
    return menuBarHeight > 0 && p.y() >= -menuBarHeight && p.y() < 0 && p.x() >= 0 &&
           p.x() < clientWidth;
}

TmvMenuBarClickFilter::TmvMenuBarClickFilter(const DialogDocument& doc, QObject* parent)
    : QObject(parent), doc_(doc) {}

bool TmvMenuBarClickFilter::OnBand(const QPoint& widgetPoint) const {
    const int band = std::max(0, doc_.MenuBarHeight);
    return MenuBarHit(widgetPoint - QPoint(0, band), doc_.ClientWidth, band);
}

bool TmvMenuBarClickFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressOnBand_ = OnBand(mouse->position().toPoint());
        return pressOnBand_;
    }
    case QEvent::MouseButtonRelease: {
        // The release that ends a press on the band goes with it.
        const bool swallow = pressOnBand_;
        pressOnBand_ = false;
        return swallow;
    }
    case QEvent::ContextMenu:
        return OnBand(static_cast<QContextMenuEvent*>(event)->pos());
    default:
        return QObject::eventFilter(watched, event);
    }
}
