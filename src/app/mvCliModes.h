#pragma once
// The windowless command-line modes, one file each. `args` holds the mode's option first, as
// on the command line; every mode returns one of the exit statuses of mvCommandLine.h.
#include <QStringList>

#include "app/mvConsoleInteraction.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"

// --print-table PROJECT.mv: the project's dialog table, one line each, on standard output.
// 1 when the project is missing or malformed.
int RunPrintTable(const QStringList& args);

// --list-tables SCRIPT [--codepage N]: the names of the script's tables, one a line, in file
// order, as the file import lists them. An empty list is no error; 1 when the file cannot be
// read.
int RunListTables(const QStringList& args);

// --import SCRIPT [--table NAME] [--codepage N] --save OUT.mv: one table of a script (the first
// unless named; SCRIPT "-" reads a pasted table from standard input) imported and saved as a
// project. 0 when the import reported no error (warnings included), 3 when it reported errors
// (the project is saved all the same), 1 when the script cannot be read, holds no such table
// or the project cannot be written.
int RunImport(const QStringList& args);

// --write-into SCRIPT PROJECT.mv [--table NAME] [--codepage N]: the project's table written
// into the script in the place of the table NAME (by default the table the project remembers
// for that script, else the project's table name), or at its end when the script has no table
// of that name; every other byte of the script stays, and its old content is kept as
// SCRIPT.bak. 1 when the project or the script cannot be read or the script cannot be written.
int RunWriteInto(const QStringList& args);

// All three read a script that is not UTF-8 in the Windows code page N, or else in the one the
// setting "LegacyCodePage" names. The code page of "--codepage N", or 0 (wrong usage, after
// saying why on standard error) when N is no code page this system can read.
int ParseCodePageArgument(const QString& text);

// --preview PROJECT.mv: the project previewed in the running mIRC named by the settings' DDE
// name. 0 when the load command was sent, 1 otherwise, with the error on standard error.
int RunPreview(const QStringList& args);

// A document with its project commands, answered on the console: status lines and messages go
// to standard error, questions are declined.
struct TmvCliProject {
    TmvConsoleInteraction Console;
    DialogDocument Document;
    TmvProjectSession Session{Document};

    TmvCliProject() { Session.Ui = Console.Ui(); }
    // Loaded exactly as the designer loads it; FALSE when nothing was loaded.
    bool Load(const QString& path) { return LoadProject(Session, path); }
};
