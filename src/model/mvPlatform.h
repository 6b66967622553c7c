#pragma once
// Values the operating system supplies. On Windows they come from the system; elsewhere each
// has a fixed, documented stand-in so that the surface and the table are the same on every
// machine.
#include <QString>
#include <optional>

struct TmvBaseUnits {
    int X = 8;  // horizontal dialog base unit (low word of GetDialogBaseUnits)
    int Y = 16; // vertical dialog base unit (high word)
};

// The system's dialog base units: GetDialogBaseUnits on Windows, 8 x 16 elsewhere; read once.
// The environment variable MAROVEL_DIALOG_BASE_UNITS ("8x16") replaces them on any system, so
// that output made on two systems can be compared.
TmvBaseUnits DialogBaseUnits();
// "<x>x<y>" with two positive numbers; nothing for any other text.
std::optional<TmvBaseUnits> ParseBaseUnits(const QString& text);

// Width of a vertical scroll bar and height of a horizontal one (SM_CXVSCROLL, SM_CYHSCROLL).
int VScrollBarWidth();
int HScrollBarHeight();
// Width of a horizontal scroll arrow and height of a vertical one (SM_CXHSCROLL, SM_CYVSCROLL).
int HScrollArrowWidth();
int VScrollArrowHeight();

// Major version of the operating system in Windows terms (5 for 2000/XP and later); other
// systems report 6 so that the modern font and text insets apply.
int WindowsMajorVersion();

// "Windows " and the version text on Windows; the system's name and version elsewhere.
QString OperatingSystemDescription();
