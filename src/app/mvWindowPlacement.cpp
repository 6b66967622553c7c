#include "app/mvWindowPlacement.h"

#include <QMainWindow>
#include <QWidget>

#include "io/mvSettings.h"

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

void TmvPlacedWindows::Add(const QString& key, QWidget* window, TmvPlacementShape shape,
                           const TmvPlacement& builtIn) {
    for (Entry& entry : entries_)
        if (entry.Key.compare(key, Qt::CaseInsensitive) == 0) {
            entry = {key, window, shape, builtIn};
            return;
        }
    entries_.push_back({key, window, shape, builtIn});
}

void TmvPlacedWindows::Apply(const TmvWindowPlacements& stored) const {
    for (const Entry& entry : entries_) {
        const std::optional<TmvPlacement>* placement = stored.Find(entry.Key);
        if (!entry.Window || !placement || !*placement) continue;
        TmvPlacement p = **placement;
        // The status window opens only when there is something to show.
        if (entry.Shape == TmvPlacementShape::LongHidden) p.FlagIsOne = false;
        ApplyToolWindowPlacement(entry.Window, p);
    }
}

void TmvPlacedWindows::Store(TmvWindowPlacements& stored) const {
    for (const Entry& entry : entries_) {
        std::optional<TmvPlacement>* placement = stored.Find(entry.Key);
        if (!placement) continue;
        if (!entry.Window) {
            if (!*placement) *placement = entry.BuiltIn;
            continue;
        }
        const QWidget* w = entry.Window;
        const bool visible = !w->isHidden();
        switch (entry.Shape) {
        case TmvPlacementShape::Short:
            *placement = TmvPlacement::Short(w->x(), w->y(), visible);
            break;
        case TmvPlacementShape::Long:
            *placement = ToolWindowPlacement(w);
            break;
        case TmvPlacementShape::LongHidden:
            *placement = TmvPlacement::Long(w->x(), w->y(), w->width(), w->height(), 0);
            break;
        }
    }
}
