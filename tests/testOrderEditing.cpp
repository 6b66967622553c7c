// Ordering and duplicating on the surface, as the user does it in the main window: z-order one
// step at a time by key, Duplicate, the context menu's paste at the point clicked, and the
// click-through tab order with its badges and its one undo step.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "app/mvArrangeCommands.h"
#include "app/mvEditCommands.h"
#include "app/mvMain.h"
#include "io/mvClipboard.h"
#include "io/mvUndoHistory.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvArrange.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfacePopMenu.h"
#include "surface/mvTabOrder.h"

namespace {
void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The watcher records a step a little after the action that ended it.
bool WaitForSteps(TmvUndoHistory& history, int count) {
    return QTest::qWaitFor([&] { return history.UndoCount() == count; }, 2000);
}

void SelectOnly(DialogDocument& doc, TmvControl* control) {
    doc.ClearSelection();
    doc.Select(control);
    doc.SetCurrentControl(control);
}

QStringList Names(const std::vector<TmvControl*>& controls) {
    QStringList names;
    for (const TmvControl* c : controls)
        names << c->Name();
    return names;
}
} // namespace

TEST(OrderEditing, CtrlPageKeysMoveTheCurrentControlOneStep) {
    Shell shell;
    shell.ShowActive();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    Place(doc, ctEdit, 20, 15, 60, 20);
    Place(doc, ctCheck, 30, 20, 60, 20);
    SelectOnly(doc, a); // made current, it comes to the front
    ASSERT_EQ(doc.ZIndexOf(a), 2);
    QTest::keyClick(surface, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(doc.ZIndexOf(a), 1);
    QTest::keyClick(surface, Qt::Key_PageDown, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(doc.ZIndexOf(a), 0);
    QTest::keyClick(surface, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(doc.ZIndexOf(a), 1);
    Settle();
    EXPECT_EQ(shell.Main.History().UndoName(), QStringLiteral("Bir Öne Getir"));
}

TEST(OrderEditing, DuplicateRepairsTheIdAndLeavesTheClipboardAlone) {
    Shell shell;
    shell.ShowActive();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    TmvControl* kept = Place(doc, ctEdit, 100, 100, 60, 20);
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    a->SetStaticID(true);
    SelectOnly(doc, kept);
    shell.Main.ccpdCopy->trigger(); // the clipboard holds the edit
    SelectOnly(doc, a);
    QTest::keyClick(surface, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(doc.ControlCount(), 3);
    TmvControl* copy = doc.CurrentControl;
    ASSERT_NE(copy, a);
    EXPECT_EQ(copy->ControlType, ctButton);
    EXPECT_EQ(copy->BoundsRect().topLeft(),
              a->BoundsRect().topLeft() + QPoint(QuantizeX(5), QuantizeY(5)));
    EXPECT_NE(copy->GetID(), a->GetID());
    EXPECT_FALSE(copy->StaticID);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{copy});
    Settle();
    EXPECT_EQ(shell.Main.History().UndoName(), QStringLiteral("Çoğalt"));
    // The clipboard still holds the edit alone.
    EXPECT_EQ(shell.Main.EditCommands().Clipboard().Count(), 1);
    shell.Main.ccpdPaste->trigger();
    EXPECT_EQ(doc.CurrentControl->ControlType, ctEdit);
}

TEST(OrderEditing, ContextMenuPastePutsTheGroupAtTheClickedPointOnThePageThere) {
    Shell shell;
    DialogDocument& doc = shell.Doc();
    doc.SetClientSize(400, 300);
    TMainDialog* surface = shell.Main.Surface();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctEdit, 40, 50, 60, 20);
    auto* tab = static_cast<TmvTab*>(Place(doc, ctTab, 120, 20, 250, 200));
    doc.AddTabPage();
    doc.AddTabPage();
    tab->SetActivePage(1);
    doc.Select(a);
    doc.Select(b);
    doc.SetCurrentControl(b);
    shell.Main.ccpdCopy->trigger();
    Settle();

    const QPoint clicked(203, 118); // inside the tab control's page
    QTest::mouseClick(surface, Qt::RightButton, {}, clicked);
    TmvSurfacePopMenu* menu = surface->PopMenu();
    ASSERT_TRUE(menu->pmPaste->isEnabled());
    menu->pmPaste->trigger();
    menu->hide();
    ASSERT_EQ(doc.SelectionCount(), 2);
    const QPoint snapped(SnapToGrid(clicked.x(), surface->GridStepX()),
                         SnapToGrid(clicked.y(), surface->GridStepY()));
    TmvControl* pastedA = doc.Selection[0];
    TmvControl* pastedB = doc.Selection[1];
    EXPECT_EQ(pastedA->BoundsRect().topLeft(), snapped);
    EXPECT_EQ(pastedB->BoundsRect().topLeft(), snapped + QPoint(30, 40));
    EXPECT_EQ(pastedA->TabIndex, 1);
    EXPECT_EQ(pastedB->TabIndex, 1);
    // A plain paste afterwards still lands one step from the copied controls, on the dialog.
    SelectOnly(doc, a);
    shell.Main.ccpdPaste->trigger();
    EXPECT_EQ(doc.Selection[0]->BoundsRect().topLeft(),
              a->BoundsRect().topLeft() + QPoint(QuantizeX(5), QuantizeY(5)));
    EXPECT_EQ(doc.Selection[0]->TabIndex, -1);
}

// --- Tab order by clicking ------------------------------------------------------------------

class TabOrderMode : public ::testing::Test {
protected:
    void SetUp() override {
        shell.ShowActive();
        for (int i = 0; i < 4; ++i)
            controls.push_back(Place(shell.Doc(), ctButton, 20 + 70 * i, 40, 60, 24));
        shell.Doc().StartNewHistory(true);
        Settle();
    }
    void Click(int index, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(surface, Qt::LeftButton, mods,
                          controls[size_t(index)]->BoundsRect().center());
        Settle();
    }
    QColor BadgeColour(int index) {
        const QRect badge = surface->TabOrderBadge(controls[size_t(index)]);
        return surface->grab().toImage().pixelColor(badge.center() + QPoint(-5, 0));
    }
    QStringList Expect(std::initializer_list<int> order) {
        QStringList names;
        for (int i : order)
            names << controls[size_t(i)]->Name();
        return names;
    }
    Shell shell;
    TMainDialog* surface = shell.Main.Surface();
    std::vector<TmvControl*> controls;
};

TEST_F(TabOrderMode, ClicksGiveThePlacesInTurnAndTheModeIsOneUndoStep) {
    DialogDocument& doc = shell.Doc();
    const QStringList before = Expect({0, 1, 2, 3}); // an undo makes the controls anew
    SelectOnly(doc, controls[3]);
    QTest::keyClick(surface, Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(surface->TabOrderMode());
    EXPECT_TRUE(shell.Main.actTabOrder->isChecked());
    const QColor pending(255, 255, 192);
    const QColor done(0, 0, 128);
    EXPECT_EQ(BadgeColour(2), pending);

    Click(2);
    Click(0);
    EXPECT_EQ(Names(doc.CreationOrder), Expect({2, 0, 1, 3}));
    EXPECT_EQ(BadgeColour(2), done);
    EXPECT_EQ(BadgeColour(1), pending);
    EXPECT_EQ(surface->TabOrder()->PlaceOf(controls[0]), 2);
    // Nothing else is edited meanwhile: the press moved and selected nothing, Delete deletes
    // nothing, and the edit commands wait.
    EXPECT_EQ(controls[2]->BoundsRect().topLeft(), QPoint(160, 40));
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{controls[3]});
    QTest::keyClick(surface, Qt::Key_Delete);
    EXPECT_EQ(doc.ControlCount(), 4);
    EXPECT_FALSE(shell.Main.EditCommands().mmDuplicate->isEnabled());
    QAction* centre = shell.Main.ArrangeCommands().Action(TmvArrange::CentreHorizontally);
    EXPECT_FALSE(centre->isEnabled());

    QTest::keyClick(surface, Qt::Key_Escape);
    EXPECT_FALSE(surface->TabOrderMode());
    EXPECT_FALSE(shell.Main.actTabOrder->isChecked());
    EXPECT_TRUE(shell.Main.EditCommands().mmDuplicate->isEnabled());
    EXPECT_TRUE(centre->isEnabled());
    EXPECT_NE(BadgeColour(2), done); // the badges are gone
    ASSERT_TRUE(WaitForSteps(shell.Main.History(), 1));
    EXPECT_EQ(shell.Main.History().UndoName(), QStringLiteral("Sıra Düzenle"));
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(Names(doc.CreationOrder), before);
}

TEST_F(TabOrderMode, CtrlClickContinuesAfterTheClickedControl) {
    shell.Main.actTabOrder->trigger();
    Click(2, Qt::ControlModifier);
    EXPECT_EQ(Names(shell.Doc().CreationOrder), Expect({0, 1, 2, 3}));
    EXPECT_EQ(BadgeColour(0), QColor(0, 0, 128)); // the run reached it
    Click(0);
    EXPECT_EQ(Names(shell.Doc().CreationOrder), Expect({1, 2, 0, 3}));
    Click(3);
    Click(1); // clicked again: it takes the run's last place
    EXPECT_EQ(Names(shell.Doc().CreationOrder), Expect({2, 0, 3, 1}));
    shell.Main.actTabOrder->trigger();
    EXPECT_FALSE(surface->TabOrderMode());
    ASSERT_TRUE(WaitForSteps(shell.Main.History(), 1));
}
