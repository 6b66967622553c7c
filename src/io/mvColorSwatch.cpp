#include "io/mvColorSwatch.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/mvColorRef.h"

TmvColorSwatch::TmvColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(40, 20);
}

int TmvColorSwatch::ColorRef() const {
    return ColorRefFromColor(color_);
}

void TmvColorSwatch::SetColorRef(int value) {
    const QColor color = ColorFromColorRef(value);
    if (color == color_) return;
    color_ = color;
    update();
    emit ColorChanged();
}

std::function<QColor(const QColor&, QWidget*)>& TmvColorSwatch::ChooseColor() {
    static std::function<QColor(const QColor&, QWidget*)> choose = [](const QColor& current,
                                                                      QWidget* owner) {
        return QColorDialog::getColor(current, owner);
    };
    return choose;
}

void TmvColorSwatch::ChooseClick() {
    const QColor chosen = ChooseColor() ? ChooseColor()(color_, this) : QColor();
    if (chosen.isValid()) SetColorRef(ColorRefFromColor(chosen));
}

void TmvColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect().adjusted(1, 1, -1, -1), color_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TmvColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        ChooseClick();
    else
        QFrame::mouseReleaseEvent(event);
}

void TmvColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        ChooseClick();
    else
        QFrame::keyPressEvent(event);
}
