#include "surface/mvControlDefaults.h"

#include "model/mvUnits.h"

namespace {
void ApplyOwnStyles(TmvControl& control, const ControlDefaults& d) {
    if (auto* scrolling = dynamic_cast<TmvScrollingControl*>(&control)) {
        scrolling->VScrollBar = d.StylesVSBar;
        scrolling->HScrollBar = d.StylesHSBar;
    }
    switch (control.ControlType) {
    case ctButton: {
        auto& button = static_cast<TmvButton&>(control);
        button.DefaultButton = d.StylesDefault;
        button.Flat = d.StylesFlat;
        button.MultiLine = d.StylesMulti;
        break;
    }
    case ctEdit: {
        auto& edit = static_cast<TmvEdit&>(control);
        edit.AutoHScroll = d.StylesAutoHS;
        edit.AutoVScroll = d.StylesAutoVS;
        edit.ReadOnly = d.StylesRead;
        edit.WantReturn = d.StylesReturn;
        edit.Limit = d.StylesLimit;
        edit.Password = d.StylesPass;
        edit.MultiLine = d.StylesMulti;
        break;
    }
    case ctCombo: {
        auto& combo = static_cast<TmvCombo&>(control);
        combo.Sorted = d.StylesSort;
        combo.ForceSize = d.StylesSize;
        combo.Editable = d.StylesEdit;
        combo.Limit = d.StylesLimit;
        break;
    }
    case ctList: {
        auto& list = static_cast<TmvList&>(control);
        list.Sorted = d.StylesSort;
        list.ForceSize = d.StylesSize;
        list.ExtSel = d.StylesExtSel;
        break;
    }
    case ctText:
        static_cast<TmvText&>(control).NoWrap = d.StylesNoWrap;
        static_cast<TmvLabel&>(control).SetAutoSize(d.StylesAutoSize);
        break;
    case ctLink:
        static_cast<TmvLabel&>(control).SetAutoSize(d.StylesAutoSize);
        break;
    case ctCheck: {
        auto& check = static_cast<TmvCheck&>(control);
        check.Flat = d.StylesFlat;
        check.ThreeState = d.StylesState3;
        break;
    }
    case ctRadio:
        static_cast<TmvRadio&>(control).Flat = d.StylesFlat;
        break;
    case ctIcon:
        static_cast<TmvIcon&>(control).SetBorder(!d.StylesNoBorder);
        break;
    case ctScroll:
        static_cast<TmvScroll&>(control).SetRange(d.StylesRange, d.StylesRange2);
        break;
    default:
        break;
    }
}
} // namespace

void ApplyControlDefaults(TmvControl& control, const ControlDefaults& d, bool autoStartSize) {
    if (!d.Enabled) return;
    // A bar lying by default lies in the type's box too, before a default size is applied.
    if (control.ControlType == ctScroll)
        static_cast<TmvScroll&>(control).ChooseKind(d.GenType);
    else
        control.SetKind(d.GenType);
    if (!autoStartSize) {
        if (d.UseX) control.SetWidth(d.DimenDBU ? XToPixels(d.Width) : d.Width);
        if (d.UseY) control.SetHeight(d.DimenDBU ? YToPixels(d.Height) : d.Height);
    }
    control.SetDisabled(d.StylesDisable);
    control.SetHidden(d.StylesHide);
    control.SetGroup(d.StylesGroup);
    control.SetResult(d.StylesResult);
    control.SetAlignment(d.AlignIndex);
    ApplyOwnStyles(control, d);
    control.Repaint();
}

void ApplyControlDefaults(TmvControl& control, const ControlDefaultsSet& records,
                          bool autoStartSize) {
    if (control.ControlType < 0 || control.ControlType >= kControlTypeCount) return;
    ApplyControlDefaults(control, records[size_t(control.ControlType)], autoStartSize);
}
