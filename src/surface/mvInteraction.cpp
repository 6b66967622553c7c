#include "surface/mvInteraction.h"

#include <QElapsedTimer>

quint32 SystemClock::TickCount() {
    // The monotonic clock counts from the system's start (GetTickCount on Windows), so it keeps
    // running across runs of the program: temporary names made from it do not repeat.
    QElapsedTimer now;
    now.start();
    return quint32(now.msecsSinceReference());
}
