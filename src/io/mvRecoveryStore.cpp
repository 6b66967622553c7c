#include "io/mvRecoveryStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include "io/mvRecoveryFile.h"

namespace {
// Names tried for the own file when others hold the first.
constexpr int kNameTries = 100;

// A lock is held for the whole life of an instance, so it never goes stale by age: only when
// the process that took it is gone.
std::unique_ptr<QLockFile> LockFor(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

QString LockProblem(const QLockFile& lock) {
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another program holds its lock");
    case QLockFile::PermissionError:
        return QStringLiteral("the folder cannot be written");
    default:
        return QStringLiteral("its lock cannot be made");
    }
}

void SetError(QString* error, const QString& text) {
    if (error) *error = text;
}
} // namespace

TmvRecoveryStore::TmvRecoveryStore(const QString& folder)
    : folder_(QDir::cleanPath(folder)),
      ownPath_(QDir(folder_).filePath(
          RecoveryFileName(QDateTime::currentDateTime(), QCoreApplication::applicationPid()))) {}

TmvRecoveryStore::~TmvRecoveryStore() = default;

bool TmvRecoveryStore::TakeOwnLock(QString* error) {
    if (ownLock_) return true;
    if (!QDir().mkpath(folder_)) {
        SetError(error, QStringLiteral("the folder '%1' cannot be made").arg(folder_));
        return false;
    }
    // A name some file already has is never taken over: that file may be an orphan.
    const QString base = ownPath_.chopped(kRecoveryFileSuffix.size());
    for (int n = 1; n <= kNameTries; ++n) {
        const QString path =
            n == 1 ? ownPath_ : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(kRecoveryFileSuffix);
        if (claimed_.count(path) || QFile::exists(path)) continue;
        std::unique_ptr<QLockFile> lock = LockFor(path);
        if (lock->tryLock(0)) {
            ownLock_ = std::move(lock);
            ownPath_ = path;
            return true;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            SetError(error, LockProblem(*lock));
            return false;
        }
    }
    SetError(error, QStringLiteral("every name for it is taken"));
    return false;
}

bool TmvRecoveryStore::Write(const DialogDocument& document, const QString& originalPath,
                             QString* error) {
    // Without the lock another instance could take the file for an orphan.
    if (!TakeOwnLock(error)) return false;
    return WriteRecoveryFile(document, ownPath_, originalPath, QDateTime::currentDateTime(), error);
}

void TmvRecoveryStore::RemoveOwn() {
    if (QFile::exists(ownPath_)) QFile::remove(ownPath_);
}

void TmvRecoveryStore::RemoveStaleLocks() const {
    const QDir dir(folder_);
    const QString lockSuffix = kRecoveryFileSuffix + QStringLiteral(".lock");
    for (const QString& name : dir.entryList({QLatin1Char('*') + lockSuffix}, QDir::Files)) {
        const QString path = dir.filePath(name.chopped(5));
        if (QFile::exists(path) || (ownLock_ && path == ownPath_)) continue;
        // Taken and given back, the lock of an instance that is gone vanishes.
        std::unique_ptr<QLockFile> lock = LockFor(path);
        if (lock->tryLock(0)) lock->unlock();
    }
}

QStringList TmvRecoveryStore::ClaimOrphans() {
    RemoveStaleLocks();
    QStringList orphans;
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QLatin1Char('*') + kRecoveryFileSuffix}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if ((ownLock_ && path == ownPath_) || claimed_.count(path)) continue;
        std::unique_ptr<QLockFile> lock = LockFor(path);
        if (lock->tryLock(0)) {
            claimed_.emplace(path, std::move(lock));
            orphans << path;
        } else if (lock->error() == QLockFile::PermissionError) {
            orphans << path;
        }
    }
    return orphans;
}

void TmvRecoveryStore::Release(const QString& path) {
    claimed_.erase(path);
}

bool TmvRecoveryStore::Discard(const QString& path, QString* error) {
    QFile file(path);
    if (file.exists() && !file.remove()) {
        SetError(error, file.errorString());
        return false;
    }
    claimed_.erase(path);
    return true;
}

void TmvRecoveryStore::Adopt(const QString& path) {
    const auto claimed = claimed_.find(path);
    if (claimed == claimed_.end()) return;
    // The file written so far, if any, holds an older state of the same work.
    RemoveOwn();
    ownLock_ = std::move(claimed->second);
    claimed_.erase(claimed);
    ownPath_ = path;
}
