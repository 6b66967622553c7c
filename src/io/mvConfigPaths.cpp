#include "io/mvConfigPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ConfigFolder() {
    const QString configured = qEnvironmentVariable("MAROVEL_CONFIG_DIR");
    if (!configured.isEmpty()) {
        QDir().mkpath(configured);
        return QDir::cleanPath(configured);
    }
    if (QCoreApplication::instance()) {
        const QString exeFolder = QCoreApplication::applicationDirPath();
        const QFileInfo info(exeFolder);
        if (info.isDir() && info.isWritable()) return exeFolder;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString ConfigFilePath(const QString& fileName) {
    return QDir(ConfigFolder()).filePath(fileName);
}
