#pragma once
#include <QFont>

// The surface imitates Windows controls at their real size, so it needs the fonts the dialogs
// use. Where the system has none of that name, the metric-compatible versions that Wine ships
// are registered with the application's font database.

// Registers Tahoma, MS Sans Serif, Fixedsys and Marlett from `fontDir` when missing.
// Needs a QGuiApplication. Returns the number of font files added.
int RegisterWindowsFonts(const char* fontDir = "/usr/share/wine/fonts");

// `font` as the system draws and measures dialog text: without smoothing, and with whole-pixel
// glyph advances. The lighter hinting that many desktops choose gives fractional advances, and
// text drawn without smoothing then puts each glyph on a pixel of its own: gaps of a pixel open
// inside words. Smoothing changes the hinted advances too, so the font measured must be the
// font drawn.
QFont DialogTextFont(QFont font);
