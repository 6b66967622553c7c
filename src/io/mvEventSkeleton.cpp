#include "io/mvEventSkeleton.h"

#include "model/mvControls.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"
#include "surface/mvMenuTree.h"

namespace {
bool IsClickable(int type) {
    return type == ctButton || type == ctCheck || type == ctRadio || type == ctLink;
}

bool StartsEmpty(int type) {
    return type == ctList || type == ctCombo;
}

// A menu entry that runs something: an item, not a menu, a sub-menu or a separator.
bool IsMenuItem(const TmvMenuNode& node) {
    return !node.IsTopLevel() && !node.HasChildren() && MenuTextForTable(node.Text) != "-";
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

QStringList BuildEventSkeleton(const DialogDocument& doc) {
    const QString table = doc.TableName;
    const QString event = QStringLiteral("on *:dialog:") + table + QLatin1Char(':');
    QStringList reminders, handlers;
    for (const TmvTableLine& line : BuildDialogTableLines(doc)) {
        if (const TmvControl* control = line.Control) {
            const int id = control->GetID();
            if (id == 0) continue;
            const QString keyword = ControlKeyword(control->ControlType);
            if (StartsEmpty(control->ControlType))
                reminders << QStringLiteral("  ; did -a %1 %2 <text>    (%3 %4)")
                                 .arg(table)
                                 .arg(id)
                                 .arg(keyword, VisibleName(*control));
            else if (IsClickable(control->ControlType))
                handlers << QString()
                         << QStringLiteral("; ") + keyword + QLatin1Char(' ') +
                                VisibleName(*control) + QLatin1Char(' ') + Quoted(control->Text)
                         << event + QStringLiteral("sclick:") + QString::number(id) +
                                QStringLiteral(":{ }");
        } else if (const TmvMenuNode* node = line.MenuNode) {
            if (node->Id() == 0 || !IsMenuItem(*node)) continue;
            // Menu items raise the menu event, not sclick.
            handlers << QString()
                     << QStringLiteral("; menu item ") + Quoted(MenuTextForTable(node->Text))
                     << event + QStringLiteral("menu:") + QString::number(node->Id()) +
                            QStringLiteral(":{ }");
        }
    }
    QStringList lines;
    lines << QStringLiteral("alias ") + table + QStringLiteral(" { dialog -m ") + table +
                 QLatin1Char(' ') + table + QStringLiteral(" }");
    lines << QString();
    if (reminders.isEmpty()) {
        lines << event + QStringLiteral("init:0:{ }");
    } else {
        lines << event + QStringLiteral("init:0:{");
        lines << reminders;
        lines << QStringLiteral("}");
    }
    lines << handlers;
    lines << QString() << event + QStringLiteral("close:0:{ }");
    return lines;
}
