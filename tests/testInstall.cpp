// `make install`: the installed tree holds the program with its helper and help, the desktop
// files, icons and man page; the installed program runs from bin/; an installed program's
// folder is recognised, so its settings go to the user's configuration folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "io/mvConfigPaths.h"
#include "support/testPaths.h"

TEST(Install, InstalledProgramFolderIsRecognisedUnderAnyPrefix) {
    const struct {
        const char* folder;
        bool installed;
    } cases[] = {
        {"/usr/lib/marovel", true},
        {"/usr/local/lib/marovel/", true},
        {"/home/u/tmp/usr/lib/marovel", true},
        {"/work/marovel/build", false},
        {"/usr/lib/marovel-old", false},
        {"/opt/marovel", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsInstalledProgramFolder(QString::fromLatin1(c.folder)), c.installed) << c.folder;
}

TEST(Install, InstallPutsEveryFileWhereTheDesktopFindsIt) {
    QTemporaryDir root;
    const QString buildDir = QFileInfo(MarovelBinary()).absolutePath();
    const QString prefix = root.filePath(QStringLiteral("usr"));
    QProcess install;
    install.start(QStringLiteral(MAROVEL_CMAKE_COMMAND),
                  {QStringLiteral("--install"), buildDir, QStringLiteral("--prefix"), prefix});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().constData();

    const QDir usr(prefix);
    for (const char* file :
         {"lib/marovel/marovel", "lib/marovel/marovel-dde.exe", "lib/marovel/help/index.html",
          "share/marovel/help/index.html", "share/applications/org.marovel.Marovel.desktop",
          "share/metainfo/org.marovel.Marovel.metainfo.xml", "share/man/man1/marovel.1",
          "share/icons/hicolor/48x48/apps/marovel.png",
          "share/icons/hicolor/256x256/apps/marovel.png"})
        EXPECT_TRUE(QFileInfo::exists(usr.filePath(QLatin1String(file)))) << file;
    EXPECT_TRUE(QFileInfo(usr.filePath(QStringLiteral("bin/marovel"))).isSymLink());

    // The installed program runs from bin/ and finds its fonts and resources.
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("MAROVEL_CONFIG_DIR"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    run.setProcessEnvironment(env);
    run.start(usr.filePath(QStringLiteral("bin/marovel")),
              {QStringLiteral("--screenshot"), root.filePath(QStringLiteral("shot.png"))});
    ASSERT_TRUE(run.waitForFinished(120000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().constData();
    EXPECT_TRUE(QFileInfo::exists(root.filePath(QStringLiteral("shot.png"))));
}
