#include "io/mvDefaultsFile.h"

#include <variant>

#include "io/mvConfigPaths.h"
#include "io/mvIniFile.h"
#include "io/mvSettings.h"
#include "model/mvScrollAlignment.h"
#include "surface/mvInteraction.h"

namespace {
using BoolField = bool ControlDefaults::*;
using IntField = int ControlDefaults::*;

constexpr unsigned TypeBit(int type) {
    return 1u << unsigned(type);
}
constexpr unsigned kAllTypes = (1u << kControlTypeCount) - 1;

// One key of a record: its name, its field and the types whose sections carry it.
struct DefaultsKey {
    const char* Name;
    std::variant<BoolField, IntField> Field;
    unsigned Types;
};

// In the writer's order: the common keys, then the type-specific ones.
const std::vector<DefaultsKey>& Keys() {
    using D = ControlDefaults;
    static const std::vector<DefaultsKey> keys = {
        {"Enabled", &D::Enabled, kAllTypes},
        {"AlignIndex", &D::AlignIndex, kAllTypes},
        {"GenType", &D::GenType, kAllTypes},
        {"Width", &D::Width, kAllTypes},
        {"Height", &D::Height, kAllTypes},
        {"DimenDBU", &D::DimenDBU, kAllTypes},
        {"UseX", &D::UseX, kAllTypes},
        {"UseY", &D::UseY, kAllTypes},
        {"StylesDisable", &D::StylesDisable, kAllTypes},
        {"StylesHide", &D::StylesHide, kAllTypes},
        {"StylesGroup", &D::StylesGroup, kAllTypes},
        {"StylesResult", &D::StylesResult, kAllTypes},
        {"StylesVSBar", &D::StylesVSBar, TypeBit(ctEdit) | TypeBit(ctCombo) | TypeBit(ctList)},
        {"StylesHSBar", &D::StylesHSBar, TypeBit(ctEdit) | TypeBit(ctCombo) | TypeBit(ctList)},
        {"StylesSize", &D::StylesSize, TypeBit(ctCombo) | TypeBit(ctList)},
        {"StylesSort", &D::StylesSort, TypeBit(ctCombo) | TypeBit(ctList)},
        {"StylesLimit", &D::StylesLimit, TypeBit(ctEdit) | TypeBit(ctCombo)},
        {"StylesAutoSize", &D::StylesAutoSize, TypeBit(ctText) | TypeBit(ctLink)},
        {"StylesMulti", &D::StylesMulti, TypeBit(ctButton) | TypeBit(ctEdit)},
        {"StylesFlat", &D::StylesFlat, TypeBit(ctButton) | TypeBit(ctCheck) | TypeBit(ctRadio)},
        {"StylesDefault", &D::StylesDefault, TypeBit(ctButton)},
        {"StylesAutoHS", &D::StylesAutoHS, TypeBit(ctEdit)},
        {"StylesAutoVS", &D::StylesAutoVS, TypeBit(ctEdit)},
        {"StylesPass", &D::StylesPass, TypeBit(ctEdit)},
        {"StylesRead", &D::StylesRead, TypeBit(ctEdit)},
        {"StylesReturn", &D::StylesReturn, TypeBit(ctEdit)},
        {"StylesEdit", &D::StylesEdit, TypeBit(ctCombo)},
        {"StylesNoWrap", &D::StylesNoWrap, TypeBit(ctText)},
        {"StylesExtSel", &D::StylesExtSel, TypeBit(ctList)},
        {"StylesState3", &D::StylesState3, TypeBit(ctCheck)},
        {"StylesNoBorder", &D::StylesNoBorder, TypeBit(ctIcon)},
        {"StylesRange", &D::StylesRange, TypeBit(ctScroll)},
        {"StylesRange2", &D::StylesRange2, TypeBit(ctScroll)},
    };
    return keys;
}

} // namespace

ControlDefaultsSet ReadControlDefaults(const TmvIniFile& ini) {
    ControlDefaultsSet records;
    for (int type = 0; type < kControlTypeCount; ++type) {
        ControlDefaults& record = records[size_t(type)];
        const QString section = QString::number(type);
        for (const DefaultsKey& key : Keys()) {
            const QString name = QLatin1String(key.Name);
            if (const BoolField* field = std::get_if<BoolField>(&key.Field))
                record.*(*field) = ini.ReadBool(section, name, record.*(*field));
            else if (const IntField* field = std::get_if<IntField>(&key.Field))
                record.*(*field) = ini.ReadInteger(section, name, record.*(*field));
        }
        if (type == ctScroll)
            record.AlignIndex = ConsistentScrollAlignment(record.GenType, record.AlignIndex);
    }
    return records;
}

void WriteControlDefaults(const ControlDefaultsSet& records, TmvIniFile& ini) {
    for (int type = 0; type < kControlTypeCount; ++type) {
        const ControlDefaults& record = records[size_t(type)];
        const QString section = QString::number(type);
        for (const DefaultsKey& key : Keys()) {
            if (!(key.Types & TypeBit(type))) continue;
            const QString name = QLatin1String(key.Name);
            if (const BoolField* field = std::get_if<BoolField>(&key.Field))
                ini.WriteBool(section, name, record.*(*field));
            else if (const IntField* field = std::get_if<IntField>(&key.Field))
                ini.WriteInteger(section, name, record.*(*field));
        }
    }
}

ControlDefaultsSet LoadControlDefaults(Prompter* prompt) {
    TmvIniFile ini(ConfigFilePath(kDefaultsFileName));
    QString error;
    if (!ini.Load(&error)) {
        SettingsWarning(prompt,
                        QStringLiteral("The control defaults file \"%1\" cannot be read: %2\n"
                                       "The built-in defaults are used.")
                            .arg(ini.FileName(), error));
        return ControlDefaultsSet();
    }
    return ReadControlDefaults(ini);
}

bool SaveControlDefaults(const ControlDefaultsSet& records, Prompter* prompt) {
    TmvIniFile ini(ConfigFilePath(kDefaultsFileName));
    QString error;
    const bool saved =
        ini.Update([&](TmvIniFile& file) { WriteControlDefaults(records, file); }, &error);
    if (!saved)
        SettingsWarning(prompt,
                        QStringLiteral("The control defaults could not be saved to \"%1\": %2")
                            .arg(ini.FileName(), error));
    return saved;
}
