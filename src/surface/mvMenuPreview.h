#pragma once
// The menu editor's live preview ("Menu Görünümü"): a picture of the design surface's window
// with the dialog's real menu bar, as mIRC will draw it. It is inert: it takes no keys and no
// focus; only its menu bar reacts, and its menus can be opened and looked at.
#include <QIcon>
#include <QWidget>
#include <memory>
#include <vector>

#include "model/mvWindowFrame.h"
#include "surface/mvMenuBar.h"

class QMenu;
class TmvMenuTree;

class TMenuPreview : public QWidget {
    Q_OBJECT
public:
    explicit TMenuPreview(QWidget* parent = nullptr);
    ~TMenuPreview() override;

    // Empties the bar and builds it again from the tree: a bar entry per menu, below it the
    // items with their TABs rewritten, "-" as a separator line.
    void RebuildMenu(const TmvMenuTree& menu);
    // The surface's window: its outer size, caption and icon, the client width the bar spans
    // and the dialog's font, at which the frame is drawn.
    void FollowSurface(const QSize& outerSize, int clientWidth, const QString& caption,
                       const QIcon& icon, const QFont& dialogFont);

    QStringList BarCaptions() const { return captions_; }
    // The drop-down of a bar entry; none for an entry without items.
    QMenu* EntryMenu(int index) const;
    const TmvMenuBarLayout& BarLayout() const { return layout_; }
    // The real bar's height: its rows and the line under it; 0 without menus.
    int MenuBarHeight() const { return layout_.Height; }
    // The bar inside this window.
    QRect BarRect() const;

signals:
    // A press anywhere on the preview: the editor and the preview come to the top.
    void Activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Relayout();

    QStringList captions_;
    std::vector<std::unique_ptr<QMenu>> menus_; // per bar entry; none without items
    TmvMenuBarLayout layout_;
    int clientWidth_ = 0;
    QString caption_;
    QIcon icon_;
    QFont dialogFont_;
};
