#pragma once
// The recently used projects: full paths, oldest first, at most ten, no path twice (paths are
// compared without regard to case only where the file system does so, on Windows). Opening or
// saving a project under a new name moves it to the end. The settings file stores the list
// (ReadRecentFiles and WriteRecentFiles).
#include <QString>
#include <QStringList>

class TmvRecentFiles {
public:
    static constexpr int kMaxEntries = 10;

    const QStringList& Paths() const { return Paths_; }
    bool IsEmpty() const { return Paths_.isEmpty(); }

    // Removes the path if present, appends it, and drops the oldest beyond ten. An empty path
    // names no file and is ignored.
    void Add(const QString& path);
    void Clear() { Paths_.clear(); }

    // Captions of the recent-files menu, newest first: "1. path", "2. path", ...
    QStringList MenuCaptions() const;

private:
    QStringList Paths_;
};
