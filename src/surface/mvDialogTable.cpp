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

void AppendControlLines(const DialogDocument& doc, std::vector<TmvTableLine>& lines) {
    VisitTableOrder(
        doc,
        [&lines](const TmvControl& control) {
            // The tab control writes its pages' lines instead of a line of its own.
            if (control.ControlType != ctTab)
                lines.push_back({kIndent + control.BuildLine(), &control, nullptr});
        },
        [&lines](const TmvTab& tab, int page) {
            lines.push_back({kIndent + tab.PageLine(page), nullptr, nullptr});
        });
}
} // namespace

void VisitTableOrder(const DialogDocument& doc,
                     const std::function<void(const TmvControl&)>& control,
                     const std::function<void(const TmvTab&, int page)>& page) {
    for (const TmvControl* each : doc.CreationOrder) {
        control(*each);
        const auto* tab = dynamic_cast<const TmvTab*>(each);
        if (!tab) continue;
        for (int i = 0; i < tab->PageCount(); ++i) {
            if (page) page(*tab, i);
            for (const TmvControl* child : tab->Page(i)->Controls)
                control(*child);
        }
    }
}

namespace {
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

std::vector<TmvTableLine> BuildDialogTableLines(const DialogDocument& doc) {
    std::vector<TmvTableLine> lines;
    lines.reserve(size_t(doc.ControlCount()) + 8);
    const auto own = [&lines](const QString& text) { lines.push_back({text, nullptr, nullptr}); };
    own(QStringLiteral("dialog ") + (doc.Local ? QStringLiteral("-l ") : QString()) +
        doc.TableName + QStringLiteral(" {"));
    own(QStringLiteral("  title ") +
        (doc.NoQuotes ? doc.Title : QLatin1Char('"') + doc.Title + QLatin1Char('"')));
    own(QStringLiteral("  size ") + Number(doc.Centered ? -1 : doc.PosX) + QLatin1Char(' ') +
        Number(doc.Centered ? -1 : doc.PosY) + QLatin1Char(' ') +
        Number(XToDbuIf(doc.UseDbu, doc.ClientWidth)) + QLatin1Char(' ') +
        Number(YToDbuIf(doc.UseDbu, doc.ClientHeight)));
    own(QStringLiteral("  option") +
        (doc.UseDbu ? QStringLiteral(" dbu") : QStringLiteral(" pixels")) +
        (doc.NoTheme ? QStringLiteral(" notheme") : QString()) +
        (doc.OtherOptions.trimmed().isEmpty() ? QString()
                                              : QLatin1Char(' ') + doc.OtherOptions.trimmed()));
    if (!doc.IconPath.trimmed().isEmpty())
        own(QStringLiteral("  icon ") + doc.IconPath + QStringLiteral(", ") +
            Number(doc.IconIndex));
    AppendControlLines(doc, lines);
    doc.Menu.ForEachDepthFirst([&lines](TmvMenuNode* node, int) {
        lines.push_back({MenuLine(*node), nullptr, node});
        return true;
    });
    own(QStringLiteral("}"));
    return lines;
}

QStringList BuildDialogTable(const DialogDocument& doc) {
    std::vector<TmvTableLine> made = BuildDialogTableLines(doc);
    QStringList lines;
    lines.reserve(qsizetype(made.size()));
    for (TmvTableLine& line : made)
        lines.append(std::move(line.Text));
    return lines;
}

QString JoinTableLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
