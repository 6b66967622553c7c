// The transport to mIRC on Windows: the DDE conversation runs in this process.
#include "io/mvDde.h"

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>

#include "io/mvDdeml.h"

bool SendDdeCommand(const QString& service, const QString& command) {
    // DDE string handles and CF_TEXT carry the ANSI code page, which is what toLocal8Bit gives.
    return SendDdeCommandA(service.toLocal8Bit().constData(), command.toLocal8Bit().constData());
}

QString ToMircPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString DdeHelperPath() {
    return QString();
}
#endif
