#include "surface/mvContentSize.h"

#include <QFontMetrics>
#include <algorithm>

#include "model/mvControls.h"
#include "model/mvPaintHelpers.h"
#include "model/mvTextLayout.h"
#include "model/mvUnits.h"

namespace {
// A push button: two pixels of 3D edge, the focus rectangle with its gap and room for the
// caption to breathe on each side.
constexpr int kButtonExtraWidth = 24;
constexpr int kButtonExtraHeight = 10;
// A check or radio: the 13-pixel mark, the gap the surface leaves before the text (19 in all)
// and the focus rectangle around the text.
constexpr int kMarkSize = 13;
constexpr int kMarkAndGap = 19;
constexpr int kFocusRoom = 2;
// A label: one pixel for the last glyph's overhang and the height its type takes by default.
constexpr int kLabelExtraWidth = 1;
constexpr int kLabelExtraHeight = 3;

int UpToDbuX(int px) {
    const int dbu = XToDbu(px);
    return XToPixels(XToPixels(dbu) < px ? dbu + 1 : dbu);
}
int UpToDbuY(int px) {
    const int dbu = YToDbu(px);
    return YToPixels(YToPixels(dbu) < px ? dbu + 1 : dbu);
}

bool PushLike(const TmvControl& c) {
    return c.ControlType == ctButton ||
           ((c.ControlType == ctCheck || c.ControlType == ctRadio) && c.Kind == 1);
}
} // namespace

bool SizesToContent(const TmvControl& c) {
    switch (c.ControlType) {
    case ctButton:
    case ctCheck:
    case ctRadio:
    case ctText:
    case ctLink:
        return true;
    default:
        return false;
    }
}

QSize ContentSize(const TmvControl& c, bool useDbu) {
    const bool label = c.ControlType == ctText || c.ControlType == ctLink;
    int flags = Qt::TextSingleLine;
    if (label && (static_cast<const TmvLabel&>(c).DrawFlags & kDrawNoPrefix))
        flags |= kTextNoPrefix;
    const int text = c.Text.isEmpty() ? 0 : LineWidth(c.Font, flags, c.Text);
    const int line = TextHeightOfZero(c.Font);
    QSize size;
    if (PushLike(c))
        size = QSize(text + kButtonExtraWidth, line + kButtonExtraHeight);
    else if (label)
        size = QSize(text + kLabelExtraWidth, line + kLabelExtraHeight);
    else
        size = QSize(kMarkAndGap + text + kFocusRoom,
                     std::max(kMarkSize + kFocusRoom, line + kFocusRoom));
    if (useDbu) size = QSize(UpToDbuX(size.width()), UpToDbuY(size.height()));
    return size;
}

int BaselineOffset(const TmvControl& c, int height) {
    if (!SizesToContent(c)) return -1;
    const QFontMetrics metrics(c.Font);
    if (c.ControlType == ctText || c.ControlType == ctLink) return metrics.ascent();
    return (height - metrics.height()) / 2 + metrics.ascent();
}
