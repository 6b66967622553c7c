#include "surface/mvGuides.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>

#include "model/mvUnits.h"

namespace {
// How many neighbours by edge are looked at for one that lies beside the outline.
constexpr int kNeighbourLook = 64;

int Centre(int start, int size) {
    return start + size / 2;
}

std::vector<int> LinesOf(int start, int size, int mask) {
    std::vector<int> values;
    if (mask & glNear) values.push_back(start);
    if (mask & glCentre) values.push_back(Centre(start, size));
    if (mask & glFar) values.push_back(start + size);
    return values;
}

template <typename Key> std::vector<int> SortedIndices(size_t count, Key key) {
    std::vector<int> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&key](int a, int b) { return key(a) < key(b); });
    return order;
}

bool Overlap(int a0, int a1, int b0, int b1) {
    return a0 < b1 && b0 < a1;
}
} // namespace

TmvGuideIndex::TmvGuideIndex(TmvGuideSources sources) : sources_(std::move(sources)) {
    const std::vector<QRect>& others = sources_.Others;
    sources_.Baselines.resize(others.size(), -1);
    x_.reserve(others.size() * 3 + 4);
    y_.reserve(others.size() * 3 + 4);
    for (size_t i = 0; i < others.size(); ++i) {
        const QRect& r = others[i];
        const int s = int(i);
        x_.insert(x_.end(), {{r.left(), s, TmvGuideKind::Edge},
                             {Centre(r.left(), r.width()), s, TmvGuideKind::Centre},
                             {r.left() + r.width(), s, TmvGuideKind::Edge}});
        y_.insert(y_.end(), {{r.top(), s, TmvGuideKind::Edge},
                             {Centre(r.top(), r.height()), s, TmvGuideKind::Centre},
                             {r.top() + r.height(), s, TmvGuideKind::Edge}});
        if (sources_.Baselines[i] >= 0)
            baselines_.push_back({sources_.Baselines[i], s, TmvGuideKind::Baseline});
    }
    const QRect& c = sources_.Client;
    const QSize& m = sources_.Margin;
    x_.insert(x_.end(), {{c.left(), -1, TmvGuideKind::Client},
                         {c.left() + c.width(), -1, TmvGuideKind::Client},
                         {c.left() + m.width(), -1, TmvGuideKind::Margin},
                         {c.left() + c.width() - m.width(), -1, TmvGuideKind::Margin}});
    y_.insert(y_.end(), {{c.top(), -1, TmvGuideKind::Client},
                         {c.top() + c.height(), -1, TmvGuideKind::Client},
                         {c.top() + m.height(), -1, TmvGuideKind::Margin},
                         {c.top() + c.height() - m.height(), -1, TmvGuideKind::Margin}});
    std::stable_sort(x_.begin(), x_.end());
    std::stable_sort(y_.begin(), y_.end());
    std::stable_sort(baselines_.begin(), baselines_.end());
    byRight_ =
        SortedIndices(others.size(), [&](int i) { return others[i].left() + others[i].width(); });
    byLeft_ = SortedIndices(others.size(), [&](int i) { return others[i].left(); });
    byBottom_ =
        SortedIndices(others.size(), [&](int i) { return others[i].top() + others[i].height(); });
    byTop_ = SortedIndices(others.size(), [&](int i) { return others[i].top(); });
}

TmvGuideIndex::AxisMatch TmvGuideIndex::Nearest(const std::vector<Target>& targets,
                                                const std::vector<int>& values) const {
    AxisMatch best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const int v : values) {
        auto it = std::lower_bound(targets.begin(), targets.end(), Target{v - kGuideReach, 0, {}});
        for (; it != targets.end() && it->Pos <= v + kGuideReach; ++it) {
            const int distance = std::abs(it->Pos - v);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = {it->Pos - v, true};
            }
        }
    }
    return best;
}

void TmvGuideIndex::AddLines(TmvGuideMatch& match, const std::vector<Target>& targets,
                             const std::vector<int>& values, bool vertical,
                             const QRect& outline) const {
    const QRect& client = sources_.Client;
    // Along the line: from the outline to the farthest control on it; across the whole area
    // for the client's edges and margins.
    const int outlineStart = vertical ? outline.top() : outline.left();
    const int outlineEnd =
        vertical ? outline.top() + outline.height() : outline.left() + outline.width();
    std::map<int, TmvGuideLine> byPos;
    for (const int v : values) {
        const auto range = std::equal_range(targets.begin(), targets.end(), Target{v, 0, {}});
        for (auto it = range.first; it != range.second; ++it) {
            auto [place, added] = byPos.try_emplace(v);
            TmvGuideLine& line = place->second;
            int start = outlineStart;
            int end = outlineEnd;
            if (it->Source < 0) {
                start = vertical ? client.top() : client.left();
                end = vertical ? client.top() + client.height() : client.left() + client.width();
            } else {
                const QRect& r = sources_.Others[size_t(it->Source)];
                start = std::min(start, vertical ? r.top() : r.left());
                end = std::max(end, vertical ? r.top() + r.height() : r.left() + r.width());
            }
            if (added) {
                line = {vertical, v, start, end, it->Kind};
            } else {
                line.Start = std::min(line.Start, start);
                line.End = std::max(line.End, end);
                // An edge of a control says more than the area's line it meets.
                if (line.Kind == TmvGuideKind::Client || line.Kind == TmvGuideKind::Margin)
                    line.Kind = it->Kind;
            }
        }
    }
    for (auto& [pos, line] : byPos)
        match.Lines.push_back(line);
}

void TmvGuideIndex::AddDistances(TmvGuideMatch& match, const QRect& o) const {
    const std::vector<QRect>& others = sources_.Others;
    const int oRight = o.left() + o.width();
    const int oBottom = o.top() + o.height();
    const auto rightOf = [&](int i) { return others[i].left() + others[i].width(); };
    const auto bottomOf = [&](int i) { return others[i].top() + others[i].height(); };
    const auto besideX = [&](int i) {
        return Overlap(others[i].top(), bottomOf(i), o.top(), oBottom);
    };
    const auto besideY = [&](int i) {
        return Overlap(others[i].left(), rightOf(i), o.left(), oRight);
    };
    // The nearest neighbour whose far edge is at most `edge`, looking back through `order`.
    const auto before = [&](const std::vector<int>& order, auto far, int edge, auto beside) {
        auto it = std::upper_bound(order.begin(), order.end(), edge,
                                   [&](int e, int i) { return e < far(i); });
        for (int looked = 0; it != order.begin() && looked < kNeighbourLook; ++looked) {
            --it;
            if (beside(*it)) return *it;
        }
        return -1;
    };
    const auto after = [&](const std::vector<int>& order, auto nearEdge, int edge, auto beside) {
        auto it = std::lower_bound(order.begin(), order.end(), edge,
                                   [&](int i, int e) { return nearEdge(i) < e; });
        for (int looked = 0; it != order.end() && looked < kNeighbourLook; ++looked, ++it)
            if (beside(*it)) return *it;
        return -1;
    };
    const auto leftOf = [&](int i) { return others[i].left(); };
    const auto topOf = [&](int i) { return others[i].top(); };

    const bool dbu = sources_.UseDbu;
    // Horizontal gaps: at the middle of what the two have in common vertically.
    // A neighbour touching the outline has no gap to show.
    int l = before(byRight_, rightOf, o.left(), besideX);
    int r = after(byLeft_, leftOf, oRight, besideX);
    if (l >= 0 && rightOf(l) == o.left()) l = -1;
    if (r >= 0 && leftOf(r) == oRight) r = -1;
    const size_t firstX = match.Distances.size();
    const auto midY = [&](int i) {
        return (std::max(others[i].top(), o.top()) + std::min(bottomOf(i), oBottom)) / 2;
    };
    if (l >= 0)
        match.Distances.push_back({QPoint(rightOf(l), midY(l)), QPoint(o.left(), midY(l)),
                                   XToDbuIf(dbu, o.left() - rightOf(l)), false});
    if (r >= 0)
        match.Distances.push_back({QPoint(oRight, midY(r)), QPoint(leftOf(r), midY(r)),
                                   XToDbuIf(dbu, leftOf(r) - oRight), false});
    if (l >= 0 && r >= 0 && o.left() - rightOf(l) == leftOf(r) - oRight)
        match.Distances[firstX].Equal = match.Distances[firstX + 1].Equal = true;

    int t = before(byBottom_, bottomOf, o.top(), besideY);
    int b = after(byTop_, topOf, oBottom, besideY);
    if (t >= 0 && bottomOf(t) == o.top()) t = -1;
    if (b >= 0 && topOf(b) == oBottom) b = -1;
    const size_t firstY = match.Distances.size();
    const auto midX = [&](int i) {
        return (std::max(others[i].left(), o.left()) + std::min(rightOf(i), oRight)) / 2;
    };
    if (t >= 0)
        match.Distances.push_back({QPoint(midX(t), bottomOf(t)), QPoint(midX(t), o.top()),
                                   YToDbuIf(dbu, o.top() - bottomOf(t)), false});
    if (b >= 0)
        match.Distances.push_back({QPoint(midX(b), oBottom), QPoint(midX(b), topOf(b)),
                                   YToDbuIf(dbu, topOf(b) - oBottom), false});
    if (t >= 0 && b >= 0 && o.top() - bottomOf(t) == topOf(b) - oBottom)
        match.Distances[firstY].Equal = match.Distances[firstY + 1].Equal = true;
}

TmvGuideMatch TmvGuideIndex::Find(const QRect& outline, int xLines, int yLines, int baseline,
                                  bool snap) const {
    TmvGuideMatch match;
    const std::vector<int> xs = LinesOf(outline.left(), outline.width(), xLines);
    const std::vector<int> ys = LinesOf(outline.top(), outline.height(), yLines);
    const std::vector<int> base =
        baseline >= 0 ? std::vector<int>{outline.top() + baseline} : std::vector<int>{};
    const AxisMatch x = Nearest(x_, xs);
    AxisMatch y = Nearest(y_, ys);
    const AxisMatch b = Nearest(baselines_, base);
    // A baseline as near as an edge wins: text that lines up reads better than boxes.
    const bool byBaseline = b.Found && (!y.Found || std::abs(b.Delta) <= std::abs(y.Delta));
    if (byBaseline) y = b;
    if (!x.Found && !y.Found) return match;
    match.Snap = QPoint(x.Delta, y.Delta);
    const QRect placed = snap ? outline.translated(match.Snap) : outline;
    const auto shifted = [](std::vector<int> values, int delta) {
        for (int& v : values)
            v += delta;
        return values;
    };
    if (x.Found) AddLines(match, x_, shifted(xs, x.Delta), true, placed);
    if (y.Found) {
        if (byBaseline)
            AddLines(match, baselines_, shifted(base, y.Delta), false, placed);
        else
            AddLines(match, y_, shifted(ys, y.Delta), false, placed);
    }
    AddDistances(match, placed);
    return match;
}
