// One ID space over controls, tab pages and menu entries; control names.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvControlNames.h"
#include "surface/mvIdServices.h"

namespace {
// A dialog whose IDs 1, 2 and 4 are taken by a control, a tab page and a menu entry.
void TakeOneTwoFour(DialogDocument& doc) {
    TmvControl* button = doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    button->ID = 1;
    doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);
    doc.TabControl->AddPage(2);
    doc.Menu.AddMenuEntry("File", 4, 0, -1);
}
} // namespace

TEST(NextFreeId, StartsAtTheStartSettingAndReusesGaps) {
    const struct {
        int start;
        int expected;
    } cases[] = {{1, 3}, {0, 3}, {-7, 3}, {10, 10}, {2, 3}, {4, 5}};
    for (const auto& c : cases) {
        DialogDocument doc;
        TakeOneTwoFour(doc);
        doc.Options.IdStart = c.start;
        EXPECT_EQ(doc.NextFreeId(), c.expected) << "Start " << c.start;
    }
}

TEST(NextFreeId, SkipsIdsOfEveryKindOfOwner) {
    DialogDocument doc;
    TakeOneTwoFour(doc);
    doc.Menu.AddMenuEntry("Open", 3, 0, 4);
    TmvControl* edit = doc.CreateControl(ctEdit, true, 0, 0, -1, -1, 0);
    edit->ID = 5;
    EXPECT_EQ(doc.NextFreeId(), 6);
}

TEST(IsIdFree, EachOwnerBlocksItsId) {
    DialogDocument doc;
    TakeOneTwoFour(doc);
    EXPECT_FALSE(doc.IsIdFree(1)); // control
    EXPECT_FALSE(doc.IsIdFree(2)); // tab page
    EXPECT_FALSE(doc.IsIdFree(4)); // menu entry
    EXPECT_TRUE(doc.IsIdFree(3));
    EXPECT_TRUE(doc.IsIdFree(5));
}

TEST(IsIdFree, ControlsOnPagesAndHiddenControlsBlockTheirIds) {
    DialogDocument doc;
    doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);
    doc.TabControl->AddPage(1);
    TmvControl* onPage = doc.CreateControl(ctEdit, true, 0, 0, -1, -1, 0);
    onPage->ID = 8;
    onPage->DesignHidden = true;
    EXPECT_FALSE(doc.IsIdFree(8));
}

TEST(IsIdFree, ZeroIsDecidedByPagesAndMenuEntriesOnly) {
    DialogDocument doc;
    doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);    // own ID 0
    doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1); // ID not yet assigned: 0
    EXPECT_TRUE(doc.IsIdFree(0));
    doc.Menu.AddMenuEntry("Zero", 0, 0, -1);
    EXPECT_FALSE(doc.IsIdFree(0));
    EXPECT_EQ(doc.DescribeIdOwner(0), "Zero:menu");
}

TEST(IsIdFree, DeepMenuEntriesBlockTheirIds) {
    DialogDocument doc;
    doc.Menu.AddMenuEntry("File", 10, 0, -1);
    doc.Menu.AddMenuEntry("Recent", 11, 0, 10);
    doc.Menu.AddMenuEntry("Old", 12, 0, 11);
    EXPECT_FALSE(doc.IsIdFree(12));
}

TEST(FindControlById, TheTabControlAnswersForItsPages) {
    DialogDocument doc;
    TakeOneTwoFour(doc);
    EXPECT_EQ(doc.FindControlById(2), doc.TabControl);
    EXPECT_EQ(doc.FindControlById(1)->ControlType, ctButton);
    EXPECT_EQ(doc.FindControlById(4), nullptr); // a menu entry is no control
    EXPECT_EQ(doc.FindControlById(0), nullptr);
}

TEST(DescribeIdOwner, NamesTheOwnerOfEachKind) {
    DialogDocument doc;
    TakeOneTwoFour(doc);
    doc.TabControl->AddPage(6);
    doc.Menu.AddMenuEntry("Open", 7, 0, 4);
    doc.Menu.AddMenuEntry("Second Open", 7, 0, 4); // the first depth-first names the ID
    EXPECT_EQ(doc.DescribeIdOwner(1), "button1");
    EXPECT_EQ(doc.DescribeIdOwner(2), "tab page 1");
    EXPECT_EQ(doc.DescribeIdOwner(6), "tab page 2");
    EXPECT_EQ(doc.DescribeIdOwner(4), "File:menu");
    EXPECT_EQ(doc.DescribeIdOwner(7), "Open:menu");
    EXPECT_EQ(doc.DescribeIdOwner(99), "");
}

TEST(CheckIdFree, FillsTheOwnerOnlyWhenTaken) {
    DialogDocument doc;
    TakeOneTwoFour(doc);
    QString owner = "untouched";
    EXPECT_TRUE(doc.CheckIdFree(3, owner));
    EXPECT_EQ(owner, "untouched");
    EXPECT_FALSE(doc.CheckIdFree(4, owner));
    EXPECT_EQ(owner, "File:menu");
}

TEST(CheckIdFree, WarningTextNamesTheIdAndItsOwner) {
    EXPECT_EQ(IdWarningCaption(), "ID Warning");
    EXPECT_EQ(IdInUseMessage(7, "File:menu"),
              "The ID \"7\" is already in use by File:menu.  Please choose a unique ID.");
    // Texts are not format strings.
    EXPECT_EQ(IdInUseMessage(3, "%1"),
              "The ID \"3\" is already in use by %1.  Please choose a unique ID.");
}

// --- Names -----------------------------------------------------------------------------------

TEST(ControlNames, ValidNamesAreAsciiLettersDigitsAndUnderscores) {
    const struct {
        const char* name;
        bool valid;
    } cases[] = {
        {"", false},           {"tabcontrol", false}, {"TabControl", false}, {"TABCONTROL", false},
        {"a-b", false},        {"my button", false},  {"x.y", false},        {"\xc3\x9cnal", false},
        {"ok_1", true},        {"Button1", true},     {"_", true},           {"9lives", true},
        {"tabcontrol2", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidControlName(QString::fromUtf8(c.name)), c.valid) << c.name;
}

TEST(ControlNames, FirstControlOfATypeGetsNumberOne) {
    DialogDocument doc;
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button1");
}

TEST(ControlNames, UniqueNameTakesTheSmallestFreeNumber) {
    DialogDocument doc;
    for (int i = 0; i < 3; ++i)
        doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button4");
    doc.DeleteControl(doc.FindControlByName("marovel_button2"));
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button2");
    EXPECT_EQ(doc.UniqueControlName("edit"), "marovel_edit1");
}

TEST(ControlNames, NamesCompareWithoutRegardToCase) {
    DialogDocument doc;
    doc.SetControlName(doc.CreateControl(ctButton, false, 0, 0, -1, -1, -1), "MAROVEL_BUTTON1");
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button2");
    EXPECT_NE(doc.FindControlByName("marovel_Button1"), nullptr);
    EXPECT_EQ(doc.FindControlByName("marovel_button2"), nullptr);
}

TEST(ControlNames, RenamingFreesTheOldNameAndTakesTheNewOne) {
    DialogDocument doc;
    for (int i = 0; i < 3; ++i)
        doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button4");
    TmvControl* second = doc.FindControlByName("marovel_button2");
    doc.SetControlName(second, "marovel_ok");
    EXPECT_EQ(doc.FindControlByName("marovel_button2"), nullptr);
    EXPECT_EQ(doc.FindControlByName("MAROVEL_OK"), second);
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button2");
    doc.SetControlName(second, "marovel_button2");
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button4");
    doc.ClearDialog();
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button1");
}

TEST(ControlNames, OnlyThePlainNumberTakesItsPlace) {
    DialogDocument doc;
    for (const char* name : {"marovel_button01", "marovel_button1x", "marovel_buttons"})
        doc.SetControlName(doc.CreateControl(ctButton, false, 0, 0, -1, -1, -1), name);
    EXPECT_EQ(doc.UniqueControlName("button"), "marovel_button1");
}

TEST(ControlNames, VisibleNameDropsThePrefixAndListTextAddsTheKeyword) {
    DialogDocument doc;
    const TmvControl* combo = doc.CreateControl(ctCombo, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(VisibleName(*combo), "combo1");
    EXPECT_EQ(ControlListText(*combo), "combo1: combo");
}

TEST(ControlNames, ManyControlsGetDistinctNamesQuickly) {
    DialogDocument doc;
    for (int i = 0; i < 20000; ++i)
        doc.CreateControl(ctText, true, 0, 0, 10, 10, -1);
    EXPECT_EQ(doc.ControlAt(doc.ControlCount() - 1)->Name(), "marovel_text20000");
    EXPECT_EQ(doc.NextFreeId(), 1);
}
