// The main window's import commands: the two import windows and the import they run.
#include <QAction>

#include "app/mvImportForm.h"
#include "app/mvMain.h"
#include "app/mvWindowUtils.h"
#include "io/mvImportFileWindow.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

void TMain::CreateImportWindows() {
    importForm_ = new TImportForm(this);
    importForm_->ImportLines = [this](const QStringList& lines, const TmvImportOptions& origin) {
        return ImportLines(lines, origin);
    };
    importFile_ = new TImportFile(this);
    importFile_->ImportLines = importForm_->ImportLines;
    connect(impFile, &QAction::triggered, this, &TMain::ImportFileCommand);
    connect(impClipboard, &QAction::triggered, this, &TMain::ImportClipboardCommand);
}

void TMain::ImportFileCommand() {
    importFile_->SetInteraction(prompt_, files_);
    importFile_->SetLegacyCodePage(settings_.LegacyCodePage);
    // Over the main window where it is now, not where it was at start-up.
    CenterOnMainForm(importFile_, this);
    if (importFile_->exec() == QDialog::Accepted) RememberImportedScript();
}

void TMain::ImportClipboardCommand() {
    CenterOnMainForm(importForm_, this);
    importForm_->exec();
}

TmvImportResult TMain::ImportLines(const QStringList& lines, const TmvImportOptions& origin) {
    FirstShow();
    TmvImportOptions options = origin;
    options.CloseStatus = settings_.ImportCloseStatus;
    bool started = false;
    options.StartNewProject = [this, &started](DialogDocument&) {
        started = NewProject(*session_);
        // No half-imported dialog is painted.
        if (started && session_->LoadingChanged) session_->LoadingChanged(true);
        return started;
    };
    const TmvImportResult result = ImportTable(*document_, lines, session_->Ui, options);
    if (started && session_->LoadingChanged) session_->LoadingChanged(false);
    surface_->SyncWithDocument();
    return result;
}
