#pragma once
// Moving and sizing the selection as a group, as the arrow keys do. Locked controls move too:
// locking holds back the mouse only. Aligning to the grid is in mvAlignment.
class DialogDocument;

// Every selected control by (dx, dy); a selected tab control takes the controls on its pages
// along (those not selected themselves, which move on their own).
void MoveSelectionBy(DialogDocument& doc, int dx, int dy);
// Every selected control grows by (dw, dh), keeping its left and top; no size goes below 0.
// Controls on the pages of a selected tab control are not touched.
void ResizeSelectionBy(DialogDocument& doc, int dw, int dh);
