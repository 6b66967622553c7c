#pragma once
// The arithmetic of editing with the mouse, free of any window: how far a drag step moves the
// outlines, how an outline changes, what the hint says, which controls a rubber band selects,
// where the grab handles sit and how a frame resize snaps the dialog's size.
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>

class TmvControl;

// Edges a size drag moves (the grab handles' direction codes); bottom-right is 6.
enum TmvSizeEdge : int { seTop = 1, seBottom = 2, seRight = 4, seLeft = 8 };

// A drag delta on the grid: `delta` / `step` to the nearest integer, halves to the even
// neighbour, times `step`. A step below 1 leaves the delta as it is.
int SnapDelta(int delta, int step);

struct TmvDragStepRules {
    bool Snap = false; // grid snapping (Shift already applied)
    int GridX = 8;     // grid step in pixels
    int GridY = 8;
    bool Quantize = false; // dialog-unit mode while moving or sizing: whole dialog units
};
// The part of the cursor's motion since the drag origin that a step applies; the rest carries
// into the next step.
QPoint AppliedDragStep(QPoint motion, const TmvDragStepRules& rules);

// An outline by its four edges, right and bottom exclusive, so that it can be dragged inside
// out while sizing; Rect() gives it the right way round.
struct TmvDragBox {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    static TmvDragBox FromRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    QRect Rect() const;
    // Moving offsets every edge; sizing moves the edges in `edges`.
    void Move(int dx, int dy);
    void Size(int edges, int dx, int dy);
    bool operator==(const TmvDragBox&) const = default;
};

// The hint of a move ("%d, %d", left and top) or of a size drag ("%d x %d", width and height),
// for the current control's outline, in dialog units in dbu mode.
QString DragHintText(const TmvControl& control, const QRect& outline, bool sizing, bool useDbu);

// A rubber band selects a control it meets, unless the band lies wholly inside the control.
bool BandSelects(const QRect& band, const QRect& bounds);

// The top-left corners of the eight 6 x 6 grab handles around a control's bounds, in the fixed
// order: top-left, top-centre, top-right, right-middle, bottom-right, bottom-centre,
// bottom-left, left-middle.
std::array<QPoint, 8> GrabHandlePositions(const QRect& bounds);
// Their direction codes, in the same order.
inline constexpr std::array<int, 8> kGrabHandleDirections = {9, 1, 5, 4, 6, 2, 10, 8};

// A frame resize: the proposed client size in dialog units in dbu mode, with `snap` cut down to
// whole grid steps ("SizeX" and "SizeY" in the same units), and back to pixels.
QSize SnapDialogClientSize(QSize proposed, bool snap, int sizeX, int sizeY, bool useDbu);
// The edges of a frame drag that move (seLeft, seTop), from the frame at the press and a
// proposal: those that left their place. Once an edge moved it stays a moving edge for the rest
// of the drag (`moving` carries it), also when it comes back to where it started.
int MovingFrameEdges(int moving, const QRect& startFrame, const QRect& proposedFrame);
// The frame rectangle for a client size, built from the edges that stay where they were:
// a moving left or top edge keeps the right or bottom one.
QRect FrameForClientSize(int movingEdges, const QRect& proposedFrame, QSize client,
                         QSize frameExtra);
