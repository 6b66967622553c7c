#pragma once
// The main window: the multiple-document frame with its menus, toolbar and tool windows, and
// the place every command is routed from.
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "app/mvWindowPlacement.h"
#include "io/mvImport.h"
#include "io/mvSettings.h"
#include "surface/mvControlDefaults.h"
#include "surface/mvSurfaceView.h"

class DialogDocument;
struct TmvProjectSession;
class TmvUndoHistory;
class TmvUndoWatcher;
class TmvAutoSave;
class TmvRecoveryStore;
struct TmvRecoveredFile;
class FileChooser;
class Prompter;
class TCodeDialog;
class TEditCommands;
class TArrangeCommands;
class TConfigDialog;
class TImportFile;
class TImportForm;
class TScriptWriteDialog;
class TTestDialog;
class TMnemonicWindow;
class QLabel;
class TMainDialog;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class TStatusWindow;
class TObjPalette;
class TMenuEditor;
class THelpWindow;
class TObjBrowser;
class TmvToolWindowsOnTop;

class TMain : public QMainWindow, public TmvDocumentUi {
    Q_OBJECT
public:
    explicit TMain(QWidget* parent = nullptr);
    ~TMain() override;

    // The user is reached through these; none restores the message boxes and file dialogs.
    void SetInteraction(Prompter* prompt, FileChooser* files);
    Prompter* prompter() const { return prompt_; }
    FileChooser* fileChooser() const { return files_; }

    DialogDocument& Document() const { return *document_; }
    TMainDialog* Surface() const { return surface_; }
    QMdiSubWindow* SurfaceFrame() const { return surfaceFrame_; }
    TCodeDialog* CodeDialog() const { return codeDialog_; }
    // The control palette, from the first showing on (mvMainPalette.cpp).
    TObjPalette* ObjPalette() const { return palette_; }
    void ShowObjPalette(bool on);
    // The menu editor, from the first showing on (mvMainMenuEditor.cpp).
    TMenuEditor* MenuEditor() const { return menuEditor_; }
    void ShowMenuEditor(bool on);
    TConfigDialog* ConfigDialog() const { return configDialog_; }
    TImportFile* ImportFileWindow() const { return importFile_; }
    TImportForm* ImportFormWindow() const { return importForm_; }
    Settings& CurrentSettings() { return settings_; }
    // The live per-type defaults that new controls receive ("defaults.ini").
    ControlDefaultsSet& ControlDefaultsRecords() { return controlDefaults_; }
    // The tool windows whose placements are restored at start-up and stored at close; a new
    // tool window adds itself here under its [Windows] key.
    TmvPlacedWindows& PlacedWindows() { return placedWindows_; }

    // Makes the settings take effect at once: the document's options, the project commands'
    // folder and status rule, the surface's grid and painting, the windows' font. Run at
    // start-up and whenever the preferences are applied.
    void ApplySettings();

    // The work of the first showing (later calls do nothing): settings, the surface's place,
    // the recent list, a new project.
    void FirstShow();

    // Commands.
    // Opens a project (asking for one when the path is empty); FALSE when nothing was loaded.
    bool OpenProject(const QString& path = QString());
    TmvProjectSession& Session() const { return *session_; }
    void DeleteAll();
    void ReorderIds();
    void ShowCodeView();
    void CopyCode();
    // The table to a chosen script file; FALSE when cancelled or not written.
    bool ExportCommand();
    // The table written into the project's script in the place of its old table, or, when the
    // project has none or it no longer holds the table, where the user chooses; FALSE when
    // cancelled or not written (mvMainScript.cpp).
    bool WriteIntoScriptCommand();
    // The event handlers of the dialog on the clipboard.
    void CopyEventsCommand();
    TScriptWriteDialog* ScriptWriteWindow() const { return scriptWrite_; }
    // Shows the access keys used more than once; the window, from the first check on.
    void MnemonicCheckCommand();
    TMnemonicWindow* MnemonicWindow() const { return mnemonics_; }
    // The status bar's note of the project's script ("Script: ..."), empty without one.
    QLabel* ScriptStatus() const { return scriptStatus_; }
    void UpdateScriptStatus();
    // The dialog shown in mIRC with the settings' DDE name; FALSE when it was not sent.
    bool PreviewCommand();
    // The dialog as a working window, modal, built from the document and leaving it untouched;
    // when it closes, the status bar says how (mvMainTestDialog.cpp).
    TTestDialog* TestDialogCommand();
    void SelectAllCommand();
    // Clipboard, z-order, hiding, locking, alignment and creation order.
    TEditCommands& EditCommands() const { return *editCommands_; }
    // Aligning, spacing, centring and sizing the selection at once ("Hizala").
    TArrangeCommands& ArrangeCommands() const { return *arrangeCommands_; }
    // The import windows, shown modally; and the import they run: a new project (after the save
    // question) filled from the table's lines, with what `origin` tells of where they came from
    // (the script's line of the first, the code page that read it).
    void ImportFileCommand();
    void ImportClipboardCommand();
    TmvImportResult ImportLines(const QStringList& lines, const TmvImportOptions& origin = {});
    // The preferences, shown modally.
    void PreferencesCommand();
    // Takes back the last step, or does the next one again (mvMainUndo.cpp).
    void UndoCommand();
    void RedoCommand();
    TmvUndoHistory& History() const { return *history_; }
    TmvUndoWatcher& UndoWatcher() const { return *undoWatcher_; }

    // The designer's start, after the first showing and before a project named on the command
    // line opens: the recovery files of instances that ended without closing are offered back,
    // then autosave starts (mvMainRecovery.cpp). Modes without a user never run it.
    void StartRecovery();
    // None until StartRecovery.
    TmvAutoSave* AutoSave() const { return autosave_.get(); }

    // TmvDocumentUi
    void CurrentControlChanged(TmvControl* control) override;
    void ControlDeleting(TmvControl* control) override;
    void ControlAdded(TmvControl* control) override;
    void ControlRenamed(TmvControl* control) override;
    void DialogCleared() override;
    void GrabHandlesChanged() override;
    void MenuChanged() override;

    // Commands shared by menu and toolbar.
    QAction* actFileNew;
    QAction* actFileOpen;
    QAction* actFileSave;
    QAction* mmSaveAs;
    QAction* impFile;
    QAction* impClipboard;
    QAction* expFile;
    QAction* expScript;
    QAction* mmExit;
    QAction* actEditUndo;
    QAction* actEditRedo;
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
    QAction* codeCopyEvents;
    QAction* actPreview;
    QAction* actTestDialog;
    QAction* actObjBrowser;
    QAction* actObjPalette;
    QAction* actMenuEd;
    QAction* actTabOrder;
    QAction* actMnemonics;
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

    // The properties browser (mvMainBrowser.cpp) and its window in the frame.
    TObjBrowser* ObjBrowser() const { return browser_; }
    QMdiSubWindow* ObjBrowserFrame() const { return browserFrame_; }
    // Shows or hides the browser; the View item and the toolbar button follow.
    void ShowObjBrowser(bool on);

    // Recent projects, oldest first; the menu lists them newest first.
    QStringList Recent;
    void RebuildRecentMenu();

    // "Marovel  - " and the file name part, or "New Project".
    void UpdateTitle(const QString& fileName);

    // The help window, when one is open.
    THelpWindow* helpWindow() const;

signals:
    void RecentChosen(const QString& path);

protected:
    // A command's shortcut wins over a menu letter, as on Windows (Alt+E exports; the "&Extra"
    // menu stays reachable by mouse, F10 and the arrow keys).
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateDocument();
    void CreateSession();
    void ConnectProjectCommands();
    void ConnectDocumentCommands();
    void CreateArrangeCommands();
    void CreateImportWindows();
    void CreateScriptCommands();
    // The project belongs to the script the file import read its table from.
    void RememberImportedScript();
    // After a write: the project belongs to that script; always TRUE.
    bool ScriptWritten(const QString& script);
    void CreateConfigDialog();
    // The surface's keys, context menu and frame (mvMainSurface.cpp).
    void ConnectSurface();
    // The tab-order mode's command, and the editing it holds back while on (mvMainTabOrder.cpp).
    void CreateTabOrderCommand();
    void TabOrderModeChanged(bool on);
    // The access-key check's command and window (mvMainMnemonics.cpp).
    void CreateMnemonicCommand();
    void ApplyStoredMainPlacement();
    // What only a start takes from the settings: units, surface and tool-window places, the
    // recent list.
    void ApplyStartupSettings();
    void PlaceToolWindows();
    // The tool windows above the surface, a first start's layout and every window's caption in
    // view (mvMainToolWindows.cpp).
    void ArrangeWindows();
    void LayOutBesideTheDialog();
    // A window's caption with the border above it: what stays in view.
    static int CaptionHeight(const QMdiSubWindow* frame);
    // The windows a first start laid out keep beside the dialog when its size changes (a
    // project opened), until the user moves one of them.
    void FollowTheDialogsSize();
    // The size of the frame's work area.
    QSize WorkAreaSize();
    void StoreWindowPlacements();
    // The windows whose font follows "UseDefaultFont".
    QList<QWidget*> UiFontWindows() const;
    // New, as far as the project commands allow: the document's resets.
    void StartNewProject();
    void InstallFatalErrorHooks();
    // The recovery window and what its choices do.
    void OfferRecoveredFiles();
    bool SaveRecoveredAs(const TmvRecoveredFile& file);
    bool DiscardRecovered(const TmvRecoveredFile& file);
    void RestoreRecovered(const TmvRecoveredFile& file);
    void CreateUndo();
    // Undo and Redo are enabled when there is a step, their hints name it.
    void UpdateUndoCommands();
    // Not while a drag on the surface or of its frame runs, nor in the tab-order mode, whose
    // clicks make one step when it ends.
    bool UndoAllowed() const;
    void UpdateMenuBarHeight();
    void CreatePalette();
    void ApplyPaletteSettings();
    void StorePaletteSettings();
    void CreateMenuEditor();
    void ApplyMenuEditorSettings();
    void StoreMenuEditorSettings();
    void CreateObjBrowser();
    void FitObjBrowser();
    // Its font, the "PromptTab" setting and the stored placement ("ObjectBrowser").
    void ApplyObjBrowserSettings();
    TmvPlacement ObjBrowserPlacement() const;
    // The browser shows the current control (none: the dialog): its boxes, its list entry and
    // its values.
    void RefreshObjBrowser(TmvControl* control);

    void CreateActions();
    void CreateMenus();
    void CreateToolbar();
    QAction* MakeAction(const char* objectName, const QString& caption, const QKeySequence& key,
                        const QString& hint, int image = -1);
    void ShowHelp();
    void ShowAbout();

    QList<QPixmap> toolbarImages_;
    QList<QPixmap> PaletteImages;
    TObjPalette* palette_ = nullptr;
    TMenuEditor* menuEditor_ = nullptr;
    TStatusWindow* status_ = nullptr;
    QMdiSubWindow* statusFrame_ = nullptr;
    TObjBrowser* browser_ = nullptr;
    QMdiSubWindow* browserFrame_ = nullptr;
    QPointer<THelpWindow> help_;
    TmvToolWindowsOnTop* toolsOnTop_ = nullptr;
    // The windows a first start laid out, where it put them.
    std::vector<std::pair<QMdiSubWindow*, QPoint>> laidOut_;

    std::unique_ptr<Prompter> guiPrompt_;
    std::unique_ptr<FileChooser> guiFiles_;
    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    Settings settings_;
    ControlDefaultsSet controlDefaults_;
    TmvPlacedWindows placedWindows_;
    std::unique_ptr<DialogDocument> document_;
    std::unique_ptr<TmvProjectSession> session_;
    // After the document and the session, so it goes before them.
    std::unique_ptr<TmvUndoHistory> history_;
    // After the history, so autosave goes before the store and the history it uses.
    std::unique_ptr<TmvRecoveryStore> recoveryStore_;
    std::unique_ptr<TmvAutoSave> autosave_;
    TmvUndoWatcher* undoWatcher_ = nullptr;
    TMainDialog* surface_ = nullptr;
    QMdiSubWindow* surfaceFrame_ = nullptr;
    TCodeDialog* codeDialog_ = nullptr;
    TEditCommands* editCommands_ = nullptr;
    TArrangeCommands* arrangeCommands_ = nullptr;
    TConfigDialog* configDialog_ = nullptr;
    TImportForm* importForm_ = nullptr;
    TImportFile* importFile_ = nullptr;
    TScriptWriteDialog* scriptWrite_ = nullptr;
    QLabel* scriptStatus_ = nullptr;
    TMnemonicWindow* mnemonics_ = nullptr;
    bool started_ = false;
};

// Cuts a strip of square pictures on the fuchsia mask colour into pixmaps.
QList<QPixmap> CutImageStrip(const QString& resource, int size, int count);
QList<QPixmap> CutImageStrip(const QPixmap& strip, int size, int count);
// The program's folder followed by `name`.
QString AppFilePath(const QString& name);
