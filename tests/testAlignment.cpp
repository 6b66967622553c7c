// Aligning, spacing and sizing the selection as a group, aligning it to the grid, and the
// "Control Positioning and Sizing" dialog that runs them.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <climits>

#include "model/mvEdits.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvAlignDialog.h"
#include "surface/mvAlignment.h"

namespace {
// Buttons at the given left edges (top, width and height in the other lists), selected in
// the order given.
struct Group {
    DialogDocument doc;
    std::vector<TmvControl*> c;
    Group(std::initializer_list<QRect> rects) {
        for (const QRect& r : rects) {
            c.push_back(Place(doc, ctButton, r.x(), r.y(), r.width(), r.height()));
            doc.Select(c.back());
        }
    }
    std::vector<int> Lefts() const {
        std::vector<int> v;
        for (const TmvControl* x : c)
            v.push_back(x->Left);
        return v;
    }
    std::vector<int> Tops() const {
        std::vector<int> v;
        for (const TmvControl* x : c)
            v.push_back(x->Top);
        return v;
    }
    std::vector<int> Widths() const {
        std::vector<int> v;
        for (const TmvControl* x : c)
            v.push_back(x->Width);
        return v;
    }
    void Align(TmvHorizontalAlign h, TmvVerticalAlign v = TmvVerticalAlign::NoChange) {
        AlignSelection(doc, BuildAlignLists(doc), h, v);
    }
    void Space(TmvSpacing h, int hn, TmvSpacing v = TmvSpacing::NoChange, int vn = 0) {
        SpaceSelection(doc, BuildAlignLists(doc), h, hn, v, vn);
    }
};
using V = std::vector<int>;
} // namespace

TEST(Alignment, TheReferenceIsTheFirstSelectedControl) {
    // Selected B, A, C with A leftmost: the left sides go to B's.
    Group g({{30, 10, 40, 20}, {10, 40, 20, 20}, {50, 70, 30, 12}});
    g.Align(TmvHorizontalAlign::LeftSides);
    EXPECT_EQ(g.Lefts(), (V{30, 30, 30}));
    g.Align(TmvHorizontalAlign::RightSides);
    EXPECT_EQ(g.Lefts(), (V{30, 50, 40}));
    // Middles: the reference's middle 30 + 20, each left quantized to dialog units.
    g.Align(TmvHorizontalAlign::Middles);
    EXPECT_EQ(g.Lefts(), (V{30, QuantizeX(50 - 10), QuantizeX(50 - 15)}));
}

TEST(Alignment, VerticalEdgesOfTheReference) {
    struct Case {
        TmvVerticalAlign how;
        int otherTop;
    };
    // The reference lies at top 10 with height 20, the other control is 12 high.
    const Case cases[] = {{TmvVerticalAlign::Tops, 10},
                          {TmvVerticalAlign::Bottoms, 18},
                          {TmvVerticalAlign::Middles, QuantizeY(20 - 6)},
                          {TmvVerticalAlign::NoChange, 77}};
    for (const Case& c : cases) {
        Group g({{0, 10, 40, 20}, {50, 77, 40, 12}});
        g.Align(TmvHorizontalAlign::NoChange, c.how);
        EXPECT_EQ(g.Tops(), (V{10, c.otherTop})) << int(c.how);
    }
}

TEST(Alignment, CenteringSpansFromTheFirstToTheLastByEdge) {
    // Client 320 x 240. By left: A (10), C (100, 30 wide); B reaches further right but starts
    // before C, so the span is 10..130 and moves by (320 - 120) / 2 - 10 = 90.
    Group g({{40, 100, 200, 20}, {10, 20, 20, 20}, {100, 50, 30, 20}});
    g.Align(TmvHorizontalAlign::Center, TmvVerticalAlign::Center);
    EXPECT_EQ(g.Lefts(), (V{QuantizeX(130), 100, 190}));
    // By top: 20..120 moves by (240 - 100) / 2 - 20 = 50.
    EXPECT_EQ(g.Tops(), (V{150, 70, 100}));
}

// Controls that all lie on a tab page are centred in the page's body, under the strip; a group
// with one control on the dialog is centred in the dialog.
TEST(Alignment, CenteringAGroupOnATabPageCentresItInThePage) {
    DialogDocument doc;
    TmvControl* tab = Place(doc, ctTab, 40, 30, 200, 150);
    doc.AddTabPage();
    TmvControl* a = Place(doc, ctButton, 50, 60, 40, 20, 0);
    TmvControl* b = Place(doc, ctButton, 100, 90, 20, 20, 0);
    doc.Select(a);
    doc.Select(b);
    AlignSelection(doc, BuildAlignLists(doc), TmvHorizontalAlign::Center, TmvVerticalAlign::Center);
    // The body spans x 40..240 and y 50..172. Across: 70 wide, from 40 + (200 - 70) / 2 = 105.
    EXPECT_EQ(a->Left, QuantizeX(105));
    EXPECT_EQ(b->Left, QuantizeX(155));
    // Down: 50 high, from 50 + (122 - 50) / 2 = 86.
    EXPECT_EQ(a->Top, QuantizeY(86));
    EXPECT_EQ(b->Top, QuantizeY(116));
    EXPECT_EQ(tab->BoundsRect(), QRect(40, 30, 200, 150));

    TmvControl* outside = Place(doc, ctButton, 10, 200, 20, 20);
    doc.ClearSelection();
    doc.Select(outside);
    doc.Select(a);
    // 10 .. a's right edge, centred in the 320 wide client area.
    const int extent = a->Left + a->Width - 10;
    AlignSelection(doc, BuildAlignLists(doc), TmvHorizontalAlign::Center,
                   TmvVerticalAlign::NoChange);
    EXPECT_EQ(outside->Left, QuantizeX((320 - extent) / 2));
}

TEST(Alignment, SpacingEquallyNeedsThreeAndKeepsTheOuterOnes) {
    Group two({{0, 0, 10, 10}, {70, 0, 10, 10}});
    two.Space(TmvSpacing::Equal, 0);
    EXPECT_EQ(two.Lefts(), (V{0, 70}));

    Group three({{100, 0, 10, 10}, {0, 0, 10, 10}, {70, 0, 10, 10}});
    three.Space(TmvSpacing::Equal, 0);
    EXPECT_EQ(three.Lefts(), (V{100, 0, 50}));

    // Span 110, widths 40: gap 70 / 3 = 23, each inner left quantized from the one before.
    Group four({{0, 0, 10, 10}, {10, 0, 10, 10}, {50, 0, 10, 10}, {100, 0, 10, 10}});
    four.Space(TmvSpacing::NoChange, 0, TmvSpacing::NoChange, 0);
    four.Space(TmvSpacing::Equal, 0);
    const int second = QuantizeX(0 + 10 + 23);
    EXPECT_EQ(four.Lefts(), (V{0, second, QuantizeX(second + 10 + 23), 100}));
}

// However wide a control, spacing never lets one pass another along the axis.
TEST(Alignment, SpacingEquallyKeepsTheOrderAlongTheAxis) {
    struct Case {
        const char* what;
        V starts, sizes;
        int middle; // where the middle one goes, before quantizing
    };
    const Case cases[] = {
        // Equal gaps would put the middle one at 100 - 30 = 70, past the last: the near edges
        // are spaced equally instead.
        {"wide first", {0, 10, 50}, {100, 10, 10}, 25},
        {"wide middle", {0, 10, 50}, {10, 100, 10}, 25},
        // Overlaps that keep the order stay equal overlaps.
        {"even overlaps", {0, 25, 40}, {30, 30, 30}, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const V& p = c.starts;
        const V& w = c.sizes;
        Group across({{p[0], 0, w[0], 10}, {p[1], 30, w[1], 10}, {p[2], 60, w[2], 10}});
        across.Space(TmvSpacing::Equal, 0);
        EXPECT_EQ(across.Lefts(), (V{p[0], QuantizeX(c.middle), p[2]}));
        Group down({{0, p[0], 10, w[0]}, {30, p[1], 10, w[1]}, {60, p[2], 10, w[2]}});
        down.Space(TmvSpacing::NoChange, 0, TmvSpacing::Equal, 0);
        EXPECT_EQ(down.Tops(), (V{p[0], QuantizeY(c.middle), p[2]}));
    }
}

TEST(Alignment, IncreaseDecreaseAndRemoveSpacing) {
    struct Case {
        bool dbu;
        TmvSpacing how;
        int amount;
        V lefts;
    };
    const int step = XToPixels(3);
    const Case cases[] = {
        {false, TmvSpacing::Increase, 3, {0, 23, 46}},
        {false, TmvSpacing::Decrease, 3, {0, 17, 34}},
        {true, TmvSpacing::Increase, 3, {0, 20 + step, 40 + 2 * step}},
        {false, TmvSpacing::Increase, -3, {0, 17, 34}},
        {false, TmvSpacing::Remove, 0, {0, 10, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.how));
        Group g({{20, 0, 10, 10}, {0, 0, 10, 10}, {40, 0, 10, 10}});
        g.doc.UseDbu = c.dbu;
        g.Space(c.how, c.amount);
        // The lists are by left edge: the second selected is first.
        EXPECT_EQ(g.Lefts(), (V{c.lefts[1], c.lefts[0], c.lefts[2]}));
    }
    // Overlapping controls are packed edge to edge; vertically with the heights.
    Group g({{0, 0, 20, 15}, {5, 3, 20, 15}, {10, 6, 20, 15}});
    g.Space(TmvSpacing::Remove, 0, TmvSpacing::Remove, 0);
    EXPECT_EQ(g.Lefts(), (V{0, 20, 40}));
    EXPECT_EQ(g.Tops(), (V{0, 15, 30}));
}

TEST(Alignment, SizingToSmallestLargestOrANumber) {
    struct Case {
        TmvSizing how;
        int value;
        V widths;
    };
    const Case cases[] = {
        {TmvSizing::ShrinkToSmallest, 0, {20, 20, 20}},
        {TmvSizing::GrowToLargest, 0, {50, 50, 50}},
        {TmvSizing::Exact, 33, {QuantizeX(33), QuantizeX(33), QuantizeX(33)}},
        {TmvSizing::Exact, -40, {0, 0, 0}},
        {TmvSizing::Exact, INT_MAX, {QuantizeX(32767), QuantizeX(32767), QuantizeX(32767)}},
        {TmvSizing::NoChange, 99, {30, 20, 50}},
    };
    for (const Case& c : cases) {
        Group g({{0, 0, 30, 12}, {0, 0, 20, 18}, {0, 0, 50, 16}});
        SizeSelection(g.doc, c.how, c.value, TmvSizing::GrowToLargest, 0);
        EXPECT_EQ(g.Widths(), c.widths) << int(c.how) << " " << c.value;
        for (const TmvControl* x : g.c)
            EXPECT_EQ(x->Height, 18);
    }
}

TEST(Alignment, HugeAmountsKeepPositionsInTheTemplateRange) {
    for (const int amount : {INT_MAX, INT_MIN, 1 << 20}) {
        Group g({{0, 0, 10, 10}, {20, 0, 10, 10}, {40, 0, 10, 10}});
        g.doc.UseDbu = true;
        g.Space(TmvSpacing::Increase, amount, TmvSpacing::Decrease, amount);
        for (const TmvControl* x : g.c) {
            EXPECT_GE(x->Left, -32768);
            EXPECT_LE(x->Left, 32767);
            EXPECT_GE(x->Top, -32768);
            EXPECT_LE(x->Top, 32767);
        }
        EXPECT_EQ(g.c[0]->Left, 0);
    }
}

// The decision on the tab control: alignment and the grid take the controls on its pages
// along, except those that are selected and placed by the operation themselves.
TEST(Alignment, MovingTheTabControlTakesItsPageControlsAlong) {
    DialogDocument doc;
    TmvControl* button = Place(doc, ctButton, 100, 7, 40, 20);
    TmvControl* tab = Place(doc, ctTab, 10, 10, 150, 100);
    doc.AddTabPage();
    doc.AddTabPage();
    TmvControl* first = Place(doc, ctEdit, 20, 40, 60, 20, 0);
    TmvControl* second = Place(doc, ctEdit, 30, 50, 60, 20, 1);
    TmvControl* chosen = Place(doc, ctCheck, 40, 70, 60, 20, 0);
    for (TmvControl* c : {button, tab, chosen})
        doc.Select(c);
    AlignSelection(doc, BuildAlignLists(doc), TmvHorizontalAlign::LeftSides,
                   TmvVerticalAlign::NoChange);
    EXPECT_EQ(tab->Left, 100);
    EXPECT_EQ(first->Left, 110);
    EXPECT_EQ(second->Left, 120);
    EXPECT_EQ(chosen->Left, 100);

    doc.ClearSelection();
    doc.Select(tab);
    tab->SetBounds(13, 11, tab->Width, tab->Height); // the page controls stay behind here
    AlignSelectionToGrid(doc, 8, 8);
    EXPECT_EQ(tab->BoundsRect().topLeft(), QPoint(16, 8));
    EXPECT_EQ(first->BoundsRect().topLeft(), QPoint(113, 37));
    EXPECT_EQ(tab->Width, 150);
}

TEST(Alignment, GridMovesEachTopLeftToTheNearestPointHalvesGoingUpSizesStay) {
    Group g({{4, 3, 30, 20}, {12, -12, 30, 20}, {-4, 8, 30, 20}});
    AlignSelectionToGrid(g.doc, 8, 8);
    EXPECT_EQ(g.Lefts(), (V{8, 16, 0}));
    EXPECT_EQ(g.Tops(), (V{0, -8, 8}));
    EXPECT_EQ(g.Widths(), (V{30, 30, 30}));
}

// --- The dialog -------------------------------------------------------------------------------

TEST(AlignDialog, OpensOnTheAskedPageWithNoChangeEverywhere) {
    DialogDocument doc;
    for (int page = 0; page < 3; ++page) {
        TAlignDialog dialog(doc, page);
        EXPECT_EQ(dialog.Pages->currentIndex(), page);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Control Positioning and Sizing"));
        for (QRadioButton* r : {dialog.halNoChange, dialog.valNoChange, dialog.hspNoChange,
                                dialog.vspNoChange, dialog.wszNoChange, dialog.hszNoChange})
            EXPECT_TRUE(r->isChecked());
    }
}

TEST(AlignDialog, ApplyRunsThePageShowingAndResetsTheSpacingNumbers) {
    Group g({{20, 0, 10, 10}, {0, 0, 10, 10}, {40, 0, 10, 10}});
    TAlignDialog dialog(g.doc, TAlignDialog::SpacingPage);
    QTest::mouseClick(dialog.hspIncrease, Qt::LeftButton);
    dialog.hspIncreaseNum->clear();
    QTest::keyClicks(dialog.hspIncreaseNum, QStringLiteral("3"));
    dialog.halRight->setChecked(true); // another page: not applied
    QTest::mouseClick(dialog.ApplyButton, Qt::LeftButton);
    EXPECT_EQ(g.Lefts(), (V{23, 0, 46}));
    EXPECT_EQ(dialog.hspIncreaseNum->text(), QStringLiteral("0"));
    EXPECT_TRUE(dialog.hspIncrease->isChecked());
    // Applying again with 0 moves nothing; the lists keep the order they were built in.
    QTest::mouseClick(dialog.ApplyButton, Qt::LeftButton);
    EXPECT_EQ(g.Lefts(), (V{23, 0, 46}));

    // Sizing with a typed width, through OK.
    dialog.Pages->setCurrentIndex(TAlignDialog::SizingPage);
    dialog.wszWidth->setChecked(true);
    dialog.wszWidthNum->clear();
    QTest::keyClicks(dialog.wszWidthNum, QStringLiteral("40"));
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(g.Widths(), (V{40, 40, 40}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(g.doc.Modified);
}

// "Width:" and "Height:" take the dialog's units, as "Increase by:" and the browser do.
TEST(AlignDialog, TypedSizesAreInTheDialogsUnits) {
    for (const bool dbu : {false, true}) {
        SCOPED_TRACE(dbu);
        Group g({{0, 0, 30, 12}, {0, 20, 20, 18}});
        g.doc.UseDbu = dbu;
        TAlignDialog dialog(g.doc, TAlignDialog::SizingPage);
        QTest::mouseClick(dialog.wszWidth, Qt::LeftButton);
        QTest::mouseClick(dialog.hszHeight, Qt::LeftButton);
        for (auto [box, typed] :
             {std::pair{dialog.wszWidthNum, "40"}, {dialog.hszHeightNum, "10"}}) {
            box->clear();
            QTest::keyClicks(box, QString::fromLatin1(typed));
        }
        QTest::mouseClick(dialog.ApplyButton, Qt::LeftButton);
        const int width = dbu ? XToPixels(40) : QuantizeX(40);
        const int height = dbu ? YToPixels(10) : QuantizeY(10);
        for (const TmvControl* c : g.c)
            EXPECT_EQ(c->BoundsRect().size(), QSize(width, height));
    }
}

TEST(AlignDialog, CancelAndAnEmptySelectionChangeNothing) {
    Group g({{20, 0, 10, 10}, {0, 0, 10, 10}});
    {
        TAlignDialog dialog(g.doc, TAlignDialog::AlignmentPage);
        dialog.halLeft->setChecked(true);
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        EXPECT_EQ(g.Lefts(), (V{20, 0}));
    }
    g.doc.ClearSelection();
    TAlignDialog dialog(g.doc, TAlignDialog::AlignmentPage);
    dialog.halCenter->setChecked(true);
    dialog.valCenter->setChecked(true);
    QTest::mouseClick(dialog.ApplyButton, Qt::LeftButton);
    EXPECT_EQ(g.Lefts(), (V{20, 0}));
    EXPECT_FALSE(g.doc.Modified);
}
