#include "model/mvTextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {
bool Prefixed(int flags) {
    return !(flags & kTextNoPrefix);
}

// The characters that are shown: a single "&" marks the next character and takes no room,
// "&&" shows one "&".
QString Shown(const QString& text, int flags) {
    if (!Prefixed(flags) || !text.contains(QLatin1Char('&'))) return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text[i] == QLatin1Char('&'))
            continue;
        shown += text[i];
    }
    return shown;
}

int TabStep(const QFontMetrics& metrics) {
    return std::max(1, 8 * metrics.averageCharWidth());
}

// Width of a run without line breaks, tabs expanded when asked.
int RunWidth(const QFontMetrics& metrics, int flags, const QString& run) {
    if (!(flags & Qt::TextExpandTabs) || !run.contains(QLatin1Char('\t')))
        return metrics.horizontalAdvance(Shown(run, flags));
    const int step = TabStep(metrics);
    int x = 0;
    const QStringList pieces = run.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) x = (x / step + 1) * step;
        x += metrics.horizontalAdvance(Shown(pieces[i], flags));
    }
    return x;
}

// Splits `word` (no blanks) into pieces that each fit `width`, at least one character each.
void BreakWord(const QFontMetrics& metrics, int flags, int width, const QString& word,
               std::vector<TmvTextLine>& lines) {
    QString piece;
    for (const QChar ch : word) {
        const QString longer = piece + ch;
        if (!piece.isEmpty() && RunWidth(metrics, flags, longer) > width) {
            lines.push_back({piece, RunWidth(metrics, flags, piece)});
            piece = ch;
        } else {
            piece = longer;
        }
    }
    if (!piece.isEmpty()) lines.push_back({piece, RunWidth(metrics, flags, piece)});
}

void WrapParagraph(const QFontMetrics& metrics, int flags, int width, const QString& paragraph,
                   std::vector<TmvTextLine>& lines) {
    QString line;
    int lineWidth = 0;
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    bool any = false;
    while (i < n) {
        // The next word with the blanks before it.
        qsizetype start = i;
        while (i < n && paragraph[i] == QLatin1Char(' '))
            ++i;
        const QString blanks = paragraph.mid(start, i - start);
        start = i;
        while (i < n && paragraph[i] != QLatin1Char(' '))
            ++i;
        const QString word = paragraph.mid(start, i - start);
        const QString candidate = line + blanks + word;
        const int candidateWidth = RunWidth(metrics, flags, candidate);
        if (candidateWidth <= width || (line.isEmpty() && word.isEmpty())) {
            line = candidate;
            lineWidth = candidateWidth;
            continue;
        }
        if (!line.isEmpty()) {
            lines.push_back({line, lineWidth});
            any = true;
        }
        // Blanks at a break are not drawn.
        if (RunWidth(metrics, flags, word) > width) {
            BreakWord(metrics, flags, width, word, lines);
            any = true;
            line = lines.back().Text;
            lineWidth = lines.back().Width;
            lines.pop_back();
        } else {
            line = word;
            lineWidth = RunWidth(metrics, flags, word);
        }
    }
    if (!line.isEmpty() || !any) lines.push_back({line, lineWidth});
}
} // namespace

QFont ClassicFont(const QFont& font) {
    QFont f(font);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int LineWidth(const QFont& font, int flags, const QString& line) {
    return RunWidth(QFontMetrics(font), flags, line);
}

std::vector<TmvTextLine> LayoutText(const QFont& font, int width, int flags, const QString& text) {
    const QFontMetrics metrics(font);
    std::vector<TmvTextLine> lines;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (flags & Qt::TextSingleLine) {
        normalised.replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines.push_back({normalised, RunWidth(metrics, flags, normalised)});
        return lines;
    }
    for (const QString& paragraph : normalised.split(QLatin1Char('\n'))) {
        if (flags & Qt::TextWordWrap)
            WrapParagraph(metrics, flags, width, paragraph, lines);
        else
            lines.push_back({paragraph, RunWidth(metrics, flags, paragraph)});
    }
    return lines;
}

QRect MeasureText(const QFont& font, const QRect& r, int flags, const QString& text) {
    if (text.isEmpty()) return QRect(r.topLeft(), QSize(0, 0));
    const std::vector<TmvTextLine> lines = LayoutText(font, r.width(), flags, text);
    int width = 0;
    for (const TmvTextLine& line : lines)
        width = std::max(width, line.Width);
    return QRect(r.topLeft(), QSize(width, int(lines.size()) * QFontMetrics(font).height()));
}

void DrawTextLines(QPainter& painter, const QRect& r, int flags, const QString& text,
                   const QFont& font) {
    if (text.isEmpty() || r.isEmpty()) return;
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    const std::vector<TmvTextLine> lines = LayoutText(font, r.width(), flags, text);
    int y = r.top();
    if (flags & Qt::AlignVCenter) y += (r.height() - int(lines.size()) * lineHeight) / 2;
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setFont(ClassicFont(font));
    const int drawFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip |
                          (Prefixed(flags) ? int(Qt::TextShowMnemonic) : 0);
    const int step = TabStep(metrics);
    for (const TmvTextLine& line : lines) {
        int x = r.left();
        if (flags & Qt::AlignRight)
            x = r.left() + r.width() - line.Width;
        else if (flags & Qt::AlignHCenter)
            x = r.left() + (r.width() - line.Width) / 2;
        const QStringList pieces = (flags & Qt::TextExpandTabs) ? line.Text.split(QLatin1Char('\t'))
                                                                : QStringList{line.Text};
        int offset = 0;
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0) offset = (offset / step + 1) * step;
            painter.drawText(QRect(x + offset, y, 32767, lineHeight), drawFlags, pieces[i]);
            offset += metrics.horizontalAdvance(Shown(pieces[i], flags));
        }
        y += lineHeight;
    }
    painter.restore();
}
