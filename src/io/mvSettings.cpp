#include "io/mvSettings.h"

#include <algorithm>
#include <map>

#include "io/mvCodePages.h"
#include "io/mvConfigPaths.h"
#include "io/mvIniFile.h"
#include "surface/mvIniValues.h"
#include "surface/mvInteraction.h"

namespace {

const QString kGeneral = QStringLiteral("General");
const QString kDefaults = QStringLiteral("Defaults");
const QString kIDMan = QStringLiteral("IDMan");
const QString kPalette = QStringLiteral("Palette");
const QString kGrid = QStringLiteral("Grid");
const QString kImport = QStringLiteral("Import");
const QString kMisc = QStringLiteral("Misc");
const QString kWindows = QStringLiteral("Windows");
const QString kRecent = QStringLiteral("Recent");

// Reads keys of one section in turn, each with the value the field holds as its default.
class SectionReader {
public:
    SectionReader(const TmvIniFile& ini, const QString& section) : ini_(ini), section_(section) {}
    void Bool(const char* key, bool& field) const {
        field = ini_.ReadBool(section_, QLatin1String(key), field);
    }
    void Int(const char* key, int& field) const {
        field = ini_.ReadInteger(section_, QLatin1String(key), field);
    }
    void String(const char* key, QString& field) const {
        field = ini_.ReadString(section_, QLatin1String(key), field);
    }

private:
    const TmvIniFile& ini_;
    const QString& section_;
};

class SectionWriter {
public:
    SectionWriter(TmvIniFile& ini, const QString& section) : ini_(ini), section_(section) {}
    const SectionWriter& Bool(const char* key, bool value) const {
        ini_.WriteBool(section_, QLatin1String(key), value);
        return *this;
    }
    const SectionWriter& Int(const char* key, int value) const {
        ini_.WriteInteger(section_, QLatin1String(key), value);
        return *this;
    }
    const SectionWriter& String(const char* key, const QString& value) const {
        ini_.WriteString(section_, QLatin1String(key), value);
        return *this;
    }

private:
    TmvIniFile& ini_;
    const QString& section_;
};

} // namespace

std::optional<TmvPlacement> ReadPlacement(const TmvIniFile& ini, const QString& key,
                                          QString* warning) {
    if (!ini.ValueExists(kWindows, key)) return std::nullopt;
    const QString text = ini.ReadString(kWindows, key);
    QString reason;
    std::optional<TmvPlacement> placement = ParsePlacement(text, &reason);
    if (!placement && warning)
        *warning = QStringLiteral("The window placement \"%1\" (\"%2\") cannot be used: %3. "
                                  "The window keeps its default place.")
                       .arg(key, text, reason);
    return placement;
}

TmvRecentFiles ReadRecentFiles(const TmvIniFile& ini) {
    TmvRecentFiles recent;
    const int count = ini.ReadInteger(kGeneral, kRecent, 0);
    // Walk the keys that exist instead of 0 .. count-1, so a corrupt count costs nothing.
    std::map<int, QString> byIndex;
    for (const QString& key : ini.Keys(kRecent)) {
        const std::optional<int> index = FieldInteger(key);
        if (index && *index >= 0 && *index < count && !byIndex.count(*index))
            byIndex.emplace(*index, ini.ReadString(kRecent, key));
    }
    for (const auto& entry : byIndex)
        recent.Add(entry.second);
    return recent;
}

void WriteRecentFiles(const TmvRecentFiles& recent, TmvIniFile& ini) {
    const QStringList& paths = recent.Paths();
    for (qsizetype i = 0; i < paths.size(); ++i)
        ini.WriteString(kRecent, QString::number(i), paths[i]);
    ini.WriteInteger(kGeneral, kRecent, int(paths.size()));
}

Settings ReadSettings(const TmvIniFile& ini, QStringList* warnings) {
    Settings s;
    s.RecentFiles = ReadRecentFiles(ini);

    const SectionReader general(ini, kGeneral);
    general.Bool("SaveWindowPos", s.SaveWindowPos);
    general.Bool("UseDefaultFont", s.UseDefaultFont);
    general.String("DDEName", s.DDEName);
    general.String("DefProjectPath", s.DefProjectPath);
    general.Bool("PreviewFix", s.PreviewFix);
    general.Int("LegacyCodePage", s.LegacyCodePage);
    if (!CanDecodeCodePage(s.LegacyCodePage)) {
        if (warnings)
            warnings->append(QStringLiteral("The code page %1 (\"LegacyCodePage\") cannot be "
                                            "read here; scripts that are not UTF-8 are read in "
                                            "code page %2.")
                                 .arg(s.LegacyCodePage)
                                 .arg(DefaultLegacyCodePage()));
        s.LegacyCodePage = DefaultLegacyCodePage();
    }
    general.Int("AutoSaveSeconds", s.AutoSaveSeconds);
    s.AutoSaveSeconds = std::clamp(s.AutoSaveSeconds, 0, kMaxAutoSaveSeconds);

    const SectionReader defaults(ini, kDefaults);
    defaults.Bool("AutoTab", s.AutoTab);
    defaults.Bool("AutoStartSize", s.AutoStartSize);
    defaults.Bool("AutoStartMove", s.AutoStartMove);
    defaults.Bool("AlwaysUseDBU", s.AlwaysUseDBU);
    defaults.Bool("TextBorder", s.TextBorder);
    defaults.Bool("HotTracking", s.HotTracking);
    defaults.Int("HotTrackColor", s.HotTrackColor);
    defaults.Bool("BringToFront", s.BringToFront);

    const SectionReader palette(ini, kPalette);
    palette.Int("Orientation", s.PaletteOrientation);
    palette.Bool("Flat", s.PaletteFlat);

    SectionReader(ini, kIDMan).Int("Start", s.StartID);

    const SectionReader grid(ini, kGrid);
    grid.Bool("ShowGrid", s.ShowGrid);
    grid.Bool("ShowTabs", s.ShowTabs);
    grid.Bool("SnapSize", s.SnapSize);
    grid.Bool("SnapMove", s.SnapMove);
    grid.Bool("SnapDialog", s.SnapDialog);
    grid.Bool("SnapToGuides", s.SnapToGuides);
    grid.Int("SizeX", s.GridSizeX);
    grid.Int("SizeY", s.GridSizeY);
    grid.Int("GridColor", s.GridColor);
    grid.Int("GridType", s.GridType);

    SectionReader(ini, kImport).Bool("CloseStatus", s.ImportCloseStatus);

    const SectionReader misc(ini, kMisc);
    misc.Bool("PromptAll", s.PromptAll);
    misc.Bool("PromptTab", s.PromptTab);
    misc.Bool("StatusCloseProject", s.StatusCloseProject);

    // The docked palette's visibility is restored with the tool windows, and only for the
    // docked orientations.
    if (s.SaveWindowPos && s.PaletteOrientation >= 5) palette.Bool("ShowDock", s.PaletteShowDock);
    // Every placement is kept, applied or not, so that it survives the next save unchanged when
    // no window replaces it.
    for (const QString& key : WindowPlacementKeys()) {
        QString warning;
        *s.Windows.Find(key) = ReadPlacement(ini, key, &warning);
        if (!warning.isEmpty() && warnings) warnings->append(warning);
    }
    return s;
}

void WriteSettings(const Settings& s, TmvIniFile& ini) {
    SectionWriter(ini, kGeneral)
        .Bool("SaveWindowPos", s.SaveWindowPos)
        .Bool("UseDefaultFont", s.UseDefaultFont)
        .Bool("PreviewFix", s.PreviewFix)
        .String("DDEName", s.DDEName)
        .String("DefProjectPath", s.DefProjectPath)
        .Int("LegacyCodePage", s.LegacyCodePage)
        .Int("AutoSaveSeconds", s.AutoSaveSeconds);
    SectionWriter(ini, kDefaults)
        .Bool("AutoTab", s.AutoTab)
        .Bool("AutoStartSize", s.AutoStartSize)
        .Bool("AutoStartMove", s.AutoStartMove)
        .Bool("AlwaysUseDBU", s.AlwaysUseDBU)
        .Bool("BringToFront", s.BringToFront)
        .Bool("TextBorder", s.TextBorder)
        .Bool("HotTracking", s.HotTracking)
        .Int("HotTrackColor", s.HotTrackColor);
    SectionWriter(ini, kIDMan).Int("Start", s.StartID);
    SectionWriter(ini, kPalette)
        .Int("Orientation", s.PaletteOrientation)
        .Bool("ShowDock", s.PaletteShowDock)
        .Bool("Flat", s.PaletteFlat);
    SectionWriter(ini, kGrid)
        .Bool("ShowGrid", s.ShowGrid)
        .Bool("ShowTabs", s.ShowTabs)
        .Bool("SnapSize", s.SnapSize)
        .Bool("SnapMove", s.SnapMove)
        .Bool("SnapDialog", s.SnapDialog)
        .Bool("SnapToGuides", s.SnapToGuides)
        .Int("SizeX", s.GridSizeX)
        .Int("SizeY", s.GridSizeY)
        .Int("GridColor", s.GridColor)
        .Int("GridType", s.GridType);
    SectionWriter(ini, kImport).Bool("CloseStatus", s.ImportCloseStatus);
    SectionWriter(ini, kMisc)
        .Bool("PromptAll", s.PromptAll)
        .Bool("PromptTab", s.PromptTab)
        .Bool("StatusCloseProject", s.StatusCloseProject);
    for (const QString& key : WindowPlacementKeys())
        if (const std::optional<TmvPlacement>& placement = *s.Windows.Find(key))
            ini.WriteString(kWindows, key, FormatPlacement(*placement));
    WriteRecentFiles(s.RecentFiles, ini);
}

void SettingsWarning(Prompter* prompt, const QString& text) {
    if (prompt) prompt->Warning(kSettingsWarningCaption, text);
}

Settings LoadSettings(Prompter* prompt) {
    TmvIniFile ini(ConfigFilePath(kSettingsFileName));
    QString error;
    if (!ini.Load(&error)) {
        SettingsWarning(prompt, QStringLiteral("The settings file \"%1\" cannot be read: %2\n"
                                               "The default settings are used.")
                                    .arg(ini.FileName(), error));
        return Settings();
    }
    QStringList warnings;
    Settings settings = ReadSettings(ini, &warnings);
    if (!warnings.isEmpty())
        SettingsWarning(prompt, QStringLiteral("The settings file \"%1\":\n").arg(ini.FileName()) +
                                    warnings.join(QLatin1Char('\n')));
    return settings;
}

bool SaveSettings(const Settings& settings, Prompter* prompt) {
    TmvIniFile ini(ConfigFilePath(kSettingsFileName));
    QString error;
    const bool saved = ini.Update([&](TmvIniFile& file) { WriteSettings(settings, file); }, &error);
    if (!saved)
        SettingsWarning(prompt, QStringLiteral("The settings could not be saved to \"%1\": %2")
                                    .arg(ini.FileName(), error));
    return saved;
}
