#include "io/mvStatusLines.h"

#include <cmath>

QString DoneStatusLine(quint32 elapsedMs) {
    return QString::asprintf("Done. (%gs)", double(elapsedMs) / 1000.0);
}

int ProgressPercent(qint64 done, qint64 total) {
    if (total <= 0) return 100;
    return int(std::lround(double(done) / double(total) * 100.0));
}
