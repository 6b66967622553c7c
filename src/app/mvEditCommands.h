#pragma once
// The main window's editing commands on the selected controls: the clipboard (Cut, Copy, Paste,
// Delete), z-order, hiding, locking, and the windows for alignment, unhiding and creation order.
// The Edit menu, the toolbar and the surface's context menu and keys all run these; the Edit
// commands' enabled states are kept here, the context menu's by the menu on opening.
#include <QObject>
#include <memory>

class TMain;
class TmvControl;
class TmvControlClipboard;
class QAction;

class TEditCommands : public QObject {
    Q_OBJECT
public:
    explicit TEditCommands(TMain& main);
    ~TEditCommands() override;

    TmvControlClipboard& Clipboard() const { return *clipboard_; }

    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void BringToFront();
    void SendToBack();
    void BringForward();
    void SendBackward();
    // The selection copied and pasted at once, the control clipboard untouched.
    void Duplicate();
    // The context menu's paste: the group's top-left corner at the point the menu was opened
    // at, snapped to the grid, in the container under it.
    void PasteAtMenuPoint();
    void Hide();
    void Unhide(); // the "Unhide Controls" window
    void UnhideAll();
    void Lock(bool locked);
    void ToggleLockAll();
    // The alignment dialog on its "Alignment", "Spacing" or "Sizing" page.
    void OpenAlignDialog(int page);
    // The creation-order window on the current control's container.
    void OpenCreationOrder();

    // Cut, Copy and Delete follow the current control; Paste is enabled while the clipboard
    // holds controls.
    void CurrentControlChanged(TmvControl* control);
    void UpdatePaste();

    // The Edit menu's entries for duplicating and z-order (beside the clipboard commands).
    QAction* mmDuplicate;
    QAction* mmBringToFront;
    QAction* mmBringForward;
    QAction* mmSendBackward;
    QAction* mmSendToBack;

private:
    void CreateActions();
    void Connect();
    TMain& main_;
    std::unique_ptr<TmvControlClipboard> clipboard_;
};
