// The direct arranging commands: their arithmetic on hand-worked cases, when they are enabled,
// the reference control's mark and how it changes, and the commands run from the main window's
// menu, keys and toolbar as one named undo step each.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>

#include "app/mvArrangeCommands.h"
#include "app/mvMain.h"
#include "io/mvUndoHistory.h"
#include "model/mvSystemColors.h"
#include "model/mvTextLayout.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvArrange.h"
#include "surface/mvContentSize.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
using Rects = std::vector<QRect>;

// Buttons at the rectangles, selected in that order (the first is the reference).
struct Selected {
    DialogDocument doc;
    std::vector<TmvControl*> c;
    explicit Selected(const Rects& rects) {
        doc.UseDbu = false;
        for (const QRect& r : rects) {
            c.push_back(Place(doc, ctButton, r.x(), r.y(), r.width(), r.height()));
            doc.Select(c.back());
        }
    }
    Rects Bounds() const {
        Rects v;
        for (const TmvControl* x : c)
            v.push_back(x->BoundsRect());
        return v;
    }
};

struct ArrangeCase {
    const char* name;
    TmvArrange command;
    Rects before;
    Rects after;
};

// Positions pass through whole dialog units (2 pixels on each axis with the fixed base units)
// wherever the alignment dialog quantizes: 55 becomes 54.
const ArrangeCase kCases[] = {
    {"lefts",
     TmvArrange::AlignLefts,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {20, 50, 30, 14}}},
    {"rights",
     TmvArrange::AlignRights,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {30, 50, 30, 14}}},
    {"centres",
     TmvArrange::AlignCentres,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {24, 50, 30, 14}}},
    {"bottoms",
     TmvArrange::AlignBottoms,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {60, 16, 30, 14}}},
    {"middles",
     TmvArrange::AlignMiddles,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {60, 12, 30, 14}}},
    {"same size",
     TmvArrange::SameSize,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {60, 50, 40, 20}}},
    {"same height",
     TmvArrange::SameHeight,
     {{20, 10, 40, 20}, {60, 50, 30, 14}},
     {{20, 10, 40, 20}, {60, 50, 30, 20}}},
    // Gap (120 - 50) / 2 = 35 after the first: 20 + 35 = 55, a whole unit 54.
    {"gaps across",
     TmvArrange::SpaceAcross,
     {{0, 0, 20, 10}, {30, 0, 10, 10}, {100, 0, 20, 10}},
     {{0, 0, 20, 10}, {54, 0, 10, 10}, {100, 0, 20, 10}}},
    // A first control wider than the span: equal gaps would put the middle one past the last,
    // so the near edges are spaced instead and nothing changes order.
    {"wide first",
     TmvArrange::SpaceAcross,
     {{0, 0, 200, 10}, {30, 20, 20, 10}, {100, 40, 20, 10}},
     {{0, 0, 200, 10}, {50, 20, 20, 10}, {100, 40, 20, 10}}},
    // Centres 10 and 110 stay; the middle one's goes to 60.
    {"centres across",
     TmvArrange::SpaceCentresAcross,
     {{0, 0, 20, 10}, {30, 0, 40, 10}, {100, 0, 20, 10}},
     {{0, 0, 20, 10}, {40, 0, 40, 10}, {100, 0, 20, 10}}},
    {"gaps down",
     TmvArrange::SpaceDown,
     {{0, 0, 10, 20}, {0, 70, 10, 10}, {0, 100, 10, 20}},
     {{0, 0, 10, 20}, {0, 54, 10, 10}, {0, 100, 10, 20}}},
    // In the 320 x 240 client area.
    {"centre across", TmvArrange::CentreHorizontally, {{10, 10, 40, 20}}, {{140, 10, 40, 20}}},
    {"centre down",
     TmvArrange::CentreVertically,
     {{10, 10, 40, 20}, {70, 50, 40, 20}},
     {{10, 90, 40, 20}, {70, 130, 40, 20}}},
};

class Arithmetic : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(Arithmetic, MovesAndSizesAsWorkedOut) {
    Selected s(GetParam().before);
    ASSERT_TRUE(CanArrange(s.doc, GetParam().command));
    Arrange(s.doc, GetParam().command);
    EXPECT_EQ(s.Bounds(), GetParam().after);
}
INSTANTIATE_TEST_SUITE_P(Arrange, Arithmetic, ::testing::ValuesIn(kCases), [](const auto& info) {
    QString name = QString::fromLatin1(info.param.name);
    return name.replace(QLatin1Char(' '), QLatin1Char('_')).toStdString();
});

TEST(Arrange, EnabledOnlyWithEnoughControls) {
    struct Case {
        TmvArrange command;
        int needed;
    };
    const Case cases[] = {{TmvArrange::AlignLefts, 2},       {TmvArrange::SameWidth, 2},
                          {TmvArrange::SpaceAcross, 3},      {TmvArrange::SpaceCentresDown, 3},
                          {TmvArrange::CentreVertically, 1}, {TmvArrange::SizeToContent, 1}};
    for (const Case& k : cases)
        for (int count = 0; count <= 3; ++count) {
            Selected s(Rects(size_t(count), QRect(10, 10, 40, 20)));
            EXPECT_EQ(CanArrange(s.doc, k.command), count >= k.needed) << int(k.command) << count;
        }
    // Sizing to content needs a type that has a caption of its own.
    DialogDocument doc;
    doc.Select(Place(doc, ctEdit, 10, 10, 40, 20));
    EXPECT_FALSE(CanArrange(doc, TmvArrange::SizeToContent));
}

TEST(Arrange, CentringInAGroupBoxUsesTheBox) {
    DialogDocument doc;
    doc.UseDbu = false;
    Place(doc, ctBox, 100, 50, 100, 80);
    TmvControl* inside = Place(doc, ctButton, 110, 70, 20, 10);
    doc.Select(inside);
    Arrange(doc, TmvArrange::CentreHorizontally);
    EXPECT_EQ(inside->Left, 140); // 100 + (100 - 20) / 2
}

TEST(Arrange, SizeToContentFitsTheCaptionInWholeDialogUnits) {
    for (const bool dbu : {false, true}) {
        SCOPED_TRACE(dbu);
        DialogDocument doc;
        doc.UseDbu = dbu;
        TmvControl* shortOne = Place(doc, ctButton, 10, 10, 200, 50);
        TmvControl* longOne = Place(doc, ctCheck, 10, 70, 5, 5);
        TmvControl* label = Place(doc, ctText, 10, 100, 5, 5);
        TmvControl* edit = Place(doc, ctEdit, 10, 130, 76, 20);
        shortOne->SetText(QStringLiteral("&OK"));
        longOne->SetText(QStringLiteral("Remember this choice"));
        label->SetText(QStringLiteral("Name:"));
        for (TmvControl* c : {shortOne, longOne, label, edit})
            doc.Select(c);
        Arrange(doc, TmvArrange::SizeToContent);
        EXPECT_LT(shortOne->Width, 200); // shrunk to "OK" with its frame
        EXPECT_LT(shortOne->Width, longOne->Width);
        EXPECT_GE(label->Width, LineWidth(label->Font, 0, label->Text));
        EXPECT_EQ(edit->BoundsRect(), QRect(10, 130, 76, 20)); // no caption of its own
        for (const TmvControl* c : {shortOne, longOne, label}) {
            EXPECT_EQ(ContentSize(*c, dbu), QSize(c->Width, c->Height));
            if (dbu) {
                EXPECT_EQ(QuantizeX(c->Width), c->Width);
                EXPECT_EQ(QuantizeY(c->Height), c->Height);
            }
        }
    }
}

// The reference's corner marks are filled, the others' hollow; a click on another selected
// control, without moving it, makes that one the reference.
TEST(ArrangeReference, TheMarkMovesWithAClickOnAnotherSelectedControl) {
    DialogDocument doc;
    doc.UseDbu = false;
    TMainDialog surface(doc);
    surface.show();
    TmvControl* a = Place(doc, ctList, 10, 10, 80, 60);
    TmvControl* b = Place(doc, ctList, 120, 10, 80, 60);
    doc.Select(a);
    doc.Select(b);
    const QColor filled = SystemColors().GrayText;
    const auto markInside = [&](const TmvControl* c) {
        return surface.grab().toImage().pixelColor(c->Left + 2, c->Top + 2);
    };
    EXPECT_EQ(markInside(a), filled);
    EXPECT_NE(markInside(b), filled);
    QTest::mouseClick(&surface, Qt::LeftButton, {}, b->BoundsRect().center());
    EXPECT_EQ(doc.SelectedAt(0), b);
    EXPECT_EQ(doc.SelectionCount(), 2);
    EXPECT_EQ(markInside(b), filled);
    EXPECT_NE(markInside(a), filled);
    // A drag that moves it does not change the reference.
    QTest::mousePress(&surface, Qt::LeftButton, {}, QPoint(50, 40));
    QTest::mouseMove(&surface, QPoint(70, 40));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, QPoint(70, 40));
    EXPECT_EQ(doc.SelectedAt(0), b);
}

// --- In the main window ------------------------------------------------------------------------

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

struct Designer : Shell {
    TmvControl* a;
    TmvControl* b;
    TmvControl* c;
    Designer() {
        Main.show();
        QApplication::setActiveWindow(&Main);
        Doc().UseDbu = false;
        a = Place(Doc(), ctButton, 20, 10, 40, 20);
        b = Place(Doc(), ctButton, 70, 50, 30, 14);
        c = Place(Doc(), ctButton, 150, 90, 50, 10);
        Doc().StartNewHistory(true);
        for (TmvControl* x : {a, b, c})
            Doc().Select(x);
        Doc().SetCurrentControl(c);
        Main.History().Checkpoint();
    }
    TArrangeCommands& Commands() { return Main.ArrangeCommands(); }
    QString UndoName() { return Main.History().UndoName(); }
};

TEST(ArrangeWindow, AMenuEntryAKeyAndAToolbarButtonEachMakeOneNamedStep) {
    Designer d;
    QMenu* edit = d.Main.mmEdit;
    ASSERT_TRUE(edit->actions().contains(d.Commands().Menu()->menuAction()));
    // The Edit menu's "Hizala" entry, chosen with the keyboard as a user would.
    edit->popup(QPoint(0, 0));
    edit->setActiveAction(d.Commands().Menu()->menuAction());
    QTest::keyClick(edit, Qt::Key_Right);
    QMenu* arrange = d.Commands().Menu();
    arrange->setActiveAction(d.Commands().Action(TmvArrange::AlignLefts));
    QTest::keyClick(arrange, Qt::Key_Return);
    Settle();
    EXPECT_EQ(d.b->Left, 20);
    EXPECT_EQ(d.c->Left, 20);
    EXPECT_EQ(d.UndoName(), QStringLiteral("Sol Kenarları Hizala"));

    // Ctrl+Alt+W on the surface: the reference's width for all.
    QApplication::setActiveWindow(&d.Main); // the closed menu was the active window
    d.Main.Surface()->setFocus();
    QTest::keyClick(d.Main.Surface(), Qt::Key_W, Qt::ControlModifier | Qt::AltModifier);
    Settle();
    EXPECT_EQ(d.b->Width, 40);
    EXPECT_EQ(d.c->Width, 40);
    EXPECT_EQ(d.UndoName(), QStringLiteral("Aynı Genişlik"));

    // The toolbar, shown from the View menu.
    QAction* toggle = d.Commands().ToolBarToggle();
    EXPECT_TRUE(d.Main.mmView->actions().contains(toggle));
    EXPECT_FALSE(d.Commands().ToolBar()->isVisible());
    toggle->trigger();
    ASSERT_TRUE(d.Commands().ToolBar()->isVisible());
    QWidget* button =
        d.Commands().ToolBar()->widgetForAction(d.Commands().Action(TmvArrange::SpaceDown));
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
    // Gap (100 - 10 - 44) / 2 = 23 after the first: 53, a whole unit 52.
    EXPECT_EQ(d.b->Top, 52);
    EXPECT_EQ(d.UndoName(), QStringLiteral("Dikey Eşit Aralık"));

    // One step each: Undo takes back the spacing alone (the controls are made again).
    const QString name = d.b->Name();
    d.Main.actEditUndo->trigger();
    const TmvControl* b = d.Doc().FindControlByName(name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Top, 50);
    EXPECT_EQ(b->Width, 40);
}

TEST(ArrangeWindow, CommandsFollowTheSelectionAndTheReferenceEntryMovesIt) {
    Designer d;
    QAction* space = d.Commands().Action(TmvArrange::SpaceAcross);
    QAction* reference = d.Commands().MakeReference();
    EXPECT_TRUE(space->isEnabled());
    EXPECT_TRUE(reference->isEnabled()); // c is current, a the reference
    reference->trigger();
    EXPECT_EQ(d.Doc().SelectedAt(0), d.c);
    EXPECT_FALSE(reference->isEnabled());
    d.Doc().Deselect(d.a);
    d.Doc().SetCurrentControl(d.b);
    EXPECT_FALSE(space->isEnabled());
    EXPECT_TRUE(d.Commands().Action(TmvArrange::AlignTops)->isEnabled());
    // A disabled command's key does nothing else either: Ctrl+Alt+X is no Ctrl+X.
    QTest::keyClick(d.Main.Surface(), Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(d.Doc().ControlCount(), 3);
}
} // namespace
