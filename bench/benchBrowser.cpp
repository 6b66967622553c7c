// The properties browser with a large selection: loading it for the current control, and one
// edit written into every selected control, each with the repaint it brings.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "mvBench.h"
#include "surface/mvMainDialog.h"

#include "surface/mvDialogDocument.h"
#include <cstdio>

namespace {
constexpr int kSelected = 1000;

// One key pressed and released in a box, as typing delivers it.
void Press(QWidget* box, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

// A main window, shown, whose dialog holds `count` auto-fit text labels, all selected.
void FillSelected(TMain& main, int count) {
    DialogDocument& doc = main.Document();
    doc.ClearDialog();
    for (int i = 0; i < count; ++i) {
        TmvControl* control =
            doc.CreateControl(ctText, true, (i % 40) * 12, (i / 40) * 14, -1, -1, -1);
        control->ID = i + 1;
        static_cast<TmvLabel*>(control)->SetAutoSize(true);
        control->SetVisible(true);
        doc.Select(control);
    }
    doc.SetCurrentControl(doc.SelectedAt(0));
}
} // namespace

MAROVEL_BENCH(BrowserWithManySelected) {
    TMain main;
    main.show();
    FillSelected(main, kSelected);
    QApplication::processEvents();
    // The surface's painting of a thousand controls is the surface's own figure; here the
    // browser's work and its own repaint are measured.
    QApplication::processEvents();
    const int surfaceOnly = int(MedianMs(3, [&] { main.Surface()->repaint(); }));
    main.SurfaceFrame()->hide();
    DialogDocument& doc = main.Document();
    TObjBrowser& browser = *main.ObjBrowser();
    const QString input = QStringLiteral("%1 selected text labels").arg(kSelected);
    std::printf("  (the surface itself repaints these in %d ms)\n", surfaceOnly);

    report.Figure(QStringLiteral("Load the browser for the current control"), input,
                  MedianMs(9,
                           [&] {
                               doc.SetCurrentControl(doc.SelectedAt(0));
                               QApplication::processEvents();
                           }),
                  50);

    int round = 0;
    report.Figure(QStringLiteral("Caption typed: one key written to all"), input,
                  MedianMs(9,
                           [&] {
                               const QChar letter('a' + round++ % 26);
                               Press(browser.propsCaption, Qt::Key_A, QString(letter));
                               QApplication::processEvents();
                           }),
                  50);
    report.Figure(QStringLiteral("Width committed with Enter to all"), input,
                  MedianMs(
                      9,
                      [&] {
                          Press(browser.propsSizeW, Qt::Key_Return, QStringLiteral("\r"));
                          QApplication::processEvents();
                      },
                      [&] { browser.propsSizeW->setText(QString::number(40 + round++ % 20)); }),
                  50);
    report.Figure(QStringLiteral("Style check clicked for all"), input,
                  MedianMs(9,
                           [&] {
                               browser.propsGroup->click();
                               QApplication::processEvents();
                           }),
                  50);

    // The list after a project of 3,000 controls was loaded: built once, sorted.
    FillSelected(main, 3000);
    report.Figure(QStringLiteral("Control list rebuilt"), QStringLiteral("3000 controls"),
                  MedianMs(9, [&] { browser.RebuildControlList(); }), 50);
}
