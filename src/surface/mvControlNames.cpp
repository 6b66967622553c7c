#include "surface/mvControlNames.h"

#include <QSet>
#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvDialogDocument.h"

bool IsValidControlName(const QString& name) {
    if (name.isEmpty() || name.compare(QLatin1String("tabcontrol"), Qt::CaseInsensitive) == 0)
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok =
            (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_';
        if (!ok) return false;
    }
    return true;
}

QString VisibleName(const TmvControl& control) {
    return control.Name.mid(ControlNamePrefix().size());
}

QString ControlListText(const TmvControl& control) {
    return VisibleName(control) + QStringLiteral(": ") + ControlKeyword(control.ControlType);
}

QString DialogDocument::UniqueControlName(const QString& keyword) const {
    // The numbers already taken after this prefix, gathered in one pass. Only the plain
    // spelling counts: "button01" is not "button1".
    const QString prefix = ControlNamePrefix() + keyword;
    QSet<int> taken;
    for (int i = 0; i < ControlCount(); ++i) {
        const QString& name = ControlAt(i)->Name;
        if (!name.startsWith(prefix, Qt::CaseInsensitive)) continue;
        const QStringView digits = QStringView(name).mid(prefix.size());
        if (digits.isEmpty() || digits.size() > 9 || digits.front() == QLatin1Char('0')) continue;
        const bool allDigits = std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        });
        if (allDigits) taken.insert(digits.toInt());
    }
    int n = 1;
    while (taken.contains(n))
        ++n;
    return prefix + QString::number(n);
}

TmvControl* DialogDocument::FindControlByName(const QString& name) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (ControlAt(i)->Name.compare(name, Qt::CaseInsensitive) == 0) return ControlAt(i);
    return nullptr;
}
