#include "model/mvPlatform.h"

#include <QSysInfo>
#include <QStringList>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

namespace {
TmvBaseUnits SystemBaseUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}
} // namespace
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
namespace {
TmvBaseUnits SystemBaseUnits() {
    return {8, 16};
}
} // namespace
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

std::optional<TmvBaseUnits> ParseBaseUnits(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2) return std::nullopt;
    bool xOk = false, yOk = false;
    const int x = parts[0].toInt(&xOk), y = parts[1].toInt(&yOk);
    if (!xOk || !yOk || x <= 0 || y <= 0) return std::nullopt;
    return TmvBaseUnits{x, y};
}

TmvBaseUnits DialogBaseUnits() {
    static const TmvBaseUnits units =
        ParseBaseUnits(qEnvironmentVariable("MAROVEL_DIALOG_BASE_UNITS")).value_or(SystemBaseUnits());
    return units;
}
