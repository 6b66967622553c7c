// The settings files as the main window uses them: read at start-up, written at close, and the
// values reaching the commands and windows that use them.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "app/mvStatusWindow.h"
#include "io/mvConfigDialog.h"
#include "io/mvConfigPaths.h"
#include "io/mvDefaultsFile.h"
#include "io/mvIniFile.h"
#include "io/mvSettings.h"
#include "support/testHelpers.h"
#include "support/testPaths.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"

namespace {
QString SettingsPath() {
    return ConfigFilePath(kSettingsFileName);
}
QString DefaultsPath() {
    return ConfigFilePath(kDefaultsFileName);
}

// Each test starts without settings files and leaves none behind.
class MainSettings : public ::testing::Test {
protected:
    void SetUp() override { RemoveFiles(); }
    void TearDown() override { RemoveFiles(); }
    static void RemoveFiles() {
        QFile::remove(SettingsPath());
        QFile::remove(DefaultsPath());
    }
    static void WriteSettingsText(const QByteArray& text) { WriteTestFile(SettingsPath(), text); }
    static TmvIniFile Stored(const QString& path) {
        TmvIniFile ini(path);
        EXPECT_TRUE(ini.Load());
        return ini;
    }
    static void Close(Shell& shell) {
        shell.Main.show();
        ASSERT_TRUE(shell.Main.close());
    }
};

QWidget* StatusFrame(const Shell& shell) {
    return shell.Main.statusWindow()->parentWidget();
}

TEST_F(MainSettings, OpenAndSaveDialogsStartInDefProjectPath) {
    QTemporaryDir projects;
    WriteSettingsText("[General]\r\nDefProjectPath=" + projects.path().toUtf8() + "\r\n");
    Shell shell;
    shell.Main.actFileOpen->trigger();
    shell.Main.mmSaveAs->trigger();
    ASSERT_EQ(shell.Files.Requests.size(), 2u);
    EXPECT_EQ(shell.Files.Requests[0].InitialFolder, projects.path());
    EXPECT_EQ(shell.Files.Requests[1].InitialFolder, projects.path());
}

TEST_F(MainSettings, StatusWindowAfterALoadFollowsStatusCloseProject) {
    const QString sample = SourceDir() + QStringLiteral("/docs/sample.mv");
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close);
        WriteSettingsText(close ? "[Misc]\r\nStatusCloseProject=1\r\n"
                                : "[Misc]\r\nStatusCloseProject=0\r\n");
        Shell shell;
        shell.Main.show();
        ASSERT_TRUE(shell.Main.OpenProject(sample));
        EXPECT_EQ(StatusFrame(shell)->isHidden(), close);
        shell.Doc().Modified = false;
    }
}

// A first run leaves both files with every key, windows that this build lacks included; the
// next start reads the control defaults back.
TEST_F(MainSettings, FirstCloseWritesEveryKeyAndTheNextStartReadsTheDefaults) {
    {
        Shell shell;
        Close(shell);
    }
    const TmvIniFile settings = Stored(SettingsPath());
    for (const QString& key : WindowPlacementKeys()) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_TRUE(ParsePlacement(settings.ReadString(QStringLiteral("Windows"), key)));
    }
    EXPECT_EQ(settings.KeyCount(QStringLiteral("Grid")), 10);
    TmvIniFile defaults = Stored(DefaultsPath());
    EXPECT_EQ(defaults.SectionNames().size(), kControlTypeCount);
    EXPECT_TRUE(defaults.ValueExists(QStringLiteral("1"), QStringLiteral("StylesLimit")));
    EXPECT_FALSE(defaults.ValueExists(QStringLiteral("0"), QStringLiteral("StylesLimit")));

    defaults.WriteBool(QStringLiteral("0"), QStringLiteral("Enabled"), true);
    defaults.WriteInteger(QStringLiteral("0"), QStringLiteral("Width"), 77);
    defaults.WriteInteger(QStringLiteral("11"), QStringLiteral("GenType"), 1);
    defaults.WriteInteger(QStringLiteral("11"), QStringLiteral("AlignIndex"), 0);
    ASSERT_TRUE(defaults.Save());
    Shell next;
    const ControlDefaultsSet& records = next.Main.ControlDefaultsRecords();
    EXPECT_TRUE(records[ctButton].Enabled);
    EXPECT_EQ(records[ctButton].Width, 77);
    EXPECT_EQ(records[ctScroll].AlignIndex, 3);
}

TEST_F(MainSettings, StatusWindowPlacementIsRestoredButTheWindowStaysHidden) {
    // An older build stored the visibility in the last field.
    WriteSettingsText("[Windows]\r\nStatusWindow=30,40,300,200,1\r\n");
    Shell shell;
    shell.Main.show();
    EXPECT_EQ(StatusFrame(shell)->geometry(), QRect(30, 40, 300, 200));
    EXPECT_TRUE(StatusFrame(shell)->isHidden());
    shell.Main.statusWindow()->ShowStatus();
    Close(shell);
    EXPECT_EQ(Stored(SettingsPath())
                  .ReadString(QStringLiteral("Windows"), QStringLiteral("StatusWindow")),
              QStringLiteral("30,40,300,200,0"));
}

TEST_F(MainSettings, UnusablePlacementsWarnOnceAndAreReplacedAtClose) {
    WriteSettingsText("[Windows]\r\nObjectPalette=left,top\r\nStatusWindow=1,2\r\n"
                      "MenuEditor=5,6,7,8,9,10\r\n");
    {
        Shell shell;
        EXPECT_EQ(MessageCaptions(shell.Prompt, QStringLiteral("Warning")),
                  QStringList{QStringLiteral("Settings Warning")});
        Close(shell);
    }
    const TmvIniFile stored = Stored(SettingsPath());
    for (const char* key : {"ObjectPalette", "StatusWindow", "MenuEditor"})
        EXPECT_TRUE(
            ParsePlacement(stored.ReadString(QStringLiteral("Windows"), QString::fromLatin1(key))))
            << key;
    Shell again;
    EXPECT_TRUE(again.Prompt.Messages.empty());
}

// Placements of windows this build does not have survive a start and a close unchanged.
TEST_F(MainSettings, PlacementsOfOtherWindowsAreKept) {
    WriteSettingsText("[Windows]\r\nObjectBrowser=11,12,0\r\n");
    {
        Shell shell;
        Close(shell);
    }
    const TmvIniFile stored = Stored(SettingsPath());
    EXPECT_EQ(stored.ReadString(QStringLiteral("Windows"), QStringLiteral("ObjectBrowser")),
              QStringLiteral("11,12,0"));
}
// The G key changes the "ShowGrid" setting itself: the preferences show the new value, their
// OK keeps it, and the next start has it.
TEST_F(MainSettings, TheGridKeyChangesTheSetting) {
    bool toggled = false;
    {
        Shell shell;
        shell.Main.show();
        const bool before = shell.Main.CurrentSettings().ShowGrid;
        toggled = !before;
        QTest::keyClick(shell.Main.Surface(), Qt::Key_G);
        EXPECT_EQ(shell.Main.Surface()->ShowGrid(), !before);
        EXPECT_EQ(shell.Main.CurrentSettings().ShowGrid, !before);
        TConfigDialog* preferences = shell.Main.ConfigDialog();
        preferences->LoadFromSettings();
        EXPECT_EQ(preferences->cfGridShow->isChecked(), !before);
        preferences->OkClick();
        EXPECT_EQ(shell.Main.Surface()->ShowGrid(), !before);
        Close(shell);
    }
    Shell next;
    EXPECT_EQ(next.Main.CurrentSettings().ShowGrid, toggled);
    EXPECT_EQ(next.Main.Surface()->ShowGrid(), toggled);
}

} // namespace
