// Writing a table into a script: exactly the old table's lines change, every other byte of the
// file stays; failures write nothing; the command line's --write-into.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "io/mvImportFile.h"
#include "io/mvScriptWrite.h"
#include "support/scopedEnvironment.h"
#include "support/testHelpers.h"
#include "support/testImportRun.h"
#include "support/testPaths.h"
#include "support/testProcess.h"
#include "support/testProjectHelpers.h"

namespace {
const QStringList kNewTable = {"dialog away {", "  title \"Şık\"", "  size -1 -1 100 50",
                               "  option pixels", "}"};

// The new table's bytes, each line followed by `lineEnd`: UTF-8, or Windows-1254 for the two
// Turkish letters it holds.
QByteArray NewTableBytes(const QByteArray& lineEnd, bool cp1254) {
    QByteArray bytes;
    for (const QString& line : kNewTable) {
        QByteArray encoded = line.toUtf8();
        if (cp1254) encoded.replace("Ş", "\xDE").replace("ı", "\xFD");
        bytes += encoded + lineEnd;
    }
    return bytes;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

struct ReplaceCase {
    const char* Name;
    QByteArray Before;  // up to the old table's header line
    QByteArray Old;     // the old table, from its header to its brace, without the brace's line end
    QByteArray After;   // from the brace's line end on
    QByteArray LineEnd; // the new lines take it
    bool Cp1254 = false;
};

const ReplaceCase kReplaceCases[] = {
    {"LineFeeds", "; top\nalias a { }\n",
     "dialog away {\n  title \"Old\"\n  edit \"\", 1, 1 1 9 9\n}", "\nalias b { }\n", "\n"},
    {"CarriageReturnLineFeeds", "; top\r\nalias a { }\r\n", "dialog away {\r\n  title \"Old\"\r\n}",
     "\r\nalias b { }\r\n", "\r\n"},
    // The header's line end is the one used; the brace keeps its own, and the script its lack
    // of a final one.
    {"MixedWithoutFinalLineEnd", "; top\nalias a { }\r\n", "dialog away {\r\n  title \"Old\"\n}",
     "\n; end", "\r\n"},
    {"TableIsTheLastLine", "alias a { }\n", "dialog away {\n  title \"Old\"\n}", "", "\n"},
    {"SeveralTables", "dialog first {\n  title \"1\"\n}\ndialog awayx {\n}\n",
     "dialog away {\n  title \"Old\"\n}", "\ndialog last {\n  title \"3\"\n}\n", "\n"},
    {"ByteOrderMark", "\xEF\xBB\xBF; notes \xC3\xBC\r\n", "dialog away {\r\n}", "\r\n", "\r\n"},
    {"ByteOrderMarkThenHeader", "\xEF\xBB\xBF", "dialog away {\n  title \"\xC3\xBC\"\n}", "\n",
     "\n"},
    {"LegacyCodePage",
     "; T\xFCrk\xE7"
     "e \xFE\r\n",
     "dialog away {\r\n  title \"Eski \xE7\"\r\n}", "\r\non *:dialog:away:init:0:{ echo \xFD }\r\n",
     "\r\n", true},
    {"IndentedHeaderInOtherCase", "", "  Dialog -l AWAY {\n  title \"x\"\n  }", "\n", "\n"},
};

class ScriptReplace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ScriptReplace, OnlyTheTablesLinesChange) {
    const ReplaceCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("script.mrc");
    const QByteArray old = c.Before + c.Old + c.After;
    WriteTestFile(path, old);
    TmvScriptEdit edit{QStringLiteral("away"), kNewTable, {}, 1254};
    const TmvScriptWriteResult result = WriteIntoScript(path, edit);
    ASSERT_TRUE(result.Written()) << result.Message.toStdString();
    QByteArray table = NewTableBytes(c.LineEnd, c.Cp1254);
    table.chop(c.LineEnd.size());
    EXPECT_EQ(ReadBytes(path), c.Before + table + c.After);
    EXPECT_EQ(ReadBytes(ScriptBackupPath(path)), old);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptReplace, ::testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ScriptWrite, AddingPutsOneBlankLineAndTheTableAtTheEnd) {
    struct TCase {
        QByteArray Script;
        QStringList Appendix;
        QByteArray Added;
    };
    const QByteArray lf = NewTableBytes("\n", false), crlf = NewTableBytes("\r\n", false);
    const TCase cases[] = {
        {"alias a { }\r\n", {}, "\r\n" + crlf},
        {"alias a { }\nalias b { }", {}, "\n\n" + lf},
        {"; mixed\r\nalias a { }\n", {}, "\n" + lf},
        {"", {}, crlf},
        {"\xEF\xBB\xBF", {}, crlf},
        {"alias a { }\n",
         {"alias away { }", "", "on *:dialog:away:close:0:{ }"},
         "\n" + lf + "\nalias away { }\n\non *:dialog:away:close:0:{ }\n"},
    };
    for (const TCase& c : cases) {
        QByteArray out;
        const TmvScriptWriteResult result =
            ComposeScript(c.Script, {QString(), kNewTable, c.Appendix, 1254}, &out);
        ASSERT_TRUE(result.Written()) << result.Message.toStdString();
        EXPECT_EQ(out, c.Script + c.Added) << c.Script.toStdString();
    }
}

TEST(ScriptWrite, AFailureWritesNothing) {
    struct TCase {
        const char* File;
        QByteArray Script; // none: the file does not exist
        const char* Replace;
        QString Title; // of the new table
        TmvScriptWriteStatus Status;
        const char* Told; // in the message
    };
    const TCase cases[] = {
        {"cp.mrc", "; \xFE\r\ndialog away {\r\n}\r\n", "away", "Şık 日本",
         TmvScriptWriteStatus::Unencodable, "\"日\" (U+65E5) on line 2 of the table"},
        {"utf.mrc", "dialog away {\n}\n", "away", "\xF0\x9F\x98\x80 ok",
         TmvScriptWriteStatus::Written, ""},
        {"gone.mrc", "dialog other {\n}\n", "away", "x", TmvScriptWriteStatus::TableMissing,
         "no table 'away'"},
        {"open.mrc", "dialog away {\n  title \"x\"\ndialog other {\n}\n", "away", "x",
         TmvScriptWriteStatus::TableNotClosed, "line 1 has no closing brace"},
        {"taken.mrc", "dialog old {\n}\ndialog away {\n}\n", "old", "x",
         TmvScriptWriteStatus::NameTaken, "another table 'away'"},
        {"twice.mrc", "dialog away {\n}\n", "", "x", TmvScriptWriteStatus::NameTaken,
         "a table 'away' already"},
        {"s.ini", "[script]\nn0=dialog away {\nn1=}\n", "away", "x",
         TmvScriptWriteStatus::Unreadable, ".ini script"},
        {"missing.mrc", {}, "away", "x", TmvScriptWriteStatus::NoScript, "does not exist"},
    };
    for (const TCase& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8(c.File));
        if (!c.Script.isNull()) WriteTestFile(path, c.Script);
        QStringList table = kNewTable;
        table[1] = QStringLiteral("  title \"%1\"").arg(c.Title);
        const TmvScriptWriteResult result =
            WriteIntoScript(path, {QString::fromUtf8(c.Replace), table, {}, 1254});
        EXPECT_EQ(result.Status, c.Status) << c.File << " " << result.Message.toStdString();
        EXPECT_TRUE(result.Message.contains(QString::fromUtf8(c.Told)))
            << c.File << " " << result.Message.toStdString();
        if (c.Status == TmvScriptWriteStatus::Written) continue;
        EXPECT_EQ(ReadBytes(path), c.Script.isNull() ? QByteArray("<missing>") : c.Script)
            << c.File;
        EXPECT_FALSE(QFile::exists(ScriptBackupPath(path))) << c.File;
    }
}

// Code pages other than the Turkish one go through the system's converters, both ways.
TEST(ScriptWrite, OtherCodePagesAreWrittenInTheirOwnBytes) {
    const QByteArray script = "; \xCF\xF0\xE8\ndialog away {\n}\n";
    QStringList table = kNewTable;
    table[1] = QStringLiteral("  title \"При\"");
    QByteArray out;
    ASSERT_TRUE(ComposeScript(script, {"away", table, {}, 1251}, &out).Written());
    EXPECT_EQ(out, QByteArray("; \xCF\xF0\xE8\ndialog away {\n  title \"\xCF\xF0\xE8\"\n"
                              "  size -1 -1 100 50\n  option pixels\n}\n"));
    table[1] = QStringLiteral("  title \"Пğ\"");
    const TmvScriptWriteResult result = ComposeScript(script, {"away", table, {}, 1251}, &out);
    EXPECT_EQ(result.Status, TmvScriptWriteStatus::Unencodable);
    EXPECT_TRUE(result.Message.contains("\"ğ\" (U+011F)")) << result.Message.toStdString();
    EXPECT_TRUE(result.Message.contains("Cyrillic (1251)")) << result.Message.toStdString();
    // A letter the code page lacks is refused, not written as its nearest look-alike ("l").
    table[1] = QStringLiteral("  title \"é ł\"");
    EXPECT_EQ(ComposeScript(script, {"away", table, {}, 1252}, &out).Status,
              TmvScriptWriteStatus::Unencodable);
    table[1] = QStringLiteral("  title \"é €\"");
    ASSERT_TRUE(ComposeScript(script, {"away", table, {}, 1252}, &out).Written());
    EXPECT_TRUE(out.contains("title \"\xE9 \x80\"")) << out.toStdString();
}

// The byte offsets of each line: where it starts and where its text ends (before CR LF or LF).
std::vector<std::pair<qsizetype, qsizetype>> LineOffsets(const QByteArray& bytes) {
    std::vector<std::pair<qsizetype, qsizetype>> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0) end = bytes.size();
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.push_back({start, end});
        start = next;
    }
    return lines;
}

QString ScriptDataDir() {
    return SourceDir() + "/tests/data/scripts";
}

// Every table of every script of the test data, imported and written back: the bytes around it
// stay, its lines are the viewer's, and importing it again gives the same project.
TEST(ScriptRoundTrip, EveryTableOfTheTestScriptsGoesBackInItsPlace) {
    const QStringList scripts = QDir(ScriptDataDir()).entryList({"*.mrc"}, QDir::Files);
    ASSERT_GE(scripts.size(), 4);
    int tables = 0;
    for (const QString& name : scripts) {
        const QByteArray original = ReadBytes(ScriptDataDir() + "/" + name);
        QStringList lines;
        ASSERT_TRUE(ReadScriptLines(ScriptDataDir() + "/" + name, &lines, nullptr, 1254));
        for (const TmvScriptTable& found : ListScriptTables(lines, false)) {
            SCOPED_TRACE((name + " " + found.Name).toStdString());
            ++tables;
            QTemporaryDir dir;
            const QString path = dir.filePath(name);
            WriteTestFile(path, original);
            ImportRun first;
            first.Run(CollectTableLines(lines, false, found.HeaderLine, found.Name));
            const QStringList table = BuildDialogTable(first.Doc);
            ASSERT_TRUE(WriteIntoScript(path, {found.Name, table, {}, 1254}).Written());

            const TmvTableSpan span = FindTableSpan(lines, false, 0, found.Name);
            const auto offsets = LineOffsets(original);
            const QByteArray before = original.left(offsets[size_t(span.Header)].first);
            const QByteArray after = original.mid(offsets[size_t(span.Close)].second);
            const QByteArray written = ReadBytes(path);
            ASSERT_TRUE(written.startsWith(before));
            ASSERT_TRUE(written.endsWith(after));
            const QByteArray middle =
                written.mid(before.size(), written.size() - before.size() - after.size());
            EXPECT_EQ(SplitTextLines(DecodeScriptText(middle, 1254)).join('\n'), table.join('\n'));

            QStringList again;
            ASSERT_TRUE(ReadScriptLines(path, &again, nullptr, 1254));
            ImportRun second;
            second.Run(CollectTableLines(again, false, 0, first.Doc.TableName));
            EXPECT_EQ(DescribeDocument(second.Doc), DescribeDocument(first.Doc));
            EXPECT_EQ(BuildDialogTable(second.Doc), table);
        }
    }
    EXPECT_GE(tables, 5);
}

class CliWriteInto : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        environment_.Set("MAROVEL_CONFIG_DIR", QFile::encodeName(dir_.path()));
    }
    QString PathOf(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    // A project imported from a script by --import, so it remembers the script.
    QString ImportedProject(const QString& script, const char* table) {
        const QString project = PathOf("p.mv");
        const TestProcessResult run =
            RunMarovel({"--import", script, "--table", table, "--save", project});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        return project;
    }

    QTemporaryDir dir_;
    TestScopedEnvironment environment_;
};

TEST_F(CliWriteInto, ExitStatusesTellWhatHappened) {
    const QByteArray script = "alias a { }\r\ndialog first {\r\n  title \"1\"\r\n}\r\n"
                              "dialog second {\r\n  title \"2\"\r\n}\r\n";
    WriteTestFile(PathOf("s.mrc"), script);
    const QString project = ImportedProject(PathOf("s.mrc"), "second");
    WriteTestFile(PathOf("other.mrc"), "; other\n");
    WriteTestFile(PathOf("s.ini"), "[script]\nn0=dialog second {\nn1=  title \"2\"\nn2=}\n");
    struct TCase {
        QStringList Args;
        int Status;
    };
    const TCase cases[] = {
        {{PathOf("s.mrc"), project}, 0},
        // "first" would become a second table "second": refused.
        {{PathOf("s.mrc"), project, "--table", "first"}, 1},
        {{PathOf("other.mrc"), project}, 0},
        {{PathOf("missing.mrc"), project}, 1},
        {{PathOf("s.ini"), project}, 1},
        {{PathOf("s.mrc"), PathOf("missing.mv")}, 1},
        {{PathOf("s.mrc")}, 2},
        {{PathOf("s.mrc"), project, "--table"}, 2},
        {{PathOf("s.mrc"), project, "--tables", "x"}, 2},
        {{PathOf("s.mrc"), project, "--codepage", "1"}, 2},
    };
    for (const TCase& c : cases) {
        const TestProcessResult run = RunMarovel(QStringList{"--write-into"} + c.Args);
        EXPECT_EQ(run.status, c.Status) << c.Args.join(' ').toStdString() << run.err.toStdString();
    }
    // "second" replaced in its place, with the script's CR LF; the other script got it at its end.
    EXPECT_EQ(ReadBytes(PathOf("s.mrc")),
              QByteArray("alias a { }\r\ndialog first {\r\n  title \"1\"\r\n}\r\n"
                         "dialog second {\r\n  title \"2\"\r\n  size -1 -1 320 240\r\n"
                         "  option pixels\r\n}\r\n"));
    EXPECT_EQ(ReadBytes(PathOf("other.mrc")),
              QByteArray("; other\n\ndialog second {\n  title \"2\"\n  size -1 -1 320 240\n"
                         "  option pixels\n}\n"));
}
} // namespace
