// The transport to mIRC on systems without DDE: mIRC runs under Wine, so the conversation is
// held by the helper marovel-dde.exe (built from the same DDE code as the Windows version) run
// under wine in the user's prefix, and its exit status tells whether mIRC was reached.
#include "io/mvDde.h"

#ifndef Q_OS_WIN
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <functional>

namespace {

const QString kHelperName = QStringLiteral("marovel-dde.exe");

// A started wine normally ends within a second; this only bounds a wine that hangs.
constexpr int kWineTimeoutMs = 20000;

QString WineProgram() {
    const QString configured = qEnvironmentVariable("MAROVEL_WINE");
    const QString name = configured.isEmpty() ? QStringLiteral("wine") : configured;
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo file(name);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(name);
}

// The plain wine command would create a fresh ~/.wine (slow, and mIRC cannot be running in it)
// when the prefix does not exist yet. The folder is the test: a prefix made moments ago has no
// "system.reg" until the Wine server saves it. A configured command chooses its own prefix.
bool PrefixReady() {
    if (!qEnvironmentVariableIsEmpty("MAROVEL_WINE")) return true;
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty()) prefix = QDir::homePath() + QStringLiteral("/.wine");
    return QFileInfo(prefix).isDir();
}

// Wine's default mapping: drive Z: is the root of the file system.
QString DefaultDrivePath(const QString& absolute) {
    return QStringLiteral("Z:") + QString(absolute).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

// The wait cursor while wine runs, where there are windows to show it over.
class TBusyCursor {
public:
    TBusyCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~TBusyCursor() {
        if (shown_) QGuiApplication::restoreOverrideCursor();
    }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    bool shown_;
};

// One run of wine, bounded in time as a whole from its start.
class TWineRun {
public:
    ~TWineRun() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(1000);
    }

    // Starts wine with `arguments`, its input open for Write when `withInput`; false when wine
    // or its prefix is missing or it does not start.
    bool Start(const QStringList& arguments, bool withInput) {
        const QString wine = WineProgram();
        if (wine.isEmpty() || !PrefixReady()) return false;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!environment.contains(QStringLiteral("WINEDEBUG")))
            environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        process_.setProcessEnvironment(environment);
        if (!withInput) process_.setStandardInputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        deadline_ = QDeadlineTimer(kWineTimeoutMs);
        process_.start(wine, arguments);
        return process_.waitForStarted(kWineTimeoutMs);
    }

    // Waits for the next line of output; false when the run ended or the time ran out first.
    bool ReadLine(QByteArray& line) {
        if (!Wait([this] { return HasLine() || process_.state() == QProcess::NotRunning; }))
            return false;
        if (!HasLine()) return false;
        const qsizetype end = output_.indexOf('\n');
        line = output_.left(end);
        output_.remove(0, end + 1);
        if (line.endsWith('\r')) line.chop(1);
        return true;
    }

    void Write(const QByteArray& bytes) { process_.write(bytes); }
    void CloseInput() { process_.closeWriteChannel(); }

    // Waits for the end; true when wine ran to its end in time, with its exit code.
    bool Finish(int& exitCode) {
        if (!Wait([this] { return process_.state() == QProcess::NotRunning; })) return false;
        if (process_.exitStatus() != QProcess::NormalExit) return false;
        exitCode = process_.exitCode();
        return true;
    }

private:
    bool HasLine() {
        output_ += process_.readAllStandardOutput();
        return output_.contains('\n');
    }

    // Waits until `done` holds, at most until the deadline. With an application the window
    // keeps painting meanwhile; user input waits, so no second command starts.
    bool Wait(const std::function<bool()>& done) {
        if (done()) return true;
        if (!QCoreApplication::instance()) {
            while (!done() && !deadline_.hasExpired() && process_.state() != QProcess::NotRunning)
                if (!process_.waitForReadyRead(int(deadline_.remainingTime())))
                    process_.waitForFinished(int(deadline_.remainingTime()));
            return done();
        }
        const TBusyCursor busy;
        QEventLoop loop;
        QTimer bound;
        bound.setSingleShot(true);
        const auto check = [&] {
            if (done()) loop.quit();
        };
        QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, &loop, check);
        QObject::connect(&process_, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process_, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        bound.start(int(deadline_.remainingTime()));
        if (!done() && !deadline_.hasExpired()) loop.exec(QEventLoop::ExcludeUserInputEvents);
        return done();
    }

    QProcess process_;
    QDeadlineTimer deadline_{kWineTimeoutMs};
    QByteArray output_;
};

// The preview's exchange as one run of "marovel-dde.exe --preview".
class TWineConversation : public TmvMircConversation {
public:
    ~TWineConversation() override { Close(); }

    bool Open(const QString& service, const QString& probe, const QString& scriptPath) override {
        const QString helper = DdeHelperPath();
        const QString absolute = QFileInfo(scriptPath).absoluteFilePath();
        if (helper.isEmpty() ||
            !run_.Start({helper, QStringLiteral("--preview"), service, probe, absolute}, true))
            return false;
        // Whatever else wine writes before the helper's answer is not the answer.
        QByteArray line;
        do {
            if (!run_.ReadLine(line)) return false;
        } while (!line.startsWith("PATH "));
        mircPath_ = QString::fromUtf8(line.mid(5));
        if (mircPath_.isEmpty()) mircPath_ = DefaultDrivePath(absolute);
        open_ = true;
        return true;
    }

    QString MircPath() override { return mircPath_; }

    bool Send(const QString& command) override {
        // The helper reads one line: a command with a line break in it is not one it can send.
        if (!open_ || command.isEmpty() || command.contains(QLatin1Char('\n')) ||
            command.contains(QLatin1Char('\r'))) {
            Close();
            return false;
        }
        open_ = false;
        run_.Write(command.toUtf8() + '\n');
        run_.CloseInput();
        int exitCode = -1;
        return run_.Finish(exitCode) && exitCode == 0;
    }

    void Close() override {
        if (!open_) return;
        open_ = false;
        run_.CloseInput();
        int exitCode = -1;
        run_.Finish(exitCode);
    }

private:
    TWineRun run_;
    QString mircPath_;
    bool open_ = false;
};

} // namespace

QString DdeHelperPath() {
    if (QCoreApplication::instance()) {
        const QString beside =
            QCoreApplication::applicationDirPath() + QLatin1Char('/') + kHelperName;
        if (QFileInfo::exists(beside)) return beside;
    }
#ifdef MAROVEL_BUILD_TOOLS_DIR
    // Programs and tests run from the build tree find the helper where the build put it.
    const QString built = QStringLiteral(MAROVEL_BUILD_TOOLS_DIR "/") + kHelperName;
    if (QFileInfo::exists(built)) return built;
#endif
    return QString();
}

bool SendDdeCommand(const QString& service, const QString& command) {
    const QString helper = DdeHelperPath();
    TWineRun run;
    int exitCode = -1;
    return !helper.isEmpty() && run.Start({helper, service, command}, false) &&
           run.Finish(exitCode) && exitCode == 0;
}

QString ToMircPath(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString helper = DdeHelperPath();
    TWineRun run;
    QByteArray line;
    int exitCode = -1;
    if (!helper.isEmpty() && run.Start({helper, QStringLiteral("--path"), absolute}, false) &&
        run.ReadLine(line) && run.Finish(exitCode) && exitCode == 0 && !line.isEmpty())
        return QString::fromUtf8(line);
    return DefaultDrivePath(absolute);
}

std::unique_ptr<TmvMircConversation> NewMircConversation() {
    return std::make_unique<TWineConversation>();
}
#endif
