#pragma once
// The look of the guides over the surface during a drag: a blue line for each edge, centre
// (dashed) or margin (dotted) lined up with, a magenta one for a baseline, and the distance to
// each neighbour as a red segment with its length in a box (green, with "=", when the gaps on
// the two sides are equal).
#include <QRect>

#include "surface/mvGuides.h"

class QFont;
class QPainter;

// `offset` is the client area's top-left in the painter's coordinates.
void PaintGuides(QPainter& painter, const TmvGuideMatch& guides, QPoint offset, const QFont& font);
// What they cover, in the same coordinates, for repainting.
QRect GuidesArea(const TmvGuideMatch& guides, QPoint offset, const QFont& font);
