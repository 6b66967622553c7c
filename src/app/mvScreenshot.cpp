#include "app/mvScreenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

void SizeForScreenshot(QWidget* mainWindow) {
    mainWindow->setWindowState(Qt::WindowNoState);
    mainWindow->resize(1280, 800);
}

bool SaveWindowScreenshot(QWidget* mainWindow, const QString& path) {
    SizeForScreenshot(mainWindow);
    mainWindow->show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return mainWindow->grab().save(path, "PNG");
}
