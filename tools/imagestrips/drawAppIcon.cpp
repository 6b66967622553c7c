// Draws the program icon at the sizes desktops use: marovel-<size>.png for 16, 24, 32, 48, 64,
// 128 and 256 pixels. A dialog window with a caption bar, a text line, an edit and a button,
// and a selection handle. Run by hand when the picture changes:  drawAppIcon OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

void DrawIcon(QPainter& p, int size) {
    const double s = size / 64.0;
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    // The window.
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(212, 208, 200));
    p.drawRoundedRect(QRectF(4, 6, 56, 50), 3, 3);
    // Its caption bar.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 160));
    p.drawRect(QRectF(5, 7, 54, 10));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QRectF(49, 9, 6, 6));
    // A text line and an edit.
    p.setBrush(QColor(64, 64, 64));
    p.drawRect(QRectF(10, 23, 18, 3));
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 30, 44, 8));
    // A button, selected, with its handles.
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(232, 228, 220));
    p.drawRect(QRectF(30, 43, 24, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    for (const QPointF corner :
         {QPointF(30, 43), QPointF(54, 43), QPointF(30, 52), QPointF(54, 52)})
        p.drawRect(QRectF(corner.x() - 2.5, corner.y() - 2.5, 5, 5));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        DrawIcon(painter, size);
        painter.end();
        if (!image.save(out.filePath(QStringLiteral("marovel-%1.png").arg(size)), "PNG")) return 1;
    }
    return 0;
}
