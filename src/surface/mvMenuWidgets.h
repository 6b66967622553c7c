#pragma once
// Real menus built from the dialog's menu tree, for the menu preview and the test window.
#include <functional>

class QAction;
class QMenu;
class TmvMenuNode;

// Fills `into` with the entries below `node`, in order: a sub-menu for an entry with children,
// a separator line for a childless "-", an item (its TABs rewritten) for any other; `item` is
// told of every item made. The walk stays off the call stack, however deep the tree.
void AddMenuEntries(QMenu* into, const TmvMenuNode& node,
                    const std::function<void(QAction*, const TmvMenuNode&)>& item = {});
