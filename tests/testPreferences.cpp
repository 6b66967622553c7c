// The preferences dialog driven through the main window's command: Apply, OK and Cancel, the
// per-type defaults editor, refused and clamped values, and the settings taking effect at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/mvCodeDialog.h"
#include "app/mvObjBrowser.h"
#include "io/mvCodePages.h"
#include "io/mvColorSwatch.h"
#include "io/mvConfigDialog.h"
#include "io/mvConfigPaths.h"
#include "io/mvDefaultsEditor.h"
#include "model/mvEdits.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"

namespace {
// Runs `drive` on the dialog once it is up, then the preferences command.
void WithPreferences(Shell& shell, const std::function<void(TConfigDialog&)>& drive) {
    TConfigDialog* dialog = shell.Main.ConfigDialog();
    QTimer::singleShot(0, [dialog, drive] {
        drive(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    shell.Main.mmPreferences->trigger();
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
}

// Near the left end, where a check box or radio button has its mark.
void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

TEST(Preferences, ApplyThenCancelKeepsWhatWasAppliedCancelAloneDropsIt) {
    enum class Ending { Cancel, ApplyThenCancel, Ok };
    for (const Ending ending : {Ending::Cancel, Ending::ApplyThenCancel, Ending::Ok}) {
        SCOPED_TRACE(int(ending));
        Shell shell;
        WithPreferences(shell, [&](TConfigDialog& d) {
            EXPECT_EQ(d.Pages->currentIndex(), 0);
            d.Pages->setCurrentIndex(3);
            Click(d.cfGridShow);
            Retype(d.cfGridSizeX, QStringLiteral("12"));
            Click(d.cfGridStyleLine);
            d.Pages->setCurrentIndex(2);
            Click(d.DefaultsEditor->DefaultEnabled);
            Retype(d.DefaultsEditor->DefaultWidth, QStringLiteral("77"));
            Click(d.DefaultsEditor->DefaultFlat);
            if (ending == Ending::Ok) {
                Click(d.btnOK);
                EXPECT_FALSE(d.isVisible());
                return;
            }
            if (ending == Ending::ApplyThenCancel) Click(d.btnApply);
            // Changed after Apply: dropped by Cancel.
            Click(d.cfGridShowTabs);
            Click(d.btnCancel);
        });
        const bool applied = ending != Ending::Cancel;
        const Settings& s = shell.Main.CurrentSettings();
        EXPECT_EQ(s.ShowGrid, applied);
        EXPECT_EQ(s.GridSizeX, applied ? 12 : 8);
        EXPECT_EQ(s.GridType, applied ? 1 : 0);
        EXPECT_FALSE(s.ShowTabs);
        // At once on the surface, without a restart.
        EXPECT_EQ(shell.Main.Surface()->ShowGrid(), applied);
        EXPECT_EQ(shell.Main.Surface()->PaintOptions().GridSizeX, applied ? 12 : 8);
        const ControlDefaults& button = shell.Main.ControlDefaultsRecords()[ctButton];
        EXPECT_EQ(button.Enabled, applied);
        EXPECT_EQ(button.Width, applied ? 77 : 50);
        EXPECT_EQ(button.StylesFlat, applied);
        // The next showing starts again from what is stored.
        WithPreferences(shell, [&](TConfigDialog& d) {
            EXPECT_EQ(d.cfGridShow->isChecked(), applied);
            EXPECT_EQ(d.cfGridSizeX->text(), applied ? QStringLiteral("12") : QStringLiteral("8"));
            EXPECT_EQ(d.DefaultsEditor->DefaultWidth->text(),
                      applied ? QStringLiteral("77") : QStringLiteral("50"));
        });
    }
}

// A scroll bar's kind and alignment follow each other; other types keep them apart.
TEST(Preferences, ScrollDefaultsKeepKindAndAlignmentTogether) {
    struct Case {
        int type;
        int startKind, startAlign;
        bool chooseKind; // else the alignment
        int chosen;
        int kind, align;
    };
    const Case cases[] = {
        {ctScroll, 0, 0, true, 1, 1, 3},  // horizontal at the right goes to the bottom
        {ctScroll, 1, 1, true, 0, 0, 0},  // vertical at the top goes to the right
        {ctScroll, 1, 3, true, 0, 0, 0},  //   ... and from the bottom
        {ctScroll, 0, 2, true, 1, 1, 3},  // horizontal at the left goes to the bottom
        {ctScroll, 0, 0, false, 1, 1, 1}, // top: horizontal
        {ctScroll, 1, 3, false, 2, 0, 2}, // left: vertical
        {ctScroll, 0, 2, false, 3, 1, 3}, // bottom: horizontal
        {ctCheck, 0, 0, true, 1, 1, 0},   // a check box's alignment is its own
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << c.startKind << c.startAlign << " "
                                        << c.chooseKind << c.chosen);
        ControlDefaultsSet records;
        records[size_t(c.type)].GenType = c.startKind;
        records[size_t(c.type)].AlignIndex = c.startAlign;
        TmvDefaultsEditor editor;
        editor.SetRecords(records);
        editor.DefaultComboType->setCurrentIndex(c.type);
        EXPECT_EQ(editor.DefaultAlignIndex->currentIndex(), c.startAlign);
        (c.chooseKind ? editor.DefaultGenType : editor.DefaultAlignIndex)
            ->setCurrentIndex(c.chosen);
        EXPECT_EQ(editor.Records()[size_t(c.type)].GenType, c.kind);
        EXPECT_EQ(editor.Records()[size_t(c.type)].AlignIndex, c.align);
        EXPECT_EQ(editor.DefaultGenType->currentIndex(), c.kind);
        EXPECT_EQ(editor.DefaultAlignIndex->currentIndex(), c.align);
    }
}

TEST(Preferences, DefaultsEditorShowsEachTypesSheetAndStoresNothingWhileFilling) {
    ControlDefaultsSet records;
    records[ctEdit].StylesLimit = 40;
    records[ctEdit].AlignIndex = 2;
    records[ctList].StylesHSBar = true;
    TmvDefaultsEditor editor;
    editor.SetRecords(records);
    for (int type = 0; type < kControlTypeCount; ++type) {
        editor.DefaultComboType->setCurrentIndex(type);
        EXPECT_EQ(editor.AdvancedStyles->currentIndex(), type);
        EXPECT_EQ(editor.DefaultGenType->isEnabled(), !KindNames(type).isEmpty()) << type;
        EXPECT_EQ(editor.DefaultAlignIndex->isEnabled(), !AlignmentNames(type).isEmpty()) << type;
    }
    EXPECT_EQ(editor.Records(), records);
    editor.DefaultComboType->setCurrentIndex(ctEdit);
    EXPECT_EQ(editor.DefaultLimit->text(), QStringLiteral("40"));
    EXPECT_EQ(editor.DefaultAlignIndex->currentIndex(), 2);
    editor.DefaultComboType->setCurrentIndex(ctList);
    EXPECT_TRUE(editor.DefaultHSBarList->isChecked());
    editor.DefaultComboType->setCurrentIndex(ctCombo);
    EXPECT_FALSE(editor.DefaultHSBarCombo->isChecked());
}

TEST(Preferences, BadValuesAreRefusedOrClampedWithAReason) {
    Shell shell;
    bool openAfterOk = false;
    WithPreferences(shell, [&](TConfigDialog& d) {
        Retype(d.cfGenMircDDE, QString());
        Retype(d.cfGridSizeX, QStringLiteral("0"));
        Click(d.btnOK);
        openAfterOk = d.isVisible();
        EXPECT_EQ(d.Pages->currentIndex(), 0);
        Retype(d.cfGenMircDDE, QStringLiteral("  mIRC2 "));
        Retype(d.cfGridSizeY, QStringLiteral("-5"));
        Retype(d.cfConStartID, QStringLiteral("99999"));
        Click(d.btnApply);
        EXPECT_EQ(d.cfGridSizeX->text(), QStringLiteral("1"));
        EXPECT_EQ(d.cfGridSizeY->text(), QStringLiteral("1"));
        EXPECT_EQ(d.cfConStartID->text(), QString::number(kMaxStartId));
    });
    EXPECT_TRUE(openAfterOk);
    ASSERT_EQ(shell.Prompt.Messages.size(), 2u);
    EXPECT_EQ(shell.Prompt.Messages[0].Kind, QStringLiteral("Warning"));
    EXPECT_EQ(shell.Prompt.Messages[0].Caption, QStringLiteral("Preferences"));
    EXPECT_TRUE(shell.Prompt.Messages[1].Text.contains(QStringLiteral("grid width")));
    EXPECT_TRUE(shell.Prompt.Messages[1].Text.contains(QStringLiteral("first control ID")));
    const Settings& s = shell.Main.CurrentSettings();
    EXPECT_EQ(s.DDEName, QStringLiteral("mIRC2"));
    EXPECT_EQ(s.GridSizeX, 1);
    EXPECT_EQ(s.GridSizeY, 1);
    EXPECT_EQ(s.StartID, kMaxStartId);
}

// The dialog is given no size of its own: it is centred by the size it shows with.
TEST(Preferences, CentresOverTheMainWindowByItsShownSize) {
    Shell shell;
    shell.Main.showMaximized();
    QApplication::processEvents();
    const QRect main = shell.Main.frameGeometry();
    WithPreferences(shell, [&](TConfigDialog& d) {
        EXPECT_EQ(d.pos(), QPoint(main.left() + (main.width() - d.width()) / 2,
                                  main.top() + (main.height() - d.height()) / 2));
    });
}

// The code pages offered are the ones the import reads and reports, under the same labels; one
// the list does not name stays as the settings give it.
TEST(Preferences, CodePagesAreTheImportsListAndAnUnlistedOneIsKept) {
    Shell shell;
    shell.Main.CurrentSettings().LegacyCodePage = 20866;
    WithPreferences(shell, [&](TConfigDialog& d) {
        const QComboBox* box = d.cfGenCodePage;
        const std::vector<TmvCodePage>& pages = WindowsCodePages();
        ASSERT_EQ(box->count(), int(pages.size()) + 1);
        for (int i = 0; i < int(pages.size()); ++i) {
            EXPECT_EQ(box->itemData(i).toInt(), pages[size_t(i)].Number);
            EXPECT_EQ(box->itemText(i), QString::fromLatin1(pages[size_t(i)].Label));
        }
        EXPECT_EQ(box->currentData().toInt(), 20866);
        EXPECT_EQ(box->currentText(), CodePageLabel(20866));
    });
}

TEST(Preferences, FolderColoursCodePageAndFontTakeEffect) {
    QTemporaryDir projects;
    Shell shell;
    const auto standardChooser = TmvColorSwatch::ChooseColor();
    TmvColorSwatch::ChooseColor() = [](const QColor&, QWidget*) { return QColor(0, 0, 255); };
    shell.Files.Answers = {projects.path()};
    WithPreferences(shell, [&](TConfigDialog& d) {
        Click(d.cfGenProjectPath->Button());
        EXPECT_EQ(shell.Files.Requests.back().Title, QStringLiteral("Choose project folder:"));
        Click(d.cfGridColor);
        Click(d.cfGenUseDefaultFont);
        d.cfGenCodePage->setCurrentIndex(d.cfGenCodePage->findData(1250));
        Click(d.btnOK);
    });
    TmvColorSwatch::ChooseColor() = standardChooser;
    const Settings& s = shell.Main.CurrentSettings();
    EXPECT_EQ(s.GridColor, 0xff0000);
    EXPECT_EQ(shell.Main.Surface()->PaintOptions().GridColor, QColor(0, 0, 255));
    EXPECT_EQ(s.LegacyCodePage, 1250);
    EXPECT_FALSE(s.UseDefaultFont);
    EXPECT_EQ(shell.Main.CodeDialog()->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(shell.Main.ConfigDialog()->font().pointSize(), 8);
    // The tool windows too, at once.
    for (QWidget* tool : {static_cast<QWidget*>(shell.Main.ObjBrowser()),
                          static_cast<QWidget*>(shell.Main.MenuEditor())}) {
        EXPECT_EQ(tool->font().family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(tool->font().pointSize(), 8);
    }
    // The project commands start in the chosen folder.
    shell.Main.actFileOpen->trigger();
    EXPECT_EQ(shell.Files.Requests.back().InitialFolder, QDir::toNativeSeparators(projects.path()));

    // Back on: the windows get their own font again.
    WithPreferences(shell, [&](TConfigDialog& d) {
        Click(d.cfGenUseDefaultFont);
        Click(d.btnOK);
    });
    EXPECT_EQ(shell.Main.CodeDialog()->font().family(), QApplication::font().family());
    EXPECT_EQ(shell.Main.ObjBrowser()->font().family(), QApplication::font().family());
    EXPECT_EQ(shell.Main.MenuEditor()->font().family(), QApplication::font().family());
}
} // namespace
