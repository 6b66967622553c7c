// The menu editor with a large menu: a project's 1,000 entries opened in the editor (the tree
// filled, expanded, the first entry selected, the preview rebuilt), and one preview rebuild.
#include "mvBench.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuEditor.h"
#include "surface/mvMenuPreview.h"

namespace {
// 20 menus of 49 entries: items, a separator every tenth, a sub-menu of four in every menu.
void FillMenu(DialogDocument& doc) {
    int id = 100;
    for (int m = 0; m < 20; ++m) {
        TmvMenuNode* menu =
            doc.Menu.AddNode(nullptr, QStringLiteral("Menu%1").arg(m), MenuData(id++, 0));
        TmvMenuNode* sub = doc.Menu.AddNode(menu, QStringLiteral("More"), MenuData(id++, 0));
        for (int s = 0; s < 4; ++s)
            doc.Menu.AddNode(sub, QStringLiteral("Sub%1\\tCtrl+%1").arg(s), MenuData(id++, 0));
        for (int i = 0; i < 44; ++i)
            doc.Menu.AddNode(menu,
                             i % 10 == 9 ? QStringLiteral("-") : QStringLiteral("Entry %1").arg(i),
                             MenuData(id++, 0));
    }
}
} // namespace

MAROVEL_BENCH(MenuEditorWithAThousandEntries) {
    DialogDocument doc;
    FillMenu(doc);
    TMenuEditor editor(doc);
    editor.resize(600, 500);
    editor.show();
    const QString input = QStringLiteral("%1 menu entries").arg(doc.Menu.NodeCount());
    report.Figure(QStringLiteral("open the menu in the editor and rebuild the preview"), input,
                  MedianMs(9, [&] { editor.ProjectLoaded(); }), 200);
    report.Figure(QStringLiteral("rebuild the preview"), input,
                  MedianMs(9, [&] { editor.Preview()->RebuildMenu(doc.Menu); }), 200);
}
