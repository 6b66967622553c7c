#pragma once
// The program's version as the about box, the error log and --version show it.
#include <QString>

inline QString VersionText() {
    return QStringLiteral("1.0 final");
}
inline QString MarovelVersionText() {
    return QStringLiteral("Marovel ") + VersionText();
}
