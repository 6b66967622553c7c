#pragma once
// The system colours the surface paints with, by their Windows role.
#include <QColor>

struct TmvSystemColors {
    QColor Face;            // button face
    QColor Highlight;       // button highlight (the lit edge of a 3-D frame)
    QColor Shadow;          // button shadow
    QColor DarkShadow;      // 3-D dark shadow
    QColor Light;           // 3-D light
    QColor Window;          // window background
    QColor WindowText;      // window text
    QColor GrayText;        // grey (disabled) text
    QColor ButtonText;      // button text
    QColor InfoBackground;  // tooltip background
    QColor InfoText;        // tooltip text
    QColor ActiveCaption;   // active window caption
    QColor CaptionText;     // text of an active caption
    QColor InactiveCaption; // inactive window caption
    QColor InactiveCaptionText;
    QColor SelectionHighlight; // selected items
    QColor ScrollBar;          // scroll-bar track

    // The Windows Standard scheme of the classic look.
    static TmvSystemColors Classic();

    bool operator==(const TmvSystemColors&) const = default;
};

// Fixed colours of the drawing rules.
inline QColor LinkBlue() {
    return QColor(0, 0, 255);
}
inline QColor White() {
    return QColor(255, 255, 255);
}

// The colours of this machine. On Windows the system's (GetSysColor), but for the captions and
// the scroll bar; on every other platform a palette is a desktop theme's or Qt's own, so the
// classic Windows values are used throughout and the surface looks as the dialog will in mIRC.
TmvSystemColors SystemColors();
