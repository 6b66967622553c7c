#include "support/wineSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A first wineboot takes tens of seconds; on a slow machine much more.
constexpr int kPrefixTimeoutMs = 240000;

} // namespace

TestWineSession::TestWineSession() = default;

TestWineSession::~TestWineSession() {
    Stop();
}

QString TestWineSession::ToolPath(const QString& name) {
    const QString path = QStringLiteral(MAROVEL_TOOLS_DIR "/") + name;
    return QFileInfo::exists(path) ? path : QString();
}

QString TestWineSession::Start() {
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
        return QStringLiteral("wine is not in PATH; scripts/install-deps installs wine and wine64");
    if (!prefix_.isValid() || !work_.isValid())
        return QStringLiteral("cannot create temporary folders");
    started_ = true;
    const QString displayError = StartDisplay();
    if (!displayError.isEmpty()) return displayError;
    return InitPrefix();
}

QString TestWineSession::StartDisplay() {
    const QString error = display_.Start(work_.path() + QStringLiteral("/xvfb.log"));
    if (!error.isEmpty()) return error;
    environment_.Set("DISPLAY", display_.Name().toLatin1());
    return QString();
}

QString TestWineSession::InitPrefix() {
    environment_.Set("WINEPREFIX", QFile::encodeName(prefix_.path()));
    // The server keeps its socket folder under TMPDIR and leaves it behind; keep it in ours.
    const QString serverFolder = work_.path() + QStringLiteral("/tmp");
    if (!QDir().mkpath(serverFolder)) return QStringLiteral("cannot create ") + serverFolder;
    environment_.Set("TMPDIR", QFile::encodeName(serverFolder));
    environment_.Set("WINEARCH", "win64");
    environment_.Set("WINEDEBUG", "-all");
    // No Mono or Gecko installers: they would wait for a click.
    environment_.Set("WINEDLLOVERRIDES", "mscoree,mshtml=");
    // MAROVEL_WINE must not send the code under test to another prefix.
    environment_.Set("MAROVEL_WINE", QByteArray());

    QProcess boot;
    boot.setProcessChannelMode(QProcess::MergedChannels);
    boot.start(QStringLiteral("wine"), {QStringLiteral("wineboot.exe"), QStringLiteral("-i")});
    if (!boot.waitForFinished(kPrefixTimeoutMs)) {
        boot.kill();
        boot.waitForFinished(1000);
        return QStringLiteral("wineboot did not finish within %1 s").arg(kPrefixTimeoutMs / 1000);
    }
    // The registry reaches the disk when the server ends; Marovel checks for it.
    QProcess server;
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-w")});
    if (!server.waitForFinished(60000)) server.kill();
    server.waitForFinished(1000);
    if (!QFileInfo::exists(prefix_.path() + QStringLiteral("/system.reg")))
        return QStringLiteral("wineboot did not create the prefix: ") +
               QString::fromLocal8Bit(boot.readAll());
    return QString();
}

QProcess* TestWineSession::StartProgram(const QString& program, const QStringList& arguments) {
    programs_.push_back(std::make_unique<QProcess>());
    QProcess* process = programs_.back().get();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(QStringLiteral("wine"), QStringList{program} + arguments);
    return process;
}

void TestWineSession::Stop() {
    if (!started_) return;
    started_ = false;
    for (auto& program : programs_) {
        if (program->state() != QProcess::NotRunning) {
            program->kill();
            program->waitForFinished(5000);
        }
    }
    programs_.clear();
    const QString wineserver = QStandardPaths::findExecutable(QStringLiteral("wineserver"));
    if (qgetenv("WINEPREFIX") == QFile::encodeName(prefix_.path()) && !wineserver.isEmpty()) {
        // Ends every process of the prefix and waits until its server is gone, so the folder
        // can be removed.
        for (const QString& option : {QStringLiteral("-k"), QStringLiteral("-w")}) {
            QProcess server;
            server.start(wineserver, {option});
            if (!server.waitForFinished(30000)) server.kill();
            server.waitForFinished(1000);
        }
    }
    display_.Stop();
    environment_.Restore();
}
