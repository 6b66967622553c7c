#pragma once
// One import into a fresh document, with the status lines recorded.
#include <QStringList>
#include <memory>

#include "io/mvImport.h"
#include "model/mvTabControl.h"
#include "support/testRecordingStatus.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

struct ImportRun {
    DialogDocument Doc;
    RecordingStatus Status;
    SteppingClock Time{1000, 0};
    TmvImportOptions Options;
    TmvImportResult Result = TmvImportResult::Cancelled;

    TmvImportResult Run(const QStringList& lines) {
        TmvInteraction ui;
        ui.Status = &Status;
        ui.Time = &Time;
        Result = ImportTable(Doc, lines, ui, Options);
        return Result;
    }
    // The controls in z-order (creation order for imports without boxes and tabs).
    TmvControl* Control(int zIndex) const { return Doc.ControlAt(zIndex); }
    TmvControl* ById(int id) const { return Doc.FindControlById(id); }
    template <typename T> T& As(int id) const { return dynamic_cast<T&>(*ById(id)); }
    // The status lines that report errors, without the line and blank lines that follow.
    QStringList Errors() const {
        QStringList errors;
        for (const QString& line : Status.Lines)
            if (line.startsWith(QLatin1String("Error: "))) errors << line;
        return errors;
    }
};

// A table's lines from one text, one line per "\n".
inline QStringList TableLines(const char* text) {
    return QString::fromUtf8(text).split(QLatin1Char('\n'));
}
