#pragma once
// The project file (".mv"): one dialog with its dialog-level properties, menu tree and controls
// in an INI file. The commands New, Load, Save and Save As run through the injected
// interaction interfaces, so the designer, the command line and the tests share them.
//
// Parts: mvProjectWrite.cpp (the writer), mvProjectRead.cpp (one control section back into a
// control), mvProjectCheck.cpp (the whole file checked before anything is replaced),
// mvProjectLoad.cpp (the Load command), mvProjectCommands.cpp (New, Save, Save As, the save
// question).
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "surface/mvInteraction.h"

class DialogDocument;
class TmvControl;
class TmvIniFile;
class TmvRecentFiles;

inline const QString kProjectFilter = QStringLiteral("Marovel project files (*.mv)|*.mv");
inline const QString kLoadProjectCaption = QStringLiteral("Load Project");
inline const QString kSaveProjectCaption = QStringLiteral("Save Project");

// What the project commands need besides the document: the user, the preferences they read and
// the windows that follow them. Every hook may be left unset (command line, tests).
struct TmvProjectSession {
    explicit TmvProjectSession(DialogDocument& document) : Document(document) {}

    DialogDocument& Document;
    TmvInteraction Ui;
    TmvRecentFiles* RecentFiles = nullptr; // moved to on load and save-as
    QString DefProjectPath;                // [General] "DefProjectPath"
    bool StatusCloseProject = true;        // [Misc] "StatusCloseProject"

    // The main window's title follows FileName.
    std::function<void()> TitleChanged;
    // The recent-files menu is rebuilt.
    std::function<void()> RecentChanged;
    // TRUE before a load fills the document (hide the surface, stop refreshing the browser's
    // control list); FALSE after it (the "Lock All" caption follows LockAll, the grid bitmap is
    // rebuilt, the surface is shown and the list refreshes).
    std::function<void(bool loading)> LoadingChanged;
};

// --- Commands.
// Whether the current project may be discarded; asks to save it when it has changes.
bool ConfirmSaveChanges(TmvProjectSession& session);
// A new, empty project, unless the user keeps the current one (FALSE).
bool NewProject(TmvProjectSession& session);
// Loads a project: the given path, or one asked for when empty. FALSE when nothing was loaded
// (the user cancelled, the file is missing or malformed); the current project then stays.
bool LoadProject(TmvProjectSession& session, const QString& path = QString());
// What Load does once a path is chosen, without the save question and the recent list: the
// file at `path` is checked whole, then read into the document with the progress lines, and
// FileName becomes `fileName`. With `saved` FALSE the project counts as changed until it is
// saved. FALSE, after telling the user why, when nothing was loaded.
bool ReadProjectInto(TmvProjectSession& session, const QString& path, const QString& fileName,
                     bool saved);
// Writes the project to FileName (Save As without one). FALSE when nothing was written; the
// project then keeps its changes.
bool SaveProject(TmvProjectSession& session);
// Asks for a path (".mv" is added when missing), then saves there.
bool SaveProjectAs(TmvProjectSession& session);
// The chosen path with ".mv" appended unless it ends so (in any letter case).
QString ProjectPathWithExtension(const QString& path);

// --- The file format.
// The whole project into the buffer: [Main] (with the script it belongs to), [Menu],
// [MenuInfo] and the control sections. Whatever else the buffer holds is kept.
void WriteProject(const DialogDocument& document, TmvIniFile& ini);
// [Main] without "ControlCount", [Menu] and [MenuInfo]: the project without its controls.
void WriteProjectHead(const DialogDocument& document, TmvIniFile& ini);
// The dialog's own properties and its menu tree (emptied first) from [Main], [Menu] and
// [MenuInfo]; the number of menu entries read. The controls stay as they are.
int ReadProjectHead(DialogDocument& document, const TmvIniFile& ini);
// The controls in the order of their sections: the dialog's creation order, each tab page's
// controls right after the tab control.
std::vector<const TmvControl*> ControlsInSectionOrder(const DialogDocument& document);
// One control's section "Control" + counter; a tab control writes the controls of its pages
// after it, advancing counter to the last section written.
void WriteControlSection(TmvIniFile& ini, const TmvControl& control, int& counter);
// The menu tree's [Menu] and [MenuInfo], both erased first.
void WriteMenuSections(const DialogDocument& document, TmvIniFile& ini);
// Builds the menu tree from [Menu] and [MenuInfo]; the number of [Menu] keys.
int ReadMenuSections(DialogDocument& document, const TmvIniFile& ini);
// A menu text as [Menu] stores it ("&" doubled, then TAB as "&t"), and back again, read from
// left to right so that every "&" pair is taken once.
QString EscapeMenuText(const QString& text);
QString UnescapeMenuText(const QString& text);

// The words a control's line or the option line carries that the designer does not model, as
// written; each key is there only when it holds words.
inline const QString kOtherStylesKey = QStringLiteral("OtherStyles");   // a control's section
inline const QString kOtherOptionsKey = QStringLiteral("OtherOptions"); // [Main]

// [Main]: the script the table came from or was last written into, and its name there; written
// only when set. Kept out of the undo history's snapshots (WriteProjectHead).
inline const QString kScriptPathKey = QStringLiteral("ScriptPath");
inline const QString kScriptTableKey = QStringLiteral("ScriptTable");

// The section name of control section n ("Control" + n).
QString ControlSectionName(int n);

// The fields of a control section that must be whole numbers, parsed (with the reader's
// defaults for missing keys).
struct TmvControlSectionHead {
    int Type = 0;
    int X = 50, Y = 50, W = -1, H = -1;
    int Kind = 0, Alignment = 0, Page = -1, Id = 0;
    std::vector<int> PageIds; // tab control: one per page of "TabCount"
};
// None, with the section, key and value named in *problem, when a field is not what it must be.
std::optional<TmvControlSectionHead> ReadControlSectionHead(const TmvIniFile& ini, int n,
                                                            QString* problem = nullptr);

// [Main] "Position": the dialog's x and y and its client size in pixels.
struct TmvMainPosition {
    int X = -1, Y = -1, W = 320, H = 240;
};
std::optional<TmvMainPosition> ReadMainPosition(const TmvIniFile& ini, QString* problem = nullptr);

// Reads section n into a new control; none when the section does not exist or is malformed.
// With assignName the control takes a fresh default name instead of the stored one.
TmvControl* ReadControlSection(DialogDocument& document, const TmvIniFile& ini, bool assignName,
                               int n);

// The numbers of the control sections a load reads: those from 1 to "ControlCount" that exist,
// ascending. Found from the sections present, so a corrupt count costs nothing.
std::vector<int> ControlSectionNumbers(const TmvIniFile& ini);
// Whether the buffer can be loaded as a project: [Main] exists and every field that must be a
// number is one. FALSE with the section, key and value named in *problem.
bool CheckProjectFile(const TmvIniFile& ini, QString* problem = nullptr);
