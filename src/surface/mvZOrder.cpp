#include "surface/mvZOrder.h"

#include <QSet>
#include <algorithm>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

void DialogDocument::BringToFront(TmvControl* control) {
    const int index = ZIndexOf(control);
    if (index < 0 || index == ControlCount() - 1) return;
    std::rotate(controls_.begin() + index, controls_.begin() + index + 1, controls_.end());
    RepaintControl(control);
}

void DialogDocument::SendToBack(TmvControl* control) {
    const int index = ZIndexOf(control);
    if (index <= 0) return;
    std::rotate(controls_.begin(), controls_.begin() + index, controls_.begin() + index + 1);
    RepaintSurface();
}

void DialogDocument::ArrangeZOrder(const std::vector<TmvControl*>& bottomToTop) {
    QHash<const TmvControl*, int> rank;
    rank.reserve(qsizetype(bottomToTop.size()));
    for (size_t i = 0; i < bottomToTop.size(); ++i)
        rank.insert(bottomToTop[i], int(i));
    const int unlisted = int(bottomToTop.size());
    std::stable_sort(controls_.begin(), controls_.end(),
                     [&rank, unlisted](const auto& a, const auto& b) {
                         return rank.value(a.get(), unlisted) < rank.value(b.get(), unlisted);
                     });
    RepaintSurface();
}

void BringSelectionToFront(DialogDocument& doc) {
    for (TmvControl* control : doc.Selection)
        if (control != doc.TabControl) doc.BringToFront(control);
}

void SendSelectionToBack(DialogDocument& doc) {
    for (TmvControl* control : doc.Selection)
        if (control != doc.TabControl) doc.SendToBack(control);
    if (doc.TabControl) doc.SendToBack(doc.TabControl);
}

namespace {
// One step for the selection in z-order; `up` walks from the top down, so a control that moves
// never passes a selected one still to move.
bool StepSelection(DialogDocument& doc, bool up) {
    std::vector<TmvControl*> order;
    order.reserve(size_t(doc.ControlCount()));
    for (int i = 0; i < doc.ControlCount(); ++i)
        order.push_back(doc.ControlAt(i));
    const int n = int(order.size());
    const QSet<const TmvControl*> selected(doc.Selection.begin(), doc.Selection.end());
    const auto movable = [&](const TmvControl* c) {
        return c != doc.TabControl && selected.contains(c);
    };
    const auto passable = [&](const TmvControl* c) { return c->Visible && !selected.contains(c); };
    bool changed = false;
    for (int k = 0; k < n; ++k) {
        const int i = up ? n - 1 - k : k;
        if (!movable(order[size_t(i)])) continue;
        const int step = up ? 1 : -1;
        int j = i + step;
        while (j >= 0 && j < n && !passable(order[size_t(j)]))
            j += step;
        if (j < 0 || j >= n || order[size_t(j)] == doc.TabControl) continue;
        if (up)
            std::rotate(order.begin() + i, order.begin() + i + 1, order.begin() + j + 1);
        else
            std::rotate(order.begin() + j, order.begin() + i, order.begin() + i + 1);
        changed = true;
    }
    if (changed) doc.ArrangeZOrder(order);
    return changed;
}
} // namespace

bool BringSelectionForward(DialogDocument& doc) {
    return StepSelection(doc, true);
}

bool SendSelectionBackward(DialogDocument& doc) {
    return StepSelection(doc, false);
}

void SetDesignHidden(DialogDocument& doc, TmvControl* control, bool hidden) {
    if (!control) return;
    control->DesignHidden = hidden;
    control->SetVisible(ShownOnSurface(*control, doc.TabControl));
    // The controls of the page showing go with the tab control.
    if (control == doc.TabControl)
        if (TmvTabPage* page = doc.TabControl->ActivePageObject())
            for (TmvControl* child : page->Controls)
                if (child) child->SetVisible(ShownOnSurface(*child, doc.TabControl));
}

void HideControl(DialogDocument& doc, TmvControl* control) {
    if (!control || std::find(doc.HiddenControls.begin(), doc.HiddenControls.end(), control) !=
                        doc.HiddenControls.end())
        return;
    SetDesignHidden(doc, control, true);
    doc.HiddenControls.push_back(control);
}

void UnhideControl(DialogDocument& doc, TmvControl* control) {
    const auto it = std::find(doc.HiddenControls.begin(), doc.HiddenControls.end(), control);
    if (!control || it == doc.HiddenControls.end()) return;
    doc.HiddenControls.erase(it);
    SetDesignHidden(doc, control, false);
}

void UnhideAll(DialogDocument& doc) {
    while (!doc.HiddenControls.empty())
        UnhideControl(doc, doc.HiddenControls.front());
}

void HideSelection(DialogDocument& doc) {
    while (!doc.Selection.empty()) {
        TmvControl* control = doc.Selection.front();
        doc.Deselect(control);
        HideControl(doc, control);
    }
    doc.SetCurrentControl(nullptr);
}

void LockSelection(DialogDocument& doc, bool locked) {
    for (TmvControl* control : doc.Selection)
        control->SetLocked(locked); // repaints the selection mark when the flag changes
    if (doc.Ui) doc.Ui->GrabHandlesChanged();
    doc.Modified = true;
}

bool ToggleLockAll(DialogDocument& doc) {
    doc.LockAll = !doc.LockAll;
    doc.RefreshSelection();
    doc.Modified = true;
    if (doc.Ui) doc.Ui->GrabHandlesChanged();
    return doc.LockAll;
}

QString LockAllCaption(bool lockAll) {
    return lockAll ? QStringLiteral("Unlock All") : QStringLiteral("Lock All");
}
