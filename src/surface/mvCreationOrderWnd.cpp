#include "surface/mvCreationOrderWnd.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <utility>

#include "model/mvControls.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvRenumber.h"

namespace {
// The arrow glyphs of the Marlett font.
QPushButton* ArrowButton(const QString& glyph, const char* name, QWidget* parent) {
    auto* button = new QPushButton(glyph, parent);
    button->setObjectName(QString::fromLatin1(name));
    QFont marlett(QStringLiteral("Marlett"));
    marlett.setPointSize(10);
    button->setFont(marlett);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(24, 24);
    button->setEnabled(false);
    return button;
}
} // namespace

TCreationOrderWnd::TCreationOrderWnd(DialogDocument& doc, int container, QWidget* parent)
    : QDialog(parent), doc_(doc), container_(container) {
    setObjectName(QStringLiteral("CreationOrderWnd"));
    setWindowTitle(QStringLiteral("Control Creation Order"));
    if (const std::vector<TmvControl*>* list = doc.ContainerList(container)) order_ = *list;

    auto* label = new QLabel(QStringLiteral("&Controls created in order:"), this);
    OrderList = new QListWidget(this);
    OrderList->setObjectName(QStringLiteral("OrderList"));
    OrderList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    label->setBuddy(OrderList);
    for (const TmvControl* control : order_)
        OrderList->addItem(ControlListText(*control));
    UpButton = ArrowButton(QStringLiteral("5"), "UpButton", this);
    DownButton = ArrowButton(QStringLiteral("6"), "DownButton", this);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OkButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelButton, QDialogButtonBox::RejectRole);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(OrderList, 1, 0, 3, 1);
    layout->addWidget(UpButton, 1, 1);
    layout->addWidget(DownButton, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    resize(280, 320);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(UpButton, &QPushButton::clicked, this, &TCreationOrderWnd::MoveUp);
    connect(DownButton, &QPushButton::clicked, this, &TCreationOrderWnd::MoveDown);
    connect(OrderList, &QListWidget::itemSelectionChanged, this, &TCreationOrderWnd::UpdateButtons);
    UpdateButtons();
}

std::vector<bool> TCreationOrderWnd::Chosen() const {
    std::vector<bool> chosen(order_.size());
    for (int row = 0; row < OrderList->count(); ++row)
        chosen[size_t(row)] = OrderList->item(row)->isSelected();
    return chosen;
}

void TCreationOrderWnd::UpdateButtons() {
    const std::vector<bool> chosen = Chosen();
    bool any = false;
    for (const bool c : chosen)
        any = any || c;
    UpButton->setEnabled(any && !chosen.front());
    DownButton->setEnabled(any && !chosen.back());
}

void TCreationOrderWnd::MoveUp() {
    Move(-1);
}

void TCreationOrderWnd::MoveDown() {
    Move(1);
}

void TCreationOrderWnd::Move(int direction) {
    std::vector<bool> chosen = Chosen();
    const int count = int(order_.size());
    // Walking towards the far end lets a block of chosen entries move one after the other.
    for (int k = 1; k < count; ++k) {
        const int i = direction < 0 ? k : count - 1 - k;
        const int j = i + direction;
        if (chosen[size_t(i)] && !chosen[size_t(j)]) {
            std::swap(order_[size_t(i)], order_[size_t(j)]);
            chosen[size_t(i)] = false;
            chosen[size_t(j)] = true;
        }
    }
    // The list repaints once, after the walk.
    OrderList->setUpdatesEnabled(false);
    const QSignalBlocker quiet(OrderList);
    for (int row = 0; row < count; ++row) {
        QListWidgetItem* item = OrderList->item(row);
        item->setText(ControlListText(*order_[size_t(row)]));
        item->setSelected(chosen[size_t(row)]);
    }
    OrderList->setUpdatesEnabled(true);
    UpdateButtons();
}

void TCreationOrderWnd::accept() {
    ApplyCreationOrder(doc_, container_, order_);
    QDialog::accept();
}
