// Undo and redo: every kind of action taken back and done again exactly, merged nudges, the
// history's limit, and a Modified flag that follows the saved state.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolBar>
#include <functional>

#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "app/mvObjBrowserList.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "io/mvUndoHistory.h"
#include "support/testDocumentHelpers.h"
#include "support/testProjectHelpers.h"
#include "support/testRecordingPrompter.h"
#include "support/testShell.h"
#include "surface/mvDeleteSelection.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditing.h"
#include "surface/mvRenumber.h"
#include "surface/mvZOrder.h"

namespace {
// The whole document as text: the project file, then what it does not keep, then the
// selection.
std::string Everything(const DialogDocument& doc) {
    TmvIniFile ini;
    WriteProject(doc, ini);
    QStringList rest;
    rest << ZOrderNames(doc).join(QLatin1Char(','));
    for (const TmvControl* c : doc.HiddenControls)
        rest << QStringLiteral("hidden ") + c->Name();
    for (const TmvControl* c : doc.Selection)
        rest << QStringLiteral("selected ") + c->Name();
    rest << QStringLiteral("current ") +
                (doc.CurrentControl ? doc.CurrentControl->Name() : QStringLiteral("-"));
    rest << QStringLiteral("options ") + doc.OtherOptions;
    return (ini.Text() + rest.join(QLatin1Char('\n'))).toStdString();
}

// A dialog with a tab control of two pages, controls on the dialog and on both pages, a menu,
// a control hidden on the surface and imported words the designer does not model.
struct UndoRun {
    ProjectRun Run;
    TmvUndoHistory History{Run.Session};
    TmvControl* Tab = nullptr;
    TmvControl* Button = nullptr;
    TmvControl* Edit = nullptr;
    TmvControl* OnPage = nullptr;

    UndoRun() {
        DialogDocument& doc = Run.Doc;
        Tab = Place(doc, ctTab, 5, 5, 200, 150);
        doc.AddTabPage();
        doc.AddTabPage();
        Button = Place(doc, ctButton, 10, 170, 60, 20);
        Edit = Place(doc, ctEdit, 80, 170, 60, 20);
        OnPage = Place(doc, ctCheck, 20, 40, 60, 20, 1);
        Place(doc, ctText, 20, 70, 60, 20, 0)->OtherStyles = QStringLiteral("extra");
        Place(doc, ctList, 150, 170, 60, 40);
        HideControl(doc, doc.ControlAt(doc.ControlCount() - 1));
        doc.OtherOptions = QStringLiteral("size");
        NewMenuItem(doc, NewMenu(doc));
        Select(Button);
        doc.StartNewHistory(true);
    }
    DialogDocument& Doc() { return Run.Doc; }
    void Select(TmvControl* control) {
        Doc().ClearSelection();
        Doc().Select(control);
        Doc().SetCurrentControl(control);
    }
};

struct Action {
    const char* name;
    std::function<void(UndoRun&)> run;
};

TEST(Undo, EveryKindOfActionIsTakenBackAndDoneAgainExactly) {
    const Action actions[] = {
        {"move", [](UndoRun& u) { u.Button->SetLeft(u.Button->Left + 7); }},
        {"resize", [](UndoRun& u) { u.Edit->SetBounds(80, 170, 90, 30); }},
        {"create", [](UndoRun& u) { Place(u.Doc(), ctRadio, 5, 200, 50, 15, 0); }},
        {"delete", [](UndoRun& u) { DeleteSelection(u.Doc(), nullptr, false); }},
        {"delete tab control",
         [](UndoRun& u) {
             u.Select(u.Tab);
             DeleteSelection(u.Doc(), nullptr, false);
         }},
        {"delete all", [](UndoRun& u) { u.Doc().ClearDialog(); }},
        {"reorder ids", [](UndoRun& u) { RenumberIds(u.Doc()); }},
        {"caption of all selected",
         [](UndoRun& u) {
             u.Doc().Select(u.Edit);
             for (TmvControl* c : u.Doc().Selection)
                 c->SetText(QStringLiteral("Neu"));
         }},
        {"control to another page", [](UndoRun& u) { u.Doc().MoveToContainer(u.Button, 0); }},
        {"dialog properties",
         [](UndoRun& u) {
             u.Doc().Title = QStringLiteral("Başka");
             u.Doc().TableName = QStringLiteral("other");
             u.Doc().UseDbu = !u.Doc().UseDbu;
             u.Doc().SetClientSize(400, 300);
         }},
        {"tab page added", [](UndoRun& u) { u.Doc().AddTabPage(); }},
        {"tab page deleted", [](UndoRun& u) { u.Doc().DeleteTabPage(0); }},
        {"bring to front",
         [](UndoRun& u) {
             u.Doc().Select(u.Edit);
             BringSelectionToFront(u.Doc());
         }},
        {"send to back", [](UndoRun& u) { SendSelectionToBack(u.Doc()); }},
        {"hide", [](UndoRun& u) { HideSelection(u.Doc()); }},
        {"unhide all", [](UndoRun& u) { UnhideAll(u.Doc()); }},
        {"lock", [](UndoRun& u) { LockSelection(u.Doc(), true); }},
        {"lock all", [](UndoRun& u) { ToggleLockAll(u.Doc()); }},
        {"new menu", [](UndoRun& u) { NewMenu(u.Doc()); }},
        {"menu item renamed",
         [](UndoRun& u) {
             RenameMenuNode(u.Doc(), u.Doc().Menu.TopLevel()[0]->Children[0].get(),
                            QStringLiteral("&Aç\tCtrl+O"));
         }},
        {"menu deleted",
         [](UndoRun& u) { DeleteMenuNode(u.Doc(), u.Doc().Menu.TopLevel()[0].get()); }},
        {"menu moved",
         [](UndoRun& u) {
             NewMenu(u.Doc());
             MoveMenuNodeUp(u.Doc(), u.Doc().Menu.TopLevel()[1].get());
         }},
        {"menu flag",
         [](UndoRun& u) {
             SetMenuNodeFlag(u.Doc(), u.Doc().Menu.TopLevel()[0]->Children[0].get(), kMenuOk, true);
         }},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        UndoRun u;
        const std::string before = Everything(u.Doc());
        action.run(u);
        // Named, so that a change of the z-order alone counts as a step too.
        u.Doc().NameNextStep(QString::fromUtf8(action.name));
        ASSERT_TRUE(u.History.Checkpoint());
        const std::string after = Everything(u.Doc());
        ASSERT_NE(after, before);
        EXPECT_EQ(u.History.UndoName(), QString::fromUtf8(action.name));

        ASSERT_TRUE(u.History.Undo());
        EXPECT_EQ(Everything(u.Doc()), before);
        EXPECT_FALSE(u.Doc().Modified);
        EXPECT_EQ(u.History.RedoName(), QString::fromUtf8(action.name));
        ASSERT_TRUE(u.History.Redo());
        EXPECT_EQ(Everything(u.Doc()), after);
        // Nothing changed since: no step of its own.
        EXPECT_FALSE(u.History.Checkpoint());
        EXPECT_EQ(u.History.UndoCount(), 1);
    }
}

TEST(Undo, StepsAreNamedFromWhatChangedWhenNobodyNamedThem) {
    UndoRun u;
    u.Button->SetLeft(u.Button->Left + 3);
    u.History.Checkpoint();
    EXPECT_EQ(u.History.UndoName(), QStringLiteral("Taşı"));
    u.Button->SetWidth(u.Button->Width + 3);
    u.History.Checkpoint();
    EXPECT_EQ(u.History.UndoName(), QStringLiteral("Boyutlandır"));
    Place(u.Doc(), ctButton, 0, 0, 10, 10);
    u.History.Checkpoint({QStringLiteral("&Yapıştır"), {}});
    EXPECT_EQ(u.History.UndoName(), QStringLiteral("Yapıştır"));
    EXPECT_EQ(StepNameFromCaption(QStringLiteral("Tekrar &Kaydet...")),
              QStringLiteral("Tekrar Kaydet"));
    EXPECT_EQ(StepNameFromCaption(QStringLiteral("A && B")), QStringLiteral("A & B"));
}

TEST(Undo, NudgesOfOneSelectionMergeIntoOneStep) {
    UndoRun u;
    const int left = u.Button->Left;
    const QString buttonName = u.Button->Name();
    const auto nudge = [&u](int dx) {
        u.Button->SetLeft(u.Button->Left + dx);
        u.Doc().BeginMerge(QStringLiteral("nudge"));
        u.History.Checkpoint();
    };
    nudge(1);
    nudge(1);
    nudge(1);
    EXPECT_EQ(u.History.UndoCount(), 1);
    // Another selection starts a step of its own.
    u.Select(u.Edit);
    u.Edit->SetTop(u.Edit->Top + 1);
    u.Doc().BeginMerge(QStringLiteral("nudge"));
    u.History.Checkpoint();
    EXPECT_EQ(u.History.UndoCount(), 2);
    ASSERT_TRUE(u.History.Undo());
    ASSERT_TRUE(u.History.Undo());
    ASSERT_NE(u.Doc().CurrentControl, nullptr);
    EXPECT_EQ(u.Doc().CurrentControl->Name(), buttonName);
    EXPECT_EQ(u.Doc().CurrentControl->Left, left);

    // Nudged there and back again: no step is left.
    UndoRun back;
    const auto nudgeBack = [&back](int dx) {
        back.Button->SetLeft(back.Button->Left + dx);
        back.Doc().BeginMerge(QStringLiteral("nudge"));
        back.History.Checkpoint();
    };
    nudgeBack(2);
    nudgeBack(-2);
    EXPECT_FALSE(back.History.CanUndo());
}

TEST(Undo, ANewActionClearsRedoAndTheLimitDropsTheOldestSteps) {
    UndoRun u;
    u.History.SetLimit(3);
    const int left = u.Button->Left;
    for (int i = 1; i <= 5; ++i) {
        u.Button->SetLeft(left + i);
        u.History.Checkpoint();
    }
    EXPECT_EQ(u.History.UndoCount(), 3);
    while (u.History.Undo()) {
    }
    TmvControl* button = u.Doc().SelectedAt(0);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Left, left + 2);
    EXPECT_EQ(u.History.RedoCount(), 3);
    button->SetTop(button->Top + 1);
    u.History.Checkpoint();
    EXPECT_FALSE(u.History.CanRedo());
    EXPECT_EQ(u.History.UndoCount(), 1);
}

TEST(Undo, ModifiedIsTrueExactlyWhenTheProjectDiffersFromTheSavedOne) {
    UndoRun u;
    DialogDocument& doc = u.Doc();
    EXPECT_FALSE(doc.Modified);
    // Looking is no change: selecting, the current control, the shown page.
    u.Select(u.Edit);
    u.Select(u.OnPage);
    u.History.Checkpoint();
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(u.History.CanUndo());
    // Code that still marks the project by hand changes nothing.
    doc.Modified = true;
    EXPECT_FALSE(doc.Modified);

    u.OnPage->SetText(QStringLiteral("x"));
    EXPECT_TRUE(doc.Modified); // before the step is even recorded
    u.History.Checkpoint();
    const QString path = QDir::temp().filePath(QStringLiteral("marovel_undo_test.mv"));
    ASSERT_TRUE(u.Run.SaveAs(path));
    EXPECT_FALSE(doc.Modified);
    doc.SelectedAt(0)->SetText(QStringLiteral("y"));
    u.History.Checkpoint();
    EXPECT_TRUE(doc.Modified);
    u.History.Undo();
    EXPECT_FALSE(doc.Modified); // back at the saved state
    u.History.Undo();
    EXPECT_TRUE(doc.Modified); // before it
    u.History.Redo();
    EXPECT_FALSE(doc.Modified);

    // A load starts a new history, an import one that is not saved.
    ASSERT_TRUE(u.Run.Load(path));
    EXPECT_FALSE(u.History.CanUndo());
    EXPECT_FALSE(doc.Modified);
    doc.StartNewHistory(false);
    EXPECT_TRUE(doc.Modified);
    QFile::remove(path);
}

// The designer: a click on the toolbar's Delete ends a step named after it; Undo and Redo are
// enabled and hinted by the history.
TEST(UndoWindow, ToolbarActionsMakeNamedStepsAndTheCommandsFollow) {
    RecordingPrompter prompt;
    ScriptedFiles files;
    TMain main;
    main.SetInteraction(&prompt, &files);
    main.FirstShow();
    DialogDocument& doc = main.Document();
    EXPECT_FALSE(main.actEditUndo->isEnabled());
    EXPECT_EQ(main.actEditUndo->toolTip(), QStringLiteral("Geri Al"));
    TmvControl* button = Place(doc, ctButton, 10, 10, 60, 20);
    QCoreApplication::processEvents();
    doc.StartNewHistory(true);
    doc.Select(button);
    doc.SetCurrentControl(button);
    main.History().Checkpoint(); // as the click that selected it would
    QTest::mouseClick(main.tb->widgetForAction(main.ccpdDelete), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.ControlCount(), 0);
    EXPECT_TRUE(main.actEditUndo->isEnabled());
    EXPECT_EQ(main.actEditUndo->toolTip(), QStringLiteral("Geri Al: Sil"));
    EXPECT_TRUE(doc.Modified);

    QTest::mouseClick(main.tb->widgetForAction(main.actEditUndo), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(doc.ControlCount(), 1);
    EXPECT_EQ(doc.CurrentControl, doc.ControlAt(0));
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(main.actEditUndo->isEnabled());
    EXPECT_EQ(main.actEditRedo->toolTip(), QStringLiteral("Yinele: Sil"));
    main.actEditRedo->trigger();
    EXPECT_EQ(doc.ControlCount(), 0);
    const QList<QKeySequence> redoKeys = main.actEditRedo->shortcuts();
    EXPECT_TRUE(redoKeys.contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_EQ(main.actEditUndo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}
} // namespace

namespace {
void Settle() {
    // The watcher ends a step once the event that ended the action has been handled.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void ClickOn(QWidget* surface, const TmvControl* control) {
    QTest::mouseClick(surface, Qt::LeftButton, {}, control->BoundsRect().center());
    Settle();
}

void KeyOn(QWidget* surface, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(surface, key, mods);
    Settle();
}

// A left-button event of a drag on the surface.
void SendMouse(QWidget* surface, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers mods = {}) {
    QMouseEvent event(type, at, surface->mapToGlobal(at), Qt::LeftButton, buttons, mods);
    QApplication::sendEvent(surface, &event);
    Settle();
}

// The designer driven as a user drives it: clicks that only select leave the project
// unmodified, a run of arrow keys is one step, and the Edit keys undo and redo it while the
// surface has the focus.
TEST(UndoWindow, OnTheSurfaceClicksOnlyLookNudgesMergeAndTheEditKeysWork) {
    Shell shell;
    shell.Main.show();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    const TmvUndoHistory& history = shell.Main.History();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctEdit, 100, 10, 60, 20);
    const QString nameA = a->Name();
    const QString nameB = b->Name();
    const QPoint startA = a->BoundsRect().topLeft();
    const QPoint startB = b->BoundsRect().topLeft();
    doc.StartNewHistory(true);
    surface->setFocus();

    ClickOn(surface, a);
    ClickOn(surface, b);
    EXPECT_EQ(doc.CurrentControl, b);
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(history.CanUndo());

    KeyOn(surface, Qt::Key_Right);
    KeyOn(surface, Qt::Key_Right);
    KeyOn(surface, Qt::Key_Down);
    const QPoint nudgedB = b->BoundsRect().topLeft();
    EXPECT_GT(nudgedB.x(), startB.x());
    EXPECT_GT(nudgedB.y(), startB.y());
    EXPECT_EQ(history.UndoCount(), 1);
    EXPECT_EQ(history.UndoName(), QStringLiteral("Taşı"));
    EXPECT_TRUE(doc.Modified);
    // Another selection is another step.
    ClickOn(surface, a);
    KeyOn(surface, Qt::Key_Left);
    const int nudgedA = a->Left;
    EXPECT_EQ(history.UndoCount(), 2);

    // Undo puts controls back as they were, read again: they are found by name.
    const auto control = [&doc](const QString& name) { return doc.FindControlByName(name); };
    KeyOn(surface, Qt::Key_Z, Qt::ControlModifier);
    KeyOn(surface, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(control(nameA) && control(nameB));
    EXPECT_EQ(control(nameA)->BoundsRect().topLeft(), startA);
    EXPECT_EQ(control(nameB)->BoundsRect().topLeft(), startB);
    EXPECT_FALSE(doc.Modified);
    // The selection of before the nudges.
    EXPECT_EQ(doc.CurrentControl, control(nameB));
    KeyOn(surface, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(control(nameB)->BoundsRect().topLeft(), nudgedB);
    KeyOn(surface, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(control(nameA)->Left, nudgedA);
    EXPECT_FALSE(history.CanRedo());
}

// A drag holds the controls it moves: undo waits for its end, which makes the step.
TEST(UndoWindow, UndoWaitsForTheDragToEnd) {
    Shell shell;
    shell.Main.show();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    TmvControl* button = Place(doc, ctButton, 10, 10, 60, 20);
    const QString name = button->Name();
    Place(doc, ctEdit, 100, 10, 60, 20);
    doc.StartNewHistory(true);
    ClickOn(surface, button);
    Place(doc, ctCheck, 10, 60, 60, 20); // an earlier step to undo
    Settle();
    shell.Main.History().Checkpoint();
    const int steps = shell.Main.History().UndoCount();
    SendMouse(surface, QEvent::MouseButtonPress, QPoint(20, 15), Qt::LeftButton);
    SendMouse(surface, QEvent::MouseMove, QPoint(40, 25), Qt::LeftButton);
    SendMouse(surface, QEvent::MouseMove, QPoint(60, 35), Qt::LeftButton);
    ASSERT_TRUE(surface->Dragging());
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(doc.ControlCount(), 3);
    EXPECT_EQ(shell.Main.History().UndoCount(), steps);
    SendMouse(surface, QEvent::MouseButtonRelease, QPoint(60, 35), Qt::NoButton);
    EXPECT_EQ(shell.Main.History().UndoCount(), steps + 1);
    EXPECT_NE(doc.FindControlByName(name)->Left, 10);
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(doc.FindControlByName(name)->Left, 10);
}

// A control drawn with the palette is one step with its drag, whatever keys go down and up
// meanwhile (Shift inverts snapping): one Undo takes it away whole.
TEST(UndoWindow, AControlDrawnWhileShiftChangesIsOneStep) {
    Shell shell;
    shell.Main.show();
    shell.Main.CurrentSettings().AutoStartSize = true;
    shell.Main.ApplySettings();
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    doc.StartNewHistory(true);
    surface->setFocus();
    surface->SetArmedTool(ctButton, true);
    SendMouse(surface, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    SendMouse(surface, QEvent::MouseMove, QPoint(50, 30), Qt::LeftButton);
    QTest::keyPress(surface, Qt::Key_Shift);
    Settle();
    SendMouse(surface, QEvent::MouseMove, QPoint(70, 40), Qt::LeftButton, Qt::ShiftModifier);
    QTest::keyRelease(surface, Qt::Key_Shift, Qt::ShiftModifier);
    Settle();
    SendMouse(surface, QEvent::MouseMove, QPoint(90, 50), Qt::LeftButton);
    SendMouse(surface, QEvent::MouseButtonRelease, QPoint(90, 50), Qt::NoButton);
    ASSERT_EQ(doc.ControlCount(), 1);
    EXPECT_GT(doc.ControlAt(0)->Width, 40);
    EXPECT_GT(doc.ControlAt(0)->Height, 20);
    EXPECT_EQ(shell.Main.History().UndoCount(), 1);
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(doc.ControlCount(), 0);
    EXPECT_FALSE(shell.Main.History().CanUndo());
}

// A button, current, in a new history, and the browser's caption box focused with its text
// selected, ready for typing.
QLineEdit* FocusCaptionOfAButton(Shell& shell, TmvControl** button) {
    shell.Main.show();
    DialogDocument& doc = shell.Doc();
    *button = Place(doc, ctButton, 10, 10, 60, 20);
    doc.Select(*button);
    doc.SetCurrentControl(*button);
    doc.StartNewHistory(true);
    QLineEdit* caption = shell.Main.ObjBrowser()->propsCaption;
    QApplication::setActiveWindow(&shell.Main);
    caption->setFocus();
    Settle(); // the surface's focus going ends no step
    caption->selectAll();
    return caption;
}

// Typing in the browser is one step, ended by Enter, however many keys it took.
TEST(UndoWindow, TypingACaptionInTheBrowserIsOneStep) {
    Shell shell;
    DialogDocument& doc = shell.Doc();
    TmvControl* button = nullptr;
    QLineEdit* caption = FocusCaptionOfAButton(shell, &button);
    ASSERT_EQ(QApplication::focusWidget(), caption);
    for (const char* key : {"T", "a", "m", "a", "m"}) {
        QTest::keyClicks(caption, QString::fromLatin1(key));
        Settle();
    }
    QTest::keyClick(caption, Qt::Key_Shift); // a key the box leaves to its parents
    Settle();
    QTest::keyClick(caption, Qt::Key_Return);
    Settle();
    EXPECT_EQ(button->Text, QStringLiteral("Tamam"));
    EXPECT_EQ(shell.Main.History().UndoCount(), 1);
    shell.Main.actEditUndo->trigger();
    ASSERT_NE(doc.CurrentControl, nullptr);
    EXPECT_EQ(doc.CurrentControl->Text, QStringLiteral("Button"));
    EXPECT_EQ(caption->text(), QStringLiteral("Button"));
}

// Typing a caption and then running a command from the tool bar or a shortcut, without leaving
// the box: the typing is a step of its own, so one Undo takes back only the command.
TEST(UndoWindow, ACommandAfterTypingEndsTheTypingStepFirst) {
    struct Case {
        const char* how;
        std::function<void(Shell&)> run;
        QString step;
    };
    const Case cases[] = {
        {"tool bar",
         [](Shell& shell) {
             QTest::mouseClick(shell.Main.tb->widgetForAction(shell.Main.ccpdDelete),
                               Qt::LeftButton);
         },
         QStringLiteral("Sil")},
        {"shortcut",
         [](Shell& shell) {
             shell.Prompt.Answers = {TmvAnswer::Yes};
             QTest::keyClick(shell.Main.ObjBrowser()->propsCaption, Qt::Key_Delete,
                             Qt::AltModifier);
         },
         QStringLiteral("Hepsini Sil")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        Shell shell;
        DialogDocument& doc = shell.Doc();
        TmvControl* button = nullptr;
        QLineEdit* caption = FocusCaptionOfAButton(shell, &button);
        const QString name = button->Name();
        QTest::keyClicks(caption, QStringLiteral("Tamam"));
        Settle();
        c.run(shell);
        Settle();
        ASSERT_EQ(doc.ControlCount(), 0);
        EXPECT_EQ(shell.Main.History().UndoCount(), 2);
        EXPECT_EQ(shell.Main.History().UndoName(), c.step);
        shell.Main.actEditUndo->trigger();
        const TmvControl* back = doc.FindControlByName(name);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->Text, QStringLiteral("Tamam"));
        shell.Main.actEditUndo->trigger();
        EXPECT_EQ(doc.FindControlByName(name)->Text, QStringLiteral("Button"));
    }
}

// Choosing a hidden control in the browser's list shows it: a step of its own, so undoing the
// step before it leaves the control shown.
TEST(UndoWindow, ShowingAHiddenControlFromTheBrowsersListIsAStep) {
    Shell shell;
    shell.Main.show();
    DialogDocument& doc = shell.Doc();
    TmvControl* hidden = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* moved = Place(doc, ctEdit, 10, 40, 60, 20);
    const QString hiddenName = hidden->Name();
    const QString movedName = moved->Name();
    HideControl(doc, hidden);
    doc.StartNewHistory(true);
    moved->SetLeft(50); // an earlier step
    shell.Main.History().Checkpoint();
    TmvControlListBox* list = shell.Main.ObjBrowser()->ControlList;
    const int row = list->Entries()->RowOf(hidden);
    list->setCurrentIndex(row - 1);
    QTest::keyClick(list, Qt::Key_Down);
    Settle();
    ASSERT_EQ(doc.CurrentControl, hidden);
    EXPECT_FALSE(hidden->DesignHidden);
    EXPECT_EQ(shell.Main.History().UndoCount(), 2);
    EXPECT_EQ(shell.Main.History().UndoName(), QStringLiteral("Göster"));
    shell.Main.actEditUndo->trigger();
    ASSERT_TRUE(doc.FindControlByName(hiddenName) && doc.FindControlByName(movedName));
    EXPECT_TRUE(doc.FindControlByName(hiddenName)->DesignHidden);
    EXPECT_EQ(doc.FindControlByName(movedName)->Left, 50);
    shell.Main.actEditUndo->trigger();
    EXPECT_EQ(doc.FindControlByName(movedName)->Left, 10);
}

// Undo reads again only the controls whose records differ: the others stay the same objects.
TEST(UndoSnapshot, OnlyTheControlsThatDifferAreReadAgain) {
    UndoRun u;
    // What the project does not keep stays only on controls that are not read again.
    for (int z = 0; z < u.Doc().ControlCount(); ++z)
        u.Doc().ControlAt(z)->Hot = true;
    u.Button->SetLeft(u.Button->Left + 5);
    u.Edit->SetText(QStringLiteral("changed"));
    u.History.Checkpoint();
    const std::string after = Everything(u.Doc());
    ASSERT_TRUE(u.History.Undo());
    int kept = 0;
    for (int z = 0; z < u.Doc().ControlCount(); ++z)
        kept += u.Doc().ControlAt(z)->Hot ? 1 : 0;
    EXPECT_EQ(kept, u.Doc().ControlCount() - 2);
    ASSERT_TRUE(u.History.Redo());
    EXPECT_EQ(Everything(u.Doc()), after);
}
} // namespace
