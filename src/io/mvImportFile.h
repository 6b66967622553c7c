#pragma once
// Finding dialog tables inside an mIRC script: ".mrc" and ".txt" scripts hold the table lines
// as they are; in an ".ini" script every line starts with a key and "=" (n0=dialog ...), which
// is stripped before a line is looked at.
#include <QString>
#include <QStringList>
#include <vector>

#include "surface/mvInteraction.h"

// The open dialog of "Select file..": the script filters, "Choose mIRC File...", no initial
// folder, and the last chosen script as the initial file.
TmvFileRequest ScriptFileRequest(const QString& lastPath);

// Text split into lines at CR LF, LF or CR (a pasted table or a script's contents). A final
// line end does not start another line.
QStringList SplitTextLines(const QString& text);

// The lines of a script file, decoded as UTF-8 when valid, else as Windows-1254. FALSE with
// the system's reason in *error when it cannot be read.
bool ReadScriptLines(const QString& path, QStringList* lines, QString* error = nullptr);

// Whether the script is an ".ini" script (by its extension, in any letter case).
bool IsIniScript(const QString& path);

// A script line trimmed, and for an ".ini" script without the key and "=".
QString NormaliseScriptLine(const QString& line, bool iniScript);

// The table name (lower case) when a normalised line is a table header ("dialog [-l] name {",
// in any letter case, with the brace on the same line); empty otherwise.
QString TableHeaderName(const QString& normalisedLine);

struct TmvScriptTable {
    QString Name;   // lower case, as listed
    int HeaderLine; // 0-based index of the header line in the script
};

// Every table header of the script, in file order.
std::vector<TmvScriptTable> ListScriptTables(const QStringList& lines, bool iniScript);

// The lines of one table, normalised and in their own letter case: from the first header at
// or after `headerLine` whose name is `name`, up to the line "}" (not included). A table that
// is never closed runs to the end of the script; no matching header gives no lines.
QStringList CollectTableLines(const QStringList& lines, bool iniScript, int headerLine,
                              const QString& name);
