// Preview and export end to end: PreviewDialog and the --preview mode talk to the stand-in for
// mIRC through the real transport (marovel-dde.exe under a private Wine), and the stand-in
// opens the scripts they wrote from inside Wine.
#include <gtest/gtest.h>

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTimer>

#include "io/mvConfigPaths.h"
#include "io/mvExport.h"
#include "io/mvPreview.h"
#include "model/mvControls.h"
#include "support/scopedEnvironment.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testProcess.h"
#include "support/testProjectHelpers.h"
#include "support/wineStandInTest.h"
#include "surface/mvDialogTable.h"

namespace {

const QString kTempName = QStringLiteral("_MarovelTemp4242");

class PreviewWine : public WineStandInTest {
protected:
    void SetUp() override {
        WineStandInTest::SetUp();
        // "123.mrc" goes to the configuration folder, here one of the test's own.
        config_ = session_->WorkPath() + QStringLiteral("/config");
        environment_.Set("MAROVEL_CONFIG_DIR", QFile::encodeName(config_));
        QFile::remove(ScriptPath());
        doc_.TableName = QStringLiteral("mine");
        doc_.Title = QStringLiteral("Önizleme");
        Place(doc_, ctEdit, 10, 10, 100, 20);
    }

    QString ScriptPath() const { return config_ + QStringLiteral("/123.mrc"); }
    QString LoadCommand() const {
        return QStringLiteral("/.load -rs \"%1\"").arg(ToMircPath(ScriptPath()));
    }
    void AddOkButton() { Place(doc_, ctButton, 10, 40, 60, 24)->Kind = 1; }
    bool Preview(const QString& service, bool fix) {
        TmvPreviewOptions options;
        options.DdeName = service;
        options.PreviewFix = fix;
        return PreviewDialog(doc_, options, {&prompt_, nullptr, nullptr, &clock_});
    }
    // The table as the preview must have written it, under the temporary name.
    QStringList TemporaryTable() {
        doc_.TableName = kTempName;
        const QStringList lines = BuildDialogTable(doc_);
        doc_.TableName = QStringLiteral("mine");
        return lines;
    }
    // The lines the stand-in logs for the preview's two pokes and the script it opened.
    QStringList PreviewLog(const QStringList& table) const {
        QStringList log =
            StandInPokeLines(QStringLiteral("/return")) + StandInPokeLines(LoadCommand());
        log << QStringLiteral("SCRIPT ") + ToMircPath(ScriptPath());
        log += table;
        log << QStringLiteral("alias -l testdialog dialog -mdo %1 %1").arg(kTempName)
            << QStringLiteral("alias -l cleanup .remove \"%1\" | .unload -rs \"%1\"")
                   .arg(ToMircPath(ScriptPath()))
            << QStringLiteral("on *:load: .timer -m 1 0 cleanup | testdialog")
            << QStringLiteral("END SCRIPT");
        return log;
    }

    QString config_;
    TestScopedEnvironment environment_;
    DialogDocument doc_;
    RecordingPrompter prompt_;
    SteppingClock clock_{4242, 0};
};

TEST_F(PreviewWine, ProbeThenLoadOfTheWholeTable) {
    AddOkButton();
    for (const bool modified : {false, true}) {
        doc_.Modified = modified;
        ASSERT_TRUE(Preview(kStandInService, false));
        EXPECT_EQ(doc_.TableName, QStringLiteral("mine"));
        EXPECT_EQ(doc_.Modified, modified);
    }
    EXPECT_TRUE(prompt_.Messages.empty());
    ASSERT_TRUE(standIn_->WaitForPokes(4));
    const QStringList once = PreviewLog(TemporaryTable());
    EXPECT_EQ(standIn_->LogLines(), once + once);
}

// One preview is one run of the helper under wine, probe, path and load together, and the
// window keeps working meanwhile: its timers fire, under a wait cursor.
TEST_F(PreviewWine, OnePreviewIsOneRunOfTheHelperWhileTheWindowKeepsWorking) {
    AddOkButton();
    const QString starts = session_->WorkPath() + QStringLiteral("/wine-starts.log");
    const QString wine = session_->WorkPath() + QStringLiteral("/counting-wine");
    WriteTestFile(wine, "#!/bin/sh\necho \"$*\" >> '" + QFile::encodeName(starts) +
                            "'\nexec wine \"$@\"\n");
    ASSERT_TRUE(
        QFile::setPermissions(wine, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    environment_.Set("MAROVEL_WINE", QFile::encodeName(wine));
    int ticks = 0;
    int busyTicks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        if (cursor && cursor->shape() == Qt::WaitCursor) ++busyTicks;
    });
    timer.start(5);
    ASSERT_TRUE(Preview(kStandInService, false));
    timer.stop();
    const QStringList runs = ReadTestFile(starts).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(runs.size(), 1) << runs.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(runs[0].startsWith(DdeHelperPath() + QStringLiteral(" --preview ")))
        << runs[0].toStdString();
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(busyTicks, ticks);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    environment_.Set("MAROVEL_WINE", QByteArray());
    ASSERT_TRUE(standIn_->WaitForPokes(2));
    EXPECT_EQ(standIn_->LogLines(), PreviewLog(TemporaryTable()));
}

TEST_F(PreviewWine, FixAddsTheHiddenButtonMircOpens) {
    ASSERT_TRUE(Preview(kStandInService, true));
    QStringList table = TemporaryTable();
    table.insert(table.size() - 1, QStringLiteral("button \"\", 3000, 0 0 0 0, ok hide"));
    ASSERT_TRUE(standIn_->WaitForPokes(2));
    EXPECT_EQ(standIn_->LogLines(), PreviewLog(table));
}

TEST_F(PreviewWine, WrongDdeNameGivesTheDdeError) {
    AddOkButton();
    EXPECT_FALSE(Preview(QStringLiteral("NoSuchMirc"), true));
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Caption, QStringLiteral("DDE Error"));
    EXPECT_EQ(prompt_.Messages[0].Text, DdeErrorText(QStringLiteral("NoSuchMirc")));
    EXPECT_FALSE(QFileInfo::exists(ScriptPath()));
    // Nothing reached the stand-in: only what is sent to it afterwards arrives.
    EXPECT_TRUE(SendDdeCommand(kStandInService, QStringLiteral("/echo after")));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/echo after")});
}

TEST_F(PreviewWine, NoClosingButtonWithoutFixSendsOnlyTheProbe) {
    EXPECT_FALSE(Preview(kStandInService, false));
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Caption, QStringLiteral("Preview Error"));
    EXPECT_EQ(prompt_.Messages[0].Text, NoClosingButtonText());
    EXPECT_FALSE(QFileInfo::exists(ScriptPath()));
    // Every poke has arrived by the time SendDdeCommand returns.
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/return")});
}

// mIRC takes the load command in the ANSI code page: a settings folder with letters outside it
// must not turn the path into one that names no file.
TEST_F(PreviewWine, ASettingsFolderOutsideTheCodePageStillReachesMirc) {
    AddOkButton();
    environment_.Set("MAROVEL_CONFIG_DIR",
                     QFile::encodeName(session_->WorkPath() + QStringLiteral("/Gözde Ağış")));
    ASSERT_TRUE(Preview(kStandInService, false));
    ASSERT_TRUE(standIn_->WaitForPokes(2));
    const QString script = ToMircPath(DefaultPreviewScriptPath());
    EXPECT_EQ(standIn_->Pokes().value(1), QStringLiteral("/.load -rs \"%1\"").arg(script));
    const QStringList log = standIn_->LogLines();
    const qsizetype at = log.indexOf(QStringLiteral("SCRIPT ") + script);
    ASSERT_GE(at, 0) << log.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log.value(at + 1), TemporaryTable().value(0));
    QFile::remove(DefaultPreviewScriptPath());
}

// An exported script is the table as it is, and opens on the Windows side.
TEST_F(PreviewWine, ExportedScriptOpensInWine) {
    AddOkButton();
    ScriptedFiles files;
    const QString exported = session_->WorkPath() + QStringLiteral("/exported table");
    files.Answers.push_back(exported);
    ASSERT_TRUE(ExportTable(doc_, {&prompt_, &files, nullptr, nullptr}));
    const QString load = QStringLiteral("/.load -rs \"%1\"").arg(ToMircPath(exported));
    ASSERT_TRUE(SendDdeCommand(kStandInService, load));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    QStringList expected = StandInPokeLines(load);
    expected << QStringLiteral("SCRIPT ") + ToMircPath(exported);
    expected += BuildDialogTable(doc_);
    expected << QStringLiteral("END SCRIPT");
    EXPECT_EQ(standIn_->LogLines(), expected);
}

// The command line previews with the DDE name and PreviewFix of the settings file.
TEST_F(PreviewWine, PreviewModeUsesTheSettings) {
    ProjectRun project;
    Place(project.Doc, ctText, 5, 5, 40, 12)->SetText(QStringLiteral("Merhaba"));
    const QString path = session_->WorkPath() + QStringLiteral("/cli.mv");
    ASSERT_TRUE(project.SaveAs(path));

    WriteTestFile(config_ + QStringLiteral("/marovel.ini"),
                  "[General]\r\nDDEName=marovelTEST\r\nPreviewFix=0\r\n");
    const TestProcessResult refused = RunMarovel({"--preview", path});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Preview Error: ") + NoClosingButtonText()))
        << refused.err.toStdString();

    WriteTestFile(config_ + QStringLiteral("/marovel.ini"),
                  "[General]\r\nDDEName=marovelTEST\r\nPreviewFix=1\r\n");
    const TestProcessResult shown = RunMarovel({"--preview", path});
    EXPECT_EQ(shown.status, 0) << shown.err.toStdString();
    ASSERT_TRUE(standIn_->WaitForPokes(3));
    const QStringList pokes = standIn_->Pokes();
    EXPECT_EQ(pokes,
              (QStringList{QStringLiteral("/return"), QStringLiteral("/return"), LoadCommand()}));
    const QStringList log = standIn_->LogLines();
    const qsizetype script = log.indexOf(QStringLiteral("SCRIPT ") + ToMircPath(ScriptPath()));
    ASSERT_GE(script, 0);
    EXPECT_TRUE(log.value(script + 1).startsWith(QStringLiteral("dialog _MarovelTemp")));
    EXPECT_TRUE(log.contains(QStringLiteral("  text \"Merhaba\", 1, 5 5 40 12")));
    EXPECT_TRUE(log.contains(QStringLiteral("button \"\", 3000, 0 0 0 0, ok hide")));
}

} // namespace
