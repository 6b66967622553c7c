// The direct arranging commands on a large selection, each run by its action in the main window
// with the painting it causes; the controls are put back, untimed, before each run.
#include <QAction>
#include <QApplication>

#include "app/mvArrangeCommands.h"
#include "app/mvMain.h"
#include "model/mvControls.h"
#include "mvBench.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
constexpr int kControls = 1000;
constexpr int kColumns = 40;

void Flush() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}
} // namespace

MAROVEL_BENCH(ArrangeCommands) {
    TMain main;
    main.show();
    DialogDocument& doc = main.Document();
    doc.ClearDialog();
    doc.UseDbu = false;
    doc.SetClientSize(1600, 1000);
    const int types[] = {ctButton, ctCheck, ctEdit, ctText, ctRadio};
    std::vector<QRect> places;
    for (int i = 0; i < kControls; ++i) {
        const QRect r(4 + (i % kColumns) * 40 + i % 3, 4 + (i / kColumns) * 40 + i % 5, 30 + i % 7,
                      20 + i % 4);
        TmvControl* control =
            doc.CreateControl(types[i % 5], true, r.x(), r.y(), r.width(), r.height(), -1);
        control->ID = i + 1;
        control->SetVisible(true);
        doc.Select(control);
        places.push_back(r);
    }
    doc.SetCurrentControl(doc.Selection.front());
    Flush();
    const auto putBack = [&] {
        for (int i = 0; i < kControls; ++i) {
            const QRect& r = places[size_t(i)];
            doc.ControlAt(i)->SetBounds(r.x(), r.y(), r.width(), r.height());
        }
        Flush();
    };
    const QString input = QStringLiteral("%1 selected").arg(kControls);
    TArrangeCommands& commands = main.ArrangeCommands();
    for (int i = 0; i < kArrangeCount; ++i) {
        QAction* action = commands.Action(TmvArrange(i));
        const double ms = MedianMs(
            7,
            [&] {
                action->trigger();
                Flush();
            },
            putBack);
        report.Figure(action->statusTip(), input, ms, 50);
    }
}
