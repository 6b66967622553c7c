// The table of command-line modes; each mode lives in its own file.
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "model/mvVersion.h"

namespace {
int RunHelp(const QStringList&) {
    std::fputs(qPrintable(UsageText()), stdout);
    return kExitOk;
}

int RunVersion(const QStringList& args) {
    if (args.size() != 1) return kExitUsage;
    std::printf("%s\n", qPrintable(MarovelVersionText()));
    return kExitOk;
}
} // namespace

const QList<TmvCommandLineMode>& CommandLineModes() {
    static const QList<TmvCommandLineMode> modes = {
        {"--help", "--help", RunHelp},
        {"--version", "--version", RunVersion},
        {"--print-table", "--print-table PROJECT.mv", RunPrintTable},
        {"--list-tables", "--list-tables SCRIPT", RunListTables},
        {"--import", "--import SCRIPT|- [--table NAME] --save OUT.mv", RunImport},
        {"--preview", "--preview PROJECT.mv", RunPreview},
    };
    return modes;
}
