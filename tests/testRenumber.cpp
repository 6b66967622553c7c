// Renumbering IDs in creation order, and rewriting one container's creation order.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvRenumber.h"

class Renumber : public ::testing::Test {
protected:
    // A button, the tab control with two pages of one control each, a menu with one item;
    // all IDs start out scattered.
    void SetUp() override {
        doc.Options.IdStart = 100;
        button = Place(doc, ctButton, 0, 0, -1, -1);
        button->ID = 7;
        tab = static_cast<TmvTab*>(Place(doc, ctTab, 0, 0, -1, -1));
        tab->AddPage(50);
        tab->AddPage(40);
        second = Place(doc, ctCheck, 0, 0, -1, -1, 1);
        second->ID = 9;
        first = Place(doc, ctEdit, 0, 0, -1, -1, 0);
        first->ID = 3;
        menu = doc.Menu.AddMenuEntry("File", 60, 0, -1);
        item = doc.Menu.AddMenuEntry("Open", 61, 0, 60);
    }
    DialogDocument doc;
    TmvControl* button = nullptr;
    TmvTab* tab = nullptr;
    TmvControl* first = nullptr;
    TmvControl* second = nullptr;
    TmvMenuNode* menu = nullptr;
    TmvMenuNode* item = nullptr;
};

TEST_F(Renumber, NumbersInCreationOrderWithPagesAndTheirControlsAtTheTabControl) {
    EXPECT_TRUE(RenumberIds(doc));
    EXPECT_EQ(button->ID, 100);
    EXPECT_EQ(tab->Page(0)->ID, 101);
    EXPECT_EQ(first->ID, 102);
    EXPECT_EQ(tab->Page(1)->ID, 103);
    EXPECT_EQ(second->ID, 104);
    EXPECT_EQ(menu->Id(), 105);
    EXPECT_EQ(item->Id(), 106);
    EXPECT_EQ(tab->ID, 0);
    EXPECT_TRUE(doc.Modified);
}

TEST_F(Renumber, StartOfZeroOrLessCountsFromOne) {
    doc.Options.IdStart = 0;
    RenumberIds(doc);
    EXPECT_EQ(button->ID, 1);
    EXPECT_EQ(item->Id(), 7);
}

TEST_F(Renumber, StaticEntriesKeepTheirIdsAndDoNotAdvanceTheCounter) {
    button->StaticID = true;
    tab->Page(1)->StaticID = true;
    RenumberIds(doc);
    EXPECT_EQ(button->ID, 7);
    EXPECT_EQ(tab->Page(0)->ID, 100);
    EXPECT_EQ(first->ID, 101);
    EXPECT_EQ(tab->Page(1)->ID, 40);
    EXPECT_EQ(second->ID, 102);
    EXPECT_EQ(menu->Id(), 103);
}

TEST_F(Renumber, FlaggedMenuEntriesKeepTheirIds) {
    const struct { quint32 flag; } cases[] = {{kMenuFixedId}, {kMenuOk}, {kMenuCancel}};
    for (const auto& c : cases) {
        item->Data = MenuData(61, c.flag);
        RenumberIds(doc);
        EXPECT_EQ(item->Id(), 61) << c.flag;
        EXPECT_EQ(item->Flags(), c.flag);
        EXPECT_EQ(menu->Id(), 105);
    }
}

TEST_F(Renumber, TheTabControlsOwnIdIsClearedNotItsActivePages) {
    tab->ID = 33;
    tab->SetActivePage(1);
    RenumberIds(doc);
    EXPECT_EQ(tab->ID, 0);
    EXPECT_EQ(tab->Page(1)->ID, 103);
}

TEST_F(Renumber, RefusesAndChangesNothingWhenAMenuIdWouldNotFit) {
    doc.Options.IdStart = 65530;
    QString error;
    EXPECT_FALSE(RenumberIds(doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(button->ID, 7);
    EXPECT_EQ(tab->Page(0)->ID, 50);
    EXPECT_EQ(menu->Id(), 60);
    // The same start fits once the menu entries keep their IDs.
    menu->Data = MenuData(60, kMenuFixedId);
    item->Data = MenuData(61, kMenuFixedId);
    EXPECT_TRUE(RenumberIds(doc));
    EXPECT_EQ(second->ID, 65534);
}

// --- Creation order --------------------------------------------------------------------------

TEST_F(Renumber, CreationOrderContainerFollowsTheCurrentControl) {
    EXPECT_EQ(CreationOrderContainer(doc), -1);
    doc.CurrentControl = button;
    EXPECT_EQ(CreationOrderContainer(doc), -1);
    tab->SetActivePage(0);
    doc.CurrentControl = tab;
    EXPECT_EQ(CreationOrderContainer(doc), 0);
    tab->SetActivePage(1);
    doc.CurrentControl = second;
    EXPECT_EQ(CreationOrderContainer(doc), 1);
}

TEST(CreationOrder, OkRewritesTheContainerListAndChangesNothingElse) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    TmvControl* c = Place(doc, ctCheck, 0, 0, -1, -1);
    const QStringList zOrder = ZOrderNames(doc);
    const int idA = a->ID;
    doc.Modified = false;
    EXPECT_TRUE(ApplyCreationOrder(doc, -1, {b, c, a}));
    EXPECT_EQ(doc.CreationOrder, (std::vector<TmvControl*>{b, c, a}));
    EXPECT_EQ(ZOrderNames(doc), zOrder);
    EXPECT_EQ(a->ID, idA);
    EXPECT_TRUE(doc.Modified);
}

TEST(CreationOrder, RefusesAListThatIsNotTheSameControls) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    TmvControl* c = Place(doc, ctCheck, 0, 0, -1, -1);
    doc.Modified = false;
    const std::vector<std::vector<TmvControl*>> bad = {{a, b}, {a, b, b}, {a, b, c, a}, {}};
    for (const auto& order : bad) {
        EXPECT_FALSE(ApplyCreationOrder(doc, -1, order));
        EXPECT_EQ(doc.CreationOrder, (std::vector<TmvControl*>{a, b, c}));
    }
    EXPECT_FALSE(ApplyCreationOrder(doc, 0, {a, b, c})); // no tab control, no page 0
    EXPECT_FALSE(doc.Modified);
}

TEST(CreationOrder, ReordersAPageList) {
    DialogDocument doc;
    Place(doc, ctTab, 0, 0, -1, -1);
    doc.AddTabPage();
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1, 0);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1, 0);
    EXPECT_TRUE(ApplyCreationOrder(doc, 0, {b, a}));
    EXPECT_EQ(doc.TabControl->Page(0)->Controls, (std::vector<TmvControl*>{b, a}));
}

// A renumbered entry never takes an ID that a fixed control, page or menu entry keeps.
TEST(RenumberNoDuplicates, TheCounterSkipsEveryIdAFixedEntryKeeps) {
    DialogDocument doc;
    TmvControl* fixed = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* a = Place(doc, ctEdit, 0, 0, -1, -1);
    TmvControl* b = Place(doc, ctEdit, 0, 0, -1, -1);
    fixed->ID = 2;
    fixed->StaticID = true;
    a->ID = 9;
    b->ID = 10;
    auto* tab = static_cast<TmvTab*>(Place(doc, ctTab, 0, 0, -1, -1));
    tab->AddPage(5)->StaticID = true;
    tab->AddPage(40);
    TmvMenuNode* menu = doc.Menu.AddMenuEntry("File", 60, 0, -1);
    TmvMenuNode* ok = doc.Menu.AddMenuEntry("Close", 4, 0, 60);
    ok->Data = MenuData(4, kMenuOk);
    ASSERT_TRUE(RenumberIds(doc));
    // 1, then 2 is kept (skipped), 3, then 4 and 5 are kept, so the free page takes 6.
    EXPECT_EQ(fixed->ID, 2);
    EXPECT_EQ(a->ID, 1);
    EXPECT_EQ(b->ID, 3);
    EXPECT_EQ(tab->Page(0)->ID, 5);
    EXPECT_EQ(tab->Page(1)->ID, 6);
    EXPECT_EQ(menu->Id(), 7);
    EXPECT_EQ(ok->Id(), 4);
}
