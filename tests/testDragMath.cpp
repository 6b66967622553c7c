// The arithmetic of mouse editing: drag steps on the grid and in dialog units, outlines dragged
// inside out, the hint texts, the band rule, the handle places and the dialog's frame snapping.
#include <gtest/gtest.h>

#include <QFont>

#include "model/mvControls.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "support/testHelpers.h"
#include "surface/mvDragMath.h"

namespace {

TEST(DragMath, SnapDeltaRoundsHalvesToTheEvenMultiple) {
    struct Case {
        int delta, step, expected;
    };
    for (const Case c : {Case{4, 8, 0}, Case{5, 8, 8}, Case{12, 8, 16}, Case{20, 8, 16},
                         Case{28, 8, 32}, Case{-4, 8, 0}, Case{-5, 8, -8}, Case{-12, 8, -16},
                         Case{-20, 8, -16}, Case{16, 8, 16}, Case{7, 0, 7}})
        EXPECT_EQ(SnapDelta(c.delta, c.step), c.expected) << c.delta << " on " << c.step;
}

TEST(DragMath, AppliedStepSnapsThenQuantizesToDialogUnits) {
    TmvDragStepRules rules;
    rules.Snap = true;
    rules.GridX = 8;
    rules.GridY = 6;
    EXPECT_EQ(AppliedDragStep(QPoint(5, 3), rules), QPoint(8, 0)); // 3 of 6 is a half: even 0
    EXPECT_EQ(AppliedDragStep(QPoint(5, 4), rules), QPoint(8, 6));
    rules.Snap = false;
    rules.Quantize = true;
    EXPECT_EQ(AppliedDragStep(QPoint(3, 5), rules), QPoint(QuantizeX(3), QuantizeY(5)));
    rules.Quantize = false;
    EXPECT_EQ(AppliedDragStep(QPoint(3, -5), rules), QPoint(3, -5));
}

TEST(DragMath, SizingPastTheOppositeEdgeTurnsTheOutlineRoundExactly) {
    TmvDragBox box = TmvDragBox::FromRect(QRect(10, 20, 30, 40));
    box.Size(seRight | seBottom, -35, 5);
    EXPECT_EQ(box.Rect(), QRect(5, 20, 5, 45));
    box = TmvDragBox::FromRect(QRect(10, 20, 30, 40));
    box.Size(seTop | seLeft, 4, -2);
    EXPECT_EQ(box.Rect(), QRect(14, 18, 26, 42));
    box.Move(-14, 2);
    EXPECT_EQ(box.Rect(), QRect(0, 20, 26, 42));
}

TEST(DragMath, HintShowsTheLogicalRectangleInTableUnits) {
    const QFont font;
    const auto button = ConstructControl(ctButton, font);
    const auto tab = ConstructControl(ctTab, font);
    const auto icon = ConstructControl(ctIcon, font); // with its border
    const QRect r(20, 30, 100, 50);
    EXPECT_EQ(DragHintText(*button, r, false, false), QStringLiteral("20, 30"));
    EXPECT_EQ(DragHintText(*button, r, true, false), QStringLiteral("100 x 50"));
    EXPECT_EQ(DragHintText(*tab, r, true, false), QStringLiteral("99 x 45"));
    EXPECT_EQ(DragHintText(*icon, r, false, false), QStringLiteral("21, 31"));
    EXPECT_EQ(DragHintText(*icon, r, true, false), QStringLiteral("97 x 47"));
    EXPECT_EQ(DragHintText(*button, r, false, true),
              QStringLiteral("%1, %2").arg(XToDbu(20)).arg(YToDbu(30)));
}

TEST(DragMath, BandSelectsWhatItMeetsUnlessItLiesInsideIt) {
    const QRect control(50, 50, 100, 60);
    EXPECT_TRUE(BandSelects(QRect(40, 40, 20, 20), control));  // overlaps a corner
    EXPECT_TRUE(BandSelects(QRect(0, 0, 300, 300), control));  // covers it
    EXPECT_FALSE(BandSelects(QRect(60, 60, 20, 20), control)); // wholly inside
    EXPECT_FALSE(BandSelects(QRect(0, 0, 50, 50), control));   // touches nothing
    EXPECT_FALSE(BandSelects(QRect(60, 60, 0, 0), control));   // a click
}

TEST(DragMath, HandlesSitRoundTheControlInTheirFixedOrder) {
    const std::array<QPoint, 8> at = GrabHandlePositions(QRect(10, 10, 75, 25));
    EXPECT_EQ(at[0], QPoint(7, 7));
    EXPECT_EQ(at[1], QPoint(44, 7));
    EXPECT_EQ(at[3], QPoint(82, 19));
    EXPECT_EQ(at[4], QPoint(82, 32));
    EXPECT_EQ(at[7], QPoint(7, 19));
    EXPECT_EQ(kGrabHandleDirections, (std::array<int, 8>{9, 1, 5, 4, 6, 2, 10, 8}));
}

TEST(DragMath, DialogSizeSnapsDownToTheGridInItsOwnUnits) {
    EXPECT_EQ(SnapDialogClientSize(QSize(317, 239), true, 8, 8, false), QSize(312, 232));
    EXPECT_EQ(SnapDialogClientSize(QSize(317, 239), false, 8, 8, false), QSize(317, 239));
    // Dialog units: 317 px are 158 dbu, cut to 152 and back; unsnapped it stays on whole units.
    EXPECT_EQ(SnapDialogClientSize(QSize(317, 239), true, 8, 8, true),
              QSize(XToPixels(152), YToPixels(112)));
    EXPECT_EQ(SnapDialogClientSize(QSize(317, 239), false, 8, 8, true),
              QSize(QuantizeX(317), QuantizeY(239)));
}

TEST(DragMath, FrameKeepsTheEdgesThatAreNotDragged) {
    const QRect start(100, 100, 330, 270);
    const QSize extra(10, 30);
    // Dragging the bottom-right corner: the top-left stays.
    QRect proposed(100, 100, 337, 279);
    EXPECT_EQ(
        FrameForClientSize(MovingFrameEdges(0, start, proposed), proposed, QSize(320, 240), extra),
        QRect(100, 100, 330, 270));
    // Dragging the top-left corner: the bottom-right stays.
    proposed = QRect(93, 91, 337, 279);
    EXPECT_EQ(
        FrameForClientSize(MovingFrameEdges(0, start, proposed), proposed, QSize(320, 240), extra),
        QRect(100, 100, 330, 270));
}

} // namespace
