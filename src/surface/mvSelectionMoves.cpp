#include "surface/mvSelectionMoves.h"

#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvAlignment.h"
#include "surface/mvDialogDocument.h"

void MoveSelectionBy(DialogDocument& doc, int dx, int dy) {
    if (doc.Selection.empty() || (dx == 0 && dy == 0)) return;
    for (TmvControl* control : doc.Selection)
        MoveControlTo(doc, control, control->Left + dx, control->Top + dy);
    doc.Modified = true;
}

void ResizeSelectionBy(DialogDocument& doc, int dw, int dh) {
    if (doc.Selection.empty() || (dw == 0 && dh == 0)) return;
    for (TmvControl* control : doc.Selection)
        control->SetBounds(control->Left, control->Top, std::max(0, control->Width + dw),
                           std::max(0, control->Height + dh));
    doc.Modified = true;
}
