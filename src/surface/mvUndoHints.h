#pragma once
// What the document knows of its undo history. The history (io/mvUndoHistory.h) records a step
// by itself at the end of every user action, so no editing command has to call it; a command
// may only name the step it makes (NameNextStep) or ask for it to be merged with the step
// before (BeginMerge), through the document.
#include <QString>

// Implemented by the undo history.
class TmvUndoLink {
public:
    virtual ~TmvUndoLink() = default;
    // Whether the project differs from the one last saved or loaded.
    virtual bool IsModified() = 0;
    // A load, New or an import: the history starts again from the document as it is; `saved`
    // tells whether that state is the one on disk.
    virtual void StartNewHistory(bool saved) = 0;
    // The document as it is now was written to its file.
    virtual void MarkSaved() = 0;
};

// The project's Modified flag. With a history attached it is derived from the history: setting
// it (code that marks the project by hand) changes nothing, and clearing it says that the
// document as it is now is the one on disk. Without one (the command line, tests of a lone
// document) it is a plain flag.
class TmvModifiedFlag {
public:
    TmvModifiedFlag& operator=(bool value) {
        manual_ = value;
        if (link_ && !value) link_->MarkSaved();
        return *this;
    }
    operator bool() const { return link_ ? link_->IsModified() : manual_; }
    void DeriveFrom(TmvUndoLink* link) { link_ = link; }

private:
    bool manual_ = false;
    TmvUndoLink* link_ = nullptr;
};

// What a command said about the step it is making; the history takes and clears it.
struct TmvStepHints {
    QString Name;     // "Taşı", "Sil", ...: shown as "Geri Al: Taşı"
    QString MergeKey; // steps with the same key and selection, one right after the other, merge
};
