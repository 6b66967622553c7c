// Every style word of every control type, read back from its table line: each flag says
// exactly what the line says, so the imported control writes the same line again.
#include <gtest/gtest.h>

#include "support/testHelpers.h"
#include "support/testImportRun.h"

namespace {
QString S(const char* text) {
    return QString::fromUtf8(text);
}

// Imports one control line into a pixel dialog and gives back the control, or none.
TmvControl* ImportOne(ImportRun& run, const QString& line) {
    run.Run({S("dialog styles {"), line, S("}")});
    for (TmvControl* c : run.Doc.CreationOrder)
        if (c->ControlType != ctTab) return c;
    return run.Doc.CreationOrder.empty() ? nullptr : run.Doc.CreationOrder.front();
}

struct StyleCase {
    const char* name;
    const char* line;     // as imported
    const char* expected; // as written again; nullptr: the same line
};

class StyleRoundTrip : public ::testing::TestWithParam<StyleCase> {};

TEST_P(StyleRoundTrip, ControlWritesTheLineItWasReadFrom) {
    ImportRun run;
    TmvControl* control = ImportOne(run, S(GetParam().line));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(run.Errors().isEmpty()) << run.Errors().join(QLatin1Char('\n')).toStdString();
    const char* expected = GetParam().expected ? GetParam().expected : GetParam().line;
    EXPECT_EQ(control->BuildLine(), S(expected));
}

INSTANTIATE_TEST_SUITE_P(
    ImportStyles, StyleRoundTrip,
    ::testing::Values(
        StyleCase{"ButtonPlain", R"(button "Button", 1, 10 20 75 25)", nullptr},
        StyleCase{"ButtonAllWords", R"(button "Go", 1, 10 20 75 25, default flat multi ok)",
                  nullptr},
        StyleCase{"ButtonOkCancel", R"(button "Both", 1, 1 2 3 4, ok cancel)", nullptr},
        StyleCase{"ButtonCancel", R"(button "Close", 1, 1 2 3 4, cancel)", nullptr},
        StyleCase{"CommonWords", R"(button "x", 1, 1 2 3 4, hide disable group result)", nullptr},
        StyleCase{
            "EditAllWords",
            R"(edit "", 2, 1 2 3 4, read pass multi return autohs autovs hsbar vsbar limit 20 right)",
            nullptr},
        StyleCase{"EditCenter", R"(edit "text", 2, 1 2 3 4, center)", nullptr},
        StyleCase{"EditText", R"(edit "$me", 2, 1 2 3 4, autohs)", nullptr},
        StyleCase{"ComboWithoutSize", "combo 3, 10 50 60 50", nullptr},
        StyleCase{"ComboDropOnly", "combo 3, 10 50 60 50, drop", nullptr},
        StyleCase{"ComboAllWords", "combo 3, 1 2 3 4, sort size edit hsbar vsbar limit 10 drop",
                  nullptr},
        StyleCase{"TextNoWrapRight", R"(text "Name:", 4, 1 2 3 4, nowrap right)", nullptr},
        StyleCase{"TextCenter", R"(text "Name:", 4, 1 2 3 4, center)", nullptr},
        StyleCase{"Box", R"(box "Options", 5, 1 2 100 50)", nullptr},
        StyleCase{"BoxHidden", R"(box "", 5, 1 2 100 50, hide)", nullptr},
        StyleCase{"ListWithoutSize", "list 6, 1 2 100 80", nullptr},
        StyleCase{"ListAllWords", "list 6, 1 2 100 80, sort size extsel hsbar vsbar", nullptr},
        StyleCase{"CheckAllWords", R"(check "Beep", 7, 1 2 3 4, 3state flat left push)", nullptr},
        StyleCase{"CheckGroup", R"(check "Beep", 7, 1 2 3 4, group)", nullptr},
        StyleCase{"RadioAllWords", R"(radio "One", 8, 1 2 3 4, group flat left push)", nullptr},
        StyleCase{"Link", R"(link "http://example.org", 9, 1 2 3 4)", nullptr},
        StyleCase{"LinkDisabled", R"(link "site", 9, 1 2 3 4, disable)", nullptr},
        StyleCase{"IconBordered", "icon 10, 1 2 32 32", nullptr},
        StyleCase{"IconNoBorderTop", "icon 10, 1 2 32 32, noborder top", nullptr},
        StyleCase{"IconLeft", "icon 10, 1 2 32 32, left", nullptr},
        StyleCase{"IconBottom", "icon 10, 1 2 32 32, bottom", nullptr},
        StyleCase{"IconRight", "icon 10, 1 2 32 32, hide right", nullptr},
        StyleCase{"IconFile", R"(icon 10, 1 2 32 32, C:\mirc\pics\logo.ico, 3, noborder)", nullptr},
        StyleCase{"IconFileNoStyles", "icon 10, 1 2 48 48, $mircdirlogo.ico, 0", nullptr},
        StyleCase{"IconFileWithoutIndex", "icon 10, 1 2 48 48, logo.bmp",
                  "icon 10, 1 2 48 48, logo.bmp, 0"},
        StyleCase{"ScrollVertical", R"(scroll "", 11, 1 2 17 100)", nullptr},
        StyleCase{"ScrollRangeHorizontalBottom",
                  R"(scroll "", 11, 1 2 100 17, range 0 100 horizontal bottom)", nullptr},
        StyleCase{"ScrollRangeAloneTop", R"(scroll "", 11, 1 2 17 100, range 5 top)", nullptr},
        StyleCase{"ScrollLeft", R"(scroll "", 11, 1 2 17 100, left)", nullptr},
        // Words in any order and letter case are read; the line comes back in writer order.
        StyleCase{"OrderAndCase", R"(button "OK", 1, 1 2 3 4, OK Default)",
                  R"(button "OK", 1, 1 2 3 4, default ok)"},
        // Of two alignment words the first counts; the other is kept after it as written.
        StyleCase{"EditRightWinsOverCenter", R"(edit "", 2, 1 2 3 4, center right)",
                  R"(edit "", 2, 1 2 3 4, right center)"},
        // A vertical bar lies left or right: "top" is kept as written, not taken.
        StyleCase{"ScrollVerticalKeepsTop", R"(scroll "", 11, 1 2 3 4, left top)", nullptr},
        StyleCase{"ScrollHorizontalKeepsLeft", R"(scroll "", 11, 1 2 3 4, horizontal left)",
                  nullptr},
        StyleCase{"ScrollHorizontalAlone", R"(scroll "", 11, 1 2 3 4, horizontal)", nullptr},
        StyleCase{"ComboNegativeLimit", "combo 3, 1 2 3 4, limit -1", nullptr},
        StyleCase{"ScrollNegativeRange", R"(scroll "", 11, 1 2 3 4, range -5 5)", nullptr},
        // Values the line would not write back stay as written.
        StyleCase{"EditNegativeLimit", R"(edit "", 2, 1 2 3 4, limit -1)", nullptr},
        StyleCase{"ScrollFallingRange", R"(scroll "", 11, 1 2 3 4, range 5 2)", nullptr},
        StyleCase{"CommaSeparatedStyles", R"(edit "", 2, 1 2 3 4, read,multi , return)",
                  R"(edit "", 2, 1 2 3 4, read multi return)"},
        // Whole words only: a word that merely contains a style sets nothing and is kept as
        // written, after the control's own words.
        StyleCase{"ListMultSel", "list 6, 1 2 3 4, size multsel", nullptr},
        StyleCase{"ButtonLookalikes", R"(button "x", 1, 1 2 3 4, hidden okay defaults)", nullptr},
        StyleCase{"EditLookalikes", R"(edit "", 2, 1 2 3 4, readonly password multiline)", nullptr},
        StyleCase{"UnknownWordsKept", R"(text "t", 4, 1 2 3 4, Shadow nowrap limit300)",
                  R"(text "t", 4, 1 2 3 4, nowrap Shadow limit300)"},
        StyleCase{"OtherTypesWordsKept", R"(radio "r", 8, 1 2 3 4, 3state sort)", nullptr}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    const char* line;
    const char* error;
};

class StyleError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(StyleError, IsReportedAndTheControlStillCreated) {
    ImportRun run;
    ASSERT_NE(ImportOne(run, S(GetParam().line)), nullptr);
    EXPECT_EQ(run.Errors(), QStringList({S(GetParam().error)}));
    EXPECT_EQ(run.Result, TmvImportResult::WithErrors);
}

INSTANTIATE_TEST_SUITE_P(
    ImportStyles, StyleError,
    ::testing::Values(ErrorCase{"EditLimitWord", R"(edit "", 2, 1 2 3 4, limit many)",
                                R"(Error: Invalid edit limit: "many")"},
                      ErrorCase{"EditLimitMissing", R"(edit "", 2, 1 2 3 4, read limit)",
                                R"(Error: Invalid edit limit: "")"},
                      ErrorCase{"ScrollRangeMissing", R"(scroll "", 11, 1 2 3 4, range)",
                                R"(Error: Invalid scroll range: "")"},
                      ErrorCase{"TabWithoutNumber", R"(check "c", 7, 1 2 3 4, tab)",
                                R"(Error: Invalid tab id: "")"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });
} // namespace

TEST(ImportStyles, NegativeLimitAndRangeAreRead) {
    ImportRun run;
    EXPECT_EQ(dynamic_cast<TmvCombo&>(*ImportOne(run, S("combo 3, 1 2 3 4, limit -1"))).Limit, -1);
    auto& scroll =
        dynamic_cast<TmvScroll&>(*ImportOne(run, S(R"(scroll "", 1, 1 2 3 4, range -5 5)")));
    EXPECT_EQ(scroll.RangeMin, -5);
    EXPECT_EQ(scroll.RangeMax, 5);
    EXPECT_TRUE(scroll.OtherStyles.isEmpty());
}

TEST(ImportStyles, KeptWordsAreToldAndChangeNothingDrawn) {
    ImportRun run;
    auto& list =
        dynamic_cast<TmvList&>(*ImportOne(run, S("list 6, 1 2 3 4, check disabled multsel hide")));
    EXPECT_EQ(list.OtherStyles, S("check disabled multsel"));
    EXPECT_FALSE(list.Disabled); // "disabled" is not "disable"
    EXPECT_TRUE(list.Hidden);
    EXPECT_FALSE(list.ExtSel);
    EXPECT_EQ(run.Result, TmvImportResult::Imported); // a warning is no error
    EXPECT_TRUE(run.Status.Lines.contains(
        S(R"(Warning: Style words kept as written: "check disabled multsel")")));
    EXPECT_TRUE(run.Status.Lines.contains(S("   Line 2: list 6, 1 2 3 4, check disabled multsel "
                                            "hide")));
}

TEST(ImportStyles, ScrollWordsSetKindAlignmentAndRange) {
    ImportRun run;
    auto* scroll = dynamic_cast<TmvScroll*>(
        ImportOne(run, S(R"(scroll "", 11, 1 2 3 4, horizontal bottom range 0 100)")));
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->Kind, 1);
    EXPECT_EQ(scroll->Alignment, 3);
    EXPECT_EQ(scroll->RangeMin, 0);
    EXPECT_EQ(scroll->RangeMax, 100);
}

TEST(ImportStyles, BadValuesLeaveThePropertyUnset) {
    ImportRun run;
    auto& edit = dynamic_cast<TmvEdit&>(*ImportOne(run, S(R"(edit "", 2, 1 2 3 4, limit x read)")));
    EXPECT_EQ(edit.Limit, 0);
    EXPECT_TRUE(edit.ReadOnly);
    auto& scroll =
        dynamic_cast<TmvScroll&>(*ImportOne(run, S(R"(scroll "", 1, 1 2 3 4, range x 5)")));
    EXPECT_EQ(scroll.RangeMin, 0);
    EXPECT_EQ(scroll.RangeMax, 0);
}

TEST(ImportStyles, TabNumberIsNotConfusedWithTheWordAfterIt) {
    // "tab 10 3state": the page ID is 10, and 3state is still read.
    ImportRun run;
    run.Run({S("dialog s {"), S(R"(tab "A", 10, 1 1 200 100)"),
             S(R"(check "c", 7, 1 2 3 4, tab 10 3state)"), S("}")});
    EXPECT_TRUE(run.Errors().isEmpty());
    auto& check = run.As<TmvCheck>(7);
    EXPECT_EQ(check.TabIndex, 0);
    EXPECT_TRUE(check.ThreeState);
    EXPECT_EQ(check.BuildLine(), S(R"(check "c", 7, 1 2 3 4, tab 10 3state)"));
}
