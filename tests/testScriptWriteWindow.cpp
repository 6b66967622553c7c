// "Script'e Yaz" and the event handlers, driven through the main window: a table imported from
// a script goes back in its place; without a script, or when it lost the table, the chooser
// asks where; the code viewer's second page and the Extra command give the handlers.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "app/mvCodeDialog.h"
#include "app/mvScriptWriteDialog.h"
#include "io/mvEventSkeleton.h"
#include "io/mvImportFileWindow.h"
#include "io/mvScriptWrite.h"
#include "io/mvUndoHistory.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvDialogTable.h"

namespace {
const QByteArray kScript = "; two dialogs\r\nalias a { dialog -m away away }\r\n"
                           "dialog first {\r\n  title \"1\"\r\n}\r\n"
                           "dialog away {\r\n  title \"Away\"\r\n  size -1 -1 100 50\r\n"
                           "  button \"Go\", 1, 5 5 40 12, ok\r\n}\r\n"
                           "on *:dialog:away:init:0:{ }";

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray CrLfLines(const QStringList& lines) {
    return lines.join("\r\n").toUtf8();
}

// Runs `drive` on the modal window of type Window the action opens.
template <typename Window>
void WhileModal(const std::function<void()>& run, const std::function<void(Window&)>& drive) {
    QTimer::singleShot(0, [drive] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        drive(*window);
    });
    run();
}

void ClickToolbarButton(Shell& shell, QAction* action) {
    QTest::mouseClick(shell.Main.tb->widgetForAction(action), Qt::LeftButton);
}

QStringList Entries(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

class ScriptWriteWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        script_ = dir_.filePath("away.mrc");
        WriteTestFile(script_, kScript);
    }
    // The table "away" imported through "Dosyaya Aktar...".
    void ImportAway() {
        TImportFile* window = shell_.Main.ImportFileWindow();
        shell_.Files.Answers = {script_};
        WhileModal<TImportFile>([&] { shell_.Main.impFile->trigger(); },
                                [&](TImportFile& w) {
                                    QTest::mouseClick(w.Button1, Qt::LeftButton);
                                    w.Sel->setCurrentRow(1);
                                    QTest::mouseClick(w.ImportBtn, Qt::LeftButton);
                                });
        ASSERT_FALSE(window->isVisible());
    }
    // What the code viewer's two pages show.
    std::pair<QString, QString> ViewerPages() {
        std::pair<QString, QString> pages;
        WhileModal<TCodeDialog>([&] { shell_.Main.codeView->trigger(); },
                                [&](TCodeDialog& viewer) {
                                    pages.first = viewer.CodeMemo->toPlainText();
                                    viewer.CodePages->setCurrentIndex(1);
                                    pages.second = viewer.EventMemo->toPlainText();
                                    QTest::mouseClick(viewer.btnCopy, Qt::LeftButton);
                                    viewer.reject();
                                });
        return pages;
    }

    QTemporaryDir dir_;
    QString script_;
    Shell shell_;
};

TEST_F(ScriptWriteWindow, AnImportedTableGoesBackInItsPlace) {
    ImportAway();
    DialogDocument& doc = shell_.Doc();
    EXPECT_EQ(doc.ScriptPath, script_);
    EXPECT_EQ(doc.ScriptTable, QStringLiteral("away"));
    EXPECT_TRUE(shell_.Main.ScriptStatus()->text().contains(QDir::toNativeSeparators(script_)));
    EXPECT_TRUE(shell_.Main.mmFile->actions().contains(shell_.Main.expScript));

    // Renamed in the designer, it still replaces the table of its old name.
    doc.TableName = QStringLiteral("gone");
    doc.Title = QStringLiteral("Away again");
    shell_.Main.History().Checkpoint();
    const int steps = shell_.Main.History().UndoCount();
    const bool modified = doc.Modified;
    ClickToolbarButton(shell_, shell_.Main.expScript);
    EXPECT_TRUE(shell_.Prompt.Messages.empty());
    EXPECT_EQ(shell_.Main.History().UndoCount(), steps);
    EXPECT_EQ(bool(doc.Modified), modified);
    EXPECT_EQ(doc.ScriptTable, QStringLiteral("gone"));

    const QString shown = ViewerPages().first;
    const QByteArray written = ReadBytes(script_);
    EXPECT_EQ(written, "; two dialogs\r\nalias a { dialog -m away away }\r\n"
                       "dialog first {\r\n  title \"1\"\r\n}\r\n" +
                           CrLfLines(shown.split('\n')) + "\r\non *:dialog:away:init:0:{ }");
    EXPECT_EQ(ReadBytes(ScriptBackupPath(script_)), kScript);

    // Saved and loaded again, the project still knows its script.
    const QString project = dir_.filePath("p.mv");
    shell_.Files.Answers = {project};
    ASSERT_TRUE(shell_.Main.mmSaveAs->isEnabled());
    shell_.Main.mmSaveAs->trigger();
    ASSERT_TRUE(shell_.Main.actFileNew->isEnabled());
    shell_.Main.actFileNew->trigger();
    EXPECT_TRUE(doc.ScriptPath.isEmpty());
    EXPECT_TRUE(shell_.Main.ScriptStatus()->text().isEmpty());
    ASSERT_TRUE(shell_.Main.OpenProject(project));
    EXPECT_EQ(doc.ScriptPath, script_);
    EXPECT_EQ(doc.ScriptTable, QStringLiteral("gone"));
}

TEST_F(ScriptWriteWindow, AScriptThatLostTheTableOffersTheEndWithTheHandlers) {
    ImportAway();
    WriteTestFile(script_, "dialog first {\n}\n");
    bool noteShown = false, skeletonOffered = false;
    QStringList listed;
    WhileModal<TScriptWriteDialog>(
        [&] { ClickToolbarButton(shell_, shell_.Main.expScript); },
        [&](TScriptWriteDialog& chooser) {
            noteShown = chooser.lblNote->isVisible() && chooser.lblNote->text().contains("away");
            listed = Entries(chooser.lstTables);
            skeletonOffered = chooser.chkSkeleton->isEnabled() && !chooser.chkSkeleton->isChecked();
            // On the box itself, at the left.
            QTest::mouseClick(chooser.chkSkeleton, Qt::LeftButton, {},
                              QPoint(6, chooser.chkSkeleton->height() / 2));
            QTest::mouseClick(chooser.btnWrite, Qt::LeftButton);
        });
    EXPECT_TRUE(noteShown);
    EXPECT_EQ(listed, (QStringList{"first", "(Sona ekle)"}));
    EXPECT_TRUE(skeletonOffered);
    const auto [table, events] = ViewerPages();
    EXPECT_EQ(QString::fromUtf8(ReadBytes(script_)),
              "dialog first {\n}\n\n" + table + "\n\n" + events + "\n");
    EXPECT_EQ(events, BuildEventSkeleton(shell_.Doc()).join('\n'));
    // The viewer's copy button copied the page shown, the handlers; so does the Extra command.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), CrLfLines(events.split('\n')) + "\r\n");
    QGuiApplication::clipboard()->clear();
    shell_.Main.codeCopyEvents->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), CrLfLines(events.split('\n')) + "\r\n");
}

TEST_F(ScriptWriteWindow, AProjectWithoutAScriptAsksForOneAndATable) {
    shell_.Doc().TableName = QStringLiteral("first");
    // Cancelled at the file dialog: nothing happens.
    EXPECT_FALSE(shell_.Main.WriteIntoScriptCommand());
    ASSERT_EQ(shell_.Files.Requests.size(), 1u);
    EXPECT_EQ(shell_.Files.Requests[0].Title, QStringLiteral("Write Into mIRC File..."));

    // A script that is gone is asked for again, starting where it was.
    const QString gone = dir_.filePath("gone.mrc");
    shell_.Doc().ScriptPath = gone;
    shell_.Files.Answers = {script_};
    QString preselected, note;
    bool skeletonOffered = true;
    shell_.Main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shell_.Main));
    WhileModal<TScriptWriteDialog>(
        [&] { QTest::keyClick(&shell_.Main, Qt::Key_W, Qt::AltModifier); },
        [&](TScriptWriteDialog& chooser) {
            preselected = chooser.lstTables->currentItem()->text();
            note = chooser.lblNote->text();
            skeletonOffered = chooser.chkSkeleton->isEnabled();
            QTest::mouseClick(chooser.btnWrite, Qt::LeftButton);
        });
    EXPECT_EQ(shell_.Files.Requests.back().InitialFile, gone);
    EXPECT_TRUE(note.contains("'" + gone + "' does not exist")) << note.toStdString();
    EXPECT_EQ(preselected, QStringLiteral("first"));
    EXPECT_FALSE(skeletonOffered) << "a replaced table keeps the user's handlers";
    const QByteArray written = ReadBytes(script_);
    EXPECT_TRUE(written.startsWith("; two dialogs\r\nalias a { dialog -m away away }\r\n" +
                                   CrLfLines(BuildDialogTable(shell_.Doc())) +
                                   "\r\ndialog away {"));
    EXPECT_EQ(shell_.Doc().ScriptPath, script_);

    // A character the script's code page lacks: an error box, and the file stays.
    WriteTestFile(script_, "; \xFE\r\ndialog first {\r\n}\r\n");
    shell_.Doc().Title = QStringLiteral("日本");
    EXPECT_FALSE(shell_.Main.WriteIntoScriptCommand());
    ASSERT_EQ(shell_.Prompt.Messages.size(), 1u);
    EXPECT_EQ(shell_.Prompt.Messages[0].Caption, QStringLiteral("Write Into Script"));
    EXPECT_TRUE(shell_.Prompt.Messages[0].Text.contains("\"日\" (U+65E5) on line 2"));
    EXPECT_EQ(ReadBytes(script_), QByteArray("; \xFE\r\ndialog first {\r\n}\r\n"));
}
} // namespace
