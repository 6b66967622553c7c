// New, Save, Save As and the question before a project is discarded. A project counts as saved
// only once its file was written whole; until then it keeps its changes and its old name.
#include <QFileInfo>

#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvRecentFiles.h"

namespace {
// Writes the project to path, keeping whatever else the file on disk holds. FALSE after an
// error box with the system's reason.
bool WriteProjectFile(TmvProjectSession& session, const QString& path) {
    TmvIniFile ini(path);
    QString reason;
    bool written = ini.Load(&reason);
    if (written) {
        WriteProject(session.Document, ini);
        written = ini.Save(&reason);
    }
    if (!written && session.Ui.Prompt)
        session.Ui.Prompt->Error(
            kSaveProjectCaption,
            QStringLiteral("The project could not be saved to '%1': %2").arg(path, reason));
    return written;
}

QString FolderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}
} // namespace

QString ProjectPathWithExtension(const QString& path) {
    if (path.size() < 3 || path.right(3).toLower() != QLatin1String(".mv"))
        return path + QStringLiteral(".mv");
    return path;
}

bool ConfirmSaveChanges(TmvProjectSession& session) {
    DialogDocument& doc = session.Document;
    if (!doc.Modified) return true;
    // Unsaved work is never dropped without an answer.
    if (!session.Ui.Prompt) return false;
    const QString name =
        doc.FileName.isEmpty() ? QStringLiteral("New Project") : QFileInfo(doc.FileName).fileName();
    const TmvAnswer answer = session.Ui.Prompt->QuestionWithCancel(
        kSaveProjectCaption, QStringLiteral("Would you like to save changes to project '") + name +
                                 QStringLiteral("'?"));
    if (answer == TmvAnswer::Cancel) return false;
    if (answer == TmvAnswer::Yes) return SaveProject(session);
    return true;
}

bool NewProject(TmvProjectSession& session) {
    if (!ConfirmSaveChanges(session)) return false;
    session.Document.ResetForNew();
    session.Document.SetCurrentControl(nullptr);
    session.Document.StartNewHistory(true);
    if (session.TitleChanged) session.TitleChanged();
    return true;
}

bool SaveProject(TmvProjectSession& session) {
    DialogDocument& doc = session.Document;
    if (doc.FileName.isEmpty()) return SaveProjectAs(session);
    if (!WriteProjectFile(session, doc.FileName)) return false;
    doc.MarkSaved();
    return true;
}

bool SaveProjectAs(TmvProjectSession& session) {
    DialogDocument& doc = session.Document;
    if (!session.Ui.Files) return false;
    const QString initialFolder =
        doc.FileName.isEmpty() ? session.DefProjectPath : FolderOf(doc.FileName);
    const QString chosen = session.Ui.Files->SaveFile(
        {QStringLiteral("Save Project As.."), kProjectFilter, initialFolder, QString()});
    if (chosen.isEmpty()) return false;
    // Absolute, so the recent list still finds it when Marovel starts from another folder.
    const QString path = QFileInfo(ProjectPathWithExtension(chosen)).absoluteFilePath();
    // The chooser asked about the name as typed; the extension may name another, existing file.
    if (path != QFileInfo(chosen).absoluteFilePath() && QFileInfo::exists(path)) {
        if (!session.Ui.Prompt) return false;
        const TmvAnswer answer = session.Ui.Prompt->Question(
            QStringLiteral("Save Project As.."),
            QStringLiteral("'%1' already exists.\nDo you want to replace it?").arg(path));
        if (answer != TmvAnswer::Yes) return false;
    }
    // A failed write leaves the project under its old name and out of the recent list.
    if (!WriteProjectFile(session, path)) return false;
    doc.FileName = path;
    doc.MarkSaved();
    if (session.RecentFiles) {
        session.RecentFiles->Add(path);
        if (session.RecentChanged) session.RecentChanged();
    }
    if (session.TitleChanged) session.TitleChanged();
    return true;
}
