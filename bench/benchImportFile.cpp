// The file-import window on a large script: its tables listed, one of them collected; and a
// table written back into it.
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "io/mvImportFile.h"
#include "io/mvImportFileWindow.h"
#include "io/mvScriptWrite.h"
#include "mvBench.h"

namespace {
// About `megabytes` of aliases with a dialog table every 1000 lines.
QByteArray LargeScript(int megabytes) {
    QByteArray text;
    const QByteArray alias = "alias helper { echo -a this is line number of a long script }\r\n";
    int tables = 0;
    while (text.size() < qsizetype(megabytes) * 1024 * 1024) {
        for (int i = 0; i < 1000; ++i)
            text += alias;
        text += "dialog table" + QByteArray::number(++tables) +
                " {\r\n  title \"T\"\r\n  button \"OK\", 1, 5 5 40 12, ok\r\n}\r\n";
    }
    return text;
}

bool WriteLargeScript(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(LargeScript(50)) > 0;
}
} // namespace

MAROVEL_BENCH(ImportFileWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.mrc"));
    if (!WriteLargeScript(path)) return;
    TImportFile window;
    const double listMs = MedianMs(3, [&] { window.ListTables(path); });
    report.Figure(QStringLiteral("file import window lists the tables"),
                  QStringLiteral("50 MB script, %1 tables").arg(window.Sel->count()), listMs, 2000);
    QStringList lines;
    ReadScriptLines(path, &lines);
    const TmvScriptTable last = ListScriptTables(lines, false).back();
    const double collectMs =
        MedianMs(3, [&] { CollectTableLines(lines, false, last.HeaderLine, last.Name); });
    report.Figure(QStringLiteral("collect the last table's lines"), QStringLiteral("50 MB script"),
                  collectMs, 50);
}

MAROVEL_BENCH(WriteIntoScript) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.mrc"));
    if (!WriteLargeScript(path)) return;
    QStringList names;
    ListTablesOfScript(path, 1254, &names);
    TmvScriptEdit edit;
    edit.ReplaceTable = names.value(names.size() - 1);
    edit.Table = {QStringLiteral("dialog ") + edit.ReplaceTable + QStringLiteral(" {"),
                  QStringLiteral("  title \"New\""), QStringLiteral("}")};
    edit.LegacyCodePage = 1254;
    const double writeMs = MedianMs(3, [&] { WriteIntoScript(path, edit); });
    report.Figure(QStringLiteral("write a table into a script in the place of its last one"),
                  QStringLiteral("50 MB script, %1 tables, with its backup").arg(names.size()),
                  writeMs, 2000);
}
