#pragma once
// The program's preferences as one record: every key of "marovel.ini" with its default, the
// window placements and the recent projects. Reading and writing the file is io/mvSettings.h.
#include <QStringList>
#include <optional>

#include "surface/mvPlacement.h"
#include "surface/mvRecentFiles.h"

// Placements of the windows, as last stored; none when missing or unusable (the window then
// keeps its built-in place).
struct TmvWindowPlacements {
    std::optional<TmvPlacement> MainWindow;
    std::optional<TmvPlacement> MainDialog;
    std::optional<TmvPlacement> ObjectPalette;
    std::optional<TmvPlacement> ObjectBrowser;
    std::optional<TmvPlacement> MenuEditor;
    std::optional<TmvPlacement> StatusWindow;

    // The placement stored under a [Windows] key, in any letter case; none for another key.
    std::optional<TmvPlacement>* Find(const QString& key);
    const std::optional<TmvPlacement>* Find(const QString& key) const;
};

// The [Windows] keys in the order they are written.
const QStringList& WindowPlacementKeys();

// The system's ANSI code page on Windows; 1254 elsewhere.
int DefaultLegacyCodePage();

// The longest autosave delay, in seconds.
constexpr int kMaxAutoSaveSeconds = 3600;

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
    // Unsaved changes go to a recovery file this long after a change; 0 turns autosave off.
    int AutoSaveSeconds = 10;
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
    // Guides within reach while dragging win over the grid (off: they are only drawn).
    bool SnapToGuides = true;
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
