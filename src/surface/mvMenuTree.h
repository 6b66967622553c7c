#pragma once
// The dialog's menu bar as a tree of nodes. Top-level nodes are the menus of the bar, deeper
// nodes are items; a node below the top with children is a sub-menu and a childless "-" is a
// separator. Each node carries a 32-bit data word: the ID in the high 16 bits, flags in the low.
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

constexpr quint32 kMenuFixedId = 1; // "Use ID:": renumbering keeps the ID
constexpr quint32 kMenuOk = 2;      // "ok" style
constexpr quint32 kMenuCancel = 4;  // "cancel" style
constexpr int kMaxMenuId = 0xFFFF;

class TmvMenuNode {
public:
    TmvMenuNode(const QString& text, quint32 data) : Text(text), Data(data) {}
    // Dismantles the subtree without recursion, so a deeply nested import cannot overflow
    // the stack.
    ~TmvMenuNode();
    TmvMenuNode(const TmvMenuNode&) = delete;
    TmvMenuNode& operator=(const TmvMenuNode&) = delete;

    QString Text;
    quint32 Data = 0;
    TmvMenuNode* Parent = nullptr; // none at the top level
    std::vector<std::unique_ptr<TmvMenuNode>> Children;

    int Id() const { return int(Data >> 16); }
    quint32 Flags() const { return Data & 0xFFFF; }
    bool HasFlag(quint32 flag) const { return (Data & flag) != 0; }
    bool IsTopLevel() const { return Parent == nullptr; }
    bool HasChildren() const { return !Children.empty(); }
};

// Whether an ID fits the 16 bits a menu node has for it.
inline bool MenuIdFits(qint64 id) {
    return id >= 0 && id <= kMaxMenuId;
}
// The message for an ID that a menu entry cannot take (the range starts at `lowest`).
QString MenuIdRangeMessage(qint64 id, int lowest = 0);
// The data word of an ID and flags that fit.
inline quint32 MenuData(int id, quint32 flags) {
    return (quint32(id) << 16) | (flags & 0xFFFF);
}

// A node's text as the table and the preview show it: backslash-t stands for a TAB, and a
// backslash before such a pair keeps it literal.
QString MenuTextForTable(const QString& text);

class TmvMenuTree {
public:
    using NodeList = std::vector<std::unique_ptr<TmvMenuNode>>;

    const NodeList& TopLevel() const { return top_; }
    bool IsEmpty() const { return top_.empty(); }
    int NodeCount() const { return count_; }
    void Clear();

    // Every node, parent before children, siblings in order.
    std::vector<TmvMenuNode*> NodesDepthFirst() const;
    // The same walk with each node's depth (0 at the top); stops when `visit` returns false.
    void ForEachDepthFirst(const std::function<bool(TmvMenuNode*, int depth)>& visit) const;
    // The first node, depth-first, with this ID; none when no node has it.
    TmvMenuNode* FindById(int id) const;
    bool Contains(const TmvMenuNode* node) const;

    // Appends a node at the end of the parent's children (the top level for none).
    TmvMenuNode* AddNode(TmvMenuNode* parent, const QString& text, quint32 data);
    // Adds an entry with an ID and flags under the node whose ID is `parentId` (-1: the top
    // level). When several nodes carry that ID the entry goes under the last of them,
    // depth-first. Refuses, with a message, an ID or flags that do not fit 16 bits and a
    // parent ID that no node has.
    TmvMenuNode* AddMenuEntry(const QString& text, qint64 id, qint64 flags, int parentId,
                              QString* error = nullptr);
    // Builds nodes from lines whose count of leading TABs is their depth; each line becomes a
    // child of the last line one TAB less deep (a line that skips levels goes under the deepest
    // open one). The texts keep everything after the leading TABs.
    void AppendIndentedLines(const QStringList& lines);
    // Deletes the node and everything below it.
    void DeleteNode(TmvMenuNode* node);
    // Takes the node with its branch out of its list and puts it among `parent`'s children (the
    // top level for none) before `before` (none: at the end). Refuses a place inside the node's
    // own branch and a `before` that is not one of those children.
    bool MoveNode(TmvMenuNode* node, TmvMenuNode* parent, const TmvMenuNode* before);
    // Copies the node's branch right after the node; `data` gives each copy its data word,
    // parents before their children. Returns the copy of the node.
    TmvMenuNode* CopyBranch(const TmvMenuNode* node,
                            const std::function<quint32(const TmvMenuNode&)>& data);
    // Swap a node with its previous or next sibling; false when there is none.
    bool MoveUp(TmvMenuNode* node);
    bool MoveDown(TmvMenuNode* node);

    // The list a node lies in (its parent's children or the top level) and its place there.
    const NodeList& Siblings(const TmvMenuNode* node) const;
    int IndexInSiblings(const TmvMenuNode* node) const;

private:
    NodeList& SiblingsOf(const TmvMenuNode* node);
    NodeList top_;
    int count_ = 0;
};
