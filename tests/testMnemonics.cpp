// The access-key check: which captions carry which key, the clashes per page and per menu
// level, and the window that lists them and selects a line's controls.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "app/mvMain.h"
#include "app/mvMnemonicWindow.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMnemonics.h"

TEST(Mnemonics, TheKeyIsTheLetterAfterALoneAmpersand) {
    const struct {
        const char* caption;
        char key; // 0: none
    } cases[] = {{"&Tamam", 't'}, {"Ka&pat", 'p'}, {"A&&B", 0},    {"A&&&B", 'b'},
                 {"&&", 0},       {"son&", 0},     {"&a &b", 'a'}, {"", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const QChar key = AccessKey(QString::fromUtf8(c.caption));
        EXPECT_EQ(key, c.key ? QChar(QLatin1Char(c.key)) : QChar());
    }
}

namespace {
// A dialog button "&Tamam", an edit "&Tut" (an edit has no key), a text "T&&K" (none); a tab
// control whose first page "&Genel" holds a check "&Tut" and a radio "&Genç", whose second
// page "&Gelişmiş" holds a link "&Sil"; menus "&Dosya" (with "&Aç" and "&Ara") and "&Düzen".
struct Sample {
    explicit Sample(DialogDocument& doc) {
        ok = Place(doc, ctButton, 0, 0, 50, 20);
        ok->SetText(QStringLiteral("&Tamam"));
        Place(doc, ctEdit, 0, 30, 50, 20)->SetText(QStringLiteral("&Tut"));
        Place(doc, ctText, 0, 60, 50, 20)->SetText(QStringLiteral("T&&K"));
        tab = static_cast<TmvTab*>(Place(doc, ctTab, 60, 0, 200, 150));
        doc.AddTabPage();
        doc.AddTabPage();
        tab->SetPageCaption(0, QStringLiteral("&Genel"));
        tab->SetPageCaption(1, QStringLiteral("&Gelişmiş"));
        check = Place(doc, ctCheck, 70, 30, 50, 20, 0);
        check->SetText(QStringLiteral("&Tut"));
        Place(doc, ctRadio, 70, 60, 50, 20, 0)->SetText(QStringLiteral("&Genç"));
        Place(doc, ctLink, 70, 30, 50, 20, 1)->SetText(QStringLiteral("&Sil"));
        TmvMenuNode* file = doc.Menu.AddNode(nullptr, QStringLiteral("&Dosya"), 0);
        doc.Menu.AddNode(file, QStringLiteral("&Aç"), 0);
        doc.Menu.AddNode(file, QStringLiteral("&Ara"), 0);
        doc.Menu.AddNode(nullptr, QStringLiteral("&Düzen"), 0);
    }
    TmvControl* ok = nullptr;
    TmvControl* check = nullptr;
    TmvTab* tab = nullptr;
};
} // namespace

TEST(Mnemonics, ClashesAreFoundPerPageWithTheDialogsControlsAndPerMenuLevel) {
    DialogDocument doc;
    Sample sample(doc);
    const std::vector<TmvMnemonicClash> clashes = FindMnemonicClashes(doc);
    QStringList found;
    for (const TmvMnemonicClash& c : clashes)
        found << QStringLiteral("%1@%2:%3+%4+%5")
                     .arg(c.Key)
                     .arg(c.Page)
                     .arg(c.Controls.size())
                     .arg(c.PageCaptions.size())
                     .arg(c.Entries.size());
    // The pages' captions clash on the dialog, and again with the radio on the first page; the
    // check on the first page clashes with the dialog's button; the menus clash on both levels.
    EXPECT_EQ(found, QStringList({QStringLiteral("g@-1:0+2+0"), QStringLiteral("g@0:1+2+0"),
                                  QStringLiteral("t@0:2+0+0"), QStringLiteral("d@-1:0+0+2"),
                                  QStringLiteral("a@-1:0+0+2")}));
    EXPECT_EQ(clashes[2].Controls, (std::vector<TmvControl*>{sample.ok, sample.check}));
}

TEST(Mnemonics, TheWindowListsTheClashesAndALineSelectsItsControlsOnTheirPage) {
    Shell shell;
    shell.ShowActive();
    DialogDocument& doc = shell.Doc();
    Sample sample(doc);
    sample.tab->SetActivePage(1);
    QTest::keyClick(shell.Main.Surface(), Qt::Key_M, Qt::ControlModifier);
    TMnemonicWindow* window = shell.Main.MnemonicWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(window->ClashList->count(), 5);
    QListWidgetItem* line = window->ClashList->item(2);
    EXPECT_EQ(line->text(),
              QStringLiteral("&T:  button1 \"&Tamam\", check1 \"&Tut\"  (sayfa \"&Genel\")"));
    const QRect place = window->ClashList->visualItemRect(line);
    QTest::mouseClick(window->ClashList->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(sample.tab->ActivePage, 0);
    EXPECT_EQ(doc.Selection, (std::vector<TmvControl*>{sample.ok, sample.check}));
    EXPECT_EQ(doc.CurrentControl, sample.check);

    // Made unique, the keys clash no more; the command looks again.
    sample.check->SetText(QStringLiteral("T&ut"));
    sample.tab->SetPageCaption(0, QStringLiteral("G&enel"));
    doc.Menu.Clear();
    shell.Main.actMnemonics->trigger();
    ASSERT_EQ(window->ClashList->count(), 1); // the radio "&Genç" and the page "&Gelişmiş"
    sample.tab->SetPageCaption(1, QStringLiteral("Ge&lişmiş"));
    shell.Main.actMnemonics->trigger();
    EXPECT_EQ(window->ClashList->count(), 0);
    EXPECT_EQ(window->Summary->text(), QStringLiteral("Hiçbir erişim tuşu iki kez kullanılmıyor."));
}
