#include "model/mvPaintHelpers.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "model/mvPaintContext.h"
#include "model/mvUnits.h"

// --- Frames and outlines ---------------------------------------------------------------------

void Frame3D(QPainter& painter, QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    const int w = r.width();
    const int h = r.height();
    if (w > 0 && h > 0) {
        painter.fillRect(QRect(r.left(), r.top(), 1, h - 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), w - 1, 1), topLeft);
        painter.fillRect(QRect(r.left() + w - 1, r.top(), 1, h), bottomRight);
        painter.fillRect(QRect(r.left(), r.top() + h - 1, w, 1), bottomRight);
    }
    r.adjust(1, 1, -1, -1);
}

void PushButtonFrame(QPainter& painter, QRect& r, bool pushed, const TmvSystemColors& c) {
    if (pushed) {
        Frame3D(painter, r, c.DarkShadow, c.Highlight);
        Frame3D(painter, r, c.Shadow, c.Face);
    } else {
        Frame3D(painter, r, c.Highlight, c.DarkShadow);
        Frame3D(painter, r, c.Face, c.Shadow);
    }
}

void FrameRect(QPainter& painter, const QRect& r, const QColor& color) {
    for (const QRect& run : OutlineRuns(r, 1, 0))
        painter.fillRect(run, color);
}

std::vector<QRect> OutlineRuns(const QRect& r, int on, int off) {
    std::vector<QRect> runs;
    const int w = r.width();
    const int h = r.height();
    if (w <= 0 || h <= 0 || on <= 0) return runs;
    const int period = on + std::max(off, 0);
    // The perimeter as four straight legs that share no pixel: top (left to right), right
    // (downward), bottom (right to left), left (upward).
    struct Leg {
        int x, y, dx, dy, length;
    };
    std::vector<Leg> legs;
    const int l = r.left(), t = r.top(), rr = r.left() + w - 1, b = r.top() + h - 1;
    legs.push_back({l, t, 1, 0, w});
    if (h > 1) legs.push_back({rr, t + 1, 0, 1, h - 1});
    if (h > 1 && w > 1) legs.push_back({rr - 1, b, -1, 0, w - 1});
    if (h > 2 && w > 1) legs.push_back({l, b - 1, 0, -1, h - 2});
    int phase = 0; // position in the dash pattern, carried round the corners
    for (const Leg& leg : legs) {
        int i = 0;
        while (i < leg.length) {
            const int inPattern = phase % period;
            const bool drawn = inPattern < on;
            const int left = drawn ? on - inPattern : period - inPattern;
            const int n = std::min(left, leg.length - i);
            if (drawn) {
                const int x0 = leg.x + leg.dx * i, y0 = leg.y + leg.dy * i;
                const int x1 = leg.x + leg.dx * (i + n - 1), y1 = leg.y + leg.dy * (i + n - 1);
                runs.push_back(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                                     QPoint(std::max(x0, x1), std::max(y0, y1))));
            }
            i += n;
            phase += n;
        }
    }
    return runs;
}

void DottedOutline(QPainter& painter, const QRect& r, const QColor& color) {
    for (const QRect& run : OutlineRuns(r, 3, 3))
        painter.fillRect(run, color);
}

// --- Text ------------------------------------------------------------------------------------

void DrawText(QPainter& painter, const QRect& r, int flags, const QString& text, const QFont& font,
              const QColor& color) {
    if (text.isEmpty() || r.isEmpty()) return;
    painter.save();
    painter.setPen(color);
    DrawTextLines(painter, r, flags, text, font);
    painter.restore();
}

void DrawEmbossedText(QPainter& painter, const QRect& r, int flags, const QString& text,
                      const QFont& font, const QColor& color, bool disabled,
                      const TmvSystemColors& colors) {
    if (!disabled) {
        DrawText(painter, r, flags, text, font, color);
        return;
    }
    DrawText(painter, r.translated(1, 1), flags, text, font, colors.Highlight);
    DrawText(painter, r, flags, text, font, colors.Shadow);
}

int TextHeightOfZero(const QFont& font) {
    // The system reports the font's full line height for any single line.
    return QFontMetrics(font).height();
}

// --- Fills -----------------------------------------------------------------------------------

QBrush HatchBrush(const TmvSystemColors& colors) {
    return CheckerBrush(White(), colors.Face);
}

QBrush CheckerBrush(const QColor& dots, const QColor& between) {
    QImage pattern(8, 8, QImage::Format_RGB32);
    pattern.fill(between);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) pattern.setPixelColor(x, y, dots);
    return QBrush(pattern);
}

// --- Grid ------------------------------------------------------------------------------------

void PaintGrid(QPainter& painter, int x, int y, int width, int height, int stepX, int stepY,
               const QColor& color, int gridType, const QBrush& background) {
    if (stepX < 1 || stepY < 1 || width <= 0 || height <= 0) return;
    for (int k = 0; k <= height / stepY; ++k)
        painter.fillRect(QRect(x, y + k * stepY, width, 1), color);
    for (int k = 0; k <= width / stepX; ++k)
        painter.fillRect(QRect(x + k * stepX, y, 1, height), color);
    if (gridType != 0) return;
    // Dots: paint the background back between the lines, rows then columns. The last band
    // runs to the edge of the area so no line stubs are left there.
    for (int top = y + 1; top < y + height; top += stepY)
        painter.fillRect(QRect(x, top, width, std::min(stepY - 1, y + height - top)), background);
    for (int left = x + 1; left < x + width; left += stepX)
        painter.fillRect(QRect(left, y, std::min(stepX - 1, x + width - left), height), background);
}

void PaintGrid(QPainter& painter, const QRect& area, const TmvPaintContext& context) {
    const int stepX = XToPixelsIf(context.UseDbu, context.GridSizeX);
    const int stepY = YToPixelsIf(context.UseDbu, context.GridSizeY);
    PaintGrid(painter, area.x(), area.y(), area.width(), area.height(), stepX, stepY,
              context.GridColor, context.GridType, QBrush(context.Colors.Face));
}
