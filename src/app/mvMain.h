#pragma once
// The main window: the multiple-document frame with its menus, toolbar and tool windows, and
// the place every command is routed from.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class TStatusWindow;
class THelpWindow;

class TMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // Commands shared by menu and toolbar.
    QAction* actFileNew;
    QAction* actFileOpen;
    QAction* actFileSave;
    QAction* mmSaveAs;
    QAction* impFile;
    QAction* impClipboard;
    QAction* expFile;
    QAction* mmExit;
    QAction* ccpdCut;
    QAction* ccpdCopy;
    QAction* ccpdPaste;
    QAction* ccpdDelete;
    QAction* mmSelectAll;
    QAction* mmDeleteAll;
    QAction* mmPreferences;
    QAction* mmReorder;
    QAction* codeView;
    QAction* codeCopy;
    QAction* actPreview;
    QAction* actObjBrowser;
    QAction* actObjPalette;
    QAction* actMenuEd;
    QAction* StatusWindow1;
    QAction* mmContents;
    QAction* mmHomePage;
    QAction* mmAbout;

    QMenu* mmFile;
    QMenu* mmEdit;
    QMenu* mmTools;
    QMenu* mmView;
    QMenu* mmHelp;
    QMenu* mmImport;
    QMenu* mmRecent;
    QMenu* ImportMenu;
    QToolBar* tb;
    QToolButton* importButton;
    QMdiArea* mdi;

    TStatusWindow* statusWindow() const { return status_; }

    // Recent projects, oldest first; the menu lists them newest first.
    QStringList Recent;
    void RebuildRecentMenu();

    // "Marovel  - " and the file name part, or "New Project".
    void UpdateTitle(const QString& fileName);

    // The help window, when one is open.
    THelpWindow* helpWindow() const;

signals:
    void RecentChosen(const QString& path);

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbar();
    void DisableUnbuiltCommands();
    QAction* MakeAction(const char* objectName, const QString& caption, const QKeySequence& key,
                        const QString& hint, int image = -1);
    void ShowHelp();
    void ShowAbout();

    QList<QPixmap> toolbarImages_;
    TStatusWindow* status_ = nullptr;
    QMdiSubWindow* statusFrame_ = nullptr;
    QPointer<THelpWindow> help_;
};

// Cuts a strip of square pictures on the fuchsia mask colour into pixmaps.
QList<QPixmap> CutImageStrip(const QString& resource, int size, int count);
// The program's folder followed by `name`.
QString AppFilePath(const QString& name);
