#include "io/mvImportFile.h"

#include <QFileInfo>

#include "io/mvImport.h"
#include "io/mvImportFields.h"
#include "io/mvTextFile.h"

TmvFileRequest ScriptFileRequest(const QString& lastPath) {
    TmvFileRequest request;
    request.Title = QStringLiteral("Choose mIRC File...");
    request.Filter =
        QStringLiteral("mIRC script files (*.mrc;*.ini)|*.mrc;*.ini|Text files (*.txt)|*.txt");
    request.InitialFile = lastPath;
    return request;
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

bool ReadScriptLines(const QString& path, QStringList* lines, QString* error, int legacyCodePage,
                     int* readInCodePage) {
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes, error)) return false;
    *lines = SplitTextLines(DecodeScriptText(bytes, legacyCodePage, readInCodePage));
    return true;
}

bool IsIniScript(const QString& path) {
    return QFileInfo(path).suffix().toUpper() == QLatin1String("INI");
}

QString NormaliseScriptLine(const QString& line, bool iniScript) {
    QString text = line.trimmed();
    if (iniScript) {
        const int equals = text.indexOf(QLatin1Char('='));
        // "n0= dialog x {" is as much a header as "n0=dialog x {".
        if (equals >= 0) text = text.mid(equals + 1).trimmed();
    }
    return text;
}

QString TableHeaderName(const QString& normalisedLine) {
    // The line is trimmed, so a header's first letter is the "d" of "dialog": the other lines,
    // nearly all of a script, need no splitting.
    const QChar first = normalisedLine.isEmpty() ? QChar() : normalisedLine[0];
    if (first != QLatin1Char('d') && first != QLatin1Char('D')) return QString();
    const QStringList words = BlankWords(normalisedLine.toLower());
    if (words.size() < 2 || words[0] != QLatin1String("dialog") ||
        words.last() != QLatin1String("{"))
        return QString();
    const int nameAt = (words.size() > 1 && words[1] == QLatin1String("-l")) ? 2 : 1;
    // "dialog {" names no table.
    if (nameAt >= words.size() - 1) return QString();
    return words[nameAt].trimmed();
}

std::vector<TmvScriptTable> ListScriptTables(const QStringList& lines, bool iniScript) {
    std::vector<TmvScriptTable> tables;
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = TableHeaderName(NormaliseScriptLine(lines[i], iniScript));
        if (!name.isEmpty()) tables.push_back({name, i});
    }
    return tables;
}

TmvTableSpan FindTableSpan(const QStringList& lines, bool iniScript, int headerLine,
                           const QString& name) {
    TmvTableSpan span;
    const QString wanted = name.toLower();
    for (int i = qMax(0, headerLine); i < lines.size(); ++i) {
        const QString line = NormaliseScriptLine(lines[i], iniScript);
        if (!span.Found()) {
            if (TableHeaderName(line) == wanted) span.Header = i;
        } else if (line == QLatin1String("}")) {
            span.Close = span.Stop = i;
            return span;
        } else if (!TableHeaderName(line).isEmpty()) {
            span.Stop = i;
            return span;
        }
    }
    if (span.Found()) span.Stop = int(lines.size());
    return span;
}

QStringList CollectTableLines(const QStringList& lines, bool iniScript, int headerLine,
                              const QString& name, int* firstLine) {
    const TmvTableSpan span = FindTableSpan(lines, iniScript, headerLine, name);
    QStringList table;
    if (!span.Found()) return table;
    if (firstLine) *firstLine = span.Header;
    // An unclosed table that ran into the next header takes it along: the parser ends the
    // table there and says so.
    const int last = span.Closed() || span.Stop >= lines.size() ? span.Stop - 1 : span.Stop;
    table.reserve(last - span.Header + 1);
    for (int i = span.Header; i <= last; ++i)
        table.append(NormaliseScriptLine(lines[i], iniScript));
    return table;
}

QStringList CollectTableForImport(const QStringList& lines, bool iniScript, int headerLine,
                                  const QString& name, TmvImportOptions* options) {
    int first = headerLine;
    const QStringList table = CollectTableLines(lines, iniScript, headerLine, name, &first);
    options->FirstFileLine = first + 1;
    return table;
}
