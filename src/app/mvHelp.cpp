#include "app/mvHelp.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/mvWindowUtils.h"

THelpWindow::THelpWindow(const QString& indexFile, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window) {
    setWindowTitle(QStringLiteral("Marovel Yardım"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(620, 400);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    NavWindow = new QTextBrowser(this);
    NavWindow->setOpenExternalLinks(true);
    layout->addWidget(NavWindow);
    NavWindow->setSource(QUrl::fromLocalFile(indexFile));
    CenterOnMainForm(this, mainWindow);
}
