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
    // The solid double line is a band two pixels wide: four pieces that share no pixel. A
    // move of hundreds of controls draws it twice per control and step.
    if (PenStyle == Qt::SolidLine && r.width() >= 4 && r.height() >= 4) {
        Canvas.fillRect(QRect(r.left(), r.top(), r.width(), 2), kXorGrey);
        Canvas.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), kXorGrey);
        Canvas.fillRect(QRect(r.left(), r.top() + 2, 2, r.height() - 4), kXorGrey);
        Canvas.fillRect(QRect(r.right() - 1, r.top() + 2, 2, r.height() - 4), kXorGrey);
        return;
    }
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
