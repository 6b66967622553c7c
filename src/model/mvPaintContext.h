#pragma once
// What painting a control needs from outside it: the user's preferences, the dialog's mode,
// the selection state and the colours. Default-constructed it holds the program's defaults.
#include <QColor>

#include "model/mvSystemColors.h"

struct TmvPaintContext {
    // Preferences.
    bool HotTracking = false;                 // "Use hot-tracking rectangle, colored:"
    QColor HotTrackColor = QColor(255, 0, 0); // its colour
    bool TextBorder = true;                   // "Show dashed border around text/link controls"
    bool ShowGrid = false;                    // the grid on the surface
    bool ShowGridInTabs = false; // "Show grid inside tabs": the tab body lets the grid through
    int GridSizeX = 8;           // grid step, in dialog units when UseDbu is on
    int GridSizeY = 8;
    QColor GridColor = QColor(0, 0, 0);
    int GridType = 0; // 0 dots, otherwise lines

    // The dialog.
    bool UseDbu = true;   // dialog units (the tab strip sits 5 pixels lower)
    bool LockAll = false; // the global lock (marks and handles are drawn as locked)

    // The control being painted and the selection it belongs to.
    bool Selected = false;
    int SelectionCount = 0;
    bool Clicking = false; // a press on a control is being handled: no multi-selection marks
    // The control is the selection's reference (its first control): its marks are filled, the
    // other selected controls' hollow.
    bool Reference = true;

    TmvSystemColors Colors = SystemColors();

    bool operator==(const TmvPaintContext&) const = default;
};
