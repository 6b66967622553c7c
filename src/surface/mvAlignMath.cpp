#include "surface/mvAlignMath.h"

#include <algorithm>

namespace {
std::vector<qint64> StartsOf(const std::vector<TmvSpan>& spans) {
    std::vector<qint64> starts;
    starts.reserve(spans.size());
    for (const TmvSpan& s : spans)
        starts.push_back(s.Start);
    return starts;
}

// Whether the starts keep the spans' order: none before the one before it, none after the last.
bool KeepsOrder(const std::vector<qint64>& starts) {
    for (size_t i = 1; i < starts.size(); ++i)
        if (starts[i] < starts[i - 1]) return false;
    return true;
}
} // namespace

std::vector<qint64> EqualSpacingStarts(const std::vector<TmvSpan>& spans,
                                       const TmvQuantize& quantize) {
    std::vector<qint64> starts = StartsOf(spans);
    const qint64 count = qint64(spans.size());
    if (count < 3) return starts;
    const qint64 first = spans.front().Start;
    const qint64 last = spans.back().Start;
    qint64 total = 0;
    for (const TmvSpan& s : spans)
        total += s.Size;
    const qint64 gap = (spans.back().End() - first - total) / (count - 1);
    for (qint64 i = 1; i < count - 1; ++i)
        starts[size_t(i)] = quantize(starts[size_t(i - 1)] + spans[size_t(i - 1)].Size + gap);
    if (KeepsOrder(starts)) return starts;
    // Too wide to fit: equal steps between the near edges keep every span in its place.
    for (qint64 i = 1; i < count - 1; ++i)
        starts[size_t(i)] = quantize(first + (last - first) * i / (count - 1));
    return starts;
}

std::vector<qint64> EqualCentreStarts(const std::vector<TmvSpan>& spans,
                                      const TmvQuantize& quantize) {
    std::vector<qint64> starts = StartsOf(spans);
    const size_t count = spans.size();
    if (count < 3) return starts;
    const auto centre = [&spans](size_t i) { return spans[i].Start + spans[i].Size / 2; };
    std::vector<size_t> byCentre(count);
    for (size_t i = 0; i < count; ++i)
        byCentre[i] = i;
    std::stable_sort(byCentre.begin(), byCentre.end(),
                     [&centre](size_t a, size_t b) { return centre(a) < centre(b); });
    const qint64 first = centre(byCentre.front());
    const qint64 span = centre(byCentre.back()) - first;
    for (size_t k = 1; k + 1 < count; ++k) {
        const size_t i = byCentre[k];
        starts[i] = quantize(first + span * qint64(k) / qint64(count - 1) - spans[i].Size / 2);
    }
    return starts;
}

std::vector<qint64> PackedStarts(const std::vector<TmvSpan>& spans) {
    std::vector<qint64> starts = StartsOf(spans);
    for (size_t i = 1; i < spans.size(); ++i)
        starts[i] = starts[i - 1] + spans[i - 1].Size;
    return starts;
}

std::vector<qint64> SteppedStarts(const std::vector<TmvSpan>& spans, qint64 step) {
    std::vector<qint64> starts = StartsOf(spans);
    for (size_t i = 1; i < spans.size(); ++i)
        starts[i] += qint64(i) * step;
    return starts;
}

qint64 CenteringShift(const std::vector<TmvSpan>& spans, qint64 areaStart, qint64 areaSize) {
    if (spans.empty()) return 0;
    const qint64 first = spans.front().Start;
    const qint64 extent = spans.back().End() - first;
    return areaStart + (areaSize - extent) / 2 - first;
}
