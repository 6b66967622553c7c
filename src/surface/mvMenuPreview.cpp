#include "surface/mvMenuPreview.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "model/mvPaintHelpers.h"
#include "surface/mvMenuTree.h"
#include "surface/mvMenuWidgets.h"

TMenuPreview::TMenuPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MenuPreview"));
    setWindowTitle(QStringLiteral("Menu Görünümü"));
    setFocusPolicy(Qt::NoFocus);
    resize(330, 270);
}

TMenuPreview::~TMenuPreview() = default;

QRect TMenuPreview::BarRect() const {
    const TmvWindowFrameMetrics m = WindowFrameMetrics(dialogFont_);
    return QRect(m.Border, m.TitleBarHeight(), clientWidth_, layout_.Height);
}

void TMenuPreview::RebuildMenu(const TmvMenuTree& menu) {
    for (const auto& popup : menus_)
        if (popup) popup->close();
    menus_.clear();
    captions_ = MenuBarCaptions(menu);
    for (const auto& top : menu.TopLevel()) {
        if (!top->HasChildren()) {
            menus_.emplace_back();
            continue;
        }
        auto root = std::make_unique<QMenu>();
        AddMenuEntries(root.get(), *top);
        menus_.push_back(std::move(root));
    }
    Relayout();
}

void TMenuPreview::FollowSurface(const QSize& outerSize, int clientWidth, const QString& caption,
                                 const QIcon& icon, const QFont& dialogFont) {
    clientWidth_ = clientWidth;
    caption_ = caption;
    icon_ = icon;
    dialogFont_ = dialogFont;
    resize(outerSize);
    Relayout();
}

void TMenuPreview::Relayout() {
    layout_ = LayoutMenuBar(captions_, clientWidth_);
    update();
}

QMenu* TMenuPreview::EntryMenu(int index) const {
    if (index < 0 || index >= int(menus_.size())) return nullptr;
    return menus_[size_t(index)].get();
}

void TMenuPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const TmvSystemColors c = SystemColors();
    p.fillRect(rect(), c.Face);
    // The surface's own frame: its caption and icon, as the dialog will show them.
    const TmvWindowFrameMetrics m = WindowFrameMetrics(dialogFont_);
    PaintWindowBorder(p, rect(), m, c);
    TmvCaptionLook look;
    look.Title = caption_;
    look.DialogFont = dialogFont_;
    PaintCaption(p, QRect(m.Border, m.Border, width() - 2 * m.Border, m.CaptionHeight), icon_, look,
                 c);

    const QRect bar = BarRect();
    if (bar.isEmpty()) return;
    p.fillRect(bar, c.Face);
    const QFont font = MenuBarFont();
    for (size_t i = 0; i < layout_.Items.size(); ++i)
        DrawText(p, layout_.Items[i].translated(bar.topLeft()),
                 Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, captions_[int(i)],
                 font, c.ButtonText);
    // The line Windows draws between the bar and the client area.
    p.fillRect(bar.left(), bar.bottom(), bar.width(), 1, c.Face.darker(110));
}

void TMenuPreview::mousePressEvent(QMouseEvent* event) {
    emit Activated();
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint() - BarRect().topLeft();
    for (size_t i = 0; i < layout_.Items.size(); ++i) {
        if (!layout_.Items[i].contains(at)) continue;
        if (QMenu* popup = EntryMenu(int(i)))
            popup->popup(
                mapToGlobal(layout_.Items[i].bottomLeft() + BarRect().topLeft() + QPoint(0, 1)));
        return;
    }
}

void TMenuPreview::mouseDoubleClickEvent(QMouseEvent*) {
    emit Activated();
}

void TMenuPreview::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void TMenuPreview::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}
