#pragma once
// The program's name and version as the about box, the error log and --version show it.
#include <QString>

inline QString MarovelVersionText() {
    return QStringLiteral("Marovel 1.0 final");
}
