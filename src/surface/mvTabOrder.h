#pragma once
// Tab order by clicking: the controls of one container are given their places in the creation
// order (the order mIRC creates them in, which is their tab order) one click after another.
// Plain code with no widget in it; the surface shows the places as numbered badges.
#include <QHash>
#include <vector>

class TmvControl;

class TmvTabOrderSequence {
public:
    // `order`: the container's creation order as it is now.
    explicit TmvTabOrderSequence(std::vector<TmvControl*> order);

    // A plain click gives the control the next place (1, 2, 3, ... for the clicks of a run;
    // the others keep their order after it); a click with Ctrl starts the run after the
    // control's place and moves nothing. Returns whether the order changed; a control not in
    // the container changes nothing.
    bool Click(TmvControl* control, bool continueAfter);

    const std::vector<TmvControl*>& Order() const { return order_; }
    // The control's place, from 1; 0 for a control not in the container.
    int PlaceOf(const TmvControl* control) const;
    // The place the next plain click gives, from 1; the places before it the run has given.
    int NextPlace() const { return next_ + 1; }

private:
    void Reindex(int from, int to);
    std::vector<TmvControl*> order_;
    QHash<const TmvControl*, int> index_; // control -> index in order_
    int next_ = 0;                        // index the next plain click gives
};
