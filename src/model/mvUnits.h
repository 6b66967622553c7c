#pragma once
// Pixels and dialog units. Pixels to dialog units truncate toward zero, as the system's
// conversion does; dialog units to pixels round away from zero, so that converting back gives
// the same number for any base units. No value overflows: results beyond the integer range
// are held at its ends.

// Always convert, whatever the dialog's mode, with the system's base units ...
int XToDbu(int px);
int YToDbu(int px);
int XToPixels(int dbu);
int YToPixels(int dbu);
// ... or with the given ones (horizontal for X, vertical for Y).
int XToDbu(int px, int baseX);
int YToDbu(int px, int baseY);
int XToPixels(int dbu, int baseX);
int YToPixels(int dbu, int baseY);

// Convert only when the dialog is in dialog-unit mode; identity in pixel mode.
inline int XToDbuIf(bool useDbu, int px) {
    return useDbu ? XToDbu(px) : px;
}
inline int YToDbuIf(bool useDbu, int px) {
    return useDbu ? YToDbu(px) : px;
}
inline int XToPixelsIf(bool useDbu, int v) {
    return useDbu ? XToPixels(v) : v;
}
inline int YToPixelsIf(bool useDbu, int v) {
    return useDbu ? YToPixels(v) : v;
}

// Snap a pixel value to whole dialog units (to dbu and back), always applied.
int QuantizeX(int px);
int QuantizeY(int px);

// Round a pixel value to the nearest multiple of `step` pixels: on the grid it stays, else
// the quotient rounds up when the remainder is at least half a step.
int SnapToGrid(int px, int step);
