// The main window's project commands: New, Open, Save, Save As and the recent list.
#include <QAction>
#include <QMdiSubWindow>

#include "app/mvMain.h"
#include "app/mvStatusWindow.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"

void TMain::CreateSession() {
    session_ = std::make_unique<TmvProjectSession>(*document_);
    session_->Ui.Prompt = prompt_;
    session_->Ui.Files = files_;
    session_->Ui.Status = status_;
    session_->RecentFiles = &settings_.RecentFiles;
    session_->TitleChanged = [this] {
        UpdateTitle(document_->FileName);
        UpdateScriptStatus();
    };
    session_->RecentChanged = [this] {
        Recent = settings_.RecentFiles.Paths();
        RebuildRecentMenu();
    };
    session_->LoadingChanged = [this](bool loading) {
        // No half-loaded dialog is painted.
        surface_->setUpdatesEnabled(!loading);
        if (!loading) {
            surface_->RebuildGridBitmap();
            if (menuEditor_) menuEditor_->ProjectLoaded();
            UpdateMenuBarHeight();
            UpdateScriptStatus();
        }
    };
}

void TMain::ConnectProjectCommands() {
    connect(actFileNew, &QAction::triggered, this, [this] {
        NewProject(*session_);
        surface_->SyncWithDocument();
    });
    connect(actFileOpen, &QAction::triggered, this, [this] { OpenProject(); });
    connect(actFileSave, &QAction::triggered, this, [this] { SaveProject(*session_); });
    connect(mmSaveAs, &QAction::triggered, this, [this] { SaveProjectAs(*session_); });
    connect(this, &TMain::RecentChosen, this, [this](const QString& path) { OpenProject(path); });
}

bool TMain::OpenProject(const QString& path) {
    // The start-up work first, so its new project cannot replace the one loaded here.
    FirstShow();
    // The list the session updates is the settings' copy; the menu's may have been edited.
    settings_.RecentFiles.Clear();
    for (const QString& entry : Recent)
        settings_.RecentFiles.Add(entry);
    const bool loaded = LoadProject(*session_, path);
    surface_->SyncWithDocument();
    return loaded;
}
