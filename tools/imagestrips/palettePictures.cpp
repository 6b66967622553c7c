#include "palettePictures.h"

#include <QFont>

#include "app/mvObjPalette.h"
#include "model/mvControls.h"
#include "stripPainting.h"

namespace {
using namespace strip;

using Draw = void (*)(QPainter&);

// Text without smoothing: a smoothed edge would blend into the mask colour and show as a
// fuchsia fringe.
QFont PictureFont(QFont font) {
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// One picture per control type, in type-code order.
const Draw kPalette[kControlTypeCount] = {
    [](QPainter& p) { // button
        Bevel(p, {2.5, 7.5, 20, 10}, kFace);
        p.setPen(kPaper);
        p.drawLine(QPointF(3, 8), QPointF(22, 8));
        p.setPen(kInk);
        p.drawLine(QPointF(8, 12.5), QPointF(17, 12.5));
    },
    [](QPainter& p) { // edit
        Bevel(p, {2.5, 7.5, 20, 10}, kPaper);
        p.setPen(kInk);
        p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
        p.drawLine(QPointF(12.5, 9), QPointF(12.5, 16));
    },
    [](QPainter& p) { // combo
        Bevel(p, {2.5, 7.5, 20, 10}, kPaper);
        Bevel(p, {15.5, 8.5, 6, 8}, kFace);
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{16.5, 11}, {20.5, 11}, {18.5, 14}}));
    },
    [](QPainter& p) { // text
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(PictureFont(f));
        p.setPen(kInk);
        // Twice, a pixel apart: strokes two pixels wide whatever bold face the font has.
        for (const qreal dx : {0.0, 1.0})
            p.drawText(QRectF(dx, 0, 25, 25), Qt::AlignCenter, QStringLiteral("A"));
    },
    [](QPainter& p) { // box
        p.setPen(kShadow);
        p.drawRect(QRectF(2.5, 6.5, 20, 15));
        p.setPen(kBlue);
        p.drawLine(QPointF(5, 6.5), QPointF(12, 6.5));
    },
    [](QPainter& p) { // list
        Bevel(p, {3.5, 2.5, 18, 20}, kPaper);
        p.setBrush(kBlue);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(5, 8, 15, 4));
        Lines(p, {6, 5, 11, 0}, 1, kInk);
        Lines(p, {6, 15, 11, 0}, 3, kInk);
    },
    [](QPainter& p) { // check
        Bevel(p, {5.5, 5.5, 13, 13}, kPaper);
        p.setPen(QPen(kInk, 2));
        p.drawPolyline(QPolygonF({{8, 12}, {11, 15}, {16, 8}}));
    },
    [](QPainter& p) { // radio
        p.setPen(kShadow);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(12.5, 12.5), 6.5, 6.5);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(12.5, 12.5), 2.5, 2.5);
    },
    [](QPainter& p) { // link
        QFont f(QStringLiteral("Tahoma"));
        f.setPixelSize(12);
        f.setUnderline(true);
        p.setFont(PictureFont(f));
        p.setPen(QColor(0, 0, 255));
        p.drawText(QRectF(0, 0, 25, 25), Qt::AlignCenter, QStringLiteral("www"));
    },
    [](QPainter& p) { // icon
        Bevel(p, {3.5, 3.5, 18, 18}, QColor(200, 230, 255));
        p.setBrush(kYellow);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(9, 9), 3, 3);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{4, 21}, {11, 12}, {16, 17}, {18, 15}, {21, 21}}));
    },
    [](QPainter& p) { // tab
        Bevel(p, {2.5, 8.5, 20, 13}, kFace);
        Bevel(p, {2.5, 4.5, 8, 4}, kFace);
        Bevel(p, {10.5, 5.5, 7, 3}, kFace);
        p.setPen(kFace);
        p.drawLine(QPointF(3, 8.5), QPointF(10, 8.5));
    },
    [](QPainter& p) { // scroll
        Bevel(p, {8.5, 2.5, 8, 20}, QColor(230, 230, 230));
        Bevel(p, {8.5, 2.5, 8, 5}, kFace);
        Bevel(p, {8.5, 17.5, 8, 5}, kFace);
        Bevel(p, {8.5, 9.5, 8, 5}, kFace);
    },
};

} // namespace

void DrawPalettePicture(QPainter& painter, int type) {
    if (type >= 0 && type < kControlTypeCount) kPalette[type](painter);
}

QImage PalettePictureImage(int type) {
    return PictureOnMask(kPalettePictureSize,
                         [type](QPainter& painter) { DrawPalettePicture(painter, type); });
}

QImage PaletteStrip() {
    QImage strip(kControlTypeCount * kPalettePictureSize, kPalettePictureSize,
                 QImage::Format_RGB32);
    strip.fill(kMask);
    QPainter painter(&strip);
    for (int type = 0; type < kControlTypeCount; ++type)
        painter.drawImage(PalettePicture(type) * kPalettePictureSize, 0, PalettePictureImage(type));
    return strip;
}
