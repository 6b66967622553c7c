// marovel --write-into SCRIPT PROJECT.mv [--table NAME] [--codepage N]
#include <QFileInfo>
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvScriptWrite.h"
#include "io/mvSettings.h"
#include "surface/mvDialogTable.h"

namespace {
struct TmvWriteIntoRequest {
    QString Script;
    QString Project;
    QString Table;    // empty: the project's own
    int CodePage = 0; // 0: the setting "LegacyCodePage"
};

// FALSE for wrong usage (a value missing, repeated or unknown).
bool ParseWriteIntoArguments(const QStringList& args, TmvWriteIntoRequest& request) {
    if (args.size() < 3 || args[1].isEmpty() || args[2].isEmpty()) return false;
    request.Script = args[1];
    request.Project = args[2];
    for (int i = 3; i < args.size(); i += 2) {
        if (i + 1 >= args.size() || args[i + 1].isEmpty()) return false;
        if (args[i] == QLatin1String("--table") && request.Table.isEmpty()) {
            request.Table = args[i + 1];
        } else if (args[i] == QLatin1String("--codepage") && request.CodePage == 0) {
            request.CodePage = ParseCodePageArgument(args[i + 1]);
            if (request.CodePage == 0) return false;
        } else {
            return false;
        }
    }
    return true;
}

// The table replaced by default: the one the project remembers when it belongs to this very
// script (it may have been renamed since), else the one of the project's name.
QString DefaultTable(const DialogDocument& doc, const QString& script) {
    const bool ownScript = !doc.ScriptPath.isEmpty() &&
                           QFileInfo(doc.ScriptPath) == QFileInfo(script) &&
                           !doc.ScriptTable.isEmpty();
    return ownScript ? doc.ScriptTable : doc.TableName;
}

int Fail(const QString& text) {
    std::fprintf(stderr, "marovel: %s\n", qPrintable(text));
    return kExitFailed;
}
} // namespace

int RunWriteInto(const QStringList& args) {
    TmvWriteIntoRequest request;
    if (!ParseWriteIntoArguments(args, request)) return kExitUsage;
    TmvCliProject project;
    if (!project.Load(request.Project)) return kExitFailed;
    TmvScriptEdit edit;
    edit.Table = BuildDialogTable(project.Document);
    edit.LegacyCodePage =
        request.CodePage ? request.CodePage : LoadSettings(&project.Console.Prompt).LegacyCodePage;

    const QString table =
        request.Table.isEmpty() ? DefaultTable(project.Document, request.Script) : request.Table;
    QStringList names;
    QString error;
    if (!QFileInfo(request.Script).isFile())
        return Fail(QStringLiteral("the script %1 does not exist").arg(request.Script));
    if (!ListTablesOfScript(request.Script, edit.LegacyCodePage, &names, &error))
        return Fail(QStringLiteral("cannot read %1: %2").arg(request.Script, error));
    // A script without the table gets it at the end.
    if (names.contains(table.toLower())) edit.ReplaceTable = table;
    const TmvScriptWriteResult result = WriteIntoScript(request.Script, edit);
    return result.Written() ? kExitOk : Fail(result.Message);
}
