// Preview without mIRC: the DDE sender is replaced by a recorder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "io/mvDde.h"
#include "io/mvPreview.h"
#include "support/scopedEnvironment.h"
#include "support/testDocumentHelpers.h"
#include "support/testRecordingPrompter.h"

namespace {
class FixedClock : public Clock {
public:
    quint32 Tick = 1234;
    quint32 TickCount() override { return Tick++; }
};

// Stands in for mIRC: records the commands of the exchange.
class RecordingMirc : public TmvMircConversation {
public:
    QStringList Commands;
    bool Connects = true;
    int Closes = 0;
    bool Open(const QString&, const QString& probe, const QString& scriptPath) override {
        Commands << probe;
        script_ = scriptPath;
        return Connects;
    }
    QString MircPath() override { return QStringLiteral("Z:") + script_; }
    bool Send(const QString& command) override {
        Commands << command;
        return true;
    }
    void Close() override { ++Closes; }

private:
    QString script_;
};

struct PreviewRun {
    RecordingMirc Mirc;
    QStringList& Commands = Mirc.Commands;
    bool& Connects = Mirc.Connects;
    RecordingPrompter Prompt;
    FixedClock Time;
    QString Script = QDir::temp().filePath(QStringLiteral("marovel-preview-test.mrc"));
    bool Run(DialogDocument& doc, bool fix) {
        TmvPreviewOptions options;
        options.PreviewFix = fix;
        options.ScriptPath = Script;
        options.Mirc = &Mirc;
        TmvInteraction ui;
        ui.Prompt = &Prompt;
        ui.Time = &Time;
        return PreviewDialog(doc, options, ui);
    }
    QString ScriptText() const {
        QFile f(Script);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
};
} // namespace

TEST(Preview, NoConnectionShowsDdeErrorAndStops) {
    DialogDocument doc;
    PreviewRun run;
    run.Connects = false;
    EXPECT_FALSE(run.Run(doc, true));
    EXPECT_EQ(run.Commands, QStringList{QStringLiteral("/return")});
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("DDE Error"));
}

TEST(Preview, NoClosingButtonWithoutFixSendsOnlyProbe) {
    DialogDocument doc;
    PreviewRun run;
    EXPECT_FALSE(run.Run(doc, false));
    EXPECT_EQ(run.Commands, QStringList{QStringLiteral("/return")});
    EXPECT_EQ(run.Mirc.Closes, 1); // ended, not left waiting behind the message
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("Preview Error"));
}

TEST(Preview, FixInsertsHiddenButtonBelowUsedIds) {
    DialogDocument doc;
    Place(doc, ctEdit, 0, 0, 50, 20)->ID = 3000;
    Place(doc, ctEdit, 0, 30, 50, 20)->ID = 2999;
    doc.TableName = QStringLiteral("mine");
    PreviewRun run;
    EXPECT_TRUE(run.Run(doc, true));
    ASSERT_EQ(run.Commands.size(), 2);
    // The script is named as the exchange says mIRC sees it.
    const QString mircPath = run.Mirc.MircPath();
    EXPECT_EQ(run.Commands[1], QStringLiteral("/.load -rs \"%1\"").arg(mircPath));
    EXPECT_EQ(doc.TableName, QStringLiteral("mine"));
    const QString text = run.ScriptText();
    EXPECT_TRUE(text.contains(QStringLiteral("button \"\", 2998, 0 0 0 0, ok hide\r\n}")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("alias -l testdialog dialog -mdo _MarovelTemp1234 _MarovelTemp1234")));
    EXPECT_TRUE(text.contains(QStringLiteral(".remove \"%1\" | .unload -rs \"%1\"").arg(mircPath)));
    EXPECT_TRUE(text.endsWith(QStringLiteral("on *:load: .timer -m 1 0 cleanup | testdialog\r\n")));
}

TEST(Preview, OkAndCancelButtonCountsAsClosingAndModifiedStays) {
    DialogDocument doc;
    Place(doc, ctButton, 0, 0, 50, 20)->Kind = 3;
    doc.Modified = false;
    PreviewRun run;
    EXPECT_TRUE(run.Run(doc, false));
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(run.ScriptText().contains(QStringLiteral("ok hide")));
}

TEST(Preview, AnUnwritableScriptIsNamedInTheError) {
    DialogDocument doc;
    Place(doc, ctButton, 0, 0, 50, 20)->Kind = 1;
    PreviewRun run;
    run.Script = QDir::temp().filePath(QStringLiteral("no-such-folder-here/123.mrc"));
    EXPECT_FALSE(run.Run(doc, false));
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("Preview Error"));
    EXPECT_TRUE(run.Prompt.Messages[0].Text.contains(run.Script))
        << run.Prompt.Messages[0].Text.toStdString();
}

TEST(Preview, ScriptGoesWhereItsPathIsPlainAscii) {
    QTemporaryDir dir;
    TestScopedEnvironment environment;
    const QString plain = dir.filePath(QStringLiteral("plain"));
    environment.Set("MAROVEL_CONFIG_DIR", QFile::encodeName(plain));
    EXPECT_EQ(DefaultPreviewScriptPath(), plain + QStringLiteral("/123.mrc"));
    environment.Set("MAROVEL_CONFIG_DIR",
                    QFile::encodeName(dir.filePath(QStringLiteral("Gözde Ağış"))));
    EXPECT_EQ(DefaultPreviewScriptPath(), QDir::tempPath() + QStringLiteral("/marovel-123.mrc"));
}

#ifndef Q_OS_WIN
// The temporary table names come from a clock that runs on from the system's start, not from
// the program's: a second run must not repeat the first one's names.
TEST(Preview, TheClockCountsFromTheSystemsStart) {
    QFile uptime(QStringLiteral("/proc/uptime"));
    ASSERT_TRUE(uptime.open(QIODevice::ReadOnly));
    const double seconds =
        QString::fromLatin1(uptime.readAll()).section(QLatin1Char(' '), 0, 0).toDouble();
    SystemClock clock;
    const double ticks = clock.TickCount() / 1000.0;
    // The monotonic clock leaves out suspended time, so it may lag the uptime, never lead it.
    EXPECT_LE(ticks, std::fmod(seconds, 4294967.296) + 1.0);
    EXPECT_GT(ticks, 0.0);
    if (seconds < 4294967.0 && seconds > 60) {
        EXPECT_GT(ticks, 30.0); // not the age of the program
    }
}

// A stand-in for wine that takes a while and succeeds.
class SlowWine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(DdeHelperPath().isEmpty()) << "marovel-dde.exe was not built";
        const QString wine = bin_.filePath(QStringLiteral("wine"));
        QFile script(wine);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nsleep 0.5\nexit 0\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_.Set("MAROVEL_WINE", QByteArray());
        environment_.Set("PATH", QFile::encodeName(bin_.path()) + ":" + qgetenv("PATH"));
        // A prefix that Wine has just made: the folder, no "system.reg" yet.
        environment_.Set("WINEPREFIX", QFile::encodeName(prefix_.path()));
    }
    QTemporaryDir bin_;
    QTemporaryDir prefix_;
    TestScopedEnvironment environment_;
};

TEST_F(SlowWine, AFreshPrefixIsUsedAndTheWindowKeepsPaintingWhileWineRuns) {
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    EXPECT_TRUE(SendDdeCommand(QStringLiteral("mIRC"), QStringLiteral("/return")));
    EXPECT_GT(ticks, 5);
}
#endif
