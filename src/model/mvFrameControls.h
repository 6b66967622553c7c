#pragma once
// The system's frame controls (check box, radio button, arrow buttons) and the scroll bars
// built from them, in the classic Windows look.
#include <QBrush>
#include <QRect>

#include "model/mvSystemColors.h"

class QPainter;
class QStyle;

// --- Frame controls --------------------------------------------------------------------------

enum class TmvFrameControl {
    CheckBox,
    RadioButton,
    ScrollLeft,
    ScrollRight,
    ScrollUp,
    ScrollDown,
    ComboButton,
};

// Qt's "Windows" style, which draws the classic frame controls (owned by the application).
QStyle* ClassicStyle();

// The system's frame control in `r`: unchecked boxes, raised arrow buttons. `inactive` greys it,
// `flat` gives check and radio boxes a flat 1-pixel border.
void DrawFrameControl(QPainter& painter, const QRect& r, TmvFrameControl kind, bool inactive,
                      bool flat, const TmvSystemColors& colors);

// --- Scroll bars -----------------------------------------------------------------------------

enum TmvScrollOrientation { soHorizontal = 0, soVertical = 1 };
// Which side of the rectangle the bar lies along (the scroll control's Alignment order).
enum TmvScrollPosition { spRight = 0, spTop = 1, spLeft = 2, spBottom = 3 };

// The track of a scroll bar as Windows fills it: the scroll-bar colour, dithered with the
// highlight colour where that is the window colour too (the classic scheme, whose scroll-bar
// colour is the face's, so that the track stands out from the dialog).
QBrush ScrollTrackBrush(const TmvSystemColors& colors);

// The bar for `orientation` in `r`, placed by `position`; inactive arrows when `disabled`.
// Returns the bar's rectangle.
QRect PaintScrollBar(QPainter& painter, const QRect& r, int orientation, bool disabled,
                     int position, const TmvSystemColors& colors);

// The bars of an edit, combo or list inside `r` (the area left inside its frames): vertical on
// the right, horizontal at the bottom, the corner filled with face colour when both. Returns
// the area the bars leave.
QRect PaintInnerScrollBars(QPainter& painter, const QRect& r, bool vertical, bool horizontal,
                           const TmvSystemColors& colors);
