#pragma once
// The surface's context menu (PopMenu), opened by a right-button release when no drag runs.
// Every entry is here from the start; an entry is enabled only once its command is wired, so a
// command not built yet shows disabled. The clipboard entries are the main window's own Cut,
// Copy and Delete commands once bound; Paste stays an entry of its own, pasting at the point
// the menu was opened at.
#include <QMenu>
#include <functional>
#include <vector>

class TmvSurfacePopMenu : public QMenu {
    Q_OBJECT
public:
    explicit TmvSurfacePopMenu(QWidget* parent = nullptr);

    // Replaces the Cut, Copy and Delete entries by the main window's commands, which keep their
    // own enabled state; the Paste entry takes the enabled state of `paste` from then on.
    void BindClipboard(QAction* cut, QAction* copy, QAction* paste, QAction* del);
    // Connects an entry to its command and makes it available; the entries that need a current
    // control are then enabled exactly when there is one, the others stay enabled.
    void Wire(QAction* entry, std::function<void()> command);
    bool IsWired(const QAction* entry) const;
    // The direct arranging commands' submenu, after the alignment dialog's entries; its entries
    // keep their own enabled states.
    void AddArrangeMenu(QMenu* menu);

    // The enabling rule, run on opening; also puts the lock-all caption in line with the flag.
    void Prepare(bool hasCurrentControl, bool lockAll);

    QAction* pmCut;
    QAction* pmCopy;
    QAction* pmPaste;
    QAction* pmDelete;
    QAction* pmDuplicate;
    QAction* pmBringToFront;
    QAction* pmBringForward;
    QAction* pmSendBackward;
    QAction* pmSendToBack;
    QAction* pmAlignToGrid;
    QMenu* pmPosition;
    QAction* pmAlignment;
    QAction* pmSpacing;
    QAction* pmSizing;
    QMenu* pmVisibility;
    QAction* pmHide;
    QAction* pmUnhide;
    QAction* pmUnhideAll;
    QMenu* pmLocking;
    QAction* pmLock;
    QAction* pmUnlock;
    QAction* pmLockAll;
    QAction* pmControlOrder;

private:
    QAction* Entry(QMenu* menu, const char* name, const QString& caption);
    // Enabled exactly when there is a current control (and the command is wired).
    std::vector<QAction*> needCurrent_;
    std::vector<const QAction*> wired_;
};
