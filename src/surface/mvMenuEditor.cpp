#include "surface/mvMenuEditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "model/mvEdits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuEditing.h"
#include "surface/mvMenuPreview.h"
#include "surface/mvMenuTree.h"
#include "surface/mvSurfaceFrameStyle.h"

namespace {
// The preview's place inside the panel.
constexpr int kPreviewMargin = 10;
constexpr int kScrollMaximum = 100;

// What a typed text becomes: a TAB character as the two characters that stand for it, line
// breaks as blanks; none when nothing but blanks and TABs is left.
// Which entry an item stands for across a rebuild, an undo included (which makes every node
// anew): its ID and text.
QString NodeKey(const TmvMenuNode* node) {
    return QString::number(node->Id()) + QChar(0x1f) + node->Text;
}
constexpr int kKeyRole = Qt::UserRole + 1;

// The tree: a drop moves the entry in the document, which the tree is rebuilt from.
class TmvMenuTreeWidget : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void(QTreeWidgetItem* target, TMenuEditor::DropPlace place)> Dropped;

protected:
    void dropEvent(QDropEvent* event) override {
        const QPoint at = event->position().toPoint();
        QTreeWidgetItem* target = itemAt(at);
        TMenuEditor::DropPlace place = TMenuEditor::DropAtEnd;
        if (target) {
            // The edges of an entry's row put it beside the entry, as the view's indicator
            // shows; the middle puts it into the entry's menu.
            const QRect row = visualItemRect(target);
            const int margin = std::clamp(int(row.height() / 5.5), 2, 12);
            place = at.y() - row.top() < margin      ? TMenuEditor::DropAbove
                    : row.bottom() - at.y() < margin ? TMenuEditor::DropBelow
                                                     : TMenuEditor::DropOnto;
        }
        event->setDropAction(Qt::IgnoreAction);
        event->accept();
        setState(NoState);
        viewport()->update();
        if (Dropped) Dropped(target, place);
    }
};

std::optional<QString> CleanMenuText(QString text) {
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString bare = QString(text).replace(QStringLiteral("\\t"), QString()).trimmed();
    if (bare.isEmpty()) return std::nullopt;
    return text;
}
} // namespace

TMenuEditor::TMenuEditor(DialogDocument& doc, QMdiArea* mdi) : doc_(doc) {
    setObjectName(QStringLiteral("MenuEditor"));
    setWindowTitle(QStringLiteral("Menu Düzenliyici"));
    CreateControls();
    resize(460, 430);
    if (mdi) {
        frame_ = mdi->addSubWindow(this,
                                   Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        frame_->setAttribute(Qt::WA_DeleteOnClose, false);
        frame_->hide();
    }
    Reload();
}

TMenuEditor::~TMenuEditor() {
    // The tree's items go with it; the panel must not look at the document meanwhile.
    meItems->blockSignals(true);
}

void TMenuEditor::CreateControls() {
    auto* tree = new TmvMenuTreeWidget(this);
    tree->Dropped = [this](QTreeWidgetItem* target, DropPlace place) {
        DropSelected(target, place);
    };
    meItems = tree;
    meItems->setObjectName(QStringLiteral("meItems"));
    meItems->setDragDropMode(QAbstractItemView::InternalMove);
    meItems->installEventFilter(this);
    meItems->setHeaderHidden(true);
    meItems->setColumnCount(1);
    meItems->setEditTriggers(QAbstractItemView::EditKeyPressed);
    meItems->setSelectionMode(QAbstractItemView::SingleSelection);
    meItems->setMinimumWidth(100);

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    meNewMenu = button("meNewMenu", QStringLiteral("Yeni Ekle"));
    meNewItem = button("meNewItem", QStringLiteral("Item Ekle"));
    meDelete = button("meDelete", QStringLiteral("Sil"));
    btnMoveUp = button("btnMoveUp", QStringLiteral("Yukarı Al"));
    btnMoveDown = button("btnMoveDown", QStringLiteral("Aşşağı Al"));
    btnIndent = button("btnIndent", QStringLiteral("İçeri Al"));
    btnOutdent = button("btnOutdent", QStringLiteral("Dışarı Al"));
    btnDuplicate = button("btnDuplicate", QStringLiteral("Çoğalt"));
    btnIndent->setToolTip(QStringLiteral("Önceki girişin menüsüne (Ctrl+Sağ)"));
    btnOutdent->setToolTip(QStringLiteral("Menüsünün dışına (Ctrl+Sol)"));
    btnDuplicate->setToolTip(QStringLiteral("Dalıyla birlikte kopyala (Ctrl+Shift+D)"));
    meNewItem->setEnabled(false);
    meDelete->setEnabled(false);

    PropsGroup = new QGroupBox(QStringLiteral("Görüntü Ayarları"), this);
    PropsOK = new QCheckBox(QStringLiteral("'ok' Stili"), PropsGroup);
    PropsOK->setObjectName(QStringLiteral("PropsOK"));
    PropsCancel = new QCheckBox(QStringLiteral("'cancel' Stili"), PropsGroup);
    PropsCancel->setObjectName(QStringLiteral("PropsCancel"));
    PropsStaticID = new QCheckBox(QStringLiteral("Use ID:"), PropsGroup);
    PropsStaticID->setObjectName(QStringLiteral("PropsStaticID"));
    PropsID = new TmvNumberEdit(PropsGroup);
    PropsID->setObjectName(QStringLiteral("PropsID"));
    PropsID->SetRange(1, 3000);
    PropsID->SetValue(1);
    PropsID->setMaximumWidth(60);
    PropsID->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {meNewMenu, meNewItem, meDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (QPushButton* b : {btnMoveUp, btnMoveDown, btnIndent, btnOutdent, btnDuplicate})
        buttons->addWidget(b);

    auto* props = new QVBoxLayout(PropsGroup);
    props->addWidget(PropsOK);
    props->addWidget(PropsCancel);
    auto* idRow = new QHBoxLayout;
    idRow->addWidget(PropsStaticID);
    idRow->addWidget(PropsID);
    props->addLayout(idRow);
    props->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(meItems, 1);
    top->addLayout(buttons);
    top->addWidget(PropsGroup);

    mePanel = new QWidget(this);
    mePanel->setObjectName(QStringLiteral("mePanel"));
    mePanel->setMinimumHeight(40);
    mePanel->installEventFilter(this);
    preview_ = new TMenuPreview(mePanel);
    preview_->move(kPreviewMargin, kPreviewMargin);
    meScroll = new QScrollBar(Qt::Horizontal, this);
    meScroll->setObjectName(QStringLiteral("meScroll"));
    meScroll->setRange(0, kScrollMaximum);
    meScroll->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mePanel, 1);
    layout->addWidget(meScroll);

    connect(meNewMenu, &QPushButton::clicked, this, &TMenuEditor::meNewMenuClick);
    connect(meNewItem, &QPushButton::clicked, this, &TMenuEditor::meNewItemClick);
    connect(meDelete, &QPushButton::clicked, this, &TMenuEditor::meDeleteClick);
    connect(btnMoveUp, &QPushButton::clicked, this, &TMenuEditor::btnMoveUpClick);
    connect(btnMoveDown, &QPushButton::clicked, this, &TMenuEditor::btnMoveDownClick);
    connect(btnIndent, &QPushButton::clicked, this, &TMenuEditor::btnIndentClick);
    connect(btnOutdent, &QPushButton::clicked, this, &TMenuEditor::btnOutdentClick);
    connect(btnDuplicate, &QPushButton::clicked, this, &TMenuEditor::btnDuplicateClick);
    connect(meItems, &QTreeWidget::currentItemChanged, this, [this] { RefreshPanel(); });
    connect(meItems, &QTreeWidget::itemChanged, this, &TMenuEditor::ItemRenamed);
    connect(PropsStaticID, &QCheckBox::toggled, this,
            [this](bool on) { FlagClicked(kMenuFixedId, on); });
    connect(PropsOK, &QCheckBox::toggled, this, [this](bool on) { FlagClicked(kMenuOk, on); });
    connect(PropsCancel, &QCheckBox::toggled, this,
            [this](bool on) { FlagClicked(kMenuCancel, on); });
    connect(PropsID, &TmvNumberEdit::NeedsUpdate, this, [this] { IdCommitted(); });
    connect(meScroll, &QScrollBar::valueChanged, this, [this] { ApplyScroll(); });
    connect(preview_, &TMenuPreview::Activated, this, [this] {
        if (frame_) frame_->raise();
        preview_->raise();
    });
}

// --- The tree ---------------------------------------------------------------------------------

TmvMenuNode* TMenuEditor::NodeOf(const QTreeWidgetItem* item) {
    if (!item) return nullptr;
    return reinterpret_cast<TmvMenuNode*>(item->data(0, Qt::UserRole).value<quintptr>());
}

TmvMenuNode* TMenuEditor::SelectedNode() const {
    TmvMenuNode* node = NodeOf(meItems->currentItem());
    return node && doc_.Menu.Contains(node) ? node : nullptr;
}

void TMenuEditor::SelectNode(const TmvMenuNode* node) {
    meItems->setCurrentItem(node ? items_.value(node) : nullptr);
    RefreshPanel();
}

void TMenuEditor::Reload() {
    ++reloads_;
    // By the keys the items hold: after an undo the nodes they stood for are gone. An empty
    // tree (the menu cleared on the way to what an undo brings back) forgets nothing.
    if (!items_.isEmpty()) {
        const QTreeWidgetItem* current = meItems->currentItem();
        currentKey_ = current ? current->data(0, kKeyRole).toString() : QString();
        openKeys_.clear();
        for (QTreeWidgetItem* item : std::as_const(items_))
            if (item->isExpanded()) openKeys_.insert(item->data(0, kKeyRole).toString());
    }

    meItems->blockSignals(true);
    meItems->clear();
    items_.clear();
    QList<QTreeWidgetItem*> tops;
    std::vector<QTreeWidgetItem*> parents;
    QTreeWidgetItem* chosen = nullptr;
    doc_.Menu.ForEachDepthFirst([&](TmvMenuNode* node, int depth) {
        parents.resize(size_t(depth));
        auto* item = depth == 0 ? new QTreeWidgetItem : new QTreeWidgetItem(parents.back());
        item->setText(0, node->Text);
        item->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(node)));
        const QString key = NodeKey(node);
        item->setData(0, kKeyRole, key);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (depth == 0) tops << item;
        parents.push_back(item);
        items_.insert(node, item);
        if (key == currentKey_ && !chosen) chosen = item;
        return true;
    });
    meItems->addTopLevelItems(tops);
    for (QTreeWidgetItem* item : std::as_const(items_))
        if (openKeys_.contains(item->data(0, kKeyRole).toString())) item->setExpanded(true);
    if (chosen) meItems->setCurrentItem(chosen);
    meItems->blockSignals(false);

    RebuildPreview();
    RefreshPanel();
}

void TMenuEditor::MenuChanged() {
    // A rename in progress finishes the view itself.
    if (renaming_) return;
    Reload();
}

void TMenuEditor::ProjectLoaded() {
    Reload();
    meItems->expandAll();
    SelectNode(doc_.Menu.IsEmpty() ? nullptr : doc_.Menu.TopLevel().front().get());
}

void TMenuEditor::AfterEdit(const TmvMenuNode* select) {
    // The main window has the tree reloaded when the document tells it; else it is done here.
    if (reloads_ == commandStart_) Reload();
    SelectNode(select);
    RebuildPreview();
    emit MenuBarMayHaveChanged();
}

// --- Commands ---------------------------------------------------------------------------------

void TMenuEditor::meNewMenuClick() {
    commandStart_ = reloads_;
    QString error;
    TmvMenuNode* node = NewMenu(doc_, &error);
    if (!node) {
        if (Warn) Warn(QStringLiteral("ID Warning"), error);
        return;
    }
    AfterEdit(node);
}

void TMenuEditor::meNewItemClick() {
    commandStart_ = reloads_;
    TmvMenuNode* parent = SelectedNode();
    if (!CanAddMenuItem(parent)) return;
    QString error;
    TmvMenuNode* node = NewMenuItem(doc_, parent, &error);
    if (!node) {
        if (Warn) Warn(QStringLiteral("ID Warning"), error);
        return;
    }
    AfterEdit(node);
    if (QTreeWidgetItem* item = items_.value(parent)) item->setExpanded(true);
}

void TMenuEditor::meDeleteClick() {
    commandStart_ = reloads_;
    TmvMenuNode* node = SelectedNode();
    if (!node) return;
    // The neighbour that takes the selection: the next sibling, else the previous, else the
    // parent, else nothing.
    const auto& siblings = doc_.Menu.Siblings(node);
    const int index = doc_.Menu.IndexInSiblings(node);
    const TmvMenuNode* next = nullptr;
    if (index + 1 < int(siblings.size()))
        next = siblings[size_t(index + 1)].get();
    else if (index > 0)
        next = siblings[size_t(index - 1)].get();
    else
        next = node->Parent;
    // A rename still open on the node ends without being taken.
    meItems->closePersistentEditor(meItems->currentItem());
    DeleteMenuNode(doc_, node);
    AfterEdit(next);
}

void TMenuEditor::btnMoveUpClick() {
    commandStart_ = reloads_;
    TmvMenuNode* node = SelectedNode();
    if (!PanelReady || !node || !MoveMenuNodeUp(doc_, node)) return;
    AfterEdit(node);
    if (QTreeWidgetItem* item = items_.value(node)) item->setExpanded(true);
}

void TMenuEditor::btnMoveDownClick() {
    commandStart_ = reloads_;
    TmvMenuNode* node = SelectedNode();
    if (!PanelReady || !node || !MoveMenuNodeDown(doc_, node)) return;
    AfterEdit(node);
    if (QTreeWidgetItem* item = items_.value(node)) item->setExpanded(true);
}

void TMenuEditor::RunBranchCommand(const QString& step,
                                   const std::function<const TmvMenuNode*()>& command) {
    commandStart_ = reloads_;
    if (!PanelReady || !SelectedNode()) return;
    doc_.NameNextStep(step);
    const TmvMenuNode* select = command();
    if (!select) {
        doc_.NameNextStep(QString());
        return;
    }
    AfterEdit(select);
    // The entry shows where it went, its new menu open.
    if (QTreeWidgetItem* item = items_.value(select)) {
        for (QTreeWidgetItem* up = item->parent(); up; up = up->parent())
            up->setExpanded(true);
        item->setExpanded(true);
    }
}

void TMenuEditor::btnIndentClick() {
    RunBranchCommand(QStringLiteral("İçeri Al"), [this]() -> const TmvMenuNode* {
        TmvMenuNode* node = SelectedNode();
        return IndentMenuNode(doc_, node) ? node : nullptr;
    });
}

void TMenuEditor::btnOutdentClick() {
    RunBranchCommand(QStringLiteral("Dışarı Al"), [this]() -> const TmvMenuNode* {
        TmvMenuNode* node = SelectedNode();
        return OutdentMenuNode(doc_, node) ? node : nullptr;
    });
}

void TMenuEditor::btnDuplicateClick() {
    RunBranchCommand(QStringLiteral("Çoğalt"), [this]() -> const TmvMenuNode* {
        QString error;
        TmvMenuNode* copy = DuplicateMenuBranch(doc_, SelectedNode(), &error);
        if (!copy && Warn) Warn(QStringLiteral("ID Warning"), error);
        return copy;
    });
}

void TMenuEditor::DropSelected(QTreeWidgetItem* target, DropPlace place) {
    RunBranchCommand(QStringLiteral("Taşı"), [this, target, place]() -> const TmvMenuNode* {
        TmvMenuNode* node = SelectedNode();
        TmvMenuNode* onto = NodeOf(target);
        TmvMenuNode* parent = nullptr;
        const TmvMenuNode* before = nullptr;
        if (onto && !doc_.Menu.Contains(onto)) return nullptr;
        if (!onto || place == DropAtEnd) {
            // Below every entry: a menu at the end of the bar.
        } else if (place == DropOnto) {
            parent = onto;
        } else {
            parent = onto->Parent;
            const auto& siblings = doc_.Menu.Siblings(onto);
            const size_t at = size_t(doc_.Menu.IndexInSiblings(onto));
            if (place == DropAbove)
                before = onto;
            else if (at + 1 < siblings.size())
                before = siblings[at + 1].get();
            if (before == node) return nullptr; // where it already is
        }
        return MoveMenuNode(doc_, node, parent, before) ? node : nullptr;
    });
}

bool TMenuEditor::TreeKey(QKeyEvent* key, bool run) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    std::function<void()> command;
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_Right)
        command = [this] { btnIndentClick(); };
    else if (mods == Qt::ControlModifier && key->key() == Qt::Key_Left)
        command = [this] { btnOutdentClick(); };
    else if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key->key() == Qt::Key_D)
        command = [this] { btnDuplicateClick(); };
    if (!command) return false;
    if (run) command();
    return true;
}

void TMenuEditor::RenameSelected(const QString& text) {
    if (QTreeWidgetItem* item = meItems->currentItem()) item->setText(0, text);
}

void TMenuEditor::ItemRenamed(QTreeWidgetItem* item) {
    TmvMenuNode* node = NodeOf(item);
    if (renaming_ || !node || !doc_.Menu.Contains(node) || items_.value(node) != item) return;
    const std::optional<QString> text = CleanMenuText(item->text(0));
    if (!text) {
        meItems->blockSignals(true);
        item->setText(0, node->Text);
        meItems->blockSignals(false);
        if (Warn)
            Warn(QStringLiteral("Menu Editor"),
                 QStringLiteral("A menu entry needs a text other than blanks and TABs; it keeps "
                                "\"%1\".")
                     .arg(node->Text));
        return;
    }
    if (*text != item->text(0)) {
        meItems->blockSignals(true);
        item->setText(0, *text);
        meItems->blockSignals(false);
    }
    renaming_ = true;
    RenameMenuNode(doc_, node, *text);
    renaming_ = false;
    RefreshPanel();
    RebuildPreview();
    emit MenuBarMayHaveChanged();
}

void TMenuEditor::FlagClicked(quint32 flag, bool on) {
    commandStart_ = reloads_;
    TmvMenuNode* node = SelectedNode();
    if (!PanelReady || !node) return;
    SetMenuNodeFlag(doc_, node, flag, on);
    AfterEdit(node);
}

void TMenuEditor::IdCommitted() {
    commandStart_ = reloads_;
    TmvMenuNode* node = SelectedNode();
    if (!PanelReady || !node || !PropsID->isEnabled() || !PropsID->isModified()) return;
    PropsID->setModified(false);
    const int id = PropsID->Value();
    if (id == node->Id()) {
        PropsID->SetValue(id);
        return;
    }
    QString message;
    if (!SetMenuNodeId(doc_, node, id, &message)) {
        PropsID->SetValue(node->Id());
        if (Warn) Warn(QStringLiteral("ID Warning"), message);
        return;
    }
    AfterEdit(node);
}

// --- The panel --------------------------------------------------------------------------------

void TMenuEditor::RefreshPanel() {
    PanelReady = false;
    const TmvMenuNode* node = SelectedNode();
    meNewItem->setEnabled(CanAddMenuItem(node));
    meDelete->setEnabled(node != nullptr);
    PropsOK->setEnabled(CanTakeResultStyle(node));
    PropsCancel->setEnabled(CanTakeResultStyle(node));
    PropsStaticID->setEnabled(node != nullptr);
    PropsStaticID->setChecked(false);
    PropsID->setEnabled(false);
    PropsID->clear();
    PropsOK->setChecked(node && node->HasFlag(kMenuOk));
    PropsCancel->setChecked(node && node->HasFlag(kMenuCancel));
    if (node) {
        PropsStaticID->setChecked(node->HasFlag(kMenuFixedId));
        PropsID->setEnabled(node->HasFlag(kMenuFixedId));
        PropsID->SetValue(node->Id());
    }
    const int index = node ? doc_.Menu.IndexInSiblings(node) : -1;
    btnMoveUp->setEnabled(node && index > 0);
    btnMoveDown->setEnabled(node && index + 1 < int(doc_.Menu.Siblings(node).size()));
    btnIndent->setEnabled(node && index > 0 &&
                          CanAddMenuItem(doc_.Menu.Siblings(node)[size_t(index) - 1].get()));
    btnOutdent->setEnabled(node && !node->IsTopLevel());
    btnDuplicate->setEnabled(node != nullptr);
    PanelReady = true;
}

// --- The preview ------------------------------------------------------------------------------

void TMenuEditor::RebuildPreview() {
    preview_->RebuildMenu(doc_.Menu);
}

void TMenuEditor::SetSurfaceFrame(QWidget* frame, QWidget* surface) {
    if (surfaceFrame_) surfaceFrame_->removeEventFilter(this);
    surfaceFrame_ = frame;
    surface_ = surface;
    if (surfaceFrame_) surfaceFrame_->installEventFilter(this);
    FollowSurface();
}

void TMenuEditor::FollowSurface() {
    if (!surfaceFrame_) return;
    const QString caption = surface_ ? surface_->windowTitle() : doc_.Title;
    const QIcon icon = SurfaceIcon(surface_);
    preview_->FollowSurface(surfaceFrame_->size(), doc_.ClientWidth, caption, icon,
                            surface_ ? surface_->font() : doc_.DialogFont());
    ApplyScroll();
}

void TMenuEditor::ApplyScroll() {
    const int surfaceWidth = preview_->width();
    const int panelWidth = mePanel->width();
    meScroll->setVisible(surfaceWidth + 2 * kPreviewMargin >= panelWidth);
    int x = kPreviewMargin;
    if (meScroll->isVisibleTo(this)) {
        const double share = double(meScroll->value()) / meScroll->maximum();
        x = kPreviewMargin -
            int(std::lround(share * (surfaceWidth - panelWidth + 2 * kPreviewMargin)));
    }
    preview_->move(x, preview_->y());
}

// --- Window -----------------------------------------------------------------------------------

void TMenuEditor::closeEvent(QCloseEvent* event) {
    // Closing only hides the editor.
    event->ignore();
    if (frame_) frame_->hide();
    hide();
    emit ShownChanged(false);
}

void TMenuEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyScroll();
}

void TMenuEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FollowSurface();
}

bool TMenuEditor::eventFilter(QObject* watched, QEvent* event) {
    // The tree's keys are the editor's own: claimed before the main window's shortcuts.
    if (watched == meItems &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (TreeKey(key, event->type() == QEvent::KeyPress)) {
            event->accept();
            return true;
        }
    }
    if (watched == surfaceFrame_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::WindowTitleChange ||
         event->type() == QEvent::WindowIconChange)) {
        FollowSurface();
        if (event->type() == QEvent::Resize) emit MenuBarMayHaveChanged();
    } else if (watched == mePanel && event->type() == QEvent::Resize) {
        ApplyScroll();
    } else if (watched == PropsID && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (const TmvMenuNode* node = SelectedNode()) {
            PropsID->SetValue(node->Id());
            PropsID->setModified(false);
            PropsID->selectAll();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
