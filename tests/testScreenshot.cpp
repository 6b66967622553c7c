// The screenshot mode of the command line: the main window at 1280 x 800 with the project on
// the surface, as a PNG; a project that cannot be loaded fails without hanging on a message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QTemporaryDir>

#include "app/mvProcessStart.h"
#include "model/mvControls.h"
#include "model/mvSystemColors.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testProcess.h"
#include "support/testProjectHelpers.h"

namespace {
#ifdef Q_OS_WIN
// Offscreen on Windows the menus and captions are in the system's message font (a name such as
// "MS Shell Dlg" resolved to the face it stands for), not in the font folder's first font.
TEST(Screenshot, OffscreenInterfaceFontIsTheSystemsMessageFont) {
    const QFont before = QApplication::font();
    UseSystemInterfaceFont();
    const QFont font = QApplication::font();
    QApplication::setFont(before);
    EXPECT_EQ(QFontInfo(font).family(), font.family());
    EXPECT_NE(font.family(), QStringLiteral("MS Shell Dlg"));
    EXPECT_GT(QFontInfo(font).pixelSize(), 8);
}
#endif

TEST(Screenshot, SavesTheMainWindowWithTheProjectOnTheSurface) {
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("shot.mv"));
    {
        ProjectRun run;
        run.Doc.UseDbu = false;
        run.Doc.SetClientSize(300, 200);
        Place(run.Doc, ctList, 0, 0, 300, 200); // white over the whole client area
        run.Files.Answers = {project};
        ASSERT_TRUE(SaveProjectAs(run.Session));
    }
    const QString png = dir.filePath(QStringLiteral("shot.png"));
    const TestProcessResult r = RunMarovel({QStringLiteral("--screenshot"), png, project});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(1280, 800));
    // The list's white inside shows somewhere on the picture, which a new project has none of.
    const QColor white = SystemColors().Window;
    bool found = false;
    for (int y = 0; y < image.height() && !found; y += 4)
        for (int x = 0; x < image.width() && !found; x += 4)
            found = image.pixelColor(x, y) == white;
    EXPECT_TRUE(found);
}

TEST(Screenshot, UnloadableProjectFailsWithItsMessageOnStandardError) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("shot.png"));
    const TestProcessResult r = RunMarovel(
        {QStringLiteral("--screenshot"), png, dir.filePath(QStringLiteral("missing.mv"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Load Project"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(png));
}
} // namespace
