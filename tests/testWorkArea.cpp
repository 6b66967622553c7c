// The windows in the main window's work area: the tool windows above the design surface, where
// a first start puts them, a dialog too large for the area reachable by scrolling, captions kept
// in view, and the surface's frame in the classic Windows look.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include "app/mvObjPalette.h"
#include "app/mvStatusWindow.h"
#include "app/mvToolWindows.h"
#include "io/mvConfigPaths.h"
#include "io/mvSettings.h"
#include "model/mvWindowFrame.h"
#include "support/testDocumentHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"
#include "surface/mvMenuPreview.h"

namespace {
class WorkArea : public ::testing::Test {
protected:
    void SetUp() override { QFile::remove(ConfigFilePath(kSettingsFileName)); }
    void TearDown() override { QFile::remove(ConfigFilePath(kSettingsFileName)); }
    static void WriteSettings(const QByteArray& text) {
        WriteTestFile(ConfigFilePath(kSettingsFileName), text);
    }
};

std::vector<QMdiSubWindow*> ToolFrames(const TMain& main) {
    return {main.ObjBrowserFrame(), main.ObjPalette()->Frame(), main.MenuEditor()->Frame(),
            static_cast<QMdiSubWindow*>(main.statusWindow()->parentWidget())};
}

// Every shown tool window lies above the surface's window.
void ExpectToolsAboveTheSurface(const TMain& main) {
    const QList<QMdiSubWindow*> order = main.mdi->subWindowList(QMdiArea::StackingOrder);
    const qsizetype surface = order.indexOf(main.SurfaceFrame());
    for (QMdiSubWindow* tool : ToolFrames(main))
        if (!tool->isHidden())
            EXPECT_GT(order.indexOf(tool), surface) << tool->windowTitle().toStdString();
}

// A restart with the palette stored over the dialog, the other tools moved over it, then the
// dialog clicked, given a control and activated: the tools stay on top throughout.
TEST_F(WorkArea, ToolWindowsStayAboveTheSurfaceWhateverRaisesIt) {
    WriteSettings("[Windows]\r\nMainDialog=200,30,520,270,1\r\nObjectPalette=220,40,1\r\n");
    Shell shell;
    shell.Main.show();
    EXPECT_EQ(shell.Main.ObjPalette()->Frame()->pos(), QPoint(220, 40));
    ExpectToolsAboveTheSurface(shell.Main);
    shell.Main.statusWindow()->ShowStatus();
    for (QMdiSubWindow* tool : ToolFrames(shell.Main))
        tool->move(QPoint(240, 60));
    TMainDialog* surface = shell.Main.Surface();
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(5, 5));
    ExpectToolsAboveTheSurface(shell.Main);
    surface->SetArmedTool(ctButton, true); // placing a control raises the surface
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 100));
    ASSERT_EQ(shell.Doc().ControlCount(), 1);
    ExpectToolsAboveTheSurface(shell.Main);
    shell.Main.mdi->setActiveSubWindow(shell.Main.SurfaceFrame());
    ExpectToolsAboveTheSurface(shell.Main);
    // Staying on top is no choice of the status window's system menu.
    for (QAction* action : ToolFrames(shell.Main).back()->systemMenu()->actions())
        EXPECT_FALSE(action->isCheckable() && action->isVisible()) << action->text().toStdString();
}

TEST_F(WorkArea, AFirstStartCoversNoPartOfTheDialog) {
    for (const QSize frame : {QSize(1280, 1024), QSize(1024, 700)}) {
        SCOPED_TRACE(frame.width());
        RecordingPrompter prompt;
        ScriptedFiles files;
        TMain main;
        main.SetInteraction(&prompt, &files);
        main.setWindowState(Qt::WindowNoState);
        main.resize(frame);
        main.FirstShow();
        const QRect dialog = main.SurfaceFrame()->geometry();
        // The window is not shown: its area is what its layout gives the work area.
        const QRect area(QPoint(0, 0), main.mdi->contentsRect().size());
        for (QMdiSubWindow* tool : ToolFrames(main)) {
            if (tool->isHidden()) continue;
            EXPECT_FALSE(tool->geometry().intersects(dialog)) << tool->windowTitle().toStdString();
            EXPECT_GE(tool->x(), 0);
            EXPECT_GE(tool->y(), 0);
            // From 1280 pixels on, everything is in view.
            if (frame.width() >= 1280)
                EXPECT_TRUE(area.contains(tool->geometry())) << tool->windowTitle().toStdString();
        }
        EXPECT_TRUE(area.contains(dialog));
    }
}

// A first start with a project: the windows laid out move aside as the dialog grows, until the
// user moves one of them.
TEST_F(WorkArea, WindowsLaidOutByAFirstStartKeepBesideTheDialog) {
    Shell shell;
    shell.Main.show();
    ASSERT_TRUE(shell.Main.OpenProject(SampleProjectPath())); // a larger dialog, with a menu
    const auto covered = [&shell] {
        QStringList names;
        for (QMdiSubWindow* tool : ToolFrames(shell.Main))
            if (!tool->isHidden() &&
                tool->geometry().intersects(shell.Main.SurfaceFrame()->geometry()))
                names << tool->windowTitle();
        return names;
    };
    EXPECT_EQ(covered(), QStringList());
    QMdiSubWindow* palette = shell.Main.ObjPalette()->Frame();
    palette->move(palette->pos() + QPoint(0, 30));
    const QPoint placed = palette->pos();
    shell.Doc().SetClientSize(700, 500);
    EXPECT_EQ(palette->pos(), placed);
}

TEST(ToolWindows, ACaptionOutOfSightComesBackIntoView) {
    const QSize area(800, 600);
    struct Case {
        QRect frame;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 100, 300, 200}, {100, 100}}, // in view: stays
        {{650, 500, 300, 200}, {650, 500}}, // the caption's right end out: its title shows
        {{750, 500, 300, 200}, {500, 400}}, // the title off the right
        {{-40, 30, 300, 200}, {0, 30}},     // off the left
        {{100, -10, 300, 200}, {100, 0}},   // caption above the area
        {{3000, 2500, 908, 727}, {0, 0}},   // larger than the area
        {{100, 590, 300, 200}, {100, 400}}, // caption below the bottom
        {{100, 500, 300, 200}, {100, 500}}, // only the lower part is out: the caption is seen
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceInView(c.frame, 23, area), c.expected) << c.frame.x() << "," << c.frame.y();
}

TEST_F(WorkArea, ALargeDialogAtAnOffScreenPlaceIsFullyReachable) {
    // A 900 x 700 dialog remembered far outside the area.
    WriteSettings("[Windows]\r\nMainDialog=1500,1200,2400,1900,1\r\n"
                  "MainWindow=0,0,800,600,0\r\n");
    Shell shell;
    shell.Main.show();
    QMdiArea* mdi = shell.Main.mdi;
    QMdiSubWindow* frame = shell.Main.SurfaceFrame();
    ASSERT_EQ(shell.Main.Surface()->size(), QSize(900, 700));
    QCoreApplication::processEvents();
    // The caption is in view.
    EXPECT_GE(frame->x(), 0);
    EXPECT_GE(frame->y(), 0);
    EXPECT_LT(frame->y() + 23, mdi->viewport()->height());
    // Scrolled to the end, the dialog's bottom-right corner shows.
    ASSERT_TRUE(mdi->horizontalScrollBar()->isVisible());
    ASSERT_TRUE(mdi->verticalScrollBar()->isVisible());
    mdi->horizontalScrollBar()->setValue(mdi->horizontalScrollBar()->maximum());
    mdi->verticalScrollBar()->setValue(mdi->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_TRUE(mdi->viewport()->rect().contains(frame->geometry().bottomRight()))
        << frame->geometry().right() << "," << frame->geometry().bottom();
}

// --- The surface's frame --------------------------------------------------------------------

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(WorkArea, TheSurfacesFrameIsAClassicDialogFrame) {
    Shell shell;
    shell.Main.show();
    shell.Doc().Title = QStringLiteral("Away");
    TMainDialog* surface = shell.Main.Surface();
    surface->SyncWithDocument();
    QMdiSubWindow* frame = shell.Main.SurfaceFrame();
    shell.Main.mdi->setActiveSubWindow(frame);
    QCoreApplication::processEvents();
    // The border and the caption at the dialog font's metrics.
    const TmvWindowFrameMetrics m = WindowFrameMetrics(surface->font());
    EXPECT_EQ(frame->size() - surface->size(), QSize(2 * m.Border, m.TitleBarHeight() + m.Border));

    const QImage image = Grab(frame);
    const TmvSystemColors c = SystemColors();
    EXPECT_EQ(image.pixelColor(0, image.height() / 2), c.Light);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() / 2), c.DarkShadow);
    const QRect caption(m.Border, m.Border, image.width() - 2 * m.Border, m.CaptionHeight);
    const QRect text = CaptionTextRect(caption);
    // One colour from end to end (no gradient), the title at its left beside the icon.
    for (int x : {text.left() + 60, text.right() - 2})
        EXPECT_EQ(image.pixelColor(x, caption.top() + 1), c.ActiveCaption) << x;
    int firstInk = image.width();
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = text.left(); x < firstInk; ++x)
            if (image.pixelColor(x, y) == c.CaptionText) firstInk = x;
    EXPECT_LT(firstInk, text.left() + 4);
    EXPECT_EQ(image.pixelColor(CaptionIconRect(caption).center()), c.Window);
    // The close box, raised, with the middle of its cross; it closes nothing.
    const QRect close = CaptionCloseBoxRect(caption);
    EXPECT_EQ(image.pixelColor(close.topLeft()), c.Highlight);
    EXPECT_EQ(image.pixelColor(close.left() + 7, close.top() + 6), c.ButtonText);
    QTest::mouseClick(frame, Qt::LeftButton, {}, close.center());
    EXPECT_FALSE(frame->isHidden());
}

TEST_F(WorkArea, TheMenuPreviewWearsTheSurfacesFrame) {
    Shell shell;
    shell.Main.show();
    QMdiSubWindow* frame = shell.Main.SurfaceFrame();
    shell.Main.mdi->setActiveSubWindow(frame);
    shell.Main.MenuEditor()->FollowSurface();
    QCoreApplication::processEvents();
    TMenuPreview* preview = shell.Main.MenuEditor()->Preview();
    ASSERT_EQ(preview->size(), frame->size());
    const QImage surface = Grab(frame);
    const QImage shown = Grab(preview);
    const TmvWindowFrameMetrics m = WindowFrameMetrics(shell.Main.Surface()->font());
    // The preview shows the frame active, as the surface's is now.
    ASSERT_EQ(surface.pixelColor(surface.width() / 2, m.Border), SystemColors().ActiveCaption);
    // Border and caption, row for row.
    for (int y = 0; y < m.TitleBarHeight(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), surface.pixel(x, y)) << x << "," << y;
}
} // namespace
