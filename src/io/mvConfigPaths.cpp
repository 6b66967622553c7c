#include "io/mvConfigPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

bool IsInstalledProgramFolder(const QString& folder) {
    // Installed, under any prefix, the program lives in <prefix>/lib/marovel.
    return QDir::cleanPath(QDir::fromNativeSeparators(folder))
        .endsWith(QLatin1String("/lib/marovel"));
}

bool CanCreateFileIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".marovel-probe-XXXXXX")));
    return probe.open();
}

namespace {
// The executable's folder when the settings may live there; asked once, as it does not change
// while the program runs.
bool UseExecutableFolder(const QString& exeFolder) {
    static const bool use = !IsInstalledProgramFolder(exeFolder) && CanCreateFileIn(exeFolder);
    return use;
}

QString UserFolder() {
#ifdef Q_OS_WIN
    // The roaming application data, where Windows programs keep their settings.
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
#endif
}
} // namespace

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
        if (UseExecutableFolder(exeFolder)) return exeFolder;
    }
    const QString userFolder = UserFolder();
    QDir().mkpath(userFolder);
    return userFolder;
}

QString ConfigFilePath(const QString& fileName) {
    return QDir(ConfigFolder()).filePath(fileName);
}
