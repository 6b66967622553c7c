#include "surface/mvMenuEditing.h"

#include "surface/mvDialogDocument.h"
#include "surface/mvIdServices.h"
#include "surface/mvMenuBar.h"
#include "surface/mvMenuTree.h"
#include "surface/mvSurfaceView.h"

namespace {
void MenuEdited(DialogDocument& doc) {
    doc.Modified = true;
    UpdateMenuBarHeight(doc);
    if (doc.Ui) doc.Ui->MenuChanged();
}

bool IsSeparator(const TmvMenuNode* node) {
    return node->Text == QLatin1String("-");
}

TmvMenuNode* AddNumberedNode(DialogDocument& doc, TmvMenuNode* parent, QString* error) {
    const int id = doc.NextFreeId();
    if (!MenuIdFits(id)) {
        if (error) *error = MenuIdRangeMessage(id);
        return nullptr;
    }
    const QString text = QStringLiteral("Item") + QString::number(doc.Menu.NodeCount() + 1);
    TmvMenuNode* node = doc.Menu.AddNode(parent, text, MenuData(id, 0));
    MenuEdited(doc);
    return node;
}
} // namespace

TmvMenuNode* NewMenu(DialogDocument& doc, QString* error) {
    return AddNumberedNode(doc, nullptr, error);
}

bool CanAddMenuItem(const TmvMenuNode* node) {
    return node && (node->IsTopLevel() || !IsSeparator(node));
}

TmvMenuNode* NewMenuItem(DialogDocument& doc, TmvMenuNode* parent, QString* error) {
    if (!doc.Menu.Contains(parent) || !CanAddMenuItem(parent)) {
        if (error) *error = QStringLiteral("A separator cannot hold menu items.");
        return nullptr;
    }
    return AddNumberedNode(doc, parent, error);
}

bool DeleteMenuNode(DialogDocument& doc, TmvMenuNode* node) {
    if (!doc.Menu.Contains(node)) return false;
    doc.Menu.DeleteNode(node);
    MenuEdited(doc);
    return true;
}

bool RenameMenuNode(DialogDocument& doc, TmvMenuNode* node, const QString& text) {
    if (!doc.Menu.Contains(node)) return false;
    if (node->Text == text) return true;
    node->Text = text;
    MenuEdited(doc);
    return true;
}

bool MoveMenuNodeUp(DialogDocument& doc, TmvMenuNode* node) {
    if (!doc.Menu.MoveUp(node)) return false;
    MenuEdited(doc);
    return true;
}

bool MoveMenuNodeDown(DialogDocument& doc, TmvMenuNode* node) {
    if (!doc.Menu.MoveDown(node)) return false;
    MenuEdited(doc);
    return true;
}

bool CanTakeResultStyle(const TmvMenuNode* node) {
    return node && !node->IsTopLevel() && !IsSeparator(node);
}

bool SetMenuNodeFlag(DialogDocument& doc, TmvMenuNode* node, quint32 flag, bool on) {
    if (!doc.Menu.Contains(node)) return false;
    if (flag != kMenuFixedId && flag != kMenuOk && flag != kMenuCancel) return false;
    if (flag != kMenuFixedId && !CanTakeResultStyle(node)) return false;
    const quint32 data = on ? node->Data | flag : node->Data & ~flag;
    if (data == node->Data) return true;
    node->Data = data;
    MenuEdited(doc);
    return true;
}

bool SetMenuNodeId(DialogDocument& doc, TmvMenuNode* node, qint64 id, QString* message) {
    if (!doc.Menu.Contains(node)) return false;
    if (id == node->Id()) return true;
    if (id < 1 || !MenuIdFits(id)) {
        if (message) *message = MenuIdRangeMessage(id, 1);
        return false;
    }
    QString owner;
    if (!doc.CheckIdFree(int(id), owner)) {
        if (message) *message = IdInUseMessage(int(id), owner);
        return false;
    }
    node->Data = MenuData(int(id), node->Flags());
    MenuEdited(doc);
    return true;
}

bool MoveMenuNode(DialogDocument& doc, TmvMenuNode* node, TmvMenuNode* parent,
                  const TmvMenuNode* before) {
    if (parent && !CanAddMenuItem(parent)) return false;
    if (!doc.Menu.MoveNode(node, parent, before)) return false;
    MenuEdited(doc);
    return true;
}

bool IndentMenuNode(DialogDocument& doc, TmvMenuNode* node) {
    if (!doc.Menu.Contains(node)) return false;
    const int index = doc.Menu.IndexInSiblings(node);
    if (index <= 0) return false;
    TmvMenuNode* previous = doc.Menu.Siblings(node)[size_t(index) - 1].get();
    return MoveMenuNode(doc, node, previous, nullptr);
}

bool OutdentMenuNode(DialogDocument& doc, TmvMenuNode* node) {
    if (!doc.Menu.Contains(node) || node->IsTopLevel()) return false;
    TmvMenuNode* parent = node->Parent;
    const auto& around = doc.Menu.Siblings(parent);
    const size_t next = size_t(doc.Menu.IndexInSiblings(parent)) + 1;
    return MoveMenuNode(doc, node, parent->Parent,
                        next < around.size() ? around[next].get() : nullptr);
}

TmvMenuNode* DuplicateMenuBranch(DialogDocument& doc, TmvMenuNode* node, QString* error) {
    if (!doc.Menu.Contains(node)) return nullptr;
    TmvTakenIds ids(doc);
    bool fits = true;
    TmvMenuNode* copy = doc.Menu.CopyBranch(node, [&](const TmvMenuNode& original) {
        const int id = ids.TakeNext();
        fits = fits && MenuIdFits(id);
        return MenuData(MenuIdFits(id) ? id : 0, original.Flags() & ~kMenuFixedId);
    });
    if (!fits) {
        doc.Menu.DeleteNode(copy);
        if (error) *error = MenuIdRangeMessage(kMaxMenuId + 1);
        return nullptr;
    }
    MenuEdited(doc);
    return copy;
}
