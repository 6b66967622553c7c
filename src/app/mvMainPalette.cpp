// The main window's control palette: its creation, the hand-over of the armed tool to the
// surface, its settings and the View command that shows it.
#include <QAction>
#include <QMdiSubWindow>
#include <QToolBar>

#include "app/mvMain.h"
#include "app/mvObjPalette.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"
#include "surface/mvMainDialog.h"

void TMain::CreatePalette() {
    palette_ = new TObjPalette(this, mdi, tb, &PaletteImages);
    palette_->HasTabControl = [this] { return document_->TabControl != nullptr; };
    palette_->ArmTool = [this](int type, bool armed) { surface_->SetArmedTool(type, armed); };
    palette_->Inform = [this](const QString& caption, const QString& text) {
        prompt_->Information(caption, text);
    };
    connect(surface_, &TMainDialog::ReleasePalette, palette_,
            [this] { palette_->PaletteButtonPressed(nullptr); });
    connect(palette_, &TObjPalette::ShownChanged, actObjPalette, &QAction::setChecked);
    connect(palette_, &TObjPalette::OrientationChanged, this,
            [this](int orientation) { settings_.PaletteOrientation = orientation; });
    connect(palette_, &TObjPalette::FlatChanged, this,
            [this](bool on) { settings_.PaletteFlat = on; });
    connect(actObjPalette, &QAction::triggered, this,
            [this] { ShowObjPalette(!palette_->PaletteShown()); });
}

void TMain::ShowObjPalette(bool on) {
    if (palette_) palette_->ShowPalette(on);
    actObjPalette->setChecked(on);
}

void TMain::ApplyPaletteSettings() {
    palette_->BuildPalette(settings_.PaletteOrientation, settings_.PaletteFlat);
    if (!settings_.SaveWindowPos) return;
    const std::optional<TmvPlacement>& placement = settings_.Windows.ObjectPalette;
    if (placement) palette_->Frame()->move(placement->Left, placement->Top);
    if (IsDockedOrientation(palette_->Orientation()))
        ShowObjPalette(settings_.PaletteShowDock);
    else
        ShowObjPalette(!placement || placement->FlagIsOne);
}

void TMain::StorePaletteSettings() {
    if (!palette_) return;
    settings_.PaletteOrientation = palette_->Orientation();
    settings_.PaletteFlat = palette_->Flat();
    settings_.PaletteShowDock = !palette_->DockBar()->isHidden();
    const QMdiSubWindow* frame = palette_->Frame();
    settings_.Windows.ObjectPalette =
        TmvPlacement::Short(frame->x(), frame->y(), !frame->isHidden());
}
