// The design surface with a large dialog: a full repaint (from the controls' pictures, and with
// every picture drawn afresh as after loading), one mouse step of a move drag and one arrow-key
// nudge, each with the painting it causes; the nudge again in the main window, where the
// properties browser reloads too.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/mvMain.h"
#include "benchDialogs.h"
#include "model/mvControls.h"
#include "mvBench.h"
#include "surface/mvControlImages.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGuides.h"
#include "surface/mvMainDialog.h"

namespace {
constexpr int kControls = 1000;

// Counts the paints a step causes, so a step that painted nothing is not reported as fast.
class PaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

void Flush() {
    FlushPaints();
}

// A grid of 40 x 25 controls of five types on a 1,600 x 1,000 dialog; every other one selected.
void Fill(DialogDocument& doc) {
    const std::vector<TmvControl*> made =
        FillControlGrid(doc, kControls, {ctButton, ctCheck, ctEdit, ctText, ctRadio});
    for (size_t i = 0; i < made.size(); i += 2)
        doc.Select(made[i]);
    doc.SetCurrentControl(doc.Selection.front());
}

// Arrow-key nudges of the selection, right and back in turn, each with the painting it causes.
void ReportNudge(BenchReport& report, const QString& what, const QString& input,
                 TMainDialog& surface, PaintCounter& counter) {
    counter.Paints = 0;
    int nudge = 0;
    const double ms = MedianMs(31, [&] {
        QKeyEvent key(QEvent::KeyPress, (++nudge % 2) ? Qt::Key_Right : Qt::Key_Left,
                      Qt::NoModifier);
        QApplication::sendEvent(&surface, &key);
        Flush();
    });
    report.Figure(what + (counter.Paints > 0 ? QString() : QStringLiteral(" (NOT PAINTED)")), input,
                  ms, 16);
}
} // namespace

MAROVEL_BENCH(Surface) {
    DialogDocument doc;
    TMainDialog surface(doc);
    surface.show();
    Fill(doc);
    PaintCounter counter;
    surface.installEventFilter(&counter);
    Flush();
    const QString input =
        QStringLiteral("%1 controls, %2 selected").arg(kControls).arg(doc.SelectionCount());

    const double repaint = MedianMs(15, [&] { surface.repaint(); });
    report.Figure(QStringLiteral("full repaint of the surface"), input, repaint, 30);
    const double fresh = MedianMs(
        15, [&] { surface.repaint(); }, [&] { surface.ControlImages().Clear(); });
    report.Figure(QStringLiteral("full repaint, every control drawn afresh"), input, fresh, 30);

    // A move drag from the current control; each step goes one pixel right or back, beside the
    // edges of the grid's other controls, so guides show at every step while they are on.
    for (const bool snap : {true, false}) {
        surface.SetSnapToGuides(snap);
        const QPoint start = doc.CurrentControl->BoundsRect().center();
        QMouseEvent press(QEvent::MouseButtonPress, start, surface.mapToGlobal(start),
                          Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&surface, &press);
        Flush();
        int step = 0;
        int withGuides = 0;
        counter.Paints = 0;
        const double move = MedianMs(31, [&] {
            const QPoint at = start + QPoint(1 + (++step % 2) * 6, 1);
            QMouseEvent moved(QEvent::MouseMove, at, surface.mapToGlobal(at), Qt::NoButton,
                              Qt::LeftButton, {});
            QApplication::sendEvent(&surface, &moved);
            Flush();
            if (!surface.ShownGuides().Empty()) ++withGuides;
        });
        const bool movePainted = counter.Paints > 0 && surface.Moving();
        report.Figure(QStringLiteral("one mouse step of a move drag, guides %1 (at %2 of %3 steps)")
                              .arg(snap ? QStringLiteral("snapping") : QStringLiteral("drawn only"))
                              .arg(withGuides)
                              .arg(step) +
                          (movePainted ? QString() : QStringLiteral(" (NOT PAINTED)")),
                      input, move, 16);
        // Escape puts the selection back for the next drag and the nudge.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&surface, &escape);
        QMouseEvent release(QEvent::MouseButtonRelease, start, surface.mapToGlobal(start),
                            Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&surface, &release);
        Flush();
    }

    ReportNudge(report, QStringLiteral("one arrow-key nudge"), input, surface, counter);
}

MAROVEL_BENCH(SurfaceInMainWindow) {
    TMain main;
    main.show();
    main.Document().ClearDialog();
    Fill(main.Document());
    TMainDialog& surface = *main.Surface();
    PaintCounter counter;
    surface.installEventFilter(&counter);
    Flush();
    // The screen shows part of the dialog; the nudge paints what is shown.
    const QRect shown = surface.visibleRegion().boundingRect();
    const QString input = QStringLiteral("%1 controls, %2 sel., %3x%4 shown")
                              .arg(kControls)
                              .arg(main.Document().SelectionCount())
                              .arg(shown.width())
                              .arg(shown.height());
    ReportNudge(report, QStringLiteral("one arrow-key nudge, browser reloaded"), input, surface,
                counter);
}
