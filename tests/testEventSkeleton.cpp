// The event handlers a dialog needs, as the code viewer's second page shows them.
#include <gtest/gtest.h>

#include "io/mvEventSkeleton.h"
#include "support/testHelpers.h"
#include "support/testImportRun.h"

namespace {
// Every control type, a control of ID 0 and a menu with a sub-menu, a break and an item of ID 0.
const char* const kEveryType = R"(dialog -l opts {
  title "Options"
  size -1 -1 200 150
  option dbu
  button "OK", 1, 5 130 40 12, ok
  edit "", 2, 5 5 100 10
  combo 3, 5 20 100 50, drop
  text "Nick:", 4, 5 35 40 8
  box "Group", 5, 110 5 80 60
  list 6, 5 50 100 40
  check "Beep", 7, 115 15 60 10
  radio "Loud", 8, 115 25 60 10, group
  link "Home", 9, 115 35 60 8
  icon 10, 115 45 16 16
  tab "One", 11, 5 95 190 30
  tab "Two", 12
  scroll "", 13, 180 70 8 50
  button "Unaddressed", 0, 50 130 40 12
  list 0, 120 70 40 40
  menu "&File", 20
  item "&Open", 21, 20
  item break, 22, 20
  menu "Recent", 23, 20
  item "a.txt", 24, 23
  item "Lost", 0, 20
})";
} // namespace

TEST(EventSkeleton, EveryClickableControlAndMenuItemGetsAHandler) {
    ImportRun run;
    run.Run(TableLines(kEveryType));
    run.Doc.SetControlName(run.ById(1), QStringLiteral("marovel_okButton"));
    const QStringList expected = {
        "alias opts { dialog -m opts opts }",
        "",
        "on *:dialog:opts:init:0:{",
        "  ; did -a opts 3 <text>    (combo combo1)",
        "  ; did -a opts 6 <text>    (list list1)",
        "}",
        "",
        "; button okButton \"OK\"",
        "on *:dialog:opts:sclick:1:{ }",
        "",
        "; check check1 \"Beep\"",
        "on *:dialog:opts:sclick:7:{ }",
        "",
        "; radio radio1 \"Loud\"",
        "on *:dialog:opts:sclick:8:{ }",
        "",
        "; link link1 \"Home\"",
        "on *:dialog:opts:sclick:9:{ }",
        "",
        "; menu item \"&Open\"",
        "on *:dialog:opts:menu:21:{ }",
        "",
        "; menu item \"a.txt\"",
        "on *:dialog:opts:menu:24:{ }",
        "",
        "on *:dialog:opts:close:0:{ }",
    };
    EXPECT_EQ(BuildEventSkeleton(run.Doc), expected);
}

TEST(EventSkeleton, ADialogWithoutListsHasAnEmptyInit) {
    ImportRun run;
    run.Run(TableLines("dialog t {\n  text \"x\", 1, 1 1 9 9\n}"));
    EXPECT_EQ(BuildEventSkeleton(run.Doc),
              QStringList({"alias t { dialog -m t t }", "", "on *:dialog:t:init:0:{ }", "",
                           "on *:dialog:t:close:0:{ }"}));
}
