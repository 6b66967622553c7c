#pragma once
// The direct arranging commands: one command, one change of the selection, run from a menu
// entry, a toolbar button or a key with no dialog in between. They use the alignment dialog's
// arithmetic (mvAlignment.h): the reference is the first selected control, locked controls
// arrange like the others, positions and sizes stay whole dialog units in dialog-unit mode.
class DialogDocument;

enum class TmvArrange {
    AlignLefts,
    AlignRights,
    AlignTops,
    AlignBottoms,
    AlignCentres, // the horizontal centres, on the reference's vertical centre line
    AlignMiddles, // the vertical centres
    SameWidth,
    SameHeight,
    SameSize,
    SpaceAcross, // equal gaps, the first and the last by left edge staying
    SpaceDown,
    SpaceCentresAcross, // equal steps between the centres
    SpaceCentresDown,
    CentreHorizontally, // in the container: the dialog, the group box or the tab page
    CentreVertically,
    SizeToContent, // buttons, checks, radios, text and links take their caption's size
};
constexpr int kArrangeCount = int(TmvArrange::SizeToContent) + 1;

// Whether the command can act on the selection: aligning and sizing like the reference need two
// controls, spacing three, centring one, sizing to content one control of a type that has it.
bool CanArrange(const DialogDocument& doc, TmvArrange command);
// Runs it; nothing happens when it cannot act.
void Arrange(DialogDocument& doc, TmvArrange command);
