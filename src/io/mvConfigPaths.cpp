#include "io/mvConfigPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool IsInstalledProgramFolder(const QString& folder) {
    // Installed, under any prefix, the program lives in <prefix>/lib/marovel.
    return QDir::cleanPath(QDir::fromNativeSeparators(folder))
        .endsWith(QLatin1String("/lib/marovel"));
}

QString ConfigFolder() {
    const QString configured = qEnvironmentVariable("MAROVEL_CONFIG_DIR");
    if (!configured.isEmpty()) {
        QDir().mkpath(configured);
        return QDir::cleanPath(configured);
    }
    if (QCoreApplication::instance()) {
        // A program run from its own folder keeps its settings there; an installed one keeps
        // them per user, even for a user who could write to the installed folder.
        const QString exeFolder = QCoreApplication::applicationDirPath();
        const QFileInfo info(exeFolder);
        if (info.isDir() && info.isWritable() && !IsInstalledProgramFolder(exeFolder))
            return exeFolder;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString ConfigFilePath(const QString& fileName) {
    return QDir(ConfigFolder()).filePath(fileName);
}
