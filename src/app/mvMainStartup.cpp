// The main window's start-up, its first showing and its close sequence.
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShowEvent>

#include "app/mvArrangeCommands.h"
#include "app/mvAutoSave.h"
#include "app/mvCodeDialog.h"
#include "app/mvGuiInteraction.h"
#include "app/mvHelp.h"
#include "app/mvImportForm.h"
#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "app/mvStatusWindow.h"
#include "app/mvWindowPlacement.h"
#include "app/mvWindowUtils.h"
#include "io/mvConfigDialog.h"
#include "io/mvConfigPaths.h"
#include "io/mvDefaultsFile.h"
#include "io/mvErrorHandler.h"
#include "io/mvImportFileWindow.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"
#include "surface/mvSurfaceFrameStyle.h"

namespace {
// Where the surface and the status window sit inside the frame until placements are stored.
constexpr int kSurfaceLeft = 190;
constexpr int kSurfaceTop = 20;
constexpr int kSurfaceClientWidth = 320;
constexpr int kSurfaceClientHeight = 240;
} // namespace

void TMain::SetInteraction(Prompter* prompt, FileChooser* files) {
    if (!guiPrompt_) guiPrompt_ = std::make_unique<GuiPrompter>(this);
    if (!guiFiles_) guiFiles_ = std::make_unique<GuiFileChooser>(this);
    prompt_ = prompt ? prompt : guiPrompt_.get();
    files_ = files ? files : guiFiles_.get();
    FatalErrorHooks().Prompt = prompt_;
    if (browser_) browser_->SetInteraction(prompt_, files_);
    if (session_) {
        session_->Ui.Prompt = prompt_;
        session_->Ui.Files = files_;
    }
}

void TMain::CreateDocument() {
    document_ = std::make_unique<DialogDocument>();
    document_->Ui = this;
    surface_ = new TMainDialog(*document_);
    // The close box is the dialog's; the surface refuses to close.
    surfaceFrame_ = mdi->addSubWindow(surface_, Qt::SubWindow | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint);
    surfaceFrame_->setStyle(new TmvSurfaceFrameStyle(surface_, mdi));
    surfaceFrame_->setAttribute(Qt::WA_DeleteOnClose, false);
    surfaceFrame_->move(kSurfaceLeft, kSurfaceTop);
    surface_->SyncWithDocument();
    surfaceFrame_->show();
    codeDialog_ = new TCodeDialog(*document_, this);
}

void TMain::ApplyStoredMainPlacement() {
    // Read before the settings are loaded; a first start opens maximised.
    TmvIniFile ini(ConfigFilePath(kSettingsFileName));
    std::optional<TmvPlacement> placement;
    if (ini.Load() &&
        ini.ReadBool(QStringLiteral("General"), QStringLiteral("SaveWindowPos"), true))
        placement = ReadPlacement(ini, QStringLiteral("MainWindow"));
    ApplyMainWindowPlacement(this, placement.value_or(TmvPlacement::Long(0, 0, 1024, 700, 1)));
}

void TMain::InstallFatalErrorHooks() {
    TmvFatalErrorHooks& hooks = FatalErrorHooks();
    hooks.Prompt = prompt_;
    // Into the recovery file autosave writes, so the next start offers it back; the project's
    // own file and name stay as they are.
    hooks.SaveRecovery = [this] { return autosave_ ? autosave_->WriteNow() : QString(); };
}

void TMain::showEvent(QShowEvent* event) {
    FirstShow();
    QMainWindow::showEvent(event);
}

void TMain::FirstShow() {
    if (started_) return;
    started_ = true;
    CreatePalette();
    CreateMenuEditor();
    controlDefaults_ = LoadControlDefaults(prompt_);
    settings_ = LoadSettings(prompt_);
    ApplyStartupSettings();
    ApplySettings();
    ArrangeWindows();
    // What the settings changed in the empty dialog is no change of a project.
    document_->StartNewHistory(true);
    StartNewProject();
    raise();
}

void TMain::ApplyStartupSettings() {
    DialogDocument& doc = *document_;
    // Only a new start takes this: the open project keeps its own units.
    doc.UseDbu = settings_.AlwaysUseDBU;

    const QRect fallback(kSurfaceLeft, kSurfaceTop, kSurfaceClientWidth, kSurfaceClientHeight);
    const QRect place = settings_.Windows.MainDialog
                            ? SurfacePlacementRect(*settings_.Windows.MainDialog, fallback)
                            : fallback;
    surfaceFrame_->move(place.topLeft());
    doc.SetClientSize(place.width(), place.height());
    surface_->SyncWithDocument();

    ApplyPaletteSettings();
    ApplyMenuEditorSettings();
    if (settings_.SaveWindowPos) placedWindows_.Apply(settings_.Windows);
    ApplyObjBrowserSettings();
    Recent = settings_.RecentFiles.Paths();
    RebuildRecentMenu();
}

void TMain::ApplySettings() {
    DialogDocument& doc = *document_;
    doc.Options.IdStart = settings_.StartID;
    doc.Options.BringToFront = settings_.BringToFront;
    doc.Options.AutoStartSize = settings_.AutoStartSize;
    doc.Options.AutoStartMove = settings_.AutoStartMove;
    session_->DefProjectPath = settings_.DefProjectPath;
    session_->StatusCloseProject = settings_.StatusCloseProject;
    if (autosave_) autosave_->SetDelaySeconds(settings_.AutoSaveSeconds);
    surface_->ApplySettings(settings_);
    if (arrangeCommands_) arrangeCommands_->SnapToGuides()->setChecked(settings_.SnapToGuides);
    surface_->SetControlDefaults(controlDefaults_);
    for (QWidget* window : UiFontWindows())
        ApplyUiFont(window, settings_.UseDefaultFont);
    // The browser's size follows its font.
    if (browser_) FitObjBrowser();
}

QList<QWidget*> TMain::UiFontWindows() const {
    return {static_cast<QWidget*>(browser_),    static_cast<QWidget*>(menuEditor_),
            static_cast<QWidget*>(codeDialog_), static_cast<QWidget*>(configDialog_),
            static_cast<QWidget*>(importForm_), static_cast<QWidget*>(importFile_),
            static_cast<QWidget*>(status_)};
}

void TMain::StartNewProject() {
    NewProject(*session_);
    surface_->SyncWithDocument();
}

void TMain::StoreWindowPlacements() {
    TmvWindowPlacements& w = settings_.Windows;
    w.MainWindow = MainWindowPlacement(this);
    const QPoint at = surfaceFrame_->pos();
    w.MainDialog = TmvPlacement::Long(at.x(), at.y(), at.x() + document_->ClientWidth,
                                      at.y() + document_->ClientHeight, 1);
    StorePaletteSettings();
    StoreMenuEditorSettings();
    placedWindows_.Store(w);
    w.ObjectBrowser = ObjBrowserPlacement();
}

void TMain::PlaceToolWindows() {
    placedWindows_.Add(QStringLiteral("StatusWindow"), statusFrame_, TmvPlacementShape::LongHidden,
                       {});
}

void TMain::closeEvent(QCloseEvent* event) {
    if (!ConfirmSaveChanges(*session_)) {
        event->ignore();
        return;
    }
    // Saved, or given up on purpose: nothing is left to recover.
    if (autosave_) autosave_->Discard();
    settings_.RecentFiles.Clear();
    for (const QString& path : Recent)
        settings_.RecentFiles.Add(path);
    StoreWindowPlacements();
    SaveSettings(settings_, prompt_);
    SaveControlDefaults(controlDefaults_, prompt_);
    if (help_) help_->close();
    event->accept();
}
