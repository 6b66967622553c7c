#include "surface/mvRenumber.h"

#include <QSet>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuTree.h"
#include "surface/mvSurfaceView.h"

namespace {
// Calls `visit` for every control and page that takes part, in renumbering order; each is
// told whether it keeps its ID, how to set a new one and the ID it holds.
template <typename Visit> void WalkCreationOrder(const DialogDocument& doc, Visit visit) {
    for (TmvControl* control : doc.CreationOrder) {
        auto* tab = dynamic_cast<TmvTab*>(control);
        if (!tab) {
            visit(
                control->StaticID, [control](int id) { control->ID = id; }, control->ID);
            continue;
        }
        for (const auto& page : tab->Pages) {
            TmvTabPage* p = page.get();
            visit(
                p->StaticID, [p](int id) { p->ID = id; }, p->ID);
            for (TmvControl* child : p->Controls)
                visit(
                    child->StaticID, [child](int id) { child->ID = id; }, child->ID);
        }
    }
}
} // namespace

bool RenumberIds(DialogDocument& doc, QString* error) {
    // Entries that keep their ID hold it against the counter too, so that no renumbered entry
    // ends up with the ID a fixed one keeps.
    QSet<qint64> kept;
    qint64 taken = 0;
    WalkCreationOrder(doc, [&](bool keeps, auto&&, int id) {
        if (keeps)
            kept.insert(id);
        else
            ++taken;
    });
    const std::vector<TmvMenuNode*> nodes = doc.Menu.NodesDepthFirst();
    qint64 menuValues = 0;
    for (const TmvMenuNode* node : nodes) {
        if ((node->Data & 0xFF) == 0)
            ++menuValues;
        else
            kept.insert(node->Id());
    }
    qint64 counter = FirstIdToTry(doc.Options);
    const auto next = [&counter, &kept] {
        while (kept.contains(counter))
            ++counter;
        return counter++;
    };

    // A dry run first, so that a menu ID out of range refuses the whole renumbering.
    for (qint64 i = 0; i < taken; ++i)
        next();
    qint64 lastMenuId = 0;
    for (qint64 i = 0; i < menuValues; ++i)
        lastMenuId = next();
    if (menuValues > 0 && !MenuIdFits(lastMenuId)) {
        if (error) *error = MenuIdRangeMessage(lastMenuId);
        return false;
    }

    counter = FirstIdToTry(doc.Options);
    if (doc.TabControl) doc.TabControl->ID = 0; // its own field, not the active page's
    WalkCreationOrder(doc, [&next](bool keeps, auto&& assign, int) {
        if (!keeps) assign(int(next()));
    });
    for (TmvMenuNode* node : nodes)
        if ((node->Data & 0xFF) == 0) node->Data = MenuData(int(next()), node->Flags());

    doc.Modified = true;
    if (!doc.Selection.empty()) doc.LayoutChanged();
    if (doc.Ui) doc.Ui->MenuChanged();
    return true;
}

int CreationOrderContainer(const DialogDocument& doc) {
    const TmvControl* current = doc.CurrentControl;
    if (doc.TabControl && current && (current == doc.TabControl || current->TabIndex >= 0))
        return doc.TabControl->ActivePage;
    return -1;
}

bool ApplyCreationOrder(DialogDocument& doc, int container, const std::vector<TmvControl*>& order) {
    std::vector<TmvControl*>* list = doc.ContainerList(container);
    if (!list || list->size() != order.size()) return false;
    const QSet<TmvControl*> current(list->begin(), list->end());
    const QSet<TmvControl*> wanted(order.begin(), order.end());
    if (current != wanted || wanted.size() != qsizetype(order.size())) return false;
    if (*list == order) return true;
    *list = order;
    doc.Modified = true;
    return true;
}
