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
    for (const bool across : {true, false}) {
        const size_t axis = across ? 0 : 1;
        byNear_[axis] = SortedIndices(
            others.size(), [&](int i) { return across ? others[i].left() : others[i].top(); });
        byFar_[axis] = SortedIndices(others.size(), [&](int i) {
            return across ? others[i].left() + others[i].width()
                          : others[i].top() + others[i].height();
        });
    }
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

void TmvGuideIndex::AddDistances(TmvGuideMatch& match, const QRect& o, bool across) const {
    const std::vector<QRect>& others = sources_.Others;
    // Along the axis and across it: left and right edges, or top and bottom.
    const auto nearOf = [across](const QRect& r) { return across ? r.left() : r.top(); };
    const auto farOf = [across](const QRect& r) {
        return across ? r.left() + r.width() : r.top() + r.height();
    };
    const auto sideNear = [across](const QRect& r) { return across ? r.top() : r.left(); };
    const auto sideFar = [across](const QRect& r) {
        return across ? r.top() + r.height() : r.left() + r.width();
    };
    const auto point = [across](int along, int side) {
        return across ? QPoint(along, side) : QPoint(side, along);
    };
    const auto beside = [&](int i) {
        return Overlap(sideNear(others[i]), sideFar(others[i]), sideNear(o), sideFar(o));
    };
    // The nearest neighbour before the outline (its far edge at most the outline's near one)
    // and after it, each looked for from the binary search's place on.
    const std::vector<int>& byFar = byFar_[across ? 0 : 1];
    const std::vector<int>& byNear = byNear_[across ? 0 : 1];
    int before = -1;
    auto back = std::upper_bound(byFar.begin(), byFar.end(), nearOf(o),
                                 [&](int e, int i) { return e < farOf(others[i]); });
    for (int looked = 0; back != byFar.begin() && looked < kNeighbourLook && before < 0; ++looked)
        if (beside(*--back)) before = *back;
    int after = -1;
    auto on = std::lower_bound(byNear.begin(), byNear.end(), farOf(o),
                               [&](int i, int e) { return nearOf(others[i]) < e; });
    for (int looked = 0; on != byNear.end() && looked < kNeighbourLook && after < 0; ++looked, ++on)
        if (beside(*on)) after = *on;

    // A neighbour touching the outline has no gap to show. A gap's segment runs at the middle
    // of what the two have in common beside each other.
    const int gapBefore = before >= 0 ? nearOf(o) - farOf(others[size_t(before)]) : 0;
    const int gapAfter = after >= 0 ? nearOf(others[size_t(after)]) - farOf(o) : 0;
    const bool equal = gapBefore > 0 && gapBefore == gapAfter;
    const auto middle = [&](int i) {
        return (std::max(sideNear(others[size_t(i)]), sideNear(o)) +
                std::min(sideFar(others[size_t(i)]), sideFar(o))) /
               2;
    };
    const auto units = [&](int px) {
        return across ? XToDbuIf(sources_.UseDbu, px) : YToDbuIf(sources_.UseDbu, px);
    };
    if (gapBefore > 0)
        match.Distances.push_back({point(farOf(others[size_t(before)]), middle(before)),
                                   point(nearOf(o), middle(before)), units(gapBefore), equal});
    if (gapAfter > 0)
        match.Distances.push_back({point(farOf(o), middle(after)),
                                   point(nearOf(others[size_t(after)]), middle(after)),
                                   units(gapAfter), equal});
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
    AddDistances(match, placed, true);
    AddDistances(match, placed, false);
    return match;
}
