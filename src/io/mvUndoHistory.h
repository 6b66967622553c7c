#pragma once
// Undo and redo of every change to the dialog, one user action at a time.
//
// A step is a snapshot of the whole document in the project-file format, cut into one record
// per control (io/mvUndoSnapshot.h), with the selection beside it. At the end of each user
// action the history compares the document with its last step (Checkpoint) and records a new
// step when they differ, so every command is covered without a command object of its own.
// Records that did not change are shared with the step before, and undo reads again only the
// controls whose records differ, so both stay quick on dialogs of thousands of controls.
// Modified is derived from it: TRUE exactly when the project text differs from the one last
// saved or loaded.
#include <QRect>
#include <QSize>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "io/mvUndoSnapshot.h"
#include "surface/mvUndoHints.h"

class DialogDocument;
class TmvControl;
struct TmvProjectSession;

// What ended the user action, as the one watching the user saw it.
struct TmvCheckpointCause {
    QString Name;     // the caption of the command or button that ran ("Hepsini &Sil")
    QString MergeKey; // e.g. arrow-key nudges on the surface
};

// A command's caption as a step name: "&&" stays one "&", other "&" go, and so do a trailing
// "..", "...", ":" and the blanks around.
QString StepNameFromCaption(const QString& caption);

class TmvUndoHistory : public TmvUndoLink {
public:
    // Attaches itself to the session's document (Modified follows it) and starts a history with
    // the document as it is, counted as saved.
    explicit TmvUndoHistory(TmvProjectSession& session);
    ~TmvUndoHistory() override;
    TmvUndoHistory(const TmvUndoHistory&) = delete;
    TmvUndoHistory& operator=(const TmvUndoHistory&) = delete;

    // How many steps can be undone; the oldest are dropped beyond it.
    void SetLimit(int steps);
    int Limit() const { return limit_; }

    // Compares the document with the last step and records a step when it differs, or merges
    // the change into the last step (see TmvStepHints). A change of the z-order alone, with no
    // command named, is taken into the last step without a step of its own: a click that brings
    // a control to the front is no edit. TRUE when a step was recorded or merged.
    bool Checkpoint(const TmvCheckpointCause& cause = {});

    bool CanUndo() const { return index_ > 0; }
    bool CanRedo() const { return index_ + 1 < int(states_.size()); }
    int UndoCount() const { return index_; }
    int RedoCount() const { return int(states_.size()) - index_ - 1; }
    // The names of the steps that Undo would take back and Redo would do again; empty for none.
    QString UndoName() const;
    QString RedoName() const;
    // Takes back the last step (recording first what the document has not yet recorded), or does
    // the next one again; the document, its selection and its current control become what they
    // were before that step, or after it. FALSE when there is nothing to do.
    bool Undo();
    bool Redo();

    // Whether the step the history is in is the project last saved or loaded; unlike Modified,
    // it does not look at changes the document has not recorded yet, so it costs no capture.
    bool AtSavedState() const;

    // Bytes the steps hold.
    qsizetype MemoryBytes() const;

    // Runs after every change of the history, so the commands' state and hints follow it.
    std::function<void()> Changed;

    // TmvUndoLink
    bool IsModified() override;
    void StartNewHistory(bool saved) override;
    void MarkSaved() override;

private:
    // What is looked at rather than edited: kept with each step, never compared.
    struct Sight {
        std::vector<int> Selection; // record positions, in the order of selecting
        int Current = -1;           // record position of the current control
        int ActivePage = -1;
        int ControlCount = 0;
        std::vector<QRect> SelectedBounds; // of the selected controls, for the step's name
        QSize ClientSize;
    };
    struct State {
        TmvDocumentSnapshot Doc;
        Sight View;
        QString Name;
        QString MergeKey;
    };

    TmvDocumentSnapshot Capture(const TmvDocumentSnapshot* previous,
                                std::vector<const TmvControl*>* order = nullptr);
    Sight CaptureSight(const std::vector<const TmvControl*>& order) const;
    void Restore(int index);
    void ApplySight(const Sight& sight, const std::vector<const TmvControl*>& order);
    // A name for a step nobody named, from what changed.
    QString InferredName(const Sight& before, const Sight& after,
                         const std::vector<const TmvControl*>& order) const;
    void Notify();

    TmvProjectSession& session_;
    DialogDocument& doc_;
    TmvSnapshotKeys keys_;
    std::deque<State> states_;  // states_[0] is where the history starts
    int index_ = 0;             // the state the document is in
    TmvDocumentSnapshot saved_; // the project last saved or loaded
    bool savedKnown_ = false;   // false after an import: no saved state exists
    QString openMerge_;         // the merge key of the last step while it may still grow
    std::vector<const TmvControl*> openMergeSelection_; // and the selection it was made on
    int limit_ = 100;
    bool restoring_ = false;
};
