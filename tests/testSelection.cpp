// The selection list, the current control and Select All.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.View = &view;
        doc.Ui = &ui;
        a = Place(doc, ctButton, 0, 0, -1, -1);
        b = Place(doc, ctEdit, 0, 0, -1, -1);
        c = Place(doc, ctCheck, 0, 0, -1, -1);
    }
    DialogDocument doc;
    RecordingView view;
    RecordingUi ui;
    TmvControl* a = nullptr;
    TmvControl* b = nullptr;
    TmvControl* c = nullptr;
};

TEST_F(SelectionTest, SelectKeepsSelectingOrderAndIgnoresRepeats) {
    doc.Select(c);
    doc.Select(a);
    doc.Select(c);
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{c, a}));
    EXPECT_EQ(doc.SelectionCount(), 2);
    EXPECT_EQ(doc.SelectedAt(0), c);
    EXPECT_EQ(doc.SelectedAt(1), a);
    EXPECT_EQ(doc.SelectedAt(2), nullptr);
    EXPECT_EQ(doc.SelectedAt(-1), nullptr);
    EXPECT_TRUE(doc.IsSelected(a));
    EXPECT_FALSE(doc.IsSelected(b));
}

TEST_F(SelectionTest, DeselectRemovesRepaintsAndResetsTheCursor) {
    doc.Select(a);
    doc.Select(b);
    const int repaints = view.Repaints;
    doc.Deselect(a);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{b});
    EXPECT_GT(view.Repaints, repaints);
    EXPECT_EQ(view.CursorResets, std::vector<TmvControl*>{a});
}

TEST_F(SelectionTest, ClearSelectionDeselectsFromTheFirst) {
    doc.Select(b);
    doc.Select(a);
    doc.ClearSelection();
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_EQ(view.CursorResets, (std::vector<TmvControl*>{b, a}));
}

TEST_F(SelectionTest, SettingNoCurrentControlClearsTheSelection) {
    doc.Select(a);
    doc.SetCurrentControl(a);
    doc.SetCurrentControl(nullptr);
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_EQ(ui.Current, (std::vector<TmvControl*>{a, nullptr}));
}

TEST_F(SelectionTest, SuspendedUpdatesKeepTheCurrentControl) {
    doc.SetCurrentControl(a);
    doc.Select(b);
    doc.UpdatesSuspended = true;
    doc.SetCurrentControl(c);
    EXPECT_EQ(doc.CurrentControl, a);
    doc.SetCurrentControl(nullptr); // still clears the selection
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_EQ(doc.CurrentControl, a);
    EXPECT_EQ(ui.Current, std::vector<TmvControl*>{a});
}

TEST_F(SelectionTest, CurrentControlComesToTheFrontWhenTheSettingIsOn) {
    doc.SetCurrentControl(a);
    EXPECT_EQ(doc.ControlAt(doc.ControlCount() - 1), a);
    doc.Options.BringToFront = false;
    doc.SetCurrentControl(b);
    EXPECT_EQ(doc.ControlAt(doc.ControlCount() - 1), a);
}

TEST_F(SelectionTest, TabControlAndGroupBoxesStayBackWhenMadeCurrent) {
    TmvControl* box = Place(doc, ctBox, 0, 0, -1, -1);
    TmvControl* tab = Place(doc, ctTab, 0, 0, -1, -1);
    doc.SetCurrentControl(box);
    doc.SetCurrentControl(tab);
    EXPECT_EQ(doc.ControlAt(0), tab);
    EXPECT_EQ(doc.ControlAt(1), box);
}

TEST_F(SelectionTest, CurrentControlOnAPageSwitchesTheTabControlToIt) {
    Place(doc, ctTab, 0, 0, -1, -1);
    doc.AddTabPage();
    doc.AddTabPage();
    TmvControl* onFirst = Place(doc, ctEdit, 0, 0, -1, -1, 0);
    ASSERT_EQ(doc.TabControl->ActivePage, 1);
    doc.SetCurrentControl(onFirst);
    EXPECT_EQ(doc.TabControl->ActivePage, 0);
    EXPECT_TRUE(onFirst->Visible);
}

// --- Select All ------------------------------------------------------------------------------

class SelectAllTest : public ::testing::Test {
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
        second->SetVisible(false); // its page is not showing
        hiddenOnDialog = Place(doc, ctText, 0, 0, 10, 10);
        hiddenOnDialog->SetVisible(false);
    }
    DialogDocument doc;
    TmvTab* tab = nullptr;
    TmvControl* onDialog = nullptr;
    TmvControl* firstA = nullptr;
    TmvControl* firstB = nullptr;
    TmvControl* second = nullptr;
    TmvControl* hiddenOnDialog = nullptr;
};

TEST_F(SelectAllTest, WithoutCurrentControlSelectsTheVisibleDialogControlsInZOrder) {
    doc.SelectAll();
    // The tab control is lowest in z-order, so it comes first.
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{tab, onDialog}));
    EXPECT_EQ(doc.CurrentControl, tab);
}

TEST_F(SelectAllTest, WithTheTabControlCurrentSelectsItsActivePageOnly) {
    doc.Select(tab);
    doc.SetCurrentControl(tab);
    doc.SelectAll();
    EXPECT_FALSE(doc.IsSelected(tab));
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{firstA, firstB}));
    EXPECT_EQ(doc.CurrentControl, firstA);
}

TEST_F(SelectAllTest, WithAPageControlCurrentSelectsItsPage) {
    doc.Options.BringToFront = false;
    doc.SetCurrentControl(firstB);
    doc.SelectAll();
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{firstA, firstB}));
}

TEST_F(SelectAllTest, SwitchesToThePageOfTheCurrentControl) {
    doc.CurrentControl = second; // current, but its page is not showing yet
    doc.SelectAll();
    EXPECT_EQ(tab->ActivePage, 1);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{second});
}

TEST_F(SelectAllTest, KeepsWhatIsAlreadySelected) {
    doc.Select(onDialog);
    doc.SelectAll();
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{onDialog, tab}));
    EXPECT_EQ(doc.CurrentControl, onDialog);
}
