#pragma once
// A status window and a clock for tests: the status records every call, the clock moves by a
// fixed step each time it is read.
#include <QString>
#include <QStringList>
#include <vector>

#include "surface/mvInteraction.h"

class RecordingStatus : public StatusSink {
public:
    QStringList Lines;
    std::vector<int> Progress;
    int Clears = 0;
    int Shows = 0;
    int Hides = 0;

    void ClearStatus() override {
        ++Clears;
        Lines.clear();
    }
    void ShowStatus() override { ++Shows; }
    void AddStatusLine(const QString& line) override { Lines.append(line); }
    void SetStatusProgress(int percent) override { Progress.push_back(percent); }
    void HideStatus() override { ++Hides; }
};

class SteppingClock : public Clock {
public:
    explicit SteppingClock(quint32 start = 1000, quint32 step = 0) : now_(start), step_(step) {}
    quint32 TickCount() override {
        const quint32 t = now_;
        now_ += step_;
        return t;
    }

private:
    quint32 now_;
    quint32 step_;
};
