// Ordering and checking a large dialog: the tab-order mode entered over 1,000 controls and one
// click in it (each with the painting it causes, the badges included), and the access-key check
// over 1,000 controls and 1,000 menu entries.
#include <QApplication>
#include <QMouseEvent>

#include "benchDialogs.h"
#include "model/mvControls.h"
#include "mvBench.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMnemonics.h"

namespace {
constexpr int kControls = 1000;

// A grid of 40 x 25 buttons, checks, texts and edits, each caption with an access key, so that
// many clash.
void Fill(DialogDocument& doc) {
    const std::vector<TmvControl*> made =
        FillControlGrid(doc, kControls, {ctButton, ctCheck, ctText, ctEdit});
    for (size_t i = 0; i < made.size(); ++i)
        made[i]->SetText(QStringLiteral("&%1 %2").arg(QChar(u'a' + int(i % 26))).arg(i));
}

// 20 menus of 49 entries each, every entry with an access key.
void FillMenu(DialogDocument& doc) {
    for (int m = 0; m < 20; ++m) {
        TmvMenuNode* menu = doc.Menu.AddNode(nullptr, QStringLiteral("&Menu%1").arg(m), 0);
        for (int i = 0; i < 49; ++i)
            doc.Menu.AddNode(menu, QStringLiteral("&%1 entry").arg(QChar(u'a' + i % 26)), 0);
    }
}
} // namespace

MAROVEL_BENCH(TabOrderMode) {
    DialogDocument doc;
    TMainDialog surface(doc);
    surface.show();
    Fill(doc);
    FlushPaints();
    const QString input = QStringLiteral("%1 controls").arg(kControls);
    const double enter = MedianMs(
        15,
        [&] {
            surface.SetTabOrderMode(true);
            surface.repaint();
        },
        [&] { surface.SetTabOrderMode(false); });
    report.Figure(QStringLiteral("tab-order mode entered, badges painted"), input, enter, 50);

    surface.SetTabOrderMode(true);
    FlushPaints();
    // Clicks on controls far apart in the order, each moving one to the run's next place.
    int n = 0;
    const double click = MedianMs(31, [&] {
        TmvControl* control = doc.CreationOrder[size_t((n++ * 397) % kControls)];
        const QPoint at = control->BoundsRect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, surface.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(&surface, &press);
        surface.repaint();
    });
    report.Figure(QStringLiteral("one click in the tab-order mode, badges painted"), input, click,
                  50);
}

MAROVEL_BENCH(MnemonicCheck) {
    DialogDocument doc;
    Fill(doc);
    FillMenu(doc);
    size_t clashes = 0;
    const double ms = MedianMs(15, [&] { clashes = FindMnemonicClashes(doc).size(); });
    report.Figure(
        QStringLiteral("access keys checked (%1 clashes)").arg(clashes),
        QStringLiteral("%1 controls, %2 menu entries").arg(kControls).arg(doc.Menu.NodeCount()), ms,
        50);
}
