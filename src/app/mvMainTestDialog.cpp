// The test window command: the dialog as a working window, and the status bar's note of how it
// was closed.
#include <QStatusBar>

#include "app/mvMain.h"
#include "app/mvTestDialog.h"

TTestDialog* TMain::TestDialogCommand() {
    auto* window = new TTestDialog(*document_, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    connect(window, &QDialog::finished, this,
            [this, window] { statusBar()->showMessage(window->ClosingMessage()); });
    window->show();
    return window;
}
