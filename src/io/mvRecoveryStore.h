#pragma once
// The recovery folder as one running Marovel sees it. The instance owns one recovery file, named
// by its start and process id, with a QLockFile beside it ("<file>.lock") that it holds while it
// runs; a recovery file whose lock nobody holds belongs to an instance that ended without
// cleaning up (a crash, a kill, a power cut). Such orphans are claimed (locked) before they are
// offered, so two instances never offer, restore or remove the same file.
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

class DialogDocument;

class TmvRecoveryStore {
public:
    // Nothing is created on disk until the first write.
    explicit TmvRecoveryStore(const QString& folder);
    ~TmvRecoveryStore();
    TmvRecoveryStore(const TmvRecoveryStore&) = delete;
    TmvRecoveryStore& operator=(const TmvRecoveryStore&) = delete;

    const QString& Folder() const { return folder_; }
    // The file autosave writes to. Its name is settled by the first write: one that another
    // file or lock already has is passed over.
    const QString& OwnPath() const { return ownPath_; }

    // Writes the project into the own file, creating the folder and taking the own lock first.
    // FALSE with the reason; the previous own file is then left whole.
    bool Write(const DialogDocument& document, const QString& originalPath,
               QString* error = nullptr);
    // Removes the own file, when there is one.
    void RemoveOwn();

    // The recovery files of the folder whose owners are not running, in name order (stale locks
    // without a file are removed on the way). Each is
    // locked for this instance until it is released, discarded or adopted. A file whose lock
    // cannot even be made (a read-only folder) is listed unlocked.
    QStringList ClaimOrphans();
    // Gives a claimed file up, for another instance or the next start.
    void Release(const QString& path);
    // Removes a claimed file with its lock. FALSE with the reason when the file stays.
    bool Discard(const QString& path, QString* error = nullptr);
    // A claimed file becomes the own file: its restored project autosaves into it from now on.
    void Adopt(const QString& path);

private:
    bool TakeOwnLock(QString* error);
    // Locks left by instances that ended after their recovery file was removed.
    void RemoveStaleLocks() const;

    QString folder_;
    QString ownPath_;
    std::unique_ptr<QLockFile> ownLock_; // held once the own file's name is settled
    std::map<QString, std::unique_ptr<QLockFile>> claimed_;
};
