#pragma once
// The program's addresses, set when building (CMake cache variables).
#include <QString>

inline QString HomePageAddress() {
    return QStringLiteral(MAROVEL_HOMEPAGE);
}
inline QString SupportEmailAddress() {
    return QStringLiteral(MAROVEL_SUPPORT_EMAIL);
}
