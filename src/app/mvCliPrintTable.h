#pragma once
// The --print-table mode: loads a project with no questions asked (status lines to standard
// error) and prints its dialog table, one line each, to standard output. 1 when the project is
// missing or malformed, 2 for wrong usage.
#include <QStringList>

int RunPrintTable(const QStringList& args);
