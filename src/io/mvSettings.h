#pragma once
// The program's preferences ("marovel.ini" in the configuration folder): every key with its
// default, the window placements and the recent projects. The per-type control defaults live in
// "defaults.ini" and have their own reader and writer.
#include <QString>
#include <QStringList>
#include <optional>

#include "surface/mvSettingsRecord.h"

class TmvIniFile;
class Prompter;

// Caption of the warnings about the settings file.
inline const QString kSettingsWarningCaption = QStringLiteral("Settings Warning");
// A warning box with that caption, when there is someone to tell.
void SettingsWarning(Prompter* prompt, const QString& text);
inline const QString kSettingsFileName = QStringLiteral("marovel.ini");

// The recent list as the settings file stores it: [Recent] "0", "1", ... and [General]
// "Recent" = count. Entries are read in index order through TmvRecentFiles::Add, so empty,
// repeated or surplus entries of a hand-edited file vanish; the entries are written first,
// then the count.
TmvRecentFiles ReadRecentFiles(const TmvIniFile& ini);
void WriteRecentFiles(const TmvRecentFiles& recent, TmvIniFile& ini);

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
