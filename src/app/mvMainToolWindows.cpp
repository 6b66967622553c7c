// The main window's tool windows and the design surface in the frame: the tools above the
// surface, where a first start puts them, and captions kept in view.
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/mvMain.h"
#include "app/mvObjPalette.h"
#include "app/mvToolWindows.h"
#include "surface/mvMenuEditor.h"

QSize TMain::WorkAreaSize() {
    // The frame's own size now: a window manager may make it larger later, never smaller. The
    // layout is applied at once, also before the first showing (whose resize events wait).
    if (QLayout* frameLayout = layout()) frameLayout->setGeometry(rect());
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
    const QSize area = WorkAreaSize();
    const bool docked = IsDockedOrientation(palette_->Orientation());
    const TmvFirstLayout layout = FirstStartLayout(browserFrame_->size(), surfaceFrame_->size(),
                                                   docked ? QSize() : palette_->Frame()->size(),
                                                   menuEditor_->Frame()->size(), area);
    if (!stored.MainDialog) surfaceFrame_->move(layout.Surface);
    if (!saved || !stored.ObjectBrowser) browserFrame_->move(layout.Browser);
    if (!docked && (!saved || !stored.ObjectPalette)) palette_->Frame()->move(layout.Palette);
    if (!saved || !stored.MenuEditor) menuEditor_->Frame()->move(layout.MenuEditor);

    for (QMdiSubWindow* frame :
         {surfaceFrame_, browserFrame_, palette_->Frame(), menuEditor_->Frame(), statusFrame_}) {
        const int caption = frame->height() - frame->widget()->height();
        frame->move(PlaceInView(frame->geometry(), caption, area));
    }
}
