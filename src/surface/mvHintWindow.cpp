#include "surface/mvHintWindow.h"

#include <QPainter>

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

void TmvHintWindow::ShowBeside(const QPoint& globalCursor) {
    move(globalCursor + QPoint(15, 0));
    if (!isVisible()) show();
}

void TmvHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    hint_.Paint(painter);
}
