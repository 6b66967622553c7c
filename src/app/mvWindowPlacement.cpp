#include "app/mvWindowPlacement.h"

#include <QMainWindow>
#include <QWidget>

void ApplyMainWindowPlacement(QMainWindow* window, const TmvPlacement& p) {
    const int width = p.Third - p.Left;
    const int height = p.Fourth - p.Top;
    if (!p.HasSize || width <= 0 || height <= 0) {
        window->move(p.Left, p.Top);
        return;
    }
    window->setGeometry(p.Left, p.Top, width, height);
    window->setWindowState(p.Flag != 0 ? Qt::WindowMaximized : Qt::WindowNoState);
}

TmvPlacement MainWindowPlacement(const QMainWindow* window) {
    // The normal placement, so a maximised window comes back at its old size when restored.
    const bool maximized = window->isMaximized();
    const QRect r = maximized ? window->normalGeometry() : window->geometry();
    return TmvPlacement::Long(r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                              maximized ? 1 : 0);
}

void ApplyToolWindowPlacement(QWidget* window, const TmvPlacement& p) {
    window->move(p.Left, p.Top);
    if (p.HasSize && p.Third > 0 && p.Fourth > 0) window->resize(p.Third, p.Fourth);
    window->setVisible(p.FlagIsOne);
}

TmvPlacement ToolWindowPlacement(const QWidget* window) {
    return TmvPlacement::Long(window->x(), window->y(), window->width(), window->height(),
                              window->isHidden() ? 0 : 1);
}

QRect SurfacePlacementRect(const TmvPlacement& p, const QRect& fallback) {
    QRect r(QPoint(p.Left, p.Top), fallback.size());
    if (p.HasSize && p.Third - p.Left > 0 && p.Fourth - p.Top > 0)
        r.setSize(QSize(p.Third - p.Left, p.Fourth - p.Top));
    return r;
}
