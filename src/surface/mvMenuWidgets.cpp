#include "surface/mvMenuWidgets.h"

#include <QMenu>
#include <utility>
#include <vector>

#include "surface/mvMenuTree.h"

void AddMenuEntries(QMenu* into, const TmvMenuNode& node,
                    const std::function<void(QAction*, const TmvMenuNode&)>& item) {
    // Each level's menu and the next child to add there, deepest last.
    std::vector<std::pair<const TmvMenuNode*, QMenu*>> open{{&node, into}};
    std::vector<size_t> next{0};
    while (!open.empty()) {
        const auto [parent, menu] = open.back();
        if (next.back() >= parent->Children.size()) {
            open.pop_back();
            next.pop_back();
            continue;
        }
        const TmvMenuNode* child = parent->Children[next.back()++].get();
        const QString text = MenuTextForTable(child->Text);
        if (child->HasChildren()) {
            open.emplace_back(child, menu->addMenu(text));
            next.push_back(0);
        } else if (child->Text == QLatin1String("-")) {
            menu->addSeparator();
        } else {
            QAction* action = menu->addAction(text);
            if (item) item(action, *child);
        }
    }
}
