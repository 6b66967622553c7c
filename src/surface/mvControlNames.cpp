#include "surface/mvControlNames.h"

#include <QSet>
#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

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
    return control.Name().mid(ControlNamePrefix().size());
}

QString ControlListText(const TmvControl& control) {
    return VisibleName(control) + QStringLiteral(": ") + ControlKeyword(control.ControlType);
}

QString DialogDocument::UniqueControlName(const QString& keyword) const {
    // Numbers below the remembered hint were all taken when it was stored; a rename or a
    // deletion forgets the hints. So creating many controls in a row stays linear.
    const QString prefix = ControlNamePrefix() + keyword;
    const QString key = prefix.toLower();
    int n = nameHints_.value(key, 1);
    while (nameUse_.contains(key + QString::number(n)))
        ++n;
    nameHints_.insert(key, n);
    return prefix + QString::number(n);
}

TmvControl* DialogDocument::FindControlByName(const QString& name) const {
    if (!nameUse_.contains(name.toLower())) return nullptr;
    for (int i = 0; i < ControlCount(); ++i)
        if (ControlAt(i)->Name().compare(name, Qt::CaseInsensitive) == 0) return ControlAt(i);
    return nullptr;
}

bool DialogDocument::IsControlNameUsed(const QString& name) const {
    return nameUse_.contains(name.toLower());
}

void DialogDocument::IndexName(const QString& name, int delta) {
    if (name.isEmpty()) return;
    const QString key = name.toLower();
    const int count = nameUse_.value(key) + delta;
    if (count > 0)
        nameUse_.insert(key, count);
    else
        nameUse_.remove(key);
    if (delta < 0) nameHints_.clear();
}

void DialogDocument::SetControlName(TmvControl* control, const QString& name) {
    if (!control || control->ComponentName == name) return;
    const bool owned = Owns(control);
    if (owned) {
        IndexName(control->ComponentName, -1);
        IndexName(name, +1);
    }
    control->ComponentName = name;
    if (owned && Ui) Ui->ControlRenamed(control);
}
