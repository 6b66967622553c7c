// Splitting table lines: keyword and rest, the seven fields of a control line, style words.
#include <gtest/gtest.h>

#include "io/mvImportFields.h"
#include "support/testHelpers.h"

namespace {
QString S(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

struct SplitCase {
    const char* name;
    const char* rest;
    std::array<const char*, kImportFieldCount> fields;
};

class SplitFields : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFields, GivesTextIdRectangleAndStyles) {
    const TmvImportFields fields = SplitControlFields(S(GetParam().rest));
    for (int i = 0; i < kImportFieldCount; ++i)
        EXPECT_EQ(fields[i], S(GetParam().fields[i])) << "field " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    ImportFields, SplitFields,
    ::testing::Values(
        SplitCase{"Quoted",
                  R"("OK", 1, 10 10 50 12, default ok)",
                  {"OK", "1", "10", "10", "50", "12", " default ok"}},
        SplitCase{
            "QuotedNoStyles", R"("Name:", 3, 5 5 30 8)", {"Name:", "3", "5", "5", "30", "8", ""}},
        SplitCase{"QuotedWithCommasAndBlanks",
                  R"("Hello, world , again", 4, 1 2 3 4, tab 2)",
                  {"Hello, world , again", "4", "1", "2", "3", "4", " tab 2"}},
        SplitCase{"QuotedHoldingQuotes",
                  R"("Say "hi" now", 5, 1 2 3 4)",
                  {R"(Say "hi" now)", "5", "1", "2", "3", "4", ""}},
        SplitCase{"QuotedEndingInQuote",
                  R"("Click "here"", 5, 1 2 3 4)",
                  {R"(Click "here")", "5", "1", "2", "3", "4", ""}},
        SplitCase{"QuoteWithoutCommaAfter",
                  R"("OK" 1, 10 10 50 12)",
                  {"OK", "1", "10", "10", "50", "12", ""}},
        SplitCase{"QuoteGluedToNextField",
                  R"("OK"1, 10 10 50 12)",
                  {"OK", "1", "10", "10", "50", "12", ""}},
        SplitCase{
            "EmptyQuoted", R"("", 7, 0 0 10 10, read)", {"", "7", "0", "0", "10", "10", " read"}},
        SplitCase{"Unquoted",
                  "OK now, 5, 10 10 50 12, ok",
                  {"OK now", "5", "10", "10", "50", "12", " ok"}},
        SplitCase{"UnquotedManyBlanks",
                  "a b c d e f g, 5, 1 2 3 4, flat",
                  {"a b c d e f g", "5", "1", "2", "3", "4", " flat"}},
        SplitCase{"UnquotedIdentifierWithCommas",
                  "$+(a,$chr(44),b), 4, 1 2 3 4",
                  {"$+(a,$chr(44),b)", "4", "1", "2", "3", "4", ""}},
        SplitCase{"UnbalancedBracket", ":(, 5, 1 2 3 4", {":(", "5", "1", "2", "3", "4", ""}},
        SplitCase{"UnquotedEmpty", ", 6, 1 2 3 4", {"", "6", "1", "2", "3", "4", ""}},
        SplitCase{"SeparatorRunsCollapse",
                  R"("x" ,, 8 ,  1 ,2  3,4 , hide)",
                  {"x", "8", "1", "2", "3", "4", ", hide"}},
        SplitCase{"StylesKeptAsWritten",
                  R"("", 9, 100 10 32 32, C:\my icons\a.ico, 2, top)",
                  {"", "9", "100", "10", "32", "32", R"( C:\my icons\a.ico, 2, top)"}},
        SplitCase{
            "MenuItemWithParent", R"("&Open", 10, 5, ok)", {"&Open", "10", "5", "ok", "", "", ""}},
        SplitCase{"PageLine", R"("General", 11)", {"General", "11", "", "", "", "", ""}},
        SplitCase{"Unterminated",
                  R"("never closed, 5, 1 2 3 4)",
                  {"never closed, 5, 1 2 3 4", "", "", "", "", "", ""}},
        SplitCase{"TextOnly", "lonely", {"lonely", "", "", "", "", "", ""}},
        SplitCase{"Empty", "", {"", "", "", "", "", "", ""}},
        SplitCase{"OnlyQuote", R"(")", {"", "", "", "", "", "", ""}},
        SplitCase{"OnlyCommas", ",,,,,,,,", {"", "", "", "", "", "", ""}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(ImportFields, ClosingQuoteIsTheOneBeforeTheComma) {
    EXPECT_EQ(ClosingQuote(S(R"("a", 1)")), 2);
    EXPECT_EQ(ClosingQuote(S(R"("a "b" c", 1)")), 8);
    EXPECT_EQ(ClosingQuote(S(R"("a" b)")), 2); // none qualifies: the next quote
    EXPECT_EQ(ClosingQuote(S(R"("abc)")), -1);
    EXPECT_EQ(ClosingQuote(S(R"(")")), -1);
}

struct KeywordCase {
    const char* line;
    bool hasKeyword;
    const char* keyword;
    const char* rest;
};

class LineKeyword : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(LineKeyword, SplitsAtTheFirstBlank) {
    const std::optional<TmvLineParts> parts = SplitKeyword(S(GetParam().line));
    ASSERT_EQ(parts.has_value(), GetParam().hasKeyword);
    if (!parts) return;
    EXPECT_EQ(parts->Keyword, S(GetParam().keyword));
    EXPECT_EQ(parts->Rest, S(GetParam().rest));
}

INSTANTIATE_TEST_SUITE_P(
    ImportFields, LineKeyword,
    ::testing::Values(
        KeywordCase{R"(BUTTON "OK",   1,  5 5 40 12, ok)", true, "button",
                    R"("OK", 1, 5 5 40 12, ok)"},
        KeywordCase{R"(edit "", 2, 1 2 3 4,,)", true, "edit", R"("", 2, 1 2 3 4)"},
        KeywordCase{R"(item break, 10, , )", true, "item", "break, 10"},
        // Blanks inside the quoted text are the author's layout; outside they collapse.
        KeywordCase{R"(text "  a   b ",   3, 1  2 3 4)", true, "text", R"("  a   b ", 3, 1 2 3 4)"},
        KeywordCase{R"(title "x  y")", true, "title", R"("x  y")"},
        KeywordCase{R"(text "never   closed, 3)", true, "text", R"("never   closed, 3)"},
        KeywordCase{"button OK   now, 5", true, "button", "OK now, 5"},
        KeywordCase{"menu\t\"File\", 1", true, "menu", R"("File", 1)"},
        KeywordCase{"item \"Open\tCtrl+O\", 5, 1", true, "item", "\"Open\tCtrl+O\", 5, 1"},
        KeywordCase{"{", false, "", ""}, KeywordCase{"size", false, "", ""},
        KeywordCase{",,,,", false, "", ""}));

TEST(ImportFields, CollapsesSpacesButKeepsTabs) {
    EXPECT_EQ(CollapseBlanks(S("a    b \t c")), S("a b \t c"));
}

TEST(ImportFields, StyleWordsSplitAtBlanksAndCommas) {
    EXPECT_EQ(StyleWords(S(" tab 2, read  limit 20,right ")),
              QStringList({S("tab"), S("2"), S("read"), S("limit"), S("20"), S("right")}));
    EXPECT_TRUE(StyleWords(S(" , ,")).isEmpty());
}

TEST(ImportFields, TableIntegersAreDecimalWithOptionalSign) {
    EXPECT_EQ(ParseTableInt(S("-1")), -1);
    EXPECT_EQ(ParseTableInt(S("+7")), 7);
    EXPECT_EQ(ParseTableInt(S("200")), 200);
    EXPECT_FALSE(ParseTableInt(S("")).has_value());
    EXPECT_FALSE(ParseTableInt(S("-")).has_value());
    EXPECT_FALSE(ParseTableInt(S("1a")).has_value());
    EXPECT_FALSE(ParseTableInt(S(" 1")).has_value());
    EXPECT_FALSE(ParseTableInt(S("0x10")).has_value());
    EXPECT_FALSE(ParseTableInt(S("99999999999")).has_value());
    EXPECT_TRUE(IsDigits(S("0100")));
    EXPECT_FALSE(IsDigits(S("-5")));
    EXPECT_FALSE(IsDigits(S("")));
}
