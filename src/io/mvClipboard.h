#pragma once
// The design surface's control clipboard: cut, copy and paste of controls inside the program.
// Copied controls are kept as the project file's control sections, written and read by the
// project writer and reader, in a buffer that lives in memory only: it is never saved, and no
// file is ever created or deleted for it.
#include <QPoint>
#include <optional>

#include "io/mvIniFile.h"

class DialogDocument;
class Prompter;

// Copies the selection and pastes it at once, one paste step away, into the current control's
// container, with IDs repaired as a paste repairs them; the control clipboard is left as it was.
// Returns how many controls were made.
int DuplicateSelection(DialogDocument& doc);

class TmvControlClipboard {
public:
    // Empties the buffer and copies every selected control but the tab control, in selection
    // order. An empty selection changes nothing.
    void CopySelection(const DialogDocument& doc);
    // Copies, then deletes, the selection without the tab control (which is neither copied nor
    // deleted). Nothing happens when the tab control is all that is selected.
    void CutSelection(DialogDocument& doc, Prompter* prompt, bool promptTab);
    // Pastes the buffer onto the tab control's active page when the tab control is current,
    // onto the page of the current control when it lies on one, else onto the dialog, each paste
    // one step of 5 dialog units further right and down than the one before. A pasted control whose
    // ID is taken gets the next free one and loses its "Lock ID". The pasted controls become the
    // selection, the last one current. Returns how many were pasted; with an empty buffer nothing
    // changes.
    int PasteControls(DialogDocument& doc);
    // Pastes the buffer into the container `page` (-1: the dialog) with the group's top-left
    // corner at `topLeft`; the buffer keeps its place, so a plain paste after it lands where it
    // would have. Otherwise as PasteControls.
    int PasteControlsAt(DialogDocument& doc, int page, QPoint topLeft);

    // The number of controls in the buffer.
    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }

private:
    // Without `topLeft` the buffer moves one paste step, as every plain paste does.
    int Paste(DialogDocument& doc, int page, const std::optional<QPoint>& topLeft);
    TmvIniFile buffer_; // no file name: it cannot be saved
    int count_ = 0;
};
