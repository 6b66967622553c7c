// The main window's tool windows and the design surface in the frame: the tools above the
// surface, where a first start puts them, and captions kept in view.
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/mvMain.h"
#include "app/mvObjPalette.h"
#include "app/mvToolWindows.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"

QSize TMain::WorkAreaSize() {
    // The frame's own size now: a window manager may make it larger later, never smaller. The
    // layout is done again at once, also before the first showing (whose resize events wait).
    if (QLayout* frameLayout = layout()) {
        frameLayout->invalidate();
        frameLayout->activate();
    }
    return mdi->contentsRect().size();
}

void TMain::ArrangeWindows() {
    const std::vector<QMdiSubWindow*> tools = {browserFrame_, palette_->Frame(),
                                               menuEditor_->Frame(), statusFrame_};
    if (!toolsOnTop_) {
        toolsOnTop_ = new TmvToolWindowsOnTop(mdi, surfaceFrame_);
        for (QMdiSubWindow* tool : tools)
            toolsOnTop_->Add(tool);
    }

    // Each window a placement was stored for keeps it; the others are laid out afresh.
    const TmvWindowPlacements& stored = settings_.Windows;
    const bool saved = settings_.SaveWindowPos;
    const bool docked = IsDockedOrientation(palette_->Orientation());
    laidOut_.clear();
    const auto layOut = [this](QMdiSubWindow* frame, bool keepsItsPlace) {
        if (!keepsItsPlace) laidOut_.push_back({frame, QPoint()});
    };
    layOut(surfaceFrame_, stored.MainDialog.has_value());
    layOut(browserFrame_, saved && stored.ObjectBrowser);
    layOut(palette_->Frame(), docked || (saved && stored.ObjectPalette));
    layOut(menuEditor_->Frame(), saved && stored.MenuEditor.has_value());
    LayOutBesideTheDialog();
    // The stored places too.
    const QSize area = WorkAreaSize();
    for (QMdiSubWindow* frame :
         {surfaceFrame_, statusFrame_, browserFrame_, palette_->Frame(), menuEditor_->Frame()})
        frame->move(PlaceInView(frame->geometry(), CaptionHeight(frame), area));
}

void TMain::LayOutBesideTheDialog() {
    const bool docked = IsDockedOrientation(palette_->Orientation());
    const QSize area = WorkAreaSize();
    const TmvFirstLayout layout = FirstStartLayout(browserFrame_->size(), surfaceFrame_->size(),
                                                   docked ? QSize() : palette_->Frame()->size(),
                                                   menuEditor_->Frame()->size(), area);
    for (auto& [frame, at] : laidOut_) {
        if (frame == surfaceFrame_) at = layout.Surface;
        if (frame == browserFrame_) at = layout.Browser;
        if (frame == palette_->Frame()) at = layout.Palette;
        if (frame == menuEditor_->Frame()) at = layout.MenuEditor;
        // Beside a dialog wider than the area a tool would lie out of sight: it comes back
        // into view over the dialog.
        at = PlaceInView(QRect(at, frame->size()), CaptionHeight(frame), area);
        frame->move(at);
    }
}

int TMain::CaptionHeight(const QMdiSubWindow* frame) {
    return frame->height() - frame->widget()->height();
}

void TMain::FollowTheDialogsSize() {
    // Only while every window laid out stays where it was put: one moved by hand, or a frame
    // drag, means the user arranges them now.
    if (laidOut_.empty() || surface_->FrameDragging()) return;
    for (const auto& [frame, at] : laidOut_)
        if (frame->pos() != at) {
            laidOut_.clear();
            return;
        }
    LayOutBesideTheDialog();
}
