#pragma once
// Sizing and placing the shell's windows.
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QWidget;

// Centres `window` over `mainWindow` without changing its size.
void CenterOnMainForm(QWidget* window, const QWidget* mainWindow);

// The main window's font measure: v scaled by the height of "0" over 13, halves to even.
void SetFontScaleHeight(int zeroHeight);
int ScaleByFont(int v);

// The user-interface font: "Tahoma" when the font database has it, else "Arial".
QString UiFontFamily(const QStringList& installedFamilies);
// With "UseDefaultFont" off the window's font becomes the user-interface font at 8 points;
// with it on the window keeps (or gets back) its own font.
void ApplyUiFont(QWidget* window, bool useDefaultFont);

// A memo that shows dialog-table lines: no word wrap, both scroll bars, Fixedsys 12 pixels high.
void SetTableMemoLook(QPlainTextEdit* memo);
