// The design surface's guides during a move or size drag (mvGuides.h finds them, mvGuidePaint.h
// draws them over the drag's picture).
#include <algorithm>
#include <unordered_set>

#include "model/mvControls.h"
#include "model/mvUnits.h"
#include "surface/mvAlignment.h"
#include "surface/mvContentSize.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGuidePaint.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfaceEditState.h"

namespace {
// Windows' layout guidelines keep controls this far (dialog units) from the dialog's edges.
constexpr int kMarginDbu = 7;

int ContainerOf(const TmvControl* c) {
    return std::max(c->TabIndex, -1);
}

int LinesOfEdges(int edges, int nearEdge, int farEdge) {
    return ((edges & nearEdge) ? glNear : 0) | ((edges & farEdge) ? glFar : 0);
}
} // namespace

bool TMainDialog::SnapToGuides() const {
    return edit_->Options.SnapToGuides;
}

void TMainDialog::SetSnapToGuides(bool on) {
    edit_->Options.SnapToGuides = on;
}

const TmvGuideMatch& TMainDialog::ShownGuides() const {
    return edit_->GuidesShown;
}

void TMainDialog::BeginGuides() {
    TmvSurfaceEditState& e = *edit_;
    const TmvDragItem& current = e.DragRects[size_t(e.CurrentRectIndex)];
    std::unordered_set<const TmvControl*> dragged;
    e.GroupBox = QRect();
    for (const TmvDragItem& item : e.DragRects) {
        dragged.insert(item.Control);
        e.GroupBox |= item.Box.Rect();
    }
    const int page = ContainerOf(current.Control);
    TmvGuideSources sources;
    sources.Others.reserve(size_t(doc_.ControlCount()));
    for (int i = 0; i < doc_.ControlCount(); ++i) {
        const TmvControl* c = doc_.ControlAt(i);
        if (!c->Visible || ContainerOf(c) != page || dragged.count(c)) continue;
        sources.Others.push_back(c->BoundsRect());
        const int baseline = BaselineOffset(*c, c->Height);
        sources.Baselines.push_back(baseline < 0 ? -1 : c->Top + baseline);
    }
    sources.Client = ContainerArea(doc_, page);
    sources.Margin = QSize(XToPixels(kMarginDbu), YToPixels(kMarginDbu));
    sources.UseDbu = doc_.UseDbu;
    e.Guides = std::make_unique<TmvGuideIndex>(std::move(sources));
    // Baselines line up when one text-bearing control is moved.
    e.GuideBaseline = e.Moving && e.DragRects.size() == 1
                          ? BaselineOffset(*current.Control, current.Control->Height)
                          : -1;
}

QPoint TMainDialog::GuideStep(QPoint applied, bool suspended) {
    TmvSurfaceEditState& e = *edit_;
    if (!e.Guides || suspended) {
        ShowGuides({});
        return {};
    }
    QRect proposed;
    int xLines = glAll;
    int yLines = glAll;
    if (e.Moving) {
        proposed = e.GroupBox.translated(applied);
    } else {
        TmvDragBox box = e.DragRects[size_t(e.CurrentRectIndex)].Box;
        box.Size(e.SizeEdges, applied.x(), applied.y());
        proposed = box.Rect();
        xLines = LinesOfEdges(e.SizeEdges, seLeft, seRight);
        yLines = LinesOfEdges(e.SizeEdges, seTop, seBottom);
    }
    const bool snap = e.Options.SnapToGuides;
    TmvGuideMatch match = e.Guides->Find(proposed, xLines, yLines, e.GuideBaseline, snap);
    const QPoint shift = snap ? match.Snap : QPoint();
    ShowGuides(std::move(match));
    return shift;
}

void TMainDialog::ShowGuides(TmvGuideMatch guides) {
    TmvSurfaceEditState& e = *edit_;
    if (guides.Empty() && e.GuidesShown.Empty()) return;
    const QRect before = e.GuideArea;
    e.GuidesShown = std::move(guides);
    e.GuideArea = GuidesArea(e.GuidesShown, QPoint(0, ClientTop()), font());
    update(before | e.GuideArea);
}

void TMainDialog::EndGuides() {
    ShowGuides({});
    edit_->Guides.reset();
    edit_->GuideArea = QRect();
}
