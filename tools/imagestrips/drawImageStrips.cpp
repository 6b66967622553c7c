// Draws the two picture strips the main window cuts into toolbar and palette images:
// toolbar.png (15 pictures of 20 x 20) and palette.png (12 pictures of 25 x 25), on the fuchsia
// mask colour. Run by hand when a picture changes:  drawImageStrips OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {
const QColor kMask(255, 0, 255);
const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kFace(212, 208, 200);
const QColor kShadow(128, 128, 128);
const QColor kBlue(0, 70, 160);
const QColor kYellow(240, 200, 60);
const QColor kRed(200, 30, 30);
const QColor kGreen(30, 140, 50);

using Draw = std::function<void(QPainter&)>;

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void Lines(QPainter& p, QRectF r, int count, QColor color) {
    p.setPen(color);
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * 2.5), QPointF(r.right(), r.top() + i * 2.5));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor color) {
    p.setPen(QPen(color, 2));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to + d * 2, to - d * 3 + n * 3, to - d * 3 - n * 3}));
}

void Bevel(QPainter& p, QRectF r, QColor fill) {
    p.setPen(kShadow);
    p.setBrush(fill);
    p.drawRect(r);
}

const Draw kToolbar[15] = {
    [](QPainter& p) { Page(p, {4.5, 2.5, 11, 15}); },
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
                  i == 0 ? kBlue : i == 1 ? kRed : i == 2 ? kGreen : kYellow);
    },
    [](QPainter& p) { // menu editor
        Bevel(p, {1.5, 2.5, 17, 4}, kFace);
        Bevel(p, {4.5, 6.5, 9, 11}, kPaper);
        Lines(p, {6, 9, 6, 0}, 4, kInk);
    },
};

// Palette: one picture per control type, in type-code order.
const Draw kPalette[12] = {
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
        p.setFont(f);
        p.setPen(kInk);
        p.drawText(QRectF(0, 0, 25, 25), Qt::AlignCenter, QStringLiteral("A"));
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
        p.setFont(f);
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

bool WriteStrip(const QString& path, const Draw* pictures, int count, int size) {
    QImage strip(count * size, size, QImage::Format_RGB32);
    strip.fill(kMask);
    for (int i = 0; i < count; ++i) {
        QImage picture(size, size, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        pictures[i](painter);
        painter.end();
        QPainter onto(&strip);
        onto.drawImage(i * size, 0, picture);
    }
    return strip.save(path);
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool ok = WriteStrip(folder + QStringLiteral("/toolbar.png"), kToolbar, 15, 20) &&
                    WriteStrip(folder + QStringLiteral("/palette.png"), kPalette, 12, 25);
    return ok ? 0 : 1;
}
