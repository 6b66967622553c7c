// The design surface's tab-order mode: the badges with each control's place, the clicks that
// give the places, and Escape. The places themselves are kept by TmvTabOrderSequence.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRenumber.h"
#include "surface/mvRepaintRegion.h"
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
        badgePictures_.clear();
        CurrentControlChanged(doc_.CurrentControl);
    }
    update();
    emit TabOrderModeChanged(on);
}

namespace {
// A badge is as wide as its number (the font's digits are all as wide), at least 16 pixels.
QSize BadgeSize(int place) {
    static const QFontMetrics metrics(BadgeFont());
    static const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const int digits = int(QString::number(place).size());
    return QSize(std::max(16, digits * digit + 6), metrics.height() + 2);
}

QRect BadgeAt(const TmvControl& control, int place, int clientTop) {
    return QRect(control.BoundsRect().topLeft() + QPoint(0, clientTop), BadgeSize(place));
}

// Navy once the run has given the place, pale yellow before.
QPixmap DrawBadge(int place, bool done) {
    QPixmap picture(BadgeSize(place));
    QPainter painter(&picture);
    painter.setFont(BadgeFont());
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(done ? QColor(0, 0, 128) : QColor(255, 255, 192));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.setPen(done ? QColor(255, 255, 255) : QColor(0, 0, 0));
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(place));
    return picture;
}
} // namespace

QRect TMainDialog::TabOrderBadge(const TmvControl* control) const {
    const int place = tabOrder_ && control ? tabOrder_->PlaceOf(control) : 0;
    return place > 0 ? BadgeAt(*control, place, ClientTop()) : QRect();
}

void TMainDialog::PaintTabOrderBadges(QPainter& painter, const QRegion& area) const {
    // Each badge is drawn once and copied from then on: a thousand numbers cost no text.
    const std::vector<TmvControl*>& order = tabOrder_->Order();
    const int next = tabOrder_->NextPlace();
    for (size_t i = 0; i < order.size(); ++i) {
        if (!order[i]->Visible) continue;
        const int place = int(i) + 1;
        const QRect badge = BadgeAt(*order[i], place, ClientTop());
        if (!RegionMeets(area, badge)) continue;
        const int key = place * 2 + (place < next ? 1 : 0);
        auto picture = badgePictures_.constFind(key);
        if (picture == badgePictures_.cend())
            picture = badgePictures_.insert(key, DrawBadge(place, place < next));
        painter.drawPixmap(badge.topLeft(), *picture);
    }
}

void TMainDialog::PressTabOrder(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint at = ClientPoint(event->position());
    // A badge may lie over a neighbour: it stands for its own control.
    TmvControl* clicked = nullptr;
    const std::vector<TmvControl*>& order = tabOrder_->Order();
    const QPoint pos = event->position().toPoint();
    for (size_t i = order.size(); i-- > 0 && !clicked;)
        if (order[i]->Visible && BadgeAt(*order[i], int(i) + 1, ClientTop()).contains(pos))
            clicked = order[i];
    if (!clicked) clicked = ControlAtPoint(at);
    if (!clicked) return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (tabOrder_->Click(clicked, ctrl)) {
        doc_.NameNextStep(QStringLiteral("Sıra Düzenle"));
        ApplyCreationOrder(doc_, tabOrderContainer_, tabOrder_->Order());
    }
    update();
}
