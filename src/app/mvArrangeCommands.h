#pragma once
// The direct arranging commands of the main window (surface/mvArrange.h): the "Hizala" submenu
// of the Edit menu and of the surface's context menu, the align toolbar shown from the View
// menu, and their keys. Each command is enabled only while it can act on the selection, runs as
// one undo step named after it and repaints only the controls that change.
#include <QObject>
#include <array>

#include "surface/mvArrange.h"

class QAction;
class QMenu;
class QToolBar;
class TMain;

class TArrangeCommands : public QObject {
    Q_OBJECT
public:
    explicit TArrangeCommands(TMain& main);

    QAction* Action(TmvArrange command) const { return actions_[size_t(command)]; }
    // Makes the current control the reference of the selection.
    QAction* MakeReference() const { return makeReference_; }
    // "Snap to guides", the setting, checked while on (F9 and the toolbar).
    QAction* SnapToGuides() const { return snapToGuides_; }
    QMenu* Menu() const { return menu_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The View menu's entry that shows or hides the toolbar.
    QAction* ToolBarToggle() const;

    void Run(TmvArrange command);
    // Enables each command by what the selection allows.
    void UpdateEnabled();
    // While suspended (the tab-order mode), every command that moves or sizes is disabled.
    void SetSuspended(bool on);

private:
    void CreateActions();
    void CreateMenuAndToolBar();

    TMain& main_;
    std::array<QAction*, kArrangeCount> actions_{};
    QAction* makeReference_ = nullptr;
    QAction* snapToGuides_ = nullptr;
    QMenu* menu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    bool suspended_ = false;
};
