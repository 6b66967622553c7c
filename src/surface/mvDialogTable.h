#pragma once
// The dialog's mIRC table, built on demand from the document; it is never stored.
#include <QString>
#include <QStringList>

class DialogDocument;

// The table, one entry per line, without line ends: header, title, size, option, icon (when
// there is one), the control and tab-page lines in creation order, the menu lines, "}".
QStringList BuildDialogTable(const DialogDocument& doc);
// The lines as one text, each followed by CR LF (for the clipboard and for export).
QString JoinTableLines(const QStringList& lines);
