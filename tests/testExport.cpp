// Export of the table to a script file through the file chooser.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "io/mvExport.h"
#include "model/mvControls.h"
#include "support/testHelpers.h"
#include "support/testRecordingPrompter.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

namespace {
class ScriptedChooser : public FileChooser {
public:
    QString Answer;
    std::vector<TmvFileRequest> SaveRequests;
    QString OpenFile(const TmvFileRequest&) override { return QString(); }
    QString SaveFile(const TmvFileRequest& request) override {
        SaveRequests.push_back(request);
        return Answer;
    }
};

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ExportFixture : ::testing::Test {
    DialogDocument doc;
    ScriptedChooser files;
    RecordingPrompter prompt;
    TmvInteraction ui;
    QTemporaryDir dir;

    void SetUp() override {
        ui.Files = &files;
        ui.Prompt = &prompt;
        doc.TableName = QStringLiteral("greet");
        doc.Title = QStringLiteral("Grüße, Güle güle");
        doc.SetClientSize(200, 100);
        TmvControl* button = doc.CreateControl(ctButton, true, 10, 10, 75, 25, -1);
        button->ID = 1;
        button->Kind = 1;
        ASSERT_TRUE(dir.isValid());
    }
};
} // namespace

TEST_F(ExportFixture, AsksWithTheExportRequest) {
    files.Answer.clear();
    EXPECT_FALSE(ExportTable(doc, ui));
    ASSERT_EQ(files.SaveRequests.size(), 1u);
    const TmvFileRequest& request = files.SaveRequests[0];
    EXPECT_EQ(request.Title, QStringLiteral("Export mIRC File.."));
    EXPECT_EQ(request.Filter,
              QStringLiteral("mIRC script file (*.mrc)|*.mrc|Text file (*.txt)|*.txt"));
    EXPECT_TRUE(request.InitialFolder.isEmpty());
    EXPECT_EQ(request.InitialFile, QStringLiteral("greet.mrc"));
}

TEST_F(ExportFixture, CancelWritesNothing) {
    files.Answer.clear();
    EXPECT_FALSE(ExportTable(doc, ui));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(prompt.Messages.empty());
}

TEST_F(ExportFixture, WritesTheTableWithCrLfAsUtf8) {
    files.Answer = dir.filePath(QStringLiteral("greet.mrc"));
    ASSERT_TRUE(ExportTable(doc, ui));
    const QByteArray expected = "dialog greet {\r\n"
                                "  title \"Gr\xC3\xBC\xC3\x9F"
                                "e, G\xC3\xBCle g\xC3\xBCle\"\r\n"
                                "  size -1 -1 200 100\r\n"
                                "  option pixels\r\n"
                                "  button \"Button\", 1, 10 10 75 25, ok\r\n"
                                "}\r\n";
    EXPECT_EQ(ReadBytes(files.Answer), expected);
}

TEST_F(ExportFixture, NameWithoutExtensionGetsNone) {
    files.Answer = dir.filePath(QStringLiteral("test"));
    ASSERT_TRUE(ExportTable(doc, ui));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("test")}));
    EXPECT_EQ(ReadBytes(files.Answer), JoinTableLines(BuildDialogTable(doc)).toUtf8());
}

TEST_F(ExportFixture, ExistingFileIsReplaced) {
    files.Answer = dir.filePath(QStringLiteral("old.mrc"));
    {
        QFile old(files.Answer);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("alias old { }\r\nalias older { }\r\nalias oldest { }\r\n");
    }
    ASSERT_TRUE(ExportTable(doc, ui));
    EXPECT_EQ(ReadBytes(files.Answer), JoinTableLines(BuildDialogTable(doc)).toUtf8());
}

TEST_F(ExportFixture, UnwritablePathIsToldAndReturnsFalse) {
    files.Answer = dir.filePath(QStringLiteral("no/such/folder/x.mrc"));
    EXPECT_FALSE(ExportTable(doc, ui));
    ASSERT_EQ(prompt.Messages.size(), 1u);
    EXPECT_EQ(prompt.Messages[0].Kind, QStringLiteral("Error"));
    EXPECT_EQ(prompt.Messages[0].Caption, kExportErrorCaption);
    EXPECT_TRUE(prompt.Messages[0].Text.startsWith(QStringLiteral("The file \"") + files.Answer +
                                                   QStringLiteral("\" could not be written: ")))
        << prompt.Messages[0].Text.toStdString();
    EXPECT_FALSE(QFile::exists(files.Answer));
}

TEST_F(ExportFixture, DirectoryInTheWayStaysAsItWas) {
    files.Answer = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(ExportTable(doc, ui));
    EXPECT_TRUE(QFileInfo(files.Answer).isDir());
    EXPECT_EQ(prompt.Messages.size(), 1u);
}

TEST_F(ExportFixture, ExportLeavesTheProjectUntouched) {
    doc.Modified = false;
    files.Answer = dir.filePath(QStringLiteral("x.mrc"));
    ASSERT_TRUE(ExportTable(doc, ui));
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.TableName, QStringLiteral("greet"));
}

TEST(Export, WithoutAChooserNothingHappens) {
    DialogDocument doc;
    EXPECT_FALSE(ExportTable(doc, TmvInteraction{}));
}
