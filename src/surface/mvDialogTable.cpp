#include "surface/mvDialogTable.h"

#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"

namespace {
const QString kIndent = QStringLiteral("  ");

// Texts are concatenated, never formatted: a title or a path may hold "%1".
QString Number(int v) {
    return QString::number(v);
}

void AppendControlLines(const DialogDocument& doc, QStringList& lines) {
    for (const TmvControl* control : doc.CreationOrder) {
        const auto* tab = dynamic_cast<const TmvTab*>(control);
        if (!tab) {
            lines << kIndent + control->BuildLine();
            continue;
        }
        // The pages, each followed by its controls, stand at the tab control's place.
        for (int i = 0; i < tab->PageCount(); ++i) {
            lines << kIndent + tab->PageLine(i);
            for (const TmvControl* child : tab->Page(i)->Controls)
                lines << kIndent + child->BuildLine();
        }
    }
}

QString MenuLine(const TmvMenuNode& node) {
    const QString text = MenuTextForTable(node.Text);
    const QString id = Number(node.Id());
    QString line;
    if (node.IsTopLevel()) {
        line = QStringLiteral("  menu \"") + text + QStringLiteral("\", ") + id;
    } else {
        const QString parent = Number(node.Parent->Id());
        if (node.HasChildren())
            line = QStringLiteral("  menu \"") + text + QStringLiteral("\", ") + id +
                   QStringLiteral(", ") + parent;
        else if (text == QLatin1String("-"))
            line = QStringLiteral("  item break, ") + id + QStringLiteral(", ") + parent;
        else
            line = QStringLiteral("  item \"") + text + QStringLiteral("\", ") + id +
                   QStringLiteral(", ") + parent;
    }
    const bool ok = node.HasFlag(kMenuOk);
    const bool cancel = node.HasFlag(kMenuCancel);
    if (ok || cancel) {
        line += QLatin1Char(',');
        if (ok) line += QStringLiteral(" ok");
        if (cancel) line += QStringLiteral(" cancel");
    }
    return line;
}
} // namespace

QStringList BuildDialogTable(const DialogDocument& doc) {
    QStringList lines;
    lines << QStringLiteral("dialog ") + (doc.Local ? QStringLiteral("-l ") : QString()) +
                 doc.TableName + QStringLiteral(" {");
    lines << QStringLiteral("  title ") +
                 (doc.NoQuotes ? doc.Title : QLatin1Char('"') + doc.Title + QLatin1Char('"'));
    lines << QStringLiteral("  size ") + Number(doc.Centered ? -1 : doc.PosX) + QLatin1Char(' ') +
                 Number(doc.Centered ? -1 : doc.PosY) + QLatin1Char(' ') +
                 Number(XToDbuIf(doc.UseDbu, doc.ClientWidth)) + QLatin1Char(' ') +
                 Number(YToDbuIf(doc.UseDbu, doc.ClientHeight));
    lines << QStringLiteral("  option") +
                 (doc.UseDbu ? QStringLiteral(" dbu") : QStringLiteral(" pixels")) +
                 (doc.NoTheme ? QStringLiteral(" notheme") : QString()) +
                 (doc.OtherOptions.trimmed().isEmpty()
                      ? QString()
                      : QLatin1Char(' ') + doc.OtherOptions.trimmed());
    if (!doc.IconPath.trimmed().isEmpty())
        lines << QStringLiteral("  icon ") + doc.IconPath + QStringLiteral(", ") +
                     Number(doc.IconIndex);
    AppendControlLines(doc, lines);
    doc.Menu.ForEachDepthFirst([&lines](TmvMenuNode* node, int) {
        lines << MenuLine(*node);
        return true;
    });
    lines << QStringLiteral("}");
    return lines;
}

QString JoinTableLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
