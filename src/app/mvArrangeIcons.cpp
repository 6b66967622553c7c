#include "app/mvArrangeIcons.h"

#include <QPainter>
#include <QPixmap>
#include <vector>

namespace {
constexpr int kSize = 20;

struct Glyph {
    std::vector<QRect> Bars;  // the controls
    std::vector<QLine> Lines; // what they line up on
    bool Frame = false;       // the container around them
};

// The same picture turned on its diagonal: a horizontal command's vertical twin.
Glyph Transposed(Glyph g) {
    for (QRect& r : g.Bars)
        r = QRect(r.y(), r.x(), r.height(), r.width());
    for (QLine& l : g.Lines)
        l = QLine(l.y1(), l.x1(), l.y2(), l.x2());
    return g;
}

Glyph GlyphOf(TmvArrange command) {
    using A = TmvArrange;
    switch (command) {
    case A::AlignLefts:
        return {{{4, 4, 12, 4}, {4, 12, 7, 4}}, {{3, 2, 3, 17}}};
    case A::AlignCentres:
        return {{{4, 4, 12, 4}, {7, 12, 6, 4}}, {{10, 2, 10, 17}}};
    case A::AlignRights:
        return {{{4, 4, 12, 4}, {9, 12, 7, 4}}, {{16, 2, 16, 17}}};
    case A::AlignTops:
        return Transposed(GlyphOf(A::AlignLefts));
    case A::AlignMiddles:
        return Transposed(GlyphOf(A::AlignCentres));
    case A::AlignBottoms:
        return Transposed(GlyphOf(A::AlignRights));
    case A::SameWidth:
        return {{{4, 3, 12, 5}, {4, 12, 12, 5}}, {{3, 1, 3, 18}, {16, 1, 16, 18}}};
    case A::SameHeight:
        return Transposed(GlyphOf(A::SameWidth));
    case A::SameSize:
        return {{{2, 2, 7, 7}, {11, 11, 7, 7}}, {{2, 10, 8, 10}, {10, 2, 10, 8}}};
    case A::SpaceAcross:
        return {{{1, 5, 3, 10}, {8, 5, 4, 10}, {16, 5, 3, 10}}, {{5, 10, 6, 10}, {13, 10, 14, 10}}};
    case A::SpaceDown:
        return Transposed(GlyphOf(A::SpaceAcross));
    case A::SpaceCentresAcross:
        return {{{1, 6, 5, 8}, {8, 6, 4, 8}, {14, 6, 5, 8}},
                {{3, 2, 3, 17}, {10, 2, 10, 17}, {16, 2, 16, 17}}};
    case A::SpaceCentresDown:
        return Transposed(GlyphOf(A::SpaceCentresAcross));
    case A::CentreHorizontally:
        return {{{6, 7, 8, 6}}, {{10, 2, 10, 5}, {10, 14, 10, 17}}, true};
    case A::CentreVertically:
        return Transposed(GlyphOf(A::CentreHorizontally));
    case A::SizeToContent:
        return {{{5, 9, 10, 2}}, {{2, 5, 2, 14}, {17, 5, 17, 14}}, true};
    }
    return {};
}

QIcon IconOf(const Glyph& glyph) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    if (glyph.Frame) {
        p.setPen(QColor(64, 64, 64));
        p.drawRect(0, 0, kSize - 1, kSize - 1);
    }
    for (const QRect& r : glyph.Bars) {
        p.fillRect(r, QColor(128, 128, 128));
        p.setPen(QColor(0, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.setPen(QColor(0, 0, 255));
    for (const QLine& l : glyph.Lines)
        p.drawLine(l);
    p.end();
    return QIcon(picture);
}
} // namespace

QIcon ArrangeIcon(TmvArrange command) {
    return IconOf(GlyphOf(command));
}

QIcon GuidesIcon() {
    return IconOf({{{5, 6, 10, 8}}, {{1, 6, 18, 6}, {5, 1, 5, 18}}});
}
