#pragma once
// Lining up, spacing and sizing the selected controls as a group, and aligning them to the grid.
// The alignment dialog (mvAlignDialog) and the context menu call these; they need no window.
//
// Every operation acts on the selection, locked controls included. Positions are kept within a
// dialog template's 16-bit range and sizes within 0 and that range, whatever number was typed.
// A tab control that moves takes the controls on its pages along (those not selected
// themselves), as the mouse and the arrow keys do, so the pages never part from it.
#include <QRect>
#include <vector>

class DialogDocument;
class TmvControl;

enum class TmvHorizontalAlign { NoChange, LeftSides, Middles, RightSides, Center };
enum class TmvVerticalAlign { NoChange, Tops, Middles, Bottoms, Center };
// EqualCentres spaces the centres equally (the direct commands; the dialog does not offer it).
enum class TmvSpacing { NoChange, Equal, Remove, Increase, Decrease, EqualCentres };
enum class TmvSizing { NoChange, ShrinkToSmallest, GrowToLargest, Exact };

// The selected controls ordered by left edge (ByLeft) and by top edge (ByTop); controls with
// equal edges keep their selection order.
struct TmvAlignLists {
    std::vector<TmvControl*> ByLeft;
    std::vector<TmvControl*> ByTop;
};
TmvAlignLists BuildAlignLists(const DialogDocument& doc);

// Horizontal first, then vertical. The reference is the first selected control; centring puts
// the group's span (from the first to the last control of the ordered list) in the middle of
// the dialog's client area, or of the tab control's page when every control lies on a page.
void AlignSelection(DialogDocument& doc, const TmvAlignLists& lists, TmvHorizontalAlign horizontal,
                    TmvVerticalAlign vertical);
// Vertical first, then horizontal. The amounts of Increase and Decrease are in dialog units in
// dialog-unit mode, else in pixels; the first control of the ordered list stays in place, and
// no control passes another along the axis (mvAlignMath.h).
void SpaceSelection(DialogDocument& doc, const TmvAlignLists& lists, TmvSpacing horizontal,
                    int horizontalAmount, TmvSpacing vertical, int verticalAmount);
// Width first, then height. The exact sizes are in dialog units in dialog-unit mode, else in
// pixels, as the browser shows them.
void SizeSelection(DialogDocument& doc, TmvSizing width, int widthValue, TmvSizing height,
                   int heightValue);
// Every selected control takes the reference's width, height or both (whole dialog units in
// dialog-unit mode).
void SizeSelectionLikeReference(DialogDocument& doc, bool width, bool height);
// Centres the group (its span as for the dialog's centring) in the area of the container it
// lies in: the tab control's page when every control lies on a page, else the smallest group
// box, not selected itself, that holds every selected control, else the dialog's client area.
void CentreSelectionInContainer(DialogDocument& doc, const TmvAlignLists& lists, bool horizontal);
// That area, in surface pixels; a box's begins below its caption line.
QRect SelectionContainerArea(const DialogDocument& doc);
// The area of a container: the tab control's page body for a page (0 and up), else the
// dialog's client area.
QRect ContainerArea(const DialogDocument& doc, int page);

// Every selected control's left and top to the nearest grid point (steps in pixels); sizes stay.
void AlignSelectionToGrid(DialogDocument& doc, int stepX, int stepY);

// Moves a control, the tab control with the controls on its pages that are not selected.
void MoveControlTo(DialogDocument& doc, TmvControl* control, int left, int top);
