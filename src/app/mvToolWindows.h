#pragma once
// The tool windows of the frame (properties browser, palette, menu editor, status window) and
// the design surface: the tools always lie above the surface, a first start lays them out
// beside it, and a window whose caption a stored placement puts out of sight comes back into
// view.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

// Keeps the tool windows added above the surface's window, whatever raises the surface (a
// click on it, a control placed with the palette, a restart with windows that overlap).
class TmvToolWindowsOnTop : public QObject {
    Q_OBJECT
public:
    TmvToolWindowsOnTop(QMdiArea* area, QMdiSubWindow* surface);
    void Add(QMdiSubWindow* tool);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RaiseTools();

    QMdiArea* area_;
    QMdiSubWindow* surface_;
    std::vector<QMdiSubWindow*> tools_;
};

// Where the windows of a first start go: the browser at the top left, the surface right of it,
// the palette right of the surface, the menu editor right of the palette where the area is wide
// enough, else below the surface and the palette. An empty palette size: the palette is docked.
struct TmvFirstLayout {
    QPoint Browser;
    QPoint Surface;
    QPoint Palette;
    QPoint MenuEditor;
};
TmvFirstLayout FirstStartLayout(QSize browser, QSize surface, QSize palette, QSize menuEditor,
                                QSize area);

// A window at `frame` whose caption (its top `captionHeight` pixels) is out of sight, the left
// end of it with its title not in the area: moved as far into the area as it fits, its top left
// never above or left of the area. Else it stays where it is.
QPoint PlaceInView(const QRect& frame, int captionHeight, QSize area);
