// The tab control's look: the strip of tabs with the active one raised, the arrows that scroll
// an overflowing strip, and the page body.
#include <QPainter>

#include "model/mvFrameControls.h"
#include "model/mvPaintContext.h"
#include "model/mvPaintHelpers.h"
#include "model/mvTabControl.h"

namespace {
constexpr int kDbuStripOffset = 5;
constexpr int kStripHeight = 20;

// One tab in `r`: dark-shadow and shadow right edges, highlight top and left with rounded
// top corners, face inside down to one row below `r` (so the active tab joins its page).
void PaintTab(QPainter& p, QRect r, const QString& caption, const QFont& font,
              const TmvSystemColors& c) {
    p.fillRect(r, c.DarkShadow);
    r.setRight(r.right() - 1);
    p.fillRect(r, c.Shadow);
    r.setRight(r.right() - 1);
    p.fillRect(r, c.Face);
    FrameRect(p, r, c.Highlight);
    p.fillRect(QRect(r.left(), r.top(), 1, 1), c.Face);
    p.fillRect(QRect(r.right(), r.top(), 2, 1), c.Face);
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 1, r.height()), c.Face);
    DrawText(p, r.adjusted(0, 0, 0, -2), Qt::TextSingleLine | Qt::AlignCenter, caption, font,
             c.ButtonText);
}
} // namespace

QRect TmvTab::PageBody(bool useDbu) const {
    const int top = (useDbu ? kDbuStripOffset : 0) + kStripHeight;
    return QRect(0, top, Width, Height - top - (useDbu ? 4 : 8));
}

void TmvTab::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    const int offset = context.UseDbu ? kDbuStripOffset : 0;
    const int top = offset;

    // Inactive tabs first; the active tab's place is kept for the end.
    int x = 2;
    int activeLeft = -1;
    int activeWidth = 0;
    for (int i = FirstTab; i < PageCount(); ++i) {
        const int width = TabWidth(i);
        if (i == ActivePage) {
            activeLeft = x - 2;
            activeWidth = width + 4;
        } else {
            PaintTab(p, QRect(x, top + 2, width, 20), Pages[i]->Caption, Font, c);
        }
        x += width;
    }

    QRect body = PageBody(context.UseDbu);
    if (!context.ShowGridInTabs) p.fillRect(body, c.Face);
    Frame3D(p, body, c.Highlight, c.DarkShadow);
    Frame3D(p, body, c.Face, c.Shadow);

    if (activeLeft >= 0)
        PaintTab(p, QRect(activeLeft, top, activeWidth, 21), Pages[ActivePage]->Caption, Font, c);

    TabsOverflow = Width < x || FirstTab > 0;
    if (TabsOverflow) {
        DrawFrameControl(p, QRect(Width - 32, 1 + offset, 16, 19), TmvFrameControl::ScrollLeft,
                         false, false, c);
        DrawFrameControl(p, QRect(Width - 16, 1 + offset, 16, 19), TmvFrameControl::ScrollRight,
                         false, false, c);
    }
}
