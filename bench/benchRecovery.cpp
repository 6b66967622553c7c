// Autosave on a large dialog: the recovery file written on the interface thread when the delay
// has passed, and read back at the next start to be listed.
#include <QTemporaryDir>

#include "benchDialogs.h"
#include "mvBench.h"

#include "io/mvRecoveryFile.h"
#include "io/mvRecoveryStore.h"
#include "surface/mvDialogDocument.h"

namespace {
constexpr int kControls = 3000;
} // namespace

MAROVEL_BENCH(RecoveryFile) {
    DialogDocument doc;
    FillLargeDialog(doc, kControls);
    QTemporaryDir folder;
    TmvRecoveryStore store(folder.path());
    const QString input = QStringLiteral("%1 controls").arg(kControls);
    report.Figure(QStringLiteral("Autosave: write the recovery file"), input,
                  MedianMs(9, [&] { store.Write(doc, QStringLiteral("/projects/large.mv")); }), 50);
    report.Figure(QStringLiteral("At start: read and check it for the list"), input,
                  MedianMs(5, [&] { ReadRecoveredFile(store.OwnPath()); }), 500);
}
