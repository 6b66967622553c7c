// marovel --list-tables SCRIPT
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvImportFile.h"

int RunListTables(const QStringList& args) {
    if (args.size() != 2 || args[1].isEmpty()) return kExitUsage;
    QStringList lines;
    QString error;
    if (!ReadScriptLines(args[1], &lines, &error)) {
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
