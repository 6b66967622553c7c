#include "model/mvUnits.h"

#include "model/mvPlatform.h"

#include <QtGlobal>
#include <algorithm>
#include <limits>

namespace {
int Clamped(qint64 v) {
    return int(
        std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
// value * numerator / denominator, truncated toward zero.
int Truncated(int value, int numerator, int denominator) {
    return Clamped(qint64(value) * numerator / std::max(1, denominator));
}
// value * numerator / denominator, rounded away from zero.
int RoundedOut(int value, int numerator, int denominator) {
    const qint64 d = std::max(1, denominator);
    const qint64 product = qint64(value) * numerator;
    return Clamped(product >= 0 ? (product + d - 1) / d : -((-product + d - 1) / d));
}
} // namespace

int XToDbu(int px, int baseX) {
    return Truncated(px, 4, baseX);
}
int YToDbu(int px, int baseY) {
    return Truncated(px, 8, baseY);
}
int XToPixels(int dbu, int baseX) {
    return RoundedOut(dbu, baseX, 4);
}
int YToPixels(int dbu, int baseY) {
    return RoundedOut(dbu, baseY, 8);
}

int XToDbu(int px) {
    return XToDbu(px, DialogBaseUnits().X);
}
int YToDbu(int px) {
    return YToDbu(px, DialogBaseUnits().Y);
}
int XToPixels(int dbu) {
    return XToPixels(dbu, DialogBaseUnits().X);
}
int YToPixels(int dbu) {
    return YToPixels(dbu, DialogBaseUnits().Y);
}

int QuantizeX(int px) {
    return XToPixels(XToDbu(px));
}
int QuantizeY(int px) {
    return YToPixels(YToDbu(px));
}

int SnapToGrid(int px, int step) {
    if (step <= 0) return px;
    const int remainder = px % step;
    if (remainder == 0) return px;
    int quotient = px / step;
    if (remainder * 2 >= step) ++quotient;
    return quotient * step;
}
