#pragma once
// Putting the stored placements on the shell's windows and reading them back.
#include <QPointer>
#include <QRect>
#include <QString>
#include <vector>

#include "surface/mvPlacement.h"

class QMainWindow;
class QWidget;
struct TmvWindowPlacements;

// The main window: left and top, the client size from the right and bottom edges, maximised
// for a non-zero flag. A short placement only moves it.
void ApplyMainWindowPlacement(QMainWindow* window, const TmvPlacement& placement);
TmvPlacement MainWindowPlacement(const QMainWindow* window);

// A tool window: left and top, width and height, visible exactly when the flag is "1".
void ApplyToolWindowPlacement(QWidget* window, const TmvPlacement& placement);
TmvPlacement ToolWindowPlacement(const QWidget* window);

// The client rectangle a placement of the design surface asks for: left and top, then the size
// from the right and bottom edges; `fallback`'s size when it has none or an empty one.
QRect SurfacePlacementRect(const TmvPlacement& placement, const QRect& fallback);

// How a tool window's placement is stored.
enum class TmvPlacementShape {
    Short,      // "left,top,visible" (palette, browser)
    Long,       // "left,top,width,height,visible" (menu editor)
    LongHidden, // "left,top,width,height,0": the window is hidden at every start (status)
};

// The tool windows whose placements [Windows] keeps. Each window is added once, under its key;
// a key may be added before its window exists (a null window), so that its placement is still
// written: the stored one when it was usable, else the built-in default.
class TmvPlacedWindows {
public:
    void Add(const QString& key, QWidget* window, TmvPlacementShape shape,
             const TmvPlacement& builtIn);
    // Puts each stored placement on its window ("SaveWindowPos" on); a key without a stored
    // placement leaves its window where it is.
    void Apply(const TmvWindowPlacements& stored) const;
    // Every key's placement as it is now: the window's own, or for a key without a window the
    // stored one, else the built-in default.
    void Store(TmvWindowPlacements& stored) const;

private:
    struct Entry {
        QString Key;
        QPointer<QWidget> Window;
        TmvPlacementShape Shape;
        TmvPlacement BuiltIn;
    };
    std::vector<Entry> entries_;
};
