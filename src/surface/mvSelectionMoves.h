#pragma once
// Moving and sizing the selection as a group, as the arrow keys and the context menu do. Locked
// controls move too: locking holds back the mouse only.
class DialogDocument;
class TmvControl;

// Every selected control by (dx, dy); a selected tab control takes the controls on its pages
// along (those not selected themselves, which move on their own).
void MoveSelectionBy(DialogDocument& doc, int dx, int dy);
// Every selected control grows by (dw, dh), keeping its left and top; no size goes below 0.
// Controls on the pages of a selected tab control are not touched.
void ResizeSelectionBy(DialogDocument& doc, int dw, int dh);
// Every selected control's left and top to the nearest grid point (steps in pixels), keeping
// its size; the tab control takes its page controls along.
void AlignSelectionToGrid(DialogDocument& doc, int gridX, int gridY);
// Moves a control to (left, top); the tab control takes the controls on its pages along.
void MoveControlTo(TmvControl* control, int left, int top);
