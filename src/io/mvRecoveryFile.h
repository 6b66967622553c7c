#pragma once
// Recovery files: the unsaved work of a running Marovel, written by autosave and by the
// fatal-error handler into the configuration folder's "recovery" subfolder, and offered back at
// the next start. A recovery file is a whole project in the project format followed by its own
// section, [Recovery], with the original project's path (empty for a new project) and the time
// it was written. That section is written last, so a file cut short lacks it and is known to be
// damaged.
#include <QDateTime>
#include <QString>

class DialogDocument;

inline const QString kRecoveryFolderName = QStringLiteral("recovery");
inline const QString kRecoveryFileSuffix = QStringLiteral(".recovered.mv");
inline const QString kRecoverySection = QStringLiteral("Recovery");
// What the recovery window calls a project that was never saved.
inline const QString kNewProjectName = QStringLiteral("new project");

// The "recovery" subfolder of the configuration folder (not created here).
QString RecoveryFolder();
// A recovery file name of its own for the instance with this process id, started at `when`.
QString RecoveryFileName(const QDateTime& when, qint64 processId);

// The project and the keys into `path`, replaced whole or not at all. FALSE with the reason.
bool WriteRecoveryFile(const DialogDocument& document, const QString& path,
                       const QString& originalPath, const QDateTime& when,
                       QString* error = nullptr);

// What the next start knows of a recovery file.
struct TmvRecoveredFile {
    QString Path;         // the recovery file
    QString OriginalPath; // empty: a new project
    QDateTime Time;       // when it was written
    QString TableName;    // the dialog's table name
    QString Problem;      // why it cannot be restored; empty when it can

    bool Damaged() const { return !Problem.isEmpty(); }
    // The original's file name, or "new project".
    QString ProjectName() const;
};

// Reads and checks the file as a load would; a file that cannot be restored comes back with
// its Problem and, as its Time, the file's own modification time.
TmvRecoveredFile ReadRecoveredFile(const QString& path);

// The original file on disk compared with the autosave.
enum class TmvOriginalOnDisk { NewProject, Missing, Older, Newer };
TmvOriginalOnDisk CompareWithOriginal(const TmvRecoveredFile& file);
