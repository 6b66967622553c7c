// The transport to mIRC on systems without DDE: mIRC runs under Wine, so the conversation is
// held by the helper marovel-dde.exe (built from the same DDE code as the Windows version) run
// under wine in the user's prefix, and its exit status tells whether mIRC was reached.
#include "io/mvDde.h"

#ifndef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

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

// Waits for the process to end, at most the bound. With an application the window keeps
// painting meanwhile (user input waits, so no second command starts).
bool WaitForEnd(QProcess& process) {
    if (!QCoreApplication::instance()) return process.waitForFinished(kWineTimeoutMs);
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    bound.start(kWineTimeoutMs);
    if (process.state() != QProcess::NotRunning) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return process.state() == QProcess::NotRunning;
}

// Runs wine with `arguments`; true when it ran to its end, with its exit code and output.
bool RunWine(const QStringList& arguments, int& exitCode, QByteArray* output) {
    const QString wine = WineProgram();
    if (wine.isEmpty() || !PrefixReady()) return false;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("WINEDEBUG")))
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!output) process.setStandardOutputFile(QProcess::nullDevice());
    process.start(wine, arguments);
    if (!process.waitForStarted(kWineTimeoutMs)) return false;
    if (!WaitForEnd(process)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit) return false;
    exitCode = process.exitCode();
    if (output) *output = process.readAllStandardOutput();
    return true;
}

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
    if (helper.isEmpty()) return false;
    int exitCode = -1;
    return RunWine({helper, service, command}, exitCode, nullptr) && exitCode == 0;
}

QString ToMircPath(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    int exitCode = -1;
    QByteArray output;
    if (RunWine({QStringLiteral("winepath.exe"), QStringLiteral("-w"), absolute}, exitCode,
                &output) &&
        exitCode == 0) {
        while (output.endsWith('\n') || output.endsWith('\r'))
            output.chop(1);
        if (!output.isEmpty()) return QString::fromLocal8Bit(output);
    }
    // Without a working wine, Wine's default mapping: drive Z: is the root of the file system.
    return QStringLiteral("Z:") + QString(absolute).replace(QLatin1Char('/'), QLatin1Char('\\'));
}
#endif
