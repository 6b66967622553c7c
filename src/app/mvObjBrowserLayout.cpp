// Which boxes the browser offers for the current control, and the values it shows in them.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/mvObjBrowser.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"

namespace {
QStringList PageItems(const TmvTab* tab) {
    QStringList items;
    for (int i = 0; tab && i < tab->PageCount(); ++i)
        items << QStringLiteral("Tab %1").arg(i + 1);
    return items;
}

void SetChecked(QCheckBox* box, bool on) {
    box->setTristate(false);
    box->setChecked(on);
}

// Whether the controls differ in a value.
template <typename Get> bool Differs(const std::vector<TmvControl*>& controls, Get get) {
    for (const TmvControl* control : controls)
        if (!(get(*control) == get(*controls.front()))) return true;
    return false;
}
} // namespace

void TObjBrowser::ShowCheck(QCheckBox* box, bool on, bool differs) {
    // The third state stands for "some are, some are not"; a click leaves it for good.
    box->setTristate(differs);
    box->setCheckState(differs ? Qt::PartiallyChecked : on ? Qt::Checked : Qt::Unchecked);
}

QGroupBox* TObjBrowser::GroupOfType(int type) const {
    switch (type) {
    case ctButton:
        return grButton;
    case ctEdit:
        return grEdit;
    case ctCombo:
        return grCombo;
    case ctText:
        return grText;
    case ctList:
        return grList;
    case ctCheck:
        return grCheck;
    case ctRadio:
        return grRadio;
    case ctLink:
        return grLink;
    case ctIcon:
        return grIcon;
    case ctTab:
        return grTab;
    case ctScroll:
        return grScroll;
    default:
        return nullptr; // the group box has no styles of its own
    }
}

void TObjBrowser::EmptyBasicBoxes() {
    for (QWidget* box : basicBoxes_) {
        if (auto* list = qobject_cast<QComboBox*>(box))
            list->clear();
        else if (auto* check = qobject_cast<QCheckBox*>(box))
            check->setChecked(false);
        else if (auto* edit = qobject_cast<QLineEdit*>(box))
            Show(edit, QString());
    }
}

void TObjBrowser::FillList(QLabel* label, QComboBox* list, const QStringList& items) {
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setEnabled(true);
    label->setEnabled(true);
}

void TObjBrowser::ApplyTypeRow(int type) {
    if (!KindNames(type).isEmpty()) FillList(lblType, propsType, KindNames(type));
    if (!AlignmentNames(type).isEmpty()) FillList(lblAlign, propsAlign, AlignmentNames(type));
    const bool hasCaption = type != ctCombo && type != ctList && type != ctIcon && type != ctTab;
    if (!hasCaption) {
        lblCaption->setEnabled(false);
        propsCaption->setEnabled(false);
        propsNoQuotes->setEnabled(false);
        propsNoQuotes->setChecked(false);
    }
    if (type == ctTab) {
        lblTab->setEnabled(false);
        propsTab->clear();
        propsTab->setEnabled(false);
        grsTabActive->clear();
        grsTabActive->addItems(PageItems(doc_.TabControl));
    }
}

void TObjBrowser::RefreshBrowserLayout(TmvControl* control) {
    live_ = false;
    const bool sameType = control && SameTypeSelected();
    const int type = control ? control->ControlType : -1;
    NoStyles->setVisible(control && (type == ctBox || !sameType));
    EmptyBasicBoxes();
    for (int t = 0; t < kControlTypeCount; ++t)
        if (QGroupBox* group = GroupOfType(t)) group->setVisible(sameType && t == type);
    grDialog->setVisible(!control);
    const bool single = control && Targets().size() == 1;
    lblOtherStyles->setVisible(single);
    grsOtherStyles->setVisible(single);

    for (QWidget* off :
         std::initializer_list<QWidget*>{propsStaticID, propsID, propsName, lblName, propsType,
                                         lblType, propsAlign, lblAlign, propsTab, lblTab})
        off->setEnabled(false);
    for (QWidget* on : std::initializer_list<QWidget*>{propsCaption, lblCaption, propsNoQuotes})
        on->setEnabled(true);
    for (QWidget* style : std::initializer_list<QWidget*>{lblStyles, propsDisabled, propsResult,
                                                          propsGroup, propsHidden})
        style->setEnabled(control != nullptr);

    for (TmvNumberEdit* box : {propsPosX, propsPosY, propsSizeW, propsSizeH})
        box->setEnabled(true);
    lblPosition->setEnabled(true);
    if (control) {
        if (doc_.TabControl)
            FillList(lblTab, propsTab,
                     QStringList{QStringLiteral("None")} + PageItems(doc_.TabControl));
        if (single) {
            propsName->setEnabled(true);
            lblName->setEnabled(true);
            propsStaticID->setEnabled(true);
        }
        if (sameType) ApplyTypeRow(type);
    } else {
        propsName->setEnabled(true);
        lblName->setEnabled(true);
    }
    live_ = true;
}

void TObjBrowser::LoadBrowserValues() {
    TmvControl* control = Current();
    if (!control) {
        LoadDialogValues();
        return;
    }
    // A control hidden on the surface shows nothing; one on a page that is not showing yet is
    // loaded, since making it current shows its page.
    const bool shown = control->Visible || (control->TabIndex >= 0 && !control->DesignHidden);
    const auto* tab = control->ControlType == ctTab ? static_cast<TmvTab*>(control) : nullptr;
    if (!shown || (tab && tab->PageCount() == 0)) return;
    LoadControlValues(control);
}

void TObjBrowser::LoadDialogValues() {
    live_ = false;
    Show(propsCaption, doc_.Title);
    propsNoQuotes->setChecked(doc_.NoQuotes);
    ShowNumber(propsPosX, doc_.PosX);
    ShowNumber(propsPosY, doc_.PosY);
    ShowNumber(propsSizeW, XToDbuIf(doc_.UseDbu, doc_.ClientWidth));
    // The client height without the menu bar: what the table's size line says.
    ShowNumber(propsSizeH, YToDbuIf(doc_.UseDbu, doc_.ClientHeight));
    Show(propsName, doc_.TableName);
    SetChecked(grsDialogCenter, doc_.Centered);
    SetChecked(grsDialogDBU, doc_.UseDbu);
    Show(grsDialogIconPath, doc_.IconPath);
    ShowNumber(grsDialogIconIndex, doc_.IconIndex);
    SetChecked(grsDialogLocal, doc_.Local);
    SetChecked(grsDialogNoTheme, doc_.NoTheme);
    live_ = true;
}

void TObjBrowser::LoadControlValues(TmvControl* control) {
    live_ = false;
    // With several controls selected, a box whose value differs between them shows nothing.
    const std::vector<TmvControl*> targets = Targets();
    const auto differs = [&targets](auto get) {
        return targets.size() > 1 && Differs(targets, get);
    };
    const auto showText = [&](QLineEdit* box, const QString& text, auto get) {
        Show(box, differs(get) ? QString() : text);
    };
    const auto showNumber = [&](TmvNumberEdit* box, int value, auto get) {
        if (differs(get))
            Show(box, QString());
        else
            ShowNumber(box, value);
    };
    const auto choose = [&](QComboBox* list, int index, auto get) {
        if (list->count() > 0) list->setCurrentIndex(differs(get) ? -1 : index);
    };
    const auto check = [&](QCheckBox* box, bool on, auto get) { ShowCheck(box, on, differs(get)); };

    showText(propsCaption, control->Text, [](const TmvControl& c) { return c.Text; });
    check(propsNoQuotes, control->NoQuotes && propsNoQuotes->isEnabled(),
          [](const TmvControl& c) { return c.NoQuotes; });
    const QRect r = control->LogicalRect();
    showNumber(propsPosX, XToDbuIf(doc_.UseDbu, r.x()),
               [](const TmvControl& c) { return c.LogicalRect().x(); });
    showNumber(propsPosY, YToDbuIf(doc_.UseDbu, r.y()),
               [](const TmvControl& c) { return c.LogicalRect().y(); });
    showNumber(propsSizeW, XToDbuIf(doc_.UseDbu, r.width()),
               [](const TmvControl& c) { return c.LogicalRect().width(); });
    showNumber(propsSizeH, YToDbuIf(doc_.UseDbu, r.height()),
               [](const TmvControl& c) { return c.LogicalRect().height(); });
    choose(propsType, control->Kind, [](const TmvControl& c) { return c.Kind; });
    choose(propsAlign, control->Alignment, [](const TmvControl& c) { return c.Alignment; });
    if (control->ControlType != ctTab)
        choose(propsTab, control->TabIndex < 0 ? 0 : control->TabIndex + 1,
               [](const TmvControl& c) { return std::max(-1, c.TabIndex); });

    if (control->ControlType == ctTab || targets.size() > 1) {
        Show(propsID, QString());
        propsName->setEnabled(false);
        lblName->setEnabled(false);
        propsStaticID->setEnabled(false);
        SetChecked(propsStaticID, false);
        propsID->setEnabled(false);
    } else {
        SetChecked(propsStaticID, control->GetStaticID());
        propsID->setEnabled(control->GetStaticID());
        Show(propsName, VisibleName(*control));
        ShowNumber(propsID, control->GetID());
    }
    check(propsDisabled, control->Disabled, [](const TmvControl& c) { return c.Disabled; });
    check(propsHidden, control->Hidden, [](const TmvControl& c) { return c.Hidden; });
    check(propsResult, control->Result, [](const TmvControl& c) { return c.Result; });
    check(propsGroup, control->Group, [](const TmvControl& c) { return c.Group; });

    // A type's own values are compared only when every control is of that type.
    const bool sameType = targets.size() <= 1 || SameTypeSelected();
    for (const StyleCheck& style : styleChecks_)
        if (style.Type == control->ControlType)
            ShowCheck(style.Box, style.Get(*control), sameType && differs(style.Get));
    for (const StyleNumber& number : styleNumbers_)
        if (number.Type == control->ControlType) {
            if (sameType && differs(number.Get))
                Show(number.Box, QString());
            else
                ShowNumber(number.Box, number.Get(*control));
        }
    if (control->ControlType == ctIcon)
        Show(grsIconPath, sameType && differs([](const TmvControl& c) {
                              return static_cast<const TmvIcon&>(c).FileName;
                          })
                              ? QString()
                              : static_cast<TmvIcon*>(control)->FileName);
    if (control->ControlType == ctTab) LoadTabGroup();
    showText(grsOtherStyles, control->OtherStyles,
             [](const TmvControl& c) { return c.OtherStyles; });
    live_ = true;
}

void TObjBrowser::LoadTabGroup() {
    const TmvTab* tab = doc_.TabControl;
    const TmvTabPage* page = tab ? tab->ActivePageObject() : nullptr;
    if (!page) return;
    grsTabActive->setCurrentIndex(tab->ActivePage);
    Show(grsTabName, page->Caption);
    grsTabNoQuotes->setChecked(page->NoQuotes);
    grsTabStaticID->setChecked(page->StaticID);
    ShowNumber(grsTabID, page->ID);
    grsTabID->setEnabled(page->StaticID);
}
