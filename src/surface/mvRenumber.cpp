#include "surface/mvRenumber.h"

#include <QSet>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuTree.h"
#include "surface/mvSurfaceView.h"

namespace {
// Calls `visit` for every control and page that takes part, in renumbering order; each is
// told whether it keeps its ID and how to set a new one.
template <typename Visit> void WalkCreationOrder(const DialogDocument& doc, Visit visit) {
    for (TmvControl* control : doc.CreationOrder) {
        auto* tab = dynamic_cast<TmvTab*>(control);
        if (!tab) {
            visit(control->StaticID, [control](int id) { control->ID = id; });
            continue;
        }
        for (const auto& page : tab->Pages) {
            TmvTabPage* p = page.get();
            visit(p->StaticID, [p](int id) { p->ID = id; });
            for (TmvControl* child : p->Controls)
                visit(child->StaticID, [child](int id) { child->ID = id; });
        }
    }
}
} // namespace

bool RenumberIds(DialogDocument& doc, QString* error) {
    const int start = FirstIdToTry(doc.Options);
    // Count first so that a menu ID out of range refuses the whole renumbering.
    qint64 taken = 0;
    WalkCreationOrder(doc, [&taken](bool keeps, auto&&) { taken += keeps ? 0 : 1; });
    const std::vector<TmvMenuNode*> nodes = doc.Menu.NodesDepthFirst();
    qint64 menuValues = 0;
    for (const TmvMenuNode* node : nodes)
        if ((node->Data & 0xFF) == 0) ++menuValues;
    const qint64 lastMenuId = start + taken + menuValues - 1;
    if (menuValues > 0 && !MenuIdFits(lastMenuId)) {
        if (error) *error = MenuIdRangeMessage(lastMenuId);
        return false;
    }

    int counter = start;
    if (doc.TabControl) doc.TabControl->ID = 0; // its own field, not the active page's
    WalkCreationOrder(doc, [&counter](bool keeps, auto&& assign) {
        if (!keeps) assign(counter++);
    });
    for (TmvMenuNode* node : nodes)
        if ((node->Data & 0xFF) == 0) node->Data = MenuData(counter++, node->Flags());

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
