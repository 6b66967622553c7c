#include "surface/mvHintWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

TmvHintWindow::TmvHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("DragHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(hint_.Size());
}

void TmvHintWindow::SetText(const QString& text) {
    if (text == hint_.Text()) return;
    hint_.SetText(text);
    resize(hint_.Size());
    update();
}

QPoint HintPlace(const QPoint& cursor, const QSize& size, const QRect& screen) {
    constexpr int gap = 15;
    int x = cursor.x() + gap;
    if (x + size.width() > screen.right() + 1) x = cursor.x() - gap - size.width();
    const int y = std::min(cursor.y(), screen.bottom() + 1 - size.height());
    return QPoint(std::max(x, screen.left()), std::max(y, screen.top()));
}

void TmvHintWindow::ShowBeside(const QPoint& globalCursor) {
    const QScreen* screen = QGuiApplication::screenAt(globalCursor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    move(screen ? HintPlace(globalCursor, size(), screen->geometry())
                : globalCursor + QPoint(15, 0));
    if (!isVisible()) show();
}

void TmvHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    hint_.Paint(painter);
}
