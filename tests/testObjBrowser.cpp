// The properties browser driven through its boxes inside the main window, checked against the
// document: edits to every selected control, the Enter-versus-leave rule, ID and name refusals,
// scroll type and alignment, tab pages, dialog units and the dialog's own properties.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "app/mvObjBrowserList.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
// In pixels, unmodified, with the browser at hand.
struct BrowserShell : ::Shell {
    BrowserShell() {
        Doc().UseDbu = false;
        Doc().Modified = false;
    }
    TObjBrowser& B() { return *Main.ObjBrowser(); }
    // Selects the controls, the first one current, as a click and shift-clicks leave them.
    void SelectOnly(std::initializer_list<TmvControl*> controls) {
        Doc().ClearSelection();
        for (TmvControl* control : controls)
            Doc().Select(control);
        Doc().SetCurrentControl(*controls.begin());
    }
    QStringList Warnings() const {
        QStringList texts;
        for (const auto& m : Prompt.Messages)
            if (m.Kind == QLatin1String("Warning"))
                texts << m.Caption + QStringLiteral(": ") + m.Text;
        return texts;
    }
};

void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->del();
    // The test library types ASCII only; other letters arrive as a paste would bring them.
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            box->insert(QString(c));
    }
}

void TypeAndEnter(QLineEdit* box, const QString& text) {
    Type(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void Leave(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

TEST(ObjBrowser, EditsOfTheGeneralPageReachEverySelectedControl) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    TmvControl* edit = Place(s.Doc(), ctEdit, 10, 50, 100, 20);
    edit->SetText(button->Text);
    s.SelectOnly({button, edit});
    // Mixed types: no type group, the caption still edits both.
    EXPECT_FALSE(s.B().NoStyles->isHidden());
    EXPECT_TRUE(s.B().grButton->isHidden());
    EXPECT_TRUE(s.B().grEdit->isHidden());
    EXPECT_FALSE(s.B().propsName->isEnabled());
    QTest::keyClicks(s.B().propsCaption, QStringLiteral("!"));
    EXPECT_EQ(button->Text, QStringLiteral("Button!"));
    EXPECT_EQ(edit->Text, QStringLiteral("Button!"));
    s.B().propsDisabled->click();
    EXPECT_TRUE(button->Disabled && edit->Disabled);

    // With two selected, leaving W writes nothing and shows what it showed (nothing, as the
    // widths differ); Enter writes both.
    Type(s.B().propsSizeW, QStringLiteral("60"));
    Leave(s.B().propsSizeW);
    EXPECT_EQ(button->Width, 75);
    EXPECT_EQ(edit->Width, 100);
    EXPECT_EQ(s.B().propsSizeW->text(), QString());
    Type(s.B().propsSizeW, QStringLiteral("60"));
    QTest::keyClick(s.B().propsSizeW, Qt::Key_Return);
    EXPECT_EQ(button->Width, 60);
    EXPECT_EQ(edit->Width, 60);

    // One selected: leaving commits.
    s.SelectOnly({edit});
    Type(s.B().propsPosX, QStringLiteral("33"));
    Leave(s.B().propsPosX);
    EXPECT_EQ(edit->Left, 33);
    // Escape shows the value again.
    Type(s.B().propsPosY, QStringLiteral("99"));
    QTest::keyClick(s.B().propsPosY, Qt::Key_Escape);
    EXPECT_EQ(s.B().propsPosY->text(), QStringLiteral("50"));
    EXPECT_EQ(edit->Top, 50);
}

// Several controls selected: a box whose value differs shows nothing (a check box partly
// checked), a value typed there with Enter goes to all of them, and Enter on the empty box
// changes nothing.
TEST(ObjBrowser, BoxesShowNothingWhereTheSelectedControlsDiffer) {
    BrowserShell s;
    TmvControl* a = Place(s.Doc(), ctCheck, 10, 10, 75, 25);
    TmvControl* b = Place(s.Doc(), ctCheck, 40, 10, 75, 25);
    a->SetText(QStringLiteral("Bir"));
    b->SetText(QStringLiteral("İki"));
    b->SetDisabled(true);
    b->SetKind(1);
    static_cast<TmvCheck*>(b)->SetFlat(true);
    s.SelectOnly({a, b});
    TObjBrowser& br = s.B();
    EXPECT_EQ(br.propsCaption->text(), QString());
    EXPECT_EQ(br.propsPosX->text(), QString());
    EXPECT_EQ(br.propsPosY->text(), QStringLiteral("10")); // they agree
    EXPECT_EQ(br.propsSizeW->text(), QStringLiteral("75"));
    EXPECT_EQ(br.propsType->currentIndex(), -1);
    EXPECT_EQ(br.propsDisabled->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(br.propsHidden->checkState(), Qt::Unchecked);
    EXPECT_EQ(br.grsCheckFlat->checkState(), Qt::PartiallyChecked);

    QTest::keyClick(br.propsPosX, Qt::Key_Return); // left empty: nothing, and no complaint
    EXPECT_EQ(a->Left, 10);
    EXPECT_EQ(b->Left, 40);
    EXPECT_FALSE(QToolTip::isVisible());
    TypeAndEnter(br.propsPosX, QStringLiteral("20"));
    EXPECT_EQ(a->Left, 20);
    EXPECT_EQ(b->Left, 20);
    EXPECT_EQ(br.propsPosX->text(), QStringLiteral("20"));
    br.propsDisabled->click(); // out of the third state: all of them
    EXPECT_TRUE(a->Disabled && b->Disabled);
    EXPECT_EQ(br.propsDisabled->checkState(), Qt::Checked);
    br.propsDisabled->click();
    EXPECT_FALSE(a->Disabled || b->Disabled);
    br.grsCheckFlat->click();
    EXPECT_TRUE(static_cast<TmvCheck*>(a)->Flat && static_cast<TmvCheck*>(b)->Flat);

    // One control: every box shows its value.
    s.SelectOnly({b});
    EXPECT_EQ(br.propsCaption->text(), QStringLiteral("İki"));
    EXPECT_EQ(br.propsType->currentIndex(), 1);
}

TEST(ObjBrowser, LeavingTheProgramCommitsTheFocusedBox) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    s.SelectOnly({button});
    s.B().propsSizeH->setFocus();
    Type(s.B().propsSizeH, QStringLiteral("31"));
    QEvent deactivated(QEvent::ActivationChange);
    QApplication::sendEvent(&s.B(), &deactivated);
    EXPECT_EQ(button->Height, 31);
}

TEST(ObjBrowser, LookingDoesNotModifyOnlyEditsDo) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    TmvControl* edit = Place(s.Doc(), ctEdit, 10, 50, 100, 20);
    s.Doc().Modified = false;
    s.SelectOnly({button});
    s.SelectOnly({edit, button});
    s.Doc().SetCurrentControl(nullptr);
    Leave(s.B().propsSizeW); // leaving an unchanged box writes nothing
    EXPECT_FALSE(s.Doc().Modified);
    s.SelectOnly({button});
    s.B().propsHidden->click();
    EXPECT_TRUE(button->Hidden);
    EXPECT_TRUE(s.Doc().Modified);
}

TEST(ObjBrowser, TypedValuesOutsideTheRulesAreRefused) {
    BrowserShell s;
    TmvControl* a = Place(s.Doc(), ctButton, 10, 10, 75, 25); // ID 1
    TmvControl* b = Place(s.Doc(), ctButton, 10, 40, 75, 25); // ID 2
    TmvControl* tab = Place(s.Doc(), ctTab, 100, 100, 200, 100);
    s.Doc().AddTabPage(); // ID 3
    s.Doc().Menu.AddNode(nullptr, QStringLiteral("&File"), 7 << 16);
    s.SelectOnly({b});
    s.B().propsStaticID->click();
    ASSERT_TRUE(s.B().propsID->isEnabled());
    struct Case {
        QString typed;
        QString warning; // empty: no message box
        QString tip;     // what the tool tip at the box says of a number it refuses
    };
    const Case cases[] = {
        {"1", "ID Warning: The ID \"1\" is already in use by button1.  Please choose a unique ID.",
         ""},
        {"3",
         "ID Warning: The ID \"3\" is already in use by tab page 1.  Please choose a unique "
         "ID.",
         ""},
        {"7",
         "ID Warning: The ID \"7\" is already in use by &File:menu.  Please choose a unique "
         "ID.",
         ""},
        {"5000", "", "\"5000\" is refused: the value must be a whole number from 1 to 3000."},
        {"0", "", "\"0\" is refused: the value must be a whole number from 1 to 3000."},
        {"", "", "A whole number from 1 to 3000 is needed."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        s.Prompt.Messages.clear();
        QToolTip::hideText();
        TypeAndEnter(s.B().propsID, c.typed);
        EXPECT_EQ(b->ID, 2);
        EXPECT_EQ(s.B().propsID->text(), QStringLiteral("2"));
        EXPECT_EQ(s.Warnings(), c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip);
    }
    // Pasted letters pass the key filter but not the commit.
    s.B().propsSizeW->setText(QStringLiteral("12a"));
    QTest::keyClick(s.B().propsSizeW, Qt::Key_Return);
    EXPECT_EQ(b->Width, 75);
    TypeAndEnter(s.B().propsID, QStringLiteral("40"));
    EXPECT_EQ(b->ID, 40);
    EXPECT_EQ(a->ID, 1);
    EXPECT_EQ(tab->GetID(), 3);
}

TEST(ObjBrowser, NamesAreCheckedAndTheListFollows) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    Place(s.Doc(), ctEdit, 10, 40, 100, 20);
    s.SelectOnly({button});
    const QString invalid = QStringLiteral(
        "Control Name Warning: The name \"%1\" is invalid.  The name may only contain "
        "alphanumeric (A-Z, a-z, 0-9) and underscore (_) characters.  Also, the name "
        "\"tabcontrol\" is reserved and may not be used for other controls.");
    const QString used = QStringLiteral(
        "Control Name Warning: The name \"%1\" is already in use.  Please choose a unique name.");
    const std::pair<QString, QString> refused[] = {
        {"", invalid.arg("")},
        {"two words", invalid.arg("two words")},
        {QString::fromUtf8("düğme"), invalid.arg(QString::fromUtf8("düğme"))},
        {"TabControl", invalid.arg("TabControl")},
        {"edit1", used.arg("edit1")},
        {"BUTTON1", used.arg("BUTTON1")}, // a change of letter case alone
    };
    for (const auto& [typed, warning] : refused) {
        SCOPED_TRACE(typed.toStdString());
        s.Prompt.Messages.clear();
        TypeAndEnter(s.B().propsName, typed);
        EXPECT_EQ(button->Name(), QStringLiteral("marovel_button1"));
        EXPECT_EQ(s.B().propsName->text(), QStringLiteral("button1"));
        EXPECT_EQ(s.Warnings(), QStringList{warning});
    }
    s.Prompt.Messages.clear();
    Type(s.B().propsName, QStringLiteral("aaa_ok"));
    Leave(s.B().propsName);
    EXPECT_EQ(button->Name(), QStringLiteral("marovel_aaa_ok"));
    EXPECT_TRUE(s.Warnings().isEmpty());
    // The dialog first, then the entries sorted by name; the renamed one stays chosen.
    const TmvControlListModel* list = s.B().ControlList->Entries();
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->ControlAt(0), nullptr);
    EXPECT_EQ(list->ControlAt(1), button);
    EXPECT_EQ(s.B().ControlList->currentIndex(), 1);
}

TEST(ObjBrowser, ChoosingAListEntryMakesItCurrent) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    TmvControl* text = Place(s.Doc(), ctText, 10, 40, 50, 15);
    s.SelectOnly({button, text});
    const int row = s.B().ControlList->Entries()->RowOf(text);
    s.B().ControlList->setCurrentIndex(row);
    emit s.B().ControlList->activated(row);
    EXPECT_EQ(s.Doc().CurrentControl, text);
    EXPECT_EQ(s.Doc().Selection, std::vector<TmvControl*>{text});
    EXPECT_EQ(s.B().propsCaption->text(), QStringLiteral("Text Label"));
    emit s.B().ControlList->activated(0);
    EXPECT_EQ(s.Doc().CurrentControl, nullptr);
    EXPECT_EQ(s.B().propsCaption->text(), s.Doc().Title);
}

TEST(ObjBrowser, ScrollBarTypeAndAlignmentStayConsistent) {
    BrowserShell s;
    TmvControl* bar = Place(s.Doc(), ctScroll, 10, 10, 17, 100);
    s.SelectOnly({bar});
    struct Step {
        QComboBox* list;
        int index;
        int kind, alignment; // after the step
    };
    const Step steps[] = {
        {s.B().propsAlign, 1, 1, 1}, // Top makes it horizontal
        {s.B().propsType, 0, 0, 0},  // vertical again: Top becomes Right
        {s.B().propsAlign, 2, 0, 2}, // Left keeps it vertical
        {s.B().propsType, 1, 1, 3},  // horizontal: Left becomes Bottom
    };
    for (const Step& step : steps) {
        step.list->setCurrentIndex(step.index);
        emit step.list->activated(step.index);
        EXPECT_EQ(bar->Kind, step.kind);
        EXPECT_EQ(bar->Alignment, step.alignment);
        EXPECT_EQ(s.B().propsType->currentIndex(), step.kind);
        EXPECT_EQ(s.B().propsAlign->currentIndex(), step.alignment);
        // A bar that turns keeps its length: it stands 17 x 100 and lies 100 x 17.
        const QSize shape = step.kind == 0 ? QSize(17, 100) : QSize(100, 17);
        EXPECT_EQ(bar->BoundsRect().size(), shape);
        EXPECT_EQ(s.B().propsSizeW->text(), QString::number(shape.width()));
        EXPECT_EQ(s.B().propsSizeH->text(), QString::number(shape.height()));
    }
    // In dialog units it keeps its length in dialog units.
    s.Doc().UseDbu = true;
    s.SelectOnly({bar});
    const int length = XToDbu(bar->Width);
    const int thickness = YToDbu(bar->Height);
    s.B().propsType->setCurrentIndex(0);
    emit s.B().propsType->activated(0);
    EXPECT_EQ(bar->BoundsRect().size(), QSize(XToPixels(thickness), YToPixels(length)));
}

// A keystroke in the caption box writes the caption and shows again only what the caption
// changes (an auto-fit width): with a current control that has no text of its own every letter
// stays, and what is typed but not committed in another box stays too.
TEST(ObjBrowser, TypingACaptionKeepsEveryLetterAndTheOtherBoxes) {
    BrowserShell s;
    TmvControl* combo = Place(s.Doc(), ctCombo, 10, 50, 100, 60);
    TmvControl* button = Place(s.Doc(), ctButton, 10, 10, 75, 25);
    auto* label = static_cast<TmvText*>(Place(s.Doc(), ctText, 10, 120, 50, 15));
    label->SetAutoSize(true);
    s.SelectOnly({combo, button, label}); // the last Ctrl+clicked, the combo, is current
    ASSERT_TRUE(s.B().propsCaption->isEnabled());
    s.B().propsSizeH->setText(QStringLiteral("44"));
    Type(s.B().propsCaption, QStringLiteral("OK"));
    EXPECT_EQ(s.B().propsCaption->text(), QStringLiteral("OK"));
    EXPECT_EQ(button->Text, QStringLiteral("OK"));
    EXPECT_EQ(label->Text, QStringLiteral("OK"));
    EXPECT_EQ(s.B().propsSizeH->text(), QStringLiteral("44"));
    EXPECT_EQ(combo->Height, 60);

    // The label's own width follows its text, in the W box too.
    s.SelectOnly({label});
    s.B().propsPosX->setText(QStringLiteral("3"));
    QTest::keyClicks(s.B().propsCaption, QStringLiteral(" and a longer text"));
    EXPECT_GT(label->Width, 50);
    EXPECT_EQ(s.B().propsSizeW->text(), QString::number(label->Width));
    EXPECT_EQ(s.B().propsPosX->text(), QStringLiteral("3"));
    EXPECT_EQ(label->Left, 10);
}

TEST(ObjBrowser, TabPagesAreAddedAndDeletedThroughTheTabGroup) {
    BrowserShell s;
    auto* tab = static_cast<TmvTab*>(Place(s.Doc(), ctTab, 10, 10, 200, 100));
    s.Doc().AddTabPage();
    s.SelectOnly({tab});
    ASSERT_FALSE(s.B().grTab->isHidden());
    s.B().grsTabAdd->click();
    s.B().grsTabAdd->click();
    ASSERT_EQ(tab->PageCount(), 3);
    EXPECT_EQ(s.B().grsTabActive->count(), 3);
    EXPECT_EQ(s.B().grsTabName->text(), QStringLiteral("Tab 3"));
    s.B().grsTabActive->setCurrentIndex(1);
    emit s.B().grsTabActive->activated(1);
    EXPECT_EQ(tab->ActivePage, 1);
    EXPECT_EQ(s.B().grsTabName->text(), QStringLiteral("Tab 2"));
    EXPECT_EQ(s.B().grsTabActive->currentIndex(), 1);
    // A control moves onto the first page through "Tab:".
    TmvControl* button = Place(s.Doc(), ctButton, 20, 40, 75, 25);
    s.SelectOnly({button});
    s.B().propsTab->setCurrentIndex(1);
    emit s.B().propsTab->activated(1);
    EXPECT_EQ(button->TabIndex, 0);
    EXPECT_EQ(tab->ActivePage, 0);

    s.Main.CurrentSettings().PromptTab = true;
    s.SelectOnly({tab});
    s.Prompt.Answers = {TmvAnswer::No};
    s.B().grsTabDelete->click();
    EXPECT_EQ(tab->PageCount(), 3);
    EXPECT_EQ(s.Prompt.Messages.back().Caption, QStringLiteral("Confirm Tab Delete"));
    s.Prompt.Answers = {TmvAnswer::Yes};
    const int secondPageId = tab->Page(1)->ID;
    s.B().grsTabDelete->click();
    ASSERT_EQ(tab->PageCount(), 2);
    EXPECT_EQ(s.Doc().ControlCount(), 1); // the button went with its page
    EXPECT_EQ(tab->ActivePage, 0);
    EXPECT_EQ(tab->Page(0)->ID, secondPageId);
    EXPECT_EQ(s.B().ControlList->count(), 2);
    s.B().grsTabDelete->click();
    s.B().grsTabDelete->click(); // one page left: nothing happens
    EXPECT_EQ(tab->PageCount(), 1);
    // The caption of the active page follows every change.
    Type(s.B().grsTabName, QStringLiteral("Genel"));
    EXPECT_EQ(tab->Page(0)->Caption, QStringLiteral("Genel"));
}

TEST(ObjBrowser, DialogUnitsAreShownAndTypedInDialogUnits) {
    BrowserShell s;
    TmvControl* button = Place(s.Doc(), ctButton, 10, 17, 75, 25);
    s.Doc().SetCurrentControl(nullptr);
    s.Doc().PosX = 40;
    s.Doc().PosY = 32;
    s.B().LoadBrowserValues();
    s.B().grsDialogDBU->click();
    ASSERT_TRUE(s.Doc().UseDbu);
    // Switching on snaps the controls and converts the stored position.
    EXPECT_EQ(button->Left, QuantizeX(10));
    EXPECT_EQ(button->Top, QuantizeY(17));
    EXPECT_EQ(s.Doc().PosX, XToDbu(40));
    EXPECT_EQ(s.Doc().PosY, YToDbu(32));
    EXPECT_EQ(s.B().propsSizeW->text(), QString::number(XToDbu(s.Doc().ClientWidth)));
    s.SelectOnly({button});
    EXPECT_EQ(s.B().propsSizeW->text(), QString::number(XToDbu(button->Width)));
    EXPECT_EQ(s.B().propsPosY->text(), QString::number(YToDbu(button->Top)));
    TypeAndEnter(s.B().propsPosX, QStringLiteral("5"));
    EXPECT_EQ(button->Left, XToPixels(5));
    TypeAndEnter(s.B().propsSizeH, QStringLiteral("14"));
    EXPECT_EQ(button->Height, YToPixels(14));
    // With a menu bar the dialog's H is the client height, as the size line gives it.
    s.Doc().Menu.AddNode(nullptr, QStringLiteral("&File"), 7 << 16);
    s.Main.MenuChanged();
    s.Doc().SetCurrentControl(nullptr);
    TypeAndEnter(s.B().propsSizeH, QStringLiteral("100"));
    EXPECT_EQ(s.Doc().ClientHeight, YToPixels(100));
    EXPECT_EQ(s.B().propsSizeH->text(), QStringLiteral("100"));
    s.B().grsDialogDBU->click();
    EXPECT_FALSE(s.Doc().UseDbu);
    EXPECT_EQ(s.Doc().PosX, XToPixels(XToDbu(40)));
    EXPECT_EQ(s.B().propsSizeH->text(), QString::number(s.Doc().ClientHeight));
}

TEST(ObjBrowser, TheDialogsOwnProperties) {
    BrowserShell s;
    s.Doc().SetCurrentControl(nullptr);
    EXPECT_FALSE(s.B().grDialog->isHidden());
    EXPECT_FALSE(s.B().propsType->isEnabled());
    EXPECT_FALSE(s.B().propsDisabled->isEnabled());
    Type(s.B().propsCaption, QStringLiteral("Ayarlar"));
    EXPECT_EQ(s.Doc().Title, QStringLiteral("Ayarlar"));
    EXPECT_EQ(s.Main.Surface()->windowTitle(), QStringLiteral("Ayarlar"));
    TypeAndEnter(s.B().propsName, QStringLiteral("settings_dlg"));
    EXPECT_EQ(s.Doc().TableName, QStringLiteral("settings_dlg"));
    TypeAndEnter(s.B().propsName, QStringLiteral("two words"));
    EXPECT_EQ(s.Doc().TableName, QStringLiteral("settings_dlg"));
    EXPECT_EQ(s.Warnings().size(), 1);
    TypeAndEnter(s.B().propsPosX, QStringLiteral("-1"));
    TypeAndEnter(s.B().propsPosY, QStringLiteral("25"));
    TypeAndEnter(s.B().propsSizeW, QStringLiteral("300"));
    EXPECT_EQ(s.Doc().PosX, -1);
    EXPECT_EQ(s.Doc().PosY, 25);
    EXPECT_EQ(s.Doc().ClientWidth, 300);
    for (QCheckBox* box :
         {s.B().grsDialogCenter, s.B().grsDialogLocal, s.B().grsDialogNoTheme, s.B().propsNoQuotes})
        box->click();
    EXPECT_FALSE(s.Doc().Centered);
    EXPECT_TRUE(s.Doc().Local && s.Doc().NoTheme && s.Doc().NoQuotes);
    s.Files.Answers = {QStringLiteral("/icons/main.ico")};
    s.B().grsDialogIconPath->Button()->click();
    EXPECT_EQ(s.Doc().IconPath, QStringLiteral("/icons/main.ico"));
    EXPECT_EQ(s.Files.Requests.back().Title, QStringLiteral("Choose Icon File..."));
    TypeAndEnter(s.B().grsDialogIconIndex, QStringLiteral("2"));
    EXPECT_EQ(s.Doc().IconIndex, 2);
}

TEST(ObjBrowser, TheDialogsSizeFollowsEveryChange) {
    // In pixels and in dialog units: by the frame, and set on the document as an undo step or
    // a loaded project sets it.
    for (const bool dbu : {false, true}) {
        BrowserShell s;
        s.Main.show();
        s.Doc().UseDbu = dbu;
        s.Doc().SetCurrentControl(nullptr);
        const auto shown = [&] {
            return QStringList{s.B().propsSizeW->text(), s.B().propsSizeH->text()};
        };
        const auto expected = [&] {
            return QStringList{QString::number(XToDbuIf(dbu, s.Doc().ClientWidth)),
                               QString::number(YToDbuIf(dbu, s.Doc().ClientHeight))};
        };
        DragSurfaceFrameBy(s, QSize(40, 24));
        EXPECT_EQ(shown(), expected()) << "dbu " << dbu;
        DragSurfaceFrameBy(s, QSize(-16, -16));
        EXPECT_EQ(shown(), expected()) << "dbu " << dbu;
        s.Doc().SetClientSize(200, 120);
        EXPECT_EQ(shown(), expected()) << "dbu " << dbu;
    }
}

TEST(ObjBrowser, TypeGroupsWriteThroughTheSetters) {
    BrowserShell s;
    RecordingView view; // counts the repaints the setters ask for
    TmvControl* a = Place(s.Doc(), ctEdit, 10, 10, 100, 20);
    TmvControl* b = Place(s.Doc(), ctEdit, 10, 40, 100, 20);
    s.SelectOnly({a, b});
    ASSERT_FALSE(s.B().grEdit->isHidden());
    s.Doc().View = &view;
    s.B().grsEditPass->click();
    EXPECT_GE(view.Repaints, 2);
    s.Doc().View = s.Main.Surface();
    TypeAndEnter(s.B().grsEditLimit, QStringLiteral("30"));
    for (TmvControl* control : {a, b}) {
        const auto* edit = static_cast<TmvEdit*>(control);
        EXPECT_TRUE(edit->Password);
        EXPECT_EQ(edit->Limit, 30);
    }
    // Words the designer does not model, for one control at a time.
    EXPECT_TRUE(s.B().grsOtherStyles->isHidden());
    s.SelectOnly({a});
    EXPECT_FALSE(s.B().grsOtherStyles->isHidden());
    Type(s.B().grsOtherStyles, QStringLiteral("rich  disabled"));
    EXPECT_EQ(a->OtherStyles, QStringLiteral("rich disabled"));
    // The icon's "Boyut Yok" is the border cleared.
    auto* icon = static_cast<TmvIcon*>(Place(s.Doc(), ctIcon, 50, 50, 35, 35));
    s.SelectOnly({icon});
    s.B().grsIconNoborder->click();
    EXPECT_FALSE(icon->Border);
    EXPECT_EQ(s.B().propsSizeW->text(), QString::number(icon->LogicalRect().width()));
}

TEST(ObjBrowser, TheViewCommandAndThePlacement) {
    BrowserShell s;
    QMdiSubWindow* frame = s.Main.ObjBrowserFrame();
    EXPECT_FALSE(frame->isHidden());
    EXPECT_TRUE(s.Main.actObjBrowser->isChecked());
    s.Main.actObjBrowser->trigger();
    EXPECT_TRUE(frame->isHidden());
    EXPECT_FALSE(s.Main.actObjBrowser->isChecked());
    s.Main.actObjBrowser->trigger();
    frame->close(); // the close button hides it like the command
    EXPECT_TRUE(frame->isHidden());
    EXPECT_FALSE(s.Main.actObjBrowser->isChecked());
    frame->move(12, 34);
    s.Doc().Modified = false;
    s.Main.close();
    BrowserShell next;
    EXPECT_TRUE(next.Main.ObjBrowserFrame()->isHidden());
    EXPECT_EQ(next.Main.ObjBrowserFrame()->pos(), QPoint(12, 34));
}
} // namespace
