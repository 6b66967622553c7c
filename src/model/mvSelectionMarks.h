#pragma once
// The look of selection feedback: the corner marks of a control in a multiple selection and
// the grab handles around the current control.
#include <QRect>

class QPainter;
class TmvControl;
struct TmvPaintContext;
struct TmvSystemColors;

constexpr int kSelectionMarkSize = 6;
constexpr int kGrabHandleSize = 6;

// Whether the control being painted shows the corner marks: it is selected, more than one control
// is, and no press is being handled.
bool ShowsSelectionMarks(const TmvPaintContext& context);

// Four 6 x 6 squares inside the corners of a control of `width` x `height` (control
// coordinates), outlined in black when `locked`, else in grey text colour; the reference's are
// filled with grey text colour, the others' are only outlined.
void PaintSelectionMarks(QPainter& painter, int width, int height, bool locked, bool reference,
                         const TmvSystemColors& colors);

// A grab handle filling `r`: outlined in window colour, filled with the selection highlight, or
// with the inactive-caption colour when the current control cannot be resized (`locked`).
void PaintGrabHandle(QPainter& painter, const QRect& r, bool locked, const TmvSystemColors& colors);
