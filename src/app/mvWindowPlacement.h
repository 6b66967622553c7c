#pragma once
// Putting the stored placements on the shell's windows and reading them back.
#include <QRect>

#include "surface/mvPlacement.h"

class QMainWindow;
class QWidget;

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
