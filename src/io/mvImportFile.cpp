#include "io/mvImportFile.h"

#include <QFileInfo>

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
    const QString lower = normalisedLine.toLower();
    if (!lower.endsWith(QLatin1String(" {"))) return QString();
    const QStringList words = lower.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0] != QLatin1String("dialog")) return QString();
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

QStringList CollectTableLines(const QStringList& lines, bool iniScript, int headerLine,
                              const QString& name) {
    QStringList table;
    bool collecting = false;
    for (int i = qMax(0, headerLine); i < lines.size(); ++i) {
        const QString line = NormaliseScriptLine(lines[i], iniScript);
        if (!collecting) {
            collecting = TableHeaderName(line) == name.toLower();
            if (!collecting) continue;
        } else if (line == QLatin1String("}")) {
            break;
        }
        table.append(line);
    }
    return table;
}
