// The transport to mIRC end to end: SendDdeCommand runs marovel-dde.exe under a private Wine
// prefix and pokes a real DDE server, the stand-in for mIRC, on an X display of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "io/mvDde.h"
#include "support/scopedEnvironment.h"
#include "support/testHelpers.h"
#include "support/wineStandInTest.h"

namespace {

const QString kService = kStandInService;

QString WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
    return path;
}

using Dde = WineStandInTest;

TEST_F(Dde, ProbeThenLoadArriveAndTheScriptOpensInWine) {
    const QByteArray script = "dialog _MarovelTemp1234 {\r\n  title \"Test\"\r\n}\r\n"
                              "alias -l testdialog dialog -mdo _MarovelTemp1234 "
                              "_MarovelTemp1234\r\n";
    const QString unixPath = WriteFile(session_->WorkPath() + QStringLiteral("/123.mrc"), script);
    ASSERT_FALSE(unixPath.isEmpty());
    const QString mircPath = ToMircPath(unixPath);
    const QString load = QStringLiteral("/.load -rs \"%1\"").arg(mircPath);

    EXPECT_TRUE(SendDdeCommand(kService, QStringLiteral("/return")));
    EXPECT_TRUE(SendDdeCommand(kService, load));
    ASSERT_TRUE(standIn_->WaitForPokes(2));

    QStringList expected = StandInPokeLines(QStringLiteral("/return")) + StandInPokeLines(load);
    expected << QStringLiteral("SCRIPT ") + mircPath << QStringLiteral("dialog _MarovelTemp1234 {")
             << QStringLiteral("  title \"Test\"") << QStringLiteral("}")
             << QStringLiteral("alias -l testdialog dialog -mdo _MarovelTemp1234 _MarovelTemp1234")
             << QStringLiteral("END SCRIPT");
    EXPECT_EQ(standIn_->LogLines(), expected);
}

TEST_F(Dde, WrongServiceIsNotReached) {
    EXPECT_FALSE(SendDdeCommand(QStringLiteral("NoSuchService"), QStringLiteral("/return")));
    // Only what is sent to the right name afterwards arrives.
    EXPECT_TRUE(SendDdeCommand(kService, QStringLiteral("/echo after")));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/echo after")});
}

// DDEML treats an empty name as "any server"; an empty DDE name must not reach the stand-in.
TEST_F(Dde, EmptyServiceReachesNobody) {
    EXPECT_FALSE(SendDdeCommand(QString(), QStringLiteral("/return")));
    EXPECT_TRUE(SendDdeCommand(kService, QStringLiteral("/echo after")));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/echo after")});
}

TEST_F(Dde, ServiceNameIgnoresCase) {
    EXPECT_TRUE(SendDdeCommand(kService.toUpper(), QStringLiteral("/return")));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
}

// Commands pass through QProcess, wine's command line and the helper's argument parsing; none
// of them may change a byte.
TEST_F(Dde, CommandsArriveVerbatim) {
    const QStringList commands = {
        QStringLiteral("/echo -a hello world"),
        QStringLiteral("/echo \"C:\\Program Files\\x y\\\""),
        QStringLiteral("/echo a\\b\\\\c\\\"d\" e"),
        QStringLiteral("/echo * ? [ab] %x $me | /echo second; & > < ^"),
        QStringLiteral("-not an option"),
        QStringLiteral("  /echo  spaced  "),
        QStringLiteral("/echo \"\""),
        QStringLiteral("/echo tab\there"),
        QStringLiteral("/echo \\"),
    };
    QStringList expected;
    for (const QString& command : commands) {
        EXPECT_TRUE(SendDdeCommand(kService, command)) << command.toStdString();
        expected += StandInPokeLines(command);
    }
    ASSERT_TRUE(standIn_->WaitForPokes(int(commands.size())));
    EXPECT_EQ(standIn_->LogLines(), expected);
}

TEST_F(Dde, ScriptPathWithSpacesOpens) {
    QDir(session_->WorkPath()).mkpath(QStringLiteral("with space"));
    const QString unixPath =
        WriteFile(session_->WorkPath() + QStringLiteral("/with space/a.mrc"), "alias x echo x\r\n");
    ASSERT_FALSE(unixPath.isEmpty());
    const QString load = QStringLiteral("/.load -rs \"%1\"").arg(ToMircPath(unixPath));
    EXPECT_TRUE(SendDdeCommand(kService, load));
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    const QStringList lines = standIn_->LogLines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[3], QStringLiteral("SCRIPT ") + ToMircPath(unixPath));
    EXPECT_EQ(lines[4], QStringLiteral("alias x echo x"));
}

TEST_F(Dde, MircPathIsTheWindowsFormWineGives) {
    EXPECT_EQ(ToMircPath(session_->PrefixPath() + QStringLiteral("/drive_c/mirc/123.mrc")),
              QStringLiteral("C:\\mirc\\123.mrc"));
    const QString outside = session_->WorkPath() + QStringLiteral("/123.mrc");
    EXPECT_EQ(ToMircPath(outside), QStringLiteral("Z:") + QString(outside).replace('/', '\\'));

    const QString current = QDir::currentPath();
    QDir::setCurrent(session_->WorkPath());
    EXPECT_EQ(ToMircPath(QStringLiteral("123.mrc")), ToMircPath(outside));
    QDir::setCurrent(current);
}

// The helper's own contract: 0 connected, 1 not connected, 2 wrong usage (the preview form is
// run by every preview test).
TEST_F(Dde, HelperExitStatusSaysWhetherItConnected) {
    struct TCase {
        QStringList Arguments;
        int ExitCode;
    };
    const TCase cases[] = {
        {{kService, QStringLiteral("/return")}, 0},
        {{QStringLiteral("NoSuchService"), QStringLiteral("/return")}, 1},
        {{kService}, 2},
        {{kService, QStringLiteral("/return"), QStringLiteral("extra")}, 2},
        {{QStringLiteral("--preview"), QStringLiteral("NoSuchService"), QStringLiteral("/return"),
          QStringLiteral("/tmp/123.mrc")},
         1},
        {{QStringLiteral("--preview"), kService, QStringLiteral("/return")}, 2},
        {{QStringLiteral("--path")}, 2},
    };
    for (const TCase& c : cases) {
        QProcess helper;
        helper.start(QStringLiteral("wine"), QStringList{DdeHelperPath()} + c.Arguments);
        ASSERT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitCode(), c.ExitCode) << c.Arguments.join(' ').toStdString();
    }
    ASSERT_TRUE(standIn_->WaitForPokes(1));
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/return")});
}

// The stand-in itself must never keep a test waiting.
TEST_F(Dde, StandInEndsOnQuit) {
    EXPECT_TRUE(SendDdeCommand(kService, QStringLiteral("/quit")));
    EXPECT_TRUE(standIn_->WaitForExit(20000));
    EXPECT_EQ(standIn_->Pokes(), QStringList{QStringLiteral("/quit")});
}

TEST_F(Dde, StandInEndsAfterItsLifetime) {
    TestDdeStandIn shortLived(*session_);
    const QString error = shortLived.Start(QStringLiteral("MarovelShortLived"), 1);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(shortLived.WaitForExit(20000));
    EXPECT_FALSE(SendDdeCommand(QStringLiteral("MarovelShortLived"), QStringLiteral("/return")));
}

// Without a usable wine the answer is false at once, and nothing is created on the way.
TEST(DdeWithoutWine, MissingWineCommandGivesFalse) {
    TestScopedEnvironment environment;
    environment.Set("MAROVEL_WINE", "/nonexistent/wine");
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(SendDdeCommand(QStringLiteral("mIRC"), QStringLiteral("/return")));
    EXPECT_LT(timer.elapsed(), 2000);
    // Wine's default drive mapping stands in for winepath.
    EXPECT_EQ(ToMircPath(QStringLiteral("/tmp/a b/123.mrc")),
              QStringLiteral("Z:\\tmp\\a b\\123.mrc"));
}

TEST(DdeWithoutWine, FailingWineCommandGivesFalse) {
    const QString failing = QStandardPaths::findExecutable(QStringLiteral("false"));
    ASSERT_FALSE(failing.isEmpty());
    TestScopedEnvironment environment;
    environment.Set("MAROVEL_WINE", QFile::encodeName(failing));
    EXPECT_FALSE(SendDdeCommand(QStringLiteral("mIRC"), QStringLiteral("/return")));
    EXPECT_EQ(ToMircPath(QStringLiteral("/tmp/x.mrc")), QStringLiteral("Z:\\tmp\\x.mrc"));
}

TEST(DdeWithoutWine, MissingPrefixGivesFalseAndIsNotCreated) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString prefix = folder.path() + QStringLiteral("/prefix");
    TestScopedEnvironment environment;
    environment.Set("MAROVEL_WINE", QByteArray());
    environment.Set("WINEPREFIX", QFile::encodeName(prefix));
    EXPECT_FALSE(SendDdeCommand(QStringLiteral("mIRC"), QStringLiteral("/return")));
    EXPECT_FALSE(QFileInfo::exists(prefix));
}

} // namespace
