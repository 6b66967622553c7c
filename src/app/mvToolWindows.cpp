#include "app/mvToolWindows.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

namespace {
constexpr int kGap = 4;
// How much of a caption, from its left end, must be in view: enough to see the title and grab
// the window (the area scrolls to the rest).
constexpr int kCaptionInView = 100;
} // namespace

TmvToolWindowsOnTop::TmvToolWindowsOnTop(QMdiArea* area, QMdiSubWindow* surface)
    : QObject(area), area_(area), surface_(surface) {
    surface->installEventFilter(this);
}

void TmvToolWindowsOnTop::Add(QMdiSubWindow* tool) {
    if (!tool) return;
    tools_.push_back(tool);
    // The area activates a window without raising it over those that stay on top; changing the
    // flags hides the window, so it is shown again as it was.
    const bool shown = !tool->isHidden();
    tool->setWindowFlags(tool->windowFlags() | Qt::WindowStaysOnTopHint);
    if (shown) tool->show();
    // Staying on top is the rule, not a choice: the system menu's "Stay on Top" (its only
    // check item) goes.
    if (QMenu* menu = tool->systemMenu())
        for (QAction* action : menu->actions())
            if (action->isCheckable()) action->setVisible(false);
    RaiseTools();
}

bool TmvToolWindowsOnTop::eventFilter(QObject* watched, QEvent* event) {
    // A plain raise of the surface puts it over everything: the tools go back above it.
    if (watched == surface_ && event->type() == QEvent::ZOrderChange) RaiseTools();
    return QObject::eventFilter(watched, event);
}

void TmvToolWindowsOnTop::RaiseTools() {
    // In their own order, so raising them keeps the one on top on top.
    for (QMdiSubWindow* window : area_->subWindowList(QMdiArea::StackingOrder))
        if (std::find(tools_.begin(), tools_.end(), window) != tools_.end()) window->raise();
}

TmvFirstLayout FirstStartLayout(QSize browser, QSize surface, QSize palette, QSize menuEditor,
                                QSize area) {
    TmvFirstLayout l;
    l.Browser = QPoint(0, 0);
    l.Surface = QPoint(browser.width() + kGap, 0);
    int right = l.Surface.x() + surface.width();
    int bottom = surface.height();
    if (!palette.isEmpty()) {
        l.Palette = QPoint(right + kGap, 0);
        right = l.Palette.x() + palette.width();
        bottom = std::max(bottom, palette.height());
    }
    if (right + kGap + menuEditor.width() <= area.width())
        l.MenuEditor = QPoint(right + kGap, 0);
    else
        l.MenuEditor = QPoint(l.Surface.x(), bottom + kGap);
    return l;
}

QPoint PlaceInView(const QRect& frame, int captionHeight, QSize area) {
    const QRect caption(frame.topLeft(),
                        QSize(std::min(frame.width(), kCaptionInView), captionHeight));
    if (QRect(QPoint(0, 0), area).contains(caption)) return frame.topLeft();
    return QPoint(std::clamp(frame.x(), 0, std::max(0, area.width() - frame.width())),
                  std::clamp(frame.y(), 0, std::max(0, area.height() - frame.height())));
}
