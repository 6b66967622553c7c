#pragma once
// The dialog's mIRC table, built on demand from the document; it is never stored.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class DialogDocument;
class TmvControl;
class TmvMenuNode;
class TmvTab;

// The controls in the order the table writes them: creation order, with the tab control's pages
// at its place, each page told to `page` before its controls come to `control`.
void VisitTableOrder(const DialogDocument& doc,
                     const std::function<void(const TmvControl&)>& control,
                     const std::function<void(const TmvTab&, int page)>& page = {});

// The table, one entry per line, without line ends: header, title, size, option, icon (when
// there is one), the control and tab-page lines in creation order, the menu lines, "}".
QStringList BuildDialogTable(const DialogDocument& doc);

// One line of that table and what made it: a control's line names the control, a menu line
// its menu entry; the dialog's own lines and the tab pages' lines name neither.
struct TmvTableLine {
    QString Text;
    const TmvControl* Control = nullptr;
    const TmvMenuNode* MenuNode = nullptr;
};
// The same lines as BuildDialogTable, each with its maker.
std::vector<TmvTableLine> BuildDialogTableLines(const DialogDocument& doc);
// The lines as one text, each followed by CR LF (for the clipboard and for export).
QString JoinTableLines(const QStringList& lines);
