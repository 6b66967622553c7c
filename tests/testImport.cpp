// The table import: status lines, dialog-level lines, icons, tab pages, menus and the errors
// it reports with their line numbers.
#include <gtest/gtest.h>

#include "support/testHelpers.h"
#include "support/testImportRun.h"

namespace {
QString S(const char* text) {
    return QString::fromUtf8(text);
}

const char* const kSmallTable = R"(dialog -l greet {
  title "Greeting"
  size -1 -1 200 100
  option pixels
  text "Your name:", 1, 5 5 80 16
  edit "", 2, 90 5 100 21, autohs
  button "OK", 3, 115 70 75 25, default ok
  menu "File", 10
  item "Close", 11, 10, cancel
})";
} // namespace

TEST(Import, CleanRunWritesTheProgressLinesAndClosesTheStatus) {
    ImportRun run;
    run.Time = SteppingClock(5000, 235);
    EXPECT_EQ(run.Run(TableLines(kSmallTable)), TmvImportResult::Imported);
    const QStringList expected = {
        S("Parsing dialog table and processing menus..."),
        S(""),
        S("Parsed 10 lines."),
        S("Loaded 2 menus."),
        S(""),
        S("Loading controls..."),
        S("Loaded 3 controls."),
        S(""),
        S("Done. (0.235s)"),
    };
    EXPECT_EQ(run.Status.Lines, expected);
    EXPECT_EQ(run.Status.Clears, 1);
    EXPECT_EQ(run.Status.Shows, 1);
    EXPECT_EQ(run.Status.Hides, 1);
    ASSERT_FALSE(run.Status.Progress.empty());
    EXPECT_EQ(run.Status.Progress.back(), 100);
}

TEST(Import, StatusStaysOpenWhenCloseStatusIsOff) {
    ImportRun run;
    run.Options.CloseStatus = false;
    run.Run(TableLines(kSmallTable));
    EXPECT_EQ(run.Status.Hides, 0);
}

TEST(Import, ProgressRisesToOneHundredForLinesAndAgainForControls) {
    ImportRun run;
    run.Run(TableLines(kSmallTable));
    const std::vector<int>& p = run.Status.Progress;
    // 10 lines: 10, 20, ... 100; then reset to 0; 3 controls: 33, 67, 100.
    const std::vector<int> expected = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 33, 67, 100};
    EXPECT_EQ(p, expected);
}

TEST(Import, ErrorsAreReportedWithTheirLineAndKeepTheStatusOpen) {
    ImportRun run;
    const QStringList lines = {S("dialog bad {"), S("  size -1 -1 200 100"),
                               S("  button \"OK\", 1, 10 x 75 25, ok"), S("}")};
    EXPECT_EQ(run.Run(lines), TmvImportResult::WithErrors);
    const QStringList& out = run.Status.Lines;
    const int at = int(out.indexOf(S("Error: Invalid integer value: \"x\"")));
    ASSERT_GE(at, 0) << out.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(out[at + 1], S("   Line 3:   button \"OK\", 1, 10 x 75 25, ok"));
    EXPECT_EQ(out[at + 2], S(""));
    EXPECT_EQ(out.mid(out.size() - 3),
              QStringList({S("Warning: There were errors."), S(""), S("Done. (0s)")}));
    EXPECT_EQ(run.Status.Hides, 0);
    EXPECT_EQ(run.Doc.ControlCount(), 0); // a bad coordinate skips the control
}

TEST(Import, StartsANewProjectAndMarksItUnsaved) {
    ImportRun run;
    run.Doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    run.Doc.FileName = S("/tmp/old.mv");
    run.Run(TableLines(kSmallTable));
    EXPECT_EQ(run.Doc.ControlCount(), 3);
    EXPECT_TRUE(run.Doc.FileName.isEmpty());
    EXPECT_TRUE(run.Doc.Modified);
    EXPECT_FALSE(run.Doc.UpdatesSuspended);
    EXPECT_EQ(run.Doc.CurrentControl, nullptr);
}

TEST(Import, RefusedNewProjectLeavesTheCurrentOneAlone) {
    ImportRun run;
    run.Doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    run.Doc.Modified = true;
    int asked = 0;
    run.Options.StartNewProject = [&](DialogDocument&) {
        ++asked;
        return false;
    };
    EXPECT_EQ(run.Run(TableLines(kSmallTable)), TmvImportResult::Cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(run.Doc.ControlCount(), 1);
    EXPECT_EQ(run.Doc.TableName, S("new_table"));
    EXPECT_TRUE(run.Status.Lines.isEmpty());
}

TEST(Import, AcceptedNewProjectIsStartedByTheCaller) {
    ImportRun run;
    run.Options.StartNewProject = [](DialogDocument& doc) {
        doc.ResetForNew();
        return true;
    };
    EXPECT_EQ(run.Run(TableLines(kSmallTable)), TmvImportResult::Imported);
    EXPECT_EQ(run.Doc.TableName, S("greet"));
}

TEST(ImportDialog, HeaderGivesNameAndLocal) {
    ImportRun run;
    run.Run({S("dialog -l MyTable {"), S("size -1 -1 100 50"), S("}")});
    EXPECT_EQ(run.Doc.TableName, S("MyTable"));
    EXPECT_TRUE(run.Doc.Local);
    run.Run({S("dialog other {"), S("size -1 -1 100 50"), S("}")});
    EXPECT_EQ(run.Doc.TableName, S("other"));
    EXPECT_FALSE(run.Doc.Local);
}

TEST(ImportDialog, TableWithoutHeaderIsNamedImportTable) {
    ImportRun run;
    run.Run({S("button \"OK\", 1, 5 5 75 25, ok")});
    EXPECT_EQ(run.Doc.TableName, S("import_table"));
    EXPECT_EQ(run.Doc.Title, S("import_table"));
}

TEST(ImportDialog, NoTitleLineGivesTheTableNameAsTitle) {
    ImportRun run;
    run.Run({S("dialog notitle {"), S("size -1 -1 100 50"), S("}")});
    EXPECT_EQ(run.Doc.Title, S("notitle"));
    EXPECT_FALSE(run.Doc.NoQuotes);
}

TEST(ImportDialog, TitleLosesItsQuotesAndKeepsItsQuoting) {
    ImportRun run;
    run.Run({S("dialog t {"), S("title \"My \"best\" dialog\""), S("}")});
    EXPECT_EQ(run.Doc.Title, S("My \"best\" dialog"));
    EXPECT_FALSE(run.Doc.NoQuotes);
    run.Run({S("dialog t {"), S("title $me's   dialog"), S("}")});
    EXPECT_EQ(run.Doc.Title, S("$me's dialog"));
    EXPECT_TRUE(run.Doc.NoQuotes);
}

TEST(ImportDialog, NoSizeLineKeepsTheSurfaceSizeAndCentres) {
    ImportRun run;
    run.Doc.SetClientSize(333, 222);
    run.Run({S("dialog s {"), S("}")});
    EXPECT_EQ(run.Doc.ClientWidth, 333);
    EXPECT_EQ(run.Doc.ClientHeight, 222);
    EXPECT_TRUE(run.Doc.Centered);
}

TEST(ImportDialog, DbuSizeLineIsConvertedToPixelsAndCentred) {
    ImportRun run;
    run.Run({S("dialog s {"), S("size -1 -1 200 100"), S("option dbu"), S("}")});
    EXPECT_TRUE(run.Doc.UseDbu);
    EXPECT_TRUE(run.Doc.Centered);
    EXPECT_EQ(run.Doc.ClientWidth, 400);  // 200 * 8 / 4
    EXPECT_EQ(run.Doc.ClientHeight, 200); // 100 * 16 / 8
}

TEST(ImportDialog, PositionIsKeptAsWritten) {
    ImportRun run;
    run.Run({S("dialog s {"), S("size 30 -1 150 90"), S("option dbu notheme"), S("}")});
    EXPECT_FALSE(run.Doc.Centered);
    EXPECT_EQ(run.Doc.PosX, 30);
    EXPECT_EQ(run.Doc.PosY, -1);
    EXPECT_TRUE(run.Doc.NoTheme);
}

TEST(ImportDialog, SizeNumbersMayBeSeparatedByCommasOrTabs) {
    ImportRun run;
    run.Run({S("dialog s {"), S("size 5,\t6, 70 80"), S("}")});
    EXPECT_TRUE(run.Errors().isEmpty());
    EXPECT_EQ(run.Doc.PosX, 5);
    EXPECT_EQ(run.Doc.PosY, 6);
    EXPECT_EQ(run.Doc.ClientWidth, 70);
    EXPECT_EQ(run.Doc.ClientHeight, 80);
}

TEST(ImportDialog, BadSizeWordsAreReportedAndKeepTheirInitialValue) {
    ImportRun run;
    run.Run({S("dialog s {"), S("size 10 abc 200"), S("}")});
    EXPECT_EQ(run.Errors(), QStringList({S("Error: Invalid integer value: \"abc\""),
                                         S("Error: Invalid integer value: \"\"")}));
    EXPECT_EQ(run.Doc.PosX, 10);
    EXPECT_EQ(run.Doc.PosY, -1);
    EXPECT_EQ(run.Doc.ClientWidth, 200);
    EXPECT_EQ(run.Doc.ClientHeight, 240);
}

TEST(ImportDialog, OptionWordsAreWholeWords) {
    ImportRun run;
    run.Doc.UseDbu = true;
    run.Run({S("dialog o {"), S("option pixels dbux nothemes"), S("}")});
    EXPECT_FALSE(run.Doc.UseDbu);
    EXPECT_FALSE(run.Doc.NoTheme);
    run.Run({S("dialog o {"), S("OPTION DBU, NoTheme"), S("}")});
    EXPECT_TRUE(run.Doc.UseDbu);
    EXPECT_TRUE(run.Doc.NoTheme);
}

TEST(ImportDialog, LinesAfterTheClosingBraceAndCommentsAreIgnored) {
    ImportRun run;
    run.Run({S("dialog c {"), S("; button \"No\", 9, 1 1 1 1"), S("  button \"Yes\", 1, 1 1 50 20"),
             S("}"), S("button \"After\", 2, 1 1 50 20"), S("alias -l opendlg dialog -m c c"),
             S("title \"late\"")});
    EXPECT_EQ(run.Doc.ControlCount(), 1);
    EXPECT_EQ(run.Doc.Title, S("c"));
    EXPECT_EQ(run.Status.Lines[2], S("Parsed 7 lines."));
}

TEST(ImportDialog, UnknownKeywordsAndBareLinesAreSkipped) {
    ImportRun run;
    EXPECT_EQ(run.Run({S("dialog u {"), S("{"), S("frobnicate 1 2 3"), S("  "), S("option pixels"),
                       S("}")}),
              TmvImportResult::Imported);
    EXPECT_EQ(run.Doc.ControlCount(), 0);
    // Without a line it reads the table is refused, and the document stays as it was.
    EXPECT_EQ(run.Run({S("dialog v {"), S("{"), S("frobnicate 1 2 3"), S("}"), S("title \"x\"")}),
              TmvImportResult::Refused);
    EXPECT_EQ(run.Doc.TableName, S("u"));
    EXPECT_EQ(run.Errors(), QStringList{S("Error: The table holds no line to read beside its "
                                          "header: \"dialog v {\"")});
}

TEST(ImportIcon, FileAndIndexLineIsTheDialogIcon) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon C:\\mirc\\icons\\away.ico, 3"), S("}")});
    EXPECT_EQ(run.Doc.IconPath, S("C:\\mirc\\icons\\away.ico"));
    EXPECT_EQ(run.Doc.IconIndex, 3);
    EXPECT_EQ(run.Doc.ControlCount(), 0);
}

TEST(ImportIcon, FileAloneIsTheDialogIcon) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon $mircdirstar.ico"), S("}")});
    EXPECT_EQ(run.Doc.IconPath, S("$mircdirstar.ico"));
    EXPECT_EQ(run.Doc.IconIndex, 0);
    EXPECT_EQ(run.Doc.ControlCount(), 0);
}

TEST(ImportIcon, LineWithRectangleIsAnIconControl) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon 5, 10 20 32 32, logo.ico, 2, noborder"), S("}")});
    ASSERT_EQ(run.Doc.ControlCount(), 1);
    auto& icon = run.As<TmvIcon>(5);
    EXPECT_EQ(icon.FileName, S("logo.ico"));
    EXPECT_EQ(icon.IconIndex, 2);
    EXPECT_FALSE(icon.Border);
    EXPECT_TRUE(run.Doc.IconPath.isEmpty());
}

TEST(ImportIcon, FolderNamedLikeAStyleDoesNotAlign) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon 5, 10 20 32 32, C:\\top\\left\\logo.ico, 0"), S("}")});
    auto& icon = run.As<TmvIcon>(5);
    EXPECT_EQ(icon.FileName, S("C:\\top\\left\\logo.ico"));
    EXPECT_EQ(icon.Alignment, 0);
    EXPECT_TRUE(icon.Border);
}

TEST(ImportIcon, FileWithoutIndexKeepsTheStylesAfterIt) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon 5, 10 20 32 32, logo.ico, bottom noborder"), S("}")});
    auto& icon = run.As<TmvIcon>(5);
    EXPECT_EQ(icon.FileName, S("logo.ico"));
    EXPECT_EQ(icon.IconIndex, 0);
    EXPECT_EQ(icon.Alignment, 3);
    EXPECT_FALSE(icon.Border);
}

TEST(ImportIcon, FileWithoutCommaTakesTheWholeStyleField) {
    ImportRun run;
    run.Run({S("dialog i {"), S("icon 5, 10 20 32 32, C:\\pics\\top logo.bmp"), S("}")});
    auto& icon = run.As<TmvIcon>(5);
    EXPECT_EQ(icon.FileName, S("C:\\pics\\top logo.bmp"));
    EXPECT_EQ(icon.Alignment, 0);
}

TEST(ImportTab, FirstTabLineCreatesTheControlAndItsFirstPage) {
    ImportRun run;
    run.Run({S("dialog t {"), S("tab \"General\", 10, 5 5 200 100"), S("tab \"Colours\", 11"),
             S("tab Extra, 12"), S("}")});
    ASSERT_NE(run.Doc.TabControl, nullptr);
    EXPECT_EQ(run.Doc.ControlCount(), 1);
    TmvTab& tab = *run.Doc.TabControl;
    ASSERT_EQ(tab.PageCount(), 3);
    EXPECT_EQ(tab.Page(0)->ID, 10);
    EXPECT_EQ(tab.Page(0)->Caption, S("General"));
    EXPECT_EQ(tab.Page(1)->ID, 11);
    EXPECT_EQ(tab.Page(1)->Caption, S("Colours"));
    EXPECT_EQ(tab.Page(2)->Caption, S("Extra"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(tab.Page(i)->StaticID);
    EXPECT_FALSE(tab.Page(0)->NoQuotes);
    EXPECT_TRUE(tab.Page(2)->NoQuotes);
    EXPECT_EQ(tab.ActivePage, 0);
    EXPECT_EQ(tab.LogicalRect(), QRect(5, 5, 200, 100));
    EXPECT_EQ(tab.BoundsRect(), QRect(5, 5, 201, 105));
}

TEST(ImportTab, TabWordPutsControlsOnTheirPage) {
    ImportRun run;
    run.Run({S("dialog t {"), S("tab \"A\", 10, 5 5 200 100"),
             S("check \"c\", 1, 10 30 50 20, tab 10"), S("tab \"B\", 11"),
             S("edit \"\", 2, 10 30 50 20, tab 11 read"),
             S("button \"x\", 3, 10 150 50 20, tab 99"), S("}")});
    TmvTab& tab = *run.Doc.TabControl;
    EXPECT_EQ(run.ById(1)->TabIndex, 0);
    EXPECT_EQ(run.ById(2)->TabIndex, 1);
    EXPECT_EQ(tab.Page(1)->Controls, std::vector<TmvControl*>{run.ById(2)});
    EXPECT_LT(run.ById(3)->TabIndex, 0); // no page 99: the dialog
    // Page 0 is shown at the end: only its controls are visible.
    EXPECT_TRUE(run.ById(1)->Visible);
    EXPECT_FALSE(run.ById(2)->Visible);
}

TEST(ImportTab, BadTabIdIsReported) {
    ImportRun run;
    run.Run({S("dialog t {"), S("tab \"A\", 10, 5 5 200 100"),
             S("check \"c\", 1, 10 30 50 20, tab x")});
    EXPECT_EQ(run.Errors(), QStringList({S("Error: Invalid tab id: \"x\"")}));
    EXPECT_LT(run.ById(1)->TabIndex, 0);
}

TEST(ImportControl, IdsComeFromTheTableAndAreLocked) {
    ImportRun run;
    run.Run({S("dialog t {"), S("button \"a\", 42, 1 2 3 4"), S("radio \"b\", 7, 1 2 3 4")});
    ASSERT_EQ(run.Doc.ControlCount(), 2);
    EXPECT_EQ(run.Control(0)->ID, 42);
    EXPECT_TRUE(run.Control(0)->StaticID);
    EXPECT_EQ(run.Control(1)->ID, 7);
    EXPECT_EQ(run.Control(0)->Name(), S("marovel_button1"));
}

TEST(ImportControl, NonIntegerIdIsReportedAndNotCreated) {
    ImportRun run;
    run.Run({S("dialog t {"), S("button \"a\", one, 1 2 3 4"), S("button \"b\", 2, 1 2 3 4")});
    EXPECT_EQ(run.Errors(), QStringList({S("Error: Invalid integer value: \"one\"")}));
    EXPECT_EQ(run.Status.Lines[run.Status.Lines.indexOf(run.Errors()[0]) + 1],
              S("   Line 2: button \"a\", one, 1 2 3 4"));
    ASSERT_EQ(run.Doc.ControlCount(), 1);
    EXPECT_EQ(run.Control(0)->ID, 2);
}

TEST(ImportControl, EachBadCoordinateIsReported) {
    ImportRun run;
    run.Run({S("dialog t {"), S("edit \"\", 3, 1 a 3"), S("text \"x\", 4, 1 2 3 99999")});
    EXPECT_EQ(run.Errors(), QStringList({S("Error: Invalid integer value: \"a\""),
                                         S("Error: Invalid integer value: \"\""),
                                         S("Error: Invalid integer value: \"99999\"")}));
    EXPECT_EQ(run.Doc.ControlCount(), 0);
}

TEST(ImportControl, UnquotedTextKeepsItsBlanksAndIsWrittenBare) {
    ImportRun run;
    run.Run({S("dialog t {"), S("button OK now, 5, 1 2 75 25, ok")});
    const TmvControl& b = *run.ById(5);
    EXPECT_EQ(b.Text, S("OK now"));
    EXPECT_TRUE(b.NoQuotes);
    EXPECT_EQ(b.Kind, 1);
}

TEST(ImportControl, DbuRectanglesAreConvertedToPixels) {
    ImportRun run;
    run.Run({S("dialog t {"), S("option dbu"), S("button \"a\", 1, 10 20 30 40")});
    EXPECT_EQ(run.ById(1)->BoundsRect(), QRect(20, 40, 60, 80));
}

TEST(ImportMenu, MenusItemsBreaksAndParents) {
    ImportRun run;
    run.Run(TableLines(R"(dialog m {
  menu "&File", 10
  item "&Open", 11
  item break, 12
  menu "Recent", 13, 10
  item "one.mv", 14
  item "&Quit", 15, 10, ok
  menu "&Help", 20
  item "-", 21, 20
  item "About", 22, 20, ok cancel
})"));
    const TmvMenuTree& menu = run.Doc.Menu;
    ASSERT_EQ(menu.TopLevel().size(), 2u);
    const TmvMenuNode& file = *menu.TopLevel()[0];
    EXPECT_EQ(file.Text, S("&File"));
    EXPECT_EQ(file.Id(), 10);
    EXPECT_EQ(file.Flags(), kMenuFixedId);
    ASSERT_EQ(file.Children.size(), 4u);
    EXPECT_EQ(file.Children[0]->Text, S("&Open"));
    EXPECT_EQ(file.Children[1]->Text, S("-"));
    EXPECT_EQ(file.Children[1]->Id(), 12);
    const TmvMenuNode& recent = *file.Children[2];
    EXPECT_EQ(recent.Text, S("Recent"));
    ASSERT_EQ(recent.Children.size(), 1u);
    EXPECT_EQ(recent.Children[0]->Text, S("one.mv"));
    EXPECT_EQ(file.Children[3]->Text, S("&Quit"));
    EXPECT_EQ(file.Children[3]->Flags(), kMenuFixedId | kMenuOk);
    const TmvMenuNode& help = *menu.TopLevel()[1];
    ASSERT_EQ(help.Children.size(), 2u);
    EXPECT_EQ(help.Children[0]->Text, S("- ")); // a dash item, not a separator
    EXPECT_EQ(help.Children[1]->Flags(), kMenuFixedId | kMenuOk | kMenuCancel);
    EXPECT_EQ(run.Status.Lines[3], S("Loaded 9 menus."));
}

TEST(ImportMenu, ItemBreakGoesUnderTheCurrentMenu) {
    ImportRun run;
    run.Run({S("menu \"Edit\", 5"), S("item break, 10")});
    const TmvMenuNode& edit = *run.Doc.Menu.TopLevel()[0];
    ASSERT_EQ(edit.Children.size(), 1u);
    EXPECT_EQ(edit.Children[0]->Text, S("-"));
    EXPECT_EQ(edit.Children[0]->Id(), 10);
}

TEST(ImportMenu, QuotedBreakIsAnItemCalledBreak) {
    ImportRun run;
    run.Run({S("menu \"Edit\", 5"), S("item \"break\", 10")});
    EXPECT_EQ(run.Doc.Menu.TopLevel()[0]->Children[0]->Text, S("break"));
}

TEST(ImportMenu, SubMenuFlagsAreRead) {
    ImportRun run;
    run.Run({S("menu \"A\", 5"), S("menu \"B\", 6, 5, cancel"), S("item \"c\", 7, 6")});
    EXPECT_EQ(run.Doc.Menu.FindById(6)->Flags(), kMenuFixedId | kMenuCancel);
}

TEST(ImportMenu, OkInsideAnotherWordIsNoFlag) {
    ImportRun run;
    run.Run({S("menu \"A\", 5"), S("item \"Look\", 7, 5, okay, cancelled")});
    EXPECT_EQ(run.Doc.Menu.FindById(7)->Flags(), kMenuFixedId);
}

TEST(ImportMenu, BadIdsAndParentsAreReportedAndSkipped) {
    ImportRun run;
    run.Run(
        {S("menu \"A\", x"), S("menu \"B\", 70000"), S("menu \"C\", 5"), S("item \"d\", 6, 99")});
    EXPECT_EQ(run.Errors(), QStringList({S("Error: Invalid integer value: \"x\""),
                                         S("Error: Invalid menu ID: \"70000\""),
                                         S("Error: Unknown menu parent ID: \"99\"")}));
    EXPECT_EQ(run.Doc.Menu.NodeCount(), 1);
    EXPECT_EQ(run.Status.Lines.indexOf(S("   Line 4: item \"d\", 6, 99")),
              run.Status.Lines.indexOf(run.Errors()[2]) + 1);
}

TEST(ImportDialog, HeaderWordsMayBeSeparatedByTabs) {
    ImportRun run;
    run.Run({S("dialog\t-l\tmytab\t{"), S("size -1 -1 100 50"), S("}")});
    EXPECT_EQ(run.Doc.TableName, S("mytab"));
    EXPECT_TRUE(run.Doc.Local);
}

TEST(ImportDialog, OptionWordsTheDialogDoesNotModelAreKept) {
    ImportRun run;
    EXPECT_EQ(run.Run({S("dialog o {"), S("  option Map dbu pixels notheme disable"), S("}")}),
              TmvImportResult::Imported);
    EXPECT_TRUE(run.Doc.UseDbu);
    EXPECT_TRUE(run.Doc.NoTheme);
    EXPECT_EQ(run.Doc.OtherOptions, S("Map disable"));
    EXPECT_EQ(BuildDialogTable(run.Doc)[3], S("  option dbu notheme Map disable"));
    EXPECT_TRUE(
        run.Status.Lines.contains(S(R"(Warning: Option words kept as written: "Map disable")")));
}

TEST(ImportIcon, FileAndIndexAreReadWhateverBlanksStandAroundTheCommas) {
    ImportRun run;
    run.Run({S("dialog i {"), S(R"(  icon 200, 355 5 170 146 , icons\main.ico , 3 , top)"),
             S(R"(  icon 201, 5 5 32 32 ,icons\b.ico)"), S("}")});
    auto& first = run.As<TmvIcon>(200);
    EXPECT_EQ(first.FileName, S(R"(icons\main.ico)"));
    EXPECT_EQ(first.IconIndex, 3);
    EXPECT_EQ(first.Alignment, 1);
    EXPECT_EQ(run.As<TmvIcon>(201).FileName, S(R"(icons\b.ico)"));
}

TEST(ImportControl, RectangleOfMinusOnesIsKeptAsWritten) {
    ImportRun run;
    run.Run({S("dialog h {"), S(R"(  button "", 1, -1 -1 -1 -1, ok)"), S("}")});
    EXPECT_EQ(run.ById(1)->BuildLine(), S(R"(button "", 1, -1 -1 -1 -1, ok)"));
}

TEST(ImportControl, DuplicateIdsAreWarnedOfWithTheirLines) {
    ImportRun run;
    EXPECT_EQ(run.Run(TableLines(R"(dialog d {
  button "A", 5, 1 2 3 4
  tab "P", 6, 1 2 100 100
  text "B", 5, 1 2 3 4
  tab "Q", 6
  menu "File", 7
  item "Exit", 5, 7
  edit "", 0, 1 2 3 4
  edit "", 0, 1 2 3 4
})")),
              TmvImportResult::Imported);
    QStringList warnings;
    for (const QString& line : run.Status.Lines)
        if (line.startsWith(S("Warning: ID"))) warnings << line;
    const QStringList expected = {
        S(R"(Warning: ID already used on line 2: "5")"),
        S(R"(Warning: ID already used on line 3: "6")"),
        S(R"(Warning: ID already used on line 2: "5")"),
    };
    EXPECT_EQ(warnings, expected);
    EXPECT_TRUE(run.Status.Lines.contains(S(R"(   Line 7:   item "Exit", 5, 7)")));
    EXPECT_TRUE(run.Status.Lines.contains(S(R"(   Line 4:   text "B", 5, 1 2 3 4)")));
}

TEST(ImportTab, PageDefinedLaterIsWarnedOfAndTheWordsKept) {
    ImportRun run;
    EXPECT_EQ(run.Run(TableLines(R"(dialog t {
  check "early", 3, 1 2 3 4, tab 2
  tab "A", 1, 5 5 200 100
  tab "B", 2
  check "nowhere", 4, 1 2 3 4, tab 9
})")),
              TmvImportResult::Imported);
    EXPECT_LT(run.ById(3)->TabIndex, 0);
    EXPECT_TRUE(
        run.Status.Lines.contains(S(R"(Warning: Tab page defined later in the table: "2")")));
    EXPECT_TRUE(run.Status.Lines.contains(S(R"(   Line 2:   check "early", 3, 1 2 3 4, tab 2)")));
    EXPECT_TRUE(run.Status.Lines.contains(S(R"(Warning: No tab page with this ID: "9")")));
    EXPECT_EQ(run.ById(3)->BuildLine(), S(R"(check "early", 3, 1 2 3 4, tab 2)"));
}
