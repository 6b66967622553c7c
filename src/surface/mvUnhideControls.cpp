#include "surface/mvUnhideControls.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/mvControls.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvZOrder.h"

TUnhideControls::TUnhideControls(DialogDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), controls_(doc.HiddenControls) {
    setObjectName(QStringLiteral("UnhideControls"));
    setWindowTitle(QStringLiteral("Unhide Controls"));
    auto* label = new QLabel(QStringLiteral("&Controls currently hidden:"), this);
    HiddenList = new QListWidget(this);
    HiddenList->setObjectName(QStringLiteral("HiddenList"));
    HiddenList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    label->setBuddy(HiddenList);
    for (const TmvControl* control : controls_)
        HiddenList->addItem(ControlListText(*control));

    UnhideButton = new QPushButton(QStringLiteral("Unhide"), this);
    UnhideButton->setObjectName(QStringLiteral("UnhideButton"));
    UnhideButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(UnhideButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(CancelButton, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(HiddenList);
    layout->addWidget(buttons);
    resize(260, 280);
}

void TUnhideControls::accept() {
    bool any = false;
    for (int row = 0; row < HiddenList->count(); ++row)
        if (HiddenList->item(row)->isSelected()) {
            UnhideControl(doc_, controls_[size_t(row)]);
            any = true;
        }
    if (any) doc_.RepaintSurface();
    QDialog::accept();
}
