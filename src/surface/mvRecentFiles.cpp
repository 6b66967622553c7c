#include "surface/mvRecentFiles.h"

namespace {
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif
} // namespace

void TmvRecentFiles::Add(const QString& path) {
    if (path.isEmpty()) return;
    Paths_.removeIf([&](const QString& p) { return p.compare(path, kPathCase) == 0; });
    Paths_.append(path);
    while (Paths_.size() > kMaxEntries)
        Paths_.removeFirst();
}

QStringList TmvRecentFiles::MenuCaptions() const {
    QStringList captions;
    for (qsizetype i = Paths_.size() - 1; i >= 0; --i)
        captions.append(QStringLiteral("%1. %2").arg(Paths_.size() - i).arg(Paths_[i]));
    return captions;
}
