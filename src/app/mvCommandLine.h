#pragma once
// The command line. Every mode but the designer itself (and its screenshot) runs without a
// window: status lines go to standard error, results to standard output.
#include <QStringList>

// Exit statuses shared by the command-line modes.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitImportErrors = 3;

// A mode that needs no window; `args` excludes the program name.
struct TmvCommandLineMode {
    const char* Option; // "--print-table"
    const char* Usage;  // the line of the usage text, without "marovel "
    int (*Run)(const QStringList& args);
};

// The modes in the order of the usage text (mvCommandLineModes.cpp).
const QList<TmvCommandLineMode>& CommandLineModes();
QString UsageText();

// The mode named by the first argument, or none.
const TmvCommandLineMode* FindCommandLineMode(const QString& option);
