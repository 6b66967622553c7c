// The whole import run and its reports.
#include "io/mvImport.h"

#include "io/mvStatusLines.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

TmvImporter::TmvImporter(DialogDocument& document, StatusSink& status, const QStringList& lines,
                         int firstFileLine)
    : doc_(document), status_(status), lines_(lines), firstFileLine_(firstFileLine) {}

QString TmvImporter::LineName(int number) const {
    const QString name = QStringLiteral("Line %1").arg(number);
    if (firstFileLine_ <= 0) return name;
    return name + QStringLiteral(" (file line %1)").arg(firstFileLine_ + number - 1);
}

namespace {
void ReportLine(StatusSink& status, const QString& kind, const QString& message,
                const QString& text, const QString& lineName, const QString& line) {
    status.AddStatusLine(kind + QStringLiteral(": ") + message + QStringLiteral(": \"") + text +
                         QLatin1Char('"'));
    status.AddStatusLine(QStringLiteral("   ") + lineName + QStringLiteral(": ") + line);
    status.AddStatusLine(QString());
}
} // namespace

void TmvImporter::ReportImportError(const QString& message, const QString& text, int number) {
    ReportLine(status_, QStringLiteral("Error"), message, text, LineName(number),
               lines_.value(number - 1));
    info_.ErrorsOccurred = true;
}

void TmvImporter::ReportImportWarning(const QString& message, const QString& text, int number) {
    ReportLine(status_, QStringLiteral("Warning"), message, text, LineName(number),
               lines_.value(number - 1));
    info_.WarningsOccurred = true;
}

void TmvImporter::NoteId(int id, int number) {
    // 0 is no ID (the tab control's own); it blocks nothing.
    if (id == 0) return;
    const auto first = idLines_.constFind(id);
    if (first == idLines_.constEnd()) {
        idLines_.insert(id, number);
        return;
    }
    QString where = LineName(*first);
    where[0] = where[0].toLower();
    ReportImportWarning(QStringLiteral("ID already used on ") + where, QString::number(id), number);
}

void TmvImporter::ApplyDialogProperties() {
    if (info_.NoTitleLine) info_.Title = info_.TableName;
    doc_.Title = info_.Title;
    // The title comes back as it was written, whatever the previous project's quoting was.
    doc_.NoQuotes = !info_.NoTitleLine && !info_.TitleQuoted;
    doc_.UseDbu = info_.UseDbu;
    doc_.NoTheme = info_.NoTheme;
    doc_.OtherOptions = info_.OtherOptions;
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

    const auto startReport = [&status, &options] {
        status.ClearStatus();
        status.ShowStatus();
        if (options.ReadInCodePage > 0)
            status.AddStatusLine(
                QStringLiteral("The script is not UTF-8: it was read in code page %1.")
                    .arg(options.ReadInCodePage));
    };
    if (const std::optional<int> header = EmptyTableHeader(lines)) {
        startReport();
        TmvImporter(doc, status, lines, options.FirstFileLine)
            .ReportImportError(QStringLiteral("The table holds no line to read beside its header"),
                               lines.value(*header).trimmed(), *header + 1);
        status.AddStatusLine(QStringLiteral("Nothing was imported."));
        return TmvImportResult::Refused;
    }

    if (options.StartNewProject) {
        if (!options.StartNewProject(doc)) return TmvImportResult::Cancelled;
    } else {
        doc.ResetForNew();
    }
    doc.UpdatesSuspended = true;
    const quint32 start = clock.TickCount();
    startReport();
    status.AddStatusLine(QStringLiteral("Parsing dialog table and processing menus..."));
    status.AddStatusLine(QString());

    TmvImporter importer(doc, status, lines, options.FirstFileLine);
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
    // An import starts a new history.
    doc.StartNewHistory(false);
    doc.RepaintSurface();

    const bool errors = importer.Info().ErrorsOccurred;
    if (errors) {
        status.AddStatusLine(QStringLiteral("Warning: There were errors."));
        status.AddStatusLine(QString());
    } else if (options.CloseStatus && !importer.Info().WarningsOccurred) {
        // Only a run with nothing to read: warnings keep the window open.
        status.HideStatus();
    }
    status.AddStatusLine(DoneStatusLine(clock.TickCount() - start));
    if (!doc.Menu.IsEmpty() && doc.Ui) doc.Ui->MenuChanged();
    return errors ? TmvImportResult::WithErrors : TmvImportResult::Imported;
}
