#pragma once
class QString;
class QWidget;

// The main window at the picture's size, 1280 x 800 and not maximised: done before its first
// showing, that showing lays its windows out for that size.
void SizeForScreenshot(QWidget* mainWindow);
// Shows the main window at that size and saves a picture of it; true when written.
bool SaveWindowScreenshot(QWidget* mainWindow, const QString& path);
