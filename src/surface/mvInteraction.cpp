#include "surface/mvInteraction.h"

#include <QElapsedTimer>

quint32 SystemClock::TickCount() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return quint32(timer.elapsed());
}
