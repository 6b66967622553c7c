#pragma once
// Where the settings, the control defaults and the error log live: the folder named by the
// environment variable MAROVEL_CONFIG_DIR when it is set; otherwise the executable's folder when
// a file can be created in it and it is not the folder the program is installed to (the
// program's traditional place, and a portable unpacked copy on Windows); otherwise the per-user
// folder (~/.config/Marovel, %APPDATA%\Marovel on Windows), created when missing.
#include <QString>

// Whether a file can be created in `folder`: tried, since permissions alone do not tell (on
// Windows a folder's read-only flag means nothing, and access lists are not looked at).
bool CanCreateFileIn(const QString& folder);
// Whether the folder is where an installation puts the program (<prefix>/lib/marovel).
bool IsInstalledProgramFolder(const QString& folder);

QString ConfigFolder();
// The file of that name inside ConfigFolder().
QString ConfigFilePath(const QString& fileName);
