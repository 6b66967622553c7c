#include "surface/mvFrameSnap.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include "surface/mvDialogDocument.h"
#include "surface/mvDragMath.h"
#include "surface/mvMainDialog.h"

TmvFrameSnapper::TmvFrameSnapper(QMdiSubWindow* frame, TMainDialog* surface)
    : QObject(frame), frame_(frame), surface_(surface) {
    setObjectName(QStringLiteral("FrameSnapper"));
    frame->installEventFilter(this);
}

QRect TmvFrameSnapper::SnappedFrame(const QRect& proposed) {
    movingEdges_ = MovingFrameEdges(movingEdges_, start_, proposed);
    const DialogDocument& doc = surface_->Document();
    const int menuBar = std::max(0, doc.MenuBarHeight);
    const QSize client = proposed.size() - frameExtra_ - QSize(0, menuBar);
    const TmvPaintContext& grid = surface_->PaintOptions();
    const QSize snapped =
        SnapDialogClientSize(client.expandedTo(QSize(0, 0)), surface_->SnapDialog(), grid.GridSizeX,
                             grid.GridSizeY, doc.UseDbu);
    return FrameForClientSize(movingEdges_, proposed, snapped + QSize(0, menuBar), frameExtra_);
}

bool TmvFrameSnapper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != frame_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !pressed_) {
            pressed_ = true;
            start_ = frame_->geometry();
            movingEdges_ = 0;
            frameExtra_ = frame_->size() - surface_->size();
            surface_->SetFrameDragging(true);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (pressed_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressed_ = false;
            surface_->SetFrameDragging(false);
        }
        break;
    case QEvent::Resize:
        if (pressed_ && !adjusting_) {
            const QRect proposed = frame_->geometry();
            const QRect snapped = SnappedFrame(proposed);
            if (snapped != proposed) {
                adjusting_ = true;
                frame_->setGeometry(snapped);
                adjusting_ = false;
            }
        }
        break;
    default:
        break;
    }
    return false;
}
