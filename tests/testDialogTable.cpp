// The whole dialog table, line by line.
#include <gtest/gtest.h>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogTable.h"
#include "surface/mvMenuEditing.h"

namespace {
void ExpectLines(const QStringList& actual, const QStringList& expected) {
    for (int i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const QString a = i < actual.size() ? actual[i] : QString("<missing>");
        const QString e = i < expected.size() ? expected[i] : QString("<missing>");
        EXPECT_EQ(a, e) << "line " << i + 1;
    }
}

// A dialog with every control type, the tab control's two pages filled in interleaved
// order, and nested menus with a break, a sub-menu, ok/cancel styles and backslash-t texts.
void BuildFullDialog(DialogDocument& doc) {
    doc.TableName = "full";
    doc.Title = "Full Test";
    doc.Local = true;
    doc.NoTheme = true;
    doc.Centered = false;
    doc.PosX = 10;
    doc.PosY = 20;
    doc.SetClientSize(400, 300);
    doc.IconPath = "icons\\app.ico";
    doc.IconIndex = 2;

    TmvControl* ok = Place(doc, ctButton, 10, 10, 75, 25); // ID 1
    ok->SetText("OK");
    ok->SetKind(1);
    static_cast<TmvButton*>(ok)->DefaultButton = true;
    Place(doc, ctTab, 100, 10, 201, 105);
    doc.AddTabPage();                                             // ID 2
    Place(doc, ctEdit, 110, 40, 80, 20, 0);                       // ID 3
    doc.AddTabPage();                                             // ID 4
    Place(doc, ctCombo, 110, 40, 100, 80, 1);                     // ID 5
    Place(doc, ctText, 10, 40, 60, 16)->SetText("Label");         // ID 6
    Place(doc, ctCheck, 110, 70, 90, 20, 0);                      // ID 7
    Place(doc, ctBox, 5, 70, 90, 100);                            // ID 8
    Place(doc, ctList, 10, 180, 80, 60);                          // ID 9
    TmvControl* radio = Place(doc, ctRadio, 110, 130, 90, 20, 1); // ID 10
    radio->SetAlignment(1);
    radio->SetKind(1);
    Place(doc, ctLink, 10, 250, 60, 16);                                               // ID 11
    Place(doc, ctIcon, 320, 10, 35, 35);                                               // ID 12
    static_cast<TmvScroll*>(Place(doc, ctScroll, 380, 10, 17, 100))->SetRange(0, 100); // ID 13

    TmvMenuNode* file = NewMenu(doc); // 14
    RenameMenuNode(doc, file, "&File");
    RenameMenuNode(doc, NewMenuItem(doc, file), "&Open\\tCtrl+O"); // 15
    RenameMenuNode(doc, NewMenuItem(doc, file), "-");              // 16
    TmvMenuNode* recent = NewMenuItem(doc, file);                  // 17
    RenameMenuNode(doc, recent, "Recent");
    RenameMenuNode(doc, NewMenuItem(doc, recent), "a\\\\tb"); // 18
    TmvMenuNode* exit = NewMenuItem(doc, file);               // 19
    RenameMenuNode(doc, exit, "E&xit");
    SetMenuNodeFlag(doc, exit, kMenuCancel, true);
    TmvMenuNode* help = NewMenu(doc); // 20
    RenameMenuNode(doc, help, "Help");
    TmvMenuNode* about = NewMenuItem(doc, help); // 21
    RenameMenuNode(doc, about, "About");
    SetMenuNodeFlag(doc, about, kMenuOk, true);
    TmvMenuNode* both = NewMenuItem(doc, help); // 22
    RenameMenuNode(doc, both, "Both");
    SetMenuNodeFlag(doc, both, kMenuOk, true);
    SetMenuNodeFlag(doc, both, kMenuCancel, true);
    doc.Menu.AddMenuEntry("-", 23, 0, 20); // a "-" with children is a sub-menu
    doc.Menu.AddMenuEntry("x", 24, 0, 23);
    RenameMenuNode(doc, NewMenu(doc), "Empty"); // 25
}
} // namespace

TEST(DialogTable, EmptyPixelDialogHasFiveLines) {
    DialogDocument doc;
    doc.SetClientSize(300, 200);
    ExpectLines(BuildDialogTable(doc), {"dialog new_table {", "  title \"New Project\"",
                                        "  size -1 -1 300 200", "  option pixels", "}"});
}

TEST(DialogTable, DbuModeConvertsTheClientSizeButNotThePosition) {
    DialogDocument doc;
    doc.UseDbu = true;
    doc.Centered = false;
    doc.PosX = 33;
    doc.PosY = 47;
    doc.SetClientSize(301, 203); // 301 * 4 / 8 = 150, 203 * 8 / 16 = 101
    doc.MenuBarHeight = 20;      // the imitated menu bar is not part of the client height
    EXPECT_EQ(BuildDialogTable(doc)[2], "  size 33 47 150 101");
    EXPECT_EQ(BuildDialogTable(doc)[3], "  option dbu");
}

TEST(DialogTable, CenteredWritesMinusOneWhateverThePosition) {
    DialogDocument doc;
    doc.PosX = 33;
    doc.PosY = 47;
    doc.SetClientSize(10, 20);
    EXPECT_EQ(BuildDialogTable(doc)[2], "  size -1 -1 10 20");
}

TEST(DialogTable, HeaderTitleAndOptionFollowTheirFlags) {
    const struct {
        bool local, noQuotes, noTheme, dbu;
        const char* header;
        const char* title;
        const char* option;
    } cases[] = {
        {false, false, false, false, "dialog t {", "  title \"A %1 \"b\"\"", "  option pixels"},
        {true, false, false, false, "dialog -l t {", "  title \"A %1 \"b\"\"", "  option pixels"},
        {false, true, false, false, "dialog t {", "  title A %1 \"b\"", "  option pixels"},
        {false, false, true, false, "dialog t {", "  title \"A %1 \"b\"\"",
         "  option pixels notheme"},
        {false, false, true, true, "dialog t {", "  title \"A %1 \"b\"\"", "  option dbu notheme"},
    };
    for (const auto& c : cases) {
        DialogDocument doc;
        doc.TableName = "t";
        doc.Title = "A %1 \"b\"";
        doc.Local = c.local;
        doc.NoQuotes = c.noQuotes;
        doc.NoTheme = c.noTheme;
        doc.UseDbu = c.dbu;
        const QStringList lines = BuildDialogTable(doc);
        EXPECT_EQ(lines[0], c.header);
        EXPECT_EQ(lines[1], c.title);
        EXPECT_EQ(lines[3], c.option);
    }
}

TEST(DialogTable, IconLineOnlyForAPathThatIsNotBlank) {
    const struct {
        const char* path;
        const char* line; // none: no icon line
    } cases[] = {
        {"", nullptr},
        {"   ", nullptr},
        {"app.ico", "  icon app.ico, 4"},
        {" my icons\\a.ico ", "  icon  my icons\\a.ico , 4"},
    };
    for (const auto& c : cases) {
        DialogDocument doc;
        doc.IconPath = c.path;
        doc.IconIndex = 4;
        const QStringList lines = BuildDialogTable(doc);
        if (c.line) {
            ASSERT_EQ(lines.size(), 6);
            EXPECT_EQ(lines[4], c.line);
        } else {
            EXPECT_EQ(lines.size(), 5) << c.path;
        }
    }
}

TEST(DialogTable, MenuLinesByKindOfNode) {
    DialogDocument doc;
    doc.Menu.AddMenuEntry("Lonely", 1, 0, -1);
    doc.Menu.AddMenuEntry("Top", 2, 0, -1);
    doc.Menu.AddMenuEntry("Sub", 3, 0, 2);
    doc.Menu.AddMenuEntry("Leaf", 4, 0, 3);
    doc.Menu.AddMenuEntry("-", 5, 0, 2);
    doc.Menu.AddMenuEntry("Quote \"q\"", 6, kMenuOk | kMenuCancel, 2);
    doc.Menu.AddMenuEntry("TopOk", 7, kMenuOk, -1);
    const QStringList lines = BuildDialogTable(doc);
    ExpectLines(lines.mid(4),
                {"  menu \"Lonely\", 1", "  menu \"Top\", 2", "  menu \"Sub\", 3, 2",
                 "  item \"Leaf\", 4, 3", "  item break, 5, 2",
                 "  item \"Quote \"q\"\", 6, 2, ok cancel", "  menu \"TopOk\", 7, ok", "}"});
}

TEST(DialogTable, TabControlWithoutPagesWritesNoLine) {
    DialogDocument doc;
    Place(doc, ctTab, 0, 0, -1, -1);
    EXPECT_EQ(BuildDialogTable(doc).size(), 5);
}

TEST(DialogTable, FullPixelDialog) {
    DialogDocument doc;
    BuildFullDialog(doc);
    ExpectLines(BuildDialogTable(doc),
                {
                    "dialog -l full {",
                    "  title \"Full Test\"",
                    "  size 10 20 400 300",
                    "  option pixels notheme",
                    "  icon icons\\app.ico, 2",
                    "  button \"OK\", 1, 10 10 75 25, default ok",
                    "  tab \"Tab 1\", 2, 100 10 200 100",
                    "  edit \"\", 3, 110 40 80 20, tab 2",
                    "  check \"Check Box\", 7, 110 70 90 20, tab 2",
                    "  tab \"Tab 2\", 4",
                    "  combo 5, 110 40 100 80, tab 4 size",
                    "  radio \"Radio Button\", 10, 110 130 90 20, tab 4 left push",
                    "  text \"Label\", 6, 10 40 60 16",
                    "  box \"Group Box\", 8, 5 70 90 100",
                    "  list 9, 10 180 80 60, size",
                    "  link \"Hyperlink\", 11, 10 250 60 16",
                    "  icon 12, 321 11 32 32",
                    "  scroll \"\", 13, 380 10 17 100, range 0 100",
                    "  menu \"&File\", 14",
                    "  item \"&Open\tCtrl+O\", 15, 14",
                    "  item break, 16, 14",
                    "  menu \"Recent\", 17, 14",
                    "  item \"a\\tb\", 18, 17",
                    "  item \"E&xit\", 19, 14, cancel",
                    "  menu \"Help\", 20",
                    "  item \"About\", 21, 20, ok",
                    "  item \"Both\", 22, 20, ok cancel",
                    "  menu \"-\", 23, 20",
                    "  item \"x\", 24, 23",
                    "  menu \"Empty\", 25",
                    "}",
                });
}

TEST(DialogTable, FullDbuDialog) {
    DialogDocument doc;
    doc.UseDbu = true;
    BuildFullDialog(doc);
    // Base units 8 x 16: x and widths halve, y and heights halve, after quantizing to whole
    // units on creation (odd pixel values lose one).
    ExpectLines(BuildDialogTable(doc),
                {
                    "dialog -l full {",
                    "  title \"Full Test\"",
                    "  size 10 20 200 150",
                    "  option dbu notheme",
                    "  icon icons\\app.ico, 2",
                    "  button \"OK\", 1, 5 5 37 12, default ok",
                    "  tab \"Tab 1\", 2, 50 5 99 49",
                    "  edit \"\", 3, 55 20 40 10, tab 2",
                    "  check \"Check Box\", 7, 55 35 45 10, tab 2",
                    "  tab \"Tab 2\", 4",
                    "  combo 5, 55 20 50 40, tab 4 size",
                    "  radio \"Radio Button\", 10, 55 65 45 10, tab 4 left push",
                    "  text \"Label\", 6, 5 20 30 8",
                    "  box \"Group Box\", 8, 2 35 45 50",
                    "  list 9, 5 90 40 30, size",
                    "  link \"Hyperlink\", 11, 5 125 30 8",
                    "  icon 12, 160 5 15 15",
                    "  scroll \"\", 13, 190 5 8 50, range 0 100",
                    "  menu \"&File\", 14",
                    "  item \"&Open\tCtrl+O\", 15, 14",
                    "  item break, 16, 14",
                    "  menu \"Recent\", 17, 14",
                    "  item \"a\\tb\", 18, 17",
                    "  item \"E&xit\", 19, 14, cancel",
                    "  menu \"Help\", 20",
                    "  item \"About\", 21, 20, ok",
                    "  item \"Both\", 22, 20, ok cancel",
                    "  menu \"-\", 23, 20",
                    "  item \"x\", 24, 23",
                    "  menu \"Empty\", 25",
                    "}",
                });
}

TEST(DialogTable, CreationOrderRewriteReordersTheLines) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 0, 0, 10, 10);
    TmvControl* b = Place(doc, ctBox, 0, 0, 10, 10);
    doc.CreationOrder = {b, a};
    const QStringList lines = BuildDialogTable(doc);
    EXPECT_EQ(lines[4], "  box \"Group Box\", 2, 0 0 10 10");
    EXPECT_EQ(lines[5], "  button \"Button\", 1, 0 0 10 10");
}

TEST(DialogTable, JoinPutsCrLfAfterEveryLine) {
    EXPECT_EQ(JoinTableLines({"dialog a {", "}"}), "dialog a {\r\n}\r\n");
    EXPECT_EQ(JoinTableLines({}), "");
    DialogDocument doc;
    EXPECT_EQ(JoinTableLines(BuildDialogTable(doc)).count("\r\n"), 5);
}
