// The main window's recovery: the unsaved work of instances that ended without closing, offered
// back at start, and autosave of this instance's own work.
#include <QStatusBar>

#include "app/mvAutoSave.h"
#include "app/mvMain.h"
#include "app/mvRecoveryWindow.h"
#include "io/mvProjects.h"
#include "io/mvRecoveryFile.h"
#include "io/mvRecoveryStore.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

void TMain::StartRecovery() {
    FirstShow();
    if (autosave_) return;
    recoveryStore_ = std::make_unique<TmvRecoveryStore>(RecoveryFolder());
    OfferRecoveredFiles();
    autosave_ = std::make_unique<TmvAutoSave>(*document_, *history_, *recoveryStore_);
    autosave_->Busy = [this] { return !UndoAllowed(); };
    connect(autosave_.get(), &TmvAutoSave::WriteFailed, this,
            [this](const QString& message) { statusBar()->showMessage(message); });
    autosave_->SetDelaySeconds(settings_.AutoSaveSeconds);
    // A restored project has unsaved changes from its first moment.
    autosave_->HistoryChanged();
}

void TMain::OfferRecoveredFiles() {
    std::vector<TmvRecoveredFile> files;
    for (const QString& path : recoveryStore_->ClaimOrphans())
        files.push_back(ReadRecoveredFile(path));
    if (files.empty()) return;
    TRecoveryWindow window(std::move(files), this);
    window.SaveAsRequested = [this](const TmvRecoveredFile& file) { return SaveRecoveredAs(file); };
    window.DiscardRequested = [this](const TmvRecoveredFile& file) {
        const QString name = file.Damaged() ? file.Path : file.ProjectName();
        return prompt_->Question(kRecoveryWindowCaption,
                                 QStringLiteral("Discard the unsaved work of '%1'? It cannot be "
                                                "restored afterwards.")
                                     .arg(name)) == TmvAnswer::Yes &&
               DiscardRecovered(file);
    };
    window.exec();
    // Another instance, or the next start, may offer them again.
    for (const TmvRecoveredFile& file : window.Remaining())
        recoveryStore_->Release(file.Path);
    if (window.Restored()) RestoreRecovered(*window.Restored());
}

bool TMain::SaveRecoveredAs(const TmvRecoveredFile& file) {
    // Saved through a document of its own: the open project stays as it is.
    DialogDocument copy;
    TmvProjectSession session(copy);
    session.Ui.Prompt = prompt_;
    session.Ui.Files = files_;
    session.DefProjectPath = settings_.DefProjectPath;
    session.RecentFiles = &settings_.RecentFiles;
    session.RecentChanged = session_->RecentChanged;
    if (!ReadProjectInto(session, file.Path, file.OriginalPath, false)) return false;
    return SaveProjectAs(session) && DiscardRecovered(file);
}

bool TMain::DiscardRecovered(const TmvRecoveredFile& file) {
    QString error;
    if (recoveryStore_->Discard(file.Path, &error)) return true;
    prompt_->Error(
        kRecoveryWindowCaption,
        QStringLiteral("The recovery file '%1' could not be removed: %2").arg(file.Path, error));
    return false;
}

void TMain::RestoreRecovered(const TmvRecoveredFile& file) {
    // The original path, so the next Save writes the original file; unsaved until then.
    if (ReadProjectInto(*session_, file.Path, file.OriginalPath, false))
        recoveryStore_->Adopt(file.Path);
    else
        recoveryStore_->Release(file.Path);
    surface_->SyncWithDocument();
}
