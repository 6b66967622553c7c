// Draws the two picture strips the main window cuts into toolbar and palette images:
// toolbar.png (15 pictures of 20 x 20) and palette.png (12 pictures of 25 x 25), on the fuchsia
// mask colour, each palette picture at the index the palette gives its type; and the test
// window's button, testdialog.png (20 x 20). Built on demand
// (the target marovel_image_strips) and run by hand when a picture changes:
//     marovel_image_strips OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <functional>

#include "model/mvFonts.h"
#include "palettePictures.h"
#include "stripPainting.h"

namespace {
using namespace strip;
using Draw = std::function<void(QPainter&)>;

const Draw kToolbar[15] = {
    [](QPainter& p) {
        Page(p, {4.5, 2.5, 11, 15});
    },
    [](QPainter& p) { // open
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawRect(QRectF(2.5, 6.5, 14, 10));
        p.drawRect(QRectF(2.5, 4.5, 6, 2));
        Arrow(p, {9, 11}, {16, 3}, kGreen);
    },
    [](QPainter& p) { // save
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(QRectF(3.5, 3.5, 13, 13));
        p.setBrush(kPaper);
        p.drawRect(QRectF(5.5, 3.5, 9, 5));
        p.setBrush(kFace);
        p.drawRect(QRectF(6.5, 11.5, 7, 5));
    },
    [](QPainter& p) { // import
        Page(p, {8.5, 2.5, 9, 15});
        Arrow(p, {1, 10}, {10, 10}, kGreen);
    },
    [](QPainter& p) { // export
        Page(p, {2.5, 2.5, 9, 15});
        Arrow(p, {8, 10}, {17, 10}, kBlue);
    },
    [](QPainter& p) { // cut
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(6, 2), QPointF(12, 13));
        p.drawLine(QPointF(14, 2), QPointF(8, 13));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kRed, 1.5));
        p.drawEllipse(QPointF(6.5, 15), 2.5, 2.5);
        p.drawEllipse(QPointF(13.5, 15), 2.5, 2.5);
    },
    [](QPainter& p) { // paste
        p.setPen(kInk);
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(QRectF(2.5, 3.5, 11, 14));
        p.setBrush(kFace);
        p.drawRect(QRectF(5.5, 2.5, 5, 3));
        Page(p, {9.5, 8.5, 8, 10});
    },
    [](QPainter& p) { // copy
        Page(p, {2.5, 2.5, 9, 11});
        Page(p, {8.5, 6.5, 9, 11});
        Lines(p, {10.5, 10.5, 5, 0}, 3, kShadow);
    },
    [](QPainter& p) { // delete
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
    },
    [](QPainter& p) { // table view
        Page(p, {2.5, 1.5, 11, 15});
        Lines(p, {4.5, 5.5, 6, 0}, 4, kBlue);
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QPointF(13, 13), 3.5, 3.5);
        p.drawLine(QPointF(15.5, 15.5), QPointF(18.5, 18.5));
    },
    [](QPainter& p) { // table copy
        Page(p, {1.5, 1.5, 10, 13});
        Page(p, {8.5, 5.5, 10, 13});
        Lines(p, {10.5, 9.5, 6, 0}, 4, kBlue);
    },
    [](QPainter& p) { // preview
        p.setPen(kInk);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({{5, 3}, {16, 10}, {5, 17}}));
    },
    [](QPainter& p) { // properties browser
        Bevel(p, {2.5, 2.5, 15, 15}, kPaper);
        for (int i = 0; i < 4; ++i) {
            p.setPen(kShadow);
            p.drawLine(QPointF(3, 6.5 + i * 3.5), QPointF(17, 6.5 + i * 3.5));
            p.setPen(kBlue);
            p.drawLine(QPointF(4, 4.5 + i * 3.5), QPointF(8, 4.5 + i * 3.5));
        }
        p.setPen(kShadow);
        p.drawLine(QPointF(9.5, 3), QPointF(9.5, 17));
    },
    [](QPainter& p) { // palette
        for (int i = 0; i < 4; ++i)
            Bevel(p, {2.5 + (i % 2) * 8, 2.5 + (i / 2) * 8, 7, 7},
                  i == 0   ? kBlue
                  : i == 1 ? kRed
                  : i == 2 ? kGreen
                           : kYellow);
    },
    [](QPainter& p) { // menu editor
        Bevel(p, {1.5, 2.5, 17, 4}, kFace);
        Bevel(p, {4.5, 6.5, 9, 11}, kPaper);
        Lines(p, {6, 9, 6, 0}, 4, kInk);
    },
};

// A small dialog with its title bar and a button, and the mouse pointer pressing it.
void TestDialogPicture(QPainter& p) {
    Bevel(p, {1.5, 2.5, 15, 13}, kFace);
    p.fillRect(QRectF(2, 3, 14, 3), kBlue);
    Bevel(p, {4.5, 9.5, 8, 4}, kFace);
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF(
        {{10, 10}, {10, 19}, {12.5, 16.5}, {14.5, 19.5}, {16, 18.5}, {14, 15.5}, {17, 15.5}}));
}

QImage ToolbarStrip() {
    constexpr int size = 20;
    QImage strip(15 * size, size, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int i = 0; i < 15; ++i)
        painter.drawImage(i * size, 0, PictureOnMask(size, kToolbar[i]));
    return strip;
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // The pictures with text are drawn in the dialogs' fonts.
    RegisterWindowsFonts();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool ok =
        ToolbarStrip().save(folder + QStringLiteral("/toolbar.png")) &&
        PaletteStrip().save(folder + QStringLiteral("/palette.png")) &&
        PictureOnMask(20, TestDialogPicture).save(folder + QStringLiteral("/testdialog.png"));
    return ok ? 0 : 1;
}
