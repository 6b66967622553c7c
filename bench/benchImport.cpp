// The table import of a large real-world table: every control line carries words the designer
// keeps as written, and the script is read in a legacy code page.
#include <QByteArray>
#include <QStringList>

#include "io/mvImport.h"
#include "io/mvTextFile.h"
#include "mvBench.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

namespace {
constexpr int kControls = 3000;

QStringList LargeTable() {
    QStringList lines = {QStringLiteral("dialog big {"), QStringLiteral("  title \"Big\""),
                         QStringLiteral("  size -1 -1 2000 2000"),
                         QStringLiteral("  option dbu map")};
    for (int i = 1; i <= kControls; ++i) {
        const int x = (i % 50) * 40, y = (i / 50) * 12;
        lines << QStringLiteral("  list %1 , %2 %3 38 10 , sort, multsel check limit300 Extra%1")
                     .arg(i)
                     .arg(x)
                     .arg(y);
    }
    lines << QStringLiteral("}");
    return lines;
}
} // namespace

MAROVEL_BENCH(ImportKeptWords) {
    const QStringList table = LargeTable();
    const QString input = QStringLiteral("%1 list lines with kept words").arg(kControls);
    const double importMs = MedianMs(5, [&] {
        DialogDocument doc;
        ImportTable(doc, table, TmvInteraction());
    });
    report.Figure(QStringLiteral("import a table"), input, importMs, 1500);

    DialogDocument doc;
    ImportTable(doc, table, TmvInteraction());
    const double printMs = MedianMs(5, [&] { BuildDialogTable(doc); });
    report.Figure(QStringLiteral("print the imported table"), input, printMs, 200);

    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += "  text \"W\xB3\xB9\x63z d\x9Fwi\xEAk\", 1, 5 5 80 10\r\n";
    const double decodeMs = MedianMs(5, [&] { DecodeScriptText(bytes, 1250); });
    report.Figure(QStringLiteral("read a script in code page 1250"),
                  QStringLiteral("%1 KB").arg(bytes.size() / 1024), decodeMs, 100);
}
