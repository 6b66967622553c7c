#include "app/mvEditCommands.h"

#include <QAction>

#include "app/mvMain.h"
#include "app/mvWindowUtils.h"
#include "io/mvClipboard.h"
#include "surface/mvAlignDialog.h"
#include "surface/mvCreationOrderWnd.h"
#include "surface/mvDeleteSelection.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRenumber.h"
#include "surface/mvSurfacePopMenu.h"
#include "surface/mvUnhideControls.h"
#include "surface/mvZOrder.h"

TEditCommands::TEditCommands(TMain& main)
    : QObject(&main), main_(main), clipboard_(std::make_unique<TmvControlClipboard>()) {
    Connect();
}

TEditCommands::~TEditCommands() = default;

void TEditCommands::Connect() {
    connect(main_.ccpdCut, &QAction::triggered, this, &TEditCommands::Cut);
    connect(main_.ccpdCopy, &QAction::triggered, this, &TEditCommands::Copy);
    connect(main_.ccpdPaste, &QAction::triggered, this, &TEditCommands::Paste);
    connect(main_.ccpdDelete, &QAction::triggered, this, &TEditCommands::Delete);

    // The surface's keys run the Edit commands, and so only while those are enabled.
    TMainDialog* surface = main_.Surface();
    connect(surface, &TMainDialog::CutRequested, main_.ccpdCut, &QAction::trigger);
    connect(surface, &TMainDialog::CopyRequested, main_.ccpdCopy, &QAction::trigger);
    connect(surface, &TMainDialog::PasteRequested, main_.ccpdPaste, &QAction::trigger);
    connect(surface, &TMainDialog::DeleteRequested, main_.ccpdDelete, &QAction::trigger);

    TmvSurfacePopMenu* menu = surface->PopMenu();
    menu->Wire(menu->pmBringToFront, [this] { BringToFront(); });
    menu->Wire(menu->pmSendToBack, [this] { SendToBack(); });
    menu->Wire(menu->pmAlignment, [this] { OpenAlignDialog(TAlignDialog::AlignmentPage); });
    menu->Wire(menu->pmSpacing, [this] { OpenAlignDialog(TAlignDialog::SpacingPage); });
    menu->Wire(menu->pmSizing, [this] { OpenAlignDialog(TAlignDialog::SizingPage); });
    menu->Wire(menu->pmHide, [this] { Hide(); });
    menu->Wire(menu->pmUnhide, [this] { Unhide(); });
    menu->Wire(menu->pmUnhideAll, [this] { UnhideAll(); });
    menu->Wire(menu->pmLock, [this] { Lock(true); });
    menu->Wire(menu->pmUnlock, [this] { Lock(false); });
    menu->Wire(menu->pmLockAll, [this] { ToggleLockAll(); });
    menu->Wire(menu->pmControlOrder, [this] { OpenCreationOrder(); });
}

void TEditCommands::Cut() {
    main_.Document().NameNextStep(QStringLiteral("Kes"));
    clipboard_->CutSelection(main_.Document(), main_.prompter(), main_.CurrentSettings().PromptTab);
    UpdatePaste();
}

void TEditCommands::Copy() {
    clipboard_->CopySelection(main_.Document());
    UpdatePaste();
}

void TEditCommands::Paste() {
    main_.Document().NameNextStep(QStringLiteral("Yapıştır"));
    clipboard_->PasteControls(main_.Document());
}

void TEditCommands::Delete() {
    main_.Document().NameNextStep(QStringLiteral("Sil"));
    DeleteSelection(main_.Document(), main_.prompter(), main_.CurrentSettings().PromptTab);
}

void TEditCommands::BringToFront() {
    main_.Document().NameNextStep(QStringLiteral("Öne Getir"));
    BringSelectionToFront(main_.Document());
}

void TEditCommands::SendToBack() {
    main_.Document().NameNextStep(QStringLiteral("Arkaya Gönder"));
    SendSelectionToBack(main_.Document());
}

void TEditCommands::Hide() {
    main_.Document().NameNextStep(QStringLiteral("Gizle"));
    HideSelection(main_.Document());
    main_.Document().RepaintSurface();
}

void TEditCommands::Unhide() {
    TUnhideControls window(main_.Document(), &main_);
    ApplyUiFont(&window, main_.CurrentSettings().UseDefaultFont);
    window.exec();
}

void TEditCommands::UnhideAll() {
    ::UnhideAll(main_.Document());
    main_.Document().RepaintSurface();
}

void TEditCommands::Lock(bool locked) {
    LockSelection(main_.Document(), locked);
}

void TEditCommands::ToggleLockAll() {
    const bool lockAll = ::ToggleLockAll(main_.Document());
    main_.Surface()->PopMenu()->pmLockAll->setText(LockAllCaption(lockAll));
}

void TEditCommands::OpenAlignDialog(int page) {
    TAlignDialog dialog(main_.Document(), page, &main_);
    ApplyUiFont(&dialog, main_.CurrentSettings().UseDefaultFont);
    dialog.exec();
}

void TEditCommands::OpenCreationOrder() {
    DialogDocument& doc = main_.Document();
    TCreationOrderWnd window(doc, CreationOrderContainer(doc), &main_);
    ApplyUiFont(&window, main_.CurrentSettings().UseDefaultFont);
    window.exec();
}

void TEditCommands::CurrentControlChanged(TmvControl* control) {
    for (QAction* action : {main_.ccpdCut, main_.ccpdCopy, main_.ccpdDelete})
        action->setEnabled(control != nullptr);
}

void TEditCommands::UpdatePaste() {
    main_.ccpdPaste->setEnabled(!clipboard_->IsEmpty());
}
