#include "surface/mvTabOrder.h"

#include <algorithm>

TmvTabOrderSequence::TmvTabOrderSequence(std::vector<TmvControl*> order)
    : order_(std::move(order)) {
    index_.reserve(qsizetype(order_.size()));
    Reindex(0, int(order_.size()) - 1);
}

void TmvTabOrderSequence::Reindex(int from, int to) {
    for (int i = from; i <= to; ++i)
        index_.insert(order_[size_t(i)], i);
}

int TmvTabOrderSequence::PlaceOf(const TmvControl* control) const {
    return index_.value(control, -1) + 1;
}

bool TmvTabOrderSequence::Click(TmvControl* control, bool continueAfter) {
    const int at = index_.value(control, -1);
    if (at < 0) return false;
    if (continueAfter) {
        next_ = at + 1;
        return false;
    }
    // A control the run has placed already goes to the run's last place.
    const int target = std::min(at < next_ ? next_ - 1 : next_, int(order_.size()) - 1);
    next_ = std::min(target + 1, int(order_.size()));
    if (target == at) return false;
    if (target < at)
        std::rotate(order_.begin() + target, order_.begin() + at, order_.begin() + at + 1);
    else
        std::rotate(order_.begin() + at, order_.begin() + at + 1, order_.begin() + target + 1);
    Reindex(std::min(at, target), std::max(at, target));
    return true;
}
