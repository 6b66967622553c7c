#include "surface/mvDragMath.h"

#include <QSize>
#include <algorithm>
#include <cstdlib>

#include "model/mvControls.h"
#include "model/mvUnits.h"

int SnapDelta(int delta, int step) {
    if (step < 1) return delta;
    int quotient = delta / step;
    const int twice = 2 * std::abs(delta % step);
    // Past half a step the delta goes to the farther multiple; at exactly half, to the even one.
    if (twice > step || (twice == step && quotient % 2 != 0)) quotient += delta < 0 ? -1 : 1;
    return quotient * step;
}

QPoint AppliedDragStep(QPoint motion, const TmvDragStepRules& rules) {
    int dx = motion.x();
    int dy = motion.y();
    if (rules.Snap) {
        dx = SnapDelta(dx, rules.GridX);
        dy = SnapDelta(dy, rules.GridY);
    }
    if (rules.Quantize) {
        dx = QuantizeX(dx);
        dy = QuantizeY(dy);
    }
    return QPoint(dx, dy);
}

QRect TmvDragBox::Rect() const {
    return QRect(std::min(Left, Right), std::min(Top, Bottom), std::abs(Right - Left),
                 std::abs(Bottom - Top));
}

void TmvDragBox::Move(int dx, int dy) {
    Left += dx;
    Right += dx;
    Top += dy;
    Bottom += dy;
}

void TmvDragBox::Size(int edges, int dx, int dy) {
    if (edges & seTop) Top += dy;
    if (edges & seLeft) Left += dx;
    if (edges & seBottom) Bottom += dy;
    if (edges & seRight) Right += dx;
}

QString DragHintText(const TmvControl& control, const QRect& outline, bool sizing, bool useDbu) {
    // What the table and the browser will show: the logical rectangle.
    const QRect r = control.DeflateRect(outline);
    if (sizing)
        return QStringLiteral("%1 x %2")
            .arg(XToDbuIf(useDbu, r.width()))
            .arg(YToDbuIf(useDbu, r.height()));
    return QStringLiteral("%1, %2").arg(XToDbuIf(useDbu, r.x())).arg(YToDbuIf(useDbu, r.y()));
}

bool BandSelects(const QRect& band, const QRect& bounds) {
    const QRect common = band.intersected(bounds);
    return !common.isEmpty() && common != band;
}

std::array<QPoint, 8> GrabHandlePositions(const QRect& b) {
    const int l = b.x();
    const int t = b.y();
    const int w = b.width();
    const int h = b.height();
    const int hw = (w - 6) / 2;
    const int hh = (h - 6) / 2;
    return {QPoint(l - 3, t - 3),      QPoint(l + hw, t - 3),        QPoint(l + w - 3, t - 3),
            QPoint(l + w - 3, t + hh), QPoint(l + w - 3, t + h - 3), QPoint(l + hw, t + h - 3),
            QPoint(l - 3, t + h - 3),  QPoint(l - 3, t + hh)};
}

QSize SnapDialogClientSize(QSize proposed, bool snap, int sizeX, int sizeY, bool useDbu) {
    int w = XToDbuIf(useDbu, proposed.width());
    int h = YToDbuIf(useDbu, proposed.height());
    if (snap) {
        if (sizeX > 0) w -= w % sizeX;
        if (sizeY > 0) h -= h % sizeY;
    }
    return QSize(XToPixelsIf(useDbu, w), YToPixelsIf(useDbu, h));
}

int MovingFrameEdges(int moving, const QRect& start, const QRect& proposed) {
    if (proposed.left() != start.left()) moving |= seLeft;
    if (proposed.top() != start.top()) moving |= seTop;
    return moving;
}

QRect FrameForClientSize(int moving, const QRect& proposed, QSize client, QSize extra) {
    QRect r = proposed;
    const int w = client.width() + extra.width();
    const int h = client.height() + extra.height();
    if (moving & seLeft)
        r.setLeft(proposed.right() + 1 - w);
    else
        r.setWidth(w);
    if (moving & seTop)
        r.setTop(proposed.bottom() + 1 - h);
    else
        r.setHeight(h);
    return r;
}
