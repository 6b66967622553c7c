#pragma once

// The surface imitates Windows controls at their real size, so it needs the fonts the dialogs
// use. Where the system has none of that name, the metric-compatible versions that Wine ships
// are registered with the application's font database.

// Registers Tahoma, MS Sans Serif, Fixedsys and Marlett from `fontDir` when missing.
// Needs a QGuiApplication. Returns the number of font files added.
int RegisterWindowsFonts(const char* fontDir = "/usr/share/wine/fonts");
