// The main window's menu editor: its creation beside the surface, its placement and the View
// command that shows it.
#include <QAction>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include "app/mvMain.h"
#include "app/mvWindowPlacement.h"
#include "app/mvWindowUtils.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"

namespace {
// Where the editor sits inside the frame until a placement is stored.
constexpr int kEditorLeft = 600;
constexpr int kEditorTop = 20;
constexpr int kEditorWidth = 540;
constexpr int kEditorHeight = 560;
} // namespace

void TMain::CreateMenuEditor() {
    menuEditor_ = new TMenuEditor(*document_, mdi);
    menuEditor_->setMinimumSize(ScaleByFont(455), ScaleByFont(185));
    menuEditor_->Frame()->move(kEditorLeft, kEditorTop);
    menuEditor_->Frame()->resize(kEditorWidth, kEditorHeight);
    menuEditor_->SetSurfaceFrame(surfaceFrame_, surface_);
    menuEditor_->Warn = [this](const QString& caption, const QString& text) {
        prompt_->Warning(caption, text);
    };
    connect(menuEditor_, &TMenuEditor::MenuBarMayHaveChanged, this, &TMain::UpdateMenuBarHeight);
    // However the dialog's size changed (its frame, the browser, the document), the bar and
    // the preview follow the new width.
    connect(surface_, &TMainDialog::DialogSizeChanged, this, [this] {
        menuEditor_->FollowSurface();
        UpdateMenuBarHeight();
    });
    connect(menuEditor_, &TMenuEditor::ShownChanged, actMenuEd, &QAction::setChecked);
    connect(actMenuEd, &QAction::triggered, this,
            [this] { ShowMenuEditor(menuEditor_->Frame()->isHidden()); });
}

void TMain::ShowMenuEditor(bool on) {
    actMenuEd->setChecked(on);
    if (!menuEditor_) return;
    QMdiSubWindow* frame = menuEditor_->Frame();
    menuEditor_->meItems->setVisible(true);
    menuEditor_->setVisible(on);
    frame->setVisible(on);
    if (on) frame->raise();
}

void TMain::ApplyMenuEditorSettings() {
    const std::optional<TmvPlacement>& placement = settings_.Windows.MenuEditor;
    if (settings_.SaveWindowPos && placement) {
        ApplyToolWindowPlacement(menuEditor_->Frame(), *placement);
        ShowMenuEditor(placement->FlagIsOne);
    } else {
        ShowMenuEditor(true);
    }
}

void TMain::StoreMenuEditorSettings() {
    if (menuEditor_) settings_.Windows.MenuEditor = ToolWindowPlacement(menuEditor_->Frame());
}
