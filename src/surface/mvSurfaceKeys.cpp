// The design surface's keys: the arrows nudge or size the selection (by 10 with Ctrl, by one
// grid step with Alt), Escape
// cancels a drag, the clipboard keys and Delete go to the commands, E edits the caption, F
// switches the dialog's font and G the grid.
#include <QKeyEvent>

#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSelectionMoves.h"
#include "surface/mvSurfaceEditState.h"

void TMainDialog::keyPressEvent(QKeyEvent* event) {
    // The tab-order mode edits nothing but the order; Escape ends it.
    if (tabOrder_) {
        if (event->key() == Qt::Key_Escape) SetTabOrderMode(false);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        CancelDrag();
        return;
    }
    // While a drag runs the document waits for its end.
    if (edit_->Dragging) return;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    // Ctrl+Alt with a letter belongs to the arranging commands, also while one is disabled.
    if (ctrl && (mods & Qt::AltModifier) && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        QWidget::keyPressEvent(event);
        return;
    }
    int step = ctrl ? 10 : 1;
    // Dialog units, by the horizontal factor on both axes.
    if (doc_.UseDbu) step = XToPixels(step);
    const bool gridStep = (mods & Qt::AltModifier) && !ctrl;
    const int stepX = gridStep ? GridStepX() : step;
    const int stepY = gridStep ? GridStepY() : step;
    const auto arrow = [&](int dx, int dy) {
        ChangeSelection([&] {
            if (shift)
                ResizeSelectionBy(doc_, dx, dy);
            else
                MoveSelectionBy(doc_, dx, dy);
        });
    };
    // The letter keys work with or without modifiers.
    switch (event->key()) {
    case Qt::Key_Left:
        arrow(-stepX, 0);
        return;
    case Qt::Key_Right:
        arrow(stepX, 0);
        return;
    case Qt::Key_Up:
        arrow(0, -stepY);
        return;
    case Qt::Key_Down:
        arrow(0, stepY);
        return;
    case Qt::Key_Insert:
        if (shift)
            emit PasteRequested();
        else if (ctrl)
            emit CopyRequested();
        return;
    case Qt::Key_Delete:
        if (shift)
            emit CutRequested();
        else
            emit DeleteRequested();
        return;
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_V:
        if (!ctrl) break;
        if (event->key() == Qt::Key_C)
            emit CopyRequested();
        else if (event->key() == Qt::Key_X)
            emit CutRequested();
        else
            emit PasteRequested();
        return;
    case Qt::Key_E:
        if (doc_.CurrentControl) emit EditCaptionRequested();
        return;
    case Qt::Key_G:
        SetShowGrid(!options_.ShowGrid);
        return;
    case Qt::Key_F:
        doc_.SetFontName(doc_.FontName == QLatin1String("Tahoma") ? QStringLiteral("MS Sans Serif")
                                                                  : QStringLiteral("Tahoma"));
        SyncWithDocument();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
