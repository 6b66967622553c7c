// What the main window connects on the design surface: the keys that run its commands, the
// context menu's clipboard entries, resizing by the frame, and a press on the frame's empty
// area bringing the surface to the top.
#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/mvMain.h"
#include "surface/mvFrameSnap.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfacePopMenu.h"

namespace {
// A press on the empty area of the frame window raises the design surface.
class TmvRaiseOnPress : public QObject {
public:
    TmvRaiseOnPress(QMdiArea* area, QMdiSubWindow* surfaceFrame)
        : QObject(area), area_(area), frame_(surfaceFrame) {
        area->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched == area_->viewport() && frame_)
            area_->setActiveSubWindow(frame_);
        return false;
    }

private:
    QMdiArea* area_;
    QMdiSubWindow* frame_;
};
} // namespace

void TMain::ConnectSurface() {
    surface_->PopMenu()->BindClipboard(ccpdCut, ccpdCopy, ccpdPaste, ccpdDelete);
    new TmvFrameSnapper(surfaceFrame_, surface_);
    new TmvRaiseOnPress(mdi, surfaceFrame_);
    // The grid shown or hidden on the surface (the G key) is the setting: the preferences show
    // it, and their OK keeps it. The windows a first start laid out follow the dialog's size.
    connect(surface_, &TMainDialog::ShowGridToggled, this,
            [this](bool on) { settings_.ShowGrid = on; });
    connect(surface_, &TMainDialog::DialogSizeChanged, this, &TMain::FollowTheDialogsSize);
}
