#include "app/mvScreenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

bool SaveWindowScreenshot(QWidget* mainWindow, const QString& path) {
    mainWindow->setWindowState(Qt::WindowNoState);
    mainWindow->resize(1280, 800);
    mainWindow->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return mainWindow->grab().save(path, "PNG");
}
