// Preview without mIRC: the DDE sender is replaced by a recorder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "io/mvPreview.h"
#include "support/testDocumentHelpers.h"
#include "support/testRecordingPrompter.h"

namespace {
class FixedClock : public Clock {
public:
    quint32 Tick = 1234;
    quint32 TickCount() override { return Tick++; }
};

struct PreviewRun {
    QStringList Commands;
    bool Connects = true;
    RecordingPrompter Prompt;
    FixedClock Time;
    QString Script = QDir::temp().filePath(QStringLiteral("marovel-preview-test.mrc"));
    bool Run(DialogDocument& doc, bool fix) {
        TmvPreviewOptions options;
        options.PreviewFix = fix;
        options.ScriptPath = Script;
        options.Send = [this](const QString&, const QString& command) {
            Commands << command;
            return Connects;
        };
        TmvInteraction ui;
        ui.Prompt = &Prompt;
        ui.Time = &Time;
        return PreviewDialog(doc, options, ui);
    }
    QString ScriptText() const {
        QFile f(Script);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }
};
} // namespace

TEST(Preview, NoConnectionShowsDdeErrorAndStops) {
    DialogDocument doc;
    PreviewRun run;
    run.Connects = false;
    EXPECT_FALSE(run.Run(doc, true));
    EXPECT_EQ(run.Commands, QStringList{QStringLiteral("/return")});
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("DDE Error"));
}

TEST(Preview, NoClosingButtonWithoutFixSendsOnlyProbe) {
    DialogDocument doc;
    PreviewRun run;
    EXPECT_FALSE(run.Run(doc, false));
    EXPECT_EQ(run.Commands, QStringList{QStringLiteral("/return")});
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("Preview Error"));
}

TEST(Preview, FixInsertsHiddenButtonBelowUsedIds) {
    DialogDocument doc;
    Place(doc, ctEdit, 0, 0, 50, 20)->ID = 3000;
    Place(doc, ctEdit, 0, 30, 50, 20)->ID = 2999;
    doc.TableName = QStringLiteral("mine");
    PreviewRun run;
    EXPECT_TRUE(run.Run(doc, true));
    ASSERT_EQ(run.Commands.size(), 2);
    EXPECT_TRUE(run.Commands[1].startsWith(QStringLiteral("/.load -rs \"")));
    EXPECT_EQ(doc.TableName, QStringLiteral("mine"));
    const QString text = run.ScriptText();
    EXPECT_TRUE(text.contains(QStringLiteral("button \"\", 2998, 0 0 0 0, ok hide\r\n}")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("alias -l testdialog dialog -mdo _MarovelTemp1234 _MarovelTemp1234")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("on *:load: .timer -m 1 0 cleanup | testdialog\r\n")));
}

TEST(Preview, OkAndCancelButtonCountsAsClosingAndModifiedStays) {
    DialogDocument doc;
    Place(doc, ctButton, 0, 0, 50, 20)->Kind = 3;
    doc.Modified = false;
    PreviewRun run;
    EXPECT_TRUE(run.Run(doc, false));
    EXPECT_FALSE(doc.Modified);
    EXPECT_FALSE(run.ScriptText().contains(QStringLiteral("ok hide")));
}
