// The two import windows driven through the main window's commands: the script's tables listed
// and the chosen one imported; the pasted table imported, the window closing only after a clean
// import.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/mvImportForm.h"
#include "app/mvStatusWindow.h"
#include "io/mvConfigPaths.h"
#include "io/mvImportFileWindow.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"

namespace {
// Runs `drive` once the modal window of the command is up, then the command itself.
void WhileModal(QAction* command, const std::function<void()>& drive) {
    QTimer::singleShot(0, drive);
    command->trigger();
}

QStringList Entries(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

struct ScriptCase {
    const char* FileName;
    QByteArray Text;
};

TEST(ImportWindows, FileWindowListsBothTablesAndImportsTheSecond) {
    const ScriptCase cases[] = {
        {"two.mrc", "alias x { echo }\r\n"
                    "dialog First {\r\n  title \"One\"\r\n  size -1 -1 100 50\r\n"
                    "  button \"A\", 1, 5 5 40 12\r\n}\r\n"
                    "dialog -l second {\r\n  title \"Two\"\r\n  size -1 -1 120 60\r\n"
                    "  edit \"\", 2, 5 5 40 12\r\n  text \"t\", 3, 5 20 40 12\r\n}\r\n"},
        {"two.ini", "[script]\r\nn0=alias x { echo }\r\n"
                    "n1=dialog First {\r\nn2=  title \"One\"\r\nn3=  button \"A\", 1, 5 5 40 12\r\n"
                    "n4=}\r\nn5= dialog -l second {\r\nn6=  title \"Two\"\r\n"
                    "n7=  size -1 -1 120 60\r\nn8=  edit \"\", 2, 5 5 40 12\r\n"
                    "n9=  text \"t\", 3, 5 20 40 12\r\nn10=}\r\n"},
    };
    for (const ScriptCase& c : cases) {
        SCOPED_TRACE(c.FileName);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(c.FileName));
        WriteTestFile(path, c.Text);
        Shell shell;
        TImportFile* window = shell.Main.ImportFileWindow();
        shell.Files.Answers = {path};
        QStringList listed;
        bool importEnabled = false;
        WhileModal(shell.Main.impFile, [&] {
            QTest::mouseClick(window->Button1, Qt::LeftButton);
            listed = Entries(window->Sel);
            importEnabled = window->ImportBtn->isEnabled();
            window->Sel->setCurrentRow(1);
            QTest::mouseClick(window->ImportBtn, Qt::LeftButton);
        });
        EXPECT_EQ(listed, (QStringList{"first", "second"}));
        EXPECT_TRUE(importEnabled);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(shell.Doc().TableName, QStringLiteral("second"));
        EXPECT_EQ(shell.Doc().Title, QStringLiteral("Two"));
        EXPECT_EQ(shell.Doc().ControlCount(), 2);
        EXPECT_TRUE(shell.Doc().Local);

        // The next "Select file.." starts at the script chosen last.
        WhileModal(shell.Main.impFile, [&] { window->reject(); });
        EXPECT_EQ(window->ScriptPath(), path);
        WhileModal(shell.Main.impFile, [&] {
            QTest::mouseClick(window->Button1, Qt::LeftButton);
            window->reject();
        });
        ASSERT_EQ(shell.Files.Requests.size(), 2u);
        EXPECT_EQ(shell.Files.Requests[1].InitialFile, path);
        EXPECT_EQ(shell.Files.Requests[1].Title, QStringLiteral("Choose mIRC File..."));
    }
}

// Scripts that give nothing to import leave the list empty and the project as it was; one that
// cannot be read says so.
TEST(ImportWindows, FileWindowOnBadScriptsKeepsTheProject) {
    QTemporaryDir dir;
    const QString noTables = dir.filePath(QStringLiteral("plain.mrc"));
    WriteTestFile(noTables, "alias a { echo -a hi }\r\ndialog broken\r\n{\r\n}\r\n");
    const QString binary = dir.filePath(QStringLiteral("picture.mrc"));
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    WriteTestFile(binary, bytes);
    struct Case {
        QString Path;
        bool Error;
    };
    const Case cases[] = {{noTables, false},
                          {binary, false},
                          {dir.filePath(QStringLiteral("missing.mrc")), true},
                          {dir.path(), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        Shell shell;
        Place(shell.Doc(), ctButton, 10, 10, 60, 20);
        shell.Doc().TableName = QStringLiteral("kept");
        TImportFile* window = shell.Main.ImportFileWindow();
        shell.Files.Answers = {c.Path};
        WhileModal(shell.Main.impFile, [&] {
            QTest::mouseClick(window->Button1, Qt::LeftButton);
            // Import has nothing to act on.
            QTest::mouseClick(window->ImportBtn, Qt::LeftButton);
            window->reject();
        });
        EXPECT_EQ(window->Sel->count(), 0);
        EXPECT_FALSE(window->ImportBtn->isEnabled());
        EXPECT_EQ(MessageCaptions(shell.Prompt, QStringLiteral("Error")).size(), c.Error ? 1 : 0);
        EXPECT_EQ(shell.Doc().TableName, QStringLiteral("kept"));
        EXPECT_EQ(shell.Doc().ControlCount(), 1);
    }
}

TEST(ImportWindows, FileWindowRefusesATableThatLeftTheScript) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("moving.mrc"));
    WriteTestFile(path, "dialog gone {\r\n  button \"A\", 1, 5 5 40 12\r\n}\r\n");
    Shell shell;
    shell.Doc().TableName = QStringLiteral("kept");
    TImportFile* window = shell.Main.ImportFileWindow();
    shell.Files.Answers = {path};
    WhileModal(shell.Main.impFile, [&] {
        QTest::mouseClick(window->Button1, Qt::LeftButton);
        WriteTestFile(path, "dialog other {\r\n}\r\n");
        QTest::mouseClick(window->ImportBtn, Qt::LeftButton);
        window->reject();
    });
    EXPECT_EQ(MessageCaptions(shell.Prompt, QStringLiteral("Error")).size(), 1u);
    EXPECT_EQ(shell.Doc().TableName, QStringLiteral("kept"));
    EXPECT_EQ(Entries(window->Sel), QStringList{QStringLiteral("other")});
}

// The file import reads a script that is not UTF-8 in the code page "LegacyCodePage" names, and
// its report says so and names the file's lines, as the command line's does.
TEST(ImportWindows, FileWindowImportsAsTheCommandLineDoes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ru.mrc"));
    // "При" in Windows-1251; the Turkish code page would read "Ïğè".
    WriteTestFile(path, "alias x { echo }\r\n"
                        "dialog ru {\r\n"
                        "  title \"\xCF\xF0\xE8\"\r\n"
                        "  size -1 -1 100 50\r\n"
                        "  button \"A\", 1, 5 5 40 x\r\n"
                        "  button \"B\", 2, 5 20 40 12\r\n"
                        "}\r\n");
    const QString settings = ConfigFilePath(QStringLiteral("marovel.ini"));
    WriteTestFile(settings, "[General]\r\nLegacyCodePage=1251\r\n");
    Shell shell;
    TImportFile* window = shell.Main.ImportFileWindow();
    shell.Files.Answers = {path};
    WhileModal(shell.Main.impFile, [&] {
        QTest::mouseClick(window->Button1, Qt::LeftButton);
        QTest::mouseClick(window->ImportBtn, Qt::LeftButton);
    });
    QFile::remove(settings);
    EXPECT_EQ(shell.Doc().Title, QString::fromUtf8("При"));
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
    const QStringList report = shell.Main.statusWindow()->Lines();
    EXPECT_TRUE(
        report.contains(QStringLiteral("The script is not UTF-8: it was read in code page 1251.")));
    EXPECT_TRUE(
        report.contains(QStringLiteral("   Line 4 (file line 5): button \"A\", 1, 5 5 40 x")))
        << report.join(QLatin1Char('\n')).toStdString();
}

void SetClipboard(QMimeData* data) {
    QGuiApplication::clipboard()->setMimeData(data);
}

// A changed project with a button, named "kept", and a table's text on the clipboard.
void KeepAProjectAndCopy(Shell& shell, const QString& table) {
    Place(shell.Doc(), ctButton, 10, 10, 60, 20);
    shell.Doc().TableName = QStringLiteral("kept");
    shell.Doc().Modified = true;
    auto* data = new QMimeData;
    data->setText(table);
    SetClipboard(data);
}

TEST(ImportWindows, PasteWindowTakesOnlyPlainTextFromTheClipboard) {
    Shell shell;
    TImportForm* form = shell.Main.ImportFormWindow();
    struct Case {
        const char* What;
        std::function<QMimeData*()> Make;
        QString Memo;
    };
    const Case cases[] = {
        {"picture",
         [] {
             auto* data = new QMimeData;
             QImage image(8, 8, QImage::Format_RGB32);
             image.fill(Qt::red);
             data->setImageData(image);
             return data;
         },
         QString()},
        {"nothing", [] { return new QMimeData; }, QString()},
        {"text",
         [] {
             auto* data = new QMimeData;
             data->setText(QStringLiteral("dialog a {\r\n}"));
             data->setHtml(QStringLiteral("<b>other</b>"));
             return data;
         },
         QStringLiteral("dialog a {\n}")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        form->ImportMemo->setPlainText(QStringLiteral("left over"));
        SetClipboard(c.Make());
        QString memo;
        WhileModal(shell.Main.impClipboard, [&] {
            memo = form->ImportMemo->toPlainText();
            form->reject();
        });
        EXPECT_EQ(memo, c.Memo);
    }
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Import Dialog Table..."));
}

TEST(ImportWindows, PasteWindowClosesAfterACleanImportAndKeepsATableWithErrors) {
    Shell shell;
    TImportForm* form = shell.Main.ImportFormWindow();
    const QString bad = QStringLiteral("dialog bad {\n  button \"A\", x, 5 5 40 12\n}");
    const QString good = QStringLiteral("dialog good {\n  button \"A\", 1, 5 5 40 12\n}");
    SetClipboard(new QMimeData);

    bool openAfterBad = false;
    QString textAfterBad;
    bool openAfterEmpty = false;
    WhileModal(shell.Main.impClipboard, [&] {
        // An empty memo imports nothing.
        QTest::mouseClick(form->btnImport, Qt::LeftButton);
        openAfterEmpty = form->isVisible();
        form->ImportMemo->setPlainText(bad);
        QTest::mouseClick(form->btnImport, Qt::LeftButton);
        openAfterBad = form->isVisible();
        textAfterBad = form->ImportMemo->toPlainText();
        // Mended, it goes through and the window closes.
        form->ImportMemo->setPlainText(good);
        shell.Doc().Modified = false;
        QTest::mouseClick(form->btnImport, Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterEmpty);
    EXPECT_TRUE(openAfterBad);
    EXPECT_EQ(textAfterBad, bad);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(shell.Doc().TableName, QStringLiteral("good"));
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
    EXPECT_TRUE(shell.Main.statusWindow()->Lines().contains(QStringLiteral("Loaded 1 controls.")));
}

// A table with no line the import reads beside its header is refused before the project is
// touched: no save question, the report says why and the window stays open.
TEST(ImportWindows, PasteWindowRefusesATableWithNothingToRead) {
    struct Case {
        const char* what;
        QString text;
        bool imported;
    };
    const Case cases[] = {
        {"one line", "dialog t { title \"x\" size -1 -1 100 50 button \"OK\", 1, 5 5 40 12 }",
         false},
        {"only braces", "dialog e {\n}", false},
        {"a title", "dialog ok {\n  title \"x\"\n}", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Shell shell;
        TImportForm* form = shell.Main.ImportFormWindow();
        KeepAProjectAndCopy(shell, c.text);
        shell.Prompt.Answers = {TmvAnswer::No};
        bool stayed = false;
        QString said;
        WhileModal(shell.Main.impClipboard, [&] {
            QTest::mouseClick(form->btnImport, Qt::LeftButton);
            stayed = form->isVisible();
            said = form->lblResult->text();
            form->reject();
        });
        EXPECT_EQ(stayed, !c.imported);
        EXPECT_EQ(shell.Doc().TableName,
                  c.imported ? QStringLiteral("ok") : QStringLiteral("kept"));
        EXPECT_EQ(shell.Doc().ControlCount(), c.imported ? 0 : 1);
        EXPECT_EQ(MessageCaptions(shell.Prompt, QStringLiteral("Question")).size(),
                  c.imported ? 1u : 0u);
        if (c.imported) continue;
        EXPECT_TRUE(said.startsWith(QStringLiteral("Nothing was imported"))) << said.toStdString();
        const QStringList report = shell.Main.statusWindow()->Lines();
        const QString header = c.text.section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(report.contains(
            QStringLiteral("Error: The table holds no line to read beside its header: \"%1\"")
                .arg(header)))
            << report.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("   Line 1: ") + header));
    }
}

TEST(ImportWindows, ClearEmptiesTheMemoAndAKeptProjectCancelsTheImport) {
    Shell shell;
    TImportForm* form = shell.Main.ImportFormWindow();
    KeepAProjectAndCopy(shell, QStringLiteral("dialog other {\n  title \"Other\"\n}"));
    shell.Prompt.Answers = {TmvAnswer::Cancel};
    bool stayed = false;
    QString afterClear = QStringLiteral("x");
    WhileModal(shell.Main.impClipboard, [&] {
        QTest::mouseClick(form->btnImport, Qt::LeftButton);
        stayed = form->isVisible();
        QTest::mouseClick(form->btnClear, Qt::LeftButton);
        afterClear = form->ImportMemo->toPlainText();
        QTest::mouseClick(form->btnClose, Qt::LeftButton);
    });
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(afterClear.isEmpty());
    EXPECT_EQ(MessageCaptions(shell.Prompt, QStringLiteral("Question")),
              QStringList{QStringLiteral("Save Project")});
    EXPECT_EQ(shell.Doc().TableName, QStringLiteral("kept"));
    EXPECT_EQ(shell.Doc().ControlCount(), 1);
}
} // namespace
