#pragma once
// Regions made of many rectangles, as a group operation on hundreds of controls produces them.
// Adding rectangles to a QRegion one by one costs time in the square of their count; these
// keep it near linear.
#include <QRect>
#include <QRegion>
#include <vector>

// The region the rectangles cover. A rectangle that overlaps the one before it (a control's
// place before and after a short move) is joined to it first when their bounding rectangle
// is hardly larger than the two together.
QRegion UniteRects(std::vector<QRect> rects);

// Whether the region meets the rectangle, found by halving the region's bands.
bool RegionMeets(const QRegion& region, const QRect& rect);
