#pragma once
// Drawing primitives of the classic Windows look, on any QPainter. Rectangles follow the
// Windows convention where it matters: a frame covers exactly the pixels inside the rectangle.
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "model/mvSystemColors.h"
#include "model/mvTextLayout.h"

class QPainter;
struct TmvPaintContext;

// --- Frames and outlines ---------------------------------------------------------------------

// A 1-pixel frame, `topLeft` on the top and left edges and `bottomRight` on the bottom and right
// (which owns the top-right and bottom-left corners); then `r` shrinks by 1 on every side.
void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight);

// The two frames of a push button, raised or pushed in; then `r` shrinks by 2 on every side.
void PushButtonFrame(QPainter& painter, QRect& r, bool pushed, const TmvSystemColors& colors);

// A 1-pixel solid outline just inside `r`, no fill.
void FrameRect(QPainter& painter, const QRect& r, const QColor& color);

// The 1-pixel runs that outline `r` with a dash pattern of `on` pixels drawn and `off` skipped,
// clockwise from the top-left corner. No pixel is in two runs, so the runs can be drawn in XOR
// mode. `off` 0 gives the solid outline.
std::vector<QRect> OutlineRuns(const QRect& r, int on, int off);

// A dotted outline just inside `r` (the system's dotted pen: 3 pixels on, 3 off).
void DottedOutline(QPainter& painter, const QRect& r, const QColor& color);

// --- Text ------------------------------------------------------------------------------------

// The text in `r` in `color` (see mvTextLayout.h for `flags`), with the classic font.
void DrawText(QPainter& painter, const QRect& r, int flags, const QString& text, const QFont& font,
              const QColor& color);

// Disabled: once in highlight colour one pixel down and right, then in shadow colour at its
// place. Enabled: once in `color`.
void DrawEmbossedText(QPainter& painter, const QRect& r, int flags, const QString& text,
                      const QFont& font, const QColor& color, bool disabled,
                      const TmvSystemColors& colors);

// Height of the text "0" in the font (the unit of edit and combo heights).
int TextHeightOfZero(const QFont& font);

// --- Fills -----------------------------------------------------------------------------------

// The 8 x 8 pattern of push-style checks: white on the pixels whose row and column have the
// same parity, face colour between, the dither Windows gives a pushed-in check button. (With
// the button-highlight colour between, as white as the dots in most schemes, no pattern would
// show.)
QBrush HatchBrush(const TmvSystemColors& colors);
// The 8 x 8 pattern with `dots` on the pixels whose row and column have the same parity and
// `between` on the others.
QBrush CheckerBrush(const QColor& dots, const QColor& between);

// --- Grid ------------------------------------------------------------------------------------

// Lines every `stepX` / `stepY` pixels from (x, y) across `width` x `height`, in `color`; for
// the dot style (`gridType` 0) the bands between the lines are filled again with `background`
// so only the crossings remain. Steps below 1 draw nothing.
void PaintGrid(QPainter& painter, int x, int y, int width, int height, int stepX, int stepY,
               const QColor& color, int gridType, const QBrush& background);

// The grid of the preferences in `context` (steps converted from dialog units in dbu mode),
// over a face-coloured background.
void PaintGrid(QPainter& painter, const QRect& area, const TmvPaintContext& context);
