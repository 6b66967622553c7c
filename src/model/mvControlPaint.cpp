// How each control type draws itself on the surface, imitating the Windows control it stands
// for. The tab control is in mvTabPaint.cpp.
#include <QFontMetrics>
#include <QPainter>

#include "model/mvControls.h"
#include "model/mvFrameControls.h"
#include "model/mvPaintContext.h"
#include "model/mvPaintHelpers.h"
#include "model/mvPlatform.h"
#include "model/mvSelectionMarks.h"

namespace {
// Alignment 0 left, 1 right, 2 centre (edit and text).
int HorizontalFlag(int alignment) {
    if (alignment == 1) return Qt::AlignRight;
    if (alignment == 2) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

// The three frames of a sunken edit or list border, outermost first.
void SunkenClientEdge(QPainter& p, QRect& r, const TmvSystemColors& c) {
    Frame3D(p, r, c.Face, c.Face);
    Frame3D(p, r, c.Shadow, c.Highlight);
    Frame3D(p, r, c.DarkShadow, c.Light);
}

// Windows draws its dialog text with the font colour of the control; the surface's controls
// keep the default one.
QColor FontColor(const TmvSystemColors& c) {
    return c.WindowText;
}
} // namespace

// --- Common ----------------------------------------------------------------------------------

void TmvControl::Paint(QPainter& painter, const TmvPaintContext& context) const {
    if (Width <= 0 || Height <= 0) return;
    painter.save();
    painter.setClipRect(ClientRect(), Qt::IntersectClip);
    PaintFace(painter, context);
    if (context.HotTracking && Hot) FrameRect(painter, ClientRect(), context.HotTrackColor);
    if (ShowsSelectionMarks(context))
        PaintSelectionMarks(painter, Width, Height, Locked || context.LockAll, context.Reference,
                            context.Colors);
    painter.restore();
}

// --- Button ----------------------------------------------------------------------------------

void TmvButton::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    QRect r = ClientRect();
    p.fillRect(r, c.Face);
    if (!Text.isEmpty()) {
        if (MultiLine) {
            const QRect area = r.adjusted(0, 0, -4, -4);
            QRect block = MeasureText(Font, area, Qt::TextWordWrap, Text);
            block.moveTo((Width - block.width()) / 2, (Height - block.height()) / 2);
            DrawEmbossedText(p, block, Qt::TextWordWrap | Qt::AlignHCenter, Text, Font,
                             FontColor(c), Disabled, c);
        } else {
            DrawEmbossedText(p, r.adjusted(0, 0, 0, -1), Qt::TextSingleLine | Qt::AlignCenter, Text,
                             Font, FontColor(c), Disabled, c);
        }
    }
    if (Flat) {
        Frame3D(p, r, c.DarkShadow, c.DarkShadow);
        Frame3D(p, r, c.Window, c.Window);
    } else {
        PushButtonFrame(p, r, false, c);
    }
}

// --- Edit ------------------------------------------------------------------------------------

void TmvEdit::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    QRect r = ClientRect();
    p.fillRect(r, (ReadOnly || Disabled) ? c.Face : c.Window);
    SunkenClientEdge(p, r, c);
    QRect text = PaintInnerScrollBars(p, r, VScrollBar, HScrollBar, c);
    if (Text.isEmpty()) return;
    if (WindowsMajorVersion() >= 5 &&
        Font.family().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        text.adjust(4, 1, -4, -1);
    else
        text.adjust(1, 1, -1, -1);
    int flags = kTextNoPrefix | HorizontalFlag(Alignment) | Qt::AlignTop;
    if (MultiLine) {
        if (!HScrollBar) flags |= Qt::TextWordWrap;
        // Like an edit control, a line that does not fit whole is not shown.
        const int lineHeight = QFontMetrics(Font).height();
        if (lineHeight > 0 && text.height() > lineHeight)
            text.setHeight(text.height() / lineHeight * lineHeight);
    }
    const QString shown = Password ? QString(Text.size(), QLatin1Char('*')) : Text;
    DrawText(p, text, flags, shown, Font, Disabled ? c.GrayText : c.WindowText);
}

// --- Combo -----------------------------------------------------------------------------------

void TmvCombo::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    const int editHeight = TextHeightOfZero(Font) + 8;
    const bool dropDown = Kind == 1;
    QRect r = ClientRect();
    if (dropDown) {
        // The outline shows how far the list drops.
        DottedOutline(p, r, c.Shadow);
        r.setHeight(editHeight);
    } else {
        r.setHeight(std::min(editHeight, Height));
    }
    p.fillRect(r, Disabled ? c.Face : c.Window);
    Frame3D(p, r, c.Shadow, c.Highlight);
    Frame3D(p, r, c.DarkShadow, c.Light);
    if (dropDown) {
        const int w = VScrollBarWidth();
        DrawFrameControl(p, QRect(r.right() + 1 - w, r.top(), w, r.height()),
                         TmvFrameControl::ComboButton, Disabled, false, c);
        return;
    }
    if (Height < editHeight + 3) return;
    QRect list(0, editHeight, Width, Height - 3 - editHeight);
    if (!ForceSize) {
        DottedOutline(p, list, c.Shadow);
        const int rowHeight = TextHeightOfZero(Font);
        if (rowHeight > 0) list.setHeight(list.height() - (list.height() - 4) % rowHeight);
    }
    p.fillRect(list, c.Window);
    Frame3D(p, list, c.Shadow, c.Highlight);
    Frame3D(p, list, c.DarkShadow, c.Light);
    PaintInnerScrollBars(p, list, VScrollBar, HScrollBar, c);
}

// --- Text and link ---------------------------------------------------------------------------

namespace {
// The label's own text-drawing flags in the painter's terms.
int LabelFlags(unsigned drawFlags) {
    return (drawFlags & kDrawNoPrefix) ? kTextNoPrefix : 0;
}

void TextBorder(QPainter& p, const QRect& r, const TmvPaintContext& context) {
    if (context.TextBorder) DottedOutline(p, r, context.Colors.Shadow);
}
} // namespace

void TmvText::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    const QRect r = ClientRect();
    int flags = LabelFlags(DrawFlags) | Qt::TextExpandTabs | HorizontalFlag(Alignment);
    // "nowrap" only holds for left-aligned text: Windows wraps aligned static text anyway.
    if (!(NoWrap && Alignment == 0)) flags |= Qt::TextWordWrap;
    if (!Text.isEmpty()) {
        QRect block = MeasureText(Font, r, flags, Text);
        const int spare = Width - (block.left() + block.width());
        if (Alignment == 1) block.translate(spare, 0);
        if (Alignment == 2) block.translate(spare / 2, 0);
        p.fillRect(block, c.Face);
        DrawEmbossedText(p, r, flags, Text, Font, FontColor(c), Disabled, c);
    }
    TextBorder(p, r, context);
}

void TmvLink::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const QRect r = ClientRect();
    p.fillRect(r, context.Colors.Face);
    QFont font(Font);
    font.setUnderline(true);
    int flags = LabelFlags(DrawFlags);
    if (!AutoSize) flags |= Qt::TextWordWrap;
    DrawText(p, r, flags, Text, font, LinkBlue());
    TextBorder(p, r, context);
}

// --- Box -------------------------------------------------------------------------------------

void TmvBox::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    const int half = TextHeightOfZero(Font) / 2;
    // Etched: a highlight line with a shadow line one pixel up and left of it.
    const QRect lit(1, half + 1, Width - 1, Height - half - 1);
    FrameRect(p, lit, c.Highlight);
    FrameRect(p, lit.translated(-1, -1), c.Shadow);
    if (Text.isEmpty()) return;
    QRect block = MeasureText(Font, ClientRect(), Qt::TextSingleLine, Text);
    block.translate(8, 0);
    block.setWidth(block.width() + 4);
    p.fillRect(block, c.Face);
    DrawEmbossedText(p, block, Qt::TextSingleLine | Qt::AlignCenter, Text, Font, FontColor(c),
                     Disabled, c);
}

// --- List ------------------------------------------------------------------------------------

void TmvList::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    QRect r = ClientRect();
    QRect white = r;
    if (!ForceSize) {
        // Without "size" Windows shows only whole rows.
        DottedOutline(p, r, c.Shadow);
        white = r.adjusted(3, 3, -3, -3);
        white.setHeight(13 * ((Height - 6) / 16));
    }
    p.fillRect(white, c.Window);
    if (!ForceSize) white.adjust(-3, -3, 3, 3);
    SunkenClientEdge(p, white, c);
    PaintInnerScrollBars(p, white, VScrollBar, HScrollBar, c);
}

// --- Check and radio -------------------------------------------------------------------------

void TmvCheckClass::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    QRect r = ClientRect();
    if (Kind == 1) {
        // A push-style check is shown pushed in.
        p.fillRect(r, HatchBrush(c));
        PushButtonFrame(p, r, true, c);
        DrawText(p, ClientRect(), Qt::TextSingleLine | Qt::AlignCenter, Text, Font, c.ButtonText);
        return;
    }
    p.fillRect(r, c.Face);
    const int box = 13;
    const int boxTop = (Height - box) / 2;
    const bool boxLeft = Alignment == 0;
    const QRect boxRect(boxLeft ? 0 : Width - box, boxTop, box, box);
    const QRect textRect =
        boxLeft ? QRect(19, 0, Width - 19, Height) : QRect(0, 0, Width - 19, Height);
    DrawEmbossedText(p, textRect, Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignVCenter, Text, Font,
                     c.ButtonText, Disabled, c);
    DrawFrameControl(p, boxRect,
                     ControlType == ctRadio ? TmvFrameControl::RadioButton
                                            : TmvFrameControl::CheckBox,
                     Disabled, Flat, c);
}

// --- Icon ------------------------------------------------------------------------------------

void TmvIcon::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    const TmvSystemColors& c = context.Colors;
    p.fillRect(ClientRect(), c.ScrollBar);
    if (Border) {
        FrameRect(p, QRect(1, 1, Width - 1, Height - 1), c.Highlight);
        FrameRect(p, QRect(0, 0, Width - 1, Height - 1), c.Shadow);
    } else {
        DottedOutline(p, ClientRect(), c.Shadow);
    }
}

// --- Scroll ----------------------------------------------------------------------------------

void TmvScroll::PaintFace(QPainter& p, const TmvPaintContext& context) const {
    DottedOutline(p, ClientRect(), context.Colors.Shadow);
    const int orientation = Kind == 1 ? soHorizontal : soVertical;
    PaintScrollBar(p, ClientRect(), orientation, Disabled, Alignment, context.Colors);
}
