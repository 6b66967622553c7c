#pragma once
// Sizing and placing the shell's windows.
class QWidget;

// Centres `window` over `mainWindow` without changing its size.
void CenterOnMainForm(QWidget* window, const QWidget* mainWindow);

// The main window's font measure: v scaled by the height of "0" over 13, halves to even.
void SetFontScaleHeight(int zeroHeight);
int ScaleByFont(int v);
