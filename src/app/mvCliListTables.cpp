// marovel --list-tables SCRIPT [--codepage N]
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "app/mvConsoleInteraction.h"
#include "io/mvImportFile.h"
#include "io/mvSettings.h"

int RunListTables(const QStringList& args) {
    if (args.size() < 2 || args[1].isEmpty()) return kExitUsage;
    int codePage = 0;
    if (args.size() == 4 && args[2] == QLatin1String("--codepage"))
        codePage = ParseCodePageArgument(args[3]);
    if (args.size() != 2 && codePage == 0) return kExitUsage;
    if (codePage == 0) {
        TmvConsoleInteraction console;
        codePage = LoadSettings(&console.Prompt).LegacyCodePage;
    }
    QStringList lines;
    QString error;
    if (!ReadScriptLines(args[1], &lines, &error, codePage)) {
        std::fprintf(stderr, "marovel: cannot read %s: %s\n", qPrintable(args[1]),
                     qPrintable(error));
        return kExitFailed;
    }
    for (const TmvScriptTable& table : ListScriptTables(lines, IsIniScript(args[1]))) {
        std::fputs(table.Name.toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}
