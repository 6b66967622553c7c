// The file-import window on a large script: its tables listed, one of them collected.
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "io/mvImportFile.h"
#include "io/mvImportFileWindow.h"
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
} // namespace

MAROVEL_BENCH(ImportFileWindow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.mrc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(LargeScript(50));
    file.close();
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
