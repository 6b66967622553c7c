// The main window's Undo and Redo: the history of the document, the watcher that ends a step
// after every user action, and the two commands with hints naming their steps.
#include <QAction>

#include "app/mvAutoSave.h"
#include "app/mvMain.h"
#include "app/mvUndoWatcher.h"
#include "io/mvProjects.h"
#include "io/mvUndoHistory.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

void TMain::CreateUndo() {
    history_ = std::make_unique<TmvUndoHistory>(*session_);
    history_->Changed = [this] {
        UpdateUndoCommands();
        // Saved, undone back to the saved state, or changed again: autosave follows.
        if (autosave_) autosave_->HistoryChanged();
    };
    undoWatcher_ = new TmvUndoWatcher(*history_, this);
    undoWatcher_->SetSurface(surface_);
    undoWatcher_->ActionRunning = [this] { return !UndoAllowed(); };
    connect(actEditUndo, &QAction::triggered, this, &TMain::UndoCommand);
    connect(actEditRedo, &QAction::triggered, this, &TMain::RedoCommand);
    UpdateUndoCommands();
}

void TMain::UpdateUndoCommands() {
    const auto show = [](QAction* action, const QString& verb, bool enabled, const QString& step) {
        const QString hint = enabled && !step.isEmpty() ? verb + QStringLiteral(": ") + step : verb;
        action->setEnabled(enabled);
        action->setToolTip(hint);
        action->setStatusTip(hint);
    };
    show(actEditUndo, QStringLiteral("Geri Al"), history_->CanUndo(), history_->UndoName());
    show(actEditRedo, QStringLiteral("Yinele"), history_->CanRedo(), history_->RedoName());
}

bool TMain::UndoAllowed() const {
    // A drag holds the controls it moves; its step is recorded when it ends.
    return !surface_->Dragging() && !surface_->FrameDragging() && !surface_->TabOrderMode();
}

void TMain::UndoCommand() {
    if (UndoAllowed() && history_->Undo()) surface_->SyncWithDocument();
}

void TMain::RedoCommand() {
    if (UndoAllowed() && history_->Redo()) surface_->SyncWithDocument();
}
