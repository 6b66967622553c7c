#pragma once
// The script a dialog needs around its table, ready to paste: an alias that opens it, the init
// event (with a reminder for every list and combo, which start empty), a click handler for
// every button, check, radio, link and menu item, and the close event. Built from the lines
// the table gives, with the IDs and the table name they print; what has ID 0 cannot be told
// apart by mIRC and gets no handler.
#include <QStringList>

class DialogDocument;

QStringList BuildEventSkeleton(const DialogDocument& doc);
