#include "surface/mvDialogDocument.h"

#include <algorithm>

#include "model/mvFonts.h"
#include "model/mvPlatform.h"
#include "model/mvTabControl.h"
#include "surface/mvMenuBar.h"
#include "surface/mvSurfaceView.h"

namespace {
bool Erase(std::vector<TmvControl*>& list, const TmvControl* control) {
    const auto it = std::find(list.begin(), list.end(), control);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

bool Contains(const std::vector<TmvControl*>& list, const TmvControl* control) {
    return std::find(list.begin(), list.end(), control) != list.end();
}
} // namespace

DialogDocument::DialogDocument() : FontName(DefaultFontName()) {}

DialogDocument::~DialogDocument() {
    // Detached first: a tab control being destroyed must not ask a half-destroyed document
    // to delete its page controls, and nothing may call back into the windows.
    View = nullptr;
    Ui = nullptr;
    for (const auto& control : controls_)
        control->Host = nullptr;
    TabControl = nullptr;
    controls_.clear();
}

QString DialogDocument::DefaultFontName() {
    return WindowsMajorVersion() > 4 ? QStringLiteral("Tahoma") : QStringLiteral("MS Sans Serif");
}

QFont DialogDocument::DialogFont() const {
    // 8 points at 96 dots per inch, the size dialogs are designed in.
    QFont font(FontName);
    font.setPixelSize(11);
    return DialogTextFont(font);
}

void DialogDocument::SetFontName(const QString& name) {
    if (FontName == name) return;
    FontName = name;
    const QFont font = DialogFont();
    // The tab control keeps its own font, as it does from its construction.
    for (const auto& control : controls_)
        if (control->ControlType != ctTab) control->SetFont(font);
    RepaintSurface();
}

void DialogDocument::SetClientSize(int width, int height) {
    if (width == ClientWidth && height == ClientHeight) return;
    ClientWidth = width;
    ClientHeight = height;
    if (View) View->ClientSizeChanged();
}

QString DialogDocument::WindowTitle() const {
    const QString prefix = QStringLiteral("Marovel  - ");
    if (FileName.isEmpty()) return prefix + QStringLiteral("New Project");
    // Project paths may come from either system's separators.
    const qsizetype cut =
        std::max(FileName.lastIndexOf(QLatin1Char('/')), FileName.lastIndexOf(QLatin1Char('\\')));
    return prefix + FileName.mid(cut + 1);
}

TmvControl* DialogDocument::ControlAt(int zIndex) const {
    if (zIndex < 0 || zIndex >= ControlCount()) return nullptr;
    return controls_[size_t(zIndex)].get();
}

int DialogDocument::ZIndexOf(const TmvControl* control) const {
    // From the top down: new and recently raised controls lie there, so creating many
    // controls in a row stays linear.
    for (size_t i = controls_.size(); i-- > 0;)
        if (controls_[i].get() == control) return int(i);
    return -1;
}

TmvControl* DialogDocument::Adopt(std::unique_ptr<TmvControl> control) {
    control->Host = this;
    controls_.push_back(std::move(control));
    TmvControl* adopted = controls_.back().get();
    IndexName(adopted->Name(), +1);
    ConnectEvents(adopted);
    if (Ui) Ui->ControlAdded(adopted);
    return adopted;
}

void DialogDocument::ConnectEvents(TmvControl* control) {
    control->OnSelectControl = [this](TmvControl* c) { SetCurrentControl(c); };
}

std::vector<TmvControl*>* DialogDocument::ContainerList(int page) {
    if (page < 0) return &CreationOrder;
    TmvTabPage* tabPage = TabControl ? TabControl->Page(page) : nullptr;
    return tabPage ? &tabPage->Controls : nullptr;
}

const std::vector<TmvControl*>* DialogDocument::ContainerList(int page) const {
    return const_cast<DialogDocument*>(this)->ContainerList(page);
}

bool DialogDocument::MoveToContainer(TmvControl* control, int page) {
    if (!control) return false;
    if (page < 0) page = -1;
    if (page == control->TabIndex) return true;
    // The tab control lies on the dialog, and a control never goes into a list that is not
    // there: it would vanish from the table.
    std::vector<TmvControl*>* target = ContainerList(page);
    if (!target || (page >= 0 && control->ControlType == ctTab)) return false;
    if (std::vector<TmvControl*>* old = ContainerList(control->TabIndex)) Erase(*old, control);
    control->TabIndex = page;
    if (!Contains(*target, control)) target->push_back(control);
    return true;
}

void DialogDocument::RemoveFromContainers(TmvControl* control) {
    if (std::vector<TmvControl*>* list = ContainerList(control->TabIndex))
        if (Erase(*list, control)) return;
    // A stale TabIndex must not leave a dangling entry behind.
    Erase(CreationOrder, control);
    if (TabControl)
        for (const auto& page : TabControl->Pages)
            Erase(page->Controls, control);
}

bool DialogDocument::DeleteControl(TmvControl* control) {
    const int index = ZIndexOf(control);
    if (index < 0) return false;
    if (Ui) Ui->ControlDeleting(control);
    RemoveFromContainers(control);
    Erase(Selection, control);
    Erase(HiddenControls, control);
    if (CurrentControl == control) CurrentControl = nullptr;
    RepaintControl(control);
    const bool wasTabControl = control == TabControl;
    // Out of the z-order before destruction: a tab control deletes its page controls through
    // DeleteControlRequest while it is destroyed, and those calls edit the z-order too.
    std::unique_ptr<TmvControl> owned = std::move(controls_[size_t(index)]);
    controls_.erase(controls_.begin() + index);
    IndexName(owned->Name(), -1);
    owned.reset();
    if (wasTabControl) TabControl = nullptr;
    return true;
}

void DialogDocument::ClearDialog() {
    CurrentControl = nullptr;
    Selection.clear();
    HiddenControls.clear();
    CreationOrder.clear();
    // With the page lists emptied the tab control frees only its pages; every control is
    // destroyed here, from the topmost down.
    if (TabControl)
        for (const auto& page : TabControl->Pages)
            page->Controls.clear();
    while (!controls_.empty()) {
        std::unique_ptr<TmvControl> owned = std::move(controls_.back());
        controls_.pop_back();
        if (Ui) Ui->ControlDeleting(owned.get());
        owned->Host = nullptr;
    }
    TabControl = nullptr;
    nameUse_.clear();
    nameHints_.clear();
    Menu.Clear();
    UpdateMenuBarHeight(*this);
    Modified = true;
    if (Ui) {
        Ui->MenuChanged();
        Ui->DialogCleared();
    }
    SetCurrentControl(nullptr);
    RepaintSurface();
}

void DialogDocument::ResetForNew() {
    ClearDialog();
    FileName.clear();
    ScriptPath.clear();
    ScriptTable.clear();
    Modified = false;
    Title = QStringLiteral("New Project");
    SetFontName(DefaultFontName());
    TableName = QStringLiteral("new_table");
    Local = false;
    OtherOptions.clear();
    IconPath.clear();
    IconIndex = 0;
    Centered = true;
    PosX = -1;
    PosY = -1;
    SetCurrentControl(nullptr);
}

void DialogDocument::AttachHistory(TmvUndoLink* history) {
    history_ = history;
    Modified.DeriveFrom(history);
}

void DialogDocument::StartNewHistory(bool saved) {
    StepHints = {};
    if (history_)
        history_->StartNewHistory(saved);
    else
        Modified = !saved;
}

void DialogDocument::MarkSaved() {
    Modified = false;
}

TmvTabPage* DialogDocument::AddTabPage() {
    if (!TabControl) return nullptr;
    TmvTabPage* page = TabControl->AddPage(NextFreeId());
    Modified = true;
    return page;
}

bool DialogDocument::DeleteTabPage(int index) {
    if (!TabControl || TabControl->PageCount() <= 1 || !TabControl->Page(index)) return false;
    TabControl->DeletePage(index);
    TabControl->RenumberPages();
    TabControl->SetActivePage(index > 0 ? index - 1 : 0);
    Modified = true;
    return true;
}

int DialogDocument::PageIndexOfId(int id) const {
    if (!TabControl) return -1;
    for (int i = 0; i < TabControl->PageCount(); ++i)
        if (TabControl->Page(i)->ID == id) return i;
    return -1;
}

int DialogDocument::PageIdOfIndex(int index) const {
    if (!TabControl) return -1;
    const TmvTabPage* page = TabControl->Page(index);
    return page ? page->ID : -1;
}

void DialogDocument::RepaintControl(TmvControl* control) {
    if (View) View->RepaintControl(control);
}

void DialogDocument::LayoutChanged() {
    if (View) View->LayoutChanged();
}

void DialogDocument::DeleteControlRequest(TmvControl* control) {
    DeleteControl(control);
}

void DialogDocument::TabControlDestroyed(const TmvControl* tab) {
    if (TabControl == tab) TabControl = nullptr;
}

void DialogDocument::RepaintSurface() {
    if (View) View->RepaintSurface();
}
