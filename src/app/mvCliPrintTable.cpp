// marovel --print-table PROJECT.mv
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "surface/mvDialogTable.h"

int RunPrintTable(const QStringList& args) {
    if (args.size() != 2 || args[1].isEmpty()) return kExitUsage;
    TmvCliProject project;
    if (!project.Load(args[1])) return kExitFailed;
    for (const QString& line : BuildDialogTable(project.Document)) {
        std::fputs(line.toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}
