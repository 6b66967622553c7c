#include "support/ddeStandIn.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "io/mvDde.h"

namespace {

constexpr int kStartTimeoutMs = 60000;

} // namespace

QString TestDdeStandIn::Start(const QString& service, int lifetimeSeconds) {
    const QString program = TestWineSession::ToolPath(QStringLiteral("dde-standin.exe"));
    if (program.isEmpty())
        return QStringLiteral("dde-standin.exe was not built (it needs x86_64-w64-mingw32-g++, "
                              "which scripts/install-deps installs)");
    static int serial = 0;
    const QString base = session_.WorkPath() + QStringLiteral("/standin%1").arg(++serial);
    logPath_ = base + QStringLiteral(".log");
    const QString readyPath = base + QStringLiteral(".ready");
    process_ = session_.StartProgram(program, {service, ToMircPath(logPath_), ToMircPath(readyPath),
                                               QString::number(lifetimeSeconds)});
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(readyPath)) {
        if (process_->state() == QProcess::NotRunning || timer.elapsed() > kStartTimeoutMs) {
            Stop();
            return QStringLiteral("dde-standin.exe did not register \"%1\" (exit code %2): %3")
                .arg(service)
                .arg(process_ ? process_->exitCode() : -1)
                .arg(QString::fromLocal8Bit(process_ ? process_->readAll() : QByteArray()));
        }
        process_->waitForFinished(100);
    }
    return QString();
}

void TestDdeStandIn::Stop() {
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

bool TestDdeStandIn::WaitForExit(int timeoutMs) {
    return process_ &&
           (process_->state() == QProcess::NotRunning || process_->waitForFinished(timeoutMs));
}

QStringList TestDdeStandIn::LogLines() const {
    QFile file(logPath_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QStringList TestDdeStandIn::Pokes() const {
    QStringList pokes;
    const QString prefix = QStringLiteral("POKE ");
    for (const QString& line : LogLines())
        if (line.startsWith(prefix)) pokes << line.mid(prefix.size());
    return pokes;
}

bool TestDdeStandIn::WaitForPokes(int count, int timeoutMs) const {
    QElapsedTimer timer;
    timer.start();
    while (Pokes().size() < count) {
        if (timer.elapsed() > timeoutMs) return false;
        QThread::msleep(50);
    }
    return true;
}
