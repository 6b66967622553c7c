#include "model/mvUnits.h"

#include "model/mvPlatform.h"

int XToDbu(int px) {
    return px * 4 / DialogBaseUnits().X;
}
int YToDbu(int px) {
    return px * 8 / DialogBaseUnits().Y;
}
int XToPixels(int dbu) {
    return dbu * DialogBaseUnits().X / 4;
}
int YToPixels(int dbu) {
    return dbu * DialogBaseUnits().Y / 8;
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
