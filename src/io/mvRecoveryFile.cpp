#include "io/mvRecoveryFile.h"

#include <QDir>
#include <QFileInfo>

#include "io/mvConfigPaths.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"

namespace {
const QString kOriginalPathKey = QStringLiteral("OriginalPath");
const QString kTimeKey = QStringLiteral("Time");

QString TimeText(const QDateTime& when) {
    return when.toUTC().toString(Qt::ISODateWithMs);
}

// Why the buffer cannot be restored; empty when it can.
QString ProblemOf(const TmvIniFile& ini) {
    const QStringList sections = ini.SectionNames();
    if (!ini.SectionExists(kRecoverySection) ||
        sections.last().compare(kRecoverySection, Qt::CaseInsensitive) != 0)
        return QStringLiteral("It was cut short: the [%1] section that ends every recovery file "
                              "is missing.")
            .arg(kRecoverySection);
    if (!QDateTime::fromString(ini.ReadString(kRecoverySection, kTimeKey), Qt::ISODateWithMs)
             .isValid())
        return QStringLiteral("It was cut short: it holds no valid autosave time.");
    QString problem;
    if (!CheckProjectFile(ini, &problem))
        return QStringLiteral("It is not a valid project. ") + problem;
    return QString();
}
} // namespace

QString RecoveryFolder() {
    return QDir(ConfigFolder()).filePath(kRecoveryFolderName);
}

QString RecoveryFileName(const QDateTime& when, qint64 processId) {
    return QStringLiteral("marovel-%1-%2%3")
        .arg(when.toString(QStringLiteral("yyyyMMdd-hhmmss")))
        .arg(processId)
        .arg(kRecoveryFileSuffix);
}

bool WriteRecoveryFile(const DialogDocument& document, const QString& path,
                       const QString& originalPath, const QDateTime& when, QString* error) {
    TmvIniFile ini(path);
    WriteProject(document, ini);
    ini.WriteString(kRecoverySection, kOriginalPathKey, originalPath);
    ini.WriteString(kRecoverySection, kTimeKey, TimeText(when));
    return ini.Save(error);
}

QString TmvRecoveredFile::ProjectName() const {
    return OriginalPath.isEmpty() ? kNewProjectName : QFileInfo(OriginalPath).fileName();
}

TmvRecoveredFile ReadRecoveredFile(const QString& path) {
    TmvRecoveredFile file;
    file.Path = path;
    TmvIniFile ini(path);
    QString reason;
    if (!ini.Load(&reason))
        file.Problem = QStringLiteral("It cannot be read: ") + reason;
    else if (ini.SectionNames().isEmpty())
        file.Problem = QStringLiteral("It is empty.");
    else
        file.Problem = ProblemOf(ini);
    if (file.Damaged()) {
        file.Time = QFileInfo(path).lastModified();
        return file;
    }
    file.OriginalPath = ini.ReadString(kRecoverySection, kOriginalPathKey);
    file.Time = QDateTime::fromString(ini.ReadString(kRecoverySection, kTimeKey), Qt::ISODateWithMs)
                    .toLocalTime();
    file.TableName = ini.ReadString(QStringLiteral("Main"), QStringLiteral("Name"));
    return file;
}

TmvOriginalOnDisk CompareWithOriginal(const TmvRecoveredFile& file) {
    if (file.OriginalPath.isEmpty()) return TmvOriginalOnDisk::NewProject;
    const QFileInfo original(file.OriginalPath);
    if (!original.isFile()) return TmvOriginalOnDisk::Missing;
    return original.lastModified() > file.Time ? TmvOriginalOnDisk::Newer
                                               : TmvOriginalOnDisk::Older;
}
