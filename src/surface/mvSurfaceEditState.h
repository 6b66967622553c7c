#pragma once
// What the design surface keeps while the user edits on it: the drag in progress with its
// outlines, the press being handled, the hot control and the editing preferences.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <memory>
#include <vector>

#include "model/mvMoveRect.h"
#include "surface/mvControlDefaults.h"
#include "surface/mvDragMath.h"
#include "surface/mvGuides.h"

class TmvControl;
class TmvGrabHandles;
class TmvHintWindow;

// The editing preferences of the settings ([Grid] and [Defaults]).
struct TmvEditingOptions {
    bool AutoTab = true;
    bool SnapMove = false;
    bool SnapSize = false;
    bool SnapDialog = false;
    bool SnapToGuides = true;
};

// A control drawn with the armed tool narrower or lower than this takes its type's default
// width or height: a plain click makes a control of the default size.
constexpr int kSmallestDrawnSize = 4;

// One dragged control and its outline.
struct TmvDragItem {
    TmvControl* Control = nullptr;
    TmvDragBox Box;
    std::unique_ptr<TmvMoveRect> Outline;
};

struct TmvSurfaceEditState {
    TmvSurfaceEditState();
    ~TmvSurfaceEditState();

    TmvEditingOptions Options;
    ControlDefaultsSet Defaults;

    bool RubberBanding = false;
    bool Moving = false;
    bool Sizing = false;
    bool Dragging = false;      // any of the three
    bool DragCancelled = false; // Escape: the end of the drag changes nothing
    int SizeEdges = 0;
    QPoint DragOrigin;          // client pixels where the applied part of the drag ends
    QPoint LastHintPos{-1, -1}; // client pixels; (-1, -1) when idle
    std::vector<TmvDragItem> DragRects;
    int CurrentRectIndex = 0;
    TmvDragItem Band;                    // the rubber band (no control)
    TmvControl* BandContainer = nullptr; // the box or tab control a band was started in
    bool PressOnControl = false;         // a press on a control is being handled
    // A control of a multiple selection pressed without Ctrl: released without having moved
    // anything, it becomes the selection's reference.
    TmvControl* ReferenceCandidate = nullptr;
    // The control the armed tool made, while the drag that gives its size or place runs, and
    // the size it takes when the user draws it smaller than kSmallestDrawnSize.
    TmvControl* Creating = nullptr;
    QSize CreatingDefaultSize;
    Qt::CursorShape SizeCursor = Qt::CrossCursor; // shown during a size drag

    // The surface as it was when the drag began, with the outlines drawn into it; the surface
    // shows this while the drag runs, so a step redraws no control.
    QImage Canvas;
    std::unique_ptr<QPainter> CanvasPainter;
    std::unique_ptr<TmvHintWindow> Hint;
    QRect StaleDuringDrag; // repaints asked for while the picture was shown

    // The guides of a move or size drag: the other controls' edges indexed at its start, the
    // moved outlines' bounding box, the dragged control's baseline offset (-1: none), and what
    // is shown now with the widget area it covers.
    std::unique_ptr<TmvGuideIndex> Guides;
    QRect GroupBox;
    int GuideBaseline = -1;
    TmvGuideMatch GuidesShown;
    QRect GuideArea;

    bool FrameDragging = false; // the surface's frame is being dragged to a new size

    std::unique_ptr<TmvGrabHandles> Handles;
    TmvControl* Hot = nullptr; // the control under the mouse while hot tracking

    // Repaints gathered while a group operation runs; drawn once at its end.
    int BatchDepth = 0;
    std::vector<QRect> BatchRects;
};
