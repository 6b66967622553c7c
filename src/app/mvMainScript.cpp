// The main window's commands on the script a project belongs to: writing the table into it,
// and the event handlers a dialog needs.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>

#include "app/mvCodeDialog.h"
#include "app/mvMain.h"
#include "app/mvScriptWriteDialog.h"
#include "app/mvWindowUtils.h"
#include "io/mvEventSkeleton.h"
#include "io/mvImportFileWindow.h"
#include "io/mvScriptWrite.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

namespace {
// How long the status bar tells of a write.
constexpr int kWrittenMessageMs = 8000;
} // namespace

void TMain::CreateScriptCommands() {
    scriptWrite_ = new TScriptWriteDialog(this);
    scriptStatus_ = new QLabel(this);
    scriptStatus_->setObjectName(QStringLiteral("scriptStatus"));
    statusBar()->addPermanentWidget(scriptStatus_);
    connect(expScript, &QAction::triggered, this, &TMain::WriteIntoScriptCommand);
    connect(codeCopyEvents, &QAction::triggered, this, &TMain::CopyEventsCommand);
    UpdateScriptStatus();
}

void TMain::UpdateScriptStatus() {
    if (!scriptStatus_ || !document_) return;
    const DialogDocument& doc = *document_;
    scriptStatus_->setText(
        doc.ScriptPath.isEmpty()
            ? QString()
            : QStringLiteral("Script: %1  (%2)")
                  .arg(QDir::toNativeSeparators(doc.ScriptPath),
                       doc.ScriptTable.isEmpty() ? doc.TableName : doc.ScriptTable));
    scriptStatus_->setToolTip(scriptStatus_->text());
}

void TMain::RememberImportedScript() {
    const QListWidgetItem* table = importFile_->Sel->currentItem();
    if (!table) return;
    document_->ScriptPath = QFileInfo(importFile_->ScriptPath()).absoluteFilePath();
    document_->ScriptTable = table->text();
    UpdateScriptStatus();
}

bool TMain::ScriptWritten(const QString& script) {
    // From now on the project belongs to that script, under the table's present name.
    document_->ScriptPath = QFileInfo(script).absoluteFilePath();
    document_->ScriptTable = document_->TableName;
    UpdateScriptStatus();
    statusBar()->showMessage(
        QStringLiteral("The table was written into %1.").arg(QDir::toNativeSeparators(script)),
        kWrittenMessageMs);
    return true;
}

bool TMain::WriteIntoScriptCommand() {
    FirstShow();
    DialogDocument& doc = *document_;
    TmvScriptEdit edit;
    edit.Table = BuildDialogTable(doc);
    edit.LegacyCodePage = settings_.LegacyCodePage;

    QString note = QStringLiteral("This project belongs to no script yet: choose the script to "
                                  "write its table into.");
    QString script = doc.ScriptPath;
    if (!script.isEmpty()) {
        // In the place of its table; a table renamed since replaces the one of its old name.
        edit.ReplaceTable = doc.ScriptTable.isEmpty() ? doc.TableName : doc.ScriptTable;
        const TmvScriptWriteResult result = WriteIntoScript(script, edit);
        if (result.Written()) return ScriptWritten(script);
        if (result.Status == TmvScriptWriteStatus::NoScript) {
            note = result.Message + QStringLiteral(" Choose the script to write the table into.");
            script.clear();
        } else if (result.Status == TmvScriptWriteStatus::TableMissing) {
            note = QStringLiteral("The script no longer holds the table '%1': choose one to "
                                  "replace, or add the table at the end.")
                       .arg(edit.ReplaceTable.toLower());
        } else {
            prompt_->Error(kScriptWriteMessageCaption, result.Message);
            return false;
        }
    }
    if (script.isEmpty()) {
        const QString last = doc.ScriptPath.isEmpty() ? importFile_->ScriptPath() : doc.ScriptPath;
        script = files_ ? files_->OpenFile(ScriptWriteFileRequest(last)) : QString();
        if (script.isEmpty()) return false;
    }

    scriptWrite_->SetInteraction(prompt_, files_);
    scriptWrite_->Prepare(note, script, doc.TableName, settings_.LegacyCodePage);
    CenterOnMainForm(scriptWrite_, this);
    if (scriptWrite_->exec() != QDialog::Accepted) return false;
    script = scriptWrite_->ScriptPath();
    edit.ReplaceTable = scriptWrite_->TableToReplace();
    if (scriptWrite_->AddSkeleton()) edit.Appendix = BuildEventSkeleton(doc);
    const TmvScriptWriteResult result = WriteIntoScript(script, edit);
    if (!result.Written()) {
        prompt_->Error(kScriptWriteMessageCaption, result.Message);
        return false;
    }
    return ScriptWritten(script);
}

void TMain::CopyEventsCommand() {
    CopyEventsToClipboard(*document_);
}
