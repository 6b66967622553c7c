#pragma once
// The menu editor's commands as operations on the document's menu tree. Each marks the
// project modified and tells the windows that the menu changed.
#include <QString>
#include <QtGlobal>

class DialogDocument;
class TmvMenuNode;

// A new menu at the end of the bar, "Item" + (node count + 1), with the next free ID.
TmvMenuNode* NewMenu(DialogDocument& doc, QString* error = nullptr);
// Whether a node may take children: a menu, or an item that is not a separator.
bool CanAddMenuItem(const TmvMenuNode* node);
// A new item at the end of the node's children, named and numbered as a new menu.
TmvMenuNode* NewMenuItem(DialogDocument& doc, TmvMenuNode* parent, QString* error = nullptr);
// Deletes the node with everything below it.
bool DeleteMenuNode(DialogDocument& doc, TmvMenuNode* node);
// The text typed for a node.
bool RenameMenuNode(DialogDocument& doc, TmvMenuNode* node, const QString& text);
// Moves a node before its previous sibling, or after its next one.
bool MoveMenuNodeUp(DialogDocument& doc, TmvMenuNode* node);
bool MoveMenuNodeDown(DialogDocument& doc, TmvMenuNode* node);
// Whether the ok and cancel styles apply: an item below the bar that is not a separator.
bool CanTakeResultStyle(const TmvMenuNode* node);
// Sets or clears flag kMenuFixedId, kMenuOk or kMenuCancel; the ID stays.
bool SetMenuNodeFlag(DialogDocument& doc, TmvMenuNode* node, quint32 flag, bool on);
// Gives the node a new ID when it fits 16 bits and no control, page or other menu entry has
// it; otherwise `message` says why and the ID stays.
bool SetMenuNodeId(DialogDocument& doc, TmvMenuNode* node, qint64 id, QString* message = nullptr);
// Moves the node with its branch to the end of its previous sibling's entries (indent), or
// right after its parent (outdent); false when there is no such place: no previous sibling, or
// a separator; the top level.
bool IndentMenuNode(DialogDocument& doc, TmvMenuNode* node);
bool OutdentMenuNode(DialogDocument& doc, TmvMenuNode* node);
// Moves the node with its branch among `parent`'s entries (none: the menu bar) before `before`
// (none: at the end). Refuses a place inside its own branch and a separator as the parent.
bool MoveMenuNode(DialogDocument& doc, TmvMenuNode* node, TmvMenuNode* parent,
                  const TmvMenuNode* before);
// A copy of the node's branch right after it, each copy with a free ID of its own (a fixed ID
// is not kept fixed, as a pasted control loses "Lock ID"). None, with a message, when the IDs
// would not fit 16 bits.
TmvMenuNode* DuplicateMenuBranch(DialogDocument& doc, TmvMenuNode* node, QString* error = nullptr);
