#include "surface/mvGrabHandles.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/mvControls.h"
#include "model/mvSelectionMarks.h"
#include "model/mvSystemColors.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDragMath.h"

namespace {
Qt::CursorShape CursorFor(int direction) {
    switch (direction) {
    case seTop | seLeft:
    case seBottom | seRight:
        return Qt::SizeFDiagCursor;
    case seTop | seRight:
    case seBottom | seLeft:
        return Qt::SizeBDiagCursor;
    case seTop:
    case seBottom:
        return Qt::SizeVerCursor;
    default:
        return Qt::SizeHorCursor;
    }
}
} // namespace

TmvGrabHandle::TmvGrabHandle(int direction, const DialogDocument& doc, QWidget* surface)
    : QWidget(surface), direction_(direction), doc_(doc) {
    setObjectName(QStringLiteral("GrabHandle%1").arg(direction));
    setFixedSize(kGrabHandleSize, kGrabHandleSize);
    setCursor(CursorFor(direction));
    // The handle paints all of itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TmvGrabHandle::paintEvent(QPaintEvent*) {
    const TmvControl* current = doc_.CurrentControl;
    if (!current) return;
    QPainter painter(this);
    PaintGrabHandle(painter, rect(), current->Locked || doc_.LockAll, SystemColors());
}

void TmvGrabHandle::mousePressEvent(QMouseEvent* event) {
    if (!OnPress) return;
    OnPress(this, event);
}

TmvGrabHandles::TmvGrabHandles(const DialogDocument& doc, QWidget* surface) {
    for (int i = 0; i < Count; ++i)
        handles_[size_t(i)] = new TmvGrabHandle(kGrabHandleDirections[size_t(i)], doc, surface);
}

void TmvGrabHandles::Place(const QRect& bounds, int offsetY) {
    Hide();
    if (bounds != remembered_ || offsetY != offsetY_) {
        const std::array<QPoint, 8> at = GrabHandlePositions(bounds);
        for (int i = 0; i < Count; ++i)
            handles_[size_t(i)]->move(at[size_t(i)] + QPoint(0, offsetY));
    }
    Show();
    remembered_ = bounds;
    offsetY_ = offsetY;
}

void TmvGrabHandles::Hide() {
    for (TmvGrabHandle* handle : handles_)
        handle->hide();
    shown_ = false;
}

void TmvGrabHandles::Show() {
    for (TmvGrabHandle* handle : handles_) {
        handle->show();
        handle->raise();
    }
    shown_ = true;
}

void TmvGrabHandles::Redraw() {
    for (TmvGrabHandle* handle : handles_)
        handle->update();
}
