#pragma once
// Text laid out as the system's text drawing does it: lines broken between words where the
// advance widths no longer fit (a word wider than the line is broken between characters),
// accelerator marks, tab stops every eight average character widths, whole font lines.
// Qt's own layout also keeps room for glyph overhangs, so a caption exactly as wide as its
// control would wrap there; the surface must match the widths the table is built from.
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

struct TmvTextLine {
    QString Text; // as written, accelerator marks included
    int Width;    // pixels, as drawn
};

// Draws "&" as itself instead of marking the next character (Qt flags are used for the rest:
// Qt::TextSingleLine, Qt::TextWordWrap, Qt::TextExpandTabs and the alignment).
constexpr int kTextNoPrefix = 0x10000000;

// The characters a caption shows: a single "&" marks the next character and goes, "&&" shows
// one "&".
QString ShownCaption(const QString& text);

// The lines of `text` in a rectangle `width` pixels wide.
std::vector<TmvTextLine> LayoutText(const QFont& font, int width, int flags, const QString& text);

// The width of one line as drawn.
int LineWidth(const QFont& font, int flags, const QString& line);

// The block the text occupies laid out in `r`, placed at r's top-left (the calculate-rectangle
// form of the text drawing: alignment does not move it).
QRect MeasureText(const QFont& font, const QRect& r, int flags, const QString& text);

// The font as Windows draws dialog text: no smoothing, so every pixel is ink or background.
QFont ClassicFont(const QFont& font);

// Draws the text in `r` (clipped to it) in the painter's pen colour: laid out with `font`,
// painted with its classic form, each line aligned by `flags`, the block at the top or, with
// Qt::AlignVCenter, centred vertically.
class QPainter;
void DrawTextLines(QPainter& painter, const QRect& r, int flags, const QString& text,
                   const QFont& font);
