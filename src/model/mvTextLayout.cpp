#include "model/mvTextLayout.h"

#include <QFontMetrics>
#include <QHash>
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

// The width of a line `lineWidth` wide once `run` (no line breaks) is appended: advances add
// up, except that a tab goes to the next stop after where it starts.
int Extended(const QFontMetrics& metrics, int flags, int lineWidth, const QString& run) {
    if (!(flags & Qt::TextExpandTabs) || !run.contains(QLatin1Char('\t')))
        return lineWidth + metrics.horizontalAdvance(Shown(run, flags));
    const int step = TabStep(metrics);
    int x = lineWidth;
    const QStringList pieces = run.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) x = (x / step + 1) * step;
        x += metrics.horizontalAdvance(Shown(pieces[i], flags));
    }
    return x;
}

int RunWidth(const QFontMetrics& metrics, int flags, const QString& run) {
    return Extended(metrics, flags, 0, run);
}

// Splits `word` (no blanks) into pieces that each fit `width`, at least one character each.
// The last piece stays open in `line` for the words that follow.
void BreakWord(const QFontMetrics& metrics, int flags, int width, const QString& word,
               std::vector<TmvTextLine>& lines, QString& line, int& lineWidth) {
    line.clear();
    lineWidth = 0;
    for (const QChar ch : word) {
        const int longer = Extended(metrics, flags, lineWidth, QString(ch));
        if (!line.isEmpty() && longer > width) {
            lines.push_back({line, lineWidth});
            line = ch;
            lineWidth = Extended(metrics, flags, 0, line);
        } else {
            line += ch;
            lineWidth = longer;
        }
    }
}

// Greedy breaking, each word measured once: the work grows with the text, not its square.
void WrapParagraph(const QFontMetrics& metrics, int flags, int width, const QString& paragraph,
                   std::vector<TmvTextLine>& lines) {
    QString line;
    int lineWidth = 0;
    qsizetype i = 0;
    const qsizetype n = paragraph.size();
    bool broke = false;
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
        const int extended = Extended(metrics, flags, lineWidth, blanks + word);
        if (extended <= width || (line.isEmpty() && word.isEmpty())) {
            line += blanks;
            line += word;
            lineWidth = extended;
            continue;
        }
        // Break here; the blanks at a break are not drawn.
        if (!line.isEmpty()) {
            lines.push_back({line, lineWidth});
            broke = true;
        }
        const int wordWidth = RunWidth(metrics, flags, word);
        if (wordWidth > width) {
            BreakWord(metrics, flags, width, word, lines, line, lineWidth);
            broke = true;
        } else {
            line = word;
            lineWidth = wordWidth;
        }
    }
    if (!line.isEmpty() || !broke) lines.push_back({line, lineWidth});
}
} // namespace

QString ShownCaption(const QString& text) {
    return Shown(text, 0);
}

QFont ClassicFont(const QFont& font) {
    QFont f(font);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

int LineWidth(const QFont& font, int flags, const QString& line) {
    return RunWidth(QFontMetrics(font), flags, line);
}

namespace {
std::vector<TmvTextLine> ComputeLayout(const QFont& font, int width, int flags,
                                       const QString& text);
} // namespace

std::vector<TmvTextLine> LayoutText(const QFont& font, int width, int flags, const QString& text) {
    // A surface repaint lays out the same few captions again and again; measuring is the
    // costly part, so layouts are remembered (the program draws on one thread only).
    static QHash<QString, std::vector<TmvTextLine>> cache;
    constexpr qsizetype kCacheLimit = 4096;
    // Building a font's key costs more than the lookup; the controls mostly share one font.
    static QFont lastFont;
    static QString lastFontKey = lastFont.key();
    if (!(font == lastFont)) {
        lastFont = font;
        lastFontKey = font.key();
    }
    const QString key = lastFontKey + QLatin1Char('\x1f') + QString::number(width) +
                        QLatin1Char('\x1f') + QString::number(flags) + QLatin1Char('\x1f') + text;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) return found.value();
    if (cache.size() >= kCacheLimit) cache.clear();
    return cache.insert(key, ComputeLayout(font, width, flags, text)).value();
}

namespace {
std::vector<TmvTextLine> ComputeLayout(const QFont& font, int width, int flags,
                                       const QString& text) {
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
    // Measured whole, as they are drawn (pairs of letters may kern across the pieces).
    for (TmvTextLine& line : lines)
        line.Width = RunWidth(metrics, flags, line.Text);
    return lines;
}
} // namespace

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
        if (y > r.bottom()) break; // the rest is clipped away
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
            // Only a piece after a tab needs to know where this one ends.
            if (i + 1 < pieces.size()) offset += metrics.horizontalAdvance(Shown(pieces[i], flags));
        }
        y += lineHeight;
    }
    painter.restore();
}
