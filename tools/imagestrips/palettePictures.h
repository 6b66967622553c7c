#pragma once
// The palette's pictures, one per control type: what the strip generator writes into
// resources/palette.png, each at the index the palette shows it from.
#include <QImage>

class QPainter;

constexpr int kPalettePictureSize = 25;

// The picture of a control type in a 25 x 25 area.
void DrawPalettePicture(QPainter& painter, int type);
// The picture of a type on the fuchsia mask colour, as the strip holds it.
QImage PalettePictureImage(int type);
// The twelve pictures, each type's at its palette index.
QImage PaletteStrip();
