#pragma once
// The frame of a dialog window in the classic Windows look: a raised sizing border, the caption
// bar with the small icon, the title at the left in the dialog's font made bold, and the close
// box at the right. The design surface's frame and the menu editor's preview both wear it.
#include <QFont>
#include <QRect>
#include <QString>

#include "model/mvSystemColors.h"

class QIcon;
class QPainter;

struct TmvWindowFrameMetrics {
    int Border = 4;         // the sizing border on every side
    int CaptionHeight = 18; // the caption bar, without the line below it
    // From the window's top edge to its client area (no menu bar): the border, the caption and
    // the line below it.
    int TitleBarHeight() const { return Border + CaptionHeight + 1; }
};

// The caption's font: the dialog's font, bold.
QFont CaptionFont(const QFont& dialogFont);
// The metrics at a dialog font: the caption holds its bold text, never lower than Windows'
// 18 pixels.
TmvWindowFrameMetrics WindowFrameMetrics(const QFont& dialogFont);

// The parts of the caption bar `caption` (its own rectangle, the line below excluded).
QRect CaptionIconRect(const QRect& caption);
QRect CaptionCloseBoxRect(const QRect& caption);
QRect CaptionTextRect(const QRect& caption);

// The border ring of a window occupying `window`; the inside is left alone.
void PaintWindowBorder(QPainter& painter, const QRect& window, const TmvWindowFrameMetrics& m,
                       const TmvSystemColors& colors);

struct TmvCaptionLook {
    QString Title;
    QFont DialogFont;
    bool Active = true;
    bool ClosePressed = false;
};
// The caption bar in `caption` and the face-coloured line below it. Without an icon the
// system's default window icon is drawn.
void PaintCaption(QPainter& painter, const QRect& caption, const QIcon& icon,
                  const TmvCaptionLook& look, const TmvSystemColors& colors);
