#include "io/mvImportFields.h"

namespace {
bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool IsSeparator(QChar c) {
    return IsBlank(c) || c == QLatin1Char(',');
}
constexpr QChar kQuote = QLatin1Char('"');

// Skips a run of separators from `pos`; returns the first index past it.
int SkipSeparators(const QString& s, int pos) {
    while (pos < s.size() && IsSeparator(s[pos]))
        ++pos;
    return pos;
}
} // namespace

QString CollapseBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool lastBlank = false;
    for (const QChar c : text) {
        const bool blank = c == QLatin1Char(' ');
        if (blank && lastBlank) continue;
        out += c;
        lastBlank = blank;
    }
    return out;
}

std::optional<TmvLineParts> SplitKeyword(const QString& trimmedLine) {
    int blank = 0;
    while (blank < trimmedLine.size() && !IsBlank(trimmedLine[blank]))
        ++blank;
    if (blank >= trimmedLine.size()) return std::nullopt;
    QString rest = trimmedLine.mid(blank + 1);
    // Trailing commas (and the blanks between them) say nothing; a bare "edit ..., 5," would
    // otherwise leave an empty style.
    int end = rest.size();
    while (end > 0 && (rest[end - 1] == QLatin1Char(',') || IsBlank(rest[end - 1])))
        --end;
    rest.truncate(end);
    return TmvLineParts{trimmedLine.left(blank).toLower(),
                        CollapseBlanksOutsideQuotes(rest.trimmed())};
}

QString CollapseBlanksOutsideQuotes(const QString& rest) {
    if (!rest.startsWith(kQuote)) return CollapseBlanks(rest);
    // A text never closed runs to the end of the line, and is kept whole.
    const int close = ClosingQuote(rest);
    if (close < 0) return rest;
    return rest.left(close + 1) + CollapseBlanks(rest.mid(close + 1));
}

int ClosingQuote(const QString& text) {
    int fallback = -1;
    for (int i = 1; i < text.size(); ++i) {
        if (text[i] != kQuote) continue;
        if (fallback < 0) fallback = i;
        int next = i + 1;
        while (next < text.size() && IsBlank(text[next]))
            ++next;
        if (next == text.size() || text[next] == QLatin1Char(',')) return i;
    }
    return fallback;
}

int UnquotedTextEnd(const QString& text) {
    int depth = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
        else if (c == QLatin1Char(',') && depth == 0)
            return i;
    }
    // Unbalanced brackets: the first comma, as if there were none.
    return int(text.indexOf(QLatin1Char(',')));
}

TmvImportFields SplitControlFields(const QString& rest) {
    TmvImportFields fields;
    int pos = 0;
    if (rest.startsWith(kQuote)) {
        const int close = ClosingQuote(rest);
        if (close < 0) {
            // Unterminated: the whole line is the text.
            fields[0] = rest.mid(1);
            return fields;
        }
        fields[0] = rest.mid(1, close - 1);
        pos = close + 1;
    } else {
        const int comma = UnquotedTextEnd(rest);
        fields[0] = comma < 0 ? rest : rest.left(comma);
        if (comma < 0) return fields;
        pos = comma;
    }
    for (int field = 1; field < kImportFieldCount - 1; ++field) {
        pos = SkipSeparators(rest, pos);
        const int start = pos;
        while (pos < rest.size() && !IsSeparator(rest[pos]))
            ++pos;
        fields[field] = rest.mid(start, pos - start);
    }
    // The styles begin after the one separator that ends field 6 and are kept as written: an
    // icon's file name may hold blanks and commas.
    if (pos < rest.size()) fields[kImportFieldCount - 1] = rest.mid(pos + 1);
    return fields;
}

namespace {
// The runs of characters between separators, in order.
QStringList SplitWords(const QString& text, bool (*separator)(QChar)) {
    QStringList words;
    int pos = 0;
    while (true) {
        while (pos < text.size() && separator(text[pos]))
            ++pos;
        if (pos >= text.size()) break;
        const int start = pos;
        while (pos < text.size() && !separator(text[pos]))
            ++pos;
        words.append(text.mid(start, pos - start));
    }
    return words;
}
} // namespace

QStringList BlankWords(const QString& text) {
    return SplitWords(text, IsBlank);
}

QStringList StyleWords(const QString& text) {
    return SplitWords(text, IsSeparator);
}

TmvStyleWords::TmvStyleWords(const QString& styles) : written_(StyleWords(styles)) {
    lower_.reserve(written_.size());
    for (const QString& word : written_)
        lower_.append(word.toLower());
    taken_.assign(size_t(written_.size()), false);
    for (int i = 0; i < lower_.size(); ++i)
        at_[lower_[i]].append(i);
}

bool TmvStyleWords::Take(const char* word) {
    const auto found = at_.constFind(QLatin1String(word));
    if (found == at_.constEnd()) return false;
    for (const int i : *found)
        taken_[size_t(i)] = true;
    return true;
}

int TmvStyleWords::IndexOf(const char* word) const {
    const auto found = at_.constFind(QLatin1String(word));
    return found == at_.constEnd() ? -1 : found->first();
}

void TmvStyleWords::TakeAt(int i, int count) {
    for (int k = qMax(0, i); k < i + count && k < written_.size(); ++k)
        taken_[size_t(k)] = true;
}

bool TmvStyleWords::OnlyOf(const QSet<QString>& known) const {
    for (int i = 0; i < lower_.size(); ++i) {
        const bool pageNumber = i > 0 && lower_[i - 1] == QLatin1String("tab");
        if (!known.contains(lower_[i]) && !pageNumber) return false;
    }
    return true;
}

QString TmvStyleWords::Untaken() const {
    QStringList kept;
    for (int i = 0; i < written_.size(); ++i)
        if (!taken_[size_t(i)]) kept.append(written_[i]);
    return kept.join(QLatin1Char(' '));
}

bool IsDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

std::optional<int> ParseTableInt(const QString& text) {
    const bool signed_ = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    if (!IsDigits(signed_ ? text.mid(1) : text)) return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) return std::nullopt; // out of range
    return value;
}
