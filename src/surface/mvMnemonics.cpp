#include "surface/mvMnemonics.h"

#include <QHash>
#include <algorithm>

#include "model/mvControls.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"

QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // "&&" is an "&" of the text
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

bool HasAccessKey(int type) {
    switch (type) {
    case ctButton:
    case ctCheck:
    case ctRadio:
    case ctText:
    case ctLink:
    case ctBox:
        return true;
    default:
        return false;
    }
}

namespace {
struct Owners {
    std::vector<TmvControl*> Controls;
    std::vector<int> Pages;
    int Count() const { return int(Controls.size() + Pages.size()); }
};
using KeyMap = QHash<QChar, Owners>;

void AddControls(KeyMap& map, const std::vector<TmvControl*>& controls) {
    for (TmvControl* control : controls) {
        if (!control || !HasAccessKey(control->ControlType)) continue;
        const QChar key = AccessKey(control->Text);
        if (!key.isNull()) map[key].Controls.push_back(control);
    }
}

// The keys of a map in order, so the lines come in the same order every time.
template <typename Map> std::vector<QChar> SortedKeys(const Map& map) {
    std::vector<QChar> keys(map.keyBegin(), map.keyEnd());
    std::sort(keys.begin(), keys.end());
    return keys;
}

void AddMenuLevel(std::vector<TmvMnemonicClash>& out,
                  const std::vector<std::unique_ptr<TmvMenuNode>>& level) {
    QHash<QChar, std::vector<const TmvMenuNode*>> map;
    for (const auto& node : level) {
        const QChar key = AccessKey(node->Text);
        if (!key.isNull()) map[key].push_back(node.get());
    }
    for (QChar key : SortedKeys(map))
        if (map[key].size() > 1) {
            TmvMnemonicClash clash;
            clash.Key = key;
            clash.Entries = map[key];
            out.push_back(std::move(clash));
        }
}
} // namespace

std::vector<TmvMnemonicClash> FindMnemonicClashes(const DialogDocument& doc) {
    std::vector<TmvMnemonicClash> out;
    KeyMap dialog;
    AddControls(dialog, doc.CreationOrder);
    const TmvTab* tab = doc.TabControl;
    if (tab)
        for (int i = 0; i < int(tab->Pages.size()); ++i) {
            const QChar key = AccessKey(tab->Pages[size_t(i)]->Caption);
            if (!key.isNull()) dialog[key].Pages.push_back(i);
        }
    for (QChar key : SortedKeys(dialog)) {
        const Owners& owners = dialog[key];
        if (owners.Count() < 2) continue;
        out.push_back({key, -1, owners.Controls, owners.Pages, {}});
    }
    // A page's controls are reached together with the dialog's own.
    if (tab)
        for (int i = 0; i < int(tab->Pages.size()); ++i) {
            KeyMap page;
            AddControls(page, tab->Pages[size_t(i)]->Controls);
            for (QChar key : SortedKeys(page)) {
                const auto shared = dialog.constFind(key);
                const Owners none;
                const Owners& base = shared == dialog.cend() ? none : *shared;
                if (base.Count() + page[key].Count() < 2) continue;
                TmvMnemonicClash clash{key, i, base.Controls, base.Pages, {}};
                const auto& own = page[key].Controls;
                clash.Controls.insert(clash.Controls.end(), own.begin(), own.end());
                out.push_back(std::move(clash));
            }
        }
    AddMenuLevel(out, doc.Menu.TopLevel());
    for (const TmvMenuNode* node : doc.Menu.NodesDepthFirst())
        if (node->HasChildren()) AddMenuLevel(out, node->Children);
    return out;
}
