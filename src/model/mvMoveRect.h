#pragma once
// The outline drawn while dragging: XOR-drawn on a canvas it does not own, so drawing it twice
// at the same place erases it.
#include <QRect>

class QPainter;

class TmvMoveRect {
public:
    // Sets the canvas to XOR mid grey with no fill; `style` is Qt::SolidLine (a double line) or
    // Qt::DotLine (the rubber band).
    TmvMoveRect(QPainter& canvas, Qt::PenStyle style);

    // Draws the normalised rectangle (inverting what was drawn there before).
    void Draw();
    // Erases the outline at the old rectangle and keeps the new one; the caller draws again.
    void MoveTo(const QRect& r);
    // The stored rectangle, normalised.
    QRect Rect() const;
    // The rectangle exactly as last set (corners may be swapped while dragging up or left).
    QRect StoredRect() const { return Stored; }
    Qt::PenStyle Style() const { return PenStyle; }

private:
    QPainter& Canvas;
    Qt::PenStyle PenStyle;
    QRect Stored{0, 0, 0, 0};
};
