#pragma once
// Pixels and dialog units. Divisions truncate toward zero, as the system's do.

// Always convert, whatever the dialog's mode.
int XToDbu(int px);
int YToDbu(int px);
int XToPixels(int dbu);
int YToPixels(int dbu);

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
