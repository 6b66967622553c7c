#include "model/mvWindowFrame.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <algorithm>

#include "model/mvPaintHelpers.h"

namespace {
constexpr int kSmallIcon = 16;
constexpr int kCloseBoxWidth = 16;

// The system's default window icon at 16 x 16: a white window with a blue caption.
void PaintDefaultIcon(QPainter& painter, const QRect& r, const TmvSystemColors& c) {
    const QRect window(r.left() + 1, r.top() + 2, 14, 12);
    painter.fillRect(window, c.Window);
    painter.fillRect(window.left(), window.top(), window.width(), 3, QColor(0, 0, 128));
    FrameRect(painter, window, c.WindowText);
}

// The close box's cross, 8 x 7 pixels with strokes two pixels wide, centred in `r`.
void PaintCross(QPainter& painter, const QRect& r, const QColor& color) {
    const int left = r.left() + (r.width() - 8) / 2;
    const int top = r.top() + (r.height() - 7) / 2;
    for (int y = 0; y < 7; ++y) {
        painter.fillRect(left + y, top + y, 2, 1, color);
        painter.fillRect(left + 6 - y, top + y, 2, 1, color);
    }
}
} // namespace

QFont CaptionFont(const QFont& dialogFont) {
    QFont font = dialogFont;
    font.setBold(true);
    return font;
}

TmvWindowFrameMetrics WindowFrameMetrics(const QFont& dialogFont) {
    TmvWindowFrameMetrics m;
    m.CaptionHeight = std::max(m.CaptionHeight, QFontMetrics(CaptionFont(dialogFont)).height() + 5);
    return m;
}

QRect CaptionIconRect(const QRect& caption) {
    return QRect(caption.left() + 2, caption.top() + (caption.height() - kSmallIcon) / 2,
                 kSmallIcon, kSmallIcon);
}

QRect CaptionCloseBoxRect(const QRect& caption) {
    const int height = std::max(0, caption.height() - 4);
    return QRect(caption.right() - 1 - kCloseBoxWidth, caption.top() + 2, kCloseBoxWidth, height);
}

QRect CaptionTextRect(const QRect& caption) {
    const int left = CaptionIconRect(caption).right() + 4;
    const int right = CaptionCloseBoxRect(caption).left() - 3;
    return QRect(left, caption.top(), std::max(0, right - left + 1), caption.height());
}

void PaintWindowBorder(QPainter& painter, const QRect& window, const TmvWindowFrameMetrics& m,
                       const TmvSystemColors& c) {
    QRect r = window;
    Frame3D(painter, r, c.Light, c.DarkShadow);
    Frame3D(painter, r, c.Highlight, c.Shadow);
    for (int i = 2; i < m.Border && r.isValid(); ++i) {
        FrameRect(painter, r, c.Face);
        r.adjust(1, 1, -1, -1);
    }
}

void PaintCaption(QPainter& painter, const QRect& caption, const QIcon& icon,
                  const TmvCaptionLook& look, const TmvSystemColors& c) {
    painter.fillRect(caption, look.Active ? c.ActiveCaption : c.InactiveCaption);
    painter.fillRect(caption.left(), caption.bottom() + 1, caption.width(), 1, c.Face);

    const QRect iconRect = CaptionIconRect(caption);
    if (icon.isNull())
        PaintDefaultIcon(painter, iconRect, c);
    else
        icon.paint(&painter, iconRect);

    const QRect textRect = CaptionTextRect(caption);
    const QFont font = CaptionFont(look.DialogFont);
    const QString title =
        QFontMetrics(font).elidedText(look.Title, Qt::ElideRight, textRect.width());
    DrawText(painter, textRect,
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | kTextNoPrefix, title, font,
             look.Active ? c.CaptionText : c.InactiveCaptionText);

    QRect box = CaptionCloseBoxRect(caption);
    painter.fillRect(box, c.Face);
    PushButtonFrame(painter, box, look.ClosePressed, c);
    PaintCross(painter, box.translated(look.ClosePressed ? 1 : 0, look.ClosePressed ? 1 : 0),
               c.ButtonText);
}
