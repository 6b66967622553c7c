#pragma once
// Finding dialog tables inside an mIRC script: ".mrc" and ".txt" scripts hold the table lines
// as they are; in an ".ini" script every line starts with a key and "=" (n0=dialog ...), which
// is stripped before a line is looked at.
#include <QString>
#include <QStringList>
#include <vector>

#include "io/mvTextFile.h"
#include "surface/mvInteraction.h"

struct TmvImportOptions;

// The open dialog of "Select file..": the script filters, "Choose mIRC File...", no initial
// folder, and the last chosen script as the initial file.
TmvFileRequest ScriptFileRequest(const QString& lastPath);

// Text split into lines at CR LF, LF or CR (a pasted table or a script's contents). A final
// line end does not start another line.
QStringList SplitTextLines(const QString& text);

// The lines of a script file, decoded as UTF-8 when valid, else in the Windows code page
// `legacyCodePage` (the setting "LegacyCodePage"), which *readInCodePage then names (0 for
// UTF-8). FALSE with the system's reason in *error when it cannot be read.
bool ReadScriptLines(const QString& path, QStringList* lines, QString* error = nullptr,
                     int legacyCodePage = kProgramCodePage, int* readInCodePage = nullptr);

// Whether the script is an ".ini" script (by its extension, in any letter case).
bool IsIniScript(const QString& path);

// A script line trimmed, and for an ".ini" script without the key and "=".
QString NormaliseScriptLine(const QString& line, bool iniScript);

// The table name (lower case) when a normalised line is a table header ("dialog [-l] name {",
// in any letter case, words separated by spaces or tabs, with the brace on the same line);
// empty otherwise.
QString TableHeaderName(const QString& normalisedLine);

struct TmvScriptTable {
    QString Name;   // lower case, as listed
    int HeaderLine; // 0-based index of the header line in the script
};

// Every table header of the script, in file order.
std::vector<TmvScriptTable> ListScriptTables(const QStringList& lines, bool iniScript);

// Where one table lies in a script: from the first header at or after the line searched from
// whose name is the one wanted, up to the line "}". A table that is never closed runs up to
// the next table's header or to the end of the script. Indexes are 0-based.
struct TmvTableSpan {
    int Header = -1; // the header line; -1 when no header of that name was found
    int Close = -1;  // the line "}"; -1 when the table is never closed
    int Stop = -1;   // where the table's lines end: Close, the next header, or the line count
    bool Found() const { return Header >= 0; }
    bool Closed() const { return Close >= 0; }
};
TmvTableSpan FindTableSpan(const QStringList& lines, bool iniScript, int headerLine,
                           const QString& name);

// The lines of one table, normalised and in their own letter case: those of its span without
// the line "}". A table that is never closed takes the next table's header along, so that the
// import tells of it; no matching header gives no lines. *firstLine is then the 0-based index
// of the header collected from.
QStringList CollectTableLines(const QStringList& lines, bool iniScript, int headerLine,
                              const QString& name, int* firstLine = nullptr);

// One table of a script as the import takes it (CollectTableLines), with the script's line
// number of its first line in options->FirstFileLine, so that the reports name both lines. The
// file import and the command line both take a table so.
QStringList CollectTableForImport(const QStringList& lines, bool iniScript, int headerLine,
                                  const QString& name, TmvImportOptions* options);
