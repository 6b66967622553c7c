#include "app/mvUndoWatcher.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>

namespace {
// While an action's window or menu runs its own loop, its checkpoint is looked at this often.
constexpr int kNestedPollMs = 50;

int LoopLevel() {
    return QThread::currentThread()->loopLevel();
}

// Boxes whose typing is one edit, committed on leaving them or on Enter.
bool IsTextEntry(const QObject* object) {
    return qobject_cast<const QLineEdit*>(object) ||
           qobject_cast<const QAbstractSpinBox*>(object) ||
           qobject_cast<const QTextEdit*>(object) || qobject_cast<const QPlainTextEdit*>(object);
}

bool CommitsTextEntry(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab || key == Qt::Key_Escape;
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

QString ActionCaption(const QAction* action) {
    return action && !action->isSeparator() && !action->menu() ? action->text() : QString();
}

// Whether the object is the focused widget or lies inside it (a press that moves the caret).
bool WithinFocus(QObject* object) {
    const QWidget* focus = QApplication::focusWidget();
    for (auto* widget = qobject_cast<QWidget*>(object); widget && focus;
         widget = widget->parentWidget())
        if (widget == focus) return true;
    return false;
}

// Arrow keys with the same modifiers on the same selection: one nudge.
QString NudgeKey(const QKeyEvent* key) {
    return QStringLiteral("nudge:%1").arg(int(key->modifiers() & ~Qt::KeypadModifier));
}
} // namespace

QString CaptionUnderMouse(QObject* widget, const QPoint& pos) {
    if (auto* menu = qobject_cast<QMenu*>(widget)) return ActionCaption(menu->actionAt(pos));
    if (qobject_cast<QMenuBar*>(widget)) return QString();
    if (auto* tool = qobject_cast<QToolButton*>(widget))
        return tool->defaultAction() ? ActionCaption(tool->defaultAction()) : tool->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    return QString();
}

TmvUndoWatcher::TmvUndoWatcher(TmvUndoHistory& history, QObject* parent)
    : QObject(parent), history_(history) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TmvUndoWatcher::Flush);
    qApp->installEventFilter(this);
}

TmvUndoWatcher::~TmvUndoWatcher() {
    qApp->removeEventFilter(this);
}

void TmvUndoWatcher::Request(const TmvCheckpointCause& cause) {
    // The first cause of a level names it: the same event reaches the parents of its receiver
    // too, and they know less of it.
    TmvCheckpointCause& slot = pending_[LoopLevel()];
    if (slot.Name.isEmpty()) slot.Name = cause.Name;
    if (slot.MergeKey.isEmpty()) slot.MergeKey = cause.MergeKey;
    if (!timer_.isActive() || timer_.remainingTime() > 0) timer_.start(0);
}

void TmvUndoWatcher::Flush() {
    if (pending_.empty()) return;
    if (ActionRunning && ActionRunning()) {
        timer_.start(kNestedPollMs);
        return;
    }
    // Actions asked for at this depth or deeper have ended; one asked for further out is still
    // running (it opened the window whose loop runs now) and waits for it to close.
    const auto ended = pending_.lower_bound(LoopLevel());
    if (ended != pending_.end()) {
        const TmvCheckpointCause cause = ended->second;
        pending_.erase(ended, pending_.end());
        typing_ = false; // this checkpoint records the typing too
        history_.Checkpoint(cause);
    }
    if (!pending_.empty()) timer_.start(kNestedPollMs);
}

void TmvUndoWatcher::EndTyping() {
    if (!typing_) return;
    typing_ = false;
    history_.Checkpoint();
}

void TmvUndoWatcher::KeyPressed(QObject* watched, QKeyEvent* key) {
    // A key in a menu chooses a command there: the typing before it is a step of its own.
    const bool inMenu = qobject_cast<QMenu*>(watched) || qobject_cast<QMenuBar*>(watched);
    if (inMenu) EndTyping();
    // By the focus, not the receiver: a key the box leaves (any release, a lone Shift) goes on
    // to the box's parents, and typing is still one edit.
    if (!inMenu && IsTextEntry(QApplication::focusWidget()) && !CommitsTextEntry(key->key())) {
        if (key->type() == QEvent::KeyPress) typing_ = true;
        return;
    }
    TmvCheckpointCause cause;
    if (auto* menu = qobject_cast<QMenu*>(watched))
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            cause.Name = ActionCaption(menu->activeAction());
    if (watched == surface_ && IsArrow(key->key())) cause.MergeKey = NudgeKey(key);
    Request(cause);
}

bool TmvUndoWatcher::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // What the last action did is recorded before the next one starts; so is the typing in
        // a box when the press is elsewhere (a tool button, a menu) and runs a command.
        if (!WithinFocus(watched)) EndTyping();
        Flush();
        break;
    case QEvent::MouseButtonRelease:
        Request({CaptionUnderMouse(watched, static_cast<QMouseEvent*>(event)->position().toPoint()),
                 {}});
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        // A held key is one action, ended by its release.
        if (!key->isAutoRepeat()) KeyPressed(watched, key);
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Wheel:
        Request();
        break;
    case QEvent::Shortcut:
        // The shortcut's command runs next; the typing before it is a step of its own.
        EndTyping();
        if (auto* action = qobject_cast<QAction*>(watched))
            Request({ActionCaption(action), {}});
        else
            Request();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
