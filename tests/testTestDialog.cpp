// The test window: the designed dialog as a working window, driven by real keys and clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>

#include "app/mvTestDialog.h"
#include "io/mvUndoHistory.h"
#include "model/mvPaintHelpers.h"
#include "model/mvUnits.h"
#include "support/testHelpers.h"
#include "support/testImportRun.h"
#include "support/testShell.h"

namespace {
// A document imported from a table and its test window, shown and active.
struct TestRun {
    ImportRun Import;
    std::unique_ptr<TTestDialog> Window;

    explicit TestRun(const QString& body, const char* option = "pixels") {
        const QString table = QStringLiteral("dialog t {\n  title \"Test\"\n  size -1 -1 300 200\n"
                                             "  option %1\n%2}")
                                  .arg(QLatin1String(option), body);
        EXPECT_EQ(Import.Run(table.split(QLatin1Char('\n'))), TmvImportResult::Imported);
        Window = std::make_unique<TTestDialog>(Import.Doc);
        Window->show();
        QApplication::setActiveWindow(Window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    }
    QWidget* Of(int id) const { return Window->WidgetOf(Import.ById(id)); }
    template <typename T> T* As(int id) const { return qobject_cast<T*>(Of(id)); }
};

QWidget* Focused() {
    return QApplication::focusWidget();
}
// Whether the keyboard is in the widget (or in the part of it that takes it).
bool HasKeys(const QWidget* widget) {
    QWidget* focus = Focused();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}
void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focused(), Qt::Key(key), modifiers);
}

const char* kGeometry = "  button \"&OK\", 1, 10 10 60 24, ok\n"
                        "  edit \"abc\", 2, 10 40 100 20\n"
                        "  icon 3, 200 10 32 32\n"
                        "  list 4, 120 40 60 60\n"
                        "  tab \"One\", 5, 10 100 150 80\n"
                        "  check \"In\", 6, 20 130 60 12, tab 5\n"
                        "  combo 7, 200 50 80 90, drop\n"
                        "  menu \"&File\", 20\n"
                        "  item \"E&xit\", 21, 20, cancel\n";

TEST(TestDialog, WidgetsStandAtTheTablesRectanglesInPixelsAndDialogUnits) {
    for (const char* option : {"pixels", "dbu"}) {
        SCOPED_TRACE(option);
        const bool dbu = QLatin1String(option) == QLatin1String("dbu");
        const auto px = [dbu](int x, int y, int w, int h) {
            return QRect(XToPixelsIf(dbu, x), YToPixelsIf(dbu, y), XToPixelsIf(dbu, w),
                         YToPixelsIf(dbu, h));
        };
        TestRun run(QString::fromLatin1(kGeometry), option);
        EXPECT_EQ(run.Window->windowTitle(), QStringLiteral("Test"));
        EXPECT_EQ(run.Window->ClientArea()->size(), px(0, 0, 300, 200).size());
        ASSERT_NE(run.Window->DialogMenuBar(), nullptr);
        EXPECT_EQ(run.Window->DialogMenuBar()->actions().value(0)->text(), QStringLiteral("&File"));
        EXPECT_EQ(run.Of(1)->geometry(), px(10, 10, 60, 24));
        EXPECT_EQ(run.Of(2)->geometry(), px(10, 40, 100, 20));
        EXPECT_EQ(run.Of(3)->geometry(), px(200, 10, 32, 32));
        EXPECT_EQ(run.Of(4)->geometry(), px(120, 40, 60, 60));
        EXPECT_EQ(run.Of(5)->geometry(), px(10, 100, 150, 80));
        EXPECT_EQ(run.Of(6)->geometry(), px(20, 130, 60, 12));
        // A drop-down combo shows its edit; the rest of its rectangle is for the list.
        const QRect combo = px(200, 50, 80, 90);
        const QFont font = run.Import.Doc.DialogFont();
        EXPECT_EQ(run.Of(7)->geometry(),
                  QRect(combo.topLeft(), QSize(combo.width(), TextHeightOfZero(font) + 8)));
        EXPECT_EQ(run.Of(2)->font().family(), font.family());
        EXPECT_EQ(run.Of(2)->style()->name(), QStringLiteral("windows"));
    }
}

TEST(TestDialog, TabVisitsEnabledVisibleControlsInCreationOrderWithTabPages) {
    TestRun run(QStringLiteral("  button \"A\", 1, 5 5 50 20\n"
                               "  edit \"\", 2, 5 30 50 20, disable\n"
                               "  edit \"\", 3, 5 55 50 20\n"
                               "  text \"Label\", 4, 5 80 50 12\n"
                               "  check \"Hidden\", 5, 5 95 50 12, hide\n"
                               "  tab \"One\", 10, 100 5 190 150\n"
                               "  edit \"\", 11, 110 40 50 20, tab 10\n"
                               "  tab \"Two\", 12\n"
                               "  edit \"\", 13, 110 40 50 20, tab 12\n"
                               "  button \"C\", 6, 5 170 50 20\n"));
    ASSERT_TRUE(HasKeys(run.Of(1)));
    for (int id : {3, 10, 11, 6, 1}) {
        Key(Qt::Key_Tab);
        EXPECT_TRUE(HasKeys(run.Of(id))) << id;
    }
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(HasKeys(run.Of(6)));
    // The second page: its controls replace the first page's, after the tab control.
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(run.As<QTabWidget>(10)->currentIndex(), 1);
    EXPECT_FALSE(run.Of(11)->isVisible());
    EXPECT_TRUE(run.Of(13)->isVisible());
    run.Of(10)->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_TRUE(HasKeys(run.Of(13)));
}

TEST(TestDialog, RadioButtonsExcludeEachOtherWithinAGroupAndArrowsMoveTheChoice) {
    TestRun run(QStringLiteral("  radio \"R1\", 1, 5 5 60 14, group\n"
                               "  radio \"R2\", 2, 5 20 60 14\n"
                               "  radio \"R3\", 3, 5 35 60 14, disable\n"
                               "  check \"C\", 4, 5 50 60 14\n"
                               "  radio \"R4\", 5, 5 65 60 14\n"
                               "  radio \"R5\", 6, 5 80 60 14, group\n"
                               "  radio \"R6\", 7, 5 95 60 14\n"));
    const auto checked = [&run] {
        QList<int> ids;
        for (int id : {1, 2, 3, 5, 6, 7})
            if (run.As<QRadioButton>(id)->isChecked()) ids << id;
        return ids;
    };
    QTest::mouseClick(run.Of(1), Qt::LeftButton);
    QTest::mouseClick(run.Of(6), Qt::LeftButton);
    EXPECT_EQ(checked(), (QList<int>{1, 6}));
    QTest::mouseClick(run.Of(2), Qt::LeftButton);
    EXPECT_EQ(checked(), (QList<int>{2, 6}));
    // Down skips the disabled one and wraps; Up goes back.
    for (int id : {5, 1}) {
        Key(Qt::Key_Down);
        EXPECT_EQ(checked(), (QList<int>{id, 6}));
        EXPECT_TRUE(HasKeys(run.Of(id)));
    }
    Key(Qt::Key_Up);
    EXPECT_EQ(checked(), (QList<int>{5, 6}));
}

TEST(TestDialog, AltAndTheMarkedLetterPressesOrFocusesTheControl) {
    TestRun run(QStringLiteral("  text \"&Name:\", 1, 5 5 40 12\n"
                               "  edit \"\", 2, 50 5 80 14\n"
                               "  button \"&Apply\", 3, 5 30 50 20\n"
                               "  check \"Save && &close\", 4, 5 55 90 14\n"
                               "  box \"&Group\", 5, 5 75 120 50\n"
                               "  radio \"One\", 6, 10 90 50 14\n"));
    QSignalSpy applied(run.As<QPushButton>(3), &QPushButton::clicked);
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(HasKeys(run.Of(2)));
    Key(Qt::Key_S, Qt::AltModifier); // "&&" is a literal "&", not a mark: nothing, not typed
    EXPECT_EQ(qobject_cast<QLineEdit*>(Focused())->text(), QString());
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(applied.wait(1000));
    auto* check = run.As<QCheckBox>(4);
    EXPECT_FALSE(check->isChecked());
    Key(Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(check->isChecked());
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(HasKeys(run.Of(6)));
    EXPECT_TRUE(run.Window->isVisible());
}

TEST(TestDialog, EnterPressesTheDefaultButtonUnlessAnEditTakesReturn) {
    TestRun run(QStringLiteral("  edit \"\", 1, 5 5 80 14\n"
                               "  edit \"\", 2, 5 25 80 40, multi\n"
                               "  edit \"\", 3, 5 70 80 40, multi return\n"
                               "  button \"Go\", 4, 100 5 50 20, default\n"
                               "  button \"OK\", 5, 100 30 50 20, ok\n"));
    QSignalSpy go(run.As<QPushButton>(4), &QPushButton::clicked);
    for (int id : {1, 2}) {
        run.Of(id)->setFocus();
        Key(Qt::Key_Return);
    }
    EXPECT_EQ(go.count(), 2);
    EXPECT_EQ(run.As<QTextEdit>(2)->toPlainText(), QString());
    run.Of(3)->setFocus();
    QTest::keyClicks(Focused(), QStringLiteral("a"));
    Key(Qt::Key_Return);
    EXPECT_EQ(run.As<QTextEdit>(3)->toPlainText(), QStringLiteral("a\n"));
    EXPECT_EQ(go.count(), 2);
    EXPECT_TRUE(run.Window->isVisible());
}

TEST(TestDialog, ControlsBehaveAsTheirStylesSay) {
    TestRun run(QStringLiteral("  edit \"secret\", 1, 5 5 80 14, pass\n"
                               "  edit \"ro\", 2, 5 20 80 14, read\n"
                               "  edit \"\", 3, 5 35 80 14, limit 5\n"
                               "  check \"Three\", 4, 5 50 80 14, 3state\n"
                               "  check \"Push\", 5, 5 65 80 14, push\n"
                               "  check \"Left\", 6, 5 80 80 14, left\n"
                               "  scroll \"\", 7, 5 95 100 14, range 5 50 horizontal\n"
                               "  list 8, 100 5 60 60, extsel\n"
                               "  combo 9, 100 70 60 60, drop edit\n"
                               "  link \"Site\", 10, 170 5 40 12\n"
                               "  button \"Off\", 11, 170 20 40 20, disable\n"
                               "  combo 12, 170 50 60 60\n"));
    EXPECT_EQ(run.As<QLineEdit>(1)->echoMode(), QLineEdit::Password);
    run.Of(2)->setFocus();
    QTest::keyClicks(Focused(), QStringLiteral("x"));
    EXPECT_EQ(run.As<QLineEdit>(2)->text(), QStringLiteral("ro"));
    run.Of(3)->setFocus();
    QTest::keyClicks(Focused(), QStringLiteral("abcdefg"));
    EXPECT_EQ(run.As<QLineEdit>(3)->text(), QStringLiteral("abcde"));
    // Three states as Windows cycles them: checked, indeterminate, clear.
    auto* three = run.As<QCheckBox>(4);
    for (Qt::CheckState state : {Qt::Checked, Qt::PartiallyChecked, Qt::Unchecked}) {
        QTest::mouseClick(three, Qt::LeftButton);
        EXPECT_EQ(three->checkState(), state);
    }
    auto* push = run.As<QPushButton>(5);
    ASSERT_NE(push, nullptr);
    QTest::mouseClick(push, Qt::LeftButton);
    EXPECT_TRUE(push->isChecked());
    EXPECT_EQ(run.Of(6)->layoutDirection(), Qt::RightToLeft);
    auto* bar = run.As<QScrollBar>(7);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(std::make_pair(bar->minimum(), bar->maximum()), std::make_pair(5, 50));
    bar->setFocus();
    Key(Qt::Key_Right);
    EXPECT_EQ(bar->value(), 6);
    EXPECT_EQ(run.As<QListWidget>(8)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(run.As<QComboBox>(9)->isEditable());
    EXPECT_TRUE(run.Of(10)->font().underline());
    EXPECT_EQ(run.Of(10)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(run.Of(11)->isEnabled());
    // A simple combo: an edit over an open list.
    EXPECT_NE(run.Of(12)->findChild<QLineEdit*>(), nullptr);
    EXPECT_NE(run.Of(12)->findChild<QListWidget*>(), nullptr);
}

// Every way of closing, told in the status bar with the "result" control's value; the project
// stays as it was.
TEST(TestDialog, ClosingIsToldInTheStatusBarAndTheDocumentStaysUntouched) {
    struct Case {
        std::function<void(TTestDialog&)> close;
        const char* message;
    };
    const auto menuEntry = [](TTestDialog& window, int index) {
        return window.DialogMenuBar()->actions().value(0)->menu()->actions().value(index);
    };
    const Case cases[] = {
        {[](TTestDialog& w) {
             auto* edit = w.ClientArea()->findChild<QLineEdit*>();
             edit->selectAll();
             QTest::keyClicks(edit, QStringLiteral("typed"));
             QTest::mouseClick(w.ClientArea()->findChildren<QPushButton*>().value(0),
                               Qt::LeftButton);
         },
         "The test dialog was closed with the \"OK\" button; result: \"typed\"."},
        {[](TTestDialog& w) {
             QTest::mouseClick(w.ClientArea()->findChildren<QPushButton*>().value(1),
                               Qt::LeftButton);
         },
         "The test dialog was closed with the \"Cancel\" button; result: \"start\"."},
        {[&](TTestDialog& w) {
             menuEntry(w, 1)->trigger(); // an entry without ok or cancel leaves it open
             ASSERT_TRUE(w.isVisible());
             menuEntry(w, 0)->trigger();
         },
         "The test dialog was closed with the menu entry \"Quit\"; result: \"start\"."},
        {[](TTestDialog&) { Key(Qt::Key_Escape); },
         "The test dialog was closed with Escape; result: \"start\"."},
        {[](TTestDialog& w) { w.close(); },
         "The test dialog was closed with its close box; result: \"start\"."},
    };
    Shell shell;
    shell.Main.show();
    shell.Main.ImportLines(TableLines("dialog close {\n  title \"Close\"\n  size -1 -1 200 120\n"
                                      "  edit \"start\", 1, 5 5 80 14, result\n"
                                      "  button \"&OK\", 2, 5 30 50 20, ok\n"
                                      "  button \"Cancel\", 3, 60 30 50 20, cancel\n"
                                      "  menu \"&File\", 10\n"
                                      "  item \"&Quit\", 11, 10, cancel\n"
                                      "  item \"Nothing\", 12, 10\n}"));
    DialogDocument& doc = shell.Doc();
    doc.MarkSaved();
    const QStringList table = BuildDialogTable(doc);
    const int steps = shell.Main.History().UndoCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        shell.Main.actTestDialog->trigger();
        auto* window = shell.Main.findChild<TTestDialog*>();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isModal());
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        c.close(*window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(shell.Main.statusBar()->currentMessage(), QString::fromUtf8(c.message));
        QTest::qWait(0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(BuildDialogTable(doc), table);
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(shell.Main.History().UndoCount(), steps);
    EXPECT_TRUE(doc.FileName.isEmpty());
}
} // namespace
