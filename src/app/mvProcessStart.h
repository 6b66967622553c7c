#pragma once
// What main() takes from the system before Qt starts: the arguments as typed, standard streams
// that pass bytes through, and a windowless platform that has fonts.
#include <QStringList>

// The arguments after the program's name. On Windows they come from the wide command line:
// argv holds them in the ANSI code page, which lacks most letters of a path such as "Şablon".
QStringList CommandLineArguments(int argc, char** argv);

// Standard input, output and error pass bytes unchanged: on Windows the C library would
// otherwise write CR LF for LF and stop reading at a Ctrl+Z, and the tables printed must be the
// same bytes on every system.
void UseBinaryStandardStreams();

// Chooses the offscreen platform for a run without a window. On Windows it draws with the fonts
// of QT_QPA_FONTDIR and has none of its own, so that is set to the system's font folder unless
// the environment already names one.
void UseOffscreenPlatform();

// After the application exists: the offscreen platform on Windows knows no interface font of
// the system and takes the first font of its folder (often a fixed-pitch one), so the menus
// and captions of a screenshot get the system's message font, as the windows platform gives
// them. Elsewhere the font configuration already names the interface font.
void UseSystemInterfaceFont();
