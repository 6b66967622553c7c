#include "io/mvDefaultsEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <climits>

#include "model/mvEdits.h"
#include "model/mvScrollAlignment.h"

namespace {
// Sizes beyond this are no dialog's.
constexpr int kMaxDefaultSize = 32767;
} // namespace

TmvDefaultsEditor::TmvDefaultsEditor(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildCommonPart());
    layout->addWidget(BuildSheets(), 1);
    SetRecords(ControlDefaultsSet());
}

QCheckBox* TmvDefaultsEditor::Check(const QString& caption, BoolField field, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    checks_.emplace_back(box, field);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        if (!filling_) Shown().*field = on;
    });
    return box;
}

TmvNumberEdit* TmvDefaultsEditor::Number(IntField field, int minimum, int maximum,
                                         QWidget* parent) {
    auto* edit = new TmvNumberEdit(parent);
    edit->SetRange(minimum, maximum);
    numbers_.emplace_back(edit, field);
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field] {
        if (!filling_) Shown().*field = edit->Value();
    });
    // Leaving the box shows the value that is kept.
    connect(edit, &TmvNumberEdit::NeedsUpdate, this, [this, edit, field] {
        if (filling_) return;
        filling_ = true;
        edit->SetValue(Shown().*field);
        filling_ = false;
    });
    return edit;
}

QWidget* TmvDefaultsEditor::BuildCommonPart() {
    using D = ControlDefaults;
    auto* part = new QWidget(this);
    auto* grid = new QGridLayout(part);
    grid->setContentsMargins(0, 0, 0, 0);

    DefaultEnabled = Check(QStringLiteral("Use default settings for:"), &D::Enabled, part);
    DefaultComboType = new QComboBox(part);
    DefaultComboType->setObjectName(QStringLiteral("DefaultComboType"));
    for (int type = 0; type < kControlTypeCount; ++type)
        DefaultComboType->addItem(ControlKeyword(type));
    connect(DefaultComboType, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowType(index); });
    grid->addWidget(DefaultEnabled, 0, 0, 1, 2);
    grid->addWidget(DefaultComboType, 0, 2, 1, 2);

    lblGenType = new QLabel(QStringLiteral("Type:"), part);
    DefaultGenType = new QComboBox(part);
    lblGenType->setBuddy(DefaultGenType);
    lblAlignIndex = new QLabel(QStringLiteral("Align:"), part);
    DefaultAlignIndex = new QComboBox(part);
    lblAlignIndex->setBuddy(DefaultAlignIndex);
    connect(DefaultGenType, &QComboBox::currentIndexChanged, this, &TmvDefaultsEditor::KindChosen);
    connect(DefaultAlignIndex, &QComboBox::currentIndexChanged, this,
            &TmvDefaultsEditor::AlignmentChosen);
    grid->addWidget(lblGenType, 1, 0);
    grid->addWidget(DefaultGenType, 1, 1);
    grid->addWidget(lblAlignIndex, 1, 2);
    grid->addWidget(DefaultAlignIndex, 1, 3);

    auto* size = new QGroupBox(QStringLiteral("Size"), part);
    auto* sizeGrid = new QGridLayout(size);
    DefaultUseX = Check(QStringLiteral("Width:"), &D::UseX, size);
    DefaultWidth = Number(&D::Width, 1, kMaxDefaultSize, size);
    DefaultUseY = Check(QStringLiteral("Height:"), &D::UseY, size);
    DefaultHeight = Number(&D::Height, 1, kMaxDefaultSize, size);
    DefaultDimenDBU = Check(QStringLiteral("In dialog units (DBU)"), &D::DimenDBU, size);
    sizeGrid->addWidget(DefaultUseX, 0, 0);
    sizeGrid->addWidget(DefaultWidth, 0, 1);
    sizeGrid->addWidget(DefaultUseY, 1, 0);
    sizeGrid->addWidget(DefaultHeight, 1, 1);
    sizeGrid->addWidget(DefaultDimenDBU, 2, 0, 1, 2);

    auto* styles = new QGroupBox(QStringLiteral("Styles"), part);
    auto* stylesGrid = new QGridLayout(styles);
    DefaultDisable = Check(QStringLiteral("Disabled"), &D::StylesDisable, styles);
    DefaultHide = Check(QStringLiteral("Hidden"), &D::StylesHide, styles);
    DefaultGroup = Check(QStringLiteral("Group"), &D::StylesGroup, styles);
    DefaultResult = Check(QStringLiteral("Result"), &D::StylesResult, styles);
    stylesGrid->addWidget(DefaultDisable, 0, 0);
    stylesGrid->addWidget(DefaultHide, 0, 1);
    stylesGrid->addWidget(DefaultGroup, 1, 0);
    stylesGrid->addWidget(DefaultResult, 1, 1);

    grid->addWidget(size, 2, 0, 1, 2);
    grid->addWidget(styles, 2, 2, 1, 2);
    return part;
}

QWidget* TmvDefaultsEditor::NewSheet(int type) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("sheet_") + ControlKeyword(type));
    AdvancedStyles->insertWidget(type, sheet);
    new QGridLayout(sheet);
    return sheet;
}

QWidget* TmvDefaultsEditor::BuildSheets() {
    using D = ControlDefaults;
    auto* group = new QGroupBox(QStringLiteral("Advanced Styles"), this);
    auto* layout = new QVBoxLayout(group);
    AdvancedStyles = new QStackedWidget(group);
    AdvancedStyles->setObjectName(QStringLiteral("AdvancedStyles"));
    layout->addWidget(AdvancedStyles);

    // Every type gets a sheet, in type order; box and tab keep theirs empty.
    QWidget* sheets[kControlTypeCount];
    for (int type = 0; type < kControlTypeCount; ++type)
        sheets[type] = NewSheet(type);
    const auto place = [&](int type, QWidget* widget, int row, int column) {
        static_cast<QGridLayout*>(sheets[type]->layout())->addWidget(widget, row, column);
    };
    // Boxes one below the other in a column of a sheet.
    const auto column = [&](int type, int at, std::initializer_list<QWidget*> boxes) {
        int row = 0;
        for (QWidget* box : boxes)
            place(type, box, row++, at);
    };
    const auto limitRow = [&](int type, TmvNumberEdit* edit, int row) {
        auto* label = new QLabel(QStringLiteral("Limit:"), sheets[type]);
        label->setBuddy(edit);
        auto* line = new QHBoxLayout;
        line->addWidget(label);
        line->addWidget(edit);
        static_cast<QGridLayout*>(sheets[type]->layout())->addLayout(line, row, 0);
    };

    QWidget* s = sheets[ctButton];
    DefaultDefault = Check(QStringLiteral("Default Button"), &D::StylesDefault, s);
    DefaultFlat = Check(QStringLiteral("Flat Appearance"), &D::StylesFlat, s);
    DefaultMultiButton = Check(QStringLiteral("Multi-line"), &D::StylesMulti, s);
    column(ctButton, 0, {DefaultDefault, DefaultFlat, DefaultMultiButton});

    s = sheets[ctEdit];
    DefaultRead = Check(QStringLiteral("Read Only"), &D::StylesRead, s);
    DefaultPass = Check(QStringLiteral("Password"), &D::StylesPass, s);
    DefaultMulti = Check(QStringLiteral("Multi-line"), &D::StylesMulti, s);
    DefaultReturn = Check(QStringLiteral("Allow Return"), &D::StylesReturn, s);
    DefaultAutoHS = Check(QStringLiteral("Auto HScroll"), &D::StylesAutoHS, s);
    DefaultAutoVS = Check(QStringLiteral("Auto VScroll"), &D::StylesAutoVS, s);
    DefaultHSBarEdit = Check(QStringLiteral("Horz. Scrollbar"), &D::StylesHSBar, s);
    DefaultVSBarEdit = Check(QStringLiteral("Vert. Scrollbar"), &D::StylesVSBar, s);
    DefaultLimit = Number(&D::StylesLimit, 0, INT_MAX, s);
    column(ctEdit, 0, {DefaultRead, DefaultPass, DefaultMulti, DefaultReturn});
    column(ctEdit, 1, {DefaultAutoHS, DefaultAutoVS, DefaultHSBarEdit, DefaultVSBarEdit});
    limitRow(ctEdit, DefaultLimit, 4);

    s = sheets[ctCombo];
    DefaultSortCombo = Check(QStringLiteral("Sorted"), &D::StylesSort, s);
    DefaultEdit = Check(QStringLiteral("Editable"), &D::StylesEdit, s);
    DefaultSizeCombo = Check(QStringLiteral("Force Size"), &D::StylesSize, s);
    DefaultHSBarCombo = Check(QStringLiteral("Horz. Scrollbar"), &D::StylesHSBar, s);
    DefaultVSBarCombo = Check(QStringLiteral("Vert. Scrollbar"), &D::StylesVSBar, s);
    DefaultLimitCombo = Number(&D::StylesLimit, 0, INT_MAX, s);
    column(ctCombo, 0, {DefaultSortCombo, DefaultEdit, DefaultSizeCombo});
    column(ctCombo, 1, {DefaultHSBarCombo, DefaultVSBarCombo});
    limitRow(ctCombo, DefaultLimitCombo, 3);

    s = sheets[ctList];
    DefaultSortList = Check(QStringLiteral("Sorted"), &D::StylesSort, s);
    DefaultExtSel = Check(QStringLiteral("Extended Select"), &D::StylesExtSel, s);
    DefaultSizeList = Check(QStringLiteral("Force Size"), &D::StylesSize, s);
    DefaultHSBarList = Check(QStringLiteral("Horz. Scrollbar"), &D::StylesHSBar, s);
    DefaultVSBarList = Check(QStringLiteral("Vert. Scrollbar"), &D::StylesVSBar, s);
    column(ctList, 0, {DefaultSortList, DefaultExtSel, DefaultSizeList});
    column(ctList, 1, {DefaultHSBarList, DefaultVSBarList});

    s = sheets[ctScroll];
    DefaultRange = Number(&D::StylesRange, 0, INT_MAX, s);
    DefaultRange2 = Number(&D::StylesRange2, 0, INT_MAX, s);
    auto* rangeLabel = new QLabel(QStringLiteral("Range:"), s);
    rangeLabel->setBuddy(DefaultRange);
    place(ctScroll, rangeLabel, 0, 0);
    place(ctScroll, DefaultRange, 0, 1);
    place(ctScroll, DefaultRange2, 0, 2);

    DefaultAutoSizeLink =
        Check(QStringLiteral("Auto-fit Width"), &D::StylesAutoSize, sheets[ctLink]);
    place(ctLink, DefaultAutoSizeLink, 0, 0);

    DefaultAutoSizeText =
        Check(QStringLiteral("Auto-fit Width"), &D::StylesAutoSize, sheets[ctText]);
    DefaultNoWrap = Check(QStringLiteral("No Wordwrap"), &D::StylesNoWrap, sheets[ctText]);
    column(ctText, 0, {DefaultAutoSizeText, DefaultNoWrap});

    DefaultState3 = Check(QStringLiteral("3 State"), &D::StylesState3, sheets[ctCheck]);
    DefaultCheckFlat = Check(QStringLiteral("Flat"), &D::StylesFlat, sheets[ctCheck]);
    column(ctCheck, 0, {DefaultState3, DefaultCheckFlat});

    DefaultNoBorder = Check(QStringLiteral("No Border"), &D::StylesNoBorder, sheets[ctIcon]);
    place(ctIcon, DefaultNoBorder, 0, 0);

    DefaultRadioFlat = Check(QStringLiteral("Flat"), &D::StylesFlat, sheets[ctRadio]);
    place(ctRadio, DefaultRadioFlat, 0, 0);

    // Each sheet's boxes sit at its top left.
    for (QWidget* sheet : sheets) {
        auto* grid = static_cast<QGridLayout*>(sheet->layout());
        grid->setRowStretch(grid->rowCount(), 1);
        grid->setColumnStretch(grid->columnCount(), 1);
    }
    return group;
}

void TmvDefaultsEditor::SetRecords(const ControlDefaultsSet& records) {
    records_ = records;
    ShowType(DefaultComboType->currentIndex());
}

void TmvDefaultsEditor::FillListCombo(QComboBox* combo, QLabel* label, const QStringList& names,
                                      int index) {
    combo->clear();
    combo->addItems(names);
    combo->setEnabled(!names.isEmpty());
    label->setEnabled(!names.isEmpty());
    if (!names.isEmpty()) combo->setCurrentIndex(qBound(0, index, int(names.size()) - 1));
}

void TmvDefaultsEditor::ShowType(int type) {
    if (type < 0 || type >= kControlTypeCount) return;
    filling_ = true;
    shownType_ = type;
    {
        const QSignalBlocker quiet(DefaultComboType);
        DefaultComboType->setCurrentIndex(type);
    }
    const ControlDefaults& record = records_[size_t(type)];
    for (const auto& [box, field] : checks_)
        box->setChecked(record.*field);
    for (const auto& [edit, field] : numbers_)
        edit->SetValue(record.*field);
    FillListCombo(DefaultGenType, lblGenType, KindNames(type), record.GenType);
    FillListCombo(DefaultAlignIndex, lblAlignIndex, AlignmentNames(type), record.AlignIndex);
    AdvancedStyles->setCurrentIndex(type);
    filling_ = false;
}

void TmvDefaultsEditor::KindChosen(int index) {
    if (filling_ || index < 0) return;
    ControlDefaults& record = Shown();
    record.GenType = index;
    if (shownType_ != ctScroll) return;
    record.AlignIndex = ConsistentScrollAlignment(record.GenType, record.AlignIndex);
    filling_ = true;
    DefaultAlignIndex->setCurrentIndex(record.AlignIndex);
    filling_ = false;
}

void TmvDefaultsEditor::AlignmentChosen(int index) {
    if (filling_ || index < 0) return;
    ControlDefaults& record = Shown();
    record.AlignIndex = index;
    if (shownType_ != ctScroll) return;
    record.GenType = ScrollKindOfAlignment(index);
    filling_ = true;
    DefaultGenType->setCurrentIndex(record.GenType);
    filling_ = false;
}
