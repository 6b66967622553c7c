#include "model/mvFrameControls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "model/mvPaintHelpers.h"
#include "model/mvPlatform.h"

// --- Frame controls --------------------------------------------------------------------------

QStyle* ClassicStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        if (!s) return QApplication::style();
        // The application deletes it with its other children.
        s->setParent(qApp);
        return s;
    }();
    return style;
}

namespace {
QPalette PaletteOf(const TmvSystemColors& colors) {
    QPalette pal;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Button, colors.Face);
        pal.setColor(group, QPalette::Window, colors.Face);
        pal.setColor(group, QPalette::Light, colors.Highlight);
        pal.setColor(group, QPalette::Midlight, colors.Light);
        pal.setColor(group, QPalette::Dark, colors.Shadow);
        pal.setColor(group, QPalette::Mid, colors.Shadow);
        pal.setColor(group, QPalette::Shadow, colors.DarkShadow);
        pal.setColor(group, QPalette::Base, colors.Window);
        pal.setColor(group, QPalette::Highlight, colors.SelectionHighlight);
        const QColor text = group == QPalette::Disabled ? colors.GrayText : colors.WindowText;
        pal.setColor(group, QPalette::Text, text);
        pal.setColor(group, QPalette::WindowText, text);
        pal.setColor(group, QPalette::ButtonText,
                     group == QPalette::Disabled ? colors.GrayText : colors.ButtonText);
    }
    return pal;
}

// The classic 12 x 12 radio button, row by row: 'o' outer ring, 'i' inner ring, '-' inside.
constexpr const char* kRadioRows[12] = {
    "....oooo....", "..ooiiiioo..", ".oii----iio.", ".oi------io.", "oi--------io", "oi--------io",
    "oi--------io", "oi--------io", ".oi------io.", ".oii----iio.", "..ooiiiioo..", "....oooo....",
};

// Drawn pixel by pixel: Qt's own radio indicator is smoothed, which the classic one never is.
// The rings are split along the diagonal: lit below and right, shaded above and left.
void DrawRadio(QPainter& painter, const QRect& r, bool inactive, bool flat,
               const TmvSystemColors& colors) {
    const QRgb inside = (inactive ? colors.Face : colors.Window).rgb();
    const int left = r.left() + (r.width() - 12) / 2;
    const int top = r.top() + (r.height() - 12) / 2;
    // Set into a small picture and drawn at once: a dialog may show hundreds of them.
    QImage picture(12, 12, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 12; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < 12; ++x) {
            const char cell = kRadioRows[y][x];
            if (cell == '.') continue;
            const bool shaded = x + y <= 10;
            QRgb color = inside;
            if (cell == 'o')
                color =
                    (flat ? colors.DarkShadow : (shaded ? colors.Shadow : colors.Highlight)).rgb();
            else if (cell == 'i' && !flat)
                color = (shaded ? colors.DarkShadow : colors.Light).rgb();
            row[x] = color;
        }
    }
    painter.drawImage(left, top, picture);
}

void DrawFlatCheckBox(QPainter& painter, const QRect& r, bool inactive,
                      const TmvSystemColors& colors) {
    painter.fillRect(r, inactive ? colors.Face : colors.Window);
    FrameRect(painter, r, colors.DarkShadow);
}
} // namespace

void DrawFrameControl(QPainter& painter, const QRect& r, TmvFrameControl kind, bool inactive,
                      bool flat, const TmvSystemColors& colors) {
    if (r.isEmpty()) return;
    if (kind == TmvFrameControl::RadioButton) {
        DrawRadio(painter, r, inactive, flat, colors);
        return;
    }
    if (kind == TmvFrameControl::CheckBox && flat) {
        DrawFlatCheckBox(painter, r, inactive, colors);
        return;
    }
    QStyle* style = ClassicStyle();
    QStyleOptionButton opt;
    opt.rect = r;
    opt.palette = PaletteOf(colors);
    opt.state = inactive ? QStyle::State_None : QStyle::State_Enabled;
    painter.save();
    switch (kind) {
    case TmvFrameControl::CheckBox:
        opt.state |= QStyle::State_Off;
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opt, &painter, nullptr);
        break;
    default: {
        // The raised edge of the system's arrow buttons (3-D light outside, highlight inside),
        // then the style's arrow, sized as Windows sizes it for the box (7 x 4 in 16 pixels).
        QRect inner = r;
        painter.fillRect(inner, colors.Face);
        Frame3D(painter, inner, colors.Light, colors.DarkShadow);
        Frame3D(painter, inner, colors.Highlight, colors.Shadow);
        const int size = std::max(5, std::min(r.width(), r.height()) - 6);
        opt.rect =
            QRect(r.left() + (r.width() - size) / 2, r.top() + (r.height() - size) / 2, size, size);
        QStyle::PrimitiveElement arrow = QStyle::PE_IndicatorArrowDown;
        if (kind == TmvFrameControl::ScrollLeft) arrow = QStyle::PE_IndicatorArrowLeft;
        if (kind == TmvFrameControl::ScrollRight) arrow = QStyle::PE_IndicatorArrowRight;
        if (kind == TmvFrameControl::ScrollUp) arrow = QStyle::PE_IndicatorArrowUp;
        style->drawPrimitive(arrow, &opt, &painter, nullptr);
        break;
    }
    }
    painter.restore();
}

// --- Scroll bars -----------------------------------------------------------------------------

QBrush ScrollTrackBrush(const TmvSystemColors& colors) {
    if (colors.Highlight == colors.Window) return CheckerBrush(colors.Highlight, colors.ScrollBar);
    return QBrush(colors.ScrollBar);
}

QRect PaintScrollBar(QPainter& painter, const QRect& r, int orientation, bool disabled,
                     int position, const TmvSystemColors& colors) {
    const bool horizontal = orientation == soHorizontal;
    const int thickness = horizontal ? HScrollBarHeight() : VScrollBarWidth();
    const int arrowLength = horizontal ? HScrollArrowWidth() : VScrollArrowHeight();
    QRect bar;
    if (horizontal)
        bar = position == spTop ? QRect(r.left(), r.top(), r.width(), thickness)
                                : QRect(r.left(), r.bottom() + 1 - thickness, r.width(), thickness);
    else
        bar = position == spLeft ? QRect(r.left(), r.top(), thickness, r.height())
                                 : QRect(r.right() + 1 - thickness, r.top(), thickness, r.height());
    const int length = horizontal ? bar.width() : bar.height();
    const int first = length < 2 * arrowLength ? length / 2 : arrowLength;
    const int second = length < 2 * arrowLength ? length - first : arrowLength;
    painter.fillRect(bar, ScrollTrackBrush(colors));
    if (horizontal) {
        DrawFrameControl(painter, QRect(bar.left(), bar.top(), first, bar.height()),
                         TmvFrameControl::ScrollLeft, disabled, false, colors);
        DrawFrameControl(painter, QRect(bar.right() + 1 - second, bar.top(), second, bar.height()),
                         TmvFrameControl::ScrollRight, disabled, false, colors);
    } else {
        DrawFrameControl(painter, QRect(bar.left(), bar.top(), bar.width(), first),
                         TmvFrameControl::ScrollUp, disabled, false, colors);
        DrawFrameControl(painter, QRect(bar.left(), bar.bottom() + 1 - second, bar.width(), second),
                         TmvFrameControl::ScrollDown, disabled, false, colors);
    }
    return bar;
}

QRect PaintInnerScrollBars(QPainter& painter, const QRect& r, bool vertical, bool horizontal,
                           const TmvSystemColors& colors) {
    QRect area = r;
    if (vertical) {
        QRect barArea = r;
        if (horizontal) barArea.setBottom(barArea.bottom() - HScrollBarHeight());
        PaintScrollBar(painter, barArea, soVertical, false, spRight, colors);
        area.setRight(area.right() - VScrollBarWidth());
    }
    if (horizontal) {
        QRect barArea = r;
        if (vertical) barArea.setRight(barArea.right() - VScrollBarWidth());
        PaintScrollBar(painter, barArea, soHorizontal, false, spBottom, colors);
        area.setBottom(area.bottom() - HScrollBarHeight());
    }
    if (vertical && horizontal)
        painter.fillRect(QRect(r.right() + 1 - VScrollBarWidth(),
                               r.bottom() + 1 - HScrollBarHeight(), VScrollBarWidth(),
                               HScrollBarHeight()),
                         colors.Face);
    return area;
}
