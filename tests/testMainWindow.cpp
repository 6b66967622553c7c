// The main window's menus, captions, shortcuts, toolbar and recent list; the status window.
#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/mvGuiInteraction.h"
#include "app/mvMain.h"
#include "app/mvStatusWindow.h"
#include "support/testHelpers.h"
#include "support/testProjectHelpers.h"
#include "support/testRecordingPrompter.h"

namespace {
QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

TEST(MainWindow, MenusCarryTheirCaptionsInOrder) {
    TMain main;
    QStringList titles;
    for (const QAction* action : main.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"&Dosya", "&Düzenle", "&Extra", "&Görüntü", "Yardım"}));
    EXPECT_EQ(
        Captions(main.mmFile),
        (QStringList{"&Yeni", "&Aç...", "&Kaydet...", "Farklı &Kaydet...", "-", "&Değiştir...",
                     "&Export Dosya...", "&Script'e Yaz...", "-", "&Devam Et", "-", "Ç&ık"}));
    EXPECT_EQ(Captions(main.mmImport), (QStringList{"Dosyaya Aktar...", "Clipboard`a Aktar..."}));
    EXPECT_EQ(Captions(main.mmEdit),
              (QStringList{"&Geri Al", "Yi&nele", "-", "Ke&s", "&Kopyala", "&Yapıştır", "&Sil",
                           "&Çoğalt", "-", "Öne &Getir", "&Bir Öne Getir", "Bir Arkaya Gön&der",
                           "&Arkaya Gönder", "-", "&Hepsini Seç", "Hepsini &Sil", "-", "&Hizala",
                           "-", "&Ayarlar..."}));
    EXPECT_EQ(Captions(main.mmTools),
              (QStringList{"Tekrar &Kaydet...", "&Koda Ön İzleme Yap", "&Kodu Kopyala",
                           "&Olayları Kopyala", "Ö&n İzleme", "Dialog&u Dene", "&Sıra Düzenle",
                           "&Erişim Tuşlarını Denetle"}));
    EXPECT_EQ(Captions(main.mmView),
              (QStringList{"&Yan Toolbar", "T&ool Kutusu", "&Menu Düzenliyici",
                           "&Hizalama Araç Çubuğu", "-", "Arka Plan"}));
    EXPECT_EQ(Captions(main.mmHelp),
              (QStringList{"Yardım Dosyası", "-", "&Web Sitesi", "-", "Hakkında"}));
}

TEST(MainWindow, ShortcutsAndHints) {
    TMain main;
    struct Case {
        QAction* action;
        QKeySequence key;
        const char* hint;
    };
    const Case cases[] = {
        {main.actFileNew, QKeySequence(QStringLiteral("Ctrl+N")), "Yeni Dosya"},
        {main.actFileOpen, QKeySequence(QStringLiteral("Ctrl+O")), "Dosya Aç..."},
        {main.actFileSave, QKeySequence(QStringLiteral("Ctrl+S")), "Dosya Kaydet"},
        {main.mmSaveAs, QKeySequence(QStringLiteral("F12")), ""},
        {main.expFile, QKeySequence(QStringLiteral("Alt+E")), "Export Dosya..."},
        {main.expScript, QKeySequence(QStringLiteral("Alt+W")), "Script'e Yaz"},
        {main.mmSelectAll, QKeySequence(QStringLiteral("Alt+S")), ""},
        {main.mmDeleteAll, QKeySequence(QStringLiteral("Alt+Del")), ""},
        {main.mmReorder, QKeySequence(QStringLiteral("Alt+I")), ""},
        {main.codeView, QKeySequence(QStringLiteral("Alt+V")), "Koda Ön İzleme Yap"},
        {main.codeCopy, QKeySequence(QStringLiteral("Alt+C")), "Kodu Kopyala"},
        {main.codeCopyEvents, QKeySequence(), "Olayları Kopyala"},
        {main.actPreview, QKeySequence(QStringLiteral("Alt+R")), "Ön İzleme"},
        {main.actTestDialog, QKeySequence(QStringLiteral("Ctrl+T")), "Dialogu Dene"},
        {main.actObjPalette, QKeySequence(QStringLiteral("Alt+O")), "Üst Toolbar"},
        {main.actMenuEd, QKeySequence(QStringLiteral("Alt+M")), "Menu Düzenliyici"},
        {main.actTabOrder, QKeySequence(QStringLiteral("Ctrl+D")), "Sıra Düzenle"},
        {main.actMnemonics, QKeySequence(QStringLiteral("Ctrl+M")), "Erişim Tuşlarını Denetle"},
        {main.ccpdCut, QKeySequence(), "Kes (Ctrl+X)"},
        {main.ccpdCopy, QKeySequence(), "Kopyala (Ctrl+C)"},
        {main.ccpdPaste, QKeySequence(), "Yapıştır (Ctrl+V)"},
        {main.ccpdDelete, QKeySequence(), "Sil (Del)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action->objectName().toStdString());
        EXPECT_EQ(c.action->shortcut(), c.key);
        EXPECT_EQ(c.action->statusTip(), QString::fromUtf8(c.hint));
    }
    const QAction* browserItem = main.mmView->actions().first();
    EXPECT_EQ(browserItem->shortcut(), QKeySequence(QStringLiteral("Alt+B")));
    EXPECT_EQ(browserItem->statusTip(), QStringLiteral("Yan Toolbar"));
    EXPECT_EQ(main.actObjBrowser->text(), QStringLiteral("Obje &Ara"));
}

TEST(MainWindow, EditCommandsStartDisabled) {
    TMain main;
    for (QAction* action : {main.ccpdCut, main.ccpdCopy, main.ccpdPaste, main.ccpdDelete})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}

TEST(MainWindow, OnlyCommandsWithWorkBehindThemAreEnabled) {
    TMain main;
    for (QAction* action :
         {main.mmExit,        main.StatusWindow1, main.mmContents, main.mmHomePage,
          main.mmAbout,       main.codeView,      main.codeCopy,   main.mmDeleteAll,
          main.mmReorder,     main.mmSelectAll,   main.expFile,    main.actPreview,
          main.actObjPalette, main.actObjBrowser, main.actMenuEd,  main.impFile,
          main.impClipboard,  main.mmPreferences, main.expScript,  main.codeCopyEvents,
          main.actTestDialog})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_TRUE(main.importButton->isEnabled());
    EXPECT_TRUE(main.mmView->actions().first()->isEnabled());
}

// Alt+E is both the Export command's shortcut and the "&Extra" menu's letter; the command wins.
TEST(MainWindow, AltEExports) {
    TMain main;
    RecordingPrompter prompt;
    ScriptedFiles files; // cancels the export's file dialog
    main.SetInteraction(&prompt, &files);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QSignalSpy exported(main.expFile, &QAction::triggered);
    QTest::keyClick(&main, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(exported.count(), 1);
    EXPECT_EQ(files.Requests.size(), 1u);
    EXPECT_FALSE(main.mmTools->isVisible());
}

// The status window has a close button and a "Close" entry in its system menu; closing hides it.
TEST(MainWindow, StatusWindowClosesByItsSystemMenu) {
    TMain main;
    main.show();
    main.statusWindow()->ShowStatus();
    auto* frame = qobject_cast<QMdiSubWindow*>(main.statusWindow()->parentWidget());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowSystemMenuHint);
    ASSERT_NE(frame->systemMenu(), nullptr);
    QAction* close = nullptr;
    for (QAction* action : frame->systemMenu()->actions())
        if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Close")))
            close = action;
    ASSERT_NE(close, nullptr);
    ASSERT_TRUE(close->isEnabled() && close->isVisible());
    close->trigger();
    EXPECT_FALSE(frame->isVisible());
    main.statusWindow()->ShowStatus(); // still there, shown again
    EXPECT_TRUE(frame->isVisible());
}

TEST(MainWindow, ToolbarOrderAndCheckButtons) {
    TMain main;
    QStringList order;
    for (QAction* action : main.tb->actions()) {
        if (action->isSeparator())
            order << QStringLiteral("-");
        else if (main.tb->widgetForAction(action) == main.importButton)
            order << QStringLiteral("import");
        else
            order << action->objectName();
    }
    const QStringList files = {"actFileNew", "actFileOpen", "actFileSave", "-",
                               "import",     "expFile",     "expScript",   "-"};
    const QStringList edits = {"ccpdCut",     "ccpdPaste",   "ccpdCopy", "ccpdDelete",
                               "actEditUndo", "actEditRedo", "-"};
    const QStringList views = {"codeView",      "codeCopy",      "actPreview", "actTestDialog",
                               "-",             "actObjBrowser", "actObjPalette", "actMenuEd",
                               "-",             "actTabOrder"};
    EXPECT_EQ(order, files + edits + views);
    EXPECT_EQ(main.importButton->defaultAction(), main.impFile);
    EXPECT_EQ(main.importButton->menu(), main.ImportMenu);
    for (QAction* toggle : {main.actObjBrowser, main.actObjPalette, main.actMenuEd})
        EXPECT_TRUE(toggle->isCheckable());
    EXPECT_EQ(main.tb->widgetForAction(main.actObjBrowser)->toolTip(),
              QStringLiteral("Kod Bilgisi"));
    EXPECT_EQ(main.tb->widgetForAction(main.actObjPalette)->toolTip(),
              QStringLiteral("Buton Kutusu"));
}

TEST(MainWindow, RecentMenuListsNewestFirstAndIsDisabledWhenEmpty) {
    TMain main;
    RecordingPrompter prompt; // the listed files do not exist: their load errors land here
    main.SetInteraction(&prompt, nullptr);
    EXPECT_FALSE(main.mmRecent->isEnabled());
    main.Recent = {"/p/a.mv", "/p/b.mv", "/p/c.mv"};
    main.RebuildRecentMenu();
    EXPECT_TRUE(main.mmRecent->isEnabled());
    EXPECT_EQ(Captions(main.mmRecent), (QStringList{"1. /p/c.mv", "2. /p/b.mv", "3. /p/a.mv"}));
    QString chosen;
    QObject::connect(&main, &TMain::RecentChosen, [&](const QString& p) { chosen = p; });
    main.mmRecent->actions().at(1)->trigger();
    EXPECT_EQ(chosen, QStringLiteral("/p/b.mv"));
    main.Recent.clear();
    main.RebuildRecentMenu();
    EXPECT_TRUE(main.mmRecent->actions().isEmpty());
    EXPECT_FALSE(main.mmRecent->isEnabled());
}

TEST(MainWindow, TitleNamesTheFileOrNewProject) {
    TMain main;
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Marovel  - New Project"));
    main.UpdateTitle(QStringLiteral("/home/u/dialogs/away.mv"));
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Marovel  - away.mv"));
}

TEST(MainWindow, ImageStripsCutIntoMaskedPictures) {
    const QList<QPixmap> toolbar = CutImageStrip(QStringLiteral(":/images/toolbar.png"), 20, 15);
    const QList<QPixmap> palette = CutImageStrip(QStringLiteral(":/images/palette.png"), 25, 12);
    ASSERT_EQ(toolbar.size(), 15);
    ASSERT_EQ(palette.size(), 12);
    for (const QPixmap& p : toolbar + palette) {
        ASSERT_FALSE(p.isNull());
        const QImage image = p.toImage();
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "the fuchsia corner is transparent";
    }
}

TEST(StatusWindow, LinesAndProgressBar) {
    TStatusWindow status;
    status.resize(363, 177);
    status.show();
    status.AddStatusLine(QStringLiteral("Loading controls..."));
    status.AddStatusLine(QString());
    EXPECT_EQ(status.Lines(), (QStringList{"Loading controls...", ""}));
    status.SetStatusProgress(0);
    EXPECT_TRUE(status.ProgressRect().isEmpty());
    status.SetStatusProgress(100);
    const int panelWidth = status.panProgress->width();
    EXPECT_EQ(status.ProgressRect().width(), panelWidth - 4);
    EXPECT_EQ(status.ProgressRect().left(), 2);
    status.SetStatusProgress(50);
    EXPECT_EQ(status.ProgressRect().width(), qRound(panelWidth / 2.0 - 4));
    status.ClearStatus();
    EXPECT_TRUE(status.Lines().isEmpty());
    EXPECT_TRUE(status.ProgressRect().isEmpty());
}

TEST(GuiInteraction, FiltersBecomeQtFiltersWithAllFiles) {
    EXPECT_EQ(QtFileFilter(QStringLiteral("Marovel project files (*.mv)|*.mv")),
              QStringLiteral("Marovel project files (*.mv);;All files (*.*)"));
    EXPECT_EQ(
        QtFileFilter(
            QStringLiteral("mIRC script files (*.mrc;*.ini)|*.mrc;*.ini|Text files (*.txt)|*.txt")),
        QStringLiteral("mIRC script files (*.mrc *.ini);;Text files (*.txt);;All files (*.*)"));
}
} // namespace
