// The menu tree in a project: [Menu] holds each node's depth as leading TABs and its escaped
// text, [MenuInfo] its data word, both keyed by the node's depth-first number.
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

namespace {
const QString kMenu = QStringLiteral("Menu");
const QString kMenuInfo = QStringLiteral("MenuInfo");
} // namespace

QString EscapeMenuText(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1String("&"), QLatin1String("&&"));
    escaped.replace(QLatin1String("\t"), QLatin1String("&t"));
    return escaped;
}

QString UnescapeMenuText(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == QLatin1Char('&') && next == QLatin1Char('&')) {
            plain += QLatin1Char('&');
            ++i;
        } else if (c == QLatin1Char('&') && next == QLatin1Char('t')) {
            plain += QLatin1Char('\t');
            ++i;
        } else {
            plain += c;
        }
    }
    return plain;
}

void WriteMenuSections(const DialogDocument& doc, TmvIniFile& ini) {
    ini.EraseSection(kMenu);
    ini.EraseSection(kMenuInfo);
    int k = 0;
    doc.Menu.ForEachDepthFirst([&](TmvMenuNode* node, int depth) {
        const QString key = QString::number(k++);
        ini.WriteString(kMenu, key, QString(depth, QLatin1Char('\t')) + EscapeMenuText(node->Text));
        ini.WriteInteger(kMenuInfo, key, qint32(node->Data));
        return true;
    });
}

int ReadMenuSections(DialogDocument& doc, const TmvIniFile& ini) {
    const QStringList keys = ini.Keys(kMenu);
    QStringList lines;
    lines.reserve(keys.size());
    for (const QString& key : keys)
        lines << ini.ReadString(kMenu, key);
    // The leading TABs give the shape; the texts are unescaped once the tree stands, so that a
    // text starting with an escaped TAB keeps its depth. The tree's depth-first order is the
    // order of the lines.
    doc.Menu.AppendIndentedLines(lines);
    int k = 0;
    for (TmvMenuNode* node : doc.Menu.NodesDepthFirst()) {
        node->Text = UnescapeMenuText(node->Text);
        node->Data = quint32(ini.ReadInteger(kMenuInfo, QString::number(k++), 0));
    }
    if (!doc.Menu.IsEmpty() && doc.Ui) doc.Ui->MenuChanged();
    return int(keys.size());
}
