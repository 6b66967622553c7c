#pragma once
// "defaults.ini": the twelve per-type control defaults, one section per type named by its
// decimal type code. Every key is read for every type; each type's section is written with the
// common keys and then only the keys that apply to the type.
#include "surface/mvControlDefaults.h"

class TmvIniFile;
class Prompter;

inline const QString kDefaultsFileName = QStringLiteral("defaults.ini");

// Missing keys and non-integer values give the record's defaults; a scroll bar's alignment is
// made to fit its kind.
ControlDefaultsSet ReadControlDefaults(const TmvIniFile& ini);
void WriteControlDefaults(const ControlDefaultsSet& records, TmvIniFile& ini);

// "defaults.ini" in the configuration folder. A file that cannot be read gives a warning
// through prompt (when there is one) and the defaults.
ControlDefaultsSet LoadControlDefaults(Prompter* prompt);
// FALSE, after a warning through prompt, when the file cannot be written; it then stays as it
// was.
bool SaveControlDefaults(const ControlDefaultsSet& records, Prompter* prompt);
