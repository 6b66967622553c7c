#include "support/xvfbDisplay.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>

QString TestXvfbDisplay::Start(const QString& logPath, const QString& screen) {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QStringLiteral("Xvfb is not in PATH; scripts/install-deps installs xvfb");
    server_.setStandardErrorFile(logPath);
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                           QStringLiteral("-screen"), QStringLiteral("0"), screen,
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(10000)) return QStringLiteral("Xvfb does not start");
    const auto log = [&logPath] {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    };
    QByteArray number;
    QElapsedTimer timer;
    timer.start();
    while (!number.contains('\n') && timer.elapsed() < 20000 &&
           server_.state() == QProcess::Running) {
        server_.waitForReadyRead(500);
        number += server_.readAllStandardOutput();
    }
    number = number.trimmed();
    if (number.isEmpty()) return QStringLiteral("Xvfb gave no display number: ") + log();
    name_ = QLatin1Char(':') + QString::fromLatin1(number);
    return QString();
}

void TestXvfbDisplay::Stop() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished(1000);
    }
}
