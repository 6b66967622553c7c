// The control palette: its shapes floating and docked, the arming of a type for the surface,
// the single-tab-control rule, the View command, its settings and the look of its buttons.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "app/mvObjPalette.h"
#include "app/mvPaletteButton.h"
#include "io/mvConfigPaths.h"
#include "io/mvIniFile.h"
#include "model/mvControls.h"
#include "model/mvSystemColors.h"
#include "palettePictures.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"

namespace {
void RemoveSettings() {
    QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
}

struct PaletteShell : Shell {
    PaletteShell() { Main.show(); }
    TObjPalette& Palette() { return *Main.ObjPalette(); }
    TmvPaletteButton* Button(int type) { return Palette().Buttons().at(size_t(type)); }
    void Press(int type, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(Button(type), button, {}, QPoint(5, 5));
        QTest::mouseRelease(Button(type), button, {}, QPoint(5, 5));
    }
    int DownCount() {
        int down = 0;
        for (const TmvPaletteButton* b : Palette().Buttons())
            down += b->Down() ? 1 : 0;
        return down;
    }
};

TEST(ObjPalette, ShapesFloatingAndDocked) {
    RemoveSettings();
    struct Case {
        int orientation;
        QSize area;
        Qt::ToolBarArea dock; // none for the floating shapes
        QPoint lastButton;    // where the scroll button (the twelfth) sits
    };
    const Case cases[] = {
        {1, {54, 162}, Qt::NoToolBarArea, {27, 135}},
        {2, {27, 324}, Qt::NoToolBarArea, {0, 297}},
        {3, {162, 54}, Qt::NoToolBarArea, {135, 27}},
        {4, {324, 27}, Qt::NoToolBarArea, {297, 0}},
        {5, {324, 27}, Qt::TopToolBarArea, {299, 0}},
        {6, {324, 27}, Qt::BottomToolBarArea, {299, 0}},
        {7, {27, 324}, Qt::LeftToolBarArea, {2, 297}},
        {8, {27, 324}, Qt::RightToolBarArea, {2, 297}},
    };
    PaletteShell shell;
    TObjPalette& palette = shell.Palette();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        palette.SetPaletteOrientation(c.orientation);
        EXPECT_EQ(palette.Orientation(), c.orientation);
        EXPECT_EQ(shell.Main.CurrentSettings().PaletteOrientation, c.orientation);
        const bool docked = c.dock != Qt::NoToolBarArea;
        // The window and the tool bar never show together.
        EXPECT_EQ(palette.Frame()->isHidden(), docked);
        EXPECT_EQ(palette.DockBar()->isHidden(), !docked);
        if (docked) {
            EXPECT_EQ(shell.Main.toolBarArea(palette.DockBar()), c.dock);
            EXPECT_EQ(palette.Panel()->parentWidget(), palette.DockBar());
            EXPECT_EQ(palette.Panel()->size(), c.area + QSize(2, 0));
            if (c.area.width() > c.area.height())
                EXPECT_EQ(palette.DockBar()->height(), 31);
            else
                EXPECT_EQ(palette.DockBar()->width(), 33);
        } else {
            EXPECT_EQ(palette.size(), c.area) << "the window's client area";
            EXPECT_EQ(palette.Panel()->parentWidget(), &palette);
        }
        EXPECT_EQ(palette.Buttons().back()->geometry(), QRect(c.lastButton, QSize(27, 27)));
        EXPECT_EQ(MainToolbarHasBottomEdge(shell.Main.tb), c.orientation == 5);
        int checked = 0;
        for (QAction* item : palette.PopMenu->actions())
            if (item->isChecked() && item != palette.opFlat) {
                ++checked;
                EXPECT_EQ(item->data().toInt(), c.orientation);
            }
        EXPECT_EQ(checked, 1);
    }
    // Picked from the pop-up menu, the same.
    palette.op1x12->trigger();
    EXPECT_EQ(palette.size(), QSize(27, 324));
    EXPECT_TRUE(palette.DockBar()->isHidden());
}

TEST(ObjPalette, ArmingMovesBetweenButtonsAndAPressedButtonDisarms) {
    PaletteShell shell;
    TMainDialog* surface = shell.Main.Surface();
    EXPECT_EQ(shell.Button(ctEdit)->toolTip(), QStringLiteral("edit"));
    EXPECT_EQ(shell.Button(ctEdit)->ImageIndex(), 4);
    shell.Press(ctEdit);
    EXPECT_TRUE(shell.Button(ctEdit)->Down());
    EXPECT_TRUE(surface->ToolArmed());
    EXPECT_EQ(surface->ArmedType(), int(ctEdit));
    shell.Press(ctCombo);
    EXPECT_FALSE(shell.Button(ctEdit)->Down());
    EXPECT_TRUE(shell.Button(ctCombo)->Down());
    EXPECT_EQ(surface->ArmedType(), int(ctCombo));
    EXPECT_TRUE(surface->ToolArmed());
    // Other mouse buttons do nothing.
    shell.Press(ctList, Qt::RightButton);
    EXPECT_FALSE(shell.Button(ctList)->Down());
    EXPECT_EQ(surface->ArmedType(), int(ctCombo));
    shell.Press(ctCombo);
    EXPECT_EQ(shell.DownCount(), 0);
    EXPECT_FALSE(surface->ToolArmed());
    // The surface releases every button once it has used the tool.
    shell.Press(ctScroll);
    emit surface->ReleasePalette();
    EXPECT_EQ(shell.DownCount(), 0);
}

TEST(ObjPalette, SecondTabControlIsRefusedWithTheMessage) {
    PaletteShell shell;
    TMainDialog* surface = shell.Main.Surface();
    shell.Press(ctTab);
    EXPECT_TRUE(surface->ToolArmed());
    EXPECT_EQ(surface->ArmedType(), int(ctTab));
    EXPECT_TRUE(shell.Prompt.Messages.empty());
    shell.Press(ctTab);

    ASSERT_NE(shell.Doc().CreateControl(ctTab, true, 10, 10, 200, 150, -1), nullptr);
    shell.Press(ctEdit);
    shell.Press(ctTab);
    ASSERT_EQ(shell.Prompt.Messages.size(), 1u);
    EXPECT_EQ(shell.Prompt.Messages[0].Kind, QStringLiteral("Information"));
    EXPECT_EQ(shell.Prompt.Messages[0].Caption, QStringLiteral("Tab Control"));
    EXPECT_EQ(shell.Prompt.Messages[0].Text,
              QStringLiteral("You may only add a single tab control to a dialog.  To add, delete, "
                             "or modify existing tab pages, please use the More Properties page "
                             "of the Properties Browser."));
    EXPECT_EQ(shell.DownCount(), 0);
    // No button is down, so no tool stays armed either.
    EXPECT_FALSE(surface->ToolArmed());
}

TEST(ObjPalette, ViewCommandAndCloseButtonShowAndHideIt) {
    RemoveSettings();
    PaletteShell shell;
    TObjPalette& palette = shell.Palette();
    QAction* command = shell.Main.actObjPalette;
    EXPECT_TRUE(command->isEnabled());
    EXPECT_TRUE(palette.PaletteShown());
    EXPECT_TRUE(command->isChecked());
    command->trigger();
    EXPECT_TRUE(palette.Frame()->isHidden());
    EXPECT_FALSE(command->isChecked());
    command->trigger();
    EXPECT_FALSE(palette.Frame()->isHidden());
    EXPECT_TRUE(command->isChecked());
    palette.Frame()->close();
    EXPECT_TRUE(palette.Frame()->isHidden());
    EXPECT_FALSE(command->isChecked());

    // Docked at the top, the main toolbar's bottom edge comes and goes with it.
    palette.SetPaletteOrientation(5);
    EXPECT_TRUE(command->isChecked());
    EXPECT_TRUE(MainToolbarHasBottomEdge(shell.Main.tb));
    command->trigger();
    EXPECT_TRUE(palette.DockBar()->isHidden());
    EXPECT_FALSE(MainToolbarHasBottomEdge(shell.Main.tb));
    command->trigger();
    EXPECT_FALSE(palette.DockBar()->isHidden());
    EXPECT_TRUE(MainToolbarHasBottomEdge(shell.Main.tb));
}

TEST(ObjPalette, OrientationFlatnessAndVisibilityLastToTheNextStart) {
    RemoveSettings();
    {
        PaletteShell shell;
        EXPECT_EQ(shell.Palette().Orientation(), 1);
        EXPECT_TRUE(shell.Palette().Flat());
        shell.Palette().opFlat->trigger();
        EXPECT_FALSE(shell.Button(ctButton)->Flat());
        shell.Palette().Frame()->move(30, 40);
        shell.Palette().Frame()->close();
        ASSERT_TRUE(shell.Main.close());
    }
    TmvIniFile ini(ConfigFilePath(QStringLiteral("marovel.ini")));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Windows"), QStringLiteral("ObjectPalette"), {}),
              QStringLiteral("30,40,0"));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("Palette"), QStringLiteral("Flat"), true));
    {
        PaletteShell shell;
        EXPECT_FALSE(shell.Palette().Flat());
        EXPECT_FALSE(shell.Palette().opFlat->isChecked());
        EXPECT_FALSE(shell.Palette().PaletteShown());
        EXPECT_FALSE(shell.Main.actObjPalette->isChecked());
        EXPECT_EQ(shell.Palette().Frame()->pos(), QPoint(30, 40));
        shell.Palette().SetPaletteOrientation(7);
        ASSERT_TRUE(shell.Main.close());
    }
    {
        // Docked, the tool bar's own visibility ("ShowDock") counts.
        PaletteShell shell;
        EXPECT_EQ(shell.Palette().Orientation(), 7);
        EXPECT_TRUE(shell.Palette().PaletteShown());
        EXPECT_TRUE(shell.Palette().Frame()->isHidden());
        EXPECT_EQ(shell.Main.toolBarArea(shell.Palette().DockBar()), Qt::LeftToolBarArea);
    }
    RemoveSettings();
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How far two pictures of one size lie apart: the sum of their channels' differences.
qint64 Distance(const QImage& a, const QImage& b) {
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum;
}

// The strips were drawn on Linux; Windows rasterises the generator's small text ("www") a few
// pixels differently, so there the button may differ from a fresh drawing by that much, while
// the nearest picture must still be its own type's.
#ifdef Q_OS_WIN
constexpr qint64 kTextRasterDifference = 27 * 27 * 3 * 255 / 10;
#else
constexpr qint64 kTextRasterDifference = 0;
#endif

TEST(ObjPalette, EachButtonShowsThePictureOfTheTypeItArms) {
    RemoveSettings();
    PaletteShell shell;
    shell.Palette().SetPaletteFlat(false);
    // Each type's picture as the generator draws it, alone on a button of the same size.
    std::vector<QList<QPixmap>> own;
    for (int type = 0; type < kControlTypeCount; ++type)
        own.push_back(CutImageStrip(QPixmap::fromImage(PalettePictureImage(type)), 25, 1));
    std::vector<QImage> expected;
    for (int type = 0; type < kControlTypeCount; ++type) {
        TmvPaletteButton alone;
        alone.setGeometry(0, 0, 27, 27);
        alone.SetImages(&own[size_t(type)]);
        alone.SetImageIndex(0);
        expected.push_back(Grab(&alone));
    }
    for (int orientation : {1, 5}) {
        shell.Palette().SetPaletteOrientation(orientation);
        for (int type = 0; type < kControlTypeCount; ++type) {
            TmvPaletteButton* button = shell.Button(type);
            ASSERT_EQ(button->Tag, type);
            const QImage shown = Grab(button);
            int nearest = 0;
            for (int other = 1; other < kControlTypeCount; ++other)
                if (Distance(shown, expected[size_t(other)]) <
                    Distance(shown, expected[size_t(nearest)]))
                    nearest = other;
            EXPECT_EQ(ControlKeyword(nearest), ControlKeyword(type))
                << "orientation " << orientation;
            EXPECT_LE(Distance(shown, expected[size_t(type)]), kTextRasterDifference)
                << ControlKeyword(type).toStdString() << ", orientation " << orientation;
        }
    }
    RemoveSettings();
}

TEST(PaletteButton, PaintsDownRaisedFlatAndHovered) {
    const QList<QPixmap> pictures = CutImageStrip(QStringLiteral(":/images/palette.png"), 25, 12);
    const TmvSystemColors c = SystemColors();
    QWidget panel;
    panel.setAutoFillBackground(true);
    QPalette face = panel.palette();
    face.setColor(QPalette::Window, QColor(1, 2, 3)); // shows wherever the button paints nothing
    panel.setPalette(face);
    auto* button = new TmvPaletteButton(&panel);
    button->setGeometry(0, 0, 27, 27);
    EXPECT_EQ(button->ImageIndex(), -1);
    panel.show();

    // Raised: the lit edge top-left, the dark one bottom-right.
    QImage image = Grab(button);
    EXPECT_EQ(image.pixelColor(0, 5), c.Highlight);
    EXPECT_EQ(image.pixelColor(26, 5), c.DarkShadow);
    EXPECT_EQ(image.pixelColor(13, 13), c.Face);

    button->SetDown(true);
    image = Grab(button);
    EXPECT_EQ(image.pixelColor(0, 5), c.DarkShadow);
    EXPECT_EQ(image.pixelColor(13, 13), c.Highlight) << "the inside of a pushed button";

    button->SetDown(false);
    button->SetFlat(true);
    image = Grab(button);
    EXPECT_EQ(image.pixelColor(0, 5), QColor(1, 2, 3));
    EXPECT_EQ(image.pixelColor(13, 13), QColor(1, 2, 3));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->MouseInside());
    image = Grab(button);
    EXPECT_EQ(image.pixelColor(0, 5), c.Highlight);
    EXPECT_EQ(image.pixelColor(26, 5), c.Shadow);
    EXPECT_EQ(image.pixelColor(13, 13), c.Face);

    // The picture sits centred, one pixel further while down.
    button->SetImages(&pictures);
    button->SetImageIndex(0);
    const QImage picture = pictures[0].toImage().convertToFormat(QImage::Format_ARGB32);
    QPoint opaque(-1, -1);
    for (int y = 0; y < 25 && opaque.x() < 0; ++y)
        for (int x = 0; x < 25; ++x)
            if (qAlpha(picture.pixel(x, y)) == 255 && QColor(picture.pixel(x, y)) != c.Face &&
                QColor(picture.pixel(x, y)) != c.Highlight) {
                opaque = QPoint(x, y);
                break;
            }
    ASSERT_GE(opaque.x(), 0);
    const QColor ink = picture.pixelColor(opaque);
    EXPECT_EQ(Grab(button).pixelColor(opaque + QPoint(1, 1)), ink.rgb());
    button->SetDown(true);
    EXPECT_EQ(Grab(button).pixelColor(opaque + QPoint(2, 2)), ink.rgb());
}
} // namespace
