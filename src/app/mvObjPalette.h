#pragma once
// The control palette: one button per control type, in a floating tool window ("Tool Box") in
// one of four grid shapes, or docked in the main window's palette tool bar (BP_ToolBar) along
// one of its four edges. Pressing a button arms its type for the next press on the surface.
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/mvPaletteButton.h"

class QAction;
class QMainWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// Orientations 1-4 float, 5-8 dock (top, bottom, left, right).
constexpr int kPaletteOrientationCount = 8;
inline bool IsDockedOrientation(int orientation) {
    return orientation >= 5;
}
// The index in the palette pictures of the picture a type's button shows.
int PalettePicture(int type);
// The button area of an orientation in pixels, and its grid.
QSize PaletteAreaSize(int orientation);
QSize PaletteGrid(int orientation); // columns x rows

// The main toolbar's edge lines: always the top one, the bottom one when asked for.
void SetMainToolbarEdges(QToolBar* toolbar, bool bottom);
bool MainToolbarHasBottomEdge(const QToolBar* toolbar);

class TObjPalette : public QWidget {
    Q_OBJECT
public:
    // The floating window lives in `mdi`; the docked tool bar is put into `main`'s tool bar
    // areas; `mainToolbar` shows its bottom edge over a palette docked at the top. `images` are
    // the main window's palette pictures and must outlive the palette.
    TObjPalette(QMainWindow* main, QMdiArea* mdi, QToolBar* mainToolbar,
                const QList<QPixmap>* images);
    ~TObjPalette() override;

    // The floating window's frame and the docked tool bar (BP_ToolBar).
    QMdiSubWindow* Frame() const { return frame_; }
    QToolBar* DockBar() const { return dockBar_; }
    QWidget* Panel() const { return panel_.data(); }
    const std::vector<TmvPaletteButton*>& Buttons() const { return buttons_; }

    // Creates the twelve buttons in type order and applies the orientation and the flat look;
    // runs once, when the settings are loaded.
    void BuildPalette(int orientation, bool flat);
    int Orientation() const { return orientation_; }
    // 1-8; other values are ignored.
    void SetPaletteOrientation(int value);
    bool Flat() const { return flat_; }
    void SetPaletteFlat(bool on);

    // Shows or hides the palette where its orientation puts it: the floating window or the
    // docked tool bar.
    void ShowPalette(bool on);
    bool PaletteShown() const;

    // Releases every other button; a pressed tab button is refused (and every tool disarmed)
    // while the dialog has a tab control; otherwise arms the button's type, or disarms it when
    // it came up. None releases all the buttons.
    void PaletteButtonPressed(TmvPaletteButton* button);

    // What the palette asks of the main window.
    std::function<bool()> HasTabControl;
    std::function<void(int type, bool armed)> ArmTool;
    std::function<void(const QString& caption, const QString& text)> Inform;

    QMenu* PopMenu;
    QAction* op2x6;
    QAction* op1x12;
    QAction* op6x2;
    QAction* op12x1;
    QAction* opDockTop;
    QAction* opDockBottom;
    QAction* opDockLeft;
    QAction* opDockRight;
    QAction* opFlat;

signals:
    void OrientationChanged(int orientation);
    void FlatChanged(bool on);
    // The palette was shown or hidden (also by the floating window's close button).
    void ShownChanged(bool shown);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreatePopMenu();
    void LayoutPalette();
    void PlaceDockBar();
    QAction* OrientationAction(int orientation) const;

    QMainWindow* main_;
    QToolBar* mainToolbar_;
    const QList<QPixmap>* images_;
    QMdiSubWindow* frame_;
    QToolBar* dockBar_;
    QPointer<QWidget> panel_; // in this window or in the tool bar
    std::vector<TmvPaletteButton*> buttons_;
    int orientation_ = 1;
    bool flat_ = false;
};
