#pragma once
// Helpers of the rendering tests: colours that tell every system-colour role apart, and
// painting a control into an image.
#include <QImage>
#include <QPainter>
#include <functional>

#include "model/mvControls.h"
#include "model/mvPaintContext.h"

// No two roles share a colour (unlike the classic scheme), so a pixel names its role.
inline TmvSystemColors DistinctColors() {
    TmvSystemColors c;
    c.Face = QColor(210, 200, 190);
    c.Highlight = QColor(250, 250, 240);
    c.Shadow = QColor(120, 110, 100);
    c.DarkShadow = QColor(60, 50, 40);
    c.Light = QColor(220, 230, 210);
    c.Window = QColor(245, 250, 255);
    c.WindowText = QColor(0, 0, 10);
    c.GrayText = QColor(130, 140, 150);
    c.ButtonText = QColor(10, 0, 0);
    c.InfoBackground = QColor(255, 255, 200);
    c.InfoText = QColor(0, 10, 0);
    c.InactiveCaption = QColor(100, 100, 160);
    c.SelectionHighlight = QColor(0, 0, 128);
    c.ScrollBar = QColor(180, 190, 170);
    return c;
}

inline TmvPaintContext TestContext() {
    TmvPaintContext context;
    context.Colors = DistinctColors();
    return context;
}

// A colour no drawing rule uses: what the control leaves unpainted.
inline QColor Untouched() {
    return QColor(1, 2, 3);
}

inline QImage Render(const TmvControl& control, const TmvPaintContext& context = TestContext()) {
    QImage image(control.Width, control.Height, QImage::Format_RGB32);
    image.fill(Untouched());
    QPainter painter(&image);
    control.Paint(painter, context);
    return image;
}

inline QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// The pixels of `area` for which `pick` holds.
inline int CountPixels(const QImage& image, const QRect& area,
                       const std::function<bool(const QColor&)>& pick) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (pick(image.pixelColor(x, y))) ++n;
    return n;
}

inline int CountColor(const QImage& image, const QRect& area, const QColor& color) {
    return CountPixels(image, area, [&](const QColor& c) { return c == color; });
}

inline QFont DialogFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}
