// The design surface's drags: a rubber band, a move of the selection or a size drag of the
// current control. While one runs the surface shows a picture of itself taken at the start with
// the outlines XOR-drawn into it, so a mouse step only redraws the outlines that moved; the
// document changes once, when the drag ends.
#include <QMouseEvent>
#include <algorithm>
#include <unordered_set>
#include <utility>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvHintWindow.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfaceEditState.h"

namespace {
// Past this many outlines one bounding rectangle is cheaper to redraw than each of them.
constexpr size_t kSeparateUpdates = 64;
} // namespace

QPoint TMainDialog::ClampToClient(QPoint at) const {
    // The cursor stays inside the client area while a drag runs.
    const int w = std::max(1, width());
    const int h = std::max(1, height() - ClientTop());
    return QPoint(std::clamp(at.x(), 0, w - 1), std::clamp(at.y(), 0, h - 1));
}

void TMainDialog::BeginMoveDrag(QPoint at) {
    if (edit_->Dragging) return;
    edit_->Handles->Hide();
    edit_->Moving = true;
    UpdateCursor();
    BeginDrag(at);
}

void TMainDialog::BeginSizeDrag(TmvControl* control, int edges, QPoint at) {
    if (edit_->Dragging || !control) return;
    edit_->Handles->Hide();
    edit_->Sizing = true;
    edit_->SizeEdges = edges;
    UpdateCursor();
    control->Repaint();
    BeginDrag(at);
}

void TMainDialog::BeginDrag(QPoint at) {
    TmvSurfaceEditState& e = *edit_;
    at = ClampToClient(at);
    e.Dragging = true;
    e.DragCancelled = false;
    e.DragOrigin = at;

    e.Canvas = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        QPainter picture(&e.Canvas);
        PaintSurface(picture, QRegion(e.Canvas.rect()));
    }
    e.CanvasPainter = std::make_unique<QPainter>(&e.Canvas);
    e.CanvasPainter->translate(0, ClientTop());

    QRect shown;
    const auto start = [&](TmvDragItem& item, Qt::PenStyle style) {
        item.Outline = std::make_unique<TmvMoveRect>(*e.CanvasPainter, style);
        item.Outline->MoveTo(item.Box.Rect());
        item.Outline->Draw();
        shown |= item.Box.Rect();
    };
    if (e.RubberBanding) {
        e.Band.Box = {at.x(), at.y(), at.x(), at.y()};
        start(e.Band, Qt::DotLine);
    } else {
        e.CurrentRectIndex = 0;
        for (TmvControl* control : doc_.Selection) {
            if (control->Locked) continue;
            if (control == doc_.CurrentControl) e.CurrentRectIndex = int(e.DragRects.size());
            TmvDragItem item;
            item.Control = control;
            item.Box = TmvDragBox::FromRect(control->BoundsRect());
            start(item, Qt::SolidLine);
            e.DragRects.push_back(std::move(item));
        }
        if (!e.DragRects.empty()) {
            BeginGuides();
            e.Hint = std::make_unique<TmvHintWindow>();
            ShowDragHint(at);
            e.LastHintPos = at;
        }
    }
    update(shown.translated(0, ClientTop()));
    if (isVisible()) grabMouse();
}

void TMainDialog::DragStep(QPoint at, bool invertSnap) {
    TmvSurfaceEditState& e = *edit_;
    if (!e.Dragging) return;
    at = ClampToClient(at);
    // Nothing is consumed at the point the outlines were last drawn for, so the carried
    // remainder always matches what the outlines show.
    if (!e.RubberBanding && at == e.LastHintPos) return;
    bool snap = e.Moving ? e.Options.SnapMove : (e.Sizing && e.Options.SnapSize);
    if (invertSnap) snap = !snap;
    TmvDragStepRules rules;
    rules.Snap = snap;
    rules.GridX = GridStepX();
    rules.GridY = GridStepY();
    rules.Quantize = doc_.UseDbu && !e.RubberBanding;
    QPoint d = AppliedDragStep(at - e.DragOrigin, rules);
    if (d.isNull()) return;
    if (!e.RubberBanding) d += GuideStep(d, invertSnap);
    e.DragOrigin += d;
    if (d.isNull()) {
        // Held on a guide: the outlines stay.
        e.LastHintPos = at;
        return;
    }

    const bool separate = e.DragRects.size() <= kSeparateUpdates;
    QRect all;
    const auto step = [&](TmvDragItem& item, const auto& change) {
        QRect dirty = item.Box.Rect();
        change(item.Box);
        item.Outline->MoveTo(item.Box.Rect());
        item.Outline->Draw();
        dirty |= item.Box.Rect();
        if (separate)
            update(dirty.translated(0, ClientTop()));
        else
            all |= dirty;
    };
    if (e.RubberBanding) {
        step(e.Band, [d](TmvDragBox& box) {
            box.Right += d.x();
            box.Bottom += d.y();
        });
        return;
    }
    if (e.Moving) e.GroupBox.translate(d);
    for (TmvDragItem& item : e.DragRects)
        if (e.Moving)
            step(item, [d](TmvDragBox& box) { box.Move(d.x(), d.y()); });
        else
            step(item, [d, &e](TmvDragBox& box) { box.Size(e.SizeEdges, d.x(), d.y()); });
    if (!all.isNull()) update(all.translated(0, ClientTop()));
    e.LastHintPos = at;
    ShowDragHint(at);
}

void TMainDialog::ShowDragHint(QPoint at) {
    TmvSurfaceEditState& e = *edit_;
    if (!e.Hint || e.DragRects.empty()) return;
    const TmvDragItem& item = e.DragRects[size_t(e.CurrentRectIndex)];
    e.Hint->SetText(DragHintText(*item.Control, item.Box.Rect(), e.Sizing, doc_.UseDbu));
    e.Hint->ShowBeside(mapToGlobal(at + QPoint(0, ClientTop())));
}

void TMainDialog::EndDrag() {
    FinishDrag(edit_->DragCancelled);
}

void TMainDialog::CancelDrag() {
    if (!edit_->Dragging) return;
    edit_->DragCancelled = true;
    edit_->ReferenceCandidate = nullptr;
    FinishDrag(true);
}

void TMainDialog::FinishDrag(bool cancelled) {
    TmvSurfaceEditState& e = *edit_;
    if (!e.Dragging) return;
    if (mouseGrabber() == this) releaseMouse();
    // From here on the surface paints itself again, outlines gone.
    e.CanvasPainter.reset();
    e.Canvas = QImage();
    QRect outlines;

    if (e.RubberBanding) {
        const QRect band = e.Band.Box.Rect();
        outlines = band;
        e.Band.Outline.reset();
        doc_.ClearSelection();
        for (int i = 0; i < doc_.ControlCount(); ++i) {
            TmvControl* control = doc_.ControlAt(i);
            if (control->Visible && control != e.BandContainer &&
                BandSelects(band, control->BoundsRect()))
                doc_.Select(control);
        }
        doc_.SetCurrentControl(doc_.Selection.empty() ? nullptr : doc_.Selection.back());
    } else {
        e.SizeEdges = 0;
        bool changed = false;
        BeginRepaintBatch();
        // The controls on the tab control's pages go with it, except those that follow an
        // outline of their own (a locked one has none, and goes with it too).
        std::unordered_set<const TmvControl*> outlined;
        for (const TmvDragItem& item : e.DragRects)
            outlined.insert(item.Control);
        const auto ownOutline = [&outlined](const TmvControl* c) { return outlined.count(c) > 0; };
        for (TmvDragItem& item : e.DragRects) {
            const QRect r = item.Box.Rect();
            outlines |= r;
            TmvControl* control = item.Control;
            if (cancelled || control->Locked || r == control->BoundsRect()) continue;
            const int dx = r.x() - control->Left;
            const int dy = r.y() - control->Top;
            control->SetBounds(r.x(), r.y(), r.width(), r.height());
            if (control->ControlType == ctTab)
                static_cast<TmvTab*>(control)->MovePageControls(dx, dy, ownOutline);
            changed = true;
        }
        if (TmvControl* created = std::exchange(e.Creating, nullptr)) {
            FinishCreation(created, cancelled);
            changed = true;
        }
        EndRepaintBatch();
        if (changed) doc_.Modified = true;
        e.LastHintPos = QPoint(-1, -1);
        EndGuides();
        e.Hint.reset();
        e.DragRects.clear();
    }
    const bool banded = e.RubberBanding;
    e.RubberBanding = e.Moving = e.Sizing = e.Dragging = false;
    e.BandContainer = nullptr;
    UpdateCursor();
    update(outlines.translated(0, ClientTop()).adjusted(-1, -1, 1, 1));
    // What asked to be redrawn while the picture was shown.
    if (!e.StaleDuringDrag.isNull()) update(e.StaleDuringDrag);
    e.StaleDuringDrag = QRect();
    if (!banded) {
        CurrentControlChanged(doc_.CurrentControl);
        emit BrowserReloadRequested();
    }
}
