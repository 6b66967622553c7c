#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <stdexcept>

#include "io/mvErrorHandler.h"
#include "io/mvErrorLog.h"
#include "io/mvRecoveryFile.h"
#include "io/mvTextFile.h"
#include "model/mvPlatform.h"
#include "support/testHelpers.h"
#include "support/testRecordingPrompter.h"

namespace marovel_test {
struct BrokenProject : std::runtime_error {
    using std::runtime_error::runtime_error;
};
} // namespace marovel_test

namespace {

QString ReadLog(const QString& path) {
    QString text;
    EXPECT_TRUE(ReadTextFile(path, &text)) << path.toStdString();
    return text;
}

TmvErrorReport Report(const QString& objectName) {
    return {QStringLiteral("EConvertError"), objectName, QStringLiteral("TmvSurface"),
            QStringLiteral("'x' is not a valid integer value")};
}

// Hooks that record instead of ending the process; the log goes to a private folder.
class FatalErrors : public ::testing::Test {
protected:
    void SetUp() override {
        hooks_.Prompt = &prompt_;
        hooks_.LogFolder = dir_.path();
        hooks_.EndProgram = [this] { ++ends_; };
    }
    QString LogPath() const { return dir_.filePath(QStringLiteral("errorlog.txt")); }

    QTemporaryDir dir_;
    RecordingPrompter prompt_;
    TmvFatalErrorHooks hooks_;
    int ends_ = 0;
};

// Installs a test's hooks as the application-wide ones for its duration.
class GlobalHooks {
public:
    explicit GlobalHooks(const TmvFatalErrorHooks& hooks) : saved_(FatalErrorHooks()) {
        FatalErrorHooks() = hooks;
    }
    ~GlobalHooks() { FatalErrorHooks() = saved_; }

private:
    TmvFatalErrorHooks saved_;
};

} // namespace

TEST(ErrorLog, ReportHasSevenLinesWhenTheObjectHasAName) {
    EXPECT_EQ(ErrorReportLines(Report(QStringLiteral("MainDialog")), QStringLiteral("Windows 5.1")),
              QStringList(
                  {QStringLiteral("Marovel 1.0 final"), QStringLiteral("Windows 5.1"),
                   QStringLiteral("Exception EConvertError"), QStringLiteral("Object: MainDialog"),
                   QStringLiteral("Object Type: TmvSurface"),
                   QStringLiteral("Message: 'x' is not a valid integer value"), QString()}));
}

TEST(ErrorLog, ObjectWithoutANameHasNoObjectLine) {
    const QStringList lines = ErrorReportLines(Report(QString()), QStringLiteral("Linux"));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[3], "Object Type: TmvSurface");
    for (const QString& line : lines)
        EXPECT_FALSE(line.startsWith(QStringLiteral("Object: ")));
}

TEST(ErrorLog, DescribesStandardExceptionsByClassAndMessage) {
    QObject surface;
    surface.setObjectName(QStringLiteral("MainDialog"));
    const TmvErrorReport r = DescribeException(
        std::make_exception_ptr(marovel_test::BrokenProject("Position")), &surface);
    EXPECT_EQ(r.ExceptionClass, "marovel_test::BrokenProject");
    EXPECT_EQ(r.Message, "Position");
    EXPECT_EQ(r.ObjectName, "MainDialog");
    EXPECT_EQ(r.ObjectType, "QObject");
}

TEST(ErrorLog, DescribesOtherThrownValuesByTheirType) {
    const TmvErrorReport r = DescribeException(std::make_exception_ptr(42), nullptr);
    EXPECT_EQ(r.ExceptionClass, "int");
    EXPECT_FALSE(r.Message.isEmpty());
    EXPECT_TRUE(r.ObjectName.isEmpty());
    EXPECT_TRUE(r.ObjectType.isEmpty());
}

TEST(ErrorLog, UnnamedObjectGivesOnlyItsType) {
    QObject plain;
    const TmvErrorReport r =
        DescribeException(std::make_exception_ptr(std::out_of_range("index")), &plain);
    EXPECT_EQ(r.ExceptionClass, "std::out_of_range");
    EXPECT_TRUE(r.ObjectName.isEmpty());
    EXPECT_EQ(ErrorReportLines(r, QString()).size(), 6);
}

TEST(ErrorLog, TwoErrorsLeaveTwoReportsOneAfterTheOther) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("errorlog.txt"));
    const QStringList first = ErrorReportLines(Report(QStringLiteral("A")), QStringLiteral("OS"));
    const QStringList second = ErrorReportLines(Report(QString()), QStringLiteral("OS"));
    ASSERT_TRUE(AppendErrorReport(log, first));
    ASSERT_TRUE(AppendErrorReport(log, second));
    EXPECT_EQ(ReadLog(log), first.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                                second.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_TRUE(ReadLog(log).endsWith(QStringLiteral("\n\n")));
    // Where text files have CR LF line ends, the first report does not gain a CR per append.
    QByteArray bytes;
    ASSERT_TRUE(ReadFileBytes(log, &bytes));
    EXPECT_FALSE(bytes.contains("\r\r"));
}

TEST(ErrorLog, ReportStartsOnItsOwnLineAfterAnUnfinishedLog) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("errorlog.txt"));
    ASSERT_TRUE(WriteTextFile(log, QStringLiteral("older text")));
    ASSERT_TRUE(AppendErrorReport(log, {QStringLiteral("x"), QString()}));
    EXPECT_EQ(ReadLog(log), "older text\nx\n\n");
}

TEST(ErrorLog, UnwritableLogFailsWithTheReason) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteTextFile(plainFile, QStringLiteral("x")));
    QString error;
    EXPECT_FALSE(AppendErrorReport(plainFile + QStringLiteral("/errorlog.txt"),
                                   {QStringLiteral("line")}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ErrorLog, RecoveryFileIsNamedByTheStartAndTheProcessAndEndsWithRecoveredMv) {
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(RecoveryFileName(when, 4242), "marovel-20240305-140709-4242.recovered.mv");
}

TEST(ErrorLog, MessageNamesTheErrorTheLogAndTheRecoveryFile) {
    const QString text =
        FatalErrorMessage(QStringLiteral("EConvertError"), QStringLiteral("/cfg/errorlog.txt"),
                          QString(), QStringLiteral("/cfg/x.recovered.mv"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Exception \"EConvertError\" has occurred.\n\n")));
    // The paths are shown as the system writes them ("\\cfg\\errorlog.txt" on Windows).
    const auto quoted = [](const char* path) {
        return QLatin1Char('"') + QDir::toNativeSeparators(QString::fromUtf8(path)) +
               QLatin1Char('"');
    };
    EXPECT_TRUE(text.contains(quoted("/cfg/errorlog.txt")));
    EXPECT_TRUE(text.contains(QStringLiteral(MAROVEL_SUPPORT_EMAIL)));
    EXPECT_TRUE(text.contains(quoted("/cfg/x.recovered.mv")));
    EXPECT_FALSE(FatalErrorMessage(QStringLiteral("E"), QStringLiteral("/l"), QString(), QString())
                     .contains(QStringLiteral("recovered")));
}

TEST_F(FatalErrors, LogsSavesTheWorkTellsTheUserAndEnds) {
    const QString recoveryPath = dir_.filePath(QStringLiteral("recovery/x.recovered.mv"));
    hooks_.SaveRecovery = [&] { return recoveryPath; };
    HandleFatalError(Report(QStringLiteral("MainDialog")), hooks_);

    EXPECT_EQ(ReadLog(LogPath()),
              ErrorReportLines(Report(QStringLiteral("MainDialog")), OperatingSystemDescription())
                      .join(QLatin1Char('\n')) +
                  QLatin1Char('\n'));
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Kind, "Error");
    EXPECT_EQ(prompt_.Messages[0].Caption, "Marovel Error");
    EXPECT_TRUE(prompt_.Messages[0].Text.startsWith(
        QStringLiteral("Exception \"EConvertError\" has occurred.")));
    EXPECT_TRUE(prompt_.Messages[0].Text.contains(QDir::toNativeSeparators(recoveryPath)));
    EXPECT_EQ(ends_, 1);
}

TEST_F(FatalErrors, NothingUnsavedMeansNoRecoveryFileInTheMessage) {
    hooks_.SaveRecovery = [] { return QString(); };
    HandleFatalError(Report(QString()), hooks_);
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_FALSE(prompt_.Messages[0].Text.contains(QStringLiteral(".recovered.mv")));
    EXPECT_EQ(ends_, 1);
}

TEST_F(FatalErrors, FailedRecoveryIsIgnored) {
    hooks_.SaveRecovery = []() -> QString { throw std::runtime_error("disk full"); };
    HandleFatalError(Report(QString()), hooks_);
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_FALSE(prompt_.Messages[0].Text.contains(QStringLiteral(".recovered.mv")));
    EXPECT_TRUE(ReadLog(LogPath()).contains(QStringLiteral("Exception EConvertError")));
    EXPECT_EQ(ends_, 1);
}

TEST_F(FatalErrors, UnwritableLogStillTellsTheUserAndEnds) {
    const QString plainFile = dir_.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteTextFile(plainFile, QStringLiteral("x")));
    hooks_.LogFolder = plainFile;
    HandleFatalError(Report(QString()), hooks_);
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_TRUE(prompt_.Messages[0].Text.contains(QStringLiteral("could not be written")));
    EXPECT_EQ(ends_, 1);
}

TEST_F(FatalErrors, ErrorWhileTellingTheUserIsLoggedAndEndsAtOnce) {
    // The message box runs events; one of them fails too.
    class ReentrantPrompter : public RecordingPrompter {
    public:
        const TmvFatalErrorHooks* Hooks = nullptr;
        void Error(const QString& caption, const QString& text) override {
            RecordingPrompter::Error(caption, text);
            HandleFatalError(Report(QStringLiteral("Second")), *Hooks);
        }
    } prompt;
    prompt.Hooks = &hooks_;
    hooks_.Prompt = &prompt;
    HandleFatalError(Report(QStringLiteral("First")), hooks_);
    const QString log = ReadLog(LogPath());
    EXPECT_TRUE(log.indexOf(QStringLiteral("Object: First")) <
                log.indexOf(QStringLiteral("Object: Second")));
    EXPECT_EQ(prompt.Messages.size(), 1u);
    EXPECT_EQ(ends_, 2);
}

TEST_F(FatalErrors, GuardedDeliveryPassesResultsThrough) {
    const GlobalHooks global(hooks_);
    QObject receiver;
    EXPECT_TRUE(DeliverGuarded(&receiver, [] { return true; }));
    EXPECT_FALSE(DeliverGuarded(&receiver, [] { return false; }));
    EXPECT_EQ(ends_, 0);
    EXPECT_FALSE(QFile::exists(LogPath()));
}

TEST_F(FatalErrors, GuardedDeliveryReportsAnExceptionWithItsReceiver) {
    const GlobalHooks global(hooks_);
    QObject receiver;
    receiver.setObjectName(QStringLiteral("ObjectBrowser"));
    const bool delivered = DeliverGuarded(&receiver, []() -> bool {
        throw marovel_test::BrokenProject("'abc' is not a valid integer value");
    });
    EXPECT_FALSE(delivered);
    EXPECT_EQ(ends_, 1);
    const QString log = ReadLog(LogPath());
    EXPECT_TRUE(log.contains(QStringLiteral("\nException marovel_test::BrokenProject\n"
                                            "Object: ObjectBrowser\n"
                                            "Object Type: QObject\n"
                                            "Message: 'abc' is not a valid integer value\n\n")))
        << log.toStdString();
}

TEST_F(FatalErrors, TerminateIsLoggedBeforeTheProcessEnds) {
    GTEST_FLAG_SET(death_test_style, "fast");
    // On Windows the process that dies is this program started again, not a fork, with a
    // temporary folder of its own: the log goes to a folder both find by its name.
    const QString folder = QDir::temp().filePath(QStringLiteral("marovel-terminate-log"));
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EXIT(
        {
            TmvFatalErrorHooks hooks; // default end: the process exits at once
            hooks.LogFolder = folder;
            FatalErrorHooks() = hooks;
            InstallTerminateHandler();
            try {
                throw std::logic_error("lost");
            } catch (...) {
                std::terminate();
            }
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "Marovel Error: Exception \"std::logic_error\"");
    const QString log = ReadLog(QDir(folder).filePath(QStringLiteral("errorlog.txt")));
    QDir(folder).removeRecursively();
    EXPECT_TRUE(log.contains(QStringLiteral("Exception std::logic_error\n")));
    EXPECT_TRUE(
        log.contains(QStringLiteral("Object Type: ") +
                     QString::fromLatin1(QCoreApplication::instance()->metaObject()->className())));
    EXPECT_TRUE(log.contains(QStringLiteral("Message: lost\n\n")));
}
