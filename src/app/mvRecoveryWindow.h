#pragma once
// The window that offers back, at start, the unsaved work of instances that ended without
// closing: one row per recovery file (the project's name and path or "new project", its dialog,
// when it was autosaved, and how the original file on disk compares), and for the chosen row
// Restore, Save As... or Discard. Later closes the window and keeps the rest for the next start.
// Files that cannot be restored are listed as damaged, with their path; only Discard acts on
// them. The window only lists and asks; its owner does the work through the two hooks and the
// restore once the window has closed.
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "io/mvRecoveryFile.h"

class QLabel;
class QPushButton;
class QTreeWidget;

inline const QString kRecoveryWindowCaption = QStringLiteral("Recover Unsaved Work");

// The text of the "On disk" column.
QString OriginalOnDiskText(TmvOriginalOnDisk state);

class TRecoveryWindow : public QDialog {
    Q_OBJECT
public:
    explicit TRecoveryWindow(std::vector<TmvRecoveredFile> files, QWidget* parent = nullptr);

    // TRUE when the file was saved under a name of its own, or discarded: its row goes.
    std::function<bool(const TmvRecoveredFile&)> SaveAsRequested;
    std::function<bool(const TmvRecoveredFile&)> DiscardRequested;

    // The file chosen with Restore; the window closed then.
    const std::optional<TmvRecoveredFile>& Restored() const { return restored_; }
    // The files neither restored, saved nor discarded.
    std::vector<TmvRecoveredFile> Remaining() const;

    QTreeWidget* List;
    QPushButton* btnRestore;
    QPushButton* btnSaveAs;
    QPushButton* btnDiscard;
    QPushButton* btnLater;

private:
    void AddRow(const TmvRecoveredFile& file);
    // The file of the current row; none without one.
    const TmvRecoveredFile* Current() const;
    void UpdateButtons();
    void RestoreClick();
    void SaveAsClick();
    void DiscardClick();
    // The current row is done with; the window closes when none is left.
    void RemoveCurrent();

    std::vector<TmvRecoveredFile> files_; // by row position
    std::optional<TmvRecoveredFile> restored_;
};
