#pragma once
// The "Defaults" page of the preferences: the per-type control defaults of a working copy, one
// type at a time. The common fields sit above an "Advanced Styles" stack with one sheet per
// type (its own tabs hidden) that follows the chosen type. Every change goes at once into the
// working record of the shown type; nothing reaches the live records until the dialog applies.
#include <QWidget>
#include <vector>

#include "surface/mvControlDefaults.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QStackedWidget;
class TmvNumberEdit;

class TmvDefaultsEditor : public QWidget {
    Q_OBJECT
public:
    explicit TmvDefaultsEditor(QWidget* parent = nullptr);

    // A new working copy; the editor shows the type chosen in DefaultComboType.
    void SetRecords(const ControlDefaultsSet& records);
    const ControlDefaultsSet& Records() const { return records_; }
    // Shows a type's working record (what choosing it in DefaultComboType does).
    void ShowType(int type);
    int ShownType() const { return shownType_; }

    QComboBox* DefaultComboType;
    QCheckBox* DefaultEnabled;
    QLabel* lblGenType;
    QComboBox* DefaultGenType;
    QLabel* lblAlignIndex;
    QComboBox* DefaultAlignIndex;
    TmvNumberEdit* DefaultWidth;
    TmvNumberEdit* DefaultHeight;
    QCheckBox* DefaultUseX;
    QCheckBox* DefaultUseY;
    QCheckBox* DefaultDimenDBU;
    QCheckBox* DefaultHide;
    QCheckBox* DefaultDisable;
    QCheckBox* DefaultGroup;
    QCheckBox* DefaultResult;

    // "Advanced Styles": one sheet per type code.
    QStackedWidget* AdvancedStyles;
    QCheckBox* DefaultDefault;
    QCheckBox* DefaultFlat;
    QCheckBox* DefaultMultiButton;
    QCheckBox* DefaultRead;
    QCheckBox* DefaultPass;
    QCheckBox* DefaultMulti;
    QCheckBox* DefaultReturn;
    QCheckBox* DefaultAutoHS;
    QCheckBox* DefaultAutoVS;
    QCheckBox* DefaultHSBarEdit;
    QCheckBox* DefaultVSBarEdit;
    TmvNumberEdit* DefaultLimit;
    QCheckBox* DefaultSortCombo;
    QCheckBox* DefaultEdit;
    QCheckBox* DefaultSizeCombo;
    QCheckBox* DefaultHSBarCombo;
    QCheckBox* DefaultVSBarCombo;
    TmvNumberEdit* DefaultLimitCombo;
    QCheckBox* DefaultSortList;
    QCheckBox* DefaultExtSel;
    QCheckBox* DefaultSizeList;
    QCheckBox* DefaultHSBarList;
    QCheckBox* DefaultVSBarList;
    TmvNumberEdit* DefaultRange;
    TmvNumberEdit* DefaultRange2;
    QCheckBox* DefaultAutoSizeLink;
    QCheckBox* DefaultAutoSizeText;
    QCheckBox* DefaultNoWrap;
    QCheckBox* DefaultState3;
    QCheckBox* DefaultCheckFlat;
    QCheckBox* DefaultNoBorder;
    QCheckBox* DefaultRadioFlat;

private:
    using BoolField = bool ControlDefaults::*;
    using IntField = int ControlDefaults::*;

    QWidget* BuildCommonPart();
    QWidget* BuildSheets();
    QWidget* NewSheet(int type);
    QCheckBox* Check(const QString& caption, BoolField field, QWidget* parent);
    TmvNumberEdit* Number(IntField field, int minimum, int maximum, QWidget* parent);
    void FillListCombo(QComboBox* combo, QLabel* label, const QStringList& names, int index);
    void KindChosen(int index);
    void AlignmentChosen(int index);
    ControlDefaults& Shown() { return records_[size_t(shownType_)]; }

    ControlDefaultsSet records_;
    int shownType_ = 0;
    bool filling_ = false; // the editor is being filled: changes are not stored
    std::vector<std::pair<QCheckBox*, BoolField>> checks_;
    std::vector<std::pair<TmvNumberEdit*, IntField>> numbers_;
};
