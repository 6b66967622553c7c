#include "app/mvStatusWindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <cmath>

TStatusWindow::TStatusWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Status"));
    resize(363, 177);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    lstStatus = new QListWidget(this);
    lstStatus->setUniformItemSizes(true);
    layout->addWidget(lstStatus, 1);
    panProgress = new QFrame(this);
    panProgress->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panProgress->setFixedHeight(15);
    layout->addWidget(panProgress);
    lblProgress = new QLabel(panProgress);
    lblProgress->setAutoFillBackground(true);
    QPalette palette = lblProgress->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    lblProgress->setPalette(palette);
    ClearStatus();
}

void TStatusWindow::ClearStatus() {
    lstStatus->clear();
    SetStatusProgress(0);
}

void TStatusWindow::ShowStatus() {
    emit ShowRequested();
    show();
    raise();
}

void TStatusWindow::HideStatus() {
    emit HideRequested();
}

void TStatusWindow::AddStatusLine(const QString& line) {
    lstStatus->addItem(line);
    lstStatus->scrollToBottom();
    // Long work runs on this thread: paint now so progress is visible while it goes on.
    if (isVisible()) lstStatus->repaint();
}

void TStatusWindow::SetStatusProgress(int percent) {
    percent_ = qBound(0, percent, 100);
    PlaceBar();
    if (isVisible()) panProgress->repaint();
}

void TStatusWindow::PlaceBar() {
    if (percent_ <= 0) {
        lblProgress->hide();
        return;
    }
    const QRect client = panProgress->rect().adjusted(2, 2, -2, -2);
    const double width = percent_ / 100.0 * panProgress->width() - 4;
    lblProgress->setGeometry(client.x(), client.y(), int(std::nearbyint(width)), client.height());
    lblProgress->show();
}

QRect TStatusWindow::ProgressRect() const {
    return lblProgress->isHidden() ? QRect() : lblProgress->geometry();
}

QStringList TStatusWindow::Lines() const {
    QStringList lines;
    for (int i = 0; i < lstStatus->count(); ++i)
        lines << lstStatus->item(i)->text();
    return lines;
}

void TStatusWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceBar();
}
