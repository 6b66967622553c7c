// marovel --import SCRIPT [--table NAME] [--codepage N] --save OUT.mv
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvImport.h"
#include "io/mvImportFile.h"
#include "io/mvSettings.h"
#include "io/mvTextFile.h"

namespace {
struct TmvImportRequest {
    QString Script; // "-": standard input
    QString Table;  // empty: the first table of a script, or the whole pasted table
    QString Output;
    int CodePage = 0; // 0: the setting "LegacyCodePage"
};

// The arguments after the option; FALSE for wrong usage (a value missing, repeated or unknown).
bool ParseImportArguments(const QStringList& args, TmvImportRequest& request) {
    if (args.size() < 2 || args[1].isEmpty()) return false;
    request.Script = args[1];
    bool tableSeen = false;
    for (int i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size() || args[i + 1].isEmpty()) return false;
        if (args[i] == QLatin1String("--table") && !tableSeen) {
            request.Table = args[i + 1];
            tableSeen = true;
        } else if (args[i] == QLatin1String("--save") && request.Output.isEmpty()) {
            request.Output = args[i + 1];
        } else if (args[i] == QLatin1String("--codepage") && request.CodePage == 0) {
            request.CodePage = ParseCodePageArgument(args[i + 1]);
            if (request.CodePage == 0) return false;
        } else {
            return false;
        }
    }
    return !request.Output.isEmpty();
}

void ReportFailure(const QString& text) {
    std::fprintf(stderr, "marovel: %s\n", qPrintable(text));
}

// The script's lines: the file's, or standard input's for "-"; *readIn names the code page
// that read it when it was not UTF-8.
bool ReadInput(const QString& script, int codePage, QStringList* lines, int* readIn) {
    QString error;
    if (script == QLatin1String("-")) {
        // The C library's reading, not a QFile: on Windows a QFile on a pipe fails at its end.
        QByteArray bytes;
        char buffer[65536];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
            bytes.append(buffer, qsizetype(got));
        if (!std::ferror(stdin)) {
            *lines = SplitTextLines(DecodeScriptText(bytes, codePage, readIn));
            return true;
        }
        error = qt_error_string(errno);
    } else if (ReadScriptLines(script, lines, &error, codePage, readIn)) {
        return true;
    }
    ReportFailure(QStringLiteral("cannot read %1: %2").arg(script, error));
    return false;
}

// The lines ImportTable gets: a pasted table as it is, else the chosen table of the script,
// with where it came from in *options and its name in *name.
bool SelectTable(const TmvImportRequest& request, const QStringList& lines, QStringList* table,
                 TmvImportOptions* options, QString* name) {
    if (request.Script == QLatin1String("-") && request.Table.isEmpty()) {
        *table = lines;
        return true;
    }
    const bool ini = IsIniScript(request.Script);
    const QString wanted = request.Table.toLower();
    for (const TmvScriptTable& found : ListScriptTables(lines, ini)) {
        if (!wanted.isEmpty() && found.Name != wanted) continue;
        *table = CollectTableForImport(lines, ini, found.HeaderLine, found.Name, options);
        *name = found.Name;
        return true;
    }
    ReportFailure(wanted.isEmpty()
                      ? QStringLiteral("%1 holds no dialog table").arg(request.Script)
                      : QStringLiteral("%1 holds no table \"%2\"").arg(request.Script, wanted));
    return false;
}
} // namespace

int RunImport(const QStringList& args) {
    TmvImportRequest request;
    if (!ParseImportArguments(args, request)) return kExitUsage;
    TmvCliProject project;
    const int codePage =
        request.CodePage ? request.CodePage : LoadSettings(&project.Console.Prompt).LegacyCodePage;
    QStringList lines, table;
    QString tableName;
    TmvImportOptions options;
    if (!ReadInput(request.Script, codePage, &lines, &options.ReadInCodePage) ||
        !SelectTable(request, lines, &table, &options, &tableName))
        return kExitFailed;

    const TmvImportResult result =
        ImportTable(project.Document, table, project.Session.Ui, options);
    // The report says why; no project is written for a table with nothing in it.
    if (result == TmvImportResult::Refused) return kExitFailed;
    // The project belongs to the script it came from (a pasted table to none).
    if (request.Script != QLatin1String("-")) {
        project.Document.ScriptPath = QFileInfo(request.Script).absoluteFilePath();
        project.Document.ScriptTable = tableName;
    }
    project.Document.FileName = request.Output;
    // SaveProject tells its own failure on standard error.
    if (!SaveProject(project.Session)) return kExitFailed;
    return result == TmvImportResult::WithErrors ? kExitImportErrors : kExitOk;
}
