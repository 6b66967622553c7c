// The test window for a large dialog: built from the document and shown.
#include <QApplication>
#include <memory>

#include "app/mvTestDialog.h"
#include "benchDialogs.h"
#include "mvBench.h"

MAROVEL_BENCH(TestDialogWithAThousandControls) {
    DialogDocument doc;
    FillLargeDialog(doc, 1000);
    std::unique_ptr<TTestDialog> window;
    const auto open = [&] {
        window = std::make_unique<TTestDialog>(doc);
        window->show();
        QApplication::processEvents();
    };
    const auto close = [&] { window.reset(); };
    report.Figure(QStringLiteral("open the test window"), QStringLiteral("1,000 controls"),
                  MedianMs(5, open, close), 300);
}
