#pragma once
// "Control Positioning and Sizing": aligns, spaces and sizes the selected controls as a group
// (mvAlignment does the arithmetic). Apply runs the operation of the page showing; OK applies
// and closes; Cancel closes, keeping what an earlier Apply did.
#include <QDialog>

#include "surface/mvAlignment.h"

class DialogDocument;
class QRadioButton;
class QPushButton;
class QTabWidget;
class TmvNumberEdit;

class TAlignDialog : public QDialog {
    Q_OBJECT
public:
    enum Page { AlignmentPage = 0, SpacingPage = 1, SizingPage = 2 };
    // The ordered lists are taken from the selection now and kept while the dialog lives.
    TAlignDialog(DialogDocument& doc, int page, QWidget* parent = nullptr);

    QTabWidget* Pages;
    QRadioButton *halNoChange, *halLeft, *halMiddle, *halRight, *halCenter;
    QRadioButton *valNoChange, *valTop, *valMiddle, *valBottom, *valCenter;
    QRadioButton *hspNoChange, *hspEqual, *hspRemove, *hspIncrease, *hspDecrease;
    QRadioButton *vspNoChange, *vspEqual, *vspRemove, *vspIncrease, *vspDecrease;
    QRadioButton *wszNoChange, *wszShrink, *wszGrow, *wszWidth;
    QRadioButton *hszNoChange, *hszShrink, *hszGrow, *hszHeight;
    TmvNumberEdit *hspIncreaseNum, *hspDecreaseNum, *vspIncreaseNum, *vspDecreaseNum;
    TmvNumberEdit *wszWidthNum, *hszHeightNum;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* ApplyButton;

    // The operation of the page showing; afterwards the spacing numbers read 0 again.
    void Apply();
    void accept() override;

private:
    QWidget* BuildAlignmentPage();
    QWidget* BuildSpacingPage();
    QWidget* BuildSizingPage();
    TmvHorizontalAlign HorizontalAlign() const;
    TmvVerticalAlign VerticalAlign() const;

    DialogDocument& doc_;
    TmvAlignLists lists_;
};
