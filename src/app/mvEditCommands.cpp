#include "app/mvEditCommands.h"

#include <QAction>
#include <QMenu>

#include "app/mvMain.h"
#include "app/mvWindowUtils.h"
#include "io/mvClipboard.h"
#include "model/mvUnits.h"
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
    CreateActions();
    Connect();
}

void TEditCommands::CreateActions() {
    const auto make = [this](const char* name, const QString& caption, const QKeySequence& key) {
        auto* action = new QAction(caption, &main_);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setEnabled(false);
        return action;
    };
    mmDuplicate = make("mmDuplicate", QStringLiteral("&Çoğalt"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    mmBringToFront = make("mmBringToFront", QStringLiteral("Öne &Getir"), {});
    mmBringForward = make("mmBringForward", QStringLiteral("&Bir Öne Getir"),
                          QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    mmSendBackward = make("mmSendBackward", QStringLiteral("Bir Arkaya Gön&der"),
                          QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    mmSendToBack = make("mmSendToBack", QStringLiteral("&Arkaya Gönder"), {});
    // After the clipboard commands: Duplicate with them, the z-order as a group of its own.
    QMenu* edit = main_.mmEdit;
    const QList<QAction*> entries = edit->actions();
    const qsizetype at = entries.indexOf(main_.ccpdDelete);
    QAction* after = at >= 0 && at + 1 < entries.size() ? entries[at + 1] : nullptr;
    edit->insertAction(after, mmDuplicate);
    edit->insertSeparator(after);
    edit->insertActions(after, {mmBringToFront, mmBringForward, mmSendBackward, mmSendToBack});
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

    connect(mmDuplicate, &QAction::triggered, this, &TEditCommands::Duplicate);
    connect(mmBringToFront, &QAction::triggered, this, &TEditCommands::BringToFront);
    connect(mmBringForward, &QAction::triggered, this, &TEditCommands::BringForward);
    connect(mmSendBackward, &QAction::triggered, this, &TEditCommands::SendBackward);
    connect(mmSendToBack, &QAction::triggered, this, &TEditCommands::SendToBack);

    TmvSurfacePopMenu* menu = surface->PopMenu();
    connect(menu->pmPaste, &QAction::triggered, this, &TEditCommands::PasteAtMenuPoint);
    menu->Wire(menu->pmDuplicate, [this] { Duplicate(); });
    menu->Wire(menu->pmBringToFront, [this] { BringToFront(); });
    menu->Wire(menu->pmBringForward, [this] { BringForward(); });
    menu->Wire(menu->pmSendBackward, [this] { SendBackward(); });
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

void TEditCommands::BringForward() {
    main_.Document().NameNextStep(QStringLiteral("Bir Öne Getir"));
    BringSelectionForward(main_.Document());
}

void TEditCommands::SendBackward() {
    main_.Document().NameNextStep(QStringLiteral("Bir Arkaya Gönder"));
    SendSelectionBackward(main_.Document());
}

void TEditCommands::Duplicate() {
    main_.Document().NameNextStep(QStringLiteral("Çoğalt"));
    DuplicateSelection(main_.Document());
}

void TEditCommands::PasteAtMenuPoint() {
    TMainDialog* surface = main_.Surface();
    const QPoint at = surface->PopMenuPoint();
    const QPoint snapped(SnapToGrid(at.x(), surface->GridStepX()),
                         SnapToGrid(at.y(), surface->GridStepY()));
    main_.Document().NameNextStep(QStringLiteral("Yapıştır"));
    clipboard_->PasteControlsAt(main_.Document(), surface->ContainerAt(at), snapped);
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
    for (QAction* action : {main_.ccpdCut, main_.ccpdCopy, main_.ccpdDelete, mmDuplicate,
                            mmBringToFront, mmBringForward, mmSendBackward, mmSendToBack})
        action->setEnabled(control != nullptr);
}

void TEditCommands::UpdatePaste() {
    main_.ccpdPaste->setEnabled(!clipboard_->IsEmpty());
}
