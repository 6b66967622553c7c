#include "surface/mvIniValues.h"

namespace {

// The range between the first and last character that is not the separator; empty when the
// text holds nothing else.
QStringView TrimSeparators(const QString& text, QChar separator) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == separator)
        ++first;
    while (last > first && text[last - 1] == separator)
        --last;
    return QStringView(text).mid(first, last - first);
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

std::optional<int> ParseInteger(const QString& text, bool allowHex) {
    QStringView s(text);
    while (!s.isEmpty() && IsBlank(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && IsBlank(s.back()))
        s.chop(1);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == QLatin1Char('-') || s.front() == QLatin1Char('+'))) {
        negative = s.front() == QLatin1Char('-');
        s = s.mid(1);
    }
    const bool hex = allowHex && s.size() > 2 && s[0] == QLatin1Char('0') &&
                     (s[1] == QLatin1Char('x') || s[1] == QLatin1Char('X'));
    if (hex) s = s.mid(2);
    if (s.isEmpty()) return std::nullopt;

    const unsigned base = hex ? 16 : 10;
    // Decimal must fit a signed int; unsigned hexadecimal may use all 32 bits (colours, words).
    const qint64 limit = negative ? 0x80000000LL : (hex ? 0xFFFFFFFFLL : 0x7FFFFFFFLL);
    qint64 value = 0;
    for (const QChar c : s) {
        int digit;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = c.unicode() - '0';
        else if (hex && c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            digit = c.unicode() - 'a' + 10;
        else if (hex && c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            digit = c.unicode() - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    if (negative) value = -value;
    return static_cast<int>(static_cast<quint32>(value));
}

} // namespace

QStringList SplitList(const QString& text, QChar separator) {
    const QStringView inner = TrimSeparators(text, separator);
    QStringList fields;
    if (inner.isEmpty()) return fields;
    for (const QStringView field : inner.split(separator))
        fields.append(field.toString());
    return fields;
}

QString NthField(const QString& text, QChar separator, int n) {
    if (n < 1) return QString();
    const QStringView inner = TrimSeparators(text, separator);
    if (inner.isEmpty()) return QString();
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype next = inner.indexOf(separator, start);
        if (next < 0) return QString();
        start = next + 1;
    }
    const qsizetype end = inner.indexOf(separator, start);
    return inner.mid(start, end < 0 ? -1 : end - start).toString();
}

std::optional<int> IniInteger(const QString& text) {
    return ParseInteger(text, true);
}

std::optional<int> FieldInteger(const QString& field) {
    return ParseInteger(field, false);
}
