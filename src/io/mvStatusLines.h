#pragma once
// Status-window lines shared by the long operations (loading a project, importing a table).
#include <QString>

// "Done. (%gs)" with the elapsed milliseconds as seconds in general format (235 ms give
// "Done. (0.235s)").
QString DoneStatusLine(quint32 elapsedMs);

// The progress percentage after `done` of `total` steps, rounded; 100 when there is nothing.
int ProgressPercent(qint64 done, qint64 total);
