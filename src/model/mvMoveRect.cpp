#include "model/mvMoveRect.h"

#include <QPainter>

#include "model/mvPaintHelpers.h"

namespace {
const QColor kXorGrey(128, 128, 128);
}

TmvMoveRect::TmvMoveRect(QPainter& canvas, Qt::PenStyle style) : Canvas(canvas), PenStyle(style) {
    Canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Canvas.setPen(QPen(kXorGrey, 1, style));
    Canvas.setBrush(Qt::NoBrush);
}

QRect TmvMoveRect::Rect() const {
    return Stored.normalized();
}

void TmvMoveRect::Draw() {
    const QRect r = Rect();
    // The runs share no pixel, so each pixel of the outline is inverted exactly once.
    const bool solid = PenStyle == Qt::SolidLine;
    for (const QRect& run : solid ? OutlineRuns(r, 1, 0) : OutlineRuns(r, 3, 3))
        Canvas.fillRect(run, kXorGrey);
    if (solid)
        for (const QRect& run : OutlineRuns(r.adjusted(1, 1, -1, -1), 1, 0))
            Canvas.fillRect(run, kXorGrey);
}

void TmvMoveRect::MoveTo(const QRect& r) {
    Draw();
    Stored = r;
}
