// The main window's commands on the dialog, and what the document asks of it.
#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/mvArrangeCommands.h"
#include "app/mvCodeDialog.h"
#include "app/mvEditCommands.h"
#include "app/mvMain.h"
#include "io/mvExport.h"
#include "io/mvPreview.h"
#include "io/mvProjects.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuBar.h"
#include "surface/mvMenuEditor.h"
#include "surface/mvRenumber.h"
#include "surface/mvSurfacePopMenu.h"

void TMain::ConnectDocumentCommands() {
    connect(mmDeleteAll, &QAction::triggered, this, &TMain::DeleteAll);
    connect(mmReorder, &QAction::triggered, this, &TMain::ReorderIds);
    connect(codeView, &QAction::triggered, this, &TMain::ShowCodeView);
    connect(codeCopy, &QAction::triggered, this, &TMain::CopyCode);
    editCommands_ = new TEditCommands(*this);
    CreateArrangeCommands();
    connect(mmSelectAll, &QAction::triggered, this, &TMain::SelectAllCommand);
    connect(expFile, &QAction::triggered, this, &TMain::ExportCommand);
    connect(actPreview, &QAction::triggered, this, &TMain::PreviewCommand);
    connect(actTestDialog, &QAction::triggered, this, [this] { TestDialogCommand(); });
}

void TMain::CreateArrangeCommands() {
    arrangeCommands_ = new TArrangeCommands(*this);
    // In the Edit menu after the selection's own commands, in the context menu after the
    // alignment dialog's entries, and the toolbar's entry after the tool windows' in View.
    const QList<QAction*> edit = mmEdit->actions();
    const qsizetype preferences = edit.indexOf(mmPreferences);
    mmEdit->insertMenu(edit.value(preferences - 1), arrangeCommands_->Menu());
    mmEdit->insertSeparator(arrangeCommands_->Menu()->menuAction());
    surface_->PopMenu()->AddArrangeMenu(arrangeCommands_->Menu());
    const QList<QAction*> view = mmView->actions();
    mmView->insertAction(view.value(view.indexOf(actMenuEd) + 1),
                         arrangeCommands_->ToolBarToggle());
}

void TMain::DeleteAll() {
    if (settings_.PromptAll) {
        const TmvAnswer answer =
            prompt_->Question(QStringLiteral("Delete All"),
                              QStringLiteral("Are you sure want to delete all controls?"));
        if (answer != TmvAnswer::Yes) return;
    }
    document_->NameNextStep(QStringLiteral("Hepsini Sil"));
    document_->ClearDialog();
    document_->SetCurrentControl(nullptr);
    surface_->RepaintSurface();
}

void TMain::ReorderIds() {
    const TmvAnswer answer = prompt_->Question(
        QStringLiteral("Reorder IDs"), QStringLiteral("Are you sure you want to reorder the IDs?"));
    if (answer != TmvAnswer::Yes) return;
    document_->NameNextStep(QStringLiteral("ID Sırala"));
    QString error;
    if (!RenumberIds(*document_, &error)) {
        prompt_->Error(QStringLiteral("Reorder IDs"), error);
        return;
    }
    surface_->RepaintSurface();
}

void TMain::ShowCodeView() {
    codeDialog_->exec();
}

void TMain::CopyCode() {
    CopyTableToClipboard(*document_);
}

bool TMain::ExportCommand() {
    return ExportTable(*document_, session_->Ui);
}

bool TMain::PreviewCommand() {
    TmvPreviewOptions options;
    options.DdeName = settings_.DDEName;
    options.PreviewFix = settings_.PreviewFix;
    return PreviewDialog(*document_, options, session_->Ui);
}

void TMain::SelectAllCommand() {
    document_->SelectAll();
    surface_->RepaintSurface();
}

void TMain::CurrentControlChanged(TmvControl* control) {
    if (editCommands_) editCommands_->CurrentControlChanged(control);
    if (arrangeCommands_) arrangeCommands_->UpdateEnabled();
    RefreshObjBrowser(control);
    if (surface_) surface_->RepaintSurface();
}

void TMain::DialogCleared() {
    if (surface_) surface_->SetTabOrderMode(false);
    if (editCommands_) editCommands_->CurrentControlChanged(nullptr);
    if (arrangeCommands_) arrangeCommands_->UpdateEnabled();
    RefreshObjBrowser(nullptr);
}

void TMain::GrabHandlesChanged() {
    if (surface_) surface_->RepaintSurface();
}

void TMain::MenuChanged() {
    if (menuEditor_) menuEditor_->MenuChanged();
    UpdateMenuBarHeight();
}

void TMain::UpdateMenuBarHeight() {
    // The band is as tall as the preview's real bar across the dialog's width; the surface
    // window grows or shrinks by the change and its client area stays.
    ::UpdateMenuBarHeight(*document_);
    if (surface_) surface_->SyncWithDocument();
    // The window grew or shrank by the bar.
    FollowTheDialogsSize();
}
