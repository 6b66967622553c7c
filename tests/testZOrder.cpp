// Z-order, design-time hiding and locking.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvZOrder.h"

TEST(ZOrder, BringToFrontLiftsTheSelectionInSelectingOrder) {
    DialogDocument doc;
    Place(doc, ctTab, 0, 0, -1, -1);
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    Place(doc, ctCheck, 0, 0, -1, -1);
    doc.Select(b);
    doc.Select(a);
    doc.Select(doc.TabControl);
    BringSelectionToFront(doc);
    EXPECT_EQ(ZOrderNames(doc), QStringList({"marovel_tabcontrol", "marovel_check1",
                                             "marovel_edit1", "marovel_button1"}));
}

TEST(ZOrder, SendToBackKeepsTheTabControlBelowABox) {
    DialogDocument doc;
    Place(doc, ctTab, 0, 0, -1, -1);
    TmvControl* box = Place(doc, ctBox, 0, 0, -1, -1);
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    doc.Select(a);
    doc.Select(doc.TabControl);
    doc.Select(box);
    doc.Select(b);
    SendSelectionToBack(doc);
    // Each goes to the back in turn, so the last selected ends just above the tab control.
    EXPECT_EQ(ZOrderNames(doc), QStringList({"marovel_tabcontrol", "marovel_edit1", "marovel_box1",
                                             "marovel_button1"}));
}

// --- Hiding ----------------------------------------------------------------------------------

class Hiding : public ::testing::Test {
protected:
    void SetUp() override {
        onDialog = Place(doc, ctButton, 0, 0, -1, -1);
        tab = static_cast<TmvTab*>(Place(doc, ctTab, 0, 0, -1, -1));
        doc.AddTabPage();
        doc.AddTabPage();
        tab->SetActivePage(0);
        firstA = Place(doc, ctEdit, 0, 0, -1, -1, 0);
        firstB = Place(doc, ctCheck, 0, 0, -1, -1, 0);
        second = Place(doc, ctRadio, 0, 0, -1, -1, 1);
        second->SetVisible(false);
    }
    DialogDocument doc;
    TmvTab* tab = nullptr;
    TmvControl* onDialog = nullptr;
    TmvControl* firstA = nullptr;
    TmvControl* firstB = nullptr;
    TmvControl* second = nullptr;
};

TEST_F(Hiding, HidingListsTheControlOnceAndMakesItInvisible) {
    HideControl(doc, onDialog);
    HideControl(doc, onDialog);
    EXPECT_EQ(doc.HiddenControls, std::vector<TmvControl*>{onDialog});
    EXPECT_TRUE(onDialog->DesignHidden);
    EXPECT_FALSE(onDialog->Visible);
    UnhideControl(doc, onDialog);
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_FALSE(onDialog->DesignHidden);
    EXPECT_TRUE(onDialog->Visible);
}

TEST_F(Hiding, UnhidingAControlThatIsNotHiddenChangesNothing) {
    UnhideControl(doc, firstA);
    EXPECT_TRUE(firstA->Visible);
    EXPECT_TRUE(doc.HiddenControls.empty());
}

TEST_F(Hiding, AControlHiddenOnAnInactivePageStaysInvisibleUntilUnhidden) {
    HideControl(doc, second);
    EXPECT_TRUE(second->DesignHidden);
    EXPECT_FALSE(second->Visible);
    tab->SetActivePage(1);
    EXPECT_FALSE(second->Visible);
    UnhideAll(doc);
    EXPECT_TRUE(second->Visible);
}

TEST_F(Hiding, UnhidingOnAnInactivePageOnlyClearsTheFlag) {
    tab->SetActivePage(1);
    HideControl(doc, second);
    tab->SetActivePage(0);
    UnhideControl(doc, second);
    EXPECT_FALSE(second->DesignHidden);
    EXPECT_FALSE(second->Visible);
    tab->SetActivePage(1);
    EXPECT_TRUE(second->Visible);
}

TEST_F(Hiding, HidingTheTabControlTakesItsActivePageAlong) {
    HideControl(doc, firstB);
    HideControl(doc, tab);
    EXPECT_FALSE(tab->Visible);
    EXPECT_FALSE(firstA->Visible);
    UnhideControl(doc, tab);
    EXPECT_TRUE(tab->Visible);
    EXPECT_TRUE(firstA->Visible);
    EXPECT_FALSE(firstB->Visible); // hidden on its own
    EXPECT_FALSE(second->Visible); // not on the active page
}

TEST_F(Hiding, AHiddenTabControlShowsNoPageWhenItsPageChanges) {
    HideControl(doc, tab);
    tab->SetActivePage(1);
    EXPECT_FALSE(second->Visible);
    tab->SetActivePage(0);
    EXPECT_FALSE(firstA->Visible);
    EXPECT_FALSE(firstB->Visible);
    UnhideControl(doc, tab);
    EXPECT_TRUE(firstA->Visible);
    EXPECT_FALSE(second->Visible);
}

TEST_F(Hiding, UnhideAllGoesInHidingOrder) {
    HideControl(doc, firstB);
    HideControl(doc, onDialog);
    HideControl(doc, second);
    UnhideAll(doc);
    EXPECT_TRUE(doc.HiddenControls.empty());
    for (TmvControl* c : {firstB, onDialog, second})
        EXPECT_FALSE(c->DesignHidden);
    EXPECT_TRUE(firstB->Visible);
    EXPECT_TRUE(onDialog->Visible);
}

TEST_F(Hiding, HideSelectionHidesEverySelectedControlAndLeavesNoCurrent) {
    doc.Select(firstB);
    doc.Select(onDialog);
    doc.SetCurrentControl(onDialog);
    doc.Modified = false;
    HideSelection(doc);
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_EQ(doc.HiddenControls, (std::vector<TmvControl*>{firstB, onDialog}));
    EXPECT_FALSE(doc.Modified); // hiding is not stored in the project
}

TEST_F(Hiding, HiddenControlsAreLeftOutOfSelectAll) {
    HideControl(doc, firstA);
    doc.SetCurrentControl(firstB);
    doc.SelectAll();
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{firstB});
}

// --- Locking ---------------------------------------------------------------------------------

TEST(Locking, LockAndUnlockActOnTheSelectionAndMarkModified) {
    DialogDocument doc;
    RecordingUi ui;
    doc.Ui = &ui;
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    TmvControl* c = Place(doc, ctList, 0, 0, -1, -1);
    doc.Select(a);
    doc.Select(c);
    LockSelection(doc, true);
    EXPECT_TRUE(a->Locked);
    EXPECT_FALSE(b->Locked);
    EXPECT_TRUE(c->Locked);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(ui.HandleRepaints, 1);
    doc.Modified = false;
    doc.Deselect(a);
    LockSelection(doc, false);
    EXPECT_TRUE(a->Locked);
    EXPECT_FALSE(c->Locked);
    EXPECT_TRUE(doc.Modified);
}

TEST(Locking, LockAllTogglesAndNamesItsCommand) {
    DialogDocument doc;
    EXPECT_EQ(LockAllCaption(doc.LockAll), "Lock All");
    EXPECT_TRUE(ToggleLockAll(doc));
    EXPECT_TRUE(doc.LockAll);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(LockAllCaption(doc.LockAll), "Unlock All");
    EXPECT_FALSE(ToggleLockAll(doc));
    EXPECT_EQ(LockAllCaption(doc.LockAll), "Lock All");
}

// --- One step forward or backward ------------------------------------------------------------

// A tab control, a group box and three controls (z-order: tab, box, a, b, c); each case selects
// some of them, hides some, takes one step and expects the order.
TEST(ZOrder, OneStepPassesTheNextShownControlAndNeverTheTabControl) {
    struct Case {
        const char* what;
        bool forward;
        QStringList selected;
        QStringList hidden;
        QStringList expected;
    };
    const Case cases[] = {
        {"forward", true, {"a"}, {}, {"tab", "box", "b", "a", "c"}},
        {"the top stays", true, {"c"}, {}, {"tab", "box", "a", "b", "c"}},
        {"a block moves as one", true, {"a", "b"}, {}, {"tab", "box", "c", "a", "b"}},
        {"a hidden one is passed too", true, {"a"}, {"b"}, {"tab", "box", "b", "c", "a"}},
        {"backward below a box", false, {"a"}, {}, {"tab", "a", "box", "b", "c"}},
        {"a box stays above the tab control", false, {"box"}, {}, {"tab", "box", "a", "b", "c"}},
        {"the tab control never moves", false, {"tab", "b"}, {}, {"tab", "box", "b", "a", "c"}},
        {"the tab control stays at the bottom", true, {"tab"}, {}, {"tab", "box", "a", "b", "c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogDocument doc;
        QHash<QString, TmvControl*> named;
        named["tab"] = Place(doc, ctTab, 0, 0, 200, 150);
        named["box"] = Place(doc, ctBox, 0, 0, 100, 100);
        named["a"] = Place(doc, ctButton, 10, 10, 50, 20);
        named["b"] = Place(doc, ctEdit, 10, 10, 50, 20);
        named["c"] = Place(doc, ctCheck, 10, 10, 50, 20);
        QHash<const TmvControl*, QString> names;
        for (auto it = named.begin(); it != named.end(); ++it)
            names[it.value()] = it.key();
        for (const QString& s : c.selected)
            doc.Select(named[s]);
        for (const QString& h : c.hidden)
            HideControl(doc, named[h]);
        const bool changed = c.forward ? BringSelectionForward(doc) : SendSelectionBackward(doc);
        QStringList order;
        for (int i = 0; i < doc.ControlCount(); ++i)
            order << names[doc.ControlAt(i)];
        EXPECT_EQ(order, c.expected);
        EXPECT_EQ(changed, order != QStringList({"tab", "box", "a", "b", "c"}));
    }
}
