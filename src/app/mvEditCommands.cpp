#include "app/mvEditCommands.h"

#include <QAction>

#include "app/mvMain.h"
#include "app/mvWindowUtils.h"
#include "io/mvClipboard.h"
#include "model/mvUnits.h"
#include "surface/mvAlignDialog.h"
#include "surface/mvAlignment.h"
#include "surface/mvCreationOrderWnd.h"
#include "surface/mvDeleteSelection.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRenumber.h"
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
}

void TEditCommands::Cut() {
    clipboard_->CutSelection(main_.Document(), main_.prompter(), main_.CurrentSettings().PromptTab);
    UpdatePaste();
}

void TEditCommands::Copy() {
    clipboard_->CopySelection(main_.Document());
    UpdatePaste();
}

void TEditCommands::Paste() {
    clipboard_->PasteControls(main_.Document());
}

void TEditCommands::Delete() {
    DeleteSelection(main_.Document(), main_.prompter(), main_.CurrentSettings().PromptTab);
}

void TEditCommands::BringToFront() {
    BringSelectionToFront(main_.Document());
}

void TEditCommands::SendToBack() {
    SendSelectionToBack(main_.Document());
}

void TEditCommands::AlignToGrid() {
    DialogDocument& doc = main_.Document();
    const Settings& s = main_.CurrentSettings();
    AlignSelectionToGrid(doc, XToPixelsIf(doc.UseDbu, s.GridSizeX),
                         YToPixelsIf(doc.UseDbu, s.GridSizeY));
    doc.LayoutChanged();
    doc.RepaintSurface();
}

void TEditCommands::Hide() {
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
    ::ToggleLockAll(main_.Document());
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
