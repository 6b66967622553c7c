// The menu editor with its preview, and the surface's menu band: the commands on the tree, the
// panel's rules, IDs, the preview's captions, the band growing the surface by the real bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTreeWidget>

#include "io/mvConfigPaths.h"
#include "io/mvSettings.h"
#include "io/mvUndoHistory.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuBar.h"
#include "surface/mvMenuEditor.h"
#include "surface/mvMenuPreview.h"

namespace {
struct EditorShell : Shell {
    EditorShell() {
        QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
        Main.show();
        Main.ShowMenuEditor(true);
    }
    TMenuEditor& Editor() { return *Main.MenuEditor(); }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QString Text(const TmvMenuNode* node) { return node ? node->Text : QString(); }
    void TypeId(const QString& text) {
        TmvNumberEdit* edit = Editor().PropsID;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST(MenuEditor, NewMenusAndItemsAreNumberedFromTheNodeCount) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Menu Düzenliyici"));
    EXPECT_FALSE(editor.meNewItem->isEnabled());
    EXPECT_FALSE(editor.meDelete->isEnabled());
    Place(shell.Doc(), ctButton, 10, 10, 60, 20)->ID = 1;
    shell.Click(editor.meNewMenu);
    TmvMenuNode* first = editor.SelectedNode();
    EXPECT_EQ(shell.Text(first), QStringLiteral("Item1"));
    EXPECT_EQ(first->Id(), 2) << "the next free ID";
    EXPECT_TRUE(shell.Doc().Modified);
    EXPECT_TRUE(editor.meNewItem->isEnabled());
    EXPECT_TRUE(editor.meDelete->isEnabled());
    shell.Click(editor.meNewMenu);
    EXPECT_EQ(shell.Text(editor.SelectedNode()), QStringLiteral("Item2"));
    editor.SelectNode(first);
    shell.Click(editor.meNewItem);
    TmvMenuNode* item = editor.SelectedNode();
    EXPECT_EQ(shell.Text(item), QStringLiteral("Item3"));
    EXPECT_EQ(item->Parent, first);
    EXPECT_TRUE(editor.ItemOf(first)->isExpanded());
    EXPECT_EQ(editor.meItems->topLevelItemCount(), 2);
}

TEST(MenuEditor, TheSurfaceGrowsByTheRealBarAndShrinksBack) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    const QSize client(doc.ClientWidth, doc.ClientHeight);
    const QSize frame = shell.Main.SurfaceFrame()->size();
    shell.Click(editor.meNewMenu);
    const int bar = editor.Preview()->MenuBarHeight();
    EXPECT_EQ(bar, MenuBarRowHeight(MenuBarFont()) + 1);
    EXPECT_EQ(doc.MenuBarHeight, bar);
    EXPECT_EQ(surface->size(), client + QSize(0, bar));
    EXPECT_EQ(shell.Main.SurfaceFrame()->size(), frame + QSize(0, bar));
    EXPECT_EQ(QSize(doc.ClientWidth, doc.ClientHeight), client) << "the size line stays";

    // Captions that do not fit the dialog's width wrap onto a second row.
    doc.SetClientSize(120, doc.ClientHeight);
    editor.SelectNode(doc.Menu.TopLevel().front().get());
    for (int i = 0; i < 5; ++i)
        shell.Click(editor.meNewMenu);
    const int rows = editor.Preview()->BarLayout().Rows;
    EXPECT_GE(rows, 2);
    EXPECT_EQ(doc.MenuBarHeight, rows * MenuBarRowHeight(MenuBarFont()) + 1);
    EXPECT_EQ(doc.MenuBarHeight, editor.Preview()->MenuBarHeight());
    EXPECT_EQ(surface->height(), doc.ClientHeight + doc.MenuBarHeight);

    while (!doc.Menu.IsEmpty()) {
        editor.SelectNode(doc.Menu.TopLevel().front().get());
        shell.Click(editor.meDelete);
    }
    EXPECT_EQ(doc.MenuBarHeight, 0);
    EXPECT_EQ(surface->size(), QSize(120, client.height()));
    EXPECT_FALSE(editor.meDelete->isEnabled());
    EXPECT_FALSE(editor.meNewItem->isEnabled());
}

TEST(MenuEditor, SeparatorsTakeNoChildrenAndNoStyles) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Click(editor.meNewMenu);
    TmvMenuNode* menu = editor.SelectedNode();
    shell.Click(editor.meNewItem);
    TmvMenuNode* item = editor.SelectedNode();
    EXPECT_TRUE(editor.PropsOK->isEnabled());
    EXPECT_TRUE(editor.PropsCancel->isEnabled());
    editor.RenameSelected(QStringLiteral("-"));
    EXPECT_EQ(item->Text, QStringLiteral("-"));
    EXPECT_FALSE(editor.meNewItem->isEnabled());
    EXPECT_FALSE(editor.PropsOK->isEnabled());
    EXPECT_FALSE(editor.PropsCancel->isEnabled());
    EXPECT_TRUE(editor.PropsStaticID->isEnabled());
    // A menu on the bar named "-" is no separator: it takes items, and the bar shows a blank
    // after it.
    editor.SelectNode(menu);
    editor.RenameSelected(QStringLiteral("-"));
    EXPECT_TRUE(editor.meNewItem->isEnabled());
    EXPECT_FALSE(editor.PropsOK->isEnabled()) << "no styles on the bar";
    EXPECT_EQ(editor.Preview()->BarCaptions(), QStringList{QStringLiteral("- ")});
}

TEST(MenuEditor, StylesAndFixedIdsFollowTheCheckBoxes) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Click(editor.meNewMenu);
    shell.Click(editor.meNewItem);
    TmvMenuNode* item = editor.SelectedNode();
    const int id = item->Id();
    EXPECT_FALSE(editor.PropsID->isEnabled());
    shell.Click(editor.PropsOK);
    shell.Click(editor.PropsStaticID);
    EXPECT_EQ(item->Flags(), kMenuOk | kMenuFixedId);
    EXPECT_EQ(item->Id(), id);
    EXPECT_TRUE(editor.PropsID->isEnabled());
    EXPECT_EQ(editor.PropsID->text(), QString::number(id));
    shell.Click(editor.PropsOK);
    shell.Click(editor.PropsCancel);
    EXPECT_EQ(item->Flags(), kMenuCancel | kMenuFixedId);
}

TEST(MenuEditor, IdsAreCheckedAndLimitedToThreeThousand) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    TmvControl* button = Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    button->ID = 50;
    shell.Click(editor.meNewMenu);
    TmvMenuNode* node = editor.SelectedNode();
    const int id = node->Id();
    shell.Click(editor.PropsStaticID);
    struct Case {
        QString typed;
        int expected;
        bool warned;
    };
    const Case cases[] = {
        {QStringLiteral("50"), id, true},
        {QStringLiteral("5000"), 3000, false},
        {QStringLiteral("0"), 1, false},
        {QStringLiteral("77"), 77, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        shell.Prompt.Messages.clear();
        shell.TypeId(c.typed);
        EXPECT_EQ(node->Id(), c.expected);
        EXPECT_EQ(node->Flags(), kMenuFixedId);
        EXPECT_EQ(editor.PropsID->text(), QString::number(c.expected));
        ASSERT_EQ(shell.Prompt.Messages.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(shell.Prompt.Messages[0].Kind, QStringLiteral("Warning"));
            EXPECT_EQ(shell.Prompt.Messages[0].Caption, QStringLiteral("ID Warning"));
            EXPECT_EQ(shell.Prompt.Messages[0].Text,
                      QStringLiteral("The ID \"50\" is already in use by ") +
                          shell.Doc().DescribeIdOwner(50) +
                          QStringLiteral(".  Please choose a unique ID."));
        }
    }
    // Escape puts the node's ID back.
    editor.PropsID->setFocus();
    editor.PropsID->selectAll();
    QTest::keyClicks(editor.PropsID, QStringLiteral("12"));
    QTest::keyClick(editor.PropsID, Qt::Key_Escape);
    EXPECT_EQ(editor.PropsID->text(), QStringLiteral("77"));
    EXPECT_EQ(editor.PropsID->selectedText(), QStringLiteral("77"));
    // Leaving the field without typing changes nothing, even for an ID above the edit's range.
    node->Data = MenuData(4000, kMenuFixedId);
    shell.Doc().Modified = false;
    editor.SelectNode(node);
    editor.PropsID->setFocus();
    editor.meItems->setFocus();
    EXPECT_EQ(node->Id(), 4000);
    EXPECT_FALSE(shell.Doc().Modified);
}

TEST(MenuEditor, MovesStopAtTheEnds) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    for (int i = 0; i < 3; ++i)
        shell.Click(editor.meNewMenu);
    const auto top = [&] {
        QStringList texts;
        for (const auto& node : shell.Doc().Menu.TopLevel())
            texts << node->Text;
        return texts;
    };
    EXPECT_FALSE(editor.btnMoveDown->isEnabled()) << "the last one";
    EXPECT_TRUE(editor.btnMoveUp->isEnabled());
    editor.SelectNode(shell.Doc().Menu.TopLevel()[1].get());
    shell.Click(editor.btnMoveDown);
    EXPECT_EQ(top(), (QStringList{"Item1", "Item3", "Item2"}));
    EXPECT_EQ(shell.Text(editor.SelectedNode()), QStringLiteral("Item2"));
    EXPECT_FALSE(editor.btnMoveDown->isEnabled());
    editor.SelectNode(shell.Doc().Menu.TopLevel()[0].get());
    EXPECT_FALSE(editor.btnMoveUp->isEnabled());
    shell.Click(editor.btnMoveDown);
    EXPECT_EQ(top(), (QStringList{"Item3", "Item1", "Item2"}));
    shell.Click(editor.btnMoveUp);
    EXPECT_EQ(top(), (QStringList{"Item1", "Item3", "Item2"}));
    EXPECT_EQ(editor.Preview()->BarCaptions(), top());
}

TEST(MenuEditor, PreviewRewritesTabsAndDrawsSeparators) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Click(editor.meNewMenu);
    editor.RenameSelected(QStringLiteral("&File"));
    TmvMenuNode* file = editor.SelectedNode();
    for (const QString& text : {QStringLiteral("&Open\\tCtrl+O"), QStringLiteral("-"),
                                QStringLiteral("A\\\\tB"), QStringLiteral("Recent")}) {
        editor.SelectNode(file);
        shell.Click(editor.meNewItem);
        editor.RenameSelected(text);
    }
    shell.Click(editor.meNewItem); // under "Recent"
    EXPECT_EQ(editor.Preview()->BarCaptions(), QStringList{QStringLiteral("&File")});
    const QMenu* menu = editor.Preview()->EntryMenu(0);
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Open\tCtrl+O"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), QStringLiteral("A\\tB"));
    ASSERT_NE(actions[3]->menu(), nullptr);
    EXPECT_EQ(actions[3]->menu()->actions().size(), 1);
}

TEST(MenuEditor, BlankTextsAreRefusedAndTabsKeptAsBackslashT) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Click(editor.meNewMenu);
    TmvMenuNode* node = editor.SelectedNode();
    for (const QString& blank : {QString(), QStringLiteral("   "), QStringLiteral("\t \t")}) {
        shell.Prompt.Messages.clear();
        editor.RenameSelected(blank);
        EXPECT_EQ(node->Text, QStringLiteral("Item1"));
        EXPECT_EQ(editor.ItemOf(node)->text(0), QStringLiteral("Item1"));
        EXPECT_EQ(shell.Prompt.Messages.size(), 1u);
    }
    editor.RenameSelected(QStringLiteral("Save\tCtrl+S"));
    EXPECT_EQ(node->Text, QStringLiteral("Save\\tCtrl+S"));
    EXPECT_EQ(editor.ItemOf(node)->text(0), QStringLiteral("Save\\tCtrl+S"));
}

TEST(MenuEditor, DeletingTheNodeBeingRenamedLeavesTheTreeSound) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Click(editor.meNewMenu);
    shell.Click(editor.meNewMenu);
    EXPECT_EQ(editor.meItems->editTriggers(), QAbstractItemView::EditKeyPressed) << "F2";
    editor.meItems->editItem(editor.meItems->currentItem());
    auto* line = editor.meItems->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr) << "editing";
    QTest::keyClicks(line, QStringLiteral("Half"));
    editor.meDeleteClick();
    EXPECT_EQ(shell.Doc().Menu.NodeCount(), 1);
    EXPECT_EQ(shell.Text(editor.SelectedNode()), QStringLiteral("Item1"));
    EXPECT_EQ(editor.meItems->topLevelItemCount(), 1);
}

TEST(MenuEditor, LoadingExpandsAndSelectsTheFirstEntryNewEmptiesIt) {
    EditorShell shell;
    ASSERT_TRUE(shell.Main.OpenProject(SampleProjectPath()));
    TMenuEditor& editor = shell.Editor();
    ASSERT_FALSE(shell.Doc().Menu.IsEmpty());
    EXPECT_EQ(editor.SelectedNode(), shell.Doc().Menu.TopLevel().front().get());
    for (TmvMenuNode* node : shell.Doc().Menu.NodesDepthFirst())
        EXPECT_TRUE(!node->HasChildren() || editor.ItemOf(node)->isExpanded());
    EXPECT_EQ(shell.Doc().MenuBarHeight, editor.Preview()->MenuBarHeight());
    shell.Main.actFileNew->trigger();
    EXPECT_EQ(editor.meItems->topLevelItemCount(), 0);
    EXPECT_TRUE(editor.Preview()->BarCaptions().isEmpty());
    EXPECT_FALSE(editor.meDelete->isEnabled());
}

TEST(MenuEditor, ClosingHidesItAndThePlacementLasts) {
    {
        EditorShell shell;
        QAction* command = shell.Main.actMenuEd;
        EXPECT_TRUE(command->isEnabled());
        EXPECT_TRUE(command->isChecked());
        shell.Editor().Frame()->setGeometry(20, 30, 600, 400);
        shell.Editor().Frame()->close();
        EXPECT_TRUE(shell.Editor().Frame()->isHidden());
        EXPECT_FALSE(command->isChecked());
        command->trigger();
        EXPECT_FALSE(shell.Editor().Frame()->isHidden());
        command->trigger();
        ASSERT_TRUE(shell.Main.close());
    }
    Shell next;
    next.Main.show();
    EXPECT_TRUE(next.Main.MenuEditor()->Frame()->isHidden());
    EXPECT_FALSE(next.Main.actMenuEd->isChecked());
    EXPECT_EQ(next.Main.MenuEditor()->Frame()->geometry(), QRect(20, 30, 600, 400));
    QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
}

TEST(MenuEditor, AFrameDragRecomputesTheBarAndThePreview) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    DialogDocument& doc = shell.Doc();
    Settings snapping;
    snapping.SnapDialog = true;
    shell.Main.Surface()->ApplySettings(snapping);
    for (int i = 0; i < 6; ++i)
        shell.Click(editor.meNewMenu);
    const int row = MenuBarRowHeight(MenuBarFont());
    ASSERT_EQ(doc.MenuBarHeight, row + 1) << "one row at the first width";
    // The captions side by side, and a width in whole grid steps (16 pixels) that holds half.
    const int oneRow = LayoutMenuBar(MenuBarCaptions(doc.Menu), 10000).Items.back().right() + 1;
    const int half = oneRow / 2 / 16 * 16;
    // Narrower: the captions wrap, the bar grows and the client area below it shrinks.
    DragSurfaceFrameBy(shell, QSize(half - doc.ClientWidth, 0));
    ASSERT_EQ(doc.ClientWidth, half);
    const int rows = editor.Preview()->BarLayout().Rows;
    EXPECT_GE(rows, 2);
    EXPECT_EQ(doc.MenuBarHeight, rows * row + 1);
    EXPECT_EQ(editor.Preview()->MenuBarHeight(), doc.MenuBarHeight);
    EXPECT_EQ(shell.Main.Surface()->height(), doc.ClientHeight + doc.MenuBarHeight);
    // Wider than the panel: the preview scrolls; back to a narrow dialog it does not.
    DragSurfaceFrameBy(shell, QSize(900, 0));
    EXPECT_EQ(doc.MenuBarHeight, row + 1);
    EXPECT_EQ(editor.Preview()->MenuBarHeight(), row + 1);
    EXPECT_TRUE(editor.meScroll->isVisible());
    DragSurfaceFrameBy(shell, QSize(-900, 0));
    EXPECT_FALSE(editor.meScroll->isVisible());
    EXPECT_EQ(doc.MenuBarHeight, editor.Preview()->MenuBarHeight());
    // Set on the document (an undo step, a loaded project) while the window is not shown.
    shell.Main.hide();
    doc.SetClientSize(oneRow / 4, doc.ClientHeight);
    EXPECT_EQ(editor.Preview()->MenuBarHeight(), doc.MenuBarHeight);
    EXPECT_GE(editor.Preview()->BarLayout().Rows, 3);
    EXPECT_EQ(doc.MenuBarHeight, editor.Preview()->BarLayout().Rows * row + 1);
}

TEST(MenuEditor, PreviewScrollsWhenTheSurfaceIsWiderThanThePanel) {
    EditorShell shell;
    TMenuEditor& editor = shell.Editor();
    shell.Doc().SetClientSize(900, 200);
    EXPECT_TRUE(editor.meScroll->isVisible());
    editor.meScroll->setValue(editor.meScroll->maximum());
    const int previewWidth = editor.Preview()->width();
    EXPECT_EQ(editor.Preview()->x(), 10 - (previewWidth - editor.mePanel->width() + 20));
    shell.Doc().SetClientSize(100, 200);
    EXPECT_FALSE(editor.meScroll->isVisible());
    EXPECT_EQ(editor.Preview()->x(), 10);
}

// A widget that records the presses that reach it.
class PressRecorder : public QWidget {
public:
    int Presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++Presses; }
};

TEST(MenuBand, ClicksOnTheBandDoNothing) {
    DialogDocument doc;
    doc.MenuBarHeight = 20;
    PressRecorder surface;
    surface.resize(doc.ClientWidth, doc.ClientHeight + 20);
    surface.installEventFilter(new TmvMenuBarClickFilter(doc, &surface));
    struct Case {
        QPoint at;
        int presses;
    };
    const Case cases[] = {{{5, 0}, 0}, {{300, 19}, 0}, {{5, 20}, 1}, {{5, 100}, 1}};
    for (const Case& c : cases) {
        surface.Presses = 0;
        QTest::mouseClick(&surface, Qt::LeftButton, {}, c.at);
        QTest::mouseDClick(&surface, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(surface.Presses > 0, c.presses > 0) << c.at.y();
    }
    EXPECT_TRUE(MenuBarHit(QPoint(0, -20), 320, 20));
    EXPECT_FALSE(MenuBarHit(QPoint(320, -1), 320, 20));
    EXPECT_FALSE(MenuBarHit(QPoint(0, -21), 320, 20));
    EXPECT_FALSE(MenuBarHit(QPoint(5, -5), 320, 0));
}

TEST(MenuBand, PaintsItsShadowAndHighlightLines) {
    const TmvSystemColors c = SystemColors();
    QImage image(100, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    PaintMenuBarBand(painter, MenuBarBandRect(100, 20), c);
    painter.end();
    EXPECT_EQ(image.pixelColor(3, 0), c.Shadow);
    EXPECT_EQ(image.pixelColor(3, 1), c.Highlight);
    EXPECT_EQ(image.pixelColor(3, 18), c.Shadow);
    EXPECT_EQ(image.pixelColor(3, 19), c.Highlight);
    EXPECT_EQ(image.pixelColor(3, 10), c.Face);
    bool text = false;
    for (int x = 30; x < 70; ++x)
        text = text || image.pixelColor(x, 10) != c.Face;
    EXPECT_TRUE(text) << "\"Menu Bar\" in the middle";
}
} // namespace

namespace {
// The menu as one line: each entry's text, its entries in brackets.
QString Outline(const TmvMenuTree::NodeList& level) {
    QStringList parts;
    for (const auto& node : level)
        parts << node->Text + (node->HasChildren()
                                   ? QStringLiteral("[") + Outline(node->Children) + "]"
                                   : QString());
    return parts.join(QLatin1Char(' '));
}

// Menus "A" (items "a1" with "x" under it, "a2") and "B" (item "b1"), all open.
struct BranchShell : EditorShell {
    BranchShell() {
        TmvMenuTree& menu = Doc().Menu;
        int id = 100;
        A = menu.AddNode(nullptr, QStringLiteral("A"), MenuData(id++, 0));
        a1 = menu.AddNode(A, QStringLiteral("a1"), MenuData(id++, kMenuFixedId));
        menu.AddNode(a1, QStringLiteral("x"), MenuData(id++, 0));
        a2 = menu.AddNode(A, QStringLiteral("a2"), MenuData(id++, 0));
        B = menu.AddNode(nullptr, QStringLiteral("B"), MenuData(id++, 0));
        menu.AddNode(B, QStringLiteral("b1"), MenuData(id++, 0));
        Main.MenuChanged();
        Editor().meItems->expandAll();
        Doc().StartNewHistory(true);
        QApplication::setActiveWindow(&Main); // the main window's shortcuts are live
    }
    QString Shape() { return Outline(Doc().Menu.TopLevel()); }
    void Key(TmvMenuNode* node, Qt::Key key, Qt::KeyboardModifiers mods) {
        Editor().SelectNode(node);
        Editor().meItems->setFocus();
        QTest::keyClick(Editor().meItems, key, mods);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    TmvMenuNode* A = nullptr;
    TmvMenuNode* a1 = nullptr;
    TmvMenuNode* a2 = nullptr;
    TmvMenuNode* B = nullptr;
};
} // namespace

TEST(MenuEditor, BranchesMoveInAndOutByKeyAndEachMoveIsUndoneWithTheTreeAsItWas) {
    BranchShell shell;
    TMenuEditor& editor = shell.Editor();
    editor.SelectNode(shell.A);
    EXPECT_FALSE(editor.btnIndent->isEnabled());  // nothing before it
    EXPECT_FALSE(editor.btnOutdent->isEnabled()); // on the bar already
    editor.SelectNode(shell.B);
    EXPECT_TRUE(editor.btnIndent->isEnabled());
    shell.Key(shell.a2, Qt::Key_Right, Qt::ControlModifier); // into a1's menu
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x a2]] B[b1]"));
    EXPECT_EQ(editor.SelectedNode(), shell.a2);
    EXPECT_TRUE(editor.ItemOf(shell.a1)->isExpanded());
    shell.Key(shell.a1, Qt::Key_Left, Qt::ControlModifier); // out of A, with its branch
    EXPECT_EQ(shell.Shape(), QStringLiteral("A a1[x a2] B[b1]"));
    EXPECT_EQ(editor.Preview()->BarCaptions(), QStringList({"A", "a1", "B"}));
    EXPECT_EQ(shell.Main.History().UndoName(), QStringLiteral("Dışarı Al"));

    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x a2]] B[b1]"));
    // The nodes are new after an undo; the tree still shows them open and a1 chosen.
    TmvMenuNode* a1 = shell.Doc().Menu.TopLevel()[0]->Children[0].get();
    EXPECT_EQ(editor.SelectedNode(), a1);
    EXPECT_TRUE(editor.ItemOf(a1)->isExpanded());
    EXPECT_TRUE(editor.ItemOf(shell.Doc().Menu.TopLevel()[1].get())->isExpanded());
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x] a2] B[b1]"));
}

TEST(MenuEditor, DuplicatingABranchGivesTheCopiesNewIds) {
    BranchShell shell;
    TmvControl* button = Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    shell.Doc().Select(button);
    shell.Doc().SetCurrentControl(button);
    shell.Key(shell.a1, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x] a1[x] a2] B[b1]"));
    const TmvMenuNode* copy = shell.Doc().Menu.TopLevel()[0]->Children[1].get();
    EXPECT_EQ(shell.Editor().SelectedNode(), copy);
    QSet<int> ids;
    for (const TmvMenuNode* node : shell.Doc().Menu.NodesDepthFirst())
        ids.insert(node->Id());
    EXPECT_EQ(ids.size(), 8); // every copy with an ID of its own
    EXPECT_FALSE(copy->HasFlag(kMenuFixedId));
    EXPECT_TRUE(shell.a1->HasFlag(kMenuFixedId));
    // The main window's Duplicate of controls does not take the key from the tree.
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
}

// A drag in the tree ends in DropSelected with the entry under the mouse (a drag itself needs a
// real screen).
TEST(MenuEditor, ADroppedEntryGoesIntoBesideOrBelowTheEntries) {
    BranchShell shell;
    TMenuEditor& editor = shell.Editor();
    const auto drop = [&](TmvMenuNode* node, TmvMenuNode* onto, TMenuEditor::DropPlace place) {
        editor.SelectNode(node);
        editor.DropSelected(onto ? editor.ItemOf(onto) : nullptr, place);
    };
    drop(shell.a2, shell.B, TMenuEditor::DropOnto);
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x]] B[b1 a2]"));
    EXPECT_EQ(editor.SelectedNode(), shell.a2);
    drop(shell.a2, shell.A, TMenuEditor::DropAbove);
    EXPECT_EQ(shell.Shape(), QStringLiteral("a2 A[a1[x]] B[b1]"));
    drop(shell.a2, shell.a1, TMenuEditor::DropBelow);
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x] a2] B[b1]"));
    drop(shell.a2, nullptr, TMenuEditor::DropAtEnd);
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x]] B[b1] a2"));
    drop(shell.A, shell.a1, TMenuEditor::DropOnto); // into its own branch: refused
    EXPECT_EQ(shell.Shape(), QStringLiteral("A[a1[x]] B[b1] a2"));
    EXPECT_EQ(editor.Preview()->BarCaptions(), QStringList({"A", "B", "a2"}));
}
