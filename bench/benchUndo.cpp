// Undo and redo on a large dialog: what recording a step costs at the end of an action, what
// taking one back and doing it again costs, and the memory a full history holds; then the same
// in the main window with the painting and the browser's list.
#include <QApplication>
#include <QKeyEvent>

#include "benchDialogs.h"
#include "mvBench.h"

#include "app/mvMain.h"
#include "io/mvProjects.h"
#include "io/mvUndoHistory.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
constexpr int kControls = 3000;
} // namespace

MAROVEL_BENCH(UndoHistory) {
    DialogDocument doc;
    FillLargeDialog(doc, kControls);
    TmvProjectSession session(doc);
    TmvUndoHistory history(session);
    const QString input = QStringLiteral("%1 controls").arg(kControls);
    TmvControl* moved = doc.ControlAt(kControls / 2);
    doc.Select(moved);
    doc.SetCurrentControl(moved);

    report.Figure(QStringLiteral("checkpoint, nothing changed (a click)"), input,
                  MedianMs(9, [&] { history.Checkpoint(); }), 16);
    int x = moved->Left;
    report.Figure(QStringLiteral("checkpoint recording a move"), input,
                  MedianMs(
                      9, [&] { history.Checkpoint(); }, [&] { moved->SetLeft(++x); }),
                  16);
    report.Figure(QStringLiteral("undo of a move"), input,
                  MedianMs(
                      5, [&] { history.Undo(); }, [&] { history.Redo(); }),
                  100);
    report.Figure(QStringLiteral("redo of a move"), input,
                  MedianMs(
                      5, [&] { history.Redo(); }, [&] { history.Undo(); }),
                  100);

    // Every control changed at once, then every control gone at once.
    const auto moveAll = [&doc] {
        for (int z = 0; z < doc.ControlCount(); ++z)
            doc.ControlAt(z)->SetTop(doc.ControlAt(z)->Top + 1);
    };
    report.Figure(QStringLiteral("checkpoint recording a move of all"), input,
                  MedianMs(
                      3, [&] { history.Checkpoint(); }, moveAll),
                  16);
    report.Figure(QStringLiteral("undo of a move of all"), input,
                  MedianMs(
                      3, [&] { history.Undo(); }, [&] { history.Redo(); }),
                  100);
    doc.ClearDialog();
    history.Checkpoint({QStringLiteral("Hepsini Sil"), {}});
    report.Figure(QStringLiteral("undo of Delete All"), input,
                  MedianMs(
                      3, [&] { history.Undo(); }, [&] { history.Redo(); }),
                  100);
    report.Figure(QStringLiteral("redo of Delete All"), input,
                  MedianMs(
                      3, [&] { history.Redo(); }, [&] { history.Undo(); }),
                  100);
    history.Undo();

    // A full history: each step moves another control, every tenth step all of them.
    for (int i = 0; i < history.Limit() + 10; ++i) {
        if (i % 10 == 9)
            moveAll();
        else if (TmvControl* control = doc.ControlAt(i + 1))
            control->SetLeft(control->Left + 1);
        history.Checkpoint();
    }
    report.Figure(QStringLiteral("memory of a full history"),
                  QStringLiteral("%1 controls, %2 steps").arg(kControls).arg(history.UndoCount()),
                  double(history.MemoryBytes()) / (1024.0 * 1024.0), 50, "MB");
}

// The same in the designer: the surface repaints and the browser follows before a figure ends.
MAROVEL_BENCH(UndoInMainWindow) {
    TMain main;
    main.show();
    DialogDocument& doc = main.Document();
    doc.ClearDialog();
    FillLargeDialog(doc, kControls);
    doc.StartNewHistory(true);
    const auto flush = [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::processEvents();
    };
    flush();
    const QString input = QStringLiteral("%1 controls").arg(kControls);
    TmvControl* moved = doc.ControlAt(kControls / 2);
    doc.Select(moved);
    doc.SetCurrentControl(moved);
    flush();

    // An arrow key on the surface, with the step the watcher records after it.
    int nudge = 0;
    report.Figure(QStringLiteral("nudge with its step recorded, painted"), input,
                  MedianMs(9,
                           [&] {
                               const Qt::Key key = (++nudge % 2) ? Qt::Key_Right : Qt::Key_Left;
                               QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                               QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
                               QApplication::sendEvent(main.Surface(), &press);
                               QApplication::sendEvent(main.Surface(), &release);
                               flush();
                           }),
                  50);
    TmvControl* current = doc.CurrentControl;
    current->SetLeft(current->Left + 5);
    main.History().Checkpoint();
    report.Figure(QStringLiteral("undo of a move, painted"), input,
                  MedianMs(
                      5,
                      [&] {
                          main.UndoCommand();
                          flush();
                      },
                      [&] { main.RedoCommand(); }),
                  100);
    doc.ClearDialog();
    main.History().Checkpoint({QStringLiteral("Hepsini Sil"), {}});
    report.Figure(QStringLiteral("undo of Delete All, painted and listed"), input,
                  MedianMs(
                      3,
                      [&] {
                          main.UndoCommand();
                          flush();
                      },
                      [&] {
                          main.RedoCommand();
                          flush();
                      }),
                  100);
}
