#include "app/mvMain.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/mvAboutBox.h"
#include "app/mvAppInfo.h"
#include "app/mvAutoSave.h"
#include "app/mvHelp.h"
#include "app/mvStatusWindow.h"
#include "app/mvUndoWatcher.h"
#include "app/mvWindowUtils.h"
#include "io/mvErrorHandler.h"
#include "io/mvProjects.h"
#include "io/mvRecoveryStore.h"
#include "io/mvUndoHistory.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"
#include "surface/mvMenuEditor.h"

QList<QPixmap> CutImageStrip(const QString& resource, int size, int count) {
    return CutImageStrip(QPixmap(resource), size, count);
}

QList<QPixmap> CutImageStrip(const QPixmap& strip, int size, int count) {
    QList<QPixmap> images;
    for (int i = 0; i < count; ++i) {
        QPixmap picture = strip.copy(i * size, 0, size, size);
        picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
        images << picture;
    }
    return images;
}

QString AppFilePath(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

TMain::TMain(QWidget* parent) : QMainWindow(parent) {
    SetFontScaleHeight(QFontMetrics(font()).height());
    toolbarImages_ = CutImageStrip(QStringLiteral(":/images/toolbar.png"), 20, 15);
    PaletteImages = CutImageStrip(QStringLiteral(":/images/palette.png"), 25, 12);

    mdi = new QMdiArea(this);
    mdi->setBackground(QColor(128, 128, 128));
    // A dialog larger than the area, or lying partly outside it, stays reachable.
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);

    CreateActions();
    CreateMenus();
    CreateToolbar();
    // Command hints and autosave's messages.
    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    status_ = new TStatusWindow;
    statusFrame_ = mdi->addSubWindow(status_);
    // The system-menu hint brings the close button and the menu's "Close" entry.
    statusFrame_->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowCloseButtonHint);
    statusFrame_->resize(status_->size());
    statusFrame_->hide();
    // Closing the status window only hides it.
    statusFrame_->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(status_, &TStatusWindow::ShowRequested, this, [this] {
        statusFrame_->show();
        statusFrame_->raise();
    });
    connect(status_, &TStatusWindow::HideRequested, statusFrame_, &QWidget::hide);
    PlaceToolWindows();
    qApp->installEventFilter(this);

    UpdateTitle(QString());
    RebuildRecentMenu();
    SetInteraction(nullptr, nullptr);
    CreateDocument();
    CreateObjBrowser();
    CreateSession();
    CreateConfigDialog();
    CreateImportWindows();
    CreateScriptCommands();
    CreateUndo();
    ConnectDocumentCommands();
    ConnectSurface();
    CreateTabOrderCommand();
    CreateMnemonicCommand();
    ConnectProjectCommands();
    ApplyStoredMainPlacement();
    InstallFatalErrorHooks();
}

TMain::~TMain() {
    // The hooks refer to this window.
    if (FatalErrorHooks().Prompt == prompt_) {
        FatalErrorHooks().Prompt = nullptr;
        FatalErrorHooks().SaveRecovery = nullptr;
    }
    // The watcher asks the history, which refers to the document.
    delete undoWatcher_;
    undoWatcher_ = nullptr;
    // The menu editor, the browser and the surface refer to the document: they go first.
    if (menuEditor_) delete menuEditor_->Frame();
    menuEditor_ = nullptr;
    delete browserFrame_;
    browserFrame_ = nullptr;
    browser_ = nullptr;
    delete surfaceFrame_;
    surfaceFrame_ = nullptr;
    surface_ = nullptr;
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && expFile->isEnabled()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (QKeySequence(key->keyCombination()) == expFile->shortcut()) {
            // Claimed before Qt's shortcut map sees it, where it would collide with the menu
            // letter and neither would run; the key press that follows runs the command.
            event->accept();
            if (type == QEvent::KeyPress) expFile->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* TMain::MakeAction(const char* objectName, const QString& caption, const QKeySequence& key,
                           const QString& hint, int image) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!key.isEmpty()) action->setShortcut(key);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (image >= 0 && image < toolbarImages_.size()) action->setIcon(QIcon(toolbarImages_[image]));
    return action;
}

void TMain::CreateActions() {
    actFileNew = MakeAction("actFileNew", QStringLiteral("&Yeni"),
                            QKeySequence(Qt::CTRL | Qt::Key_N), QStringLiteral("Yeni Dosya"), 0);
    actFileOpen = MakeAction("actFileOpen", QStringLiteral("&Aç..."),
                             QKeySequence(Qt::CTRL | Qt::Key_O), QStringLiteral("Dosya Aç..."), 1);
    actFileSave = MakeAction("actFileSave", QStringLiteral("&Kaydet..."),
                             QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("Dosya Kaydet"), 2);
    mmSaveAs =
        MakeAction("mmSaveAs", QStringLiteral("Farklı &Kaydet..."), QKeySequence(Qt::Key_F12), {});
    impFile = MakeAction("impFile", QStringLiteral("Dosyaya Aktar..."), {},
                         QStringLiteral("Dosyaya Aktar..."), 3);
    impClipboard = MakeAction("impClipboard", QStringLiteral("Clipboard`a Aktar..."), {}, {});
    expFile = MakeAction("expFile", QStringLiteral("&Export Dosya..."),
                         QKeySequence(Qt::ALT | Qt::Key_E), QStringLiteral("Export Dosya..."), 4);
    expScript = MakeAction("expScript", QStringLiteral("&Script'e Yaz..."),
                           QKeySequence(Qt::ALT | Qt::Key_W), QStringLiteral("Script'e Yaz"));
    expScript->setIcon(QIcon(CutImageStrip(QStringLiteral(":/images/script.png"), 20, 1).value(0)));
    mmExit = MakeAction("mmExit", QStringLiteral("Ç&ık"), {}, {});
    const QList<QPixmap> undoImages = CutImageStrip(QStringLiteral(":/images/undo.png"), 20, 2);
    actEditUndo = MakeAction("actEditUndo", QStringLiteral("&Geri Al"),
                             QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("Geri Al"));
    actEditRedo = MakeAction("actEditRedo", QStringLiteral("Yi&nele"),
                             QKeySequence(Qt::CTRL | Qt::Key_Y), QStringLiteral("Yinele"));
    actEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    actEditUndo->setIcon(QIcon(undoImages.value(0)));
    actEditRedo->setIcon(QIcon(undoImages.value(1)));
    ccpdCut = MakeAction("ccpdCut", QStringLiteral("Ke&s"), {}, QStringLiteral("Kes (Ctrl+X)"), 5);
    ccpdPaste = MakeAction("ccpdPaste", QStringLiteral("&Yapıştır"), {},
                           QStringLiteral("Yapıştır (Ctrl+V)"), 6);
    ccpdCopy = MakeAction("ccpdCopy", QStringLiteral("&Kopyala"), {},
                          QStringLiteral("Kopyala (Ctrl+C)"), 7);
    ccpdDelete =
        MakeAction("ccpdDelete", QStringLiteral("&Sil"), {}, QStringLiteral("Sil (Del)"), 8);
    mmSelectAll = MakeAction("mmSelectAll", QStringLiteral("&Hepsini Seç"),
                             QKeySequence(Qt::ALT | Qt::Key_S), {});
    mmDeleteAll = MakeAction("mmDeleteAll", QStringLiteral("Hepsini &Sil"),
                             QKeySequence(Qt::ALT | Qt::Key_Delete), {});
    mmPreferences = MakeAction("mmPreferences", QStringLiteral("&Ayarlar..."), {}, {});
    mmReorder = MakeAction("mmReorder", QStringLiteral("Tekrar &Kaydet..."),
                           QKeySequence(Qt::ALT | Qt::Key_I), {});
    codeView =
        MakeAction("codeView", QStringLiteral("&Koda Ön İzleme Yap"),
                   QKeySequence(Qt::ALT | Qt::Key_V), QStringLiteral("Koda Ön İzleme Yap"), 9);
    codeCopy = MakeAction("codeCopy", QStringLiteral("&Kodu Kopyala"),
                          QKeySequence(Qt::ALT | Qt::Key_C), QStringLiteral("Kodu Kopyala"), 10);
    codeCopyEvents = MakeAction("codeCopyEvents", QStringLiteral("&Olayları Kopyala"), {},
                                QStringLiteral("Olayları Kopyala"));
    actPreview = MakeAction("actPreview", QStringLiteral("Ö&n İzleme"),
                            QKeySequence(Qt::ALT | Qt::Key_R), QStringLiteral("Ön İzleme"), 11);
    actTestDialog = MakeAction("actTestDialog", QStringLiteral("Dialog&u Dene"),
                               QKeySequence(Qt::CTRL | Qt::Key_T), QStringLiteral("Dialogu Dene"));
    actTestDialog->setIcon(
        QIcon(CutImageStrip(QStringLiteral(":/images/testdialog.png"), 20, 1).value(0)));
    actObjBrowser = MakeAction("actObjBrowser", QStringLiteral("Obje &Ara"),
                               QKeySequence(Qt::ALT | Qt::Key_B), QStringLiteral("Obje Ara"), 12);
    actObjPalette =
        MakeAction("actObjPalette", QStringLiteral("T&ool Kutusu"),
                   QKeySequence(Qt::ALT | Qt::Key_O), QStringLiteral("Obje Paleti"), 13);
    actMenuEd =
        MakeAction("actMenuEd", QStringLiteral("&Menu Düzenliyici"),
                   QKeySequence(Qt::ALT | Qt::Key_M), QStringLiteral("Menu Düzenliyici"), 14);
    for (QAction* toggle : {actObjBrowser, actObjPalette, actMenuEd})
        toggle->setCheckable(true);
    StatusWindow1 = MakeAction("StatusWindow1", QStringLiteral("Arka Plan"), {}, {});
    mmContents = MakeAction("mmContents", QStringLiteral("Yardım Dosyası"), {}, {});
    mmHomePage = MakeAction("mmHomePage", QStringLiteral("&Web Sitesi"), {}, {});
    mmAbout = MakeAction("mmAbout", QStringLiteral("Hakkında"), {}, {});

    // The surface handles the Cut, Copy, Paste and Delete keys; the commands start disabled.
    for (QAction* edit : {ccpdCut, ccpdCopy, ccpdPaste, ccpdDelete})
        edit->setEnabled(false);

    connect(mmExit, &QAction::triggered, this, &QWidget::close);
    connect(StatusWindow1, &QAction::triggered, this, [this] { status_->ShowStatus(); });
    connect(mmContents, &QAction::triggered, this, &TMain::ShowHelp);
    connect(mmAbout, &QAction::triggered, this, &TMain::ShowAbout);
    connect(mmHomePage, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(HomePageAddress())); });
}

void TMain::CreateMenus() {
    mmFile = menuBar()->addMenu(QStringLiteral("&Dosya"));
    mmFile->setObjectName(QStringLiteral("mmFile"));
    // The File menu's title carries Ctrl+I.
    auto* fileKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this);
    connect(fileKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(mmFile->menuAction()); });
    mmFile->addAction(actFileNew);
    mmFile->addAction(actFileOpen);
    mmFile->addAction(actFileSave);
    mmFile->addAction(mmSaveAs);
    mmFile->addSeparator();
    mmImport = mmFile->addMenu(QStringLiteral("&Değiştir..."));
    mmImport->setObjectName(QStringLiteral("mmImport"));
    mmImport->addAction(impFile);
    mmImport->addAction(impClipboard);
    mmFile->addAction(expFile);
    mmFile->addAction(expScript);
    mmFile->addSeparator();
    mmRecent = mmFile->addMenu(QStringLiteral("&Devam Et"));
    mmRecent->setObjectName(QStringLiteral("mmRecent"));
    mmFile->addSeparator();
    mmFile->addAction(mmExit);

    mmEdit = menuBar()->addMenu(QStringLiteral("&Düzenle"));
    mmEdit->setObjectName(QStringLiteral("mmEdit"));
    mmEdit->addActions({actEditUndo, actEditRedo});
    mmEdit->addSeparator();
    mmEdit->addActions({ccpdCut, ccpdCopy, ccpdPaste, ccpdDelete});
    mmEdit->addSeparator();
    mmEdit->addActions({mmSelectAll, mmDeleteAll});
    mmEdit->addSeparator();
    mmEdit->addAction(mmPreferences);

    mmTools = menuBar()->addMenu(QStringLiteral("&Extra"));
    mmTools->setObjectName(QStringLiteral("mmTools"));
    mmTools->addActions({mmReorder, codeView, codeCopy, codeCopyEvents, actPreview, actTestDialog});

    mmView = menuBar()->addMenu(QStringLiteral("&Görüntü"));
    mmView->setObjectName(QStringLiteral("mmView"));
    // The menu items carry their own captions and hints; they share the actions' state.
    auto* browserItem = mmView->addAction(QStringLiteral("&Yan Toolbar"));
    browserItem->setObjectName(QStringLiteral("mmObjBrowser"));
    browserItem->setStatusTip(QStringLiteral("Yan Toolbar"));
    browserItem->setShortcut(actObjBrowser->shortcut());
    actObjBrowser->setShortcut({});
    browserItem->setCheckable(true);
    connect(browserItem, &QAction::triggered, actObjBrowser, &QAction::trigger);
    connect(actObjBrowser, &QAction::toggled, browserItem, &QAction::setChecked);
    actObjPalette->setStatusTip(QStringLiteral("Üst Toolbar"));
    mmView->addAction(actObjPalette);
    mmView->addAction(actMenuEd);
    mmView->addSeparator();
    mmView->addAction(StatusWindow1);

    mmHelp = menuBar()->addMenu(QStringLiteral("Yardım"));
    mmHelp->setObjectName(QStringLiteral("mmHelp"));
    mmHelp->addAction(mmContents);
    mmHelp->addSeparator();
    mmHelp->addAction(mmHomePage);
    mmHelp->addSeparator();
    mmHelp->addAction(mmAbout);
}

void TMain::CreateToolbar() {
    tb = addToolBar(QStringLiteral("tb"));
    tb->setObjectName(QStringLiteral("tb"));
    tb->setIconSize(QSize(20, 20));
    tb->setMovable(false);
    tb->addActions({actFileNew, actFileOpen, actFileSave});
    tb->addSeparator();
    ImportMenu = new QMenu(this);
    ImportMenu->setObjectName(QStringLiteral("ImportMenu"));
    ImportMenu->addActions({impFile, impClipboard});
    importButton = new QToolButton(tb);
    importButton->setDefaultAction(impFile);
    importButton->setMenu(ImportMenu);
    importButton->setPopupMode(QToolButton::MenuButtonPopup);
    tb->addWidget(importButton);
    tb->addAction(expFile);
    tb->addAction(expScript);
    tb->addSeparator();
    tb->addActions({ccpdCut, ccpdPaste, ccpdCopy, ccpdDelete, actEditUndo, actEditRedo});
    tb->addSeparator();
    tb->addActions({codeView, codeCopy, actPreview, actTestDialog});
    tb->addSeparator();
    tb->addActions({actObjBrowser, actObjPalette, actMenuEd});
    // The check buttons' own hints; a button takes its action's hint again whenever the action
    // changes, so they are put back each time.
    const auto buttonHint = [this](QAction* action, const QString& hint) {
        const auto apply = [this, action, hint] { tb->widgetForAction(action)->setToolTip(hint); };
        apply();
        connect(action, &QAction::changed, this, apply);
    };
    buttonHint(actObjBrowser, QStringLiteral("Kod Bilgisi"));
    buttonHint(actObjPalette, QStringLiteral("Buton Kutusu"));
    for (QAction* action : tb->actions())
        if (QWidget* button = tb->widgetForAction(action)) button->setFixedSize(27, 26);
}

void TMain::RebuildRecentMenu() {
    mmRecent->clear();
    int number = 1;
    for (int i = Recent.size() - 1; i >= 0; --i, ++number) {
        const QString path = Recent[i];
        QAction* item = mmRecent->addAction(QStringLiteral("%1. %2").arg(number).arg(path));
        item->setData(i);
        connect(item, &QAction::triggered, this, [this, path] { emit RecentChosen(path); });
    }
    mmRecent->setEnabled(!Recent.isEmpty());
}

void TMain::UpdateTitle(const QString& fileName) {
    const QString name =
        fileName.isEmpty() ? QStringLiteral("New Project") : QFileInfo(fileName).fileName();
    const QString title = QStringLiteral("Marovel  - ") + name;
    setWindowTitle(title);
    QApplication::setApplicationDisplayName(QString());
    qApp->setProperty("applicationTitle", title);
}

void TMain::ShowHelp() {
    if (help_) {
        help_->raise();
        help_->activateWindow();
        return;
    }
    const QString index = AppFilePath(QStringLiteral("help/index.html"));
    if (!QFileInfo::exists(index)) {
        QMessageBox::information(
            this, QStringLiteral("Help Information"),
            QStringLiteral(
                "The help for this program does not appear to be installed or installed "
                "incorrectly.  You can get the help and installation instructions at the "
                "homepage."));
        return;
    }
    help_ = new THelpWindow(index, this);
    help_->show();
}

void TMain::ShowAbout() {
    TAboutBox box(this);
    box.exec();
}

THelpWindow* TMain::helpWindow() const {
    return help_;
}
