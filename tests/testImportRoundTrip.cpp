// Whole tables read and written again: import followed by BuildDialogTable gives the table
// back line for line, in pixels and in dialog units.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "io/mvImportFile.h"
#include "io/mvIniFile.h"
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

// Tables in the forms real scripts use, read from a script file, imported, saved as a project,
// loaded and printed: texts, IDs, rectangles and style words come back unchanged (in the
// writer's spacing and order).
struct ScriptForm {
    const char* name;
    QByteArray script; // the file's bytes
    int codePage;      // what the setting "LegacyCodePage" says
    const char* table; // the printed table
};

class RealWorldForm : public ::testing::TestWithParam<ScriptForm> {};

TEST_P(RealWorldForm, SurvivesImportSaveLoadAndPrint) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("script.mrc"));
    WriteTestFile(script, GetParam().script);
    QStringList lines;
    ASSERT_TRUE(ReadScriptLines(script, &lines, nullptr, GetParam().codePage));
    const std::vector<TmvScriptTable> tables = ListScriptTables(lines, false);
    ASSERT_EQ(tables.size(), 1u);
    ImportRun run;
    ASSERT_NE(run.Run(CollectTableLines(lines, false, tables[0].HeaderLine, tables[0].Name)),
              TmvImportResult::WithErrors)
        << run.Errors().join(QLatin1Char('\n')).toStdString();

    run.Doc.FileName = dir.filePath(QStringLiteral("p.mv"));
    TmvProjectSession saving(run.Doc);
    ASSERT_TRUE(SaveProject(saving));
    ProjectRun loaded;
    ASSERT_TRUE(loaded.Load(run.Doc.FileName));
    EXPECT_EQ(BuildDialogTable(loaded.Doc), Lines(GetParam().table));
}

INSTANTIATE_TEST_SUITE_P(
    ImportRoundTrip, RealWorldForm,
    ::testing::Values(ScriptForm{"BlanksAroundCommas",
                                 "dialog sp {\r\n"
                                 "  title \"Spaces\"\r\n"
                                 "  size -1 -1 200 100\r\n"
                                 "  option dbu\r\n"
                                 "  button \"OK\" , 1 , 5 5 40 12 , ok\r\n"
                                 "  icon 2 , 50 5 32 32 , icons\\main.ico , 1 , noborder\r\n"
                                 "  text \"  Ctrl + F1\" , 3 , 5 40 60 8\r\n"
                                 "}\r\n",
                                 1254,
                                 R"(dialog sp {
  title "Spaces"
  size -1 -1 200 100
  option dbu
  button "OK", 1, 5 5 40 12, ok
  icon 2, 50 5 32 32, icons\main.ico, 1, noborder
  text "  Ctrl + F1", 3, 5 40 60 8
})"},
                      ScriptForm{"CommasBetweenStyles",
                                 "dialog cm {\n"
                                 "  title \"Commas\"\n"
                                 "  size -1 -1 200 100\n"
                                 "  option pixels\n"
                                 "  list 1, 5 5 100 80, sort, extsel, multsel, vsbar\n"
                                 "  edit \"\", 2, 110 5 80 20, read,autohs,rich\n"
                                 "}\n",
                                 1254,
                                 R"(dialog cm {
  title "Commas"
  size -1 -1 200 100
  option pixels
  list 1, 5 5 100 80, sort extsel vsbar multsel
  edit "", 2, 110 5 80 20, read autohs rich
})"},
                      ScriptForm{"GluedNumbersAndUnknownWords",
                                 "dialog gl {\n"
                                 "  title \"Glued\"\n"
                                 "  size -1 -1 200 100\n"
                                 "  option dbu map\n"
                                 "  edit \"\", 1, 5 5 100 10, limit300 disabled\n"
                                 "  icon 2, 5 20 16 16, $mircdiricons\\x.ico, 0, small\n"
                                 "  list 3, 5 40 60 40, check\n"
                                 "  button \"\", 4, -1 -1 -1 -1, ok hide\n"
                                 "  scroll \"\", 5, 5 90 100 8, horizontal range -10 10\n"
                                 "  combo 6, 110 5 60 50, drop limit -1\n"
                                 "}\n",
                                 1254,
                                 R"(dialog gl {
  title "Glued"
  size -1 -1 200 100
  option dbu map
  edit "", 1, 5 5 100 10, limit300 disabled
  icon 2, 5 20 16 16, $mircdiricons\x.ico, 0, small
  list 3, 5 40 60 40, check
  button "", 4, -1 -1 -1 -1, hide ok
  scroll "", 5, 5 90 100 8, range -10 10 horizontal
  combo 6, 110 5 60 50, limit -1 drop
})"},
                      ScriptForm{"TabIndentation",
                                 "dialog\t-l\ttabbed\t{\r\n"
                                 "\ttitle \"Tabs\"\r\n"
                                 "\tsize\t-1 -1 200 100\r\n"
                                 "\toption\tdbu\r\n"
                                 "\ttab \"One\", 10, 2 2 196 96\r\n"
                                 "\t\tcheck \"Beep\", 11, 10 20 50 10, tab 10 flat\r\n"
                                 "\ttab \"Two\", 12\r\n"
                                 "\t\tradio \"Yes\", 13, 10 20 50 10, tab 12 group\r\n"
                                 "}\r\n",
                                 1254,
                                 R"(dialog -l tabbed {
  title "Tabs"
  size -1 -1 200 100
  option dbu
  tab "One", 10, 2 2 196 96
  check "Beep", 11, 10 20 50 10, tab 10 flat
  tab "Two", 12
  radio "Yes", 13, 10 20 50 10, group tab 12
})"},
                      ScriptForm{"Windows1254Text",
                                 "dialog tr {\r\n"
                                 "  title \"Ayarlar \xFE\xF0\xFD\"\r\n"
                                 "  size -1 -1 200 100\r\n"
                                 "  option dbu\r\n"
                                 "  button \"\xC7\xFDk\xFD\xFE\", 1, 5 5 40 12, cancel\r\n"
                                 "}\r\n",
                                 1254,
                                 R"(dialog tr {
  title "Ayarlar şğı"
  size -1 -1 200 100
  option dbu
  button "Çıkış", 1, 5 5 40 12, cancel
})"},
                      ScriptForm{"Utf8Text",
                                 "dialog u8 {\n"
                                 "  title \"\xE2\x98\x85 Stars \xE2\x98\x85\"\n"
                                 "  size -1 -1 200 100\n"
                                 "  option dbu\n"
                                 "  text \"\xC5\x81\xC3\xB3"
                                 "d\xC5\xBA  \xE6\x97\xA5\xE6\x9C\xAC\", 1, 5 5 80 8, center\n"
                                 "}\n",
                                 1250,
                                 R"(dialog u8 {
  title "★ Stars ★"
  size -1 -1 200 100
  option dbu
  text "Łódź  日本", 1, 5 5 80 8, center
})"},
                      ScriptForm{"IdentifiersInTextsAndIconPaths",
                                 "dialog ids {\n"
                                 "  title $+(Away,$chr(32),$me)\n"
                                 "  size -1 -1 200 100\n"
                                 "  option dbu\n"
                                 "  icon $scriptdir\\away.ico, 0\n"
                                 "  text $+(Hello,$chr(44),$me), 1, 5 5 80 8\n"
                                 "  button \"$iif(%x,On,Off)\", 2, 5 20 40 12, default\n"
                                 "  icon 3, 90 5 32 32, $mircdir\\pics\\top\\$nick.ico, 2, left\n"
                                 "}\n",
                                 1254,
                                 R"T(dialog ids {
  title $+(Away,$chr(32),$me)
  size -1 -1 200 100
  option dbu
  icon $scriptdir\away.ico, 0
  text $+(Hello,$chr(44),$me), 1, 5 5 80 8
  button "$iif(%x,On,Off)", 2, 5 20 40 12, default
  icon 3, 90 5 32 32, $mircdir\pics\top\$nick.ico, 2, left
})T"},
                      ScriptForm{"Windows1250ScriptReadWithItsCodePage",
                                 "dialog pl {\r\n"
                                 "  title \"Ustawienia\"\r\n"
                                 "  size -1 -1 200 100\r\n"
                                 "  option dbu\r\n"
                                 "  check \"W\xB3\xB9"
                                 "cz d\x9F"
                                 "wi\xEAk\", 1, 5 5 80 10\r\n"
                                 "}\r\n",
                                 1250,
                                 R"(dialog pl {
  title "Ustawienia"
  size -1 -1 200 100
  option dbu
  check "Włącz dźwięk", 1, 5 5 80 10
})"}),
    [](const ::testing::TestParamInfo<ScriptForm>& info) { return std::string(info.param.name); });

TEST(ImportRoundTrip, KeptWordsSurviveTheClipboardAndEmptyOnesLeaveNoKey) {
    ImportRun run;
    run.Run(TableLines("dialog c {\n  option dbu map\n  list 1, 5 5 60 40, multsel\n}"));
    TmvIniFile ini;
    int counter = 1;
    WriteControlSection(ini, *run.ById(1), counter);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Control1"), QStringLiteral("OtherStyles")),
              QStringLiteral("multsel"));
    DialogDocument pasted;
    TmvControl* copy = ReadControlSection(pasted, ini, true, 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BuildLine(), QStringLiteral("list 1, 10 10 120 80, multsel"));

    // A save over a file whose control had kept words removes them with the words.
    QTemporaryDir dir;
    run.Doc.FileName = dir.filePath(QStringLiteral("c.mv"));
    TmvProjectSession session(run.Doc);
    ASSERT_TRUE(SaveProject(session));
    run.ById(1)->OtherStyles.clear();
    run.Doc.OtherOptions.clear();
    ASSERT_TRUE(SaveProject(session));
    TmvIniFile saved(run.Doc.FileName);
    ASSERT_TRUE(saved.Load());
    EXPECT_FALSE(saved.ValueExists(QStringLiteral("Control1"), QStringLiteral("OtherStyles")));
    EXPECT_FALSE(saved.ValueExists(QStringLiteral("Main"), QStringLiteral("OtherOptions")));
}
