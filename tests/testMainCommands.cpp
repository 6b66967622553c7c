// The main window's commands on the dialog and its start-up and close sequence, with the user
// scripted.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/mvCodeDialog.h"
#include "app/mvMain.h"
#include "app/mvStatusWindow.h"
#include "io/mvConfigPaths.h"
#include "io/mvErrorHandler.h"
#include "io/mvIniFile.h"
#include "io/mvPreview.h"
#include "io/mvProjects.h"
#include "io/mvRecoveryFile.h"
#include "model/mvControls.h"
#include "model/mvTabControl.h"
#include "support/scopedEnvironment.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testProjectHelpers.h"
#include "support/testRecordingPrompter.h"
#include "support/testShell.h"
#include "surface/mvAlignDialog.h"
#include "surface/mvCreationOrderWnd.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfacePopMenu.h"
#include "surface/mvUnhideControls.h"

namespace {
QStringList Questions(const RecordingPrompter& prompt) {
    return MessageCaptions(prompt, QStringLiteral("Question"));
}

TEST(MainCommands, DeleteAllAsksWhenPromptAllIsOn) {
    struct Case {
        bool promptAll;
        std::vector<TmvAnswer> answers;
        int questions;
        bool cleared;
    };
    const Case cases[] = {
        {true, {TmvAnswer::No}, 1, false},
        {true, {TmvAnswer::Yes}, 1, true},
        {false, {}, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.promptAll);
        Shell shell;
        shell.Main.CurrentSettings().PromptAll = c.promptAll;
        Place(shell.Doc(), ctButton, 10, 10, 60, 20);
        Place(shell.Doc(), ctEdit, 10, 40, 60, 20);
        shell.Prompt.Answers.assign(c.answers.begin(), c.answers.end());
        shell.Main.mmDeleteAll->trigger();
        EXPECT_EQ(int(Questions(shell.Prompt).size()), c.questions);
        if (c.questions) {
            EXPECT_EQ(shell.Prompt.Messages.back().Caption, QStringLiteral("Delete All"));
            EXPECT_EQ(shell.Prompt.Messages.back().Text,
                      QStringLiteral("Are you sure want to delete all controls?"));
        }
        EXPECT_EQ(shell.Doc().ControlCount(), c.cleared ? 0 : 2);
    }
}

TEST(MainCommands, ReorderIdsAsksAndRenumbersOnYes) {
    for (const TmvAnswer answer : {TmvAnswer::No, TmvAnswer::Yes}) {
        Shell shell;
        TmvControl* a = Place(shell.Doc(), ctButton, 10, 10, 60, 20);
        TmvControl* b = Place(shell.Doc(), ctEdit, 10, 40, 60, 20);
        a->ID = 40;
        b->ID = 30;
        shell.Prompt.Answers = {answer};
        shell.Main.mmReorder->trigger();
        ASSERT_EQ(shell.Prompt.Messages.size(), 1u);
        EXPECT_EQ(shell.Prompt.Messages[0].Caption, QStringLiteral("Reorder IDs"));
        EXPECT_EQ(shell.Prompt.Messages[0].Text,
                  QStringLiteral("Are you sure you want to reorder the IDs?"));
        const bool renumbered = answer == TmvAnswer::Yes;
        EXPECT_EQ(a->ID, renumbered ? 1 : 40);
        EXPECT_EQ(b->ID, renumbered ? 2 : 30);
    }
}

TEST(MainCommands, CutCopyAndDeleteFollowTheCurrentControlPasteTheClipboard) {
    Shell shell;
    const auto enabled = [&shell] {
        std::vector<bool> states;
        for (QAction* a :
             {shell.Main.ccpdCut, shell.Main.ccpdCopy, shell.Main.ccpdPaste, shell.Main.ccpdDelete})
            states.push_back(a->isEnabled());
        return states;
    };
    using B = std::vector<bool>;
    EXPECT_EQ(enabled(), (B{false, false, false, false}));
    TmvControl* button = Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    shell.Doc().Select(button);
    shell.Doc().SetCurrentControl(button);
    EXPECT_EQ(enabled(), (B{true, true, false, true}));

    shell.Main.ccpdCopy->trigger();
    EXPECT_EQ(enabled(), (B{true, true, true, true}));
    shell.Main.ccpdPaste->trigger();
    ASSERT_EQ(shell.Doc().ControlCount(), 2);
    EXPECT_NE(shell.Doc().CurrentControl, button);
    EXPECT_EQ(shell.Doc().CurrentControl->ID, 2);

    // Cut leaves no current control; what it cut can be pasted back with its ID.
    shell.Main.ccpdCut->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
    EXPECT_EQ(enabled(), (B{false, false, true, false}));
    shell.Main.ccpdPaste->trigger();
    EXPECT_EQ(shell.Doc().CurrentControl->ID, 2);
    // New keeps the clipboard: controls can be carried from one project to the next.
    shell.Prompt.Answers = {TmvAnswer::No}; // the changes are not saved
    shell.Main.actFileNew->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 0);
    EXPECT_EQ(enabled(), (B{false, false, true, false}));
}

TEST(MainCommands, DeleteRemovesTheSelectionAndDisablesItself) {
    Shell shell;
    TmvControl* a = Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    Place(shell.Doc(), ctEdit, 10, 40, 60, 20);
    shell.Doc().Select(a);
    shell.Doc().SetCurrentControl(a);
    shell.Main.ccpdDelete->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
    EXPECT_TRUE(shell.Doc().Selection.empty());
    EXPECT_FALSE(shell.Main.ccpdDelete->isEnabled());
    EXPECT_TRUE(shell.Doc().Modified);
}

TEST(MainCommands, DeletingATabControlWithChildrenAsksWhenPromptTabIsOn) {
    for (const TmvAnswer answer : {TmvAnswer::No, TmvAnswer::Yes}) {
        Shell shell;
        shell.Main.CurrentSettings().PromptTab = true;
        TmvControl* tab = Place(shell.Doc(), ctTab, 5, 5, 200, 150);
        shell.Doc().AddTabPage();
        Place(shell.Doc(), ctButton, 20, 40, 60, 20, 0);
        shell.Doc().Select(tab);
        shell.Doc().SetCurrentControl(tab);
        shell.Prompt.Answers = {answer};
        shell.Main.ccpdDelete->trigger();
        EXPECT_EQ(Questions(shell.Prompt), QStringList{QStringLiteral("Confirm Tab Delete")});
        EXPECT_EQ(shell.Doc().ControlCount(), answer == TmvAnswer::Yes ? 0 : 2);
    }
}

TEST(MainCommands, CopyCodeCommandPutsTheTableOnTheClipboard) {
    Shell shell;
    Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    shell.Main.codeCopy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), JoinTableLines(BuildDialogTable(shell.Doc())));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().endsWith(QStringLiteral("}\r\n")));
}

TEST(MainCommands, ExportWritesTheTableToTheChosenFile) {
    Shell shell;
    Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dialog.mrc"));
    shell.Files.Answers.push_back(path);
    shell.Main.expFile->trigger();
    ASSERT_EQ(shell.Files.Requests.size(), 1u);
    EXPECT_EQ(shell.Files.Requests[0].Title, QStringLiteral("Export mIRC File.."));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), JoinTableLines(BuildDialogTable(shell.Doc())));
}

// The preview asks mIRC under the DDE name of the settings; here nobody answers.
TEST(MainCommands, PreviewUsesTheSettingsDdeName) {
    TestScopedEnvironment environment;
    environment.Set("MAROVEL_WINE", "/nonexistent/wine");
    Shell shell;
    Place(shell.Doc(), ctButton, 10, 10, 60, 20)->Kind = 1;
    shell.Main.CurrentSettings().DDEName = QStringLiteral("Elsewhere");
    shell.Doc().MarkSaved();
    shell.Main.actPreview->trigger();
    ASSERT_EQ(shell.Prompt.Messages.size(), 1u);
    EXPECT_EQ(shell.Prompt.Messages[0].Caption, QStringLiteral("DDE Error"));
    EXPECT_EQ(shell.Prompt.Messages[0].Text, DdeErrorText(QStringLiteral("Elsewhere")));
    EXPECT_FALSE(shell.Doc().Modified);
}

TEST(MainCommands, TableViewShowsTheViewerModally) {
    Shell shell;
    shell.Doc().TableName = QStringLiteral("viewed");
    QString caption;
    QTimer::singleShot(0, [&] {
        caption = shell.Main.CodeDialog()->windowTitle();
        shell.Main.CodeDialog()->reject();
    });
    shell.Main.codeView->trigger();
    EXPECT_EQ(caption, QStringLiteral("Dialog Table: viewed"));
}

// The viewer is made at start-up, before the main window takes its stored placement (a first
// start opens maximised); it centres over the main window as that is when the viewer first shows.
TEST(MainCommands, TableViewerCentresOverTheMainWindowAsItIsWhenFirstShown) {
    Shell shell;
    shell.Main.showMaximized();
    QApplication::processEvents();
    const QRect main = shell.Main.frameGeometry();
    ASSERT_NE(main, QRect(0, 0, 1024, 700)) << "the main window must have moved for this test";
    TCodeDialog* viewer = shell.Main.CodeDialog();
    QPoint shownAt;
    QTimer::singleShot(0, [&] {
        shownAt = viewer->pos();
        viewer->move(shownAt + QPoint(30, 20)); // the user moves it away
        viewer->reject();
    });
    shell.Main.codeView->trigger();
    EXPECT_EQ(shownAt, QPoint(main.left() + (main.width() - viewer->width()) / 2,
                              main.top() + (main.height() - viewer->height()) / 2));
    // Shown again, it stays where the user put it.
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(viewer->pos(), shownAt + QPoint(30, 20));
        viewer->reject();
    });
    shell.Main.codeView->trigger();
}

// "UseDefaultFont" off gives the tool windows and dialogs Tahoma at 8 points; on, they keep the
// system's font. The viewer's memo keeps its Fixedsys either way.
TEST(MainCommands, UiFontFollowsUseDefaultFont) {
    const QFont systemFont = QApplication::font();
    for (const bool useDefault : {false, true}) {
        WriteTestFile(ConfigFilePath(QStringLiteral("marovel.ini")),
                      useDefault ? "[General]\r\nUseDefaultFont=1\r\n"
                                 : "[General]\r\nUseDefaultFont=0\r\n");
        Shell shell;
        for (QWidget* window : {static_cast<QWidget*>(shell.Main.CodeDialog()),
                                static_cast<QWidget*>(shell.Main.statusWindow())}) {
            const QFont font = window->font();
            EXPECT_EQ(font.family(), useDefault ? systemFont.family() : QStringLiteral("Tahoma"));
            EXPECT_EQ(font.pointSize(), useDefault ? systemFont.pointSize() : 8);
        }
        const auto* memo = shell.Main.CodeDialog()->findChild<QPlainTextEdit*>();
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->font().family(), QStringLiteral("Fixedsys"));
    }
    QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
}

TEST(MainCommands, SurfaceLivesInTheFrameAndStartsAt320By240) {
    Shell shell;
    ASSERT_NE(shell.Main.Surface(), nullptr);
    EXPECT_EQ(shell.Main.SurfaceFrame()->widget(), shell.Main.Surface());
    EXPECT_EQ(shell.Main.Surface()->size(), QSize(320, 240));
    EXPECT_EQ(shell.Main.Surface()->windowTitle(), QStringLiteral("New Project"));
    EXPECT_EQ(shell.Doc().UseDbu, shell.Main.CurrentSettings().AlwaysUseDBU);
}

TEST(MainCommands, CloseAsksToSaveChangesAndCancelKeepsTheWindow) {
    Shell shell;
    shell.Main.show();
    Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    shell.Doc().Modified = true;
    shell.Prompt.Answers = {TmvAnswer::Cancel};
    EXPECT_FALSE(shell.Main.close());
    EXPECT_EQ(Questions(shell.Prompt), QStringList{QStringLiteral("Save Project")});
    EXPECT_EQ(shell.Prompt.Messages.back().Text,
              QStringLiteral("Would you like to save changes to project 'New Project'?"));
    EXPECT_TRUE(shell.Main.isVisible());

    shell.Prompt.Answers = {TmvAnswer::No};
    EXPECT_TRUE(shell.Main.close());
}

TEST(MainCommands, CloseWithoutChangesAsksNothingAndSavesTheSettings) {
    QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
    {
        Shell shell;
        shell.Main.show();
        shell.Main.Surface()->SetShowGrid(true);
        shell.Main.Recent = {QStringLiteral("/p/a.mv")};
        EXPECT_TRUE(shell.Main.close());
        EXPECT_TRUE(Questions(shell.Prompt).isEmpty());
    }
    TmvIniFile ini(ConfigFilePath(QStringLiteral("marovel.ini")));
    ASSERT_TRUE(ini.Load());
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Grid"), QStringLiteral("ShowGrid"), false));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Recent"), QStringLiteral("0"), QString()),
              QStringLiteral("/p/a.mv"));
    EXPECT_FALSE(ini.ReadString(QStringLiteral("Windows"), QStringLiteral("MainDialog"), QString())
                     .isEmpty());
    // The next start takes the recent list back into the menu.
    Shell next;
    EXPECT_EQ(next.Main.Recent, QStringList{QStringLiteral("/p/a.mv")});
    EXPECT_TRUE(next.Main.mmRecent->isEnabled());
    EXPECT_TRUE(next.Main.Surface()->ShowGrid());
    QFile::remove(ConfigFilePath(QStringLiteral("marovel.ini")));
}

TEST(MainCommands, OpenAndRecentLoadTheProjectOntoTheSurface) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("away.mv"));
    {
        ProjectRun run;
        run.Doc.Title = QStringLiteral("Away");
        run.Doc.SetClientSize(300, 200);
        Place(run.Doc, ctButton, 10, 10, 60, 20);
        run.Files.Answers = {path};
        ASSERT_TRUE(SaveProjectAs(run.Session));
    }
    Shell shell;
    shell.Files.Answers = {path};
    shell.Main.actFileOpen->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
    EXPECT_EQ(shell.Main.Surface()->windowTitle(), QStringLiteral("Away"));
    EXPECT_EQ(shell.Main.Surface()->size(), QSize(300, 200));
    EXPECT_EQ(shell.Main.windowTitle(), QStringLiteral("Marovel  - away.mv"));
    EXPECT_EQ(shell.Main.Recent, QStringList{path});

    shell.Main.actFileNew->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 0);
    EXPECT_EQ(shell.Main.windowTitle(), QStringLiteral("Marovel  - New Project"));
    shell.Main.mmRecent->actions().first()->trigger();
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
}

TEST(MainCommands, FatalErrorHooksSaveTheWorkOnlyWhenModified) {
    QTemporaryDir dir;
    TestScopedEnvironment env;
    env.Set("MAROVEL_CONFIG_DIR", dir.path().toUtf8());
    Shell shell;
    ASSERT_TRUE(FatalErrorHooks().SaveRecovery);
    EXPECT_EQ(FatalErrorHooks().Prompt, &shell.Prompt);
    // Without a user (no recovery started) nothing is written.
    Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    EXPECT_TRUE(FatalErrorHooks().SaveRecovery().isEmpty());
    shell.Main.StartRecovery();
    const QString path = FatalErrorHooks().SaveRecovery();
    EXPECT_TRUE(path.startsWith(dir.filePath(QStringLiteral("recovery/"))));
    const TmvRecoveredFile saved = ReadRecoveredFile(path);
    EXPECT_FALSE(saved.Damaged()) << saved.Problem.toStdString();
    EXPECT_TRUE(saved.OriginalPath.isEmpty());
    EXPECT_TRUE(shell.Doc().FileName.isEmpty());
    shell.Prompt.Answers = {TmvAnswer::No};
    shell.Main.actFileNew->trigger();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(FatalErrorHooks().SaveRecovery().isEmpty());
}
} // namespace

namespace {
TEST(MainCommands, SampleProjectLoadsWithMenuBarAndTheStatusWindowShowsTheLoading) {
    Shell shell;
    ASSERT_TRUE(shell.Main.OpenProject(SampleProjectPath()));
    DialogDocument& doc = shell.Doc();
    std::set<int> types;
    for (int i = 0; i < doc.ControlCount(); ++i)
        types.insert(doc.ControlAt(i)->ControlType);
    EXPECT_EQ(types.size(), 12u) << "every control type";
    ASSERT_NE(doc.TabControl, nullptr);
    EXPECT_EQ(doc.TabControl->PageCount(), 3);
    EXPECT_FALSE(doc.Menu.IsEmpty());
    EXPECT_EQ(shell.Main.Surface()->size(),
              QSize(doc.ClientWidth, doc.ClientHeight + doc.MenuBarHeight));
    EXPECT_GT(doc.MenuBarHeight, 0);
    EXPECT_TRUE(shell.Main.statusWindow()->Lines().contains(QStringLiteral("Loading controls...")));
    // A new project has no menu, so no bar.
    shell.Main.actFileNew->trigger();
    EXPECT_EQ(doc.MenuBarHeight, 0);
    EXPECT_EQ(shell.Main.Surface()->size(), QSize(doc.ClientWidth, doc.ClientHeight));
}
} // namespace

namespace {
// Runs `inspect` on the modal window the next command opens, then closes that window.
template <typename Window, typename Inspect> void OnNextModal(Inspect inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        inspect(*window);
        window->reject();
    });
}
} // namespace

TEST(MainCommands, EveryContextMenuEntryIsWiredAndFollowsItsRule) {
    Shell shell;
    TmvSurfacePopMenu* menu = shell.Main.Surface()->PopMenu();
    const QList<QAction*> entries = {menu->pmCut,         menu->pmCopy,         menu->pmPaste,
                                     menu->pmDelete,      menu->pmBringToFront, menu->pmSendToBack,
                                     menu->pmAlignToGrid, menu->pmAlignment,    menu->pmSpacing,
                                     menu->pmSizing,      menu->pmHide,         menu->pmUnhide,
                                     menu->pmUnhideAll,   menu->pmLock,         menu->pmUnlock,
                                     menu->pmLockAll,     menu->pmControlOrder};
    EXPECT_EQ(menu->pmCut, shell.Main.ccpdCut);
    for (int i = 4; i < entries.size(); ++i)
        EXPECT_TRUE(menu->IsWired(entries[i])) << entries[i]->objectName().toStdString();
    menu->Prepare(false, false);
    EXPECT_FALSE(menu->pmHide->isEnabled());
    EXPECT_TRUE(menu->pmUnhide->isEnabled());
    EXPECT_TRUE(menu->pmControlOrder->isEnabled());
    menu->Prepare(true, false);
    for (QAction* entry : {menu->pmBringToFront, menu->pmSpacing, menu->pmHide})
        EXPECT_TRUE(entry->isEnabled());
}

TEST(MainCommands, ContextMenuCommandsChangeTheSelection) {
    Shell shell;
    DialogDocument& doc = shell.Doc();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctEdit, 30, 15, 60, 20);
    doc.Select(a);
    doc.SetCurrentControl(a);
    TmvSurfacePopMenu* menu = shell.Main.Surface()->PopMenu();
    menu->Prepare(true, doc.LockAll);

    menu->pmBringToFront->trigger();
    EXPECT_EQ(doc.ControlAt(1), a);
    menu->pmSendToBack->trigger();
    EXPECT_EQ(doc.ControlAt(0), a);
    menu->pmLock->trigger();
    EXPECT_TRUE(a->Locked);
    menu->pmUnlock->trigger();
    EXPECT_FALSE(a->Locked);
    menu->pmLockAll->trigger();
    EXPECT_TRUE(doc.LockAll);
    EXPECT_EQ(menu->pmLockAll->text(), QStringLiteral("Unlock All"));
    menu->pmLockAll->trigger();
    EXPECT_EQ(menu->pmLockAll->text(), QStringLiteral("Lock All"));

    doc.Select(b);
    menu->pmHide->trigger();
    EXPECT_EQ(doc.HiddenControls, (std::vector<TmvControl*>{a, b}));
    EXPECT_EQ(doc.CurrentControl, nullptr);
    OnNextModal<TUnhideControls>([](TUnhideControls& window) {
        EXPECT_EQ(window.HiddenList->count(), 2);
        window.HiddenList->item(1)->setSelected(true);
        window.accept();
    });
    menu->pmUnhide->trigger();
    EXPECT_EQ(doc.HiddenControls, std::vector<TmvControl*>{a});
    menu->pmUnhideAll->trigger();
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_TRUE(a->Visible);
}

TEST(MainCommands, ContextMenuOpensTheAlignmentAndCreationOrderWindows) {
    Shell shell;
    DialogDocument& doc = shell.Doc();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctEdit, 30, 40, 60, 20);
    doc.Select(b);
    doc.Select(a);
    doc.SetCurrentControl(a);
    TmvSurfacePopMenu* menu = shell.Main.Surface()->PopMenu();
    menu->Prepare(true, false);
    const std::pair<QAction*, int> pages[] = {
        {menu->pmAlignment, 0}, {menu->pmSpacing, 1}, {menu->pmSizing, 2}};
    for (const auto& [entry, page] : pages) {
        int shown = -1;
        OnNextModal<TAlignDialog>(
            [&shown](TAlignDialog& dialog) { shown = dialog.Pages->currentIndex(); });
        entry->trigger();
        EXPECT_EQ(shown, page);
    }
    // OK on the alignment page lines the left sides up on b, selected first.
    OnNextModal<TAlignDialog>([](TAlignDialog& dialog) {
        dialog.halLeft->setChecked(true);
        dialog.accept();
    });
    menu->pmAlignment->trigger();
    EXPECT_EQ(a->Left, 30);

    OnNextModal<TCreationOrderWnd>([](TCreationOrderWnd& window) {
        EXPECT_EQ(window.OrderList->count(), 2);
        window.OrderList->item(1)->setSelected(true);
        window.MoveUp();
        window.accept();
    });
    menu->pmControlOrder->trigger();
    EXPECT_EQ(doc.CreationOrder, (std::vector<TmvControl*>{b, a}));
}

TEST(MainCommands, SurfaceKeysRunTheEditCommandsWhileTheyAreEnabled) {
    Shell shell;
    DialogDocument& doc = shell.Doc();
    TMainDialog* surface = shell.Main.Surface();
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    QTest::keyClick(surface, Qt::Key_C, Qt::ControlModifier); // no current control: nothing
    EXPECT_FALSE(shell.Main.ccpdPaste->isEnabled());
    doc.Select(a);
    doc.SetCurrentControl(a);
    QTest::keyClick(surface, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(doc.ControlCount(), 3);
    QTest::keyClick(surface, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(doc.ControlCount(), 2);
    doc.Select(a);
    doc.SetCurrentControl(a);
    QTest::keyClick(surface, Qt::Key_Delete);
    EXPECT_EQ(doc.ControlCount(), 1);
}
