#pragma once
class QString;
class QWidget;

// Lays the main window out at 1280 x 800 and saves a picture of it; true when written.
bool SaveWindowScreenshot(QWidget* mainWindow, const QString& path);
