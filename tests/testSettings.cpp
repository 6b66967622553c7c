#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "io/mvConfigPaths.h"
#include "io/mvIniFile.h"
#include "io/mvSettings.h"
#include "support/testHelpers.h"
#include "support/testRecordingPrompter.h"

namespace {

TmvIniFile FromText(const QString& text) {
    TmvIniFile ini;
    ini.SetText(text);
    return ini;
}

// Every non-default value a settings record can hold (with the docked palette restored).
Settings Unusual() {
    Settings s;
    s.UseDefaultFont = false;
    s.DDEName = QStringLiteral("mIRC32");
    s.DefProjectPath = QStringLiteral("C:\\Projeler");
    s.PreviewFix = true;
    s.LegacyCodePage = 1250;
    s.AutoSaveSeconds = 30;
    s.AutoTab = false;
    s.AutoStartSize = true;
    s.AutoStartMove = true;
    s.AlwaysUseDBU = false;
    s.BringToFront = false;
    s.TextBorder = false;
    s.HotTracking = true;
    s.HotTrackColor = 0x00FF00;
    s.StartID = 100;
    s.PaletteOrientation = 6;
    s.PaletteShowDock = false;
    s.PaletteFlat = false;
    s.ShowGrid = true;
    s.ShowTabs = true;
    s.SnapSize = true;
    s.SnapMove = true;
    s.SnapDialog = true;
    s.SnapToGuides = false;
    s.GridSizeX = 5;
    s.GridSizeY = 7;
    s.GridColor = 0x808080;
    s.GridType = 1;
    s.ImportCloseStatus = false;
    s.PromptAll = false;
    s.PromptTab = true;
    s.StatusCloseProject = false;
    s.Windows.MainWindow = TmvPlacement::Long(1, 2, 801, 602, 1);
    s.Windows.MainDialog = TmvPlacement::Long(10, 20, 330, 260, 1);
    s.Windows.ObjectPalette = TmvPlacement::Short(5, 6, false);
    s.Windows.ObjectBrowser = TmvPlacement::Short(7, 8, true);
    s.Windows.MenuEditor = TmvPlacement::Long(9, 10, 455, 185, 1);
    s.Windows.StatusWindow = TmvPlacement::Long(11, 12, 300, 200, 0);
    s.RecentFiles.Add(QStringLiteral("C:\\a.mv"));
    s.RecentFiles.Add(QStringLiteral("C:\\b.mv"));
    return s;
}

QString Written(const Settings& s) {
    TmvIniFile ini;
    WriteSettings(s, ini);
    return ini.Text();
}

// Points the configuration folder at a fresh temporary folder for one test.
class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = qgetenv("MAROVEL_CONFIG_DIR");
        qputenv("MAROVEL_CONFIG_DIR", dir_.path().toUtf8());
    }
    void TearDown() override { qputenv("MAROVEL_CONFIG_DIR", saved_); }
    QString SettingsPath() const { return dir_.filePath(QStringLiteral("marovel.ini")); }
    void WriteSettingsFile(const QByteArray& bytes) const {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
    QByteArray saved_;
    RecordingPrompter prompt_;
};

} // namespace

TEST(Settings, EmptyFileGivesEveryDefault) {
    const Settings s = ReadSettings(TmvIniFile());
    EXPECT_TRUE(s.SaveWindowPos);
    EXPECT_TRUE(s.UseDefaultFont);
    EXPECT_EQ(s.DDEName, "mIRC");
    EXPECT_EQ(s.DefProjectPath, "");
    EXPECT_FALSE(s.PreviewFix);
    EXPECT_EQ(s.LegacyCodePage, DefaultLegacyCodePage());
    EXPECT_TRUE(s.AutoTab);
    EXPECT_FALSE(s.AutoStartSize);
    EXPECT_FALSE(s.AutoStartMove);
    EXPECT_TRUE(s.AlwaysUseDBU);
    EXPECT_TRUE(s.BringToFront);
    EXPECT_TRUE(s.TextBorder);
    EXPECT_FALSE(s.HotTracking);
    EXPECT_EQ(s.HotTrackColor, 255);
    EXPECT_EQ(s.StartID, 1);
    EXPECT_EQ(s.PaletteOrientation, 1);
    EXPECT_TRUE(s.PaletteShowDock);
    EXPECT_TRUE(s.PaletteFlat);
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_FALSE(s.ShowTabs);
    EXPECT_FALSE(s.SnapSize);
    EXPECT_FALSE(s.SnapMove);
    EXPECT_FALSE(s.SnapDialog);
    EXPECT_TRUE(s.SnapToGuides);
    EXPECT_EQ(s.GridSizeX, 8);
    EXPECT_EQ(s.GridSizeY, 8);
    EXPECT_EQ(s.GridColor, 0);
    EXPECT_EQ(s.GridType, 0);
    EXPECT_TRUE(s.ImportCloseStatus);
    EXPECT_TRUE(s.PromptAll);
    EXPECT_FALSE(s.PromptTab);
    EXPECT_TRUE(s.StatusCloseProject);
    EXPECT_FALSE(s.Windows.MainWindow || s.Windows.MainDialog || s.Windows.ObjectPalette ||
                 s.Windows.ObjectBrowser || s.Windows.MenuEditor || s.Windows.StatusWindow);
    EXPECT_TRUE(s.RecentFiles.IsEmpty());
}

TEST(Settings, SavedFileHoldsEveryKeyInTheWritersOrder) {
    EXPECT_EQ(Written(Unusual()), QStringLiteral("[General]\n"
                                                 "SaveWindowPos=1\n"
                                                 "UseDefaultFont=0\n"
                                                 "PreviewFix=1\n"
                                                 "DDEName=mIRC32\n"
                                                 "DefProjectPath=C:\\Projeler\n"
                                                 "LegacyCodePage=1250\n"
                                                 "AutoSaveSeconds=30\n"
                                                 "Recent=2\n"
                                                 "\n"
                                                 "[Defaults]\n"
                                                 "AutoTab=0\n"
                                                 "AutoStartSize=1\n"
                                                 "AutoStartMove=1\n"
                                                 "AlwaysUseDBU=0\n"
                                                 "BringToFront=0\n"
                                                 "TextBorder=0\n"
                                                 "HotTracking=1\n"
                                                 "HotTrackColor=65280\n"
                                                 "\n"
                                                 "[IDMan]\n"
                                                 "Start=100\n"
                                                 "\n"
                                                 "[Palette]\n"
                                                 "Orientation=6\n"
                                                 "ShowDock=0\n"
                                                 "Flat=0\n"
                                                 "\n"
                                                 "[Grid]\n"
                                                 "ShowGrid=1\n"
                                                 "ShowTabs=1\n"
                                                 "SnapSize=1\n"
                                                 "SnapMove=1\n"
                                                 "SnapDialog=1\n"
                                                 "SnapToGuides=0\n"
                                                 "SizeX=5\n"
                                                 "SizeY=7\n"
                                                 "GridColor=8421504\n"
                                                 "GridType=1\n"
                                                 "\n"
                                                 "[Import]\n"
                                                 "CloseStatus=0\n"
                                                 "\n"
                                                 "[Misc]\n"
                                                 "PromptAll=0\n"
                                                 "PromptTab=1\n"
                                                 "StatusCloseProject=0\n"
                                                 "\n"
                                                 "[Windows]\n"
                                                 "MainDialog=10,20,330,260,1\n"
                                                 "ObjectPalette=5,6,0\n"
                                                 "ObjectBrowser=7,8,1\n"
                                                 "MenuEditor=9,10,455,185,1\n"
                                                 "StatusWindow=11,12,300,200,0\n"
                                                 "MainWindow=1,2,801,602,1\n"
                                                 "\n"
                                                 "[Recent]\n"
                                                 "0=C:\\a.mv\n"
                                                 "1=C:\\b.mv\n"
                                                 "\n"));
}

TEST(Settings, EveryKeyReadsBackWhatWasWritten) {
    const QString first = Written(Unusual());
    const Settings read = ReadSettings(FromText(first));
    EXPECT_EQ(Written(read), first);
    EXPECT_EQ(read.DDEName, "mIRC32");
    EXPECT_FALSE(read.PaletteShowDock);
    EXPECT_EQ(read.RecentFiles.Paths(),
              QStringList({QStringLiteral("C:\\a.mv"), QStringLiteral("C:\\b.mv")}));
}

TEST(Settings, LegacyCodePageThatCannotBeReadWarnsAndGivesTheDefault) {
    struct Case {
        const char* Value;
        int Read;
        bool Warned;
    };
    for (const Case& c : std::vector<Case>{{"1257", 1257, false},
                                           {"932", 932, false},
                                           {"99999", DefaultLegacyCodePage(), true},
                                           {"-1", DefaultLegacyCodePage(), true},
                                           {"cp1250", DefaultLegacyCodePage(), false}}) {
        QStringList warnings;
        const Settings s = ReadSettings(
            FromText(QStringLiteral("[General]\nLegacyCodePage=%1\n").arg(c.Value)), &warnings);
        EXPECT_EQ(s.LegacyCodePage, c.Read) << c.Value;
        EXPECT_EQ(warnings.size(), c.Warned ? 1 : 0) << c.Value;
    }
}

TEST(Settings, AutoSaveDelayKeepsToItsBounds) {
    for (const auto& [value, read] : std::vector<std::pair<const char*, int>>{
             {"0", 0}, {"25", 25}, {"-5", 0}, {"99999", kMaxAutoSaveSeconds}, {"soon", 10}}) {
        const Settings s =
            ReadSettings(FromText(QStringLiteral("[General]\nAutoSaveSeconds=%1\n").arg(value)));
        EXPECT_EQ(s.AutoSaveSeconds, read) << value;
    }
    EXPECT_EQ(Settings().AutoSaveSeconds, 10);
}

TEST(Settings, SaveWindowPosOffReadsBack) {
    Settings s;
    s.SaveWindowPos = false;
    EXPECT_FALSE(ReadSettings(FromText(Written(s))).SaveWindowPos);
}

TEST(Settings, NonIntegerValuesGiveTheDefaults) {
    const Settings s = ReadSettings(
        FromText(QStringLiteral("[Grid]\nSizeX=abc\nSizeY=0x10\nShowGrid=yes\nGridType=\n"
                                "[IDMan]\nStart=1e3\n[Defaults]\nHotTrackColor=0x00FF00\n")));
    EXPECT_EQ(s.GridSizeX, 8);
    EXPECT_EQ(s.GridSizeY, 16);
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_EQ(s.GridType, 0);
    EXPECT_EQ(s.StartID, 1);
    EXPECT_EQ(s.HotTrackColor, 0x00FF00);
}

TEST(Settings, KeysAreFoundWhateverTheirCase) {
    const Settings s = ReadSettings(FromText(QStringLiteral("[general]\nddename=MIRC2\n")));
    EXPECT_EQ(s.DDEName, "MIRC2");
}

struct DockCase {
    const char* Text;
    bool ShowDock;
};

class PaletteDockTest : public ::testing::TestWithParam<DockCase> {};

TEST_P(PaletteDockTest, ShowDockIsReadOnlyForDockedOrientationsWithPlacementsRestored) {
    EXPECT_EQ(ReadSettings(FromText(QString::fromLatin1(GetParam().Text))).PaletteShowDock,
              GetParam().ShowDock)
        << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PaletteDockTest,
    ::testing::Values(DockCase{"[Palette]\nOrientation=1\nShowDock=0\n", true},
                      DockCase{"[Palette]\nOrientation=4\nShowDock=0\n", true},
                      DockCase{"[Palette]\nOrientation=5\nShowDock=0\n", false},
                      DockCase{"[Palette]\nOrientation=8\nShowDock=0\n", false},
                      DockCase{"[General]\nSaveWindowPos=0\n[Palette]\nOrientation=5\n"
                               "ShowDock=0\n",
                               true}));

struct PlacementCase {
    const char* Text;
    bool Valid;
    bool HasSize = false;
    int Left = 0, Top = 0, Third = 0, Fourth = 0, Flag = 0;
    bool FlagIsOne = false;
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, ParsesThreeOrFiveNumbersAndRejectsTheRest) {
    const PlacementCase& c = GetParam();
    QString error;
    const std::optional<TmvPlacement> p = ParsePlacement(QString::fromLatin1(c.Text), &error);
    ASSERT_EQ(p.has_value(), c.Valid) << c.Text;
    if (!p) {
        EXPECT_FALSE(error.isEmpty());
        return;
    }
    EXPECT_EQ(p->HasSize, c.HasSize);
    EXPECT_EQ(p->Left, c.Left);
    EXPECT_EQ(p->Top, c.Top);
    EXPECT_EQ(p->Third, c.Third);
    EXPECT_EQ(p->Fourth, c.Fourth);
    EXPECT_EQ(p->Flag, c.Flag);
    EXPECT_EQ(p->FlagIsOne, c.FlagIsOne);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PlacementTest,
    ::testing::Values(PlacementCase{"10,20,1", true, false, 10, 20, 0, 0, 1, true},
                      PlacementCase{"10,20,0", true, false, 10, 20, 0, 0, 0, false},
                      PlacementCase{"-4,-4,1028,742,1", true, true, -4, -4, 1028, 742, 1, true},
                      PlacementCase{"1,2,3,4,2", true, true, 1, 2, 3, 4, 2, false},
                      PlacementCase{"1,2,01", true, false, 1, 2, 0, 0, 1, false},
                      PlacementCase{",1,2,1,", true, false, 1, 2, 0, 0, 1, true},
                      PlacementCase{"", false}, PlacementCase{"1", false},
                      PlacementCase{"1,2", false}, PlacementCase{"1,2,3,4", false},
                      PlacementCase{"1,2,3,4,5,6", false}, PlacementCase{"a,b,c", false},
                      PlacementCase{"1,,3", false}, PlacementCase{"1,2,0x1", false},
                      PlacementCase{"1,2,3,4,x", false}));

TEST(Settings, PlacementFormatsReadBack) {
    for (const TmvPlacement& p :
         {TmvPlacement::Short(-3, 40, true), TmvPlacement::Long(0, 0, 320, 240, 1)}) {
        const std::optional<TmvPlacement> again = ParsePlacement(FormatPlacement(p));
        ASSERT_TRUE(again);
        EXPECT_EQ(FormatPlacement(*again), FormatPlacement(p));
        EXPECT_EQ(again->FlagIsOne, p.FlagIsOne);
    }
    EXPECT_EQ(FormatPlacement(TmvPlacement::Short(1, 2, false)), "1,2,0");
    EXPECT_EQ(FormatPlacement(TmvPlacement::Long(1, 2, 3, 4, 5)), "1,2,3,4,5");
}

TEST(Settings, BadPlacementIsLeftOutWithAWarning) {
    QStringList warnings;
    const Settings s =
        ReadSettings(FromText(QStringLiteral("[Windows]\nMenuEditor=1,2\nMainWindow=0,0,800,600,1\n"
                                             "StatusWindow=x,y,z,w,0\n[Grid]\nSizeX=4\n")),
                     &warnings);
    EXPECT_FALSE(s.Windows.MenuEditor);
    EXPECT_FALSE(s.Windows.StatusWindow);
    ASSERT_TRUE(s.Windows.MainWindow);
    EXPECT_EQ(s.Windows.MainWindow->Third, 800);
    EXPECT_EQ(s.GridSizeX, 4);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("MenuEditor")));
    EXPECT_TRUE(warnings[1].contains(QStringLiteral("StatusWindow")));
}

TEST(RecentFiles, EleventhDistinctFilePushesTheOldestOut) {
    TmvRecentFiles recent;
    for (int i = 1; i <= 11; ++i)
        recent.Add(QStringLiteral("/p/%1.mv").arg(i));
    ASSERT_EQ(recent.Paths().size(), 10);
    EXPECT_EQ(recent.Paths().first(), "/p/2.mv");
    EXPECT_EQ(recent.Paths().last(), "/p/11.mv");
}

TEST(RecentFiles, ReopenedFileMovesToTheEndCaseAsTheFileSystemDoes) {
    TmvRecentFiles recent;
    recent.Add(QStringLiteral("/work/A.mv"));
    recent.Add(QStringLiteral("/work/B.mv"));
    recent.Add(QStringLiteral("/work/a.MV"));
    recent.Add(QStringLiteral("/work/B.mv"));
    recent.Add(QString());
#ifdef Q_OS_WIN
    const QStringList expected = {"/work/a.MV", "/work/B.mv"};
#else
    const QStringList expected = {"/work/A.mv", "/work/a.MV", "/work/B.mv"}; // two files here
#endif
    EXPECT_EQ(recent.Paths(), expected);
}

TEST(RecentFiles, MenuListsTheNewestFirst) {
    TmvRecentFiles recent;
    for (int i = 1; i <= 12; ++i)
        recent.Add(QStringLiteral("/p/%1.mv").arg(i));
    const QStringList captions = recent.MenuCaptions();
    ASSERT_EQ(captions.size(), 10);
    EXPECT_EQ(captions.first(), "1. /p/12.mv");
    EXPECT_EQ(captions.last(), "10. /p/3.mv");
    EXPECT_TRUE(TmvRecentFiles().MenuCaptions().isEmpty());
}

struct RecentLoadCase {
    const char* Text;
    QStringList Expected;
};

class RecentLoadTest : public ::testing::TestWithParam<RecentLoadCase> {};

TEST_P(RecentLoadTest, ReadsTheCountedEntriesInIndexOrder) {
    const TmvRecentFiles recent = ReadRecentFiles(FromText(QString::fromLatin1(GetParam().Text)));
    EXPECT_EQ(recent.Paths(), GetParam().Expected) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    RecentFiles, RecentLoadTest,
    ::testing::Values(
        RecentLoadCase{"", {}},
        RecentLoadCase{"[General]\nRecent=3\n[Recent]\n0=/a\n1=/b\n2=/c\n", {"/a", "/b", "/c"}},
        RecentLoadCase{"[General]\nRecent=2\n[Recent]\n0=/a\n1=/b\n2=/c\n", {"/a", "/b"}},
        RecentLoadCase{"[General]\nRecent=3\n[Recent]\n2=/c\n0=/a\n1=/b\n", {"/a", "/b", "/c"}},
        RecentLoadCase{"[Recent]\n0=/a\n", {}},
        RecentLoadCase{"[General]\nRecent=2000000000\n[Recent]\n0=/a\n5=/b\n", {"/a", "/b"}},
        RecentLoadCase{"[General]\nRecent=3\n[Recent]\n0=/a\n1=\n2=/a\n", {"/a"}},
        RecentLoadCase{"[General]\nRecent=12\n[Recent]\n0=/0\n1=/1\n2=/2\n3=/3\n4=/4\n5=/5\n"
                       "6=/6\n7=/7\n8=/8\n9=/9\n10=/10\n11=/11\n",
                       {"/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10", "/11"}}));

TEST(RecentFiles, SavesTheEntriesThenTheCount) {
    TmvRecentFiles recent;
    recent.Add(QStringLiteral("/x.mv"));
    recent.Add(QStringLiteral("/y.mv"));
    TmvIniFile ini;
    WriteRecentFiles(recent, ini);
    EXPECT_EQ(ini.Text(), QStringLiteral("[Recent]\n0=/x.mv\n1=/y.mv\n\n[General]\nRecent=2\n\n"));
}

TEST_F(SettingsFiles, FreshInstallationStartsWithDefaultsAndWritesEveryKeyOnClose) {
    const Settings s = LoadSettings(&prompt_);
    EXPECT_TRUE(prompt_.Messages.empty());
    EXPECT_EQ(s.DDEName, "mIRC");
    EXPECT_EQ(s.GridSizeX, 8);
    EXPECT_EQ(s.StartID, 1);
    EXPECT_TRUE(s.AlwaysUseDBU);
    ASSERT_TRUE(SaveSettings(s, &prompt_));
    TmvIniFile saved(SettingsPath());
    ASSERT_TRUE(saved.Load());
    EXPECT_EQ(saved.Text(), Written(s));
    EXPECT_EQ(saved.KeyCount(QStringLiteral("General")), 8);
    EXPECT_EQ(saved.KeyCount(QStringLiteral("Grid")), 10);
}

TEST_F(SettingsFiles, SaveKeepsWhatTheFileHoldsBesidesTheProgramsKeys) {
    WriteSettingsFile("[Plugin]\nColour=blue\n\n[General]\nDDEName=old\nExtra=kept\n");
    Settings s = LoadSettings(&prompt_);
    EXPECT_EQ(s.DDEName, "old");
    s.DDEName = QStringLiteral("new");
    ASSERT_TRUE(SaveSettings(s, &prompt_));
    TmvIniFile saved(SettingsPath());
    ASSERT_TRUE(saved.Load());
    EXPECT_EQ(saved.SectionNames().first(), "Plugin");
    EXPECT_EQ(saved.ReadString(QStringLiteral("Plugin"), QStringLiteral("Colour")), "blue");
    EXPECT_EQ(saved.ReadString(QStringLiteral("General"), QStringLiteral("Extra")), "kept");
    EXPECT_EQ(saved.ReadString(QStringLiteral("General"), QStringLiteral("DDEName")), "new");
}

TEST_F(SettingsFiles, LoadRoundTripsThroughTheFile) {
    ASSERT_TRUE(SaveSettings(Unusual(), &prompt_));
    EXPECT_EQ(Written(LoadSettings(&prompt_)), Written(Unusual()));
    EXPECT_TRUE(prompt_.Messages.empty());
}

TEST_F(SettingsFiles, BadPlacementOnLoadWarnsOnceAndKeepsTheOtherSettings) {
    WriteSettingsFile("[Windows]\nObjectPalette=1\nObjectBrowser=a,b,1\n[Grid]\nSizeY=3\n");
    const Settings s = LoadSettings(&prompt_);
    EXPECT_EQ(s.GridSizeY, 3);
    EXPECT_FALSE(s.Windows.ObjectPalette);
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Kind, "Warning");
    EXPECT_EQ(prompt_.Messages[0].Caption, "Settings Warning");
    EXPECT_TRUE(prompt_.Messages[0].Text.contains(QStringLiteral("ObjectPalette")));
    EXPECT_TRUE(prompt_.Messages[0].Text.contains(QStringLiteral("ObjectBrowser")));
}

TEST_F(SettingsFiles, UnreadableFileWarnsAndGivesTheDefaultsWithoutBeingReplaced) {
    ASSERT_TRUE(QDir().mkpath(SettingsPath())); // a folder where the file should be
    const Settings s = LoadSettings(&prompt_);
    EXPECT_EQ(s.DDEName, "mIRC");
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Caption, "Settings Warning");
    EXPECT_FALSE(SaveSettings(s, &prompt_));
    EXPECT_EQ(prompt_.Messages.size(), 2u);
    EXPECT_TRUE(QFileInfo(SettingsPath()).isDir());
}

TEST_F(SettingsFiles, UnwritableFolderWarnsAndReturnsFalse) {
    const QString plainFile = dir_.filePath(QStringLiteral("plain"));
    {
        QFile file(plainFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    qputenv("MAROVEL_CONFIG_DIR", (plainFile + QStringLiteral("/config")).toUtf8());
    EXPECT_FALSE(SaveSettings(Settings(), &prompt_));
    ASSERT_EQ(prompt_.Messages.size(), 1u);
    EXPECT_EQ(prompt_.Messages[0].Kind, "Warning");
    EXPECT_TRUE(prompt_.Messages[0].Text.contains(QStringLiteral("marovel.ini")));
    EXPECT_FALSE(SaveSettings(Settings(), nullptr)); // no one to tell: still no crash
}

TEST_F(SettingsFiles, ConfigFolderIsTheOneTheEnvironmentNames) {
    EXPECT_EQ(ConfigFolder(), QDir::cleanPath(dir_.path()));
    EXPECT_EQ(ConfigFilePath(QStringLiteral("defaults.ini")),
              dir_.filePath(QStringLiteral("defaults.ini")));
    const QString nested = dir_.filePath(QStringLiteral("a/b"));
    qputenv("MAROVEL_CONFIG_DIR", nested.toUtf8());
    EXPECT_EQ(ConfigFolder(), nested);
    EXPECT_TRUE(QFileInfo(nested).isDir());
}

TEST_F(SettingsFiles, WithoutTheEnvironmentTheExecutablesFolderIsUsedWhenWritable) {
    qunsetenv("MAROVEL_CONFIG_DIR");
    // Tests run from the build tree, which is writable.
    EXPECT_EQ(ConfigFolder(), QCoreApplication::applicationDirPath());
}
