// Finding dialog tables in ".mrc", ".txt" and ".ini" scripts and collecting one table's lines.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "io/mvImportFile.h"
#include "support/testHelpers.h"
#include "support/testImportRun.h"
#include "support/testProjectHelpers.h"

namespace {
// Two tables and an alias, as a script file of a typical away system holds them.
const QStringList kMrcScript = {
    QStringLiteral("; away system v2"),
    QStringLiteral("alias away { dialog -m away away }"),
    QStringLiteral("dialog away {"),
    QStringLiteral("  title \"Away System\""),
    QStringLiteral("  size -1 -1 160 90"),
    QStringLiteral("  option dbu"),
    QStringLiteral("  edit \"\", 1, 5 5 150 10, autohs"),
    QStringLiteral("  button \"Set away\", 2, 5 20 40 12, ok"),
    QStringLiteral("}"),
    QStringLiteral(""),
    QStringLiteral("Dialog -l AwayLog {"),
    QStringLiteral("  title \"Log\""),
    QStringLiteral("  list 1, 5 5 150 80, size"),
    QStringLiteral("  button \"Close\", 2, 5 85 40 12, cancel"),
    QStringLiteral("  }"),
    QStringLiteral("on *:dialog:away:init:0: { did -a away 1 $awaymsg }"),
};

// The same kind of script in the ".ini" form, every line behind a key.
const QStringList kIniScript = {
    QStringLiteral("[script]"),
    QStringLiteral("n0=; settings"),
    QStringLiteral("n1=dialog -l mytab {"),
    QStringLiteral("n2=  title \"Options=on\""),
    QStringLiteral("n3=  tab \"General\", 10, 2 2 196 96"),
    QStringLiteral("n4=  check \"Beep\", 11, 10 20 50 10, tab 10"),
    QStringLiteral("n5=}"),
    QStringLiteral("n6=dialog second {"),
    QStringLiteral("n7=  button \"OK\", 1, 5 5 40 12, ok"),
    QStringLiteral("n8=}"),
};
} // namespace

TEST(ScriptFile, IniScriptIsKnownByExtensionInAnyCase) {
    EXPECT_TRUE(IsIniScript(QStringLiteral("/home/me/scripts/AWAY.INI")));
    EXPECT_TRUE(IsIniScript(QStringLiteral("away.ini")));
    EXPECT_FALSE(IsIniScript(QStringLiteral("away.mrc")));
    EXPECT_FALSE(IsIniScript(QStringLiteral("away.ini.txt")));
}

TEST(ScriptFile, NormalisationTrimsAndStripsIniKeys) {
    EXPECT_EQ(NormaliseScriptLine(QStringLiteral("  title \"a=b\"  "), false),
              QStringLiteral("title \"a=b\""));
    EXPECT_EQ(NormaliseScriptLine(QStringLiteral("n2=  title \"a=b\""), true),
              QStringLiteral("title \"a=b\""));
    EXPECT_EQ(NormaliseScriptLine(QStringLiteral("[script]"), true), QStringLiteral("[script]"));
}

struct HeaderCase {
    const char* line;
    const char* name; // empty: not a header
};

class TableHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(TableHeader, IsRecognisedAndNamed) {
    EXPECT_EQ(TableHeaderName(QString::fromUtf8(GetParam().line)),
              QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    ScriptFile, TableHeader,
    ::testing::Values(HeaderCase{"dialog away {", "away"}, HeaderCase{"Dialog MyTab {", "mytab"},
                      HeaderCase{"DIALOG -L Opts {", "opts"},
                      HeaderCase{"dialog -l mytab {", "mytab"},
                      HeaderCase{"dialog\t-l\tmytab\t{", "mytab"},
                      HeaderCase{"dialog\taway {", "away"},
                      HeaderCase{"dialog away", ""},  // brace on the next line
                      HeaderCase{"dialog away{", ""}, // no blank before the brace
                      HeaderCase{"dialog {", ""},     // no name
                      HeaderCase{"dialog -l {", ""}, HeaderCase{"dialogs away {", ""},
                      HeaderCase{"alias dialog away {", ""}, HeaderCase{"", ""}));

TEST(ScriptFile, ListsEveryTableOfAnMrcScriptWithItsHeaderLine) {
    const std::vector<TmvScriptTable> tables = ListScriptTables(kMrcScript, false);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].Name, QStringLiteral("away"));
    EXPECT_EQ(tables[0].HeaderLine, 2);
    EXPECT_EQ(tables[1].Name, QStringLiteral("awaylog"));
    EXPECT_EQ(tables[1].HeaderLine, 10);
}

TEST(ScriptFile, ListsTablesOfAnIniScriptBehindTheirKeys) {
    const std::vector<TmvScriptTable> tables = ListScriptTables(kIniScript, true);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].Name, QStringLiteral("mytab"));
    EXPECT_EQ(tables[0].HeaderLine, 2);
    EXPECT_EQ(tables[1].Name, QStringLiteral("second"));
    EXPECT_EQ(tables[1].HeaderLine, 7);
}

TEST(ScriptFile, IniLinesAreNotHeadersWhenReadAsPlainScript) {
    EXPECT_TRUE(ListScriptTables(kIniScript, false).empty());
}

TEST(ScriptFile, ScriptWithoutTablesListsNothing) {
    EXPECT_TRUE(ListScriptTables({QStringLiteral("alias x { echo -a hi }")}, false).empty());
    EXPECT_TRUE(ListScriptTables({}, false).empty());
}

TEST(ScriptFile, CollectsFromTheHeaderToTheClosingBraceInOwnCase) {
    const QStringList lines = CollectTableLines(kMrcScript, false, 2, QStringLiteral("away"));
    const QStringList expected = {
        QStringLiteral("dialog away {"),
        QStringLiteral("title \"Away System\""),
        QStringLiteral("size -1 -1 160 90"),
        QStringLiteral("option dbu"),
        QStringLiteral("edit \"\", 1, 5 5 150 10, autohs"),
        QStringLiteral("button \"Set away\", 2, 5 20 40 12, ok"),
    };
    EXPECT_EQ(lines, expected);
}

TEST(ScriptFile, CollectingTheSecondTableStartsAtItsOwnHeader) {
    const QStringList lines = CollectTableLines(kMrcScript, false, 10, QStringLiteral("awaylog"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.first(), QStringLiteral("Dialog -l AwayLog {"));
    EXPECT_EQ(lines.last(), QStringLiteral("button \"Close\", 2, 5 85 40 12, cancel"));
}

TEST(ScriptFile, CollectsIniTableWithoutKeyPrefixes) {
    const QStringList lines = CollectTableLines(kIniScript, true, 2, QStringLiteral("mytab"));
    const QStringList expected = {
        QStringLiteral("dialog -l mytab {"),
        QStringLiteral("title \"Options=on\""),
        QStringLiteral("tab \"General\", 10, 2 2 196 96"),
        QStringLiteral("check \"Beep\", 11, 10 20 50 10, tab 10"),
    };
    EXPECT_EQ(lines, expected);
}

TEST(ScriptFile, HeaderOfAnotherNameDoesNotStartCollecting) {
    // Starting at the first header but asking for the second skips the first table.
    const QStringList lines = CollectTableLines(kIniScript, true, 2, QStringLiteral("second"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("dialog second {"));
    EXPECT_TRUE(CollectTableLines(kIniScript, true, 0, QStringLiteral("none")).isEmpty());
}

TEST(ScriptFile, UnclosedTableRunsToTheEnd) {
    const QStringList script = {QStringLiteral("dialog x {"), QStringLiteral("size -1 -1 10 10"),
                                QStringLiteral("alias y { }")};
    EXPECT_EQ(CollectTableLines(script, false, 0, QStringLiteral("x")).size(), 3);
}

TEST(ScriptFile, UnclosedTableEndsAtTheNextHeaderWithAWarning) {
    const QStringList script = {
        QStringLiteral("alias open { }"),
        QStringLiteral("dialog one {"),
        QStringLiteral("  button \"A\", 1, 1 2 3 4"),
        QStringLiteral("dialog\ttwo\t{"),
        QStringLiteral("  button \"B\", 2, 1 2 3 4"),
        QStringLiteral("}"),
    };
    int first = -1;
    const QStringList table = CollectTableLines(script, false, 0, QStringLiteral("one"), &first);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(table.size(), 3); // the next header ends it, and comes along to be told of
    ImportRun run;
    run.Options.FirstFileLine = first + 1;
    EXPECT_EQ(run.Run(table), TmvImportResult::Imported);
    EXPECT_EQ(run.Doc.ControlCount(), 1);
    EXPECT_EQ(run.Doc.TableName, QStringLiteral("one"));
    EXPECT_TRUE(run.Status.Lines.contains(
        QStringLiteral("Warning: The table has no closing brace; it ends at the next table's "
                       "header: \"dialog\ttwo\t{\"")));
    EXPECT_TRUE(
        run.Status.Lines.contains(QStringLiteral("   Line 3 (file line 4): dialog\ttwo\t{")));
    // The second table is still listed and imported on its own.
    ASSERT_EQ(ListScriptTables(script, false).size(), 2u);
    EXPECT_EQ(ListScriptTables(script, false)[1].Name, QStringLiteral("two"));
}

TEST(ScriptFile, ReportsNameTheTableLineAndTheFileLine) {
    ImportRun run;
    run.Options.FirstFileLine = 7;
    run.Run({QStringLiteral("dialog x {"), QStringLiteral(""),
             QStringLiteral("  text \"a\", 1, 1 2 three 4")});
    EXPECT_TRUE(run.Status.Lines.contains(
        QStringLiteral("   Line 3 (file line 9):   text \"a\", 1, 1 2 three 4")));
}

struct CodePageCase {
    const char* name;
    int codePage;
    QByteArray bytes;
    const char* text;   // as read
    int readInCodePage; // 0: it was UTF-8
};

class ScriptCodePage : public ::testing::TestWithParam<CodePageCase> {};

TEST_P(ScriptCodePage, ScriptsThatAreNotUtf8AreReadInTheGivenCodePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.mrc"));
    WriteTestFile(path, GetParam().bytes);
    QStringList lines;
    int readIn = -1;
    ASSERT_TRUE(ReadScriptLines(path, &lines, nullptr, GetParam().codePage, &readIn));
    EXPECT_EQ(lines.value(0), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(readIn, GetParam().readInCodePage);
}

INSTANTIATE_TEST_SUITE_P(
    ScriptFile, ScriptCodePage,
    ::testing::Values(CodePageCase{"Polish", 1250,
                                   "\xB3\xF3"
                                   "d\x9F",
                                   "łódź", 1250},
                      CodePageCase{"Lithuanian", 1257, "\xE0\xE8\xE6", "ąčę", 1257},
                      CodePageCase{"Russian", 1251, "\xCF\xF0\xE8", "При", 1251},
                      CodePageCase{"Turkish", 1254, "\xDD\xFE\xF0", "İşğ", 1254},
                      CodePageCase{"Japanese", 932, "\x93\xFA\x96\x7B", "日本", 932},
                      CodePageCase{"UndefinedByteKept", 1250, "a\x81", "a\xC2\x81", 1250},
                      CodePageCase{"Utf8WinsOverTheCodePage", 1250, "\xC5\x82", "ł", 0}),
    [](const ::testing::TestParamInfo<CodePageCase>& info) {
        return std::string(info.param.name);
    });

TEST(ScriptFile, HeaderIndexOutOfRangeCollectsNothing) {
    EXPECT_TRUE(CollectTableLines(kMrcScript, false, 500, QStringLiteral("away")).isEmpty());
    EXPECT_EQ(CollectTableLines(kMrcScript, false, -3, QStringLiteral("away")).size(), 6);
}

TEST(ScriptFile, TextSplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\nb\nc\rd")),
              QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                           QStringLiteral("d")}));
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\n\r\nb\r\n")),
              QStringList({QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_TRUE(SplitTextLines(QString()).isEmpty());
}

TEST(ScriptFile, OpenRequestOffersScriptsAndText) {
    const TmvFileRequest request = ScriptFileRequest(QStringLiteral("/home/me/away.mrc"));
    EXPECT_EQ(request.Title, QStringLiteral("Choose mIRC File..."));
    EXPECT_EQ(request.Filter, QStringLiteral("mIRC script files (*.mrc;*.ini)|*.mrc;*.ini|Text "
                                             "files (*.txt)|*.txt"));
    EXPECT_TRUE(request.InitialFolder.isEmpty());
    EXPECT_EQ(request.InitialFile, QStringLiteral("/home/me/away.mrc"));
}

TEST(ScriptFile, ReadsUtf8AndTurkishAnsiScripts) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString utf8Path = dir.filePath(QStringLiteral("utf8.mrc"));
    const QString ansiPath = dir.filePath(QStringLiteral("ansi.ini"));
    {
        QFile utf8(utf8Path);
        ASSERT_TRUE(utf8.open(QIODevice::WriteOnly));
        utf8.write("dialog a {\r\n  title \"\xC3\x87\xC4\xB1k\xC4\xB1\xC5\x9F\"\r\n}\r\n");
        QFile ansi(ansiPath);
        ASSERT_TRUE(ansi.open(QIODevice::WriteOnly));
        ansi.write("[script]\r\nn0=dialog b {\r\nn1=  title \"\xC7\xFDk\xFD\xFE\"\r\nn2=}\r\n");
    }
    QStringList lines;
    ASSERT_TRUE(ReadScriptLines(utf8Path, &lines));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QStringLiteral("  title \"Çıkış\""));
    ASSERT_TRUE(ReadScriptLines(ansiPath, &lines));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(NormaliseScriptLine(lines[2], IsIniScript(ansiPath)),
              QStringLiteral("title \"Çıkış\""));
    const std::vector<TmvScriptTable> tables = ListScriptTables(lines, true);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].Name, QStringLiteral("b"));
}

TEST(ScriptFile, UnreadableScriptGivesTheReason) {
    QStringList lines = {QStringLiteral("kept")};
    QString error;
    EXPECT_FALSE(ReadScriptLines(QStringLiteral("/no/such/script.mrc"), &lines, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(lines, QStringList({QStringLiteral("kept")}));
}

TEST(ScriptFile, IniTableImportsWithoutItsKeys) {
    ImportRun run;
    EXPECT_EQ(run.Run(CollectTableLines(kIniScript, true, 2, QStringLiteral("mytab"))),
              TmvImportResult::Imported);
    EXPECT_EQ(run.Doc.TableName, QStringLiteral("mytab"));
    EXPECT_TRUE(run.Doc.Local);
    EXPECT_EQ(run.Doc.Title, QStringLiteral("Options=on"));
    ASSERT_NE(run.Doc.TabControl, nullptr);
    EXPECT_EQ(run.ById(11)->TabIndex, 0);
}

TEST(ScriptFile, SecondTableOfAScriptImportsAlone) {
    const std::vector<TmvScriptTable> tables = ListScriptTables(kMrcScript, false);
    ImportRun run;
    run.Run(CollectTableLines(kMrcScript, false, tables[1].HeaderLine, tables[1].Name));
    EXPECT_EQ(run.Doc.TableName, QStringLiteral("AwayLog"));
    EXPECT_EQ(run.Doc.ControlCount(), 2);
    EXPECT_EQ(run.Doc.FindControlById(2)->Kind, 2);
}
