#include "surface/mvMenuTree.h"

#include <algorithm>

TmvMenuNode::~TmvMenuNode() {
    std::vector<std::unique_ptr<TmvMenuNode>> pending = std::move(Children);
    while (!pending.empty()) {
        std::unique_ptr<TmvMenuNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->Children)
            pending.push_back(std::move(child));
        node->Children.clear();
    }
}

namespace {
int SubtreeSize(const TmvMenuNode* root) {
    int size = 0;
    std::vector<const TmvMenuNode*> pending{root};
    while (!pending.empty()) {
        const TmvMenuNode* node = pending.back();
        pending.pop_back();
        ++size;
        for (const auto& child : node->Children)
            pending.push_back(child.get());
    }
    return size;
}
} // namespace

QString MenuIdRangeMessage(qint64 id, int lowest) {
    return QStringLiteral(
               "The ID \"%1\" cannot be given to a menu entry: menu IDs go from %2 to %3.")
        .arg(id)
        .arg(lowest)
        .arg(kMaxMenuId);
}

QString MenuTextForTable(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    t.replace(QStringLiteral("\\\t"), QStringLiteral("\\t"));
    return t;
}

void TmvMenuTree::Clear() {
    top_.clear();
    count_ = 0;
}

void TmvMenuTree::ForEachDepthFirst(
    const std::function<bool(TmvMenuNode*, int depth)>& visit) const {
    // An explicit stack of (list, next index) keeps deep trees off the call stack.
    struct Level {
        const NodeList* list;
        size_t next;
    };
    std::vector<Level> stack{{&top_, 0}};
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next >= level.list->size()) {
            stack.pop_back();
            continue;
        }
        TmvMenuNode* node = (*level.list)[level.next++].get();
        if (!visit(node, int(stack.size()) - 1)) return;
        if (node->HasChildren()) stack.push_back({&node->Children, 0});
    }
}

std::vector<TmvMenuNode*> TmvMenuTree::NodesDepthFirst() const {
    std::vector<TmvMenuNode*> nodes;
    nodes.reserve(size_t(count_));
    ForEachDepthFirst([&nodes](TmvMenuNode* node, int) {
        nodes.push_back(node);
        return true;
    });
    return nodes;
}

TmvMenuNode* TmvMenuTree::FindById(int id) const {
    TmvMenuNode* found = nullptr;
    ForEachDepthFirst([&](TmvMenuNode* node, int) {
        if (node->Id() == id) found = node;
        return found == nullptr;
    });
    return found;
}

bool TmvMenuTree::Contains(const TmvMenuNode* node) const {
    if (!node) return false;
    const TmvMenuNode* top = node;
    while (top->Parent)
        top = top->Parent;
    return std::any_of(top_.begin(), top_.end(),
                       [top](const std::unique_ptr<TmvMenuNode>& n) { return n.get() == top; });
}

TmvMenuNode* TmvMenuTree::AddNode(TmvMenuNode* parent, const QString& text, quint32 data) {
    auto node = std::make_unique<TmvMenuNode>(text, data);
    node->Parent = parent;
    NodeList& list = parent ? parent->Children : top_;
    list.push_back(std::move(node));
    ++count_;
    return list.back().get();
}

TmvMenuNode* TmvMenuTree::AddMenuEntry(const QString& text, qint64 id, qint64 flags, int parentId,
                                       QString* error) {
    if (!MenuIdFits(id)) {
        if (error) *error = MenuIdRangeMessage(id);
        return nullptr;
    }
    if (flags < 0 || flags > 0xFFFF) {
        if (error)
            *error = QStringLiteral("The menu flags \"%1\" do not fit in 16 bits.").arg(flags);
        return nullptr;
    }
    TmvMenuNode* parent = nullptr;
    if (parentId != -1) {
        ForEachDepthFirst([&](TmvMenuNode* node, int) {
            if (node->Id() == parentId) parent = node;
            return true;
        });
        if (!parent) {
            if (error) *error = QStringLiteral("No menu has the parent ID \"%1\".").arg(parentId);
            return nullptr;
        }
    }
    return AddNode(parent, text, MenuData(int(id), quint32(flags)));
}

void TmvMenuTree::AppendIndentedLines(const QStringList& lines) {
    std::vector<TmvMenuNode*> open; // the last node of each depth, top level first
    for (const QString& line : lines) {
        int depth = 0;
        while (depth < line.size() && line[depth] == QLatin1Char('\t'))
            ++depth;
        const int level = std::min(depth, int(open.size()));
        TmvMenuNode* parent = level > 0 ? open[size_t(level) - 1] : nullptr;
        TmvMenuNode* node = AddNode(parent, line.mid(depth), 0);
        open.resize(size_t(level));
        open.push_back(node);
    }
}

TmvMenuTree::NodeList& TmvMenuTree::SiblingsOf(const TmvMenuNode* node) {
    return node->Parent ? node->Parent->Children : top_;
}

const TmvMenuTree::NodeList& TmvMenuTree::Siblings(const TmvMenuNode* node) const {
    return node->Parent ? node->Parent->Children : top_;
}

int TmvMenuTree::IndexInSiblings(const TmvMenuNode* node) const {
    const NodeList& list = Siblings(node);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == node) return int(i);
    return -1;
}

void TmvMenuTree::DeleteNode(TmvMenuNode* node) {
    if (!Contains(node)) return;
    const int removed = SubtreeSize(node);
    NodeList& list = SiblingsOf(node);
    list.erase(list.begin() + IndexInSiblings(node));
    count_ -= removed;
}

bool TmvMenuTree::MoveUp(TmvMenuNode* node) {
    if (!Contains(node)) return false;
    const int index = IndexInSiblings(node);
    if (index <= 0) return false;
    NodeList& list = SiblingsOf(node);
    std::swap(list[size_t(index) - 1], list[size_t(index)]);
    return true;
}

bool TmvMenuTree::MoveDown(TmvMenuNode* node) {
    if (!Contains(node)) return false;
    const int index = IndexInSiblings(node);
    NodeList& list = SiblingsOf(node);
    if (index < 0 || size_t(index) + 1 >= list.size()) return false;
    std::swap(list[size_t(index)], list[size_t(index) + 1]);
    return true;
}

bool TmvMenuTree::MoveNode(TmvMenuNode* node, TmvMenuNode* parent, const TmvMenuNode* before) {
    if (!Contains(node) || (parent && !Contains(parent)) || before == node) return false;
    for (const TmvMenuNode* up = parent; up; up = up->Parent)
        if (up == node) return false;
    if (before && before->Parent != parent) return false;
    NodeList& from = SiblingsOf(node);
    const auto at = from.begin() + IndexInSiblings(node);
    std::unique_ptr<TmvMenuNode> moving = std::move(*at);
    from.erase(at);
    NodeList& to = parent ? parent->Children : top_;
    auto place = to.end();
    if (before)
        place = std::find_if(to.begin(), to.end(),
                             [before](const auto& n) { return n.get() == before; });
    moving->Parent = parent;
    to.insert(place, std::move(moving));
    return true;
}

TmvMenuNode* TmvMenuTree::CopyBranch(const TmvMenuNode* node,
                                     const std::function<quint32(const TmvMenuNode&)>& data) {
    if (!Contains(node)) return nullptr;
    auto copy = std::make_unique<TmvMenuNode>(node->Text, data(*node));
    copy->Parent = node->Parent;
    // Without recursion, as a deep branch may be copied.
    std::vector<std::pair<const TmvMenuNode*, TmvMenuNode*>> pending{{node, copy.get()}};
    int made = 1;
    while (!pending.empty()) {
        const auto [original, into] = pending.back();
        pending.pop_back();
        for (const auto& child : original->Children) {
            auto twin = std::make_unique<TmvMenuNode>(child->Text, data(*child));
            twin->Parent = into;
            into->Children.push_back(std::move(twin));
            ++made;
        }
        for (size_t i = original->Children.size(); i-- > 0;)
            pending.emplace_back(original->Children[i].get(), into->Children[i].get());
    }
    NodeList& list = SiblingsOf(node);
    TmvMenuNode* result = copy.get();
    list.insert(list.begin() + IndexInSiblings(node) + 1, std::move(copy));
    count_ += made;
    return result;
}
