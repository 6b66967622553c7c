// The Load command: the file is read and checked whole before the current project is replaced,
// then [Main], the menus and the controls are read in that order with progress lines.
#include <QFileInfo>

#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "io/mvStatusLines.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvIniValues.h"
#include "surface/mvRecentFiles.h"
#include "surface/mvSurfaceView.h"

namespace {
const QString kMain = QStringLiteral("Main");

void Error(TmvProjectSession& session, const QString& text) {
    if (session.Ui.Prompt) session.Ui.Prompt->Error(kLoadProjectCaption, text);
}

void ReadMain(DialogDocument& doc, const TmvIniFile& ini, const TmvMainPosition& position) {
    doc.Title = ini.ReadString(kMain, QStringLiteral("Title"), QStringLiteral("New Dialog"));
    doc.TableName = ini.ReadString(kMain, QStringLiteral("Name"), QStringLiteral("new_table"));
    doc.IconPath = ini.ReadString(kMain, QStringLiteral("IconPath"));
    doc.IconIndex = ini.ReadInteger(kMain, QStringLiteral("IconIndex"), 0);
    doc.NoQuotes = ini.ReadBool(kMain, QStringLiteral("NoQuotes"), false);
    doc.Local = ini.ReadBool(kMain, QStringLiteral("Local"), false);
    doc.NoTheme = ini.ReadBool(kMain, QStringLiteral("NoTheme"), false);
    doc.OtherOptions = ini.ReadString(kMain, kOtherOptionsKey);
    doc.PosX = position.X;
    doc.PosY = position.Y;
    doc.SetClientSize(position.W, position.H);
    const QStringList options =
        SplitList(ini.ReadString(kMain, QStringLiteral("Options"), QStringLiteral("0,0,0")),
                  QLatin1Char(','));
    doc.Centered = FieldFlag(options.value(0));
    doc.UseDbu = FieldFlag(options.value(1));
    doc.LockAll = FieldFlag(options.value(2));
    if (doc.Centered) {
        doc.PosX = -1;
        doc.PosY = -1;
    }
}

// The file, read and checked; none after telling the user why not.
std::optional<TmvIniFile> ReadProjectFile(TmvProjectSession& session, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        Error(session, QStringLiteral("File '%1' does not exist.").arg(path));
        return std::nullopt;
    }
    TmvIniFile ini(path);
    QString reason;
    if (!ini.Load(&reason)) {
        Error(session, QStringLiteral("The project '%1' cannot be read: %2").arg(path, reason));
        return std::nullopt;
    }
    QString problem;
    if (!CheckProjectFile(ini, &problem)) {
        Error(session,
              QStringLiteral("The file '%1' is not a valid project and was not loaded.\n\n%2")
                  .arg(path, problem));
        return std::nullopt;
    }
    return ini;
}

void ReadControls(DialogDocument& doc, const TmvIniFile& ini, StatusSink& status) {
    const int count = ini.ReadInteger(kMain, QStringLiteral("ControlCount"), 0);
    status.AddStatusLine(QStringLiteral("Loading controls..."));
    int shown = -1;
    int loaded = 0;
    for (const int n : ControlSectionNumbers(ini)) {
        if (ReadControlSection(doc, ini, false, n)) ++loaded;
        const int percent = ProgressPercent(n, count);
        if (percent != shown) status.SetStatusProgress(shown = percent);
    }
    // Sections missing below a corrupt count never reach the end of the bar.
    if (shown != 100) status.SetStatusProgress(100);
    if (doc.TabControl) {
        doc.SendToBack(doc.TabControl);
        doc.TabControl->Refresh = true;
        doc.TabControl->SetActivePage(0);
    }
    // The controls made, not the stored count: a corrupt count must not be reported as loaded.
    status.AddStatusLine(QStringLiteral("Loaded %1 controls.").arg(loaded));
    status.AddStatusLine(QString());
}
} // namespace

int ReadProjectHead(DialogDocument& doc, const TmvIniFile& ini) {
    ReadMain(doc, ini, ReadMainPosition(ini).value_or(TmvMainPosition{}));
    doc.Menu.Clear();
    return ReadMenuSections(doc, ini);
}

bool LoadProject(TmvProjectSession& session, const QString& chosenPath) {
    if (!ConfirmSaveChanges(session)) return false;
    QString path = chosenPath;
    if (path.isEmpty()) {
        if (!session.Ui.Files) return false;
        path = session.Ui.Files->OpenFile({QStringLiteral("Load Project File..."), kProjectFilter,
                                           session.DefProjectPath, QString()});
        if (path.isEmpty()) return false;
    }
    // Absolute, so the recent list still finds it when Marovel starts from another folder.
    path = QFileInfo(path).absoluteFilePath();
    if (!ReadProjectInto(session, path, path, true)) return false;
    if (session.RecentFiles) {
        session.RecentFiles->Add(path);
        if (session.RecentChanged) session.RecentChanged();
    }
    return true;
}

bool ReadProjectInto(TmvProjectSession& session, const QString& path, const QString& fileName,
                     bool saved) {
    DialogDocument& doc = session.Document;
    // Nothing changes, Modified included, until the whole file is known to load.
    std::optional<TmvIniFile> ini = ReadProjectFile(session, path);
    if (!ini) return false;

    NullStatus silent;
    SystemClock systemClock;
    StatusSink& status = session.Ui.Status ? *session.Ui.Status : silent;
    Clock& clock = session.Ui.Time ? *session.Ui.Time : systemClock;

    doc.FileName = fileName;
    if (session.TitleChanged) session.TitleChanged();
    const quint32 start = clock.TickCount();
    status.ClearStatus();
    status.SetStatusProgress(0);
    status.ShowStatus();
    status.AddStatusLine(QStringLiteral("Loading project settings..."));
    status.AddStatusLine(QString());

    doc.UpdatesSuspended = true;
    if (session.LoadingChanged) session.LoadingChanged(true);
    doc.ClearDialog();
    status.AddStatusLine(QStringLiteral("Loading menus..."));
    const int menus = ReadProjectHead(doc, *ini);
    doc.ScriptPath = ini->ReadString(kMain, kScriptPathKey);
    doc.ScriptTable = ini->ReadString(kMain, kScriptTableKey);
    status.AddStatusLine(QStringLiteral("Loaded %1 menus.").arg(menus));
    status.AddStatusLine(QString());
    ReadControls(doc, *ini, status);
    doc.UpdatesSuspended = false;
    if (session.LoadingChanged) session.LoadingChanged(false);
    doc.RepaintSurface();
    status.AddStatusLine(DoneStatusLine(clock.TickCount() - start));
    if (session.StatusCloseProject) status.HideStatus();

    doc.SetCurrentControl(nullptr);
    doc.StartNewHistory(saved);
    return true;
}
