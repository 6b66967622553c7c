#include "app/mvAutoSave.h"

#include <QDir>
#include <algorithm>

#include "io/mvRecoveryStore.h"
#include "io/mvUndoHistory.h"
#include "surface/mvDialogDocument.h"

namespace {
// How often a write held back by a drag looks again.
constexpr int kBusyRetryMs = 250;
} // namespace

TmvAutoSave::TmvAutoSave(DialogDocument& document, TmvUndoHistory& history, TmvRecoveryStore& store,
                         QObject* parent)
    : QObject(parent), document_(document), history_(history), store_(store) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TmvAutoSave::TimerFired);
}

void TmvAutoSave::SetDelaySeconds(int seconds) {
    const int delayMs = std::max(0, seconds) * 1000;
    if (delayMs == delayMs_) return;
    delayMs_ = delayMs;
    timer_.stop();
    if (delayMs_ == 0)
        store_.RemoveOwn();
    else
        HistoryChanged();
}

void TmvAutoSave::HistoryChanged() {
    if (history_.AtSavedState()) {
        Discard();
        return;
    }
    if (delayMs_ > 0 && !timer_.isActive()) timer_.start(delayMs_);
}

void TmvAutoSave::TimerFired() {
    // A drag holds its controls half-way; the state worth keeping is the one after it.
    if (Busy && Busy()) {
        timer_.start(kBusyRetryMs);
        return;
    }
    // Recorded steps are all there is to keep: every user action ends with one.
    if (history_.AtSavedState()) return;
    Write();
}

bool TmvAutoSave::Write() {
    QString error;
    if (store_.Write(document_, document_.FileName, &error)) {
        failureTold_ = false;
        return true;
    }
    // A failure is told once; the next change tries again.
    if (!failureTold_) {
        failureTold_ = true;
        emit WriteFailed(QStringLiteral("Autosave could not write the recovery file \"%1\": %2. "
                                        "It tries again after the next change.")
                             .arg(QDir::toNativeSeparators(store_.OwnPath()), error));
    }
    return false;
}

QString TmvAutoSave::WriteNow() {
    timer_.stop();
    if (!document_.Modified) return QString();
    return Write() ? store_.OwnPath() : QString();
}

void TmvAutoSave::Discard() {
    timer_.stop();
    store_.RemoveOwn();
}
