// The per-type defaults a new control receives.
#include <gtest/gtest.h>

#include "model/mvPlatform.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvControlDefaults.h"

namespace {
ControlDefaults Enabled() {
    ControlDefaults d;
    d.Enabled = true;
    return d;
}
} // namespace

TEST(ControlDefaultsRecord, DefaultsAreThoseOfTheIniTable) {
    const ControlDefaults d;
    EXPECT_FALSE(d.Enabled);
    EXPECT_EQ(d.AlignIndex, 0);
    EXPECT_EQ(d.GenType, 0);
    EXPECT_EQ(d.Width, 50);
    EXPECT_EQ(d.Height, 50);
    EXPECT_FALSE(d.DimenDBU);
    EXPECT_FALSE(d.UseX);
    EXPECT_FALSE(d.UseY);
    EXPECT_EQ(d.StylesLimit, 0);
    EXPECT_EQ(d.StylesRange, 0);
    EXPECT_EQ(d.StylesRange2, 0);
    for (bool flag :
         {d.StylesDisable,  d.StylesHide,     d.StylesGroup,  d.StylesResult,  d.StylesVSBar,
          d.StylesHSBar,    d.StylesSize,     d.StylesSort,   d.StylesExtSel,  d.StylesEdit,
          d.StylesAutoHS,   d.StylesAutoVS,   d.StylesMulti,  d.StylesPass,    d.StylesRead,
          d.StylesReturn,   d.StylesNoBorder, d.StylesState3, d.StylesDefault, d.StylesFlat,
          d.StylesAutoSize, d.StylesNoWrap})
        EXPECT_FALSE(flag);
}

TEST(ApplyControlDefaults, ADisabledRecordChangesNothing) {
    DialogDocument doc;
    TmvControl* combo = Place(doc, ctCombo, 0, 0, -1, -1);
    ControlDefaults d; // not enabled
    d.UseX = true;
    d.StylesDisable = true;
    ApplyControlDefaults(*combo, d, false);
    EXPECT_EQ(combo->Width, 120);
    EXPECT_FALSE(combo->Disabled);
    EXPECT_TRUE(static_cast<TmvCombo*>(combo)->ForceSize);
}

TEST(ApplyControlDefaults, SizeIsAppliedPerAxisAndConvertedFromDialogUnits) {
    const struct {
        bool useX, useY, dbu, autoStartSize;
        int width, height;
    } cases[] = {
        {true, false, false, false, 50, 25},
        {false, true, false, false, 75, 50},
        {true, true, true, false, XToPixels(50), YToPixels(50)},
        {true, true, false, true, 75, 25}, // the user draws the size
    };
    for (const auto& c : cases) {
        DialogDocument doc;
        TmvControl* button = Place(doc, ctButton, 0, 0, -1, -1);
        ControlDefaults d = Enabled();
        d.UseX = c.useX;
        d.UseY = c.useY;
        d.DimenDBU = c.dbu;
        ApplyControlDefaults(*button, d, c.autoStartSize);
        EXPECT_EQ(button->Width, c.width);
        EXPECT_EQ(button->Height, c.height);
    }
    EXPECT_EQ(XToPixels(50), 100);
    EXPECT_EQ(YToPixels(50), 100);
}

TEST(ApplyControlDefaults, CommonStylesKindAndAlignment) {
    DialogDocument doc;
    TmvControl* check = Place(doc, ctCheck, 0, 0, -1, -1);
    ControlDefaults d = Enabled();
    d.StylesDisable = d.StylesHide = d.StylesGroup = d.StylesResult = true;
    d.GenType = 1;
    d.AlignIndex = 1;
    d.StylesFlat = d.StylesState3 = true;
    ApplyControlDefaults(*check, d, false);
    EXPECT_TRUE(check->Disabled);
    EXPECT_TRUE(check->Hidden);
    EXPECT_TRUE(check->Group);
    EXPECT_TRUE(check->Result);
    EXPECT_EQ(check->Kind, 1);
    EXPECT_EQ(check->Alignment, 1);
    EXPECT_EQ(check->BuildLine(),
              QString("check \"Check Box\", 1, 0 0 100 20, hide disable group result 3state flat "
                      "left push"));
}

// A scroll bar that lies by default lies in its type's box; a default size still wins.
TEST(ApplyControlDefaults, AHorizontalBarLiesInTheTypesBox) {
    const struct {
        int kind;
        bool useY;
        QSize size;
    } cases[] = {
        {0, false, {VScrollBarWidth(), 100}},
        {1, false, {100, VScrollBarWidth()}},
        {1, true, {100, 30}},
    };
    for (const auto& c : cases) {
        DialogDocument doc;
        TmvControl* bar = Place(doc, ctScroll, 0, 0, -1, -1);
        ControlDefaults d = Enabled();
        d.GenType = c.kind;
        d.AlignIndex = c.kind == 1 ? 3 : 0;
        d.UseY = c.useY;
        d.Height = 30;
        ApplyControlDefaults(*bar, d, false);
        EXPECT_EQ(bar->BoundsRect().size(), c.size) << c.kind << c.useY;
        EXPECT_EQ(bar->Kind, c.kind);
        EXPECT_EQ(bar->Alignment, d.AlignIndex);
    }
}

TEST(ApplyControlDefaults, EachTypeTakesItsOwnStyles) {
    DialogDocument doc;
    ControlDefaults d = Enabled();
    d.StylesVSBar = d.StylesHSBar = d.StylesSort = d.StylesSize = d.StylesExtSel = true;
    d.StylesEdit = d.StylesAutoHS = d.StylesAutoVS = d.StylesRead = d.StylesReturn = true;
    d.StylesPass = d.StylesMulti = d.StylesDefault = d.StylesFlat = d.StylesNoWrap = true;
    d.StylesLimit = 12;
    d.StylesRange = 5;
    d.StylesRange2 = 9;
    d.StylesNoBorder = true;
    const struct {
        int type, w, h;
        const char* line;
    } cases[] = {
        {ctButton, 75, 25, "button \"Button\", %1, 0 0 75 25, default flat multi"},
        {ctEdit, 100, 20,
         "edit \"\", %1, 0 0 100 20, read pass multi return autohs autovs hsbar vsbar limit 12"},
        {ctCombo, 120, 100, "combo %1, 0 0 120 100, sort size edit hsbar vsbar limit 12"},
        {ctList, 100, 100, "list %1, 0 0 100 100, sort size extsel hsbar vsbar"},
        {ctText, 10, 10, "text \"Text Label\", %1, 0 0 10 10, nowrap"},
        {ctRadio, 100, 20, "radio \"Radio Button\", %1, 0 0 100 20, flat"},
        // Dropping the border shrinks the surface rectangle onto the logical one.
        {ctIcon, 13, 13, "icon %1, 1 1 10 10, noborder"},
        {ctScroll, 17, 100, "scroll \"\", %1, 0 0 17 100, range 5 9"},
        {ctBox, 100, 100, "box \"Group Box\", %1, 0 0 100 100"},
    };
    for (const auto& c : cases) {
        TmvControl* control = Place(doc, c.type, 0, 0, c.w, c.h);
        ApplyControlDefaults(*control, d, false);
        EXPECT_EQ(control->BuildLine(), QString(c.line).arg(control->ID)) << c.type;
    }
}

TEST(ApplyControlDefaults, AutoSizeFitsTheCaptionOfTextsAndLinks) {
    DialogDocument doc;
    ControlDefaults d = Enabled();
    d.StylesAutoSize = true;
    for (int type : {ctText, ctLink}) {
        auto* label = static_cast<TmvLabel*>(Place(doc, type, 0, 0, 300, -1));
        ApplyControlDefaults(*label, d, false);
        EXPECT_TRUE(label->AutoSize);
        EXPECT_EQ(label->Width, label->AutoWidth());
        EXPECT_LT(label->Width, 300);
    }
}

TEST(ApplyControlDefaults, TheSetPicksTheRecordOfTheControlsType) {
    DialogDocument doc;
    ControlDefaultsSet set;
    set[ctList].Enabled = true;
    set[ctList].StylesExtSel = true;
    set[ctButton].Enabled = true;
    set[ctButton].StylesFlat = true;
    TmvControl* list = Place(doc, ctList, 0, 0, -1, -1);
    ApplyControlDefaults(*list, set, false);
    EXPECT_TRUE(static_cast<TmvList*>(list)->ExtSel);
    EXPECT_FALSE(static_cast<TmvList*>(list)->ForceSize); // the record's "StylesSize" is off
}
