// The whole project file checked before a load replaces anything: a file that would stop
// half-way is refused, with the place of its fault, and the current project stays.
#include <algorithm>

#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "surface/mvIniValues.h"

namespace {
// n when the section name is "control" + n in the reader's spelling (any letter case, n written
// as the writer writes it), else 0.
int ControlSectionNumber(const QString& name) {
    static const QString prefix = QStringLiteral("control");
    if (name.size() <= prefix.size() || !name.startsWith(prefix, Qt::CaseInsensitive)) return 0;
    const QString digits = name.mid(prefix.size());
    const std::optional<int> n = FieldInteger(digits);
    return n && *n > 0 && QString::number(*n) == digits ? *n : 0;
}
} // namespace

std::vector<int> ControlSectionNumbers(const TmvIniFile& ini) {
    const int count = ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("ControlCount"), 0);
    std::vector<int> numbers;
    for (const QString& name : ini.SectionNames()) {
        const int n = ControlSectionNumber(name);
        if (n > 0 && n <= count) numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    // A repeated section name continues the first section; it is read once.
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

bool CheckProjectFile(const TmvIniFile& ini, QString* problem) {
    const QString main = QStringLiteral("Main");
    if (!ini.SectionExists(main)) {
        if (problem) *problem = QStringLiteral("It has no [Main] section.");
        return false;
    }
    if (!ReadMainPosition(ini, problem)) return false;
    // Old sections above "ControlCount" are never read, so they are not judged either.
    for (const int n : ControlSectionNumbers(ini))
        if (!ReadControlSectionHead(ini, n, problem)) return false;
    return true;
}
