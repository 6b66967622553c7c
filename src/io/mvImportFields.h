#pragma once
// The text side of reading a dialog table: one line into its keyword and the rest, the rest of
// a control or menu line into its seven fields, and a style list into whole words. Everything
// here is a single left-to-right pass, so no line, however long or odd, costs more than its
// length.
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

constexpr int kImportFieldCount = 7;
using TmvImportFields = std::array<QString, kImportFieldCount>;

// The keyword (lower case, ended by a space or tab) and the rest of a trimmed table line. The
// rest has its trailing commas removed, is trimmed, and has every run of spaces outside its
// leading quoted text collapsed to one: texts aligned with blanks keep their layout.
// Returns false for a line without a blank (a lone "{", for example), which carries no keyword.
struct TmvLineParts {
    QString Keyword;
    QString Rest;
};
std::optional<TmvLineParts> SplitKeyword(const QString& trimmedLine);

// Every run of spaces as one space. Tabs stay: a menu text carries them.
QString CollapseBlanks(const QString& text);
// The same, except inside a text that opens the rest with a double quote (up to its closing
// quote, see ClosingQuote; a text never closed is kept whole).
QString CollapseBlanksOutsideQuotes(const QString& rest);

// The rest of a control, page or menu line as: text, ID, x, y, w, h, and the styles (the
// remainder of the line, unchanged). A text that opens with a double quote runs to its closing
// quote: the first later quote followed by nothing, or by blanks and a comma, so that a caption
// holding quotes keeps them; when no quote qualifies, the next quote closes it. An unquoted text
// runs to the first comma outside brackets. Fields 2 to 6 are separated by runs of blanks and
// commas; the styles start after the one separator that follows field 6. Missing fields are empty.
TmvImportFields SplitControlFields(const QString& rest);

// Index of the comma that ends an unquoted text, or -1: the first comma outside brackets, so
// that an identifier such as $+(a,b) stays whole; with unbalanced brackets, the first comma.
int UnquotedTextEnd(const QString& text);

// Index of the quote closing a text whose opening quote is at index 0, or -1 when none.
int ClosingQuote(const QString& text);

// The words of a text split at spaces and tabs, in order.
QStringList BlankWords(const QString& text);
// The words of a style list, split at blanks and commas, in order.
QStringList StyleWords(const QString& text);

// The words of a style list, read once: whole words, letter case ignored. A reader marks the
// words it takes; the rest stay as written.
class TmvStyleWords {
public:
    explicit TmvStyleWords(const QString& styles);
    // Whether the word is there (without taking it).
    bool Has(const char* word) const { return at_.contains(QLatin1String(word)); }
    // Whether the word is there; every occurrence of it is taken.
    bool Take(const char* word);
    // Index of the word's first occurrence, or -1.
    int IndexOf(const char* word) const;
    // The word at an index, as written; empty past the end.
    QString At(int i) const { return written_.value(i); }
    // Takes `count` words from index i.
    void TakeAt(int i, int count);
    // Whether every word is one of `known` (lower case), or the number after "tab".
    bool OnlyOf(const QSet<QString>& known) const;
    // The words not taken, as written and in their order, one blank between them.
    QString Untaken() const;

private:
    QStringList written_;
    QStringList lower_;
    std::vector<bool> taken_;
    QHash<QString, QList<int>> at_; // lower-case word -> its indexes
};

// Whether `text` is a decimal integer with an optional sign (what the table reader accepts
// as an integer), and its value.
std::optional<int> ParseTableInt(const QString& text);
// Whether a coordinate or size fits a dialog template, whose fields are 16-bit: larger values
// come only from damaged tables, and would overflow the conversion to pixels.
inline bool IsTableCoordinate(int value) {
    return value >= -32768 && value <= 32767;
}
// Whether `text` is a run of digits only (no sign), as a style's number must be.
bool IsDigits(const QString& text);
