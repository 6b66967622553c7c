// "defaults.ini": the twelve per-type records, the keys each section carries, the scroll rule.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "io/mvConfigPaths.h"
#include "io/mvDefaultsFile.h"
#include "io/mvIniFile.h"
#include "support/scopedEnvironment.h"
#include "support/testHelpers.h"
#include "support/testRecordingPrompter.h"

namespace {
const QStringList kCommonKeys = {"Enabled",       "AlignIndex", "GenType",     "Width",
                                 "Height",        "DimenDBU",   "UseX",        "UseY",
                                 "StylesDisable", "StylesHide", "StylesGroup", "StylesResult"};

// Every field away from its default, different for each type.
ControlDefaultsSet Unusual() {
    ControlDefaultsSet set;
    for (int type = 0; type < kControlTypeCount; ++type) {
        ControlDefaults& d = set[size_t(type)];
        d.Enabled = true;
        d.AlignIndex = type == ctScroll ? 1 : type % 3;
        d.GenType = type == ctScroll ? 1 : type % 2;
        d.Width = 60 + type;
        d.Height = 20 + type;
        d.DimenDBU = type % 2 == 0;
        d.UseX = true;
        d.UseY = type % 3 == 0;
        d.StylesDisable = d.StylesHide = d.StylesGroup = d.StylesResult = true;
        d.StylesVSBar = d.StylesHSBar = d.StylesSize = d.StylesSort = d.StylesExtSel = true;
        d.StylesEdit = d.StylesAutoHS = d.StylesAutoVS = d.StylesMulti = d.StylesPass = true;
        d.StylesRead = d.StylesReturn = d.StylesNoBorder = d.StylesState3 = true;
        d.StylesDefault = d.StylesFlat = d.StylesAutoSize = d.StylesNoWrap = true;
        d.StylesLimit = 10 + type;
        d.StylesRange = -type;
        d.StylesRange2 = 100 * type;
    }
    return set;
}

// The record as the file can carry it: keys the type's section does not hold keep defaults.
ControlDefaults Applicable(int type, const ControlDefaults& full) {
    ControlDefaults d;
    d.Enabled = full.Enabled;
    d.AlignIndex = full.AlignIndex;
    d.GenType = full.GenType;
    d.Width = full.Width;
    d.Height = full.Height;
    d.DimenDBU = full.DimenDBU;
    d.UseX = full.UseX;
    d.UseY = full.UseY;
    d.StylesDisable = full.StylesDisable;
    d.StylesHide = full.StylesHide;
    d.StylesGroup = full.StylesGroup;
    d.StylesResult = full.StylesResult;
    const auto is = [type](std::initializer_list<int> types) {
        return std::find(types.begin(), types.end(), type) != types.end();
    };
    if (is({ctEdit, ctCombo, ctList}))
        d.StylesVSBar = full.StylesVSBar, d.StylesHSBar = full.StylesHSBar;
    if (is({ctCombo, ctList})) d.StylesSize = full.StylesSize, d.StylesSort = full.StylesSort;
    if (is({ctEdit, ctCombo})) d.StylesLimit = full.StylesLimit;
    if (is({ctText, ctLink})) d.StylesAutoSize = full.StylesAutoSize;
    if (is({ctButton, ctEdit})) d.StylesMulti = full.StylesMulti;
    if (is({ctButton, ctCheck, ctRadio})) d.StylesFlat = full.StylesFlat;
    if (is({ctButton})) d.StylesDefault = full.StylesDefault;
    if (is({ctEdit})) {
        d.StylesAutoHS = full.StylesAutoHS;
        d.StylesAutoVS = full.StylesAutoVS;
        d.StylesPass = full.StylesPass;
        d.StylesRead = full.StylesRead;
        d.StylesReturn = full.StylesReturn;
    }
    if (is({ctCombo})) d.StylesEdit = full.StylesEdit;
    if (is({ctText})) d.StylesNoWrap = full.StylesNoWrap;
    if (is({ctList})) d.StylesExtSel = full.StylesExtSel;
    if (is({ctCheck})) d.StylesState3 = full.StylesState3;
    if (is({ctIcon})) d.StylesNoBorder = full.StylesNoBorder;
    if (is({ctScroll})) d.StylesRange = full.StylesRange, d.StylesRange2 = full.StylesRange2;
    return d;
}

TEST(DefaultsFile, RoundTripKeepsWhatEachTypeStores) {
    const ControlDefaultsSet written = Unusual();
    TmvIniFile ini;
    WriteControlDefaults(written, ini);
    const ControlDefaultsSet read = ReadControlDefaults(ini);
    for (int type = 0; type < kControlTypeCount; ++type)
        EXPECT_EQ(read[size_t(type)], Applicable(type, written[size_t(type)])) << type;
}

TEST(DefaultsFile, SectionsHoldTheirTypesKeysInTheWritersOrder) {
    struct Case {
        int Type;
        QStringList Extra;
    };
    const std::vector<Case> cases = {
        {ctButton, {"StylesMulti", "StylesFlat", "StylesDefault"}},
        {ctEdit,
         {"StylesVSBar", "StylesHSBar", "StylesLimit", "StylesMulti", "StylesAutoHS",
          "StylesAutoVS", "StylesPass", "StylesRead", "StylesReturn"}},
        {ctCombo,
         {"StylesVSBar", "StylesHSBar", "StylesSize", "StylesSort", "StylesLimit", "StylesEdit"}},
        {ctText, {"StylesAutoSize", "StylesNoWrap"}},
        {ctBox, {}},
        {ctList, {"StylesVSBar", "StylesHSBar", "StylesSize", "StylesSort", "StylesExtSel"}},
        {ctCheck, {"StylesFlat", "StylesState3"}},
        {ctRadio, {"StylesFlat"}},
        {ctLink, {"StylesAutoSize"}},
        {ctIcon, {"StylesNoBorder"}},
        {ctTab, {}},
        {ctScroll, {"StylesRange", "StylesRange2"}},
    };
    TmvIniFile ini;
    WriteControlDefaults(ControlDefaultsSet(), ini);
    EXPECT_EQ(ini.SectionNames(),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}));
    for (const Case& c : cases)
        EXPECT_EQ(ini.Keys(QString::number(c.Type)), kCommonKeys + c.Extra) << c.Type;
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("0"), QStringLiteral("StylesLimit")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("1"), QStringLiteral("StylesLimit")));
}

TEST(DefaultsFile, ValuesAreWrittenAsTheFileFormatWants) {
    ControlDefaultsSet set;
    set[ctEdit].Enabled = true;
    set[ctEdit].Width = 120;
    set[ctEdit].StylesLimit = -5;
    TmvIniFile ini;
    WriteControlDefaults(set, ini);
    EXPECT_EQ(ini.ReadString(QStringLiteral("1"), QStringLiteral("Enabled")), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("1"), QStringLiteral("UseX")), QStringLiteral("0"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("1"), QStringLiteral("Width")), QStringLiteral("120"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("1"), QStringLiteral("StylesLimit")),
              QStringLiteral("-5"));
}

TEST(DefaultsFile, ReaderReadsEveryKeyForEveryType) {
    // A hand-edited file may give a button a limit; the record takes it.
    TmvIniFile ini;
    ini.SetText(QStringLiteral("[0]\nStylesLimit=7\nStylesRange=3\nWidth=x\nHeight=0x20\n"));
    const ControlDefaultsSet set = ReadControlDefaults(ini);
    EXPECT_EQ(set[ctButton].StylesLimit, 7);
    EXPECT_EQ(set[ctButton].StylesRange, 3);
    EXPECT_EQ(set[ctButton].Width, 50); // not an integer: the default
    EXPECT_EQ(set[ctButton].Height, 32);
    EXPECT_EQ(set[ctEdit], ControlDefaults());
}

TEST(DefaultsFile, ScrollAlignmentIsMadeToFitItsKind) {
    struct Case {
        int GenType, AlignIndex, Read;
    };
    for (const Case& c :
         std::vector<Case>{{1, 0, 3}, {1, 2, 3}, {1, 1, 1}, {0, 1, 0}, {0, 3, 0}, {0, 2, 2}}) {
        TmvIniFile ini;
        ini.SetText(QStringLiteral("[11]\nGenType=%1\nAlignIndex=%2\n[6]\nGenType=%1\n"
                                   "AlignIndex=%2\n")
                        .arg(c.GenType)
                        .arg(c.AlignIndex));
        const ControlDefaultsSet set = ReadControlDefaults(ini);
        EXPECT_EQ(set[ctScroll].AlignIndex, c.Read) << c.GenType << "," << c.AlignIndex;
        EXPECT_EQ(set[ctCheck].AlignIndex, c.AlignIndex); // only the scroll bar is corrected
    }
}

class DefaultsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { env_.Set("MAROVEL_CONFIG_DIR", dir_.path().toLocal8Bit()); }
    QTemporaryDir dir_;
    TestScopedEnvironment env_;
};

TEST_F(DefaultsFileOnDisk, MissingFileGivesTheDefaults) {
    RecordingPrompter prompt;
    EXPECT_EQ(LoadControlDefaults(&prompt), ControlDefaultsSet());
    EXPECT_TRUE(prompt.Messages.empty());
}

TEST_F(DefaultsFileOnDisk, SavedRecordsComeBackAndOtherKeysSurvive) {
    {
        TmvIniFile ini(ConfigFilePath(QStringLiteral("defaults.ini")));
        ini.WriteString(QStringLiteral("Extra"), QStringLiteral("Kept"), QStringLiteral("yes"));
        ASSERT_TRUE(ini.Save());
    }
    RecordingPrompter prompt;
    const ControlDefaultsSet written = Unusual();
    ASSERT_TRUE(SaveControlDefaults(written, &prompt));
    const ControlDefaultsSet read = LoadControlDefaults(&prompt);
    for (int type = 0; type < kControlTypeCount; ++type)
        EXPECT_EQ(read[size_t(type)], Applicable(type, written[size_t(type)])) << type;
    TmvIniFile ini(QDir(dir_.path()).filePath(QStringLiteral("defaults.ini")));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Extra"), QStringLiteral("Kept")),
              QStringLiteral("yes"));
    EXPECT_TRUE(prompt.Messages.empty());
}

TEST_F(DefaultsFileOnDisk, AnUnwritableFileGivesAWarning) {
    // A folder below a regular file cannot exist, even for root.
    const QString blocker = QDir(dir_.path()).filePath(QStringLiteral("blocker"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    env_.Set("MAROVEL_CONFIG_DIR", (blocker + QStringLiteral("/config")).toLocal8Bit());
    RecordingPrompter prompt;
    EXPECT_FALSE(SaveControlDefaults(Unusual(), &prompt));
    ASSERT_EQ(prompt.Messages.size(), 1u);
    EXPECT_EQ(prompt.Messages[0].Kind, QStringLiteral("Warning"));
    EXPECT_TRUE(prompt.Messages[0].Text.contains(QStringLiteral("defaults.ini")));
}
} // namespace
