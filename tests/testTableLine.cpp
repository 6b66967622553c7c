// Every control type's table line: heads, common words, own words, value words, order.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/mvControls.h"
#include "model/mvTabControl.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"

namespace {
const QFont kFont(QStringLiteral("Tahoma"), 8);

std::unique_ptr<TmvControl> Make(int type) {
    return ConstructControl(type, kFont);
}

template <typename T> T& As(TmvControl& c) {
    return dynamic_cast<T&>(c);
}

struct LineCase {
    const char* name;
    int type;
    std::function<void(TmvControl&)> setup;
    const char* expected;
};

// Geometry 10 20 30 40 (pixels) and ID 5 unless the case sets otherwise.
const LineCase kLineCases[] = {
    {"ButtonPlain", ctButton, [](TmvControl&) {}, R"(button "Button", 5, 10 20 30 40)"},
    {"ButtonAllWordsInOrder", ctButton,
     [](TmvControl& c) {
         auto& b = As<TmvButton>(c);
         b.Hidden = b.Disabled = b.Group = b.Result = true;
         b.DefaultButton = b.Flat = b.MultiLine = true;
         b.Kind = 3;
     },
     R"(button "Button", 5, 10 20 30 40, hide disable group result default flat multi ok cancel)"},
    {"ButtonOk", ctButton, [](TmvControl& c) { c.Kind = 1; },
     R"(button "Button", 5, 10 20 30 40, ok)"},
    {"ButtonCancel", ctButton, [](TmvControl& c) { c.Kind = 2; },
     R"(button "Button", 5, 10 20 30 40, cancel)"},
    {"EditAllWords", ctEdit,
     [](TmvControl& c) {
         auto& e = As<TmvEdit>(c);
         e.ReadOnly = e.Password = e.MultiLine = e.WantReturn = true;
         e.AutoHScroll = e.AutoVScroll = e.HScrollBar = e.VScrollBar = true;
         e.Limit = 20;
         e.Alignment = 2;
     },
     R"(edit "", 5, 10 20 30 40, read pass multi return autohs autovs hsbar vsbar limit 20 center)"},
    {"EditNegativeLimitWritesNothing", ctEdit, [](TmvControl& c) { As<TmvEdit>(c).Limit = -1; },
     R"(edit "", 5, 10 20 30 40)"},
    {"EditRight", ctEdit, [](TmvControl& c) { c.Alignment = 1; },
     R"(edit "", 5, 10 20 30 40, right)"},
    {"ComboWritesSizeByDefault", ctCombo, [](TmvControl&) {}, "combo 5, 10 20 30 40, size"},
    {"ComboAllWords", ctCombo,
     [](TmvControl& c) {
         auto& k = As<TmvCombo>(c);
         k.Sorted = k.Editable = k.HScrollBar = k.VScrollBar = true;
         k.Limit = -1;
         k.Kind = 1;
     },
     "combo 5, 10 20 30 40, sort size edit hsbar vsbar limit -1 drop"},
    {"ComboWithoutSizeAndText", ctCombo,
     [](TmvControl& c) {
         As<TmvCombo>(c).ForceSize = false;
         c.SetText(QStringLiteral("ignored"));
     },
     "combo 5, 10 20 30 40"},
    {"TextNoWrapRight", ctText,
     [](TmvControl& c) {
         As<TmvText>(c).NoWrap = true;
         c.Alignment = 1;
     },
     R"(text "Text Label", 5, 10 20 30 40, nowrap right)"},
    {"TextNoQuotesVerbatim", ctText,
     [](TmvControl& c) {
         c.NoQuotes = true;
         c.Text = QStringLiteral("$+(a, b) %1");
     },
     "text $+(a, b) %1, 5, 10 20 30 40"},
    {"TextQuoteInsideUnchanged", ctText,
     [](TmvControl& c) { c.Text = QStringLiteral("say \"hi\""); },
     R"(text "say "hi"", 5, 10 20 30 40)"},
    {"EmptyTextWithoutQuotes", ctText,
     [](TmvControl& c) {
         c.NoQuotes = true;
         c.Text.clear();
     },
     "text , 5, 10 20 30 40"},
    {"BoxHasNoTrailingComma", ctBox, [](TmvControl&) {}, R"(box "Group Box", 5, 10 20 30 40)"},
    {"BoxCommonWordsOnly", ctBox, [](TmvControl& c) { c.Group = true; },
     R"(box "Group Box", 5, 10 20 30 40, group)"},
    {"ListAllWords", ctList,
     [](TmvControl& c) {
         auto& l = As<TmvList>(c);
         l.Sorted = l.ExtSel = l.HScrollBar = l.VScrollBar = true;
     },
     "list 5, 10 20 30 40, sort size extsel hsbar vsbar"},
    {"CheckLeftBeforePush", ctCheck,
     [](TmvControl& c) {
         auto& k = As<TmvCheck>(c);
         k.ThreeState = k.Flat = true;
         k.Alignment = 1;
         k.Kind = 1;
     },
     R"(check "Check Box", 5, 10 20 30 40, 3state flat left push)"},
    {"RadioPush", ctRadio,
     [](TmvControl& c) {
         As<TmvRadio>(c).Flat = true;
         c.Kind = 1;
     },
     R"(radio "Radio Button", 5, 10 20 30 40, flat push)"},
    {"LinkPlain", ctLink, [](TmvControl& c) { c.Disabled = true; },
     R"(link "Hyperlink", 5, 10 20 30 40, disable)"},
    {"IconWithoutFile", ctIcon, [](TmvControl& c) { c.Alignment = 3; },
     "icon 5, 10 20 30 40, bottom"},
    {"IconWithFileNoBorder", ctIcon,
     [](TmvControl& c) {
         auto& i = As<TmvIcon>(c);
         i.Border = false;
         i.FileName = QStringLiteral("C:\\x y\\icon.ico");
         i.IconIndex = 2;
         i.Alignment = 4;
     },
     R"(icon 5, 10 20 30 40, C:\x y\icon.ico, 2, noborder right)"},
    {"ScrollNoRangeWhenEqual", ctScroll, [](TmvControl&) {}, R"(scroll "", 5, 10 20 30 40)"},
    {"ScrollRangeHorizontalTop", ctScroll,
     [](TmvControl& c) {
         As<TmvScroll>(c).RangeMax = 100;
         c.Kind = 1;
         c.Alignment = 1;
     },
     R"(scroll "", 5, 10 20 30 40, range 0 100 horizontal top)"},
    {"ScrollReversedRangeWritesMinAlone", ctScroll,
     [](TmvControl& c) {
         As<TmvScroll>(c).RangeMin = 5;
         As<TmvScroll>(c).RangeMax = 2;
         c.Alignment = 3;
     },
     R"(scroll "", 5, 10 20 30 40, range 5 bottom)"},
};

class TableLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(TableLine, MatchesExpected) {
    const LineCase& tc = GetParam();
    auto control = Make(tc.type);
    control->ID = 5;
    tc.setup(*control);
    // Geometry is set last so the icon's border toggle does not disturb it.
    control->SetBounds(10, 20, 30, 40);
    if (tc.type == ctIcon && dynamic_cast<TmvIcon&>(*control).Border)
        control->SetLogicalRect(QRect(10, 20, 30, 40));
    EXPECT_EQ(control->BuildLine(), QString::fromUtf8(tc.expected));
}

INSTANTIATE_TEST_SUITE_P(AllTypes, TableLine, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TableLineUnits, DbuModeConvertsTheLogicalRectangle) {
    DialogDocument dialog;
    dialog.UseDbu = true;
    TmvButton button(kFont);
    button.Host = &dialog;
    button.ID = 1;
    button.SetBounds(20, 32, 75, 25); // base units 8 x 16
    EXPECT_EQ(button.BuildLine(), QStringLiteral("button \"Button\", 1, 10 16 37 12"));

    TmvIcon icon(kFont); // 35 x 35 on the surface, logical 32 x 32 at (Left + 1, Top + 1)
    icon.Host = &dialog;
    icon.ID = 2;
    icon.SetBounds(9, 15, 35, 35);
    EXPECT_EQ(icon.BuildLine(), QStringLiteral("icon 2, 5 8 16 16"));
}

TEST(TableLineUnits, PixelModeWritesLogicalPixels) {
    TmvIcon icon(kFont);
    icon.ID = 9;
    icon.SetBounds(100, 10, 35, 35);
    EXPECT_EQ(icon.BuildLine(), QStringLiteral("icon 9, 101 11 32 32"));
}

TEST(TableLineTab, ControlOnPageNamesThePageId) {
    DialogDocument dialog;
    TmvTab tab(kFont);
    tab.Host = &dialog;
    dialog.TabControl = &tab;
    tab.AddPage(10);
    tab.AddPage(11);
    TmvEdit edit(kFont);
    edit.Host = &dialog;
    edit.ID = 5;
    edit.TabIndex = 1;
    edit.ReadOnly = true;
    edit.SetBounds(10, 30, 80, 10);
    EXPECT_EQ(edit.BuildLine(), QStringLiteral("edit \"\", 5, 10 30 80 10, tab 11 read"));
}
} // namespace
