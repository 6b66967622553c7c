// One ID space shared by the controls, the tab pages and the menu entries.
#include "surface/mvIdServices.h"

#include <QSet>

#include "model/mvTabControl.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"

QString IdInUseMessage(int id, const QString& owner) {
    return QStringLiteral("The ID \"") + QString::number(id) +
           QStringLiteral("\" is already in use by ") + owner +
           QStringLiteral(".  Please choose a unique ID.");
}

namespace {
// Every ID the dialog holds, one call per holder: the controls (whatever their container,
// hidden or not), the tab pages and the menu entries at any depth. The tab control's own ID is
// 0 and blocks nothing; no other control blocks 0 either.
template <typename Take> void VisitTakenIds(const DialogDocument& doc, Take take) {
    for (int i = 0; i < doc.ControlCount(); ++i)
        if (const int id = doc.ControlAt(i)->ID; id != 0) take(id);
    if (doc.TabControl)
        for (const auto& page : doc.TabControl->Pages)
            take(page->ID);
    for (const TmvMenuNode* node : doc.Menu.NodesDepthFirst())
        take(node->Id());
}
} // namespace

bool DialogDocument::IsIdFree(int id) const {
    bool free = true;
    VisitTakenIds(*this, [&free, id](int taken) { free = free && taken != id; });
    return free;
}

int DialogDocument::NextFreeId() const {
    return TmvTakenIds(*this).TakeNext();
}

TmvTakenIds::TmvTakenIds(const DialogDocument& doc) : next_(FirstIdToTry(doc.Options)) {
    VisitTakenIds(doc, [this](int id) { taken_.insert(id); });
}

int TmvTakenIds::TakeNext() {
    while (taken_.contains(next_))
        ++next_;
    taken_.insert(next_);
    return next_++;
}

TmvControl* DialogDocument::FindControlById(int id) const {
    for (int i = 0; i < ControlCount(); ++i) {
        TmvControl* control = ControlAt(i);
        if (control == TabControl) {
            if (PageIndexOfId(id) >= 0) return control;
        } else if (control->ID != 0 && control->ID == id) {
            return control;
        }
    }
    return nullptr;
}

QString DialogDocument::DescribeIdOwner(int id) const {
    if (const TmvControl* control = FindControlById(id)) {
        if (control == TabControl) return QStringLiteral("tab page %1").arg(PageIndexOfId(id) + 1);
        return VisibleName(*control);
    }
    if (const TmvMenuNode* node = Menu.FindById(id)) return node->Text + QStringLiteral(":menu");
    return QString();
}

bool DialogDocument::CheckIdFree(int id, QString& owner) const {
    if (IsIdFree(id)) return true;
    owner = DescribeIdOwner(id);
    return false;
}
