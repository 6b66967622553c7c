#include "surface/mvGuidePaint.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
const QColor kGuideBlue(0, 120, 215);
const QColor kBaselineMagenta(200, 0, 200);
const QColor kDistanceRed(220, 0, 0);
const QColor kEqualGreen(0, 150, 0);

QString LabelText(const TmvGuideDistance& d) {
    return d.Equal ? QStringLiteral("= %1").arg(d.Value) : QString::number(d.Value);
}

QRect LabelRect(const TmvGuideDistance& d, QPoint offset, const QFontMetrics& metrics) {
    const QSize size(metrics.horizontalAdvance(LabelText(d)) + 4, metrics.height() + 2);
    const QPoint middle = (d.From + d.To) / 2 + offset;
    return QRect(middle - QPoint(size.width() / 2, size.height() / 2), size);
}

QLine LineOf(const TmvGuideLine& g, QPoint offset) {
    const QLine line =
        g.Vertical ? QLine(g.Pos, g.Start, g.Pos, g.End) : QLine(g.Start, g.Pos, g.End, g.Pos);
    return line.translated(offset);
}

Qt::PenStyle StyleOf(TmvGuideKind kind) {
    switch (kind) {
    case TmvGuideKind::Centre:
        return Qt::DashLine;
    case TmvGuideKind::Margin:
        return Qt::DotLine;
    default:
        return Qt::SolidLine;
    }
}
} // namespace

void PaintGuides(QPainter& painter, const TmvGuideMatch& guides, QPoint offset, const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const TmvGuideLine& g : guides.Lines) {
        painter.setPen(QPen(g.Kind == TmvGuideKind::Baseline ? kBaselineMagenta : kGuideBlue, 1,
                            StyleOf(g.Kind)));
        painter.drawLine(LineOf(g, offset));
    }
    const QFontMetrics metrics(font);
    painter.setFont(font);
    for (const TmvGuideDistance& d : guides.Distances) {
        const QColor colour = d.Equal ? kEqualGreen : kDistanceRed;
        painter.setPen(colour);
        painter.drawLine(d.From + offset, d.To + offset);
        const QRect label = LabelRect(d, offset, metrics);
        painter.fillRect(label, Qt::white);
        painter.drawRect(label.adjusted(0, 0, -1, -1));
        painter.drawText(label, Qt::AlignCenter, LabelText(d));
    }
    painter.restore();
}

QRect GuidesArea(const TmvGuideMatch& guides, QPoint offset, const QFont& font) {
    QRect area;
    for (const TmvGuideLine& g : guides.Lines) {
        const QLine line = LineOf(g, offset);
        area |= QRect(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1);
    }
    const QFontMetrics metrics(font);
    for (const TmvGuideDistance& d : guides.Distances) {
        area |= QRect(d.From + offset, d.To + offset).normalized().adjusted(-1, -1, 1, 1);
        area |= LabelRect(d, offset, metrics);
    }
    return area;
}
