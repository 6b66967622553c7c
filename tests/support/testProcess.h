#pragma once
// Runs the real marovel program (its path comes from CTest's MAROVEL_BINARY).
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct TestProcessResult {
    int status; // -1 when the program crashed or did not finish
    QString out, err;
};

inline TestProcessResult RunMarovel(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QString::fromLocal8Bit(qgetenv("MAROVEL_BINARY")), args);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(120000);
    if (!finished)
        process.kill();
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
