#pragma once
// Autosave: while the project has unsaved changes, it is written to the instance's recovery file
// a fixed delay after a change. The delay starts with the first change not yet written and is
// not pushed back by the changes that follow, so a write comes at most one delay after any
// change, however steadily the user works, and never sooner than one delay after the last
// write. A write waits while a drag runs. When the project is saved, or is as it was saved
// (undone back to it, a New, an Open), the recovery file goes.
#include <QObject>
#include <QTimer>
#include <functional>

class DialogDocument;
class TmvRecoveryStore;
class TmvUndoHistory;

class TmvAutoSave : public QObject {
    Q_OBJECT
public:
    TmvAutoSave(DialogDocument& document, TmvUndoHistory& history, TmvRecoveryStore& store,
                QObject* parent = nullptr);

    // 0 turns autosave off and removes the recovery file.
    void SetDelaySeconds(int seconds);
    int DelaySeconds() const { return delayMs_ / 1000; }
    // While this answers TRUE (a drag runs), the write waits.
    std::function<bool()> Busy;

    // Run after every change of the undo history.
    void HistoryChanged();
    // Writes now when the project has unsaved changes, whatever the delay; the recovery file's
    // path, or empty when nothing was written.
    QString WriteNow();
    // The work was saved or given up: the recovery file goes.
    void Discard();
    // Whether a write is waiting for its delay.
    bool Pending() const { return timer_.isActive(); }

signals:
    // A write failed; said once until a write succeeds again.
    void WriteFailed(const QString& message);

private:
    void TimerFired();
    bool Write();

    DialogDocument& document_;
    TmvUndoHistory& history_;
    TmvRecoveryStore& store_;
    QTimer timer_;
    int delayMs_ = 0;
    bool failureTold_ = false;
};
