// Rendering of the designed controls: each is painted into an image and the pixels that make
// its look are checked.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <memory>

#include "model/mvPlatform.h"
#include "model/mvTabControl.h"
#include "model/mvTextLayout.h"
#include "support/testPainting.h"

namespace {
const TmvSystemColors kColors = DistinctColors();

// Groups of 8-connected pixels of `color` in `area`.
int CountBlobs(const QImage& image, const QRect& area, const QColor& color) {
    std::vector<char> seen(size_t(area.width()) * area.height(), 0);
    auto index = [&](int x, int y) {
        return size_t(y - area.top()) * area.width() + (x - area.left());
    };
    int blobs = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || image.pixelColor(x, y) != color) continue;
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q(p.x() + dx, p.y() + dy);
                        if (!area.contains(q) || seen[index(q.x(), q.y())]) continue;
                        if (image.pixelColor(q) != color) continue;
                        seen[index(q.x(), q.y())] = 1;
                        stack.push_back(q);
                    }
            }
        }
    return blobs;
}

QRect Inside(const TmvControl& c, int margin) {
    return QRect(margin, margin, c.Width - 2 * margin, c.Height - 2 * margin);
}
} // namespace

// --- Button ----------------------------------------------------------------------------------

TEST(ButtonRendering, DisabledCaptionIsHighlightThenShadowOnePixelApart) {
    TmvButton enabled(DialogFont());
    const QImage ink = Render(enabled);
    TmvButton disabled(DialogFont());
    disabled.Disabled = true;
    const QImage image = Render(disabled);

    const QRect inside = Inside(disabled, 2);
    int shadowInk = 0;
    int highlightInk = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const bool here = ink.pixelColor(x, y) == kColors.WindowText;
            const bool upLeft = ink.pixelColor(x - 1, y - 1) == kColors.WindowText;
            const QColor got = image.pixelColor(x, y);
            if (here) {
                EXPECT_EQ(got, kColors.Shadow) << x << "," << y;
                ++shadowInk;
            } else if (upLeft) {
                EXPECT_EQ(got, kColors.Highlight) << x << "," << y;
                ++highlightInk;
            } else {
                EXPECT_EQ(got, kColors.Face) << x << "," << y;
            }
        }
    EXPECT_GT(shadowInk, 20);
    EXPECT_GT(highlightInk, 10);
}

TEST(ButtonRendering, EnabledCaptionIsDrawnOnceInTextColour) {
    TmvButton button(DialogFont());
    const QImage image = Render(button);
    EXPECT_GT(CountColor(image, Inside(button, 2), kColors.WindowText), 20);
    EXPECT_EQ(CountColor(image, Inside(button, 2), kColors.Highlight), 0);
}

struct ButtonFrameCase {
    bool flat;
    QColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

class ButtonFrame : public ::testing::TestWithParam<ButtonFrameCase> {};

TEST_P(ButtonFrame, HasTwoThreeDimensionalFrames) {
    const ButtonFrameCase& k = GetParam();
    TmvButton button(DialogFont());
    button.Flat = k.flat;
    const QImage image = Render(button);
    const int w = button.Width, h = button.Height;
    EXPECT_EQ(At(image, 10, 0), k.outerTopLeft);
    EXPECT_EQ(At(image, 0, 10), k.outerTopLeft);
    EXPECT_EQ(At(image, 10, h - 1), k.outerBottomRight);
    EXPECT_EQ(At(image, w - 1, 10), k.outerBottomRight);
    EXPECT_EQ(At(image, 0, h - 1), k.outerBottomRight); // the lower-left corner is the dark edge's
    EXPECT_EQ(At(image, 10, 1), k.innerTopLeft);
    EXPECT_EQ(At(image, 10, h - 2), k.innerBottomRight);
    EXPECT_EQ(At(image, w - 2, 10), k.innerBottomRight);
}

INSTANTIATE_TEST_SUITE_P(
    Rendering, ButtonFrame,
    ::testing::Values(ButtonFrameCase{false, kColors.Highlight, kColors.DarkShadow, kColors.Face,
                                      kColors.Shadow},
                      ButtonFrameCase{true, kColors.DarkShadow, kColors.DarkShadow, kColors.Window,
                                      kColors.Window}));

// --- Edit ------------------------------------------------------------------------------------

TEST(EditRendering, PasswordShowsOneAsteriskPerCharacter) {
    TmvEdit password(DialogFont());
    password.Password = true;
    password.Text = QStringLiteral("abc");
    TmvEdit stars(DialogFont());
    stars.Text = QStringLiteral("***");
    const QImage image = Render(password);
    EXPECT_EQ(image, Render(stars));
    EXPECT_EQ(CountBlobs(image, Inside(password, 3), kColors.WindowText), 3);
}

TEST(EditRendering, DisabledTextIsGrey) {
    TmvEdit edit(DialogFont());
    edit.Text = QStringLiteral("abc");
    edit.Disabled = true;
    const QImage image = Render(edit);
    EXPECT_GT(CountColor(image, Inside(edit, 3), kColors.GrayText), 5);
    EXPECT_EQ(CountColor(image, Inside(edit, 3), kColors.WindowText), 0);
    EXPECT_EQ(At(image, 3, 3), kColors.Face); // disabled edits have a face background
}

TEST(EditRendering, BothScrollBarsLeaveAFaceColouredCorner) {
    TmvEdit edit(DialogFont());
    edit.Height = 80;
    edit.MultiLine = true;
    edit.VScrollBar = true;
    edit.HScrollBar = true;
    const QImage image = Render(edit);
    // Inside the three frames, the corner square under the vertical and beside the horizontal bar.
    const QRect corner(edit.Width - 3 - VScrollBarWidth(), edit.Height - 3 - HScrollBarHeight(),
                       VScrollBarWidth(), HScrollBarHeight());
    EXPECT_EQ(CountColor(image, corner, kColors.Face), corner.width() * corner.height());
    // The bars end at the corner: the vertical bar's lower arrow sits right above it, the
    // horizontal bar's right arrow left of it, each closed by its dark edge.
    EXPECT_EQ(At(image, corner.center().x(), corner.top() - 1), kColors.DarkShadow);
    EXPECT_EQ(At(image, corner.left() - 1, corner.center().y()), kColors.DarkShadow);
}

TEST(EditRendering, SingleBarRunsToTheCorner) {
    TmvEdit edit(DialogFont());
    edit.Height = 80;
    edit.VScrollBar = true;
    const QImage image = Render(edit);
    const QRect corner(edit.Width - 3 - VScrollBarWidth(), edit.Height - 3 - HScrollBarHeight(),
                       VScrollBarWidth(), HScrollBarHeight());
    // The lower arrow reaches the bottom frame.
    EXPECT_EQ(At(image, corner.center().x(), corner.bottom()), kColors.DarkShadow);
    EXPECT_EQ(At(image, corner.center().x(), corner.bottom() + 1), kColors.Light);
}

// --- List ------------------------------------------------------------------------------------

struct ListCase {
    int height;
    bool forceSize;
    int whiteTop, whiteHeight;
};

class ListWhiteArea : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListWhiteArea, HoldsWholeRowsUnlessSizeIsForced) {
    const ListCase& k = GetParam();
    TmvList list(DialogFont());
    list.Height = k.height;
    list.ForceSize = k.forceSize;
    const QImage image = Render(list);
    const int x = list.Width / 2;
    int top = -1, bottom = -1;
    for (int y = 0; y < list.Height; ++y)
        if (At(image, x, y) == kColors.Window) {
            if (top < 0) top = y;
            bottom = y;
        }
    EXPECT_EQ(top, k.whiteTop);
    EXPECT_EQ(bottom - top + 1, k.whiteHeight);
    EXPECT_EQ(CountColor(image, QRect(x, top, 1, bottom - top + 1), kColors.Window), k.whiteHeight);
    // The sunken frame closes right under the white area.
    EXPECT_EQ(At(image, x, bottom + 1), kColors.Light);
    EXPECT_EQ(At(image, x, bottom + 2), kColors.Highlight);
}

INSTANTIATE_TEST_SUITE_P(Rendering, ListWhiteArea,
                         ::testing::Values(ListCase{100, false, 3, 65}, ListCase{50, false, 3, 26},
                                           ListCase{100, true, 3, 94}));

TEST(ListRendering, UnforcedListOutlinesItsFullExtentDotted) {
    TmvList list(DialogFont());
    list.ForceSize = false;
    const QImage image = Render(list);
    const int bottom = list.Height - 1;
    const int dots = CountColor(image, QRect(0, bottom, list.Width, 1), kColors.Shadow);
    EXPECT_GT(dots, list.Width / 3);
    EXPECT_LT(dots, list.Width * 2 / 3);
}

// --- Scroll control --------------------------------------------------------------------------

struct ScrollCase {
    int kind, alignment;
    QRect bar; // in a 150 x 150 control
};

class ScrollPlacement : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollPlacement, BarLiesAlongTheAlignedEdge) {
    const ScrollCase& k = GetParam();
    TmvScroll scroll(DialogFont());
    scroll.Width = 150;
    scroll.Height = 150;
    scroll.Kind = k.kind;
    scroll.Alignment = k.alignment;
    const QImage image = Render(scroll);
    EXPECT_EQ(At(image, k.bar.center().x(), k.bar.center().y()), kColors.ScrollBar);
    // The rest of the control is left to the surface, bar the dotted outline.
    EXPECT_EQ(At(image, 75, 75), Untouched());
    // The bar is painted all over, and nothing else but the outline.
    EXPECT_EQ(CountColor(image, k.bar, Untouched()), 0);
    const QRect inner(1, 1, 148, 148);
    EXPECT_EQ(CountPixels(image, inner, [](const QColor& c) { return c != Untouched(); }),
              CountPixels(image, inner.intersected(k.bar), [](const QColor&) { return true; }));
}

INSTANTIATE_TEST_SUITE_P(Rendering, ScrollPlacement,
                         ::testing::Values(ScrollCase{1, 1, QRect(0, 0, 150, 17)},
                                           ScrollCase{1, 3, QRect(0, 133, 150, 17)},
                                           ScrollCase{0, 0, QRect(133, 0, 17, 150)},
                                           ScrollCase{0, 2, QRect(0, 0, 17, 150)}));

TEST(ScrollRendering, HorizontalTopBarLeavesTheBottomEmpty) {
    TmvScroll scroll(DialogFont());
    scroll.Kind = 1;
    scroll.Alignment = 1;
    scroll.Width = 150;
    scroll.Height = 40;
    const QImage image = Render(scroll);
    EXPECT_EQ(At(image, 75, 8), kColors.ScrollBar);
    EXPECT_EQ(At(image, 75, 30), Untouched());
}

// --- Text ------------------------------------------------------------------------------------

struct TextWrapCase {
    bool noWrap;
    int alignment;
    bool secondLineInked;
};

class TextWrapping : public ::testing::TestWithParam<TextWrapCase> {};

TEST_P(TextWrapping, NoWrapHoldsOnlyForLeftAlignment) {
    const TextWrapCase& k = GetParam();
    TmvText text(DialogFont());
    text.Text = QStringLiteral("Alpha Beta");
    const QFontMetrics metrics(text.Font);
    text.Width = metrics.horizontalAdvance(QStringLiteral("Alpha")) + 6;
    text.Height = 2 * metrics.height() + 2;
    text.NoWrap = k.noWrap;
    text.Alignment = k.alignment;
    TmvPaintContext context = TestContext();
    context.TextBorder = false;
    const QImage image = Render(text, context);
    const QRect secondLine(0, metrics.height(), text.Width, metrics.height());
    EXPECT_EQ(CountColor(image, secondLine, kColors.WindowText) > 0, k.secondLineInked);
}

INSTANTIATE_TEST_SUITE_P(Rendering, TextWrapping,
                         ::testing::Values(TextWrapCase{false, 0, true},
                                           TextWrapCase{true, 0, false},
                                           TextWrapCase{true, 1, true},
                                           TextWrapCase{true, 2, true}));

TEST(TextRendering, RightAlignedTextFillsOnlyItsBlock) {
    TmvText text(DialogFont());
    text.Width = 200;
    text.Alignment = 1;
    TmvPaintContext context = TestContext();
    context.TextBorder = false;
    const QImage image = Render(text, context);
    const int textWidth = QFontMetrics(text.Font).horizontalAdvance(text.Text);
    EXPECT_EQ(At(image, 5, 2), Untouched());
    EXPECT_EQ(At(image, 200 - textWidth - 1, 2), Untouched());
    EXPECT_NE(At(image, 200 - textWidth + 1, 2), Untouched());
    EXPECT_GT(
        CountColor(image, QRect(200 - textWidth, 0, textWidth, text.Height), kColors.WindowText),
        20);
}

TEST(TextRendering, AutoWidthCaptionDoesNotWrap) {
    TmvText text(DialogFont()); // as wide as its caption
    text.Height = 40;
    TmvPaintContext context = TestContext();
    context.TextBorder = false;
    const QImage image = Render(text, context);
    const int lineHeight = QFontMetrics(text.Font).height();
    EXPECT_EQ(
        CountColor(image, QRect(0, lineHeight, text.Width, 40 - lineHeight), kColors.WindowText),
        0);
}

struct BorderCase {
    int type;
    bool preference;
    bool outlined;
};

class TextBorderPreference : public ::testing::TestWithParam<BorderCase> {};

TEST_P(TextBorderPreference, DrawsADottedShadowOutline) {
    const BorderCase& k = GetParam();
    std::unique_ptr<TmvControl> control;
    if (k.type == ctText) control = std::make_unique<TmvText>(DialogFont());
    if (k.type == ctLink) control = std::make_unique<TmvLink>(DialogFont());
    if (k.type == ctButton) control = std::make_unique<TmvButton>(DialogFont());
    TmvPaintContext context = TestContext();
    context.TextBorder = k.preference;
    const QImage image = Render(*control, context);
    const int bottom = control->Height - 1;
    EXPECT_EQ(CountColor(image, QRect(0, bottom, control->Width, 1), kColors.Shadow) > 0,
              k.outlined);
}

INSTANTIATE_TEST_SUITE_P(Rendering, TextBorderPreference,
                         ::testing::Values(BorderCase{ctText, true, true},
                                           BorderCase{ctText, false, false},
                                           BorderCase{ctLink, true, true},
                                           BorderCase{ctLink, false, false},
                                           BorderCase{ctButton, true, false}));

TEST(LinkRendering, IsBlueAndUnderlined) {
    TmvLink link(DialogFont());
    TmvPaintContext context = TestContext();
    context.TextBorder = false;
    const QImage image = Render(link, context);
    const QColor blue(0, 0, 255);
    EXPECT_GT(CountColor(image, link.ClientRect(), blue), 20);
    // The underline is one run of blue about as long as the text.
    QFont underlined(link.Font);
    underlined.setUnderline(true);
    const int textWidth =
        MeasureText(underlined, link.ClientRect(), Qt::TextSingleLine, link.Text).width();
    ASSERT_GT(textWidth, 10);
    int longest = 0;
    for (int y = 0; y < link.Height; ++y)
        longest = std::max(longest, CountColor(image, QRect(0, y, link.Width, 1), blue));
    // Engines differ by a few pixels at the ends; no letter has a stroke nearly this long.
    EXPECT_GE(longest, std::min(textWidth, link.Width) * 8 / 10);
}

// --- Check and radio -------------------------------------------------------------------------

TEST(CheckRendering, BoxSitsLeftOrRightByAlignment) {
    for (int alignment : {0, 1}) {
        TmvCheck check(DialogFont());
        check.Alignment = alignment;
        const QImage image = Render(check);
        const int boxLeft = alignment == 0 ? 0 : check.Width - 13;
        const int boxTop = (check.Height - 13) / 2;
        // The sunken box: shadow outside above, window inside.
        EXPECT_EQ(At(image, boxLeft + 6, boxTop), kColors.Shadow) << alignment;
        EXPECT_EQ(At(image, boxLeft + 6, boxTop + 6), kColors.Window) << alignment;
        const QRect textArea = alignment == 0 ? QRect(19, 0, check.Width - 19, check.Height)
                                              : QRect(0, 0, check.Width - 19, check.Height);
        EXPECT_GT(CountColor(image, textArea, kColors.ButtonText), 20) << alignment;
    }
}

TEST(CheckRendering, DisabledBoxIsFaceInside) {
    TmvCheck check(DialogFont());
    check.Disabled = true;
    const QImage image = Render(check);
    EXPECT_EQ(At(image, 6, (check.Height - 13) / 2 + 6), kColors.Face);
}

TEST(CheckRendering, PushStyleIsHatchedAndPushedIn) {
    TmvCheck check(DialogFont());
    check.Kind = 1;
    check.Text.clear();
    const QImage image = Render(check);
    EXPECT_EQ(At(image, 10, 0), kColors.DarkShadow);
    EXPECT_EQ(At(image, 10, check.Height - 1), kColors.Highlight);
    EXPECT_EQ(At(image, 10, 1), kColors.Shadow);
    EXPECT_EQ(At(image, 10, check.Height - 2), kColors.Face);
    for (int y = 2; y < check.Height - 2; ++y)
        for (int x = 2; x < check.Width - 2; ++x)
            ASSERT_EQ(At(image, x, y), (x % 2 == y % 2) ? QColor(255, 255, 255) : kColors.Face)
                << x << "," << y;
}

TEST(RadioRendering, RoundBoxIsShadedAboveAndLitBelow) {
    TmvRadio radio(DialogFont());
    const QImage image = Render(radio);
    const int top = (radio.Height - 13) / 2;
    EXPECT_EQ(At(image, 6, top), kColors.Shadow);         // top of the outer ring
    EXPECT_EQ(At(image, 6, top + 11), kColors.Highlight); // its bottom
    EXPECT_EQ(At(image, 6, top + 1), kColors.DarkShadow); // inner ring
    EXPECT_EQ(At(image, 6, top + 6), kColors.Window);     // inside
    EXPECT_EQ(At(image, 0, top), kColors.Face);           // round: the corner stays face
}

// --- Box, icon, combo ------------------------------------------------------------------------

TEST(BoxRendering, EtchedFrameIsBrokenByTheCaption) {
    TmvBox box(DialogFont());
    const QImage image = Render(box);
    const int half = QFontMetrics(box.Font).height() / 2;
    EXPECT_EQ(At(image, 4, half), kColors.Shadow);
    EXPECT_EQ(At(image, 4, half + 1), kColors.Highlight);
    EXPECT_EQ(At(image, 12, half), kColors.Face); // under the caption
    EXPECT_EQ(At(image, box.Width - 5, half), kColors.Shadow);
    EXPECT_EQ(At(image, box.Width - 1, 50), kColors.Highlight);
    EXPECT_EQ(At(image, box.Width - 2, 50), kColors.Shadow);
    EXPECT_EQ(At(image, 50, 50), Untouched()); // a group box is hollow
}

TEST(IconRendering, BorderIsEtchedOtherwiseDotted) {
    TmvIcon icon(DialogFont());
    QImage image = Render(icon);
    EXPECT_EQ(At(image, 0, 10), kColors.Shadow);
    EXPECT_EQ(At(image, 1, 10), kColors.Highlight);
    EXPECT_EQ(At(image, icon.Width - 1, 10), kColors.Highlight);
    EXPECT_EQ(At(image, 10, 10), kColors.ScrollBar);
    icon.Border = false;
    image = Render(icon);
    EXPECT_EQ(At(image, 0, 0), kColors.Shadow);
    EXPECT_EQ(At(image, 4, 0), kColors.ScrollBar); // a gap between the dots
}

TEST(ComboRendering, DropDownShowsButtonAndListExtent) {
    TmvCombo combo(DialogFont());
    combo.Kind = 1;
    const QImage image = Render(combo);
    const int editHeight = QFontMetrics(combo.Font).height() + 8;
    EXPECT_EQ(At(image, 5, editHeight + 20), Untouched()); // the list is not drawn
    const QRect side(0, editHeight, 1, combo.Height - editHeight);
    const int dots = CountColor(image, side, kColors.Shadow);
    EXPECT_GT(dots, side.height() / 3); // dotted along the sides
    EXPECT_EQ(dots + CountColor(image, side, Untouched()), side.height());
    EXPECT_EQ(At(image, 0, combo.Height - 1), kColors.Shadow);
    // The button at the right, inside the frames.
    EXPECT_EQ(At(image, combo.Width - 2 - VScrollBarWidth() / 2, editHeight / 2), kColors.Face);
    EXPECT_EQ(At(image, 10, editHeight / 2), kColors.Window);
}

TEST(ComboRendering, SimpleComboHasEditAndList) {
    TmvCombo combo(DialogFont());
    const QImage image = Render(combo);
    const int editHeight = QFontMetrics(combo.Font).height() + 8;
    EXPECT_EQ(At(image, 10, editHeight / 2), kColors.Window);
    EXPECT_EQ(At(image, 10, editHeight), kColors.Shadow); // the list's own frame starts here
    EXPECT_EQ(At(image, 10, editHeight + 10), kColors.Window);
    EXPECT_EQ(At(image, 10, combo.Height - 4), kColors.Highlight);
    EXPECT_EQ(At(image, 10, combo.Height - 2), Untouched());
}

// --- Tab control -----------------------------------------------------------------------------

class TabStrip : public ::testing::TestWithParam<bool> {};

TEST_P(TabStrip, ActiveTabIsRaisedAndJoinsTheBody) {
    const bool dbu = GetParam();
    const int t = dbu ? 5 : 0;
    TmvTab tab(DialogFont());
    tab.AddPage(1);
    tab.AddPage(2);
    tab.AddPage(3);
    tab.SetActivePage(1);
    TmvPaintContext context = TestContext();
    context.UseDbu = dbu;
    const QImage image = Render(tab, context);
    const int first = 2 + tab.TabWidth(0) / 2;                    // middle of inactive tab 0
    const int active = 2 + tab.TabWidth(0) + tab.TabWidth(1) / 2; // middle of the active tab
    EXPECT_EQ(At(image, active, t), kColors.Highlight);
    EXPECT_EQ(At(image, first, t), Untouched());
    EXPECT_EQ(At(image, first, t + 2), kColors.Highlight);
    // The body's top line runs under the inactive tabs and breaks under the active one.
    EXPECT_EQ(At(image, first, t + 20), kColors.Highlight);
    EXPECT_EQ(At(image, active, t + 20), kColors.Face);
    EXPECT_EQ(At(image, active, t + 21), kColors.Face);
    EXPECT_FALSE(tab.TabsOverflow);
}

INSTANTIATE_TEST_SUITE_P(Rendering, TabStrip, ::testing::Bool());

TEST(TabRendering, BodyEndsAboveTheBottomByMode) {
    for (bool dbu : {false, true}) {
        TmvTab tab(DialogFont());
        TmvPaintContext context = TestContext();
        context.UseDbu = dbu;
        const QImage image = Render(tab, context);
        const int bodyBottom = tab.Height - (dbu ? 4 : 8) - 1;
        EXPECT_EQ(At(image, 50, bodyBottom), kColors.DarkShadow) << dbu;
        EXPECT_EQ(At(image, 50, bodyBottom + 1), Untouched()) << dbu;
    }
}

TEST(TabRendering, GridInsideTabsLeavesTheBodyUnfilled) {
    TmvTab tab(DialogFont());
    TmvPaintContext context = TestContext();
    EXPECT_EQ(At(Render(tab, context), 50, 50), kColors.Face);
    context.ShowGridInTabs = true;
    EXPECT_EQ(At(Render(tab, context), 50, 50), Untouched());
}

TEST(TabRendering, OverflowDrawsArrowsAtTheTopRight) {
    TmvTab tab(DialogFont());
    tab.Width = 80;
    for (int id = 1; id <= 4; ++id)
        tab.AddPage(id);
    TmvPaintContext context = TestContext();
    context.UseDbu = false;
    const QImage image = Render(tab, context);
    EXPECT_TRUE(tab.TabsOverflow);
    // Two raised arrow boxes: each has its dark-shadow bottom edge.
    EXPECT_EQ(At(image, tab.Width - 24, 19), kColors.DarkShadow);
    EXPECT_EQ(At(image, tab.Width - 8, 19), kColors.DarkShadow);
    EXPECT_EQ(At(image, tab.Width - 24, 2), kColors.Highlight);
}

TEST(TabRendering, ScrolledStripOverflowsEvenWhenItFits) {
    TmvTab tab(DialogFont());
    tab.AddPage(1);
    tab.AddPage(2);
    Render(tab);
    EXPECT_FALSE(tab.TabsOverflow);
    tab.FirstTab = 1;
    Render(tab);
    EXPECT_TRUE(tab.TabsOverflow);
}

// --- Overlays --------------------------------------------------------------------------------

struct MarksCase {
    bool selected;
    int count;
    bool clicking;
    bool locked;
    bool marks;
};

class SelectionMarks : public ::testing::TestWithParam<MarksCase> {};

TEST_P(SelectionMarks, AppearInTheFourCornersOfAMultipleSelection) {
    const MarksCase& k = GetParam();
    TmvList list(DialogFont()); // white inside, so grey marks stand out
    list.Locked = k.locked;
    TmvPaintContext context = TestContext();
    context.Selected = k.selected;
    context.SelectionCount = k.count;
    context.Clicking = k.clicking;
    const QImage image = Render(list, context);
    const int w = list.Width, h = list.Height;
    const QColor outline = k.locked ? QColor(0, 0, 0) : kColors.GrayText;
    for (const QPoint& corner :
         {QPoint(0, 0), QPoint(0, h - 6), QPoint(w - 6, 0), QPoint(w - 6, h - 6)}) {
        const QRect mark(corner, QSize(6, 6));
        if (k.marks) {
            EXPECT_EQ(CountColor(image, mark.adjusted(1, 1, -1, -1), kColors.GrayText), 16);
            EXPECT_EQ(CountColor(image, mark, outline), k.locked ? 20 : 36);
        } else {
            EXPECT_EQ(CountColor(image, mark, kColors.GrayText), 0);
        }
    }
    EXPECT_EQ(At(image, 6, 6), kColors.Window); // nothing beyond the marks
}

INSTANTIATE_TEST_SUITE_P(Rendering, SelectionMarks,
                         ::testing::Values(MarksCase{true, 2, false, false, true},
                                           MarksCase{true, 3, false, true, true},
                                           MarksCase{true, 1, false, false, false},
                                           MarksCase{true, 2, true, false, false},
                                           MarksCase{false, 2, false, false, false}));

TEST(SelectionMarksRendering, LockAllOutlinesInBlack) {
    TmvList list(DialogFont());
    TmvPaintContext context = TestContext();
    context.Selected = true;
    context.SelectionCount = 2;
    context.LockAll = true;
    EXPECT_EQ(At(Render(list, context), 0, 0), QColor(0, 0, 0));
}

TEST(HotTracking, FramesAHotControlInTheChosenColour) {
    TmvList list(DialogFont());
    list.Hot = true;
    TmvPaintContext context = TestContext();
    context.HotTrackColor = QColor(0, 200, 0);
    EXPECT_NE(At(Render(list, context), 50, 0), context.HotTrackColor); // preference off
    context.HotTracking = true;
    const QImage image = Render(list, context);
    const int perimeter = 2 * (list.Width + list.Height) - 4;
    EXPECT_EQ(CountColor(image, list.ClientRect(), context.HotTrackColor), perimeter);
    list.Hot = false;
    EXPECT_EQ(CountColor(Render(list, context), list.ClientRect(), context.HotTrackColor), 0);
}
