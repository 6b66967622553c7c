#pragma once
// Writing a dialog table into an mIRC script. The table that stands there under a name is found
// by the rules the import finds it by, and exactly its lines, from the header to the closing
// brace, are replaced; or the table goes at the end of the script after one blank line. Every
// other byte of the file stays as it was: the other tables and lines, the line ends, a missing
// final line end and a byte-order mark. The new lines take the line end the file uses there
// and the script's encoding: UTF-8 when it is valid UTF-8, else the code page it was read in.
// The file is replaced atomically, and what it held before is kept beside it as
// "<script>.bak".
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "surface/mvInteraction.h"

struct TmvScriptEdit {
    QString ReplaceTable;   // the table whose lines are replaced; empty: add at the end
    QStringList Table;      // the new table, one line each, without line ends
    QStringList Appendix;   // after an added table, following a blank line (the event skeleton)
    int LegacyCodePage = 0; // reads a script that is not UTF-8 (the setting "LegacyCodePage")
};

enum class TmvScriptWriteStatus {
    Written,
    NoScript,       // the file does not exist
    Unreadable,     // it cannot be read (or is no script this program can rewrite)
    TableMissing,   // no table of the name to replace
    TableNotClosed, // the table to replace has no closing brace
    NameTaken,      // another table of the script already has the new table's name
    Unencodable,    // a character of the new lines has no bytes in the script's code page
    Unwritable,     // the backup or the script could not be written
};

struct TmvScriptWriteResult {
    TmvScriptWriteStatus Status = TmvScriptWriteStatus::Written;
    QString Message; // what went wrong, for the user; empty when written
    bool Written() const { return Status == TmvScriptWriteStatus::Written; }
};

// The script's bytes with the edit made, into *out; nothing is read or written.
TmvScriptWriteResult ComposeScript(const QByteArray& script, const TmvScriptEdit& edit,
                                   QByteArray* out);

// The edit made to the script file at path, keeping its old bytes as path + ".bak".
TmvScriptWriteResult WriteIntoScript(const QString& path, const TmvScriptEdit& edit);

// The open dialog that picks a script to write into: "Write Into mIRC File...", the ".mrc" and
// ".txt" filters (".ini" scripts are not written into), starting at `lastPath`.
TmvFileRequest ScriptWriteFileRequest(const QString& lastPath);

// Where the previous content of a script written into is kept.
QString ScriptBackupPath(const QString& path);

// The script's tables, by the import's rules (lower-case names, in file order); FALSE with the
// reason in *error when it cannot be read.
bool ListTablesOfScript(const QString& path, int legacyCodePage, QStringList* names,
                        QString* error = nullptr);
