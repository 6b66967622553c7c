// One line of a dialog table at a time: dialog-level lines and menus take effect at once,
// control lines become records.
#include <QSet>

#include "io/mvImport.h"
#include "model/mvControls.h"
#include "surface/mvDialogDocument.h"

namespace {
constexpr int kUnknownType = 12;

int TypeOfKeyword(const QString& keyword) {
    for (int type = 0; type < kControlTypeCount; ++type)
        if (keyword == QLatin1String(ControlKeywords[type])) return type;
    return kUnknownType;
}

// An "icon" line is the dialog's icon, not a control, when it is a file and at most an index.
bool IsDialogIconLine(const QString& rest) {
    const QStringList fields = rest.split(QLatin1Char(','));
    const QString second = fields.size() > 1 ? fields[1].trimmed() : QString();
    return second.isEmpty() || (ParseTableInt(second).has_value() && fields.size() < 3);
}

enum class LineStep { Skip, End, Read };

// What becomes of a trimmed line before its keyword is looked at: blanks and comments are
// skipped, a closing brace ends the table.
LineStep StepOf(const QString& trimmed) {
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) return LineStep::Skip;
    if (trimmed.startsWith(QLatin1Char('}'))) return LineStep::End;
    return LineStep::Read;
}

// The keywords of the lines the parser reads beside the header; any other is ignored.
bool IsReadKeyword(const QString& keyword) {
    static const QSet<QString> dialogLevel = {QStringLiteral("menu"), QStringLiteral("item"),
                                              QStringLiteral("title"), QStringLiteral("size"),
                                              QStringLiteral("option")};
    return TypeOfKeyword(keyword) != kUnknownType || dialogLevel.contains(keyword);
}

const QString kDialogKeyword = QStringLiteral("dialog");
} // namespace

std::optional<int> EmptyTableHeader(const QStringList& lines) {
    std::optional<int> header;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        const LineStep step = StepOf(trimmed);
        if (step == LineStep::End) break;
        const std::optional<TmvLineParts> parts =
            step == LineStep::Read ? SplitKeyword(trimmed) : std::nullopt;
        if (!parts) continue;
        if (parts->Keyword != kDialogKeyword) {
            if (IsReadKeyword(parts->Keyword)) return std::nullopt;
        } else if (header) {
            break; // the next table's header
        } else {
            header = int(i);
        }
    }
    return header.value_or(0);
}

void TmvImporter::ParseLine(const QString& line, int number) {
    const QString trimmed = line.trimmed();
    if (info_.EndOfTable) return;
    switch (StepOf(trimmed)) {
    case LineStep::Skip:
        return;
    case LineStep::End:
        info_.EndOfTable = true;
        return;
    case LineStep::Read:
        break;
    }
    const std::optional<TmvLineParts> parts = SplitKeyword(trimmed);
    if (!parts) return;
    const QString& keyword = parts->Keyword;
    const QString& rest = parts->Rest;

    const int type = TypeOfKeyword(keyword);
    if (type == ctIcon && IsDialogIconLine(rest)) {
        ParseDialogIcon(rest);
        return;
    }
    if (type != kUnknownType) {
        auto record = std::make_unique<TmvImportClass>();
        record->ControlType = type;
        record->LineNumber = number;
        record->Quoted = rest.startsWith(QLatin1Char('"'));
        // Controls without a text get an empty one, so every record reads text, ID, rect.
        const bool textless = type == ctCombo || type == ctList || type == ctIcon;
        record->Fields = SplitControlFields(textless ? QStringLiteral("\"\",") + rest : rest);
        // IDs are checked in line order, with the menus' (a page line's ID is its page's).
        if (const std::optional<int> id = ParseTableInt(record->Fields[1])) {
            NoteId(*id, number);
            if (type == ctTab) tableTabPages_.insert(*id);
        }
        records_.push_back(std::move(record));
    } else if (keyword == QLatin1String("menu") || keyword == QLatin1String("item")) {
        ParseMenuLine(keyword, rest, number);
    } else if (keyword == kDialogKeyword) {
        if (info_.HeaderSeen) {
            // The table was never closed: the next table's header ends it.
            ReportImportWarning(QStringLiteral("The table has no closing brace; it ends at the "
                                               "next table's header"),
                                trimmed, number);
            info_.EndOfTable = true;
            return;
        }
        info_.HeaderSeen = true;
        ParseDialogLine(rest);
    } else if (keyword == QLatin1String("title")) {
        ParseTitleLine(rest);
    } else if (keyword == QLatin1String("size")) {
        ParseSizeLine(rest, number);
    } else if (keyword == QLatin1String("option")) {
        ParseOptionLine(rest, number);
    }
}

void TmvImporter::ParseDialogIcon(const QString& rest) {
    const QStringList fields = rest.split(QLatin1Char(','));
    info_.IconPath = fields[0].trimmed();
    const std::optional<int> index =
        fields.size() > 1 ? ParseTableInt(fields[1].trimmed()) : std::nullopt;
    if (index) info_.IconIndex = *index;
}

void TmvImporter::ParseMenuLine(const QString& keyword, const QString& rest, int number) {
    ++info_.MenuLines;
    const TmvImportFields fields = SplitControlFields(rest);
    const bool isMenu = keyword == QLatin1String("menu");

    // The table writer puts ", ok" and ", cancel" on sub-menu lines too, so both kinds read them.
    quint32 flags = kMenuFixedId;
    QSet<QString> styles;
    for (int i = 2; i < kImportFieldCount; ++i)
        for (const QString& word : StyleWords(fields[i]))
            styles.insert(word.toLower());
    if (styles.contains(QStringLiteral("ok"))) flags |= kMenuOk;
    if (styles.contains(QStringLiteral("cancel"))) flags |= kMenuCancel;

    const std::optional<int> id = ParseTableInt(fields[1].trimmed());
    if (!id) {
        ReportImportError(QStringLiteral("Invalid integer value"), fields[1], number);
        return;
    }
    if (!MenuIdFits(*id)) {
        ReportImportError(QStringLiteral("Invalid menu ID"), fields[1], number);
        return;
    }
    int parent = isMenu ? -1 : info_.MenuParent;
    const std::optional<int> explicitParent = ParseTableInt(fields[2].trimmed());
    if (explicitParent) parent = *explicitParent;

    QString text = fields[0];
    const bool quoted = rest.startsWith(QLatin1Char('"'));
    if (!quoted && text.compare(QLatin1String("break"), Qt::CaseInsensitive) == 0)
        text = QStringLiteral("-");
    else if (text == QLatin1String("-"))
        text = QStringLiteral("- "); // a dash item, not a separator

    NoteId(*id, number);
    if (!doc_.Menu.AddMenuEntry(text, *id, flags, parent))
        ReportImportError(QStringLiteral("Unknown menu parent ID"), QString::number(parent),
                          number);
    if (isMenu)
        info_.MenuParent = *id;
    else if (explicitParent)
        info_.MenuParent = *explicitParent;
}

void TmvImporter::ParseDialogLine(const QString& rest) {
    const QStringList words = BlankWords(rest);
    const bool local =
        !words.isEmpty() && words[0].compare(QLatin1String("-l"), Qt::CaseInsensitive) == 0;
    if (local) info_.Local = true;
    QString name = words.value(local ? 1 : 0);
    if (name.size() > 1 && name.endsWith(QLatin1Char('{'))) name.chop(1); // "dialog name{"
    if (!name.isEmpty() && name != QLatin1String("{")) info_.TableName = name;
}

void TmvImporter::ParseTitleLine(const QString& rest) {
    QString title = rest;
    info_.TitleQuoted = title.startsWith(QLatin1Char('"'));
    if (title.size() > 1) {
        if (title.startsWith(QLatin1Char('"'))) title.remove(0, 1);
        if (title.endsWith(QLatin1Char('"'))) title.chop(1);
    }
    info_.Title = title;
    info_.NoTitleLine = false;
}

void TmvImporter::ParseSizeLine(const QString& rest, int number) {
    // Blanks separate the four numbers; stray commas and tabs are forgiven.
    const QStringList words = StyleWords(rest);
    int* const values[] = {&info_.X, &info_.Y, &info_.W, &info_.H};
    for (int i = 0; i < 4; ++i) {
        const QString word = words.value(i);
        const std::optional<int> value = ParseTableInt(word);
        if (value && IsTableCoordinate(*value))
            *values[i] = *value;
        else
            ReportImportError(QStringLiteral("Invalid integer value"), word, number);
    }
    info_.SizeLineSeen = true;
}

void TmvImporter::ParseOptionLine(const QString& rest, int number) {
    TmvStyleWords words(rest);
    info_.UseDbu = words.Take("dbu");
    info_.NoTheme = words.Take("notheme");
    words.Take("pixels"); // what the writer puts when there is no "dbu"
    info_.OtherOptions = words.Untaken();
    if (!info_.OtherOptions.isEmpty())
        ReportImportWarning(QStringLiteral("Option words kept as written"), info_.OtherOptions,
                            number);
}
