// Stored placements put on the shell's windows and read back.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QWidget>

#include "app/mvWindowPlacement.h"
#include "app/mvWindowUtils.h"

namespace {
TEST(WindowUtils, UiFontIsTahomaWhenInstalledElseArial) {
    EXPECT_EQ(UiFontFamily({"Fixedsys", "Tahoma"}), QStringLiteral("Tahoma"));
    EXPECT_EQ(UiFontFamily({"tahoma"}), QStringLiteral("Tahoma"));
    EXPECT_EQ(UiFontFamily({"Tahoma Bold", "Verdana"}), QStringLiteral("Arial"));
    EXPECT_EQ(UiFontFamily({}), QStringLiteral("Arial"));
}

TEST(WindowPlacement, SurfaceTakesItsClientSizeFromTheEdges) {
    struct Case {
        TmvPlacement placement;
        QRect expected;
    };
    const QRect fallback(190, 20, 320, 240);
    const Case cases[] = {
        {TmvPlacement::Long(10, 20, 410, 320, 1), QRect(10, 20, 400, 300)},
        {TmvPlacement::Short(30, 40, true), QRect(30, 40, 320, 240)},
        // Edges before the corner give no size: the built-in one stays.
        {TmvPlacement::Long(100, 100, 50, 50, 1), QRect(100, 100, 320, 240)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SurfacePlacementRect(c.placement, fallback), c.expected);
}

TEST(WindowPlacement, MainWindowRoundTripsItsNormalPlacement) {
    QMainWindow window;
    ApplyMainWindowPlacement(&window, TmvPlacement::Long(15, 25, 815, 625, 0));
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.geometry(), QRect(15, 25, 800, 600));
    const TmvPlacement back = MainWindowPlacement(&window);
    EXPECT_EQ(FormatPlacement(back), QStringLiteral("15,25,815,625,0"));
}

TEST(WindowPlacement, NonZeroFlagMaximisesTheMainWindow) {
    QMainWindow window;
    ApplyMainWindowPlacement(&window, TmvPlacement::Long(0, 0, 1024, 700, 1));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(MainWindowPlacement(&window).Flag, 1);
}

TEST(WindowPlacement, ToolWindowIsVisibleExactlyForOne) {
    QWidget parent;
    parent.show();
    auto* tool = new QWidget(&parent);
    ApplyToolWindowPlacement(tool, TmvPlacement::Long(5, 6, 200, 100, 1));
    EXPECT_EQ(tool->geometry(), QRect(5, 6, 200, 100));
    EXPECT_FALSE(tool->isHidden());
    EXPECT_EQ(FormatPlacement(ToolWindowPlacement(tool)), QStringLiteral("5,6,200,100,1"));
    ApplyToolWindowPlacement(tool, TmvPlacement::Short(7, 8, false));
    EXPECT_TRUE(tool->isHidden());
    EXPECT_EQ(tool->pos(), QPoint(7, 8));
}
} // namespace
