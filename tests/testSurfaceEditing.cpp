// Editing on the design surface with the mouse and the keys, driven through real events: the
// press rules, move and size drags with snapping, the rubber band, creation from the armed tool,
// the tab strip, the keyboard table, the context menu and resizing by the frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "io/mvSettings.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDragMath.h"
#include "surface/mvFrameSnap.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvHintWindow.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfacePopMenu.h"

namespace {

class SurfaceEditing : public ::testing::Test {
protected:
    SurfaceEditing() {
        doc.UseDbu = false;
        doc.SetClientSize(400, 300);
        // The drag rules here are the grid's; guides have their own tests (testGuides).
        settings.SnapToGuides = false;
        surface.SetSnapToGuides(false);
        surface.show();
    }

    void Apply(const std::function<void(Settings&)>& change) {
        change(settings);
        surface.ApplySettings(settings);
    }

    void Press(QPoint at, Qt::KeyboardModifiers mods = {},
               Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&surface, button, mods, at);
    }
    void MoveTo(QPoint at, Qt::KeyboardModifiers mods = {}) {
        QMouseEvent move(QEvent::MouseMove, at, surface.mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, mods);
        QApplication::sendEvent(&surface, &move);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(&surface, button, {}, at);
    }
    // A left drag from `from` through each of `steps`, released at the last.
    void Drag(QPoint from, const std::vector<QPoint>& steps, Qt::KeyboardModifiers mods = {}) {
        Press(from, mods);
        for (const QPoint& p : steps)
            MoveTo(p, mods);
        Release(steps.empty() ? from : steps.back());
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&surface, key, mods); }
    // A tab control at (10, 10), 300 x 200, with two pages, the first shown.
    TmvTab* PlaceTabOfTwoPages() {
        auto* tab = static_cast<TmvTab*>(Place(doc, ctTab, 10, 10, 300, 200));
        doc.AddTabPage();
        doc.AddTabPage();
        tab->SetActivePage(0);
        return tab;
    }

    Settings settings;
    DialogDocument doc;
    TMainDialog surface{doc};
};

TEST_F(SurfaceEditing, PressSelectsAloneAndPlacesTheHandles) {
    TmvControl* a = Place(doc, ctButton, 10, 10, 75, 25);
    TmvControl* b = Place(doc, ctButton, 150, 10, 75, 25);
    TmvControl* c = Place(doc, ctButton, 150, 100, 75, 25);
    doc.Select(b);
    doc.Select(c);
    Press(QPoint(20, 20));
    Release(QPoint(20, 20));
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{a});
    EXPECT_EQ(doc.CurrentControl, a);
    TmvGrabHandles& handles = surface.GrabHandles();
    ASSERT_TRUE(handles.Shown());
    EXPECT_EQ(handles.At(1)->pos(), QPoint(44, 7));
    EXPECT_EQ(handles.At(3)->pos(), QPoint(82, 19));
    EXPECT_EQ(handles.At(3)->Direction(), 4);
    EXPECT_FALSE(doc.Modified); // a click moves nothing
}

TEST_F(SurfaceEditing, CtrlClickTogglesAndTheLastSelectedBecomesCurrent) {
    TmvControl* a = Place(doc, ctButton, 10, 10, 75, 25);
    TmvControl* b = Place(doc, ctButton, 150, 10, 75, 25);
    Drag(QPoint(20, 20), {});
    Press(QPoint(160, 20), Qt::ControlModifier);
    Release(QPoint(160, 20));
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{a, b}));
    EXPECT_EQ(doc.CurrentControl, b);
    EXPECT_FALSE(surface.GrabHandles().Shown()); // two selected: corner marks instead
    Press(QPoint(160, 20), Qt::ControlModifier);
    Release(QPoint(160, 20));
    EXPECT_EQ(doc.CurrentControl, a);
    Press(QPoint(20, 20), Qt::ControlModifier);
    Release(QPoint(20, 20));
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_FALSE(surface.GrabHandles().Shown());
}

TEST_F(SurfaceEditing, MoveDragSnapsWithHalvesToEvenAndCarriesTheRemainder) {
    struct Case {
        bool snap;
        Qt::KeyboardModifiers mods;
        std::vector<int> steps; // cursor x offsets from the press, in turn
        int moved;
    };
    const std::vector<Case> cases = {
        {true, {}, {4}, 0},
        {true, {}, {5}, 8},
        {true, {}, {12}, 16},
        {true, {}, {12, 20}, 16},
        {true, {}, {3, 6}, 8},
        {false, {}, {3, 7}, 7},
        {false, Qt::ShiftModifier, {5}, 8}, // Shift turns snapping on
        {true, Qt::ShiftModifier, {5}, 5},  // and off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "snap " << c.snap << " last " << c.steps.back());
        Apply([&](Settings& s) { s.SnapMove = c.snap; });
        doc.ClearDialog();
        TmvControl* button = Place(doc, ctButton, 40, 40, 75, 25);
        std::vector<QPoint> steps;
        for (int x : c.steps)
            steps.push_back(QPoint(50 + x, 50));
        Drag(QPoint(50, 50), steps, c.mods);
        EXPECT_EQ(button->Left, 40 + c.moved);
        EXPECT_EQ(button->Top, 40);
        EXPECT_FALSE(surface.Dragging());
    }
}

TEST_F(SurfaceEditing, DbuModeMovesByWholeDialogUnitsAndHintsInThem) {
    doc.UseDbu = true;
    TmvControl* button = Place(doc, ctButton, 40, 40, 76, 26);
    Press(QPoint(50, 50));
    MoveTo(QPoint(53, 55)); // 3 and 5 pixels: 2 and 4 applied, 1 and 1 carried
    ASSERT_NE(surface.DragHint(), nullptr);
    EXPECT_EQ(
        surface.DragHint()->Text(),
        QStringLiteral("%1, %2").arg(XToDbu(40 + QuantizeX(3))).arg(YToDbu(40 + QuantizeY(5))));
    MoveTo(QPoint(54, 56)); // the carried pixel and this one make one more dialog unit
    Release(QPoint(54, 56));
    EXPECT_EQ(button->BoundsRect().topLeft(), QPoint(44, 46));
    EXPECT_EQ(surface.DragHint(), nullptr);
    EXPECT_TRUE(doc.Modified);
}

TEST_F(SurfaceEditing, LockedControlsStayWhileTheRestOfTheSelectionMoves) {
    TmvControl* free = Place(doc, ctButton, 10, 10, 75, 25);
    TmvControl* locked = Place(doc, ctButton, 150, 10, 75, 25);
    locked->Locked = true;
    doc.Select(free);
    doc.Select(locked);
    doc.SetCurrentControl(free);
    Drag(QPoint(20, 20), {QPoint(30, 25)});
    EXPECT_EQ(free->BoundsRect().topLeft(), QPoint(20, 15));
    EXPECT_EQ(locked->BoundsRect().topLeft(), QPoint(150, 10));
    // A press on the locked control selects it but starts no drag.
    Press(QPoint(160, 20));
    EXPECT_EQ(doc.CurrentControl, locked);
    EXPECT_FALSE(surface.Dragging());
    Release(QPoint(160, 20));
    // The arrow keys move it all the same.
    Key(Qt::Key_Right);
    EXPECT_EQ(locked->Left, 151);
}

TEST_F(SurfaceEditing, LockAllHoldsBackTheMouseButNotTheKeys) {
    TmvControl* button = Place(doc, ctButton, 10, 10, 75, 25);
    doc.LockAll = true;
    Drag(QPoint(20, 20), {QPoint(60, 60)});
    EXPECT_EQ(button->BoundsRect(), QRect(10, 10, 75, 25));
    // The handles start no size drag either.
    QTest::mousePress(surface.GrabHandles().At(4), Qt::LeftButton);
    EXPECT_FALSE(surface.Dragging());
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(button->Width, 76);
}

TEST_F(SurfaceEditing, EscapeAndLostFocusEndADragConsistently) {
    TmvControl* button = Place(doc, ctButton, 10, 10, 75, 25);
    Press(QPoint(20, 20));
    MoveTo(QPoint(80, 70));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(surface.Dragging());
    EXPECT_EQ(surface.DragHint(), nullptr);
    Release(QPoint(80, 70));
    EXPECT_EQ(button->BoundsRect(), QRect(10, 10, 75, 25));
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(surface.GrabHandles().Shown());

    // A second press (another button) during a drag changes nothing; losing the focus ends the
    // drag where the outline was.
    Press(QPoint(20, 20));
    MoveTo(QPoint(30, 20));
    Press(QPoint(30, 20), {}, Qt::RightButton);
    Release(QPoint(30, 20), Qt::RightButton);
    EXPECT_TRUE(surface.Dragging());
    EXPECT_FALSE(surface.PopMenu()->isVisible());
    QFocusEvent lost(QEvent::FocusOut);
    QApplication::sendEvent(&surface, &lost);
    EXPECT_FALSE(surface.Dragging());
    EXPECT_EQ(button->Left, 20);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(SurfaceEditing, DraggingAHandleSizesAndTheHintShowsTheSize) {
    TmvControl* button = Place(doc, ctButton, 10, 10, 75, 25);
    Drag(QPoint(20, 20), {});
    TmvGrabHandle* bottomRight = surface.GrabHandles().At(4);
    ASSERT_EQ(bottomRight->Direction(), seBottom | seRight);
    QTest::mousePress(bottomRight, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(surface.Sizing());
    const QPoint start = surface.mapFromGlobal(bottomRight->mapToGlobal(QPoint(3, 3)));
    MoveTo(start + QPoint(10, 6));
    EXPECT_EQ(surface.DragHint()->Text(), QStringLiteral("85 x 31"));
    Release(start + QPoint(10, 6));
    EXPECT_EQ(button->BoundsRect(), QRect(10, 10, 85, 31));
    EXPECT_EQ(surface.GrabHandles().At(4)->pos(), QPoint(92, 38));
}

TEST_F(SurfaceEditing, RubberBandSelectsWhatItMeets) {
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctButton, 100, 10, 60, 20);
    TmvControl* far = Place(doc, ctButton, 300, 200, 60, 20);
    Drag(QPoint(5, 60), {QPoint(50, 40), QPoint(120, 5)});
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{a, b}));
    EXPECT_EQ(doc.CurrentControl, b);
    EXPECT_FALSE(doc.IsSelected(far));
    EXPECT_FALSE(doc.Modified);
}

TEST_F(SurfaceEditing, AltBandInsideABoxNeverSelectsTheBoxNorWhatHoldsIt) {
    Place(doc, ctTab, 0, 0, 390, 290);
    doc.AddTabPage();
    TmvControl* box = Place(doc, ctBox, 20, 30, 200, 150, 0);
    TmvControl* inner = Place(doc, ctCheck, 40, 60, 80, 20, 0);
    TmvControl* outside = Place(doc, ctCheck, 250, 60, 80, 20, 0);
    Drag(QPoint(30, 50), {QPoint(60, 70)}, Qt::AltModifier);
    EXPECT_EQ(box->Left, 20); // the box did not move
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{inner});
    // A band drawn wholly inside the box selects nothing: not the box, not the tab under it.
    Drag(QPoint(25, 150), {QPoint(60, 170)}, Qt::AltModifier);
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_FALSE(doc.IsSelected(outside));
}

TEST_F(SurfaceEditing, ClickingATabSwitchesThePageAndKeepsOnlyTheTabControl) {
    TmvTab* tab = PlaceTabOfTwoPages();
    TmvControl* onFirst = Place(doc, ctButton, 30, 60, 60, 20, 0);
    Drag(QPoint(40, 70), {});
    ASSERT_EQ(doc.CurrentControl, onFirst);
    const int secondTabX = tab->TabWidth(0) + 5;
    Drag(QPoint(10 + secondTabX, 10 + 10), {});
    EXPECT_EQ(tab->ActivePage, 1);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{tab});
    EXPECT_EQ(doc.CurrentControl, tab);
    EXPECT_FALSE(onFirst->Visible);
    // The tab control moves with its pages' controls.
    Drag(QPoint(100, 150), {QPoint(110, 155)});
    EXPECT_EQ(tab->BoundsRect().topLeft(), QPoint(20, 15));
    EXPECT_EQ(onFirst->BoundsRect().topLeft(), QPoint(40, 65));
}

TEST_F(SurfaceEditing, ArmedToolCreatesOneControlCentredOnThePress) {
    QSignalSpy released(&surface, &TMainDialog::ReleasePalette);
    surface.SetArmedTool(ctButton, true);
    Drag(QPoint(100, 80), {});
    ASSERT_EQ(doc.ControlCount(), 1);
    TmvControl* button = doc.ControlAt(0);
    EXPECT_EQ(button->BoundsRect(), QRect(100 - QuantizeX(37), 80 - QuantizeY(12), 75, 25));
    EXPECT_EQ(button->Name(), QStringLiteral("marovel_button1"));
    EXPECT_EQ(button->ID, 1);
    EXPECT_TRUE(button->Visible);
    EXPECT_EQ(doc.CurrentControl, button);
    EXPECT_TRUE(surface.GrabHandles().Shown());
    EXPECT_FALSE(surface.ToolArmed());
    EXPECT_EQ(released.count(), 1);
    EXPECT_TRUE(doc.Modified);
    // Disarmed: the next press selects instead of creating.
    Drag(QPoint(300, 250), {});
    EXPECT_EQ(doc.ControlCount(), 1);
}

TEST_F(SurfaceEditing, CreationTakesTheTypesDefaultsAndSnaps) {
    ControlDefaultsSet defaults;
    ControlDefaults& edit = defaults[ctEdit];
    edit.Enabled = true;
    edit.UseX = true;
    edit.Width = 60;
    edit.StylesRead = true;
    surface.SetControlDefaults(defaults);
    Apply([](Settings& s) { s.SnapMove = true; });
    surface.SetArmedTool(ctEdit, true);
    Drag(QPoint(101, 83), {});
    auto* created = static_cast<TmvEdit*>(doc.CurrentControl);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Width, 60);
    EXPECT_TRUE(created->ReadOnly);
    EXPECT_EQ(created->Left % 8, 0);
    EXPECT_EQ(created->Top % 8, 0);
}

TEST_F(SurfaceEditing, AutoStartSizeDrawsTheNewControlFromItsCorner) {
    doc.Options.AutoStartSize = true;
    surface.SetArmedTool(ctList, true);
    Press(QPoint(40, 30));
    ASSERT_EQ(doc.ControlCount(), 1);
    TmvControl* list = doc.ControlAt(0);
    EXPECT_EQ(list->BoundsRect(), QRect(40, 30, 0, 0));
    EXPECT_TRUE(surface.Sizing());
    EXPECT_FALSE(surface.GrabHandles().Shown()); // still while the control is drawn
    MoveTo(QPoint(90, 55));
    Release(QPoint(90, 55));
    EXPECT_EQ(list->BoundsRect(), QRect(40, 30, 50, 25));
    EXPECT_TRUE(surface.GrabHandles().Shown());
}

TEST_F(SurfaceEditing, AutoTabPutsAControlDroppedOnTheTabOnItsActivePage) {
    for (bool autoTab : {true, false}) {
        SCOPED_TRACE(autoTab);
        doc.ClearDialog();
        Apply([&](Settings& s) { s.AutoTab = autoTab; });
        Place(doc, ctTab, 10, 10, 300, 200);
        doc.AddTabPage();
        doc.AddTabPage();
        surface.SetArmedTool(ctCheck, true);
        Drag(QPoint(150, 120), {});
        ASSERT_NE(doc.CurrentControl, nullptr);
        EXPECT_EQ(doc.CurrentControl->TabIndex, autoTab ? 1 : -1);
    }
}

TEST_F(SurfaceEditing, ArrowKeysNudgeAndSizeTheSelection) {
    TmvControl* button = Place(doc, ctButton, 50, 50, 75, 25);
    Drag(QPoint(60, 60), {});
    QSignalSpy reloads(&surface, &TMainDialog::BrowserReloadRequested);
    Key(Qt::Key_Left);
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(button->BoundsRect().topLeft(), QPoint(49, 60));
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(button->BoundsRect().size(), QSize(76, 15));
    EXPECT_EQ(reloads.count(), 4);
    EXPECT_TRUE(doc.Modified);
    // The handles follow the control.
    EXPECT_EQ(surface.GrabHandles().At(4)->pos(), QPoint(49 + 76 - 3, 60 + 15 - 3));
    // Dialog units: one unit by the horizontal factor on both axes.
    doc.UseDbu = true;
    Key(Qt::Key_Down);
    EXPECT_EQ(button->Top, 60 + XToPixels(1));
    // Alt: one grid step (8 x 8 dialog units here), Alt+Shift sizing by it.
    const QPoint at = button->BoundsRect().topLeft();
    Key(Qt::Key_Right, Qt::AltModifier);
    Key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(button->BoundsRect().topLeft(), at + QPoint(XToPixels(8), -YToPixels(8)));
    Key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(button->Height, 15 + YToPixels(8));
}

TEST_F(SurfaceEditing, CommandKeysAreHandedOn) {
    QSignalSpy cut(&surface, &TMainDialog::CutRequested);
    QSignalSpy copy(&surface, &TMainDialog::CopyRequested);
    QSignalSpy paste(&surface, &TMainDialog::PasteRequested);
    QSignalSpy del(&surface, &TMainDialog::DeleteRequested);
    QSignalSpy caption(&surface, &TMainDialog::EditCaptionRequested);
    Key(Qt::Key_E); // no current control: nothing to edit
    Key(Qt::Key_C); // without Ctrl nothing
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_Insert, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    Key(Qt::Key_Delete, Qt::ShiftModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    Key(Qt::Key_Delete);
    Place(doc, ctButton, 50, 50, 75, 25);
    Drag(QPoint(60, 60), {});
    Key(Qt::Key_E);
    EXPECT_EQ(copy.count(), 2);
    EXPECT_EQ(cut.count(), 2);
    EXPECT_EQ(paste.count(), 2);
    EXPECT_EQ(del.count(), 1);
    EXPECT_EQ(caption.count(), 1);
}

TEST_F(SurfaceEditing, RightReleaseOpensTheMenuWithItsEnablingRule) {
    TmvControl* button = Place(doc, ctButton, 13, 11, 75, 25);
    TmvSurfacePopMenu* menu = surface.PopMenu();
    Press(QPoint(300, 250), {}, Qt::RightButton);
    Release(QPoint(300, 250), Qt::RightButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_FALSE(menu->pmAlignToGrid->isEnabled());
    menu->hide();
    Press(QPoint(20, 20), {}, Qt::RightButton);
    Release(QPoint(20, 20), Qt::RightButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(doc.CurrentControl, button);
    EXPECT_TRUE(menu->pmAlignToGrid->isEnabled());
    // Commands not built yet stay disabled, never faked.
    EXPECT_FALSE(menu->pmBringToFront->isEnabled());
    EXPECT_FALSE(menu->pmPosition->menuAction()->isEnabled());
    menu->pmAlignToGrid->trigger();
    menu->hide();
    EXPECT_EQ(button->BoundsRect(), QRect(16, 8, 75, 25));
}

TEST_F(SurfaceEditing, HotTrackingFollowsTheMouse) {
    Apply([](Settings& s) { s.HotTracking = true; });
    TmvControl* a = Place(doc, ctButton, 10, 10, 75, 25);
    TmvControl* b = Place(doc, ctButton, 150, 10, 75, 25);
    QTest::mouseMove(&surface, QPoint(20, 20));
    EXPECT_TRUE(a->Hot);
    QTest::mouseMove(&surface, QPoint(160, 20));
    EXPECT_FALSE(a->Hot);
    EXPECT_TRUE(b->Hot);
    QTest::mouseMove(&surface, QPoint(300, 200));
    EXPECT_FALSE(b->Hot);
}

TEST_F(SurfaceEditing, FrameDragSnapsTheDialogSize) {
    surface.hide();
    QMdiArea area;
    area.resize(900, 700);
    auto* hosted = new TMainDialog(doc);
    QMdiSubWindow* frame = area.addSubWindow(hosted);
    auto* snapper = new TmvFrameSnapper(frame, hosted);
    area.show();
    Settings s;
    s.SnapDialog = true;
    hosted->ApplySettings(s);
    const QRect start = frame->geometry();
    const QSize extra = frame->size() - hosted->size();
    // Pressing the frame begins the drag; proposals snap, and the document follows the frame.
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(frame->width() - 2, frame->height() - 2));
    const QRect proposed(start.topLeft(), QSize(317, 239) + extra);
    EXPECT_EQ(snapper->SnappedFrame(proposed), QRect(start.topLeft(), QSize(312, 232) + extra));
    frame->setGeometry(proposed);
    QApplication::processEvents();
    EXPECT_EQ(frame->geometry(), QRect(start.topLeft(), QSize(312, 232) + extra));
    EXPECT_EQ(QSize(doc.ClientWidth, doc.ClientHeight), QSize(312, 232));
    EXPECT_TRUE(doc.Modified);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(frame->width() - 2, frame->height() - 2));
    EXPECT_EQ(hosted->minimumSize(), QSize(312, 232));
    doc.View = &surface; // the fixture's surface is destroyed last
}

TEST_F(SurfaceEditing, TheCursorShowsAnArmedToolAndAMoveDrag) {
    surface.SetArmedTool(ctButton, true);
    EXPECT_EQ(surface.cursor().shape(), Qt::CrossCursor);
    surface.SetArmedTool(ctButton, false);
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);

    Place(doc, ctButton, 10, 10, 75, 25);
    Press(QPoint(20, 20));
    MoveTo(QPoint(40, 30));
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeAllCursor);
    Release(QPoint(40, 30));
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    // A size drag keeps the cursor of its handle while the surface holds the mouse.
    QTest::mousePress(surface.GrabHandles().At(4), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(surface.cursor().shape(), Qt::SizeFDiagCursor);
    Release(QPoint(120, 60));
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);

    // A tool that draws its control keeps the cross until the control is drawn.
    doc.Options.AutoStartSize = true;
    surface.SetArmedTool(ctEdit, true);
    Press(QPoint(200, 100));
    MoveTo(QPoint(250, 130));
    EXPECT_EQ(surface.cursor().shape(), Qt::CrossCursor);
    Release(QPoint(250, 130));
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SurfaceEditing, AControlDrawnTooSmallTakesItsDefaultSize) {
    doc.Options.AutoStartSize = true;
    struct Case {
        QPoint to; // where the drawing from (100, 80) ends
        QSize expected;
    };
    // A button's default size is 75 x 25.
    const Case cases[] = {
        {{100, 80}, {75, 25}},  // a plain click
        {{150, 83}, {50, 25}},  // wide but too low
        {{140, 104}, {40, 24}}, // drawn
    };
    for (const Case& c : cases) {
        doc.ClearDialog();
        surface.SetArmedTool(ctButton, true);
        Drag(QPoint(100, 80), {c.to});
        ASSERT_EQ(doc.ControlCount(), 1) << c.to.x() << "," << c.to.y();
        EXPECT_EQ(doc.ControlAt(0)->BoundsRect(), QRect(QPoint(100, 80), c.expected))
            << c.to.x() << "," << c.to.y();
    }
}

TEST_F(SurfaceEditing, EscapeWhileANewControlIsDrawnOrPlacedRemovesIt) {
    for (const bool drawn : {true, false}) {
        SCOPED_TRACE(drawn);
        doc.ClearDialog();
        doc.Options.AutoStartSize = drawn;
        doc.Options.AutoStartMove = !drawn;
        surface.SetArmedTool(ctList, true);
        Press(QPoint(100, 80));
        MoveTo(QPoint(150, 120));
        ASSERT_TRUE(surface.Dragging());
        Key(Qt::Key_Escape);
        Release(QPoint(150, 120));
        EXPECT_EQ(doc.ControlCount(), 0);
        EXPECT_EQ(doc.CurrentControl, nullptr);
        EXPECT_TRUE(doc.Selection.empty());
        EXPECT_FALSE(surface.GrabHandles().Shown());
    }
}

TEST_F(SurfaceEditing, MovingTheTabControlMovesEachPageControlOnce) {
    TmvTab* tab = PlaceTabOfTwoPages();
    TmvControl* alone = Place(doc, ctButton, 30, 60, 60, 20, 0);
    TmvControl* selected = Place(doc, ctButton, 30, 100, 60, 20, 0);
    TmvControl* locked = Place(doc, ctButton, 30, 140, 60, 20, 0);
    TmvControl* otherPage = Place(doc, ctButton, 120, 60, 60, 20, 1);
    locked->Locked = true;
    tab->SetActivePage(0);
    doc.Select(tab);
    doc.Select(selected);
    doc.Select(locked);
    doc.SetCurrentControl(tab);
    // The tab control is pressed away from its strip and from the controls on it.
    Drag(QPoint(250, 180), {QPoint(266, 188)});
    EXPECT_EQ(tab->BoundsRect().topLeft(), QPoint(26, 18));
    for (const auto& [control, was] :
         {std::pair{alone, QPoint(30, 60)}, std::pair{selected, QPoint(30, 100)},
          std::pair{locked, QPoint(30, 140)}, std::pair{otherPage, QPoint(120, 60)}})
        EXPECT_EQ(control->BoundsRect().topLeft(), was + QPoint(16, 8))
            << control->Name().toStdString();
}

TEST_F(SurfaceEditing, OnlyTheLeftButtonDragsAndARightPressLeavesNoPressBehind) {
    TmvControl* button = Place(doc, ctButton, 10, 10, 75, 25);
    Drag(QPoint(20, 20), {});
    ASSERT_TRUE(surface.GrabHandles().Shown());
    TmvGrabHandle* bottomRight = surface.GrabHandles().At(4);
    for (const Qt::MouseButton other : {Qt::MiddleButton, Qt::RightButton}) {
        QTest::mousePress(bottomRight, other, {}, QPoint(3, 3));
        EXPECT_FALSE(surface.Sizing()) << int(other);
        EXPECT_FALSE(surface.Dragging()) << int(other);
        QTest::mouseRelease(bottomRight, other, {}, QPoint(3, 3));
    }
    Press(QPoint(20, 20), {}, Qt::MiddleButton);
    EXPECT_FALSE(surface.Dragging());
    Release(QPoint(20, 20), Qt::MiddleButton);
    EXPECT_EQ(button->BoundsRect(), QRect(10, 10, 75, 25));

    // A right press with an armed tool creates nothing and leaves the marks to come back.
    doc.Select(Place(doc, ctButton, 150, 10, 75, 25));
    surface.SetArmedTool(ctEdit, true);
    Press(QPoint(200, 150), {}, Qt::RightButton);
    EXPECT_FALSE(surface.PressOnControl());
    Release(QPoint(200, 150), Qt::RightButton);
    surface.PopMenu()->hide();
    EXPECT_FALSE(surface.PressOnControl());
    EXPECT_FALSE(surface.ToolArmed());
    EXPECT_EQ(doc.ControlCount(), 2);
}

TEST_F(SurfaceEditing, TheDragHintStaysOnTheScreen) {
    const QRect screen(0, 0, 800, 600);
    const QSize hint(60, 17);
    struct Case {
        QPoint cursor;
        QPoint expected;
    };
    const Case cases[] = {
        {{100, 100}, {115, 100}},
        {{790, 599}, {715, 583}}, // to the cursor's left, raised off the bottom
        {{-30, -5}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HintPlace(c.cursor, hint, screen), c.expected)
            << c.cursor.x() << "," << c.cursor.y();

    // The window itself, at the corner of the real screen.
    const QRect real = QGuiApplication::primaryScreen()->geometry();
    TmvHintWindow window;
    window.SetText(QStringLiteral("120, 340"));
    window.ShowBeside(real.bottomRight());
    EXPECT_TRUE(real.contains(window.geometry()))
        << window.geometry().x() << "," << window.geometry().y();
}

TEST_F(SurfaceEditing, DraggingTheFrameEdgeBackToItsStartKeepsTheOtherEdge) {
    surface.hide();
    QMdiArea area;
    area.resize(900, 700);
    doc.SetClientSize(317, 239); // off the 8-pixel grid
    auto* hosted = new TMainDialog(doc);
    QMdiSubWindow* frame = area.addSubWindow(hosted);
    new TmvFrameSnapper(frame, hosted);
    area.show();
    Settings s;
    s.SnapDialog = true;
    hosted->ApplySettings(s);
    frame->move(100, 50);
    const QRect start = frame->geometry();
    const QSize extra = frame->size() - hosted->size();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    for (const int left : {start.left() - 9, start.left() - 20, start.left()}) {
        frame->setGeometry(QRect(QPoint(left, start.top()), start.bottomRight()));
        QApplication::processEvents();
        EXPECT_EQ(frame->geometry().right(), start.right()) << "left edge at " << left;
        EXPECT_EQ(doc.ClientWidth % 8, 0) << "left edge at " << left;
    }
    EXPECT_EQ(frame->width(), 312 + extra.width());
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(1, frame->height() / 2));
    doc.View = &surface; // the fixture's surface is destroyed last
}

} // namespace
