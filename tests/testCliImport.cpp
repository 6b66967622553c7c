// marovel --list-tables, --import and --preview, run as the real program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/scopedEnvironment.h"
#include "support/testHelpers.h"
#include "support/testProcess.h"
#include "support/testProjectHelpers.h"
#include "surface/mvDialogTable.h"

namespace {

// Two tables among other script lines; the second has a bad ID and an unknown style word.
const QByteArray kScript = "alias open { dialog -m first first }\r\n"
                           "dialog -l First {\r\n"
                           "  title \"One\"\r\n"
                           "  size -1 -1 100 50\r\n"
                           "  button \"OK\", 1, 5 5 40 12, ok\r\n"
                           "}\r\n"
                           "on *:dialog:first:init:0: { echo -a hi }\r\n"
                           "Dialog Second {\r\n"
                           "  title \"Two\"\r\n"
                           "  edit \"\", 2, 1 1 30 12\r\n"
                           "  text \"x\", abc, 1 1 1 1\r\n"
                           "}\r\n";

// The same script as an ".ini" script: every line behind a key and "=".
const QByteArray kIniScript = "[script]\r\n"
                              "n0=dialog mytab {\r\n"
                              "n1=  title \"Ini\"\r\n"
                              "n2=  check \"Açık\", 4, 2 2 50 10, push\r\n"
                              "n3=}\r\n"
                              "n4=dialog -l other {\r\n"
                              "n5=}\r\n";

const QStringList kFirstTable = {"dialog -l First {",
                                 "  title \"One\"",
                                 "  size -1 -1 100 50",
                                 "  option pixels",
                                 "  button \"OK\", 1, 5 5 40 12, ok",
                                 "}"};
const QStringList kSecondTable = {"dialog Second {",           "  title \"Two\"",
                                  "  size -1 -1 320 240",      "  option pixels",
                                  "  edit \"\", 2, 1 1 30 12", "}"};
const QStringList kIniTable = {"dialog mytab {",
                               "  title \"Ini\"",
                               "  size -1 -1 320 240",
                               "  option pixels",
                               "  check \"Açık\", 4, 2 2 50 10, push",
                               "}"};

class CliImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        WriteTestFile(PathOf("s.mrc"), kScript);
        WriteTestFile(PathOf("s.ini"), kIniScript);
        WriteTestFile(PathOf("none.txt"), "alias x { echo -a no dialog here }\r\n");
        WriteTestFile(PathOf("empty.mrc"), "");
        // Preview and everything else keep their files out of the user's folders.
        environment_.Set("MAROVEL_CONFIG_DIR", QFile::encodeName(dir_.path()));
    }
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    // The table of a saved project, loaded as the designer would.
    QStringList SavedTable(const QString& path) {
        ProjectRun run;
        if (!run.Load(path)) return {QStringLiteral("<not loaded>")};
        return BuildDialogTable(run.Doc);
    }

    QTemporaryDir dir_;
    TestScopedEnvironment environment_;
};

TEST_F(CliImport, ListTablesNamesEveryHeaderInFileOrder) {
    struct TCase {
        const char* File;
        int Status;
        QString Out;
    };
    const TCase cases[] = {
        {"s.mrc", 0, "first\nsecond\n"},
        {"s.ini", 0, "mytab\nother\n"},
        {"none.txt", 0, ""},
        {"empty.mrc", 0, ""},
        {"missing.mrc", 1, ""},
    };
    for (const TCase& c : cases) {
        const TestProcessResult run = RunMarovel({"--list-tables", PathOf(c.File)});
        EXPECT_EQ(run.status, c.Status) << c.File << run.err.toStdString();
        EXPECT_EQ(run.out, c.Out) << c.File;
    }
    const TestProcessResult missing = RunMarovel({"--list-tables", PathOf("missing.mrc")});
    EXPECT_TRUE(missing.err.contains(QStringLiteral("missing.mrc"))) << missing.err.toStdString();
}

TEST_F(CliImport, ImportSavesTheChosenTableAsAProject) {
    struct TCase {
        QStringList Args; // the script and --table, before --save
        QByteArray Input;
        int Status;
        QStringList Table;
    };
    const QByteArray pasted = "dialog pasted {\n  title \"P\"\n  box \"G\", 7, 1 2 3 4\n}\n";
    const TCase cases[] = {
        {{PathOf("s.mrc")}, {}, 0, kFirstTable},
        {{PathOf("s.mrc"), "--table", "SECOND"}, {}, 3, kSecondTable},
        {{PathOf("s.ini"), "--table", "mytab"}, {}, 0, kIniTable},
        {{"-"},
         pasted,
         0,
         {"dialog pasted {", "  title \"P\"", "  size -1 -1 320 240", "  option pixels",
          "  box \"G\", 7, 1 2 3 4", "}"}},
        // With a name, standard input is a script to pick the table from.
        {{"-", "--table", "second"}, kScript, 3, kSecondTable},
        // The options may come in either order.
        {{PathOf("s.mrc"), "--save", "", "--table", "first"}, {}, 0, kFirstTable},
    };
    int n = 0;
    for (const TCase& c : cases) {
        const QString out = dir_.filePath(QStringLiteral("out%1.mv").arg(++n));
        QStringList args = QStringList{"--import"} + c.Args;
        const int emptySave = int(args.indexOf(QString()));
        if (emptySave >= 0)
            args[emptySave] = out;
        else
            args << "--save" << out;
        const TestProcessResult run = RunMarovel(args, c.Input);
        EXPECT_EQ(run.status, c.Status) << args.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(SavedTable(out), c.Table) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("Parsing dialog table and processing menus")));
        EXPECT_EQ(run.err.contains(QStringLiteral("Warning: There were errors.")), c.Status == 3);
    }
}

TEST_F(CliImport, ImportFailuresWriteNothing) {
    struct TCase {
        QStringList Args; // --save OUT is appended unless the case is about --save itself
        bool AppendSave;
        int Status;
        const char* Message;
        QByteArray Input = {};
    };
    const TCase cases[] = {
        {{PathOf("missing.mrc")}, true, 1, "cannot read"},
        // A table pasted as one line holds nothing the import reads: no project is written.
        {{"-"},
         true,
         1,
         "Error: The table holds no line to read beside its header: \"dialog t { title",
         "dialog t { title \"x\" size -1 -1 100 50 button \"OK\", 1, 5 5 40 12 }\r\n"},
        {{PathOf("none.txt")}, true, 1, "holds no dialog table"},
        {{PathOf("s.mrc"), "--table", "third"}, true, 1, "holds no table \"third\""},
        {{PathOf("s.mrc")}, false, 2, "Usage:"},
        {{PathOf("s.mrc"), "--save"}, false, 2, "Usage:"},
        {{PathOf("s.mrc"), "--table", "first"}, false, 2, "Usage:"},
        {{PathOf("s.mrc"), "--table", "first", "--table", "second"}, true, 2, "Usage:"},
        {{PathOf("s.mrc"), "--tables", "first"}, true, 2, "Usage:"},
        {{}, true, 2, "Usage:"},
    };
    const QString out = PathOf("never.mv");
    for (const TCase& c : cases) {
        QStringList args = QStringList{"--import"} + c.Args;
        if (c.AppendSave) args << "--save" << out;
        const TestProcessResult run = RunMarovel(args, c.Input);
        EXPECT_EQ(run.status, c.Status) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.Message))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out)) << args.join(' ').toStdString();
    }
}

TEST_F(CliImport, ScriptNotInUtf8IsReadInTheNamedCodePage) {
    // A Polish script: "ł" is byte B3, which the Turkish code page reads as "³".
    WriteTestFile(PathOf("pl.mrc"), "dialog ustawienia {\r\n"
                                    "  title \"Zamkni\xEAte\"\r\n"
                                    "  button \"Wy\xB3\xB9"
                                    "cz\", 1, 5 5 40 12, ok\r\n"
                                    "  list 2, 5 20 40 40, multsel\r\n"
                                    "}\r\n");
    const QString out = PathOf("pl.mv");
    const TestProcessResult run =
        RunMarovel({"--import", PathOf("pl.mrc"), "--codepage", "1250", "--save", out});
    EXPECT_EQ(run.status, 0) << run.err.toStdString(); // warnings are no errors
    EXPECT_TRUE(run.err.contains(QStringLiteral("The script is not UTF-8: it was read in code "
                                                "page 1250.")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("Warning: Style words kept as written: \"multsel\"\n   Line 4 (file line "
                       "4): list 2, 5 20 40 40, multsel")))
        << run.err.toStdString();
    const QStringList table = SavedTable(out);
    EXPECT_EQ(table.value(1), QStringLiteral("  title \"Zamknięte\""));
    EXPECT_EQ(table.value(4), QStringLiteral("  button \"Wyłącz\", 1, 5 5 40 12, ok"));
    EXPECT_EQ(table.value(5), QStringLiteral("  list 2, 5 20 40 40, multsel"));

    // Without the option the setting names the code page; a UTF-8 script says nothing of it.
    WriteTestFile(PathOf("marovel.ini"), "[General]\r\nLegacyCodePage=1250\r\n");
    const TestProcessResult bySetting = RunMarovel({"--import", PathOf("pl.mrc"), "--save", out});
    EXPECT_EQ(SavedTable(out).value(1), QStringLiteral("  title \"Zamknięte\""));
    EXPECT_TRUE(bySetting.err.contains(QStringLiteral("code page 1250")));
    EXPECT_FALSE(RunMarovel({"--import", PathOf("s.mrc"), "--save", out})
                     .err.contains(QStringLiteral("not UTF-8")));

    WriteTestFile(PathOf("names.mrc"), "dialog \xB3\xF3"
                                       "d\x9F {\r\n}\r\n");
    EXPECT_EQ(RunMarovel({"--list-tables", PathOf("names.mrc"), "--codepage", "1250"}).out,
              QStringLiteral("łódź\n"));
    for (const QStringList& args :
         {QStringList{"--list-tables", PathOf("pl.mrc"), "--codepage", "70000"},
          QStringList{"--list-tables", PathOf("pl.mrc"), "--codepage"},
          QStringList{"--import", PathOf("pl.mrc"), "--codepage", "x", "--save", out},
          QStringList{"--import", PathOf("pl.mrc"), "--codepage", "1250", "--codepage", "1250",
                      "--save", out}})
        EXPECT_EQ(RunMarovel(args).status, 2) << args.join(' ').toStdString();
}

TEST_F(CliImport, UnwritableProjectFails) {
    const QString out = PathOf("no such folder/out.mv");
    const TestProcessResult run = RunMarovel({"--import", PathOf("s.mrc"), "--save", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Save Project"))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
}

// Without a reachable mIRC the preview fails with the DDE error box's text; the real
// conversation is tested under Wine.
TEST_F(CliImport, PreviewWithoutMircFails) {
    WriteTestFile(PathOf("marovel.ini"), "[General]\r\nDDEName=NobodyHere\r\n");
    ASSERT_EQ(RunMarovel({"--import", PathOf("s.mrc"), "--save", PathOf("p.mv")}).status, 0);
    environment_.Set("MAROVEL_WINE", "/nonexistent/wine");

    const TestProcessResult run = RunMarovel({"--preview", PathOf("p.mv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("DDE Error: The DDE name \"NobodyHere\" is not valid, or mIRC is not "
                       "running.")))
        << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(PathOf("123.mrc")));

    EXPECT_EQ(RunMarovel({"--preview", PathOf("missing.mv")}).status, 1);
    for (const QStringList& args : {QStringList{"--preview"}, QStringList{"--preview", "a", "b"}})
        EXPECT_EQ(RunMarovel(args).status, 2);
}

} // namespace
