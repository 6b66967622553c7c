#include "io/mvRecentFiles.h"

#include <algorithm>
#include <map>

#include "io/mvIniFile.h"
#include "io/mvIniValues.h"

namespace {
const QString kGeneral = QStringLiteral("General");
const QString kRecent = QStringLiteral("Recent");
} // namespace

void TmvRecentFiles::Add(const QString& path) {
    if (path.isEmpty()) return;
    Paths_.removeIf([&](const QString& p) { return p.compare(path, Qt::CaseInsensitive) == 0; });
    Paths_.append(path);
    while (Paths_.size() > kMaxEntries)
        Paths_.removeFirst();
}

void TmvRecentFiles::Load(const TmvIniFile& ini) {
    Paths_.clear();
    const int count = ini.ReadInteger(kGeneral, kRecent, 0);
    // Walk the keys that exist instead of 0 .. count-1, so a corrupt count costs nothing.
    std::map<int, QString> byIndex;
    for (const QString& key : ini.Keys(kRecent)) {
        const std::optional<int> index = FieldInteger(key);
        if (index && *index >= 0 && *index < count && !byIndex.count(*index))
            byIndex.emplace(*index, ini.ReadString(kRecent, key));
    }
    for (const auto& entry : byIndex)
        Add(entry.second);
}

void TmvRecentFiles::Save(TmvIniFile& ini) const {
    for (qsizetype i = 0; i < Paths_.size(); ++i)
        ini.WriteString(kRecent, QString::number(i), Paths_[i]);
    ini.WriteInteger(kGeneral, kRecent, int(Paths_.size()));
}

QStringList TmvRecentFiles::MenuCaptions() const {
    QStringList captions;
    for (qsizetype i = Paths_.size() - 1; i >= 0; --i)
        captions.append(QStringLiteral("%1. %2").arg(Paths_.size() - i).arg(Paths_[i]));
    return captions;
}
