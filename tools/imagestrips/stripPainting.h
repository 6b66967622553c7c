#pragma once
// The colours and the small shapes the toolbar and palette pictures are drawn with.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace strip {
const QColor kMask(255, 0, 255);
const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kFace(212, 208, 200);
const QColor kShadow(128, 128, 128);
const QColor kBlue(0, 70, 160);
const QColor kYellow(240, 200, 60);
const QColor kRed(200, 30, 30);
const QColor kGreen(30, 140, 50);

inline void Page(QPainter& p, QRectF r) {
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

inline void Lines(QPainter& p, QRectF r, int count, QColor color) {
    p.setPen(color);
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * 2.5), QPointF(r.right(), r.top() + i * 2.5));
}

inline void Arrow(QPainter& p, QPointF from, QPointF to, QColor color) {
    p.setPen(QPen(color, 2));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to + d * 2, to - d * 3 + n * 3, to - d * 3 - n * 3}));
}

inline void Bevel(QPainter& p, QRectF r, QColor fill) {
    p.setPen(kShadow);
    p.setBrush(fill);
    p.drawRect(r);
}

// One picture drawn without smoothing on the fuchsia mask colour, as the strips hold it.
inline QImage PictureOnMask(int size, const std::function<void(QPainter&)>& draw) {
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        draw(painter);
    }
    QImage onMask(size, size, QImage::Format_RGB32);
    onMask.fill(kMask);
    QPainter(&onMask).drawImage(0, 0, picture);
    return onMask;
}
} // namespace strip
