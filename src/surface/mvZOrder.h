#pragma once
// How controls lie over each other, whether the surface shows them, and whether the mouse may
// move them. None of it reaches the dialog table.
#include <QString>

class DialogDocument;
class TmvControl;

// Every selected control but the tab control to the front, in selection order.
void BringSelectionToFront(DialogDocument& doc);
// Every selected control but the tab control to the back, in selection order; the tab
// control then goes back under them all.
void SendSelectionToBack(DialogDocument& doc);
// Every selected control but the tab control one step up (down): past the next control above
// (below) it that the surface shows and that is not selected, so a selection moves as a block.
// Nothing goes below the tab control. Returns whether the order changed.
bool BringSelectionForward(DialogDocument& doc);
bool SendSelectionBackward(DialogDocument& doc);

// Sets the control's DesignHidden flag. A control on a page that is not showing keeps its
// visibility; any other control becomes visible exactly when it is not hidden, and the tab
// control takes the controls of its active page (those not hidden on their own) along.
void SetDesignHidden(DialogDocument& doc, TmvControl* control, bool hidden);
// Hide adds the control to the hidden list, unhide takes it out; each only once.
void HideControl(DialogDocument& doc, TmvControl* control);
void UnhideControl(DialogDocument& doc, TmvControl* control);
void UnhideAll(DialogDocument& doc);
// Deselects and hides every selected control; then there is no current control.
void HideSelection(DialogDocument& doc);

// Sets or clears Locked on every selected control.
void LockSelection(DialogDocument& doc, bool locked);
// Toggles LockAll and returns its new value.
bool ToggleLockAll(DialogDocument& doc);
// The caption of the lock-all command for a LockAll value: "Unlock All" or "Lock All".
QString LockAllCaption(bool lockAll);
