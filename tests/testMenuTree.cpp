// The menu tree and the menu editor's commands on it.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvMenuEditing.h"
#include "surface/mvMenuTree.h"

namespace {
QStringList TextsDepthFirst(const TmvMenuTree& tree) {
    QStringList texts;
    tree.ForEachDepthFirst([&texts](TmvMenuNode* node, int depth) {
        texts << QString(depth, QLatin1Char('>')) + node->Text;
        return true;
    });
    return texts;
}
} // namespace

TEST(MenuNode, DataWordHoldsTheIdHighAndTheFlagsLow) {
    const TmvMenuNode node("x", MenuData(513, kMenuOk | kMenuCancel));
    EXPECT_EQ(node.Data, (513u << 16) | 6u);
    EXPECT_EQ(node.Id(), 513);
    EXPECT_EQ(node.Flags(), 6u);
    EXPECT_TRUE(node.HasFlag(kMenuOk));
    EXPECT_FALSE(node.HasFlag(kMenuFixedId));
    EXPECT_EQ(TmvMenuNode("y", MenuData(kMaxMenuId, 0)).Id(), 65535);
}

TEST(MenuTree, AddMenuEntryBuildsTheTreeByParentId) {
    TmvMenuTree tree;
    ASSERT_NE(tree.AddMenuEntry("File", 10, 0, -1), nullptr);
    ASSERT_NE(tree.AddMenuEntry("Open", 11, 0, 10), nullptr);
    ASSERT_NE(tree.AddMenuEntry("Recent", 12, 0, 10), nullptr);
    ASSERT_NE(tree.AddMenuEntry("a.mv", 13, kMenuOk, 12), nullptr);
    ASSERT_NE(tree.AddMenuEntry("Help", 20, 0, -1), nullptr);
    EXPECT_EQ(TextsDepthFirst(tree), QStringList({"File", ">Open", ">Recent", ">>a.mv", "Help"}));
    EXPECT_EQ(tree.NodeCount(), 5);
    const TmvMenuNode* leaf = tree.FindById(13);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->Flags(), kMenuOk);
    EXPECT_EQ(leaf->Parent->Text, "Recent");
}

TEST(MenuTree, AddMenuEntryRefusesWhatDoesNotFit) {
    const struct {
        qint64 id;
        qint64 flags;
        int parent;
        bool added;
    } cases[] = {
        {0, 0, -1, true},        {65535, 0, -1, true},   {65536, 0, -1, false},
        {-1, 0, -1, false},      {100000, 0, -1, false}, {5, 0xFFFF, -1, true},
        {5, 0x10000, -1, false}, {5, -1, -1, false},     {5, 0, 999, false},
    };
    for (const auto& c : cases) {
        TmvMenuTree tree;
        QString error;
        const TmvMenuNode* node = tree.AddMenuEntry("x", c.id, c.flags, c.parent, &error);
        EXPECT_EQ(node != nullptr, c.added) << c.id << " " << c.flags << " " << c.parent;
        EXPECT_EQ(error.isEmpty(), c.added) << c.id;
        EXPECT_EQ(tree.NodeCount(), c.added ? 1 : 0);
    }
}

TEST(MenuTree, IdOutOfRangeMessageNamesTheId) {
    TmvMenuTree tree;
    QString error;
    tree.AddMenuEntry("x", 70000, 0, -1, &error);
    EXPECT_EQ(error,
              "The ID \"70000\" cannot be given to a menu entry: menu IDs go from 0 to 65535.");
}

TEST(MenuTree, EntryUnderADuplicatedParentIdIsAddedOnceUnderTheLast) {
    TmvMenuTree tree;
    tree.AddMenuEntry("First", 5, 0, -1);
    tree.AddMenuEntry("Second", 5, 0, -1);
    TmvMenuNode* child = tree.AddMenuEntry("Child", 6, 0, 5);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Parent->Text, "Second");
    EXPECT_EQ(child->Id(), 6);
    EXPECT_EQ(tree.NodeCount(), 3);
}

TEST(MenuTree, FindByIdReturnsTheFirstDepthFirst) {
    TmvMenuTree tree;
    tree.AddMenuEntry("A", 1, 0, -1);
    tree.AddMenuEntry("A1", 3, 0, 1);
    tree.AddMenuEntry("B", 3, 0, -1);
    EXPECT_EQ(tree.FindById(3)->Text, "A1");
    EXPECT_EQ(tree.FindById(4), nullptr);
}

TEST(MenuTree, IndentedLinesNestByLeadingTabs) {
    TmvMenuTree tree;
    tree.AppendIndentedLines(
        {"File", "\tOpen", "\tRecent", "\t\ta.mv", "\t\t\t\tdeep", "Help", "\tAbout\tF1"});
    EXPECT_EQ(TextsDepthFirst(tree),
              QStringList({"File", ">Open", ">Recent", ">>a.mv", ">>>deep", "Help", ">About\tF1"}));
    EXPECT_EQ(tree.NodeCount(), 7);
    for (const TmvMenuNode* node : tree.NodesDepthFirst())
        EXPECT_EQ(node->Data, 0u);
}

TEST(MenuTree, DeleteRemovesTheWholeSubtree) {
    TmvMenuTree tree;
    tree.AddMenuEntry("File", 1, 0, -1);
    tree.AddMenuEntry("Recent", 2, 0, 1);
    tree.AddMenuEntry("a", 3, 0, 2);
    tree.AddMenuEntry("Help", 4, 0, -1);
    tree.DeleteNode(tree.FindById(2));
    EXPECT_EQ(TextsDepthFirst(tree), QStringList({"File", "Help"}));
    EXPECT_EQ(tree.NodeCount(), 2);
    TmvMenuTree other;
    TmvMenuNode* foreign = other.AddMenuEntry("x", 9, 0, -1);
    tree.DeleteNode(foreign); // not this tree's: nothing happens
    EXPECT_EQ(other.NodeCount(), 1);
}

TEST(MenuTree, MovesSwapWithTheNeighbourSibling) {
    TmvMenuTree tree;
    tree.AddMenuEntry("File", 1, 0, -1);
    tree.AddMenuEntry("a", 2, 0, 1);
    tree.AddMenuEntry("b", 3, 0, 1);
    tree.AddMenuEntry("c", 4, 0, 1);
    EXPECT_FALSE(tree.MoveUp(tree.FindById(2)));   // first child
    EXPECT_FALSE(tree.MoveDown(tree.FindById(4))); // last child
    EXPECT_TRUE(tree.MoveDown(tree.FindById(3)));  // second-to-last becomes last
    EXPECT_EQ(TextsDepthFirst(tree), QStringList({"File", ">a", ">c", ">b"}));
    EXPECT_TRUE(tree.MoveUp(tree.FindById(4)));
    EXPECT_EQ(TextsDepthFirst(tree), QStringList({"File", ">c", ">a", ">b"}));
    EXPECT_FALSE(tree.MoveUp(tree.FindById(1))); // the only top-level node
}

TEST(MenuTree, AVeryDeepTreeIsWalkedAndFreedWithoutRecursion) {
    auto tree = std::make_unique<TmvMenuTree>();
    TmvMenuNode* parent = nullptr;
    for (int i = 0; i < 200000; ++i)
        parent = tree->AddNode(parent, "n", 0);
    EXPECT_EQ(int(tree->NodesDepthFirst().size()), 200000);
    tree.reset();
}

TEST(MenuText, BackslashTBecomesATabUnlessTheBackslashIsDoubled) {
    const struct {
        const char* text;
        const char* table;
    } cases[] = {
        {"Open\\tCtrl+O", "Open\tCtrl+O"},
        {"a\\\\tb", "a\\tb"},
        {"\\t\\t", "\t\t"},
        {"plain", "plain"},
        {"end\\", "end\\"},
        {"tab\there", "tab\there"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuTextForTable(c.text), QString(c.table)) << c.text;
}

// --- Editor commands -------------------------------------------------------------------------

TEST(MenuEditing, NewMenusAreNumberedByNodeCountWithTheNextFreeId) {
    DialogDocument doc;
    RecordingUi ui;
    doc.Ui = &ui;
    Place(doc, ctButton, 0, 0, -1, -1); // takes ID 1
    TmvMenuNode* first = NewMenu(doc);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Text, "Item1");
    EXPECT_EQ(first->Id(), 2);
    EXPECT_EQ(first->Flags(), 0u);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(ui.MenuChanges, 1);
    TmvMenuNode* item = NewMenuItem(doc, first);
    EXPECT_EQ(item->Text, "Item2");
    EXPECT_EQ(item->Id(), 3);
    EXPECT_EQ(item->Parent, first);
    TmvMenuNode* second = NewMenu(doc);
    EXPECT_EQ(second->Text, "Item3");
    EXPECT_EQ(doc.Menu.TopLevel().back().get(), second);
}

TEST(MenuEditing, NewMenuRefusesAnIdBeyondSixteenBits) {
    DialogDocument doc;
    doc.Options.IdStart = 65536;
    QString error;
    EXPECT_EQ(NewMenu(doc, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(doc.Menu.IsEmpty());
}

TEST(MenuEditing, ASeparatorTakesNoChildrenAndNoResultStyle) {
    DialogDocument doc;
    TmvMenuNode* menu = NewMenu(doc);
    TmvMenuNode* separator = NewMenuItem(doc, menu);
    RenameMenuNode(doc, separator, "-");
    EXPECT_FALSE(CanAddMenuItem(separator));
    EXPECT_EQ(NewMenuItem(doc, separator), nullptr);
    EXPECT_FALSE(CanTakeResultStyle(separator));
    EXPECT_FALSE(SetMenuNodeFlag(doc, separator, kMenuOk, true));
    EXPECT_EQ(separator->Flags(), 0u);
    EXPECT_TRUE(SetMenuNodeFlag(doc, separator, kMenuFixedId, true));
    // A top-level "-" is a menu, and may hold items.
    RenameMenuNode(doc, menu, "-");
    EXPECT_TRUE(CanAddMenuItem(menu));
    EXPECT_FALSE(CanTakeResultStyle(menu));
}

TEST(MenuEditing, FlagsChangeWithoutTouchingTheId) {
    DialogDocument doc;
    TmvMenuNode* menu = NewMenu(doc);
    TmvMenuNode* item = NewMenuItem(doc, menu);
    const int id = item->Id();
    EXPECT_TRUE(SetMenuNodeFlag(doc, item, kMenuOk, true));
    EXPECT_TRUE(SetMenuNodeFlag(doc, item, kMenuCancel, true));
    EXPECT_TRUE(SetMenuNodeFlag(doc, item, kMenuOk, false));
    EXPECT_EQ(item->Flags(), kMenuCancel);
    EXPECT_EQ(item->Id(), id);
    EXPECT_FALSE(SetMenuNodeFlag(doc, item, 8, true)); // no such flag
}

TEST(MenuEditing, SetIdRefusesAnIdInUseAndNamesItsOwner) {
    DialogDocument doc;
    TmvControl* button = Place(doc, ctButton, 0, 0, -1, -1);
    button->ID = 40;
    TmvMenuNode* menu = NewMenu(doc);
    const int id = menu->Id();
    QString message;
    EXPECT_FALSE(SetMenuNodeId(doc, menu, 40, &message));
    EXPECT_EQ(message, "The ID \"40\" is already in use by button1.  Please choose a unique ID.");
    EXPECT_EQ(menu->Id(), id);
}

TEST(MenuEditing, SetIdKeepsFlagsAndRefusesIdsOutsideTheRange) {
    DialogDocument doc;
    TmvMenuNode* menu = NewMenu(doc);
    SetMenuNodeFlag(doc, menu, kMenuFixedId, true);
    EXPECT_TRUE(SetMenuNodeId(doc, menu, 3000, nullptr));
    EXPECT_EQ(menu->Id(), 3000);
    EXPECT_EQ(menu->Flags(), kMenuFixedId);
    for (qint64 bad : {qint64(0), qint64(-4), qint64(65536), qint64(1) << 40}) {
        QString message;
        EXPECT_FALSE(SetMenuNodeId(doc, menu, bad, &message)) << bad;
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(menu->Id(), 3000);
    }
    EXPECT_TRUE(SetMenuNodeId(doc, menu, 65535, nullptr));
}

TEST(MenuEditing, DeleteAndMovesMarkTheProjectModified) {
    DialogDocument doc;
    TmvMenuNode* a = NewMenu(doc);
    NewMenuItem(doc, a);
    TmvMenuNode* b = NewMenu(doc);
    doc.Modified = false;
    EXPECT_TRUE(MoveMenuNodeUp(doc, b));
    EXPECT_TRUE(doc.Modified);
    doc.Modified = false;
    EXPECT_FALSE(MoveMenuNodeUp(doc, b)); // already first
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(MoveMenuNodeDown(doc, b));
    EXPECT_TRUE(DeleteMenuNode(doc, a));
    EXPECT_EQ(doc.Menu.NodeCount(), 1);
    doc.MenuBarHeight = 20;
    EXPECT_TRUE(DeleteMenuNode(doc, b));
    EXPECT_TRUE(doc.Menu.IsEmpty());
    EXPECT_EQ(doc.MenuBarHeight, 0);
}
