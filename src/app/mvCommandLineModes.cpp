// The table of command-line modes; each mode lives in its own file.
#include <cstdio>

#include "app/mvCliModes.h"
#include "app/mvCommandLine.h"
#include "io/mvCodePages.h"
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

int ParseCodePageArgument(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (ok && number > 0 && CanDecodeCodePage(number)) return number;
    std::fprintf(stderr, "marovel: \"%s\" is no Windows code page that can be read here\n",
                 qPrintable(text));
    return 0;
}

const QList<TmvCommandLineMode>& CommandLineModes() {
    static const QList<TmvCommandLineMode> modes = {
        {"--help", "--help", RunHelp},
        {"--version", "--version", RunVersion},
        {"--print-table", "--print-table PROJECT.mv", RunPrintTable},
        {"--list-tables", "--list-tables SCRIPT [--codepage N]", RunListTables},
        {"--import", "--import SCRIPT|- [--table NAME] [--codepage N] --save OUT.mv", RunImport},
        {"--write-into", "--write-into SCRIPT PROJECT.mv [--table NAME] [--codepage N]",
         RunWriteInto},
        {"--preview", "--preview PROJECT.mv", RunPreview},
    };
    return modes;
}
