#pragma once
// Where the settings, the control defaults and the error log live: the folder named by the
// environment variable MAROVEL_CONFIG_DIR when it is set; otherwise the executable's folder when
// it can be written and is not the folder the program is installed to (the program's
// traditional place); otherwise the per-user configuration folder, created when missing.
#include <QString>

// Whether the folder is where an installation puts the program (<prefix>/lib/marovel).
bool IsInstalledProgramFolder(const QString& folder);

QString ConfigFolder();
// The file of that name inside ConfigFolder().
QString ConfigFilePath(const QString& fileName);
