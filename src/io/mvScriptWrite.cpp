#include "io/mvScriptWrite.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "io/mvCodePages.h"
#include "io/mvImportFile.h"
#include "io/mvImportFileWindow.h"
#include "io/mvTextFile.h"

namespace {
// One line of the file's bytes: its text from Start to End, its line end from End to Next.
struct TmvByteLine {
    qsizetype Start = 0;
    qsizetype End = 0;
    qsizetype Next = 0;
    bool HasLineEnd() const { return Next > End; }
};

// The lines of the bytes from `start` on, cut as SplitTextLines cuts text: at CR LF, LF or CR.
// Every code page a script can be in writes these two bytes for line ends only.
std::vector<TmvByteLine> SplitByteLines(const QByteArray& bytes, qsizetype start) {
    std::vector<TmvByteLine> lines;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') continue;
        const qsizetype end = i;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back({start, end, i + 1});
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back({start, bytes.size(), bytes.size()});
    return lines;
}

QByteArray LineEndOf(const QByteArray& bytes, const TmvByteLine& line) {
    return bytes.mid(line.End, line.Next - line.End);
}

// The line end of the last line that has one; CR LF, as mIRC writes scripts, for a file
// without any.
QByteArray LastLineEnd(const QByteArray& bytes, const std::vector<TmvByteLine>& lines) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (line->HasLineEnd()) return LineEndOf(bytes, *line);
    return QByteArrayLiteral("\r\n");
}

TmvScriptWriteResult Failure(TmvScriptWriteStatus status, const QString& message) {
    return {status, message};
}

QString CodePageName(int codePage) {
    return codePage == kUtf8CodePage ? QStringLiteral("UTF-8")
                                     : QStringLiteral("the code page ") + CodePageLabel(codePage);
}

// The character at `at` as the user can read it: itself and its code point.
QString DescribeCharacter(const QString& text, qsizetype at) {
    const char32_t code = text[at].isHighSurrogate() && at + 1 < text.size()
                              ? QChar::surrogateToUcs4(text[at], text[at + 1])
                              : char32_t(text[at].unicode());
    const QString hex = QString::number(uint(code), 16).toUpper().rightJustified(4, '0');
    return QLatin1Char('"') + QString::fromUcs4(&code, 1) + QStringLiteral("\" (U+") + hex +
           QLatin1Char(')');
}

// The new lines in the script's encoding, each followed by the line end; the first character
// the code page lacks is told with its line.
TmvScriptWriteResult EncodeLines(const QStringList& lines, const QString& what, int codePage,
                                 const QByteArray& lineEnd, QByteArray* out) {
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray bytes;
        qsizetype badAt = 0;
        if (!EncodeInCodePage(lines[i], codePage, &bytes, &badAt))
            return Failure(TmvScriptWriteStatus::Unencodable,
                           QStringLiteral("The character %1 on line %2 of the %3 cannot be "
                                          "written in %4, in which the script is. Nothing was "
                                          "written.")
                               .arg(DescribeCharacter(lines[i], badAt))
                               .arg(i + 1)
                               .arg(what, CodePageName(codePage)));
        out->append(bytes);
        out->append(lineEnd);
    }
    return {};
}

// Another table than the one replaced (at header line `replaced`) with the new table's name.
bool NameTakenElsewhere(const std::vector<TmvScriptTable>& tables, const QString& name,
                        int replaced) {
    for (const TmvScriptTable& table : tables)
        if (table.Name == name && table.HeaderLine != replaced) return true;
    return false;
}

bool ReadScriptBytes(const QString& path, QByteArray* bytes, QString* error) {
    const QFileInfo info(path);
    if (info.size() > kMaxScriptFileBytes) {
        *error = QStringLiteral("it is %1 MB long, more than any mIRC script")
                     .arg(info.size() / (1024 * 1024));
        return false;
    }
    return ReadFileBytes(path, bytes, error);
}

// The script as read: its bytes and lines, cut alike, its tables and the code page it is in.
struct TmvReadScript {
    const QByteArray& Bytes;
    QStringList Lines;
    std::vector<TmvByteLine> ByteLines;
    std::vector<TmvScriptTable> Tables;
    int CodePage = kUtf8CodePage;
};

TmvScriptWriteResult ReplaceTableIn(const TmvReadScript& script, const TmvScriptEdit& edit,
                                    const QString& newName, QByteArray* out) {
    const QString replaced = edit.ReplaceTable.toLower();
    // The table's end is searched from its own header on.
    const auto first =
        std::find_if(script.Tables.begin(), script.Tables.end(),
                     [&](const TmvScriptTable& table) { return table.Name == replaced; });
    const TmvTableSpan span = first == script.Tables.end()
                                  ? TmvTableSpan()
                                  : FindTableSpan(script.Lines, false, first->HeaderLine, replaced);
    if (!span.Found())
        return Failure(TmvScriptWriteStatus::TableMissing,
                       QStringLiteral("The script holds no table '%1'.").arg(replaced));
    if (!span.Closed())
        return Failure(TmvScriptWriteStatus::TableNotClosed,
                       QStringLiteral("The table '%1' on line %2 has no closing brace, so where "
                                      "it ends is not known. Nothing was written.")
                           .arg(replaced)
                           .arg(span.Header + 1));
    if (NameTakenElsewhere(script.Tables, newName, span.Header))
        return Failure(TmvScriptWriteStatus::NameTaken,
                       QStringLiteral("The script holds another table '%1' already. Nothing was "
                                      "written.")
                           .arg(newName));
    const TmvByteLine& header = script.ByteLines[size_t(span.Header)];
    const TmvByteLine& close = script.ByteLines[size_t(span.Close)];
    QByteArray table;
    const TmvScriptWriteResult encoded =
        EncodeLines(edit.Table, QStringLiteral("table"), script.CodePage,
                    LineEndOf(script.Bytes, header), &table);
    if (!encoded.Written()) return encoded;
    // The last line keeps the closing brace's own line end, which stays in the file.
    table.chop(header.Next - header.End);
    *out = script.Bytes.left(header.Start) + table + script.Bytes.mid(close.End);
    return {};
}

TmvScriptWriteResult AddTableTo(const TmvReadScript& script, const TmvScriptEdit& edit,
                                const QString& newName, QByteArray* out) {
    if (NameTakenElsewhere(script.Tables, newName, -1))
        return Failure(TmvScriptWriteStatus::NameTaken,
                       QStringLiteral("The script holds a table '%1' already: choose it to "
                                      "replace it. Nothing was written.")
                           .arg(newName));
    const std::vector<TmvByteLine>& lines = script.ByteLines;
    const QByteArray lineEnd = LastLineEnd(script.Bytes, lines);
    QByteArray added;
    if (!lines.empty()) {
        if (!lines.back().HasLineEnd()) added += lineEnd;
        added += lineEnd; // the blank line before the table
    }
    TmvScriptWriteResult encoded =
        EncodeLines(edit.Table, QStringLiteral("table"), script.CodePage, lineEnd, &added);
    if (!encoded.Written()) return encoded;
    if (!edit.Appendix.isEmpty()) {
        added += lineEnd;
        encoded = EncodeLines(edit.Appendix, QStringLiteral("event handlers"), script.CodePage,
                              lineEnd, &added);
        if (!encoded.Written()) return encoded;
    }
    *out = script.Bytes + added;
    return {};
}
} // namespace

TmvScriptWriteResult ComposeScript(const QByteArray& bytes, const TmvScriptEdit& edit,
                                   QByteArray* out) {
    int readIn = 0;
    TmvReadScript script{bytes,
                         SplitTextLines(DecodeScriptText(bytes, edit.LegacyCodePage, &readIn)),
                         {},
                         {},
                         readIn == 0 ? kUtf8CodePage : readIn};
    // Reading drops a byte-order mark, which stays in front of the first line.
    const bool bom = readIn == 0 && bytes.startsWith("\xEF\xBB\xBF");
    script.ByteLines = SplitByteLines(bytes, bom ? 3 : 0);
    // A code page whose reading turns line-end bytes into something else (or the reverse)
    // leaves no safe place to cut.
    if (qsizetype(script.ByteLines.size()) != script.Lines.size())
        return Failure(TmvScriptWriteStatus::Unreadable,
                       QStringLiteral("Its lines cannot be told apart when it is read in %1.")
                           .arg(CodePageName(edit.LegacyCodePage)));
    script.Tables = ListScriptTables(script.Lines, false);
    const QString newName = TableHeaderName(edit.Table.value(0).trimmed());
    return edit.ReplaceTable.isEmpty() ? AddTableTo(script, edit, newName, out)
                                       : ReplaceTableIn(script, edit, newName, out);
}

TmvFileRequest ScriptWriteFileRequest(const QString& lastPath) {
    TmvFileRequest request;
    request.Title = QStringLiteral("Write Into mIRC File...");
    request.Filter = QStringLiteral("mIRC script files (*.mrc)|*.mrc|Text files (*.txt)|*.txt");
    request.InitialFile = lastPath;
    return request;
}

QString ScriptBackupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

TmvScriptWriteResult WriteIntoScript(const QString& path, const TmvScriptEdit& edit) {
    if (!QFileInfo(path).isFile())
        return Failure(TmvScriptWriteStatus::NoScript,
                       QStringLiteral("The script '%1' does not exist.").arg(path));
    // Every line of an ".ini" script carries a numbered key; new lines would need numbers
    // that the lines after them already have.
    if (IsIniScript(path))
        return Failure(TmvScriptWriteStatus::Unreadable,
                       QStringLiteral("'%1' is an .ini script; tables are written into .mrc and "
                                      ".txt scripts only. Nothing was written.")
                           .arg(path));
    QByteArray script;
    QString reason;
    if (!ReadScriptBytes(path, &script, &reason))
        return Failure(TmvScriptWriteStatus::Unreadable,
                       QStringLiteral("The script '%1' cannot be read: %2").arg(path, reason));
    QByteArray written;
    TmvScriptWriteResult result = ComposeScript(script, edit, &written);
    if (!result.Written()) {
        if (result.Status == TmvScriptWriteStatus::Unreadable)
            result.Message = QStringLiteral("The script '%1' cannot be written into. %2")
                                 .arg(path, result.Message);
        return result;
    }
    const QString backup = ScriptBackupPath(path);
    if (!WriteFileBytes(backup, script, &reason))
        return Failure(TmvScriptWriteStatus::Unwritable,
                       QStringLiteral("The backup '%1' could not be written: %2. Nothing was "
                                      "written.")
                           .arg(backup, reason));
    if (!WriteFileBytes(path, written, &reason))
        return Failure(TmvScriptWriteStatus::Unwritable,
                       QStringLiteral("The script '%1' could not be written: %2. It is as it "
                                      "was.")
                           .arg(path, reason));
    return {};
}

bool ListTablesOfScript(const QString& path, int legacyCodePage, QStringList* names,
                        QString* error) {
    QByteArray bytes;
    QString reason;
    if (!ReadScriptBytes(path, &bytes, &reason)) {
        if (error) *error = reason;
        return false;
    }
    names->clear();
    const QStringList lines = SplitTextLines(DecodeScriptText(bytes, legacyCodePage));
    for (const TmvScriptTable& table : ListScriptTables(lines, IsIniScript(path)))
        names->append(table.Name);
    return true;
}
