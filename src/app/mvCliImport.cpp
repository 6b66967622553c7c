// marovel --import SCRIPT [--table NAME] --save OUT.mv
#include <QFile>
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvImport.h"
#include "io/mvImportFile.h"
#include "io/mvTextFile.h"

namespace {
struct TmvImportRequest {
    QString Script; // "-": standard input
    QString Table;  // empty: the first table of a script, or the whole pasted table
    QString Output;
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
        } else {
            return false;
        }
    }
    return !request.Output.isEmpty();
}

void ReportFailure(const QString& text) {
    std::fprintf(stderr, "marovel: %s\n", qPrintable(text));
}

// The script's lines: the file's, or standard input's for "-".
bool ReadInput(const QString& script, QStringList* lines) {
    QString error;
    if (script == QLatin1String("-")) {
        QFile input;
        if (input.open(stdin, QIODevice::ReadOnly)) {
            const QByteArray bytes = input.readAll();
            if (input.error() == QFileDevice::NoError) {
                *lines = SplitTextLines(DecodeText(bytes));
                return true;
            }
        }
        error = input.errorString();
    } else if (ReadScriptLines(script, lines, &error)) {
        return true;
    }
    ReportFailure(QStringLiteral("cannot read %1: %2").arg(script, error));
    return false;
}

// The lines ImportTable gets: a pasted table as it is, else the chosen table of the script.
bool SelectTable(const TmvImportRequest& request, const QStringList& lines, QStringList* table) {
    if (request.Script == QLatin1String("-") && request.Table.isEmpty()) {
        *table = lines;
        return true;
    }
    const bool ini = IsIniScript(request.Script);
    const QString wanted = request.Table.toLower();
    for (const TmvScriptTable& found : ListScriptTables(lines, ini)) {
        if (!wanted.isEmpty() && found.Name != wanted) continue;
        *table = CollectTableLines(lines, ini, found.HeaderLine, found.Name);
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
    QStringList lines, table;
    if (!ReadInput(request.Script, &lines) || !SelectTable(request, lines, &table))
        return kExitFailed;

    TmvCliProject project;
    const TmvImportResult result = ImportTable(project.Document, table, project.Session.Ui);
    project.Document.FileName = request.Output;
    // SaveProject tells its own failure on standard error.
    if (!SaveProject(project.Session)) return kExitFailed;
    return result == TmvImportResult::WithErrors ? kExitImportErrors : kExitOk;
}
