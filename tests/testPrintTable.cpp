// marovel --print-table, run as the real program.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testProcess.h"
#include "support/testProjectHelpers.h"
#include "surface/mvDialogTable.h"

namespace {
class PrintTable : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(PrintTable, PrintsTheLoadedProjectsTable) {
    ProjectRun source;
    source.Doc.UseDbu = true;
    source.Doc.TableName = QStringLiteral("cli");
    source.Doc.Menu.AddNode(nullptr, QStringLiteral("&File"), MenuData(30, 0));
    Place(source.Doc, ctTab, 5, 5, 200, 120);
    source.Doc.AddTabPage();
    Place(source.Doc, ctEdit, 20, 40, 80, 20, 0);
    Place(source.Doc, ctButton, 5, 140, 60, 24)->SetText(QStringLiteral("Tamam ğ"));
    const QString path = PathOf(QStringLiteral("cli.mv"));
    ASSERT_TRUE(source.SaveAs(path));

    const TestProcessResult run = RunMarovel({"--print-table", path});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, BuildDialogTable(source.Doc).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // The progress goes to standard error, never into the table.
    EXPECT_TRUE(run.err.contains(QStringLiteral("Loaded 3 controls.")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("Loading")));
}

TEST_F(PrintTable, MissingOrMalformedProjectsFail) {
    const QString missing = PathOf(QStringLiteral("none.mv"));
    const TestProcessResult absent = RunMarovel({"--print-table", missing});
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(absent.out.isEmpty());
    EXPECT_TRUE(absent.err.contains(QStringLiteral("File '%1' does not exist.").arg(missing)))
        << absent.err.toStdString();

    const QString bad = PathOf(QStringLiteral("bad.mv"));
    WriteTestFile(bad, "[Main]\nControlCount=1\n[Control1]\nPosition=1,2\n");
    const TestProcessResult malformed = RunMarovel({"--print-table", bad});
    EXPECT_EQ(malformed.status, 1);
    EXPECT_TRUE(malformed.out.isEmpty());
    EXPECT_TRUE(malformed.err.contains(QStringLiteral("Load Project")));
    EXPECT_TRUE(malformed.err.contains(QStringLiteral("[Control1]")));
}

TEST_F(PrintTable, WrongUsageExitsWithTwo) {
    for (const QStringList& args :
         {QStringList{"--print-table"}, QStringList{"--print-table", "a.mv", "b.mv"},
          QStringList{"--print-table", ""}}) {
        const TestProcessResult run = RunMarovel(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("--print-table PROJECT.mv")));
    }
}
} // namespace
