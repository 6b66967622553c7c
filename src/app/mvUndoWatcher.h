#pragma once
// Watches the user for the end of each action and asks the undo history for a checkpoint then,
// so that no editing command has to call the history itself. An action ends with a mouse
// release, a key press outside a text box (in a text box: Enter, Tab or Escape), a box left
// (focus out), a wheel turn or a shortcut. The checkpoint runs once the event has been handled;
// typing that a command follows without leaving the box is recorded before the command runs;
// when the action opened a modal window or menu, its checkpoint waits until that window's loop
// has returned, while what is done inside the window gets checkpoints of its own.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

#include "io/mvUndoHistory.h"

class QKeyEvent;
class QWidget;

class TmvUndoWatcher : public QObject {
    Q_OBJECT
public:
    // Watches the whole application until destroyed.
    explicit TmvUndoWatcher(TmvUndoHistory& history, QObject* parent = nullptr);
    ~TmvUndoWatcher() override;

    // Arrow keys on this widget are nudges: a run of them makes one step.
    void SetSurface(QWidget* surface) { surface_ = surface; }
    // An action that spans many events (a drag on the surface or of its frame) is running:
    // what ends inside it (a key pressed or let go meanwhile) waits for its end, so the whole
    // drag, and the creation that started it, is one step.
    std::function<bool()> ActionRunning;

    // A checkpoint once the current event has been handled.
    void Request(const TmvCheckpointCause& cause = {});
    // Runs the checkpoints whose actions have ended, now.
    void Flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void KeyPressed(QObject* watched, QKeyEvent* key);
    // Typing in a box is one edit that another command must not take into its step: before a
    // command runs from a tool button, a menu or a shortcut, the typing gets its checkpoint.
    void EndTyping();

    TmvUndoHistory& history_;
    QPointer<QWidget> surface_;
    // The checkpoints asked for, by the event-loop depth they were asked at.
    std::map<int, TmvCheckpointCause> pending_;
    QTimer timer_;
    bool typing_ = false; // keys went into a box since the last checkpoint
};

// The caption of the command or button a mouse release on `widget` at `pos` runs, if any.
QString CaptionUnderMouse(QObject* widget, const QPoint& pos);
