#include "surface/mvSelectionMoves.h"

#include <algorithm>

#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"

void MoveControlTo(TmvControl* control, int left, int top) {
    const int dx = left - control->Left;
    const int dy = top - control->Top;
    if (dx == 0 && dy == 0) return;
    control->SetBounds(left, top, control->Width, control->Height);
    if (control->ControlType == ctTab) static_cast<TmvTab*>(control)->MovePageControls(dx, dy);
}

void MoveSelectionBy(DialogDocument& doc, int dx, int dy) {
    if (doc.Selection.empty() || (dx == 0 && dy == 0)) return;
    for (TmvControl* control : doc.Selection)
        MoveControlTo(control, control->Left + dx, control->Top + dy);
    doc.Modified = true;
}

void ResizeSelectionBy(DialogDocument& doc, int dw, int dh) {
    if (doc.Selection.empty() || (dw == 0 && dh == 0)) return;
    for (TmvControl* control : doc.Selection)
        control->SetBounds(control->Left, control->Top, std::max(0, control->Width + dw),
                           std::max(0, control->Height + dh));
    doc.Modified = true;
}

void AlignSelectionToGrid(DialogDocument& doc, int gridX, int gridY) {
    bool moved = false;
    for (TmvControl* control : doc.Selection) {
        const int left = SnapToGrid(control->Left, gridX);
        const int top = SnapToGrid(control->Top, gridY);
        moved = moved || left != control->Left || top != control->Top;
        MoveControlTo(control, left, top);
    }
    if (moved) doc.Modified = true;
}
