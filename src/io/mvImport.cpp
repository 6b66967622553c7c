// The whole import run and its reports.
#include "io/mvImport.h"

#include "io/mvStatusLines.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

TmvImporter::TmvImporter(DialogDocument& document, StatusSink& status, const QStringList& lines)
    : doc_(document), status_(status), lines_(lines) {}

void TmvImporter::ReportImportError(const QString& message, const QString& text, int number) {
    status_.AddStatusLine(QStringLiteral("Error: %1: \"%2\"").arg(message, text));
    status_.AddStatusLine(
        QStringLiteral("   Line %1: %2").arg(number).arg(lines_.value(number - 1)));
    status_.AddStatusLine(QString());
    info_.ErrorsOccurred = true;
}

void TmvImporter::ApplyDialogProperties() {
    if (info_.NoTitleLine) info_.Title = info_.TableName;
    doc_.Title = info_.Title;
    // The title comes back as it was written, whatever the previous project's quoting was.
    doc_.NoQuotes = !info_.NoTitleLine && !info_.TitleQuoted;
    doc_.UseDbu = info_.UseDbu;
    doc_.NoTheme = info_.NoTheme;
    if (info_.SizeLineSeen)
        doc_.SetClientSize(XToPixelsIf(info_.UseDbu, info_.W), YToPixelsIf(info_.UseDbu, info_.H));
    doc_.TableName = info_.TableName;
    doc_.IconPath = info_.IconPath;
    doc_.IconIndex = info_.IconIndex;
    doc_.Local = info_.Local;
    doc_.Centered = info_.X == -1 && info_.Y == -1;
    doc_.PosX = info_.X;
    doc_.PosY = info_.Y;
}

TmvImportResult ImportTable(DialogDocument& doc, const QStringList& lines, const TmvInteraction& ui,
                            const TmvImportOptions& options) {
    NullStatus silent;
    SystemClock systemClock;
    StatusSink& status = ui.Status ? *ui.Status : silent;
    Clock& clock = ui.Time ? *ui.Time : systemClock;

    if (options.StartNewProject) {
        if (!options.StartNewProject(doc)) return TmvImportResult::Cancelled;
    } else {
        doc.ResetForNew();
    }
    doc.UpdatesSuspended = true;
    const quint32 start = clock.TickCount();
    status.ClearStatus();
    status.ShowStatus();
    status.AddStatusLine(QStringLiteral("Parsing dialog table and processing menus..."));
    status.AddStatusLine(QString());

    TmvImporter importer(doc, status, lines);
    const qsizetype count = lines.size();
    int shown = -1;
    const auto progress = [&](qint64 done, qint64 total) {
        const int percent = ProgressPercent(done, total);
        if (percent != shown) status.SetStatusProgress(shown = percent);
    };
    for (qsizetype i = 0; i < count; ++i) {
        importer.ParseLine(lines[i], int(i + 1));
        progress(i + 1, count);
    }
    status.AddStatusLine(QStringLiteral("Parsed %1 lines.").arg(count));
    status.AddStatusLine(QStringLiteral("Loaded %1 menus.").arg(importer.Info().MenuLines));
    status.AddStatusLine(QString());

    importer.ApplyDialogProperties();

    status.SetStatusProgress(shown = 0);
    status.AddStatusLine(QStringLiteral("Loading controls..."));
    const auto& records = importer.Records();
    for (size_t i = 0; i < records.size(); ++i) {
        importer.CreateImportedControl(*records[i]);
        progress(qint64(i + 1), qint64(records.size()));
    }
    status.AddStatusLine(QStringLiteral("Loaded %1 controls.").arg(records.size()));
    status.AddStatusLine(QString());
    if (importer.Info().TabControlCreated && doc.TabControl) {
        doc.TabControl->Refresh = true;
        doc.TabControl->SetActivePage(0);
    }
    doc.UpdatesSuspended = false;
    doc.SetCurrentControl(nullptr);
    // The imported dialog exists nowhere as a project yet: closing must ask before dropping it.
    doc.Modified = true;
    doc.RepaintSurface();

    const bool errors = importer.Info().ErrorsOccurred;
    if (errors) {
        status.AddStatusLine(QStringLiteral("Warning: There were errors."));
        status.AddStatusLine(QString());
    } else if (options.CloseStatus) {
        status.HideStatus();
    }
    status.AddStatusLine(DoneStatusLine(clock.TickCount() - start));
    if (!doc.Menu.IsEmpty() && doc.Ui) doc.Ui->MenuChanged();
    return errors ? TmvImportResult::WithErrors : TmvImportResult::Imported;
}
