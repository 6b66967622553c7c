#include "model/mvSelectionMarks.h"

#include <QPainter>

#include "model/mvPaintContext.h"
#include "model/mvPaintHelpers.h"

bool ShowsSelectionMarks(const TmvPaintContext& context) {
    return context.Selected && context.SelectionCount > 1 && !context.Clicking;
}

namespace {
// A filled square with a 1-pixel outline of its own colour, inside `r`.
void OutlinedSquare(QPainter& painter, const QRect& r, const QColor& outline, const QColor& fill) {
    // Hundreds of marks are drawn at a time: an outline in the fill's own colour is no work.
    if (outline == fill) {
        painter.fillRect(r, fill);
        return;
    }
    painter.fillRect(r, outline);
    painter.fillRect(r.adjusted(1, 1, -1, -1), fill);
}
} // namespace

void PaintSelectionMarks(QPainter& painter, int width, int height, bool locked, bool reference,
                         const TmvSystemColors& colors) {
    const int s = kSelectionMarkSize;
    const QColor outline = locked ? QColor(0, 0, 0) : colors.GrayText;
    for (const QPoint& corner : {QPoint(0, 0), QPoint(0, height - s), QPoint(width - s, 0),
                                 QPoint(width - s, height - s)}) {
        const QRect mark(corner, QSize(s, s));
        if (reference)
            OutlinedSquare(painter, mark, outline, colors.GrayText);
        else
            FrameRect(painter, mark, outline);
    }
}

void PaintGrabHandle(QPainter& painter, const QRect& r, bool locked,
                     const TmvSystemColors& colors) {
    OutlinedSquare(painter, r, colors.Window,
                   locked ? colors.InactiveCaption : colors.SelectionHighlight);
}
