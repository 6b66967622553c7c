#pragma once
// The program's preferences ("marovel.ini" in the configuration folder): every key with its
// default, the window placements and the recent projects. The per-type control defaults live in
// "defaults.ini" and have their own reader and writer.
#include <QString>
#include <QStringList>
#include <optional>

#include "io/mvPlacement.h"
#include "io/mvRecentFiles.h"

class TmvIniFile;
class Prompter;

// Placements of the windows, as last stored; none when missing or unusable (the window then
// keeps its built-in place).
struct TmvWindowPlacements {
    std::optional<TmvPlacement> MainWindow;
    std::optional<TmvPlacement> MainDialog;
    std::optional<TmvPlacement> ObjectPalette;
    std::optional<TmvPlacement> ObjectBrowser;
    std::optional<TmvPlacement> MenuEditor;
    std::optional<TmvPlacement> StatusWindow;
};

// The system's ANSI code page on Windows; 1254 elsewhere.
int DefaultLegacyCodePage();

struct Settings {
    // [General]
    bool SaveWindowPos = true;
    bool UseDefaultFont = true;
    QString DDEName = QStringLiteral("mIRC");
    QString DefProjectPath;
    bool PreviewFix = false;
    // The Windows code page of scripts that are not UTF-8: the system's ANSI code page on
    // Windows, else 1254.
    int LegacyCodePage = DefaultLegacyCodePage();
    // [Defaults]
    bool AutoTab = true;
    bool AutoStartSize = false;
    bool AutoStartMove = false;
    bool AlwaysUseDBU = true; // also the new document's UseDbu at start-up
    bool BringToFront = true;
    bool TextBorder = true;
    bool HotTracking = false;
    int HotTrackColor = 255; // red, as a Windows colour value
    // [IDMan]
    int StartID = 1; // key "Start": the first ID NextFreeId tries
    // [Palette]
    int PaletteOrientation = 1;
    bool PaletteShowDock = true; // read only when the orientation is 5 or more
    bool PaletteFlat = true;
    // [Grid]
    bool ShowGrid = false;
    bool ShowTabs = false;
    bool SnapSize = false;
    bool SnapMove = false;
    bool SnapDialog = false;
    int GridSizeX = 8;
    int GridSizeY = 8;
    int GridColor = 0; // black
    int GridType = 0;  // 0 dots, 1 lines
    // [Import]
    bool ImportCloseStatus = true;
    // [Misc]
    bool PromptAll = true;
    bool PromptTab = false;
    bool StatusCloseProject = true;
    // [Windows]
    TmvWindowPlacements Windows;
    // [General] "Recent" and [Recent]
    TmvRecentFiles RecentFiles;
};

// Caption of the warnings about the settings file.
inline const QString kSettingsWarningCaption = QStringLiteral("Settings Warning");
// A warning box with that caption, when there is someone to tell.
void SettingsWarning(Prompter* prompt, const QString& text);
inline const QString kSettingsFileName = QStringLiteral("marovel.ini");

// The settings held by an INI buffer, in the program's reading order; missing keys and
// non-integer values give the defaults. A placement that cannot be used is left out and
// described in *warnings.
Settings ReadSettings(const TmvIniFile& ini, QStringList* warnings = nullptr);
// Writes every key in the program's writing order. Placements that are none are not written.
void WriteSettings(const Settings& settings, TmvIniFile& ini);

// One stored placement, for windows that are placed before the settings are loaded.
std::optional<TmvPlacement> ReadPlacement(const TmvIniFile& ini, const QString& key,
                                          QString* warning = nullptr);

// "marovel.ini" in the configuration folder. A file that cannot be read, and placements that
// cannot be used, give one warning through prompt (when there is one) and the defaults.
Settings LoadSettings(Prompter* prompt);
// Keeps what the file holds besides the program's keys. FALSE, after a warning through prompt,
// when the file cannot be written; the file on disk then stays as it was.
bool SaveSettings(const Settings& settings, Prompter* prompt);
