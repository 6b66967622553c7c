#pragma once
// The menu editor ("Menu Düzenliyici"): the dialog's menu tree with its commands (new menu, new
// item, delete, rename with F2, move up and down, indent and outdent, duplicate a branch, drag
// and drop in the tree), the styles and fixed ID of the selected entry, and the live preview of
// the menu bar in a scrolling panel. The tree keeps what was open and selected across every
// change, an undo included.
#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>

class DialogDocument;
class QCheckBox;
class QKeyEvent;
class QGroupBox;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QScrollBar;
class QTreeWidget;
class QTreeWidgetItem;
class TMenuPreview;
class TmvMenuNode;
class TmvNumberEdit;

class TMenuEditor : public QWidget {
    Q_OBJECT
public:
    // The window lives in `mdi` (none: a plain widget, as in tests).
    explicit TMenuEditor(DialogDocument& doc, QMdiArea* mdi = nullptr);
    ~TMenuEditor() override;

    QMdiSubWindow* Frame() const { return frame_; }
    TMenuPreview* Preview() const { return preview_; }
    // The surface's window, which the preview imitates and follows.
    void SetSurfaceFrame(QWidget* frame, QWidget* surface);

    // The document's menu changed from elsewhere (loading, import, renumbering, clearing):
    // the tree, the preview and the panel are rebuilt, keeping what was open and selected.
    void MenuChanged();
    // After a project load: everything expanded and the first entry selected.
    void ProjectLoaded();
    // The preview takes the surface window's size, caption and icon and the dialog's width;
    // the panel scrolls when the preview is wider.
    void FollowSurface();

    TmvMenuNode* SelectedNode() const;
    void SelectNode(const TmvMenuNode* node);
    QTreeWidgetItem* ItemOf(const TmvMenuNode* node) const { return items_.value(node); }

    // The commands.
    void meNewMenuClick();
    void meNewItemClick();
    void meDeleteClick();
    void btnMoveUpClick();
    void btnMoveDownClick();
    // Into the previous entry's menu (Ctrl+Right in the tree), out of its menu (Ctrl+Left).
    void btnIndentClick();
    void btnOutdentClick();
    // A copy of the selected entry with its branch, new IDs for the copies (Ctrl+Shift+D).
    void btnDuplicateClick();
    // A drop of the selected entry onto `target` (into its menu), above or below it (beside
    // it), or below every entry (a menu at the end of the bar).
    enum DropPlace { DropOnto, DropAbove, DropBelow, DropAtEnd };
    void DropSelected(QTreeWidgetItem* target, DropPlace place);
    void RenameSelected(const QString& text);

    // Warnings go here (ID Warning); none shows nothing.
    std::function<void(const QString& caption, const QString& text)> Warn;

    QTreeWidget* meItems;
    QPushButton* meNewMenu;
    QPushButton* meNewItem;
    QPushButton* meDelete;
    QPushButton* btnMoveUp;
    QPushButton* btnMoveDown;
    QPushButton* btnIndent;
    QPushButton* btnOutdent;
    QPushButton* btnDuplicate;
    QWidget* mePanel;
    QScrollBar* meScroll;
    QGroupBox* PropsGroup;
    QCheckBox* PropsOK;
    QCheckBox* PropsCancel;
    QCheckBox* PropsStaticID;
    TmvNumberEdit* PropsID;
    bool PanelReady = false;

signals:
    // The menu bar's height may have changed (menus added, removed, renamed, the surface
    // resized): the main window recomputes it.
    void MenuBarMayHaveChanged();
    // The editor was shown or hidden (also by its close button).
    void ShownChanged(bool shown);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Reload();
    void RefreshPanel();
    void RebuildPreview();
    void ApplyScroll();
    void FlagClicked(quint32 flag, bool on);
    void IdCommitted();
    void ItemRenamed(QTreeWidgetItem* item);
    // The document's tree, the preview and the panel after one of this editor's commands.
    void AfterEdit(const TmvMenuNode* select);
    // One of the commands that move or copy a branch, by its step's name.
    void RunBranchCommand(const QString& step, const std::function<const TmvMenuNode*()>& command);
    bool TreeKey(QKeyEvent* key, bool run);
    static TmvMenuNode* NodeOf(const QTreeWidgetItem* item);

    DialogDocument& doc_;
    QMdiSubWindow* frame_ = nullptr;
    TMenuPreview* preview_;
    QWidget* surfaceFrame_ = nullptr;
    QWidget* surface_ = nullptr;
    QHash<const TmvMenuNode*, QTreeWidgetItem*> items_;
    // What the tree showed open and chosen, by the entries' keys, across rebuilds.
    QSet<QString> openKeys_;
    QString currentKey_;
    int reloads_ = 0;
    int commandStart_ = -1;
    bool renaming_ = false;
};
