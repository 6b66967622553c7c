// The drawing primitives under the control faces: frames, outlines, text layout, scroll bars,
// the grid, the drag outline, the hint and the grab handles.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <set>

#include "model/mvCustomHint.h"
#include "model/mvFrameControls.h"
#include "model/mvMoveRect.h"
#include "model/mvPaintHelpers.h"
#include "model/mvPlatform.h"
#include "model/mvSelectionMarks.h"
#include "support/testPainting.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMenuBar.h"

namespace {
const TmvSystemColors kColors = DistinctColors();

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Untouched());
    return image;
}
} // namespace

// --- Frames and outlines ---------------------------------------------------------------------

TEST(Frame3D, DarkEdgeOwnsTheOffCornersAndTheRectangleShrinks) {
    QImage image = Blank(10, 8);
    QPainter painter(&image);
    const QColor a(255, 0, 0), b(0, 0, 255);
    QRect r(0, 0, 10, 8);
    Frame3D(painter, r, a, b);
    painter.end();
    EXPECT_EQ(r, QRect(1, 1, 8, 6));
    EXPECT_EQ(At(image, 0, 0), a);
    EXPECT_EQ(At(image, 8, 0), a);
    EXPECT_EQ(At(image, 9, 0), b); // top-right
    EXPECT_EQ(At(image, 0, 6), a);
    EXPECT_EQ(At(image, 0, 7), b); // bottom-left
    EXPECT_EQ(At(image, 9, 7), b);
    EXPECT_EQ(At(image, 1, 1), Untouched());
    EXPECT_EQ(CountColor(image, QRect(0, 0, 10, 8), a) + CountColor(image, QRect(0, 0, 10, 8), b),
              2 * (10 + 8) - 4);
}

struct RunsCase {
    QRect rect;
    int on, off;
    int pixels;
};

class OutlineRunsTest : public ::testing::TestWithParam<RunsCase> {};

TEST_P(OutlineRunsTest, CoverThePerimeterOnceInTheDashPattern) {
    const RunsCase& k = GetParam();
    std::set<std::pair<int, int>> seen;
    int total = 0;
    for (const QRect& run : OutlineRuns(k.rect, k.on, k.off)) {
        EXPECT_TRUE(run.width() == 1 || run.height() == 1);
        for (int y = run.top(); y <= run.bottom(); ++y)
            for (int x = run.left(); x <= run.right(); ++x) {
                const bool onEdge = x == k.rect.left() || x == k.rect.right() ||
                                    y == k.rect.top() || y == k.rect.bottom();
                EXPECT_TRUE(onEdge) << x << "," << y;
                EXPECT_TRUE(seen.insert({x, y}).second) << "twice: " << x << "," << y;
                ++total;
            }
    }
    EXPECT_EQ(total, k.pixels);
}

INSTANTIATE_TEST_SUITE_P(Outlines, OutlineRunsTest,
                         ::testing::Values(RunsCase{QRect(0, 0, 10, 5), 1, 0, 26},
                                           RunsCase{QRect(3, 4, 1, 1), 1, 0, 1},
                                           RunsCase{QRect(0, 0, 5, 1), 1, 0, 5},
                                           RunsCase{QRect(0, 0, 1, 5), 1, 0, 5},
                                           RunsCase{QRect(0, 0, 12, 2), 3, 3, 12},
                                           RunsCase{QRect(0, 0, 0, 5), 1, 0, 0}));

TEST(DottedOutline, AlternatesThreeOnThreeOff) {
    QImage image = Blank(20, 10);
    QPainter painter(&image);
    DottedOutline(painter, QRect(0, 0, 20, 10), kColors.Shadow);
    painter.end();
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(At(image, x, 0) == kColors.Shadow, x % 6 < 3) << x;
    EXPECT_EQ(At(image, 5, 5), Untouched());
}

// --- Text layout -----------------------------------------------------------------------------

TEST(TextLayout, TextExactlyAsWideAsTheLineDoesNotWrap) {
    const QFont font = DialogFont();
    const QString text = QStringLiteral("Text Label");
    const int width = QFontMetrics(font).horizontalAdvance(text);
    const auto lines = LayoutText(font, width, Qt::TextWordWrap, text);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Width, width);
    EXPECT_EQ(LayoutText(font, width - 1, Qt::TextWordWrap, text).size(), 2u);
}

TEST(TextLayout, BreaksBetweenWordsAndDropsTheBlankAtTheBreak) {
    const QFont font = DialogFont();
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("one two")) + 2;
    const auto lines = LayoutText(font, width, Qt::TextWordWrap, QStringLiteral("one two three"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Text, QStringLiteral("one two"));
    EXPECT_EQ(lines[1].Text, QStringLiteral("three"));
}

TEST(TextLayout, WordWiderThanTheLineIsBrokenBetweenCharacters) {
    const QFont font = DialogFont();
    const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("abcd"));
    const auto lines = LayoutText(font, width, Qt::TextWordWrap, QStringLiteral("abcdefghij"));
    ASSERT_GE(lines.size(), 3u);
    QString joined;
    for (const auto& line : lines) {
        EXPECT_LE(line.Width, width);
        joined += line.Text;
    }
    EXPECT_EQ(joined, QStringLiteral("abcdefghij"));
}

TEST(TextLayout, LongTextsAreLaidOutInOnePass) {
    const QFont font = DialogFont();
    QElapsedTimer timer;
    timer.start();
    const auto word = LayoutText(font, 60, Qt::TextWordWrap, QString(50000, QLatin1Char('x')));
    QString words;
    for (int i = 0; i < 10000; ++i)
        words += QStringLiteral("word ");
    const auto paragraph = LayoutText(font, 60, Qt::TextWordWrap, words);
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_GT(word.size(), 1000u);
    EXPECT_GE(paragraph.size(), 5000u);
}

TEST(TextLayout, LineBreaksStartNewLinesUnlessSingleLine) {
    const QFont font = DialogFont();
    EXPECT_EQ(LayoutText(font, 500, 0, QStringLiteral("a\r\nb\nc")).size(), 3u);
    EXPECT_EQ(LayoutText(font, 500, Qt::TextSingleLine, QStringLiteral("a\r\nb")).size(), 1u);
}

struct PrefixCase {
    const char* text;
    int flags;
    const char* shown;
};

class TextPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(TextPrefix, AcceleratorMarksTakeNoRoom) {
    const PrefixCase& k = GetParam();
    const QFont font = DialogFont();
    EXPECT_EQ(LineWidth(font, k.flags, QString::fromLatin1(k.text)),
              QFontMetrics(font).horizontalAdvance(QString::fromLatin1(k.shown)));
}

INSTANTIATE_TEST_SUITE_P(Text, TextPrefix,
                         ::testing::Values(PrefixCase{"&File", 0, "File"},
                                           PrefixCase{"A && B", 0, "A & B"},
                                           PrefixCase{"&File", kTextNoPrefix, "&File"},
                                           PrefixCase{"x&", 0, "x"}));

TEST(TextLayout, TabsExpandToEightAverageCharacters) {
    const QFont font = DialogFont();
    const QFontMetrics metrics(font);
    const int stop = 8 * metrics.averageCharWidth();
    EXPECT_EQ(LineWidth(font, Qt::TextExpandTabs, QStringLiteral("a\tb")),
              stop + metrics.horizontalAdvance(QLatin1Char('b')));
}

TEST(TextLayout, MeasuredBlockStaysAtTheTopLeft) {
    const QFont font = DialogFont();
    const QRect block =
        MeasureText(font, QRect(10, 20, 300, 100), Qt::AlignRight, QStringLiteral("abc"));
    EXPECT_EQ(block.topLeft(), QPoint(10, 20));
    EXPECT_EQ(block.width(), QFontMetrics(font).horizontalAdvance(QStringLiteral("abc")));
    EXPECT_EQ(block.height(), QFontMetrics(font).height());
}

// The fonts of the surface put every glyph where the measured width of the text before it ends,
// so a word drawn whole looks exactly like its two halves drawn apart. With fractional advances
// each glyph lands on a pixel of its own and gaps open inside words ("Change nicknam e").
TEST(TextLayout, SurfaceFontsDrawWordsAsTheirMeasuredPieces) {
    DialogDocument doc;
    std::vector<QFont> fonts;
    for (const char* name : {"Tahoma", "MS Sans Serif"}) {
        doc.FontName = QString::fromLatin1(name);
        fonts.push_back(doc.DialogFont());
    }
    fonts.push_back(MenuBarFont());
    fonts.push_back(TmvCustomHint::ScreenHintFont());
    const QString text = QStringLiteral("Change nickname immediately");
    for (const QFont& font : fonts) {
        // Each piece in an image of its own, with room for glyphs that reach out of their box,
        // then its ink copied where the piece starts.
        constexpr int kMargin = 4;
        const int width = LineWidth(font, 0, text) + 2 * kMargin;
        const auto drawn = [&](const QStringList& pieces) {
            QImage image(width, 20, QImage::Format_RGB32);
            image.fill(Qt::white);
            int x = 0;
            for (const QString& piece : pieces) {
                QImage ink(width, 20, QImage::Format_RGB32);
                ink.fill(Qt::white);
                QPainter painter(&ink);
                painter.setPen(Qt::black);
                DrawTextLines(painter, QRect(kMargin, 0, width - kMargin, 20), 0, piece, font);
                for (int py = 0; py < ink.height(); ++py)
                    for (int px = 0; px < ink.width() && x + px < width; ++px)
                        if (ink.pixel(px, py) != QColor(Qt::white).rgb())
                            image.setPixel(x + px, py, ink.pixel(px, py));
                x += LineWidth(font, 0, piece);
            }
            return image;
        };
        const QImage whole = drawn({text});
        for (qsizetype split = 1; split < text.size(); ++split)
            EXPECT_EQ(drawn({text.left(split), text.mid(split)}), whole)
                << font.family().toStdString() << ": \"" << text.left(split).toStdString()
                << "\" then the rest";
    }
}

// --- Hatch, scroll bars, grid ----------------------------------------------------------------

TEST(HatchBrush, WhiteWhereRowAndColumnShareParity) {
    const QImage pattern = HatchBrush(kColors).textureImage();
    ASSERT_EQ(pattern.size(), QSize(8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(pattern.pixelColor(x, y),
                      x % 2 == y % 2 ? QColor(255, 255, 255) : kColors.Face);
}

TEST(ScrollBarPainter, ShortBarSharesItsLengthBetweenTheArrows) {
    QImage image = Blank(100, 20);
    QPainter painter(&image);
    const QRect bar =
        PaintScrollBar(painter, QRect(0, 0, 21, 20), soHorizontal, false, spBottom, kColors);
    painter.end();
    EXPECT_EQ(bar, QRect(0, 20 - HScrollBarHeight(), 21, HScrollBarHeight()));
    // Left box 10 wide, right box 11: each closes with its dark right edge.
    EXPECT_EQ(At(image, 9, bar.center().y()), kColors.DarkShadow);
    EXPECT_EQ(At(image, 20, bar.center().y()), kColors.DarkShadow);
    EXPECT_EQ(At(image, 10, bar.center().y()), kColors.Light);
}

TEST(ScrollBarPainter, LongBarShowsTrackBetweenFullArrows) {
    QImage image = Blank(20, 100);
    QPainter painter(&image);
    PaintScrollBar(painter, QRect(0, 0, 20, 100), soVertical, false, spRight, kColors);
    painter.end();
    const int x = 20 - VScrollBarWidth() / 2 - 1;
    EXPECT_EQ(At(image, x, VScrollArrowHeight() - 1), kColors.DarkShadow);
    EXPECT_EQ(At(image, x, 50), kColors.ScrollBar);
    EXPECT_EQ(At(image, x, 100 - VScrollArrowHeight()), kColors.Light);
    EXPECT_EQ(At(image, 0, 50), Untouched());
}

TEST(ScrollBarPainter, TheClassicTrackIsDitheredWithTheHighlightAsWindowsDrawsIt) {
    // In the classic scheme the scroll-bar colour is the face's: a plain fill would leave two
    // loose arrow boxes on the dialog.
    const TmvSystemColors classic = TmvSystemColors::Classic();
    ASSERT_EQ(classic.ScrollBar, classic.Face);
    QImage image = Blank(20, 100);
    QPainter painter(&image);
    const QRect bar =
        PaintScrollBar(painter, QRect(0, 0, 20, 100), soVertical, false, spRight, classic);
    painter.end();
    int highlight = 0;
    int scrollBar = 0;
    const QRect track(bar.left(), VScrollArrowHeight(), bar.width(),
                      bar.height() - 2 * VScrollArrowHeight());
    for (int y = track.top(); y <= track.bottom(); ++y)
        for (int x = track.left(); x <= track.right(); ++x) {
            const QColor pixel = At(image, x, y);
            highlight += pixel == classic.Highlight ? 1 : 0;
            scrollBar += pixel == classic.ScrollBar ? 1 : 0;
            // Neighbours always differ: a checker of the two.
            if (x > track.left()) EXPECT_NE(pixel, At(image, x - 1, y)) << x << "," << y;
        }
    EXPECT_EQ(highlight + scrollBar, track.width() * track.height());
    EXPECT_GT(highlight, 0);
    EXPECT_GT(scrollBar, 0);
}

TEST(ScrollBarPainter, DisabledArrowsAreEtched) {
    QImage enabled = Blank(20, 100), disabled = Blank(20, 100);
    QPainter a(&enabled);
    PaintScrollBar(a, QRect(0, 0, 20, 100), soVertical, false, spRight, kColors);
    a.end();
    QPainter b(&disabled);
    PaintScrollBar(b, QRect(0, 0, 20, 100), soVertical, true, spRight, kColors);
    b.end();
    const QRect arrow(3, 0, 17, 17);
    EXPECT_GT(CountColor(enabled, arrow, kColors.ButtonText), 10);
    EXPECT_EQ(CountColor(disabled, arrow, kColors.ButtonText), 0);
}

struct GridCase {
    int type;
    QPoint point;
    bool grid;
};

class GridPainter : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridPainter, LinesOrOnlyTheirCrossings) {
    const GridCase& k = GetParam();
    QImage image = Blank(40, 40);
    QPainter painter(&image);
    PaintGrid(painter, 0, 0, 40, 40, 8, 10, QColor(0, 0, 0), k.type, QBrush(kColors.Face));
    painter.end();
    EXPECT_EQ(At(image, k.point.x(), k.point.y()) == QColor(0, 0, 0), k.grid)
        << k.point.x() << "," << k.point.y();
}

INSTANTIATE_TEST_SUITE_P(Grid, GridPainter,
                         ::testing::Values(GridCase{1, {0, 0}, true}, GridCase{1, {16, 3}, true},
                                           GridCase{1, {5, 20}, true}, GridCase{1, {5, 5}, false},
                                           GridCase{0, {16, 20}, true}, GridCase{0, {16, 3}, false},
                                           GridCase{0, {5, 20}, false}, GridCase{0, {32, 30}, true},
                                           GridCase{0, {39, 39}, false}));

TEST(GridPainter, StepsAreDialogUnitsInDbuMode) {
    TmvPaintContext context = TestContext();
    context.GridType = 1;
    context.GridSizeX = 4;
    context.GridSizeY = 4;
    QImage image = Blank(40, 40);
    QPainter painter(&image);
    PaintGrid(painter, QRect(0, 0, 40, 40), context); // 4 dbu = 8 x 8 pixels
    context.UseDbu = false;
    painter.end();
    EXPECT_EQ(At(image, 8, 3), QColor(0, 0, 0));
    EXPECT_EQ(At(image, 4, 3), Untouched());
    QImage pixels = Blank(40, 40);
    QPainter p2(&pixels);
    PaintGrid(p2, QRect(0, 0, 40, 40), context);
    p2.end();
    EXPECT_EQ(At(pixels, 4, 3), QColor(0, 0, 0));
}

TEST(GridPainter, NonPositiveStepDrawsNothing) {
    QImage image = Blank(20, 20);
    QPainter painter(&image);
    PaintGrid(painter, 0, 0, 20, 20, 0, 8, QColor(0, 0, 0), 1, QBrush(kColors.Face));
    painter.end();
    EXPECT_EQ(CountColor(image, QRect(0, 0, 20, 20), Untouched()), 400);
}

// --- Drag rectangle --------------------------------------------------------------------------

class MoveRectStyle : public ::testing::TestWithParam<Qt::PenStyle> {};

TEST_P(MoveRectStyle, DrawingTwiceLeavesTheCanvasUnchanged) {
    QImage image(60, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            image.setPixelColor(x, y, QColor(x * 4, y * 6, 77));
    const QImage before = image;
    QPainter painter(&image);
    TmvMoveRect rect(painter, GetParam());
    rect.MoveTo(QRect(QPoint(50, 30), QPoint(5, 4)).normalized());
    rect.Draw();
    painter.end();
    EXPECT_NE(image, before);
    painter.begin(&image);
    TmvMoveRect again(painter, GetParam());
    again.MoveTo(rect.Rect());
    again.Draw();
    painter.end();
    EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(DragOutline, MoveRectStyle, ::testing::Values(Qt::SolidLine, Qt::DotLine));

TEST(MoveRect, SolidOutlineIsADoubleLineOfInvertedGrey) {
    QImage image = Blank(30, 30);
    image.fill(QColor(0, 0, 0));
    QPainter painter(&image);
    TmvMoveRect rect(painter, Qt::SolidLine);
    rect.MoveTo(QRect(5, 5, 20, 10));
    rect.Draw();
    painter.end();
    const QColor grey(128, 128, 128);
    EXPECT_EQ(At(image, 10, 5), grey);
    EXPECT_EQ(At(image, 10, 6), grey);
    EXPECT_EQ(At(image, 10, 7), QColor(0, 0, 0));
    EXPECT_EQ(At(image, 24, 14), grey);
    EXPECT_EQ(At(image, 23, 13), grey);
    EXPECT_EQ(At(image, 25, 14), QColor(0, 0, 0));
}

TEST(MoveRect, MovingErasesTheOldOutlineAndKeepsTheNewRectangle) {
    QImage image = Blank(50, 50);
    const QImage before = image;
    QPainter painter(&image);
    TmvMoveRect rect(painter, Qt::DotLine);
    EXPECT_EQ(rect.Rect(), QRect(0, 0, 0, 0));
    rect.MoveTo(QRect(2, 2, 20, 20));
    rect.Draw();
    rect.MoveTo(QRect(10, 10, 30, 30));
    EXPECT_EQ(rect.Rect(), QRect(10, 10, 30, 30));
    rect.MoveTo(QRect(0, 0, 0, 0)); // erases the second outline, which was never drawn
    painter.end();
    EXPECT_NE(image, before);
}

TEST(MoveRect, DraggingUpAndLeftIsNormalised) {
    QImage image = Blank(10, 10);
    QPainter painter(&image);
    TmvMoveRect rect(painter, Qt::SolidLine);
    rect.MoveTo(QRect(QPoint(30, 40), QSize(-20, -10)));
    painter.end();
    EXPECT_EQ(rect.Rect(), QRect(10, 30, 20, 10));
}

// --- Hint and handles ------------------------------------------------------------------------

TEST(CustomHint, SizeFollowsTheText) {
    TmvCustomHint hint(kColors);
    const QFontMetrics metrics(hint.Font());
    EXPECT_EQ(hint.Size().height(), metrics.height() + 4);
    hint.SetText(QStringLiteral("100, 25"));
    EXPECT_EQ(hint.Text(), QStringLiteral("100, 25"));
    EXPECT_EQ(hint.Size().width(), metrics.horizontalAdvance(QStringLiteral("100, 25")) + 6);
}

TEST(CustomHint, PaintsTextOnInfoColourWithARaisedEdge) {
    TmvCustomHint hint(kColors);
    hint.SetText(QStringLiteral("75 x 25"));
    QImage image = Blank(hint.Size().width(), hint.Size().height());
    QPainter painter(&image);
    hint.Paint(painter);
    painter.end();
    const int w = image.width(), h = image.height();
    EXPECT_EQ(At(image, 5, 0), kColors.Light);
    EXPECT_EQ(At(image, 0, 5), kColors.Light);
    EXPECT_EQ(At(image, 5, h - 1), kColors.DarkShadow);
    EXPECT_EQ(At(image, w - 1, 5), kColors.DarkShadow);
    EXPECT_EQ(At(image, 1, 1), kColors.InfoBackground);
    EXPECT_GT(CountColor(image, QRect(3, 2, w - 4, h - 3), kColors.InfoText), 10);
    EXPECT_EQ(CountColor(image, QRect(1, 1, w - 2, 1), kColors.InfoText), 0);
}

TEST(GrabHandle, HighlightOrInactiveWhenLockedInsideAWindowColouredOutline) {
    for (bool locked : {false, true}) {
        QImage image = Blank(kGrabHandleSize, kGrabHandleSize);
        QPainter painter(&image);
        PaintGrabHandle(painter, QRect(0, 0, kGrabHandleSize, kGrabHandleSize), locked, kColors);
        painter.end();
        const QColor fill = locked ? kColors.InactiveCaption : kColors.SelectionHighlight;
        EXPECT_EQ(CountColor(image, QRect(1, 1, 4, 4), fill), 16) << locked;
        EXPECT_EQ(CountColor(image, QRect(0, 0, 6, 6), kColors.Window), 20) << locked;
    }
}

// --- Colours ---------------------------------------------------------------------------------

TEST(SystemColors, ClassicSchemeOffWindows) {
#ifndef Q_OS_WIN
    const TmvSystemColors c = SystemColors();
    EXPECT_EQ(c.Face, QColor(212, 208, 200));
    EXPECT_EQ(c.Shadow, QColor(128, 128, 128));
    EXPECT_EQ(c.DarkShadow, QColor(64, 64, 64));
    EXPECT_EQ(c.Window, QColor(255, 255, 255));
    EXPECT_EQ(c.InfoBackground, QColor(255, 255, 225));
    EXPECT_EQ(TmvPaintContext().Colors.Face, c.Face);
#endif
}

#ifdef Q_OS_WIN
TEST(SystemColors, OnWindowsTheRolesAreTheSystemsButTheCaptionsAreClassic) {
    const TmvSystemColors c = SystemColors();
    const auto system = [](int index) {
        const DWORD color = GetSysColor(index);
        return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
    };
    EXPECT_EQ(c.Face, system(COLOR_BTNFACE));
    EXPECT_EQ(c.DarkShadow, system(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.InfoBackground, system(COLOR_INFOBK));
    EXPECT_EQ(c.SelectionHighlight, system(COLOR_HIGHLIGHT));
    EXPECT_EQ(c.ActiveCaption, TmvSystemColors::Classic().ActiveCaption);
    EXPECT_EQ(c.ScrollBar, TmvSystemColors::Classic().ScrollBar);
}
#endif

TEST(PaintContext, DefaultsAreTheProgramDefaults) {
    const TmvPaintContext context;
    EXPECT_FALSE(context.HotTracking);
    EXPECT_EQ(context.HotTrackColor, QColor(255, 0, 0));
    EXPECT_TRUE(context.TextBorder);
    EXPECT_FALSE(context.ShowGrid);
    EXPECT_FALSE(context.ShowGridInTabs);
    EXPECT_EQ(context.GridSizeX, 8);
    EXPECT_EQ(context.GridSizeY, 8);
    EXPECT_EQ(context.GridColor, QColor(0, 0, 0));
    EXPECT_EQ(context.GridType, 0);
    EXPECT_TRUE(context.UseDbu);
    EXPECT_FALSE(context.Selected);
    EXPECT_FALSE(context.Clicking);
}
