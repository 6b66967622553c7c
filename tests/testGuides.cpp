// Guides while dragging: which edges, centres, margins and baselines line up, the distances to
// the neighbours with equal gaps marked, and on the surface snapping to them, with the setting
// off, with Shift, and nothing left on the surface when the drag ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "io/mvSettings.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGuides.h"
#include "surface/mvMainDialog.h"

namespace {
// One control at (100, 100), 50 x 20, in a 320 x 240 area with 14-pixel margins.
TmvGuideIndex OneControl() {
    TmvGuideSources s;
    s.Others = {QRect(100, 100, 50, 20)};
    s.Client = QRect(0, 0, 320, 240);
    s.Margin = QSize(14, 14);
    return TmvGuideIndex(s);
}

struct GuideCase {
    const char* name;
    QRect outline;
    QPoint snap;
    int pos; // of the one vertical guide
    TmvGuideKind kind;
};

const GuideCase kGuideCases[] = {
    {"left edges", {102, 160, 30, 10}, {-2, 0}, 100, TmvGuideKind::Edge},
    {"far edge to near edge", {68, 160, 30, 10}, {2, 0}, 100, TmvGuideKind::Edge},
    {"centres", {113, 160, 20, 10}, {2, 0}, 125, TmvGuideKind::Centre},
    {"margin", {16, 160, 30, 10}, {-2, 0}, 14, TmvGuideKind::Margin},
    {"client edge", {279, 160, 40, 10}, {1, 0}, 320, TmvGuideKind::Client},
};

class GuidesFound : public ::testing::TestWithParam<GuideCase> {};

TEST_P(GuidesFound, ForTheNearestLineWithinReach) {
    const GuideCase& k = GetParam();
    const TmvGuideMatch m = OneControl().Find(k.outline, glAll, glAll, -1, true);
    EXPECT_EQ(m.Snap, k.snap);
    ASSERT_EQ(m.Lines.size(), 1u);
    EXPECT_TRUE(m.Lines[0].Vertical);
    EXPECT_EQ(m.Lines[0].Pos, k.pos);
    EXPECT_EQ(m.Lines[0].Kind, k.kind);
}
INSTANTIATE_TEST_SUITE_P(Guides, GuidesFound, ::testing::ValuesIn(kGuideCases),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param.name);
                             return name.replace(QLatin1Char(' '), QLatin1Char('_')).toStdString();
                         });

TEST(Guides, NoneOutOfReachAndOnlyTheDraggedEdgesWhileSizing) {
    EXPECT_TRUE(OneControl().Find(QRect(60, 60, 10, 10), glAll, glAll, -1, true).Empty());
    // Sizing by the right edge: the left edge at 102 is no guide, the right one at 148 is.
    const TmvGuideMatch m = OneControl().Find(QRect(102, 160, 46, 10), glFar, 0, -1, true);
    EXPECT_EQ(m.Snap, QPoint(2, 0));
    ASSERT_EQ(m.Lines.size(), 1u);
    EXPECT_EQ(m.Lines[0].Pos, 150);
    // The line runs from the outline to the control it lines up with.
    EXPECT_EQ(m.Lines[0].Start, 100);
    EXPECT_EQ(m.Lines[0].End, 170);
}

TEST(Guides, EqualGapsToTheTwoNeighboursAreMarked) {
    TmvGuideSources s;
    s.Others = {QRect(0, 100, 40, 20), QRect(100, 100, 40, 20), QRect(58, 10, 24, 20)};
    s.Client = QRect(0, 0, 320, 240);
    s.Margin = QSize(14, 14);
    // 18 pixels from both sides once its top is on theirs; 70 below the one above.
    const TmvGuideMatch m = TmvGuideIndex(s).Find(QRect(58, 102, 24, 20), glAll, glAll, -1, true);
    EXPECT_EQ(m.Snap, QPoint(0, -2));
    ASSERT_EQ(m.Distances.size(), 3u);
    EXPECT_EQ(m.Distances[0], (TmvGuideDistance{{40, 110}, {58, 110}, 18, true}));
    EXPECT_EQ(m.Distances[1], (TmvGuideDistance{{82, 110}, {100, 110}, 18, true}));
    EXPECT_EQ(m.Distances[2], (TmvGuideDistance{{70, 30}, {70, 100}, 70, false}));
    // Touching the one on the left: no gap there, only to the right and above.
    const TmvGuideMatch touching =
        TmvGuideIndex(s).Find(QRect(40, 102, 24, 20), glAll, glAll, -1, true);
    ASSERT_EQ(touching.Distances.size(), 2u);
    EXPECT_EQ(touching.Distances[0].Value, 36);
    // In dialog units the lengths are the dialog's (4 per 8 pixels across, 8 per 16 down).
    s.UseDbu = true;
    const TmvGuideMatch d = TmvGuideIndex(s).Find(QRect(58, 102, 24, 20), glAll, glAll, -1, true);
    EXPECT_EQ(d.Distances[0].Value, 9);
    EXPECT_EQ(d.Distances[2].Value, 35);
}

TEST(Guides, ABaselineWinsOverAnEdgeAsNear) {
    TmvGuideSources s;
    s.Others = {QRect(10, 100, 50, 40)};
    s.Baselines = {110};
    s.Client = QRect(0, 0, 320, 240);
    s.Margin = QSize(14, 14);
    // Its top is 3 from the other's top, its baseline (15 down) 2 from the other's.
    const TmvGuideMatch m = TmvGuideIndex(s).Find(QRect(80, 97, 40, 20), glAll, glAll, 15, true);
    EXPECT_EQ(m.Snap, QPoint(0, -2));
    ASSERT_EQ(m.Lines.size(), 1u);
    EXPECT_EQ(m.Lines[0].Kind, TmvGuideKind::Baseline);
    EXPECT_EQ(m.Lines[0].Pos, 110);
}

// --- On the surface ----------------------------------------------------------------------------

class SurfaceGuides : public ::testing::Test {
protected:
    SurfaceGuides() {
        doc.UseDbu = false;
        doc.SetClientSize(400, 300);
        surface.show();
        a = Place(doc, ctButton, 20, 20, 60, 20);
        b = Place(doc, ctButton, 101, 80, 60, 20);
    }
    void Move(QPoint at, Qt::KeyboardModifiers mods) {
        QMouseEvent move(QEvent::MouseMove, at, surface.mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, mods);
        QApplication::sendEvent(&surface, &move);
    }
    QColor Pixel(QPoint at) { return surface.grab().toImage().pixelColor(at); }

    Settings settings;
    DialogDocument doc;
    TMainDialog surface{doc};
    TmvControl* a;
    TmvControl* b;
};

TEST_F(SurfaceGuides, SnapOnWinsOverTheGridOffOnlyDrawsShiftSuspends) {
    struct Case {
        bool snapToGuides;
        Qt::KeyboardModifiers mods;
        int left;    // b's left after dragging it 79 to the left: 22 unsnapped
        bool guides; // shown during the drag
    };
    const Case cases[] = {{true, {}, 20, true},
                          {false, {}, 22, true},
                          // Shift turns the 8-pixel grid on: 79 rounds to 80.
                          {true, Qt::ShiftModifier, 21, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.left);
        settings.SnapToGuides = k.snapToGuides;
        surface.ApplySettings(settings);
        b->SetBounds(101, 80, 60, 20);
        const QPoint from = b->BoundsRect().center();
        QTest::mousePress(&surface, Qt::LeftButton, k.mods, from);
        Move(from - QPoint(79, 0), k.mods);
        EXPECT_EQ(!surface.ShownGuides().Empty(), k.guides);
        // Drawn between the two buttons while it shows, gone once the drag ends.
        const QPoint between(20, 60);
        const QColor face = Pixel(QPoint(390, 290));
        EXPECT_EQ(Pixel(between) != face, k.guides);
        QTest::mouseRelease(&surface, Qt::LeftButton, k.mods, from - QPoint(79, 0));
        EXPECT_EQ(b->Left, k.left);
        EXPECT_TRUE(surface.ShownGuides().Empty());
        EXPECT_EQ(Pixel(between), face);
    }
}

TEST_F(SurfaceGuides, AGuideHoldsTheOutlineUntilTheCursorLeavesItsReach) {
    const QPoint from = b->BoundsRect().center();
    QTest::mousePress(&surface, Qt::LeftButton, {}, from);
    Move(from - QPoint(79, 0), {}); // onto a's left edge, 2 beyond where the cursor is
    Move(from - QPoint(78, 0), {});
    Move(from - QPoint(77, 0), {});
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, from - QPoint(77, 0));
    EXPECT_EQ(b->Left, 20);
    QTest::mousePress(&surface, Qt::LeftButton, {}, b->BoundsRect().center());
    Move(b->BoundsRect().center() + QPoint(kGuideReach + 1, 0), {});
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, b->BoundsRect().center());
    EXPECT_EQ(b->Left, 20 + kGuideReach + 1);
}

TEST_F(SurfaceGuides, ANewControlDrawnWithTheMouseSnapsItsDraggedCorner) {
    doc.Options.AutoStartSize = true;
    surface.SetArmedTool(ctList, true);
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(30, 150));
    Move(QPoint(78, 177), {}); // the right edge 2 short of a's; no line near the bottom
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(78, 177));
    ASSERT_EQ(doc.ControlCount(), 3);
    EXPECT_EQ(doc.ControlAt(2)->BoundsRect(), QRect(30, 150, 50, 27));
}
} // namespace
