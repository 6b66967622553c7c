#include "model/mvPlatform.h"

#include <QSysInfo>

#ifdef Q_OS_WIN
#include <windows.h>

TmvBaseUnits DialogBaseUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}
int VScrollBarWidth() {
    return GetSystemMetrics(SM_CXVSCROLL);
}
int HScrollBarHeight() {
    return GetSystemMetrics(SM_CYHSCROLL);
}
int HScrollArrowWidth() {
    return GetSystemMetrics(SM_CXHSCROLL);
}
int VScrollArrowHeight() {
    return GetSystemMetrics(SM_CYVSCROLL);
}
int WindowsMajorVersion() {
    return QSysInfo::productVersion().section(QLatin1Char('.'), 0, 0).toInt() >= 10
               ? 10
               : QSysInfo::kernelVersion().section(QLatin1Char('.'), 0, 0).toInt();
}
QString OperatingSystemDescription() {
    return QStringLiteral("Windows ") + QSysInfo::productVersion() + QLatin1Char(' ') +
           QSysInfo::kernelVersion();
}
#else
// Classic Windows metrics at 96 dots per inch.
TmvBaseUnits DialogBaseUnits() {
    return {8, 16};
}
int VScrollBarWidth() {
    return 17;
}
int HScrollBarHeight() {
    return 17;
}
int HScrollArrowWidth() {
    return 17;
}
int VScrollArrowHeight() {
    return 17;
}
int WindowsMajorVersion() {
    return 6;
}
QString OperatingSystemDescription() {
    return QSysInfo::prettyProductName() + QLatin1Char(' ') + QSysInfo::kernelVersion();
}
#endif
