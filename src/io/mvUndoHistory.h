#pragma once
// Undo and redo of every change to the dialog, one user action at a time.
//
// A step holds the whole document in the project-file format (the project writer's own text,
// compressed), what the file does not keep (z-order, the controls hidden on the surface, words of
// an imported table the designer does not model) and the selection. At the end of each user
// action the history compares the document with its last step (Checkpoint) and records a new
// step when they differ, so every command is covered without a command object of its own; undo
// rebuilds the document from the step before through the project reader, as a load does, and the
// windows follow the document's usual notifications. Modified is derived from it: TRUE exactly
// when the project text differs from the one last saved or loaded.
#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

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
        std::vector<int> Selection; // z-indices, in the order of selecting
        int Current = -1;           // z-index of the current control
        int ActivePage = -1;
        int ControlCount = 0;
        std::vector<QRect> SelectedBounds; // of the selected controls, for the step's name
        QSize ClientSize;
    };
    struct State {
        QByteArray File;   // the project text, compressed
        QByteArray Extras; // what the file does not keep
        Sight View;
        QString Name;
        QString MergeKey;
    };
    struct Capture {
        QByteArray File; // uncompressed
        QByteArray Extras;
    };

    Capture CaptureDocument() const;
    QByteArray CaptureFile() const;
    Sight CaptureSight() const;
    void Restore(int index);
    void ApplySight(const Sight& sight);
    // A name for a step nobody named, from what changed.
    QString InferredName(const Sight& before, const Sight& after) const;
    void Notify();

    TmvProjectSession& session_;
    DialogDocument& doc_;
    std::deque<State> states_; // states_[0] is where the history starts
    int index_ = 0;            // the state the document is in
    QByteArray topFile_;       // states_[index_].File uncompressed, for quick comparisons
    QByteArray savedFile_;     // the project text last saved or loaded
    bool savedKnown_ = false;  // false after an import: no saved state exists
    QString openMerge_;        // the merge key of the last step while it may still grow
    std::vector<const TmvControl*> openMergeSelection_; // and the selection it was made on
    int limit_ = 100;
    bool restoring_ = false;
};
