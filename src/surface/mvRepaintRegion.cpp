#include "surface/mvRepaintRegion.h"

#include <algorithm>

namespace {
qint64 Area(const QRect& r) {
    return qint64(r.width()) * r.height();
}

// Rectangles left after joining neighbours whose bounding rectangle wastes little.
std::vector<QRect> Joined(const std::vector<QRect>& rects) {
    std::vector<QRect> joined;
    joined.reserve(rects.size());
    for (const QRect& r : rects) {
        if (r.isEmpty()) continue;
        if (!joined.empty() && joined.back().intersects(r)) {
            const QRect both = joined.back() | r;
            if (Area(both) <= Area(joined.back()) + Area(r)) {
                joined.back() = both;
                continue;
            }
        }
        joined.push_back(r);
    }
    return joined;
}
} // namespace

QRegion UniteRects(std::vector<QRect> rects) {
    // Pairs, then pairs of pairs: each rectangle takes part in a logarithmic number of unions.
    std::vector<QRegion> parts;
    for (const QRect& r : Joined(rects))
        parts.emplace_back(r);
    if (parts.empty()) return QRegion();
    while (parts.size() > 1) {
        size_t kept = 0;
        for (size_t i = 0; i < parts.size(); i += 2)
            parts[kept++] = i + 1 < parts.size() ? parts[i].united(parts[i + 1]) : parts[i];
        parts.resize(kept);
    }
    return parts.front();
}

bool RegionMeets(const QRegion& region, const QRect& rect) {
    if (rect.isEmpty() || !region.boundingRect().intersects(rect)) return false;
    // A region's rectangles run in bands from top to bottom, left to right within a band; the
    // bands do not overlap, so their bottoms rise with them.
    const QRect* first = region.begin();
    const QRect* last = region.end();
    const QRect* r = std::lower_bound(
        first, last, rect.top(), [](const QRect& band, int top) { return band.bottom() < top; });
    for (; r != last && r->top() <= rect.bottom(); ++r)
        if (r->intersects(rect)) return true;
    return false;
}
