#include "surface/mvAlignDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/mvEdits.h"
#include "surface/mvDialogDocument.h"

namespace {
QRadioButton* Radio(const char* name, const QString& caption, QWidget* parent) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(QString::fromLatin1(name));
    return radio;
}

TmvNumberEdit* Number(const char* name, QWidget* parent) {
    auto* edit = new TmvNumberEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->SetValue(0);
    edit->setFixedWidth(56);
    return edit;
}

// A group of radio buttons, one a row, some with a number edit beside them; the first is
// checked.
QGroupBox* Group(const QString& title, const std::vector<std::pair<QRadioButton*, QWidget*>>& rows,
                 QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QGridLayout(box);
    auto* exclusive = new QButtonGroup(box);
    int row = 0;
    for (const auto& [radio, extra] : rows) {
        radio->setParent(box);
        exclusive->addButton(radio);
        layout->addWidget(radio, row, 0);
        if (extra) {
            extra->setParent(box);
            layout->addWidget(extra, row, 1);
        }
        ++row;
    }
    layout->setRowStretch(row, 1);
    rows.front().first->setChecked(true);
    return box;
}

QWidget* TwoGroups(QGroupBox* left, QGroupBox* right) {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(left);
    layout->addWidget(right);
    return page;
}

TmvSpacing SpacingOf(const QRadioButton* equal, const QRadioButton* remove,
                     const QRadioButton* increase, const QRadioButton* decrease) {
    if (equal->isChecked()) return TmvSpacing::Equal;
    if (remove->isChecked()) return TmvSpacing::Remove;
    if (increase->isChecked()) return TmvSpacing::Increase;
    if (decrease->isChecked()) return TmvSpacing::Decrease;
    return TmvSpacing::NoChange;
}

TmvSizing SizingOf(const QRadioButton* shrink, const QRadioButton* grow,
                   const QRadioButton* exact) {
    if (shrink->isChecked()) return TmvSizing::ShrinkToSmallest;
    if (grow->isChecked()) return TmvSizing::GrowToLargest;
    if (exact->isChecked()) return TmvSizing::Exact;
    return TmvSizing::NoChange;
}
} // namespace

TAlignDialog::TAlignDialog(DialogDocument& doc, int page, QWidget* parent)
    : QDialog(parent), doc_(doc), lists_(BuildAlignLists(doc)) {
    setObjectName(QStringLiteral("AlignDialog"));
    setWindowTitle(QStringLiteral("Control Positioning and Sizing"));
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addTab(BuildAlignmentPage(), QStringLiteral("Alignment"));
    Pages->addTab(BuildSpacingPage(), QStringLiteral("Spacing"));
    Pages->addTab(BuildSizingPage(), QStringLiteral("Sizing"));
    Pages->setCurrentIndex(page >= 0 && page < Pages->count() ? page : 0);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    ApplyButton = new QPushButton(QStringLiteral("&Apply"), this);
    ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ApplyButton, &QPushButton::clicked, this, &TAlignDialog::Apply);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addWidget(ApplyButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    layout->addLayout(buttons);
}

QWidget* TAlignDialog::BuildAlignmentPage() {
    halNoChange = Radio("halNoChange", QStringLiteral("No change"), this);
    halLeft = Radio("halLeft", QStringLiteral("Left sides"), this);
    halMiddle = Radio("halMiddle", QStringLiteral("Middles"), this);
    halRight = Radio("halRight", QStringLiteral("Right sides"), this);
    halCenter = Radio("halCenter", QStringLiteral("Center horizontally"), this);
    valNoChange = Radio("valNoChange", QStringLiteral("No change"), this);
    valTop = Radio("valTop", QStringLiteral("Tops"), this);
    valMiddle = Radio("valMiddle", QStringLiteral("Middles"), this);
    valBottom = Radio("valBottom", QStringLiteral("Bottoms"), this);
    valCenter = Radio("valCenter", QStringLiteral("Center vertically"), this);
    return TwoGroups(Group(QStringLiteral("Horizontal"),
                           {{halNoChange, nullptr},
                            {halLeft, nullptr},
                            {halMiddle, nullptr},
                            {halRight, nullptr},
                            {halCenter, nullptr}},
                           this),
                     Group(QStringLiteral("Vertical"),
                           {{valNoChange, nullptr},
                            {valTop, nullptr},
                            {valMiddle, nullptr},
                            {valBottom, nullptr},
                            {valCenter, nullptr}},
                           this));
}

QWidget* TAlignDialog::BuildSpacingPage() {
    hspNoChange = Radio("hspNoChange", QStringLiteral("No change"), this);
    hspEqual = Radio("hspEqual", QStringLiteral("Space equally"), this);
    hspRemove = Radio("hspRemove", QStringLiteral("Remove spacing"), this);
    hspIncrease = Radio("hspIncrease", QStringLiteral("Increase by:"), this);
    hspDecrease = Radio("hspDecrease", QStringLiteral("Decrease by:"), this);
    vspNoChange = Radio("vspNoChange", QStringLiteral("No change"), this);
    vspEqual = Radio("vspEqual", QStringLiteral("Space equally"), this);
    vspRemove = Radio("vspRemove", QStringLiteral("Remove spacing"), this);
    vspIncrease = Radio("vspIncrease", QStringLiteral("Increase by:"), this);
    vspDecrease = Radio("vspDecrease", QStringLiteral("Decrease by:"), this);
    hspIncreaseNum = Number("hspIncreaseNum", this);
    hspDecreaseNum = Number("hspDecreaseNum", this);
    vspIncreaseNum = Number("vspIncreaseNum", this);
    vspDecreaseNum = Number("vspDecreaseNum", this);
    return TwoGroups(Group(QStringLiteral("Horizontal"),
                           {{hspNoChange, nullptr},
                            {hspEqual, nullptr},
                            {hspRemove, nullptr},
                            {hspIncrease, hspIncreaseNum},
                            {hspDecrease, hspDecreaseNum}},
                           this),
                     Group(QStringLiteral("Vertical"),
                           {{vspNoChange, nullptr},
                            {vspEqual, nullptr},
                            {vspRemove, nullptr},
                            {vspIncrease, vspIncreaseNum},
                            {vspDecrease, vspDecreaseNum}},
                           this));
}

QWidget* TAlignDialog::BuildSizingPage() {
    wszNoChange = Radio("wszNoChange", QStringLiteral("No change"), this);
    wszShrink = Radio("wszShrink", QStringLiteral("Shrink to smallest"), this);
    wszGrow = Radio("wszGrow", QStringLiteral("Grow to largest"), this);
    wszWidth = Radio("wszWidth", QStringLiteral("Width:"), this);
    hszNoChange = Radio("hszNoChange", QStringLiteral("No change"), this);
    hszShrink = Radio("hszShrink", QStringLiteral("Shrink to smallest"), this);
    hszGrow = Radio("hszGrow", QStringLiteral("Grow to largest"), this);
    hszHeight = Radio("hszHeight", QStringLiteral("Height:"), this);
    wszWidthNum = Number("wszWidthNum", this);
    hszHeightNum = Number("hszHeightNum", this);
    return TwoGroups(Group(QStringLiteral("Width"),
                           {{wszNoChange, nullptr},
                            {wszShrink, nullptr},
                            {wszGrow, nullptr},
                            {wszWidth, wszWidthNum}},
                           this),
                     Group(QStringLiteral("Height"),
                           {{hszNoChange, nullptr},
                            {hszShrink, nullptr},
                            {hszGrow, nullptr},
                            {hszHeight, hszHeightNum}},
                           this));
}

TmvHorizontalAlign TAlignDialog::HorizontalAlign() const {
    if (halLeft->isChecked()) return TmvHorizontalAlign::LeftSides;
    if (halMiddle->isChecked()) return TmvHorizontalAlign::Middles;
    if (halRight->isChecked()) return TmvHorizontalAlign::RightSides;
    if (halCenter->isChecked()) return TmvHorizontalAlign::Center;
    return TmvHorizontalAlign::NoChange;
}

TmvVerticalAlign TAlignDialog::VerticalAlign() const {
    if (valTop->isChecked()) return TmvVerticalAlign::Tops;
    if (valMiddle->isChecked()) return TmvVerticalAlign::Middles;
    if (valBottom->isChecked()) return TmvVerticalAlign::Bottoms;
    if (valCenter->isChecked()) return TmvVerticalAlign::Center;
    return TmvVerticalAlign::NoChange;
}

void TAlignDialog::Apply() {
    if (!doc_.Selection.empty()) {
        switch (Pages->currentIndex()) {
        case AlignmentPage:
            AlignSelection(doc_, lists_, HorizontalAlign(), VerticalAlign());
            break;
        case SpacingPage: {
            const TmvSpacing h = SpacingOf(hspEqual, hspRemove, hspIncrease, hspDecrease);
            const TmvSpacing v = SpacingOf(vspEqual, vspRemove, vspIncrease, vspDecrease);
            SpaceSelection(
                doc_, lists_, h,
                h == TmvSpacing::Decrease ? hspDecreaseNum->Value() : hspIncreaseNum->Value(), v,
                v == TmvSpacing::Decrease ? vspDecreaseNum->Value() : vspIncreaseNum->Value());
            break;
        }
        case SizingPage:
            SizeSelection(doc_, SizingOf(wszShrink, wszGrow, wszWidth), wszWidthNum->Value(),
                          SizingOf(hszShrink, hszGrow, hszHeight), hszHeightNum->Value());
            break;
        }
        doc_.LayoutChanged(); // the properties browser shows the new values
        doc_.RepaintSurface();
    }
    for (TmvNumberEdit* edit : {hspIncreaseNum, hspDecreaseNum, vspIncreaseNum, vspDecreaseNum})
        edit->SetValue(0);
}

void TAlignDialog::accept() {
    Apply();
    QDialog::accept();
}
