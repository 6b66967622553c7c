#pragma once
// The recently used projects: full paths, oldest first, at most ten, no path twice (paths are
// compared without regard to case). Opening or saving a project under a new name moves it to
// the end. Stored in the settings file as [General] "Recent" = count and [Recent] "0", "1", ...
#include <QString>
#include <QStringList>

class TmvIniFile;

class TmvRecentFiles {
public:
    static constexpr int kMaxEntries = 10;

    const QStringList& Paths() const { return Paths_; }
    bool IsEmpty() const { return Paths_.isEmpty(); }

    // Removes the path if present, appends it, and drops the oldest beyond ten. An empty path
    // names no file and is ignored.
    void Add(const QString& path);
    void Clear() { Paths_.clear(); }

    // Replaces the list with the stored one. Entries are taken in index order through the
    // same rule as Add, so empty, repeated or surplus entries of a hand-edited file vanish.
    void Load(const TmvIniFile& ini);
    // [Recent] "0" ... first, then [General] "Recent".
    void Save(TmvIniFile& ini) const;

    // Captions of the recent-files menu, newest first: "1. path", "2. path", ...
    QStringList MenuCaptions() const;

private:
    QStringList Paths_;
};
