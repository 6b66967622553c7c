// Whole tables read and written again: import followed by BuildDialogTable gives the table
// back line for line, in pixels and in dialog units.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/testHelpers.h"
#include "support/testImportRun.h"
#include "support/testProjectHelpers.h"

namespace {
// An away system in dialog units, with every control type but the tab control and a menu.
const char* const kAwayTable = R"(dialog -l awaysys {
  title "Away System"
  size -1 -1 180 110
  option dbu
  icon $mircdir\away.ico, 0
  box "Message", 1, 4 2 172 34
  edit "", 2, 8 11 164 10, autohs
  check "Send to all channels", 3, 8 23 80 10
  text "Nick:", 4, 4 40 20 8
  edit "", 5, 26 39 60 10, limit 30
  combo 6, 90 39 60 50, drop
  list 7, 4 52 80 40, size extsel vsbar
  radio "Beep", 8, 90 52 40 10, group
  radio "Flash", 9, 90 62 40 10
  link "Homepage", 10, 90 74 40 8
  icon 13, 140 52 16 16, noborder
  scroll "", 14, 160 52 8 40, range 0 10
  button "Set Away", 11, 100 94 36 12, default ok
  button "Cancel", 12, 140 94 36 12, cancel
  menu "&File", 20
  item "&Load...", 21, 20
  item break, 22, 20
  menu "Recent", 24, 20
  item "away.txt", 25, 24
  item "&Close", 23, 20, cancel
  menu "&Help", 30
  item "About", 31, 30
})";

// A settings window in pixels with a tab control, controls on both pages and after it.
const char* const kSetupTable = R"(dialog setup {
  title "Setup"
  size 100 50 300 220
  option pixels notheme
  button "Help", 12, 5 190 75 25
  tab "General", 1, 5 5 290 180
  check "Auto-join", 2, 15 35 100 20, tab 1
  edit "", 3, 15 60 150 21, tab 1 read limit 20 right
  combo 11, 15 90 150 100, tab 1 sort size edit vsbar limit 5
  tab "Colors", 4
  scroll "", 5, 15 35 17 100, tab 4 range 0 255
  check "3D", 6, 15 140 100 20, tab 4 3state flat left push
  icon 7, 200 40 32 32, tab 4 noborder top
  icon 8, 200 80 32 32, C:\icons\top\logo.ico, 2, tab 4 bottom
  tab "About", 13
  text "Version 1.0", 9, 15 35 100 16, tab 13 nowrap right
  link "Web site", 14, 15 60 100 16, tab 13
  button "Close", 10, 220 190 75 25, ok cancel
})";

// Texts without quotes, texts that hold quotes, and an unquoted title.
const char* const kQuotingTable = R"(dialog -l nq {
  title $me's dialog
  size -1 -1 200 100
  option pixels
  text $+(Hello,$chr(32),world), 1, 5 5 100 16
  button Say hi now, 2, 5 30 75 25, ok
  text "He said "yes"", 3, 5 60 100 16
  edit , 4, 5 80 100 20
  tab General, 5, 110 5 85 90
  tab "Two", 6
})";

// Dialog units with odd sizes: the tab strip and an icon's border lie outside the logical
// rectangle, which must survive the pixel rectangle kept in between.
const char* const kDbuTabTable = R"(dialog dbutab {
  title "Units"
  size -1 -1 201 111
  option dbu
  tab "A", 1, 3 3 101 77
  edit "", 7, 9 21 33 11, tab 1
  tab "B", 2
  icon 5, 11 13 33 31, x.ico, 1
  icon 6, 41 13 33 31, noborder
})";

// The table lines as BuildDialogTable writes them.
QStringList Lines(const char* table) {
    return TableLines(table);
}
} // namespace

class RoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, ImportedTableIsWrittenBackUnchanged) {
    ImportRun run;
    ASSERT_EQ(run.Run(Lines(GetParam())), TmvImportResult::Imported)
        << run.Errors().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(BuildDialogTable(run.Doc), Lines(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(ImportRoundTrip, RoundTrip,
                         ::testing::Values(kAwayTable, kSetupTable, kQuotingTable, kDbuTabTable));

// An imported table saved as a project and loaded again is still the same table.
TEST_P(RoundTrip, ImportedTableSurvivesTheProjectFile) {
    ImportRun run;
    ASSERT_EQ(run.Run(Lines(GetParam())), TmvImportResult::Imported);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("imported.mv"));
    run.Doc.FileName = path;
    TmvProjectSession saving(run.Doc);
    ASSERT_TRUE(SaveProject(saving));
    ProjectRun loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(BuildDialogTable(loaded.Doc), Lines(GetParam()));
}

TEST(ImportRoundTrip, SecondImportOfTheWrittenTableIsStable) {
    // A hand-written table in loose form settles into the writer's form after one pass.
    const QStringList loose = {
        QStringLiteral("Dialog Loose {"),
        QStringLiteral("\tTITLE \"Loose\""),
        QStringLiteral("\tsize   -1 -1 120 60"),
        QStringLiteral("\tbutton \"OK\" , 1 ,  5 5 50 20 , OK, DEFAULT,"),
        QStringLiteral("\tlist 2, 5 30 50 20, vsbar sort"),
        QStringLiteral("}"),
    };
    ImportRun first;
    first.Run(loose);
    const QStringList written = BuildDialogTable(first.Doc);
    const QStringList expected = {
        QStringLiteral("dialog Loose {"),
        QStringLiteral("  title \"Loose\""),
        QStringLiteral("  size -1 -1 120 60"),
        QStringLiteral("  option pixels"),
        QStringLiteral("  button \"OK\", 1, 5 5 50 20, default ok"),
        QStringLiteral("  list 2, 5 30 50 20, sort vsbar"),
        QStringLiteral("}"),
    };
    EXPECT_EQ(written, expected);
    ImportRun second;
    second.Run(written);
    EXPECT_EQ(BuildDialogTable(second.Doc), written);
}

TEST(ImportRoundTrip, PageControlsFollowTheirPageWhateverTheTableOrder) {
    // A control placed on page 1 by its tab word before page 2's line stays on page 1.
    ImportRun run;
    run.Run(TableLines(R"(dialog t {
  tab "A", 1, 5 5 200 100
  tab "B", 2
  check "on B", 3, 10 30 50 20, tab 2
  check "on A", 4, 10 30 50 20, tab 1
})"));
    const QStringList table = BuildDialogTable(run.Doc);
    const QStringList controls = table.mid(4, 4);
    const QStringList expected = {
        QStringLiteral("  tab \"A\", 1, 5 5 200 100"),
        QStringLiteral("  check \"on A\", 4, 10 30 50 20, tab 1"),
        QStringLiteral("  tab \"B\", 2"),
        QStringLiteral("  check \"on B\", 3, 10 30 50 20, tab 2"),
    };
    EXPECT_EQ(controls, expected);
}
