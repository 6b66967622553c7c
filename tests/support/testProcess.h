#pragma once
// Runs the real marovel program (support/testPaths.h finds it).
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "support/testPaths.h"

struct TestProcessResult {
    int status; // -1 when the program crashed or did not finish
    QString out, err;
};

inline TestProcessResult RunMarovel(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(MarovelBinary(), args);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(120000);
    if (!finished) process.kill();
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
