// The design surface's tab-order mode: the badges with each control's place, the clicks that
// give the places, and Escape. The places themselves are kept by TmvTabOrderSequence.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRenumber.h"
#include "surface/mvSurfaceEditState.h"
#include "surface/mvTabOrder.h"

namespace {
QFont BadgeFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(10);
    font.setBold(true);
    return font;
}
} // namespace

void TMainDialog::SetTabOrderMode(bool on) {
    if (on == TabOrderMode()) return;
    if (on) {
        if (edit_->Dragging) CancelDrag();
        if (toolArmed_) {
            DisarmTool();
            emit ReleasePalette();
        }
        TrackHot(nullptr);
        tabOrderContainer_ = CreationOrderContainer(doc_);
        const std::vector<TmvControl*>* list = doc_.ContainerList(tabOrderContainer_);
        tabOrder_ =
            std::make_unique<TmvTabOrderSequence>(list ? *list : std::vector<TmvControl*>());
        edit_->Handles->Hide();
    } else {
        tabOrder_.reset();
        CurrentControlChanged(doc_.CurrentControl);
    }
    update();
    emit TabOrderModeChanged(on);
}

QRect TMainDialog::TabOrderBadge(const TmvControl* control) const {
    if (!tabOrder_ || !control) return {};
    static const QFontMetrics metrics(BadgeFont());
    const QString text = QString::number(tabOrder_->PlaceOf(control));
    const QSize size(std::max(16, metrics.horizontalAdvance(text) + 6), metrics.height() + 2);
    return QRect(control->BoundsRect().topLeft() + QPoint(0, ClientTop()), size);
}

void TMainDialog::PaintTabOrderBadges(QPainter& painter) const {
    painter.save();
    painter.setFont(BadgeFont());
    for (const TmvControl* control : tabOrder_->Order()) {
        if (!control->Visible) continue;
        const QRect badge = TabOrderBadge(control);
        // Navy once the run has given the place, pale yellow before.
        const bool done = tabOrder_->Done(control);
        painter.setPen(QColor(0, 0, 0));
        painter.setBrush(done ? QColor(0, 0, 128) : QColor(255, 255, 192));
        painter.drawRect(badge.adjusted(0, 0, -1, -1));
        painter.setPen(done ? QColor(255, 255, 255) : QColor(0, 0, 0));
        painter.drawText(badge, Qt::AlignCenter, QString::number(tabOrder_->PlaceOf(control)));
    }
    painter.restore();
}

void TMainDialog::PressTabOrder(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = ClientPoint(event->position());
    // A badge may lie over a neighbour: it stands for its own control.
    TmvControl* clicked = nullptr;
    const std::vector<TmvControl*>& order = tabOrder_->Order();
    for (auto it = order.rbegin(); it != order.rend() && !clicked; ++it)
        if ((*it)->Visible && TabOrderBadge(*it).contains(event->position().toPoint()))
            clicked = *it;
    if (!clicked) clicked = ControlAtPoint(at);
    if (!clicked) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (tabOrder_->Click(clicked, ctrl)) {
        doc_.NameNextStep(QStringLiteral("Sıra Düzenle"));
        ApplyCreationOrder(doc_, tabOrderContainer_, tabOrder_->Order());
    }
    update();
}
