// The promise autosave makes, kept by the real program: the designer runs on an X display of its
// own, a change is typed into it, and it is killed with SIGKILL once autosave has written. While
// it runs, another start does not offer its work; once it is gone, the next start restores it
// under its original path, unsaved, with a fresh history, and a save writes the original.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

#include "io/mvRecoveryStore.h"
#include "io/mvUndoHistory.h"
#include "support/testPaths.h"
#include "support/testRecoveryHelpers.h"
#include "support/testShell.h"
#include "support/xvfbDisplay.h"

namespace {
QString Xdotool(const QString& display, const QStringList& args, int timeoutMs = 20000) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), args);
    if (!tool.waitForFinished(timeoutMs)) tool.kill();
    tool.waitForFinished(1000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

TEST(RecoveryProcess, WorkSurvivesSigkillAndOnlyTheNextStartOffersIt) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is not in PATH; scripts/install-deps installs it";
    TestRecoveryConfig config;
    TestXvfbDisplay display;
    const QString problem = display.Start(config.Dir.filePath(QStringLiteral("xvfb.log")));
    ASSERT_TRUE(problem.isEmpty()) << qPrintable(problem);
    const QString project = config.SampleCopy();

    QProcess designer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.Name());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    designer.setProcessEnvironment(env);
    designer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    designer.start(MarovelBinary(), {project});
    ASSERT_TRUE(designer.waitForStarted(10000));
    const QString window =
        Xdotool(display.Name(), {QStringLiteral("search"), QStringLiteral("--sync"),
                                 QStringLiteral("--name"), QStringLiteral("Marovel  - p.mv")});
    ASSERT_FALSE(window.isEmpty());
    // Delete All, without a question in these settings.
    Xdotool(display.Name(), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    Xdotool(display.Name(), {QStringLiteral("key"), QStringLiteral("alt+Delete")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return config.Files().size() == 1; }, 20000));

    // Running, its owner keeps the file to itself.
    {
        Shell other;
        EXPECT_FALSE(StartRecoveryWith(other.Main, [](TRecoveryWindow&) {}));
    }
    designer.kill();
    ASSERT_TRUE(designer.waitForFinished(10000));
    EXPECT_EQ(designer.exitStatus(), QProcess::CrashExit);

    ProjectRun expected;
    ASSERT_TRUE(expected.Load(project));
    expected.Doc.ClearDialog();
    Shell next;
    const bool offered = StartRecoveryWith(next.Main, [](TRecoveryWindow& window) {
        ASSERT_EQ(window.List->topLevelItemCount(), 1);
        EXPECT_EQ(window.List->topLevelItem(0)->text(0), "p.mv");
        QTest::mouseClick(window.btnRestore, Qt::LeftButton);
    });
    EXPECT_TRUE(offered);
    EXPECT_EQ(ProjectText(next.Doc()), ProjectText(expected.Doc));
    EXPECT_EQ(next.Doc().FileName, project);
    EXPECT_TRUE(next.Doc().Modified);
    EXPECT_FALSE(next.Main.History().CanUndo());
    // Restored, the file is this instance's: no other start offers it, and a save removes it.
    EXPECT_TRUE(TmvRecoveryStore(config.Folder()).ClaimOrphans().isEmpty());
    next.Main.actFileSave->trigger();
    EXPECT_TRUE(config.Files().isEmpty());
}
} // namespace
