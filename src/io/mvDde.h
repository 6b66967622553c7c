#pragma once
// The transport to mIRC. On Windows the DDE conversation runs in this process; elsewhere mIRC
// runs under Wine, so Marovel starts the helper marovel-dde.exe under `wine` in the user's Wine
// prefix (WINEPREFIX, or ~/.wine) and reads its exit status. MAROVEL_WINE names another wine
// command than the one found in PATH.
#include <QString>

// Pokes `command` to the DDE service `service`, topic "COMMAND", and forgets it. True exactly
// when a connection to the service was made; false as well when Wine, its prefix or the helper
// is missing.
bool SendDdeCommand(const QString& service, const QString& command);

// `path` as mIRC must be given it: the native absolute path on Windows, the Windows form that
// `winepath -w` gives elsewhere.
QString ToMircPath(const QString& path);

// Where the Wine helper was found (beside the marovel executable, else in the build tree), or
// an empty string when it is missing or not needed on this system.
QString DdeHelperPath();
