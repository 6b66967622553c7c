// The design surface: its size and caption follow the document, it paints the controls and
// the grid, and its keys toggle the grid and the font.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

#include "io/mvSettings.h"
#include "model/mvColorRef.h"
#include "model/mvControls.h"
#include "model/mvSystemColors.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
QImage Grab(TMainDialog& surface) {
    return surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(MainDialog, ClientAreaFollowsTheDocumentsClientSize) {
    DialogDocument doc;
    TMainDialog surface(doc);
    EXPECT_EQ(surface.size(), QSize(320, 240));
    doc.SetClientSize(400, 150);
    EXPECT_EQ(surface.size(), QSize(400, 150));
}

TEST(MainDialog, FrameInTheMdiAreaFollowsTheClientSize) {
    DialogDocument doc;
    QMdiArea area;
    area.resize(900, 700);
    auto* surface = new TMainDialog(doc);
    QMdiSubWindow* frame = area.addSubWindow(surface);
    area.show();
    const QSize before = frame->size();
    doc.SetClientSize(doc.ClientWidth + 50, doc.ClientHeight + 30);
    EXPECT_EQ(frame->size(), before + QSize(50, 30));
}

TEST(MainDialog, CaptionAndFontAreTheDialogs) {
    DialogDocument doc;
    TMainDialog surface(doc);
    EXPECT_EQ(surface.windowTitle(), QStringLiteral("New Project"));
    doc.Title = QStringLiteral("Away messages");
    doc.RepaintSurface();
    EXPECT_EQ(surface.windowTitle(), QStringLiteral("Away messages"));
    EXPECT_EQ(surface.font().family(), doc.DialogFont().family());
}

TEST(MainDialog, DetachesFromTheDocumentWhenDestroyed) {
    DialogDocument doc;
    {
        TMainDialog surface(doc);
        EXPECT_EQ(doc.View, &surface);
    }
    EXPECT_EQ(doc.View, nullptr);
    doc.SetClientSize(100, 100); // must not reach the destroyed surface
}

TEST(MainDialog, PaintsVisibleControlsAtTheirPlaceOnTheFace) {
    DialogDocument doc;
    TMainDialog surface(doc);
    TmvControl* edit = Place(doc, ctEdit, 40, 30, 100, 20);
    TmvControl* hidden = Place(doc, ctEdit, 200, 100, 60, 20);
    hidden->SetVisible(false);
    const QImage image = Grab(surface);
    const TmvSystemColors colors = SystemColors();
    EXPECT_EQ(image.pixelColor(5, 5), colors.Face);
    // The edit's white inside, past its sunken frame, sits at the control's place.
    EXPECT_EQ(image.pixelColor(edit->Left + 50, edit->Top + 10), colors.Window);
    EXPECT_EQ(image.pixelColor(edit->Left - 1, edit->Top + 10), colors.Face);
    // A hidden control leaves the face untouched.
    EXPECT_EQ(image.pixelColor(hidden->Left + 30, hidden->Top + 10), colors.Face);
}

TEST(MainDialog, PaintsInZOrderTopmostLast) {
    DialogDocument doc;
    TMainDialog surface(doc);
    Place(doc, ctList, 10, 10, 100, 100);
    TmvControl* button = Place(doc, ctButton, 30, 30, 60, 30);
    doc.BringToFront(button);
    const QImage image = Grab(surface);
    // The button's face covers the list's white area where they overlap.
    EXPECT_EQ(image.pixelColor(button->Left + 5, button->Top + 5), SystemColors().Face);
}

Settings GridSettings(int type) {
    Settings s;
    s.ShowGrid = true;
    s.GridSizeX = 8;
    s.GridSizeY = 8;
    s.GridColor = 0x000000ff; // red in the Windows colour order
    s.GridType = type;
    return s;
}

TEST(MainDialog, GridColourIsConvertedFromTheWindowsOrder) {
    EXPECT_EQ(ColorFromColorRef(0x00ff0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromColorRef(0x000080ff), QColor(255, 128, 0));
    EXPECT_EQ(ColorRefFromColor(QColor(255, 128, 0)), 0x000080ff);
}

TEST(MainDialog, GridDotsAndLines) {
    struct Case {
        int type;
        bool betweenDotsIsLine;
    };
    for (const Case c : {Case{0, false}, Case{1, true}}) {
        SCOPED_TRACE(c.type);
        DialogDocument doc;
        doc.UseDbu = false;
        TMainDialog surface(doc);
        surface.ApplySettings(GridSettings(c.type));
        const QImage& grid = surface.GridBitmap();
        EXPECT_EQ(grid.pixelColor(16, 16), QColor(255, 0, 0));
        EXPECT_EQ(grid.pixelColor(20, 20), SystemColors().Face);
        EXPECT_EQ(grid.pixelColor(20, 16) == QColor(255, 0, 0), c.betweenDotsIsLine);
        const QImage shown = Grab(surface);
        EXPECT_EQ(shown.pixelColor(16, 16), QColor(255, 0, 0));
    }
}

TEST(MainDialog, GridIsTiledSoItsBitmapStaysTheSizeOfWhatIsShown) {
    DialogDocument doc;
    doc.UseDbu = false;
    TMainDialog surface(doc);
    surface.ApplySettings(GridSettings(0));
    doc.SetClientSize(32767, 300); // far wider than the screen
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_LE(surface.GridBitmap().width(), screen.width() + 8);
    EXPECT_EQ(surface.GridBitmap().width() % 8, 0);
    // Far beyond the first tile the dots still lie on the grid.
    QImage part(64, 64, QImage::Format_RGB32);
    surface.render(&part, QPoint(), QRegion(QRect(30000, 200, 64, 64)));
    EXPECT_EQ(part.pixelColor(0, 0), QColor(255, 0, 0));  // (30000, 200)
    EXPECT_EQ(part.pixelColor(8, 16), QColor(255, 0, 0)); // (30008, 216)
    EXPECT_EQ(part.pixelColor(4, 4), SystemColors().Face);
    EXPECT_EQ(part.pixelColor(4, 0), SystemColors().Face);
}

TEST(MainDialog, GKeyTogglesTheGrid) {
    DialogDocument doc;
    doc.UseDbu = false;
    TMainDialog surface(doc);
    Settings s = GridSettings(0);
    s.ShowGrid = false;
    surface.ApplySettings(s);
    bool reported = false;
    QObject::connect(&surface, &TMainDialog::ShowGridToggled, [&](bool on) { reported = on; });
    EXPECT_EQ(Grab(surface).pixelColor(16, 16), SystemColors().Face);
    QTest::keyClick(&surface, Qt::Key_G);
    EXPECT_TRUE(surface.ShowGrid());
    EXPECT_TRUE(reported);
    EXPECT_EQ(Grab(surface).pixelColor(16, 16), QColor(255, 0, 0));
    QTest::keyClick(&surface, Qt::Key_G, Qt::ShiftModifier);
    EXPECT_FALSE(surface.ShowGrid());
    EXPECT_EQ(Grab(surface).pixelColor(16, 16), SystemColors().Face);
}

TEST(MainDialog, FKeySwitchesBetweenTahomaAndMsSansSerif) {
    DialogDocument doc;
    doc.SetFontName(QStringLiteral("Tahoma"));
    TMainDialog surface(doc);
    TmvControl* button = Place(doc, ctButton, 10, 10, 60, 20);
    QTest::keyClick(&surface, Qt::Key_F);
    EXPECT_EQ(doc.FontName, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(button->Font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(surface.font().family(), QStringLiteral("MS Sans Serif"));
    QTest::keyClick(&surface, Qt::Key_F);
    EXPECT_EQ(doc.FontName, QStringLiteral("Tahoma"));
}

TEST(MainDialog, CloseRequestIsRefused) {
    DialogDocument doc;
    QMdiArea area;
    auto* surface = new TMainDialog(doc);
    QMdiSubWindow* frame = area.addSubWindow(surface);
    area.show();
    frame->show();
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(surface->close());
}

TEST(MainDialog, MenuBarStripSitsAboveTheClientArea) {
    DialogDocument doc;
    doc.MenuBarHeight = 20;
    TMainDialog surface(doc);
    EXPECT_EQ(surface.size(), QSize(320, 260));
    TmvControl* edit = Place(doc, ctEdit, 10, 0, 100, 20);
    const QImage image = Grab(surface);
    EXPECT_EQ(image.pixelColor(5, 0), SystemColors().Shadow);
    EXPECT_EQ(image.pixelColor(edit->Left + 50, 20 + 10), SystemColors().Window);
}
} // namespace
