#include "app/mvPaletteButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/mvPaintHelpers.h"
#include "model/mvSystemColors.h"

TmvPaletteButton::TmvPaletteButton(QWidget* parent) : QWidget(parent) {
    resize(28, 28);
    setAttribute(Qt::WA_Hover);
}

void TmvPaletteButton::SetDown(bool on) {
    if (down_ == on) return;
    down_ = on;
    update();
}

void TmvPaletteButton::SetFlat(bool on) {
    if (flat_ == on) return;
    flat_ = on;
    update();
}

void TmvPaletteButton::SetImages(const QList<QPixmap>* images) {
    images_ = images;
    update();
}

void TmvPaletteButton::SetImageIndex(int index) {
    if (imageIndex_ == index) return;
    imageIndex_ = index;
    update();
}

void TmvPaletteButton::SetMouseInside(bool on) {
    if (mouseInside_ == on) return;
    mouseInside_ = on;
    // Only a flat button that is up changes its look under the mouse.
    if (flat_ && !down_) update();
}

void TmvPaletteButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const TmvSystemColors c = SystemColors();
    QRect r = rect();
    if (down_) {
        PushButtonFrame(p, r, true, c);
        p.fillRect(r, c.Highlight);
    } else if (!flat_) {
        p.fillRect(r, c.Face);
        PushButtonFrame(p, r, false, c);
    } else if (mouseInside_) {
        p.fillRect(r, c.Face);
        Frame3D(p, r, c.Highlight, c.Shadow);
    }
    if (!images_ || imageIndex_ < 0 || imageIndex_ >= images_->size()) return;
    const QPixmap& picture = (*images_)[imageIndex_];
    const int at = (width() - picture.width()) / 2 + (down_ ? 1 : 0);
    p.drawPixmap(at, at, picture);
}

void TmvPaletteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetDown(!down_);
        emit OnPress(this);
    }
    QWidget::mousePressEvent(event);
}

void TmvPaletteButton::enterEvent(QEnterEvent* event) {
    SetMouseInside(true);
    QWidget::enterEvent(event);
}

void TmvPaletteButton::leaveEvent(QEvent* event) {
    SetMouseInside(false);
    QWidget::leaveEvent(event);
}
