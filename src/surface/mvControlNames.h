#pragma once
// Control names. A component name is "marovel_" and the name the user sees and types.
#include <QString>

class TmvControl;

// The prefix every component name carries.
inline QString ControlNamePrefix() {
    return QStringLiteral("marovel_");
}
// Not empty, not "tabcontrol" in any case, only ASCII letters, digits and underscores.
bool IsValidControlName(const QString& name);
// The component name without its prefix.
QString VisibleName(const TmvControl& control);
// The entry of a control in the unhide and creation-order lists: "name: keyword".
QString ControlListText(const TmvControl& control);
