// marovel --print-table PROJECT.mv: the project's dialog table on standard output.
#include <cstdio>

#include "app/mvCliPrintTable.h"
#include "app/mvCommandLine.h"
#include "app/mvConsoleInteraction.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

int RunPrintTable(const QStringList& args) {
    if (args.size() != 2 || args[1].isEmpty()) return kExitUsage;
    TmvConsoleInteraction console;
    DialogDocument doc;
    TmvProjectSession session(doc);
    session.Ui = console.Ui();
    // Loaded exactly as the designer's Load does; its messages go to standard error.
    if (!LoadProject(session, args[1])) return kExitFailed;
    for (const QString& line : BuildDialogTable(doc)) {
        std::fputs(line.toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}
