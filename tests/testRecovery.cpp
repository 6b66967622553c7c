// Autosave and the recovery of unsaved work: which files can be restored, which instance may
// offer a file, when the designer writes and removes its own, and the recovery window's choices.
#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

#include "io/mvConfigDialog.h"
#include "io/mvRecoveryStore.h"
#include "model/mvEdits.h"
#include "support/testRecoveryHelpers.h"
#include "support/testShell.h"
#include "surface/mvMainDialog.h"

namespace {
// The sample project, changed: its first control deleted.
struct ChangedSample {
    ProjectRun Run;
    explicit ChangedSample(const QString& path) {
        EXPECT_TRUE(Run.Load(path));
        Run.Doc.DeleteControl(Run.Doc.CreationOrder.front());
    }
};

// An orphan, as an instance that was killed leaves it: its file without a running owner.
QString Orphan(const TestRecoveryConfig& config, const DialogDocument& doc, const QString& original,
               const QString& name) {
    QString path;
    {
        TmvRecoveryStore store(config.Folder());
        EXPECT_TRUE(store.Write(doc, original));
        path = QDir(config.Folder()).filePath(name + kRecoveryFileSuffix);
        QFile::rename(store.OwnPath(), path);
    }
    return path;
}

TEST(RecoveryFile, OnlyAWholeRecoveryFileCanBeRestored) {
    TestRecoveryConfig config;
    ChangedSample sample(config.SampleCopy());
    const QString path = Orphan(config, sample.Run.Doc, QStringLiteral("/work/p.mv"), "whole");
    const TmvRecoveredFile whole = ReadRecoveredFile(path);
    EXPECT_FALSE(whole.Damaged()) << qPrintable(whole.Problem);
    EXPECT_EQ(whole.OriginalPath, "/work/p.mv");
    EXPECT_EQ(whole.TableName, "away");
    EXPECT_LT(qAbs(whole.Time.secsTo(QDateTime::currentDateTime())), 5);

    const QByteArray bytes = ReadTestFile(path).toUtf8();
    const QByteArray head = bytes.left(bytes.indexOf("[Recovery]"));
    const struct {
        const char* Name;
        QByteArray Bytes;
        const char* Problem;
    } cases[] = {
        {"cut in the controls", bytes.left(bytes.size() / 2), "cut short"},
        {"cut before the time", bytes.left(bytes.indexOf("Time=")), "no valid autosave time"},
        {"a project without the section", head, "cut short"},
        {"empty", QByteArray(), "empty"},
        {"not a project", QByteArray(bytes).replace("Position=", "Position=x"), "not a valid"},
    };
    for (const auto& c : cases) {
        WriteTestFile(path, c.Bytes);
        const TmvRecoveredFile file = ReadRecoveredFile(path);
        EXPECT_TRUE(file.Problem.contains(QLatin1String(c.Problem)))
            << c.Name << qPrintable(file.Problem);
        EXPECT_TRUE(file.Time.isValid()) << c.Name;
    }
}

TEST(RecoveryStore, AFileIsOfferedOnlyOnceItsOwnerIsGoneAndByOneInstance) {
    TestRecoveryConfig config;
    DialogDocument doc;
    QString path;
    TmvRecoveryStore second(config.Folder());
    TmvRecoveryStore third(config.Folder());
    {
        TmvRecoveryStore first(config.Folder());
        ASSERT_TRUE(first.Write(doc, QString()));
        path = first.OwnPath();
        EXPECT_TRUE(second.ClaimOrphans().isEmpty());
        // Nor is the lock of a running owner taken for stale while it has no file.
        first.RemoveOwn();
        second.ClaimOrphans();
        EXPECT_TRUE(QFile::exists(path + QStringLiteral(".lock")));
        ASSERT_TRUE(first.Write(doc, QString()));
    }
    EXPECT_EQ(second.ClaimOrphans(), QStringList{path});
    EXPECT_TRUE(third.ClaimOrphans().isEmpty());
    second.Release(path);
    EXPECT_EQ(third.ClaimOrphans(), QStringList{path});
    ASSERT_TRUE(third.Discard(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".lock")));

    // A lock left by a process that is gone, without its file, is cleaned away.
    const QString stale = QDir(config.Folder()).filePath(QStringLiteral("x.recovered.mv.lock"));
    WriteTestFile(stale, "2147480000\nmarovel\n\n");
    EXPECT_TRUE(second.ClaimOrphans().isEmpty());
    EXPECT_FALSE(QFile::exists(stale));
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    return QTest::qWaitFor(done, ms);
}

// A designer started as the user starts it, on a copy of the sample, autosaving after a second.
struct Designer {
    TestRecoveryConfig Config;
    Shell Ui;
    QString Project = Config.SampleCopy();

    Designer() {
        Ui.Main.show();
        EXPECT_FALSE(StartRecoveryWith(Ui.Main, [](TRecoveryWindow&) {}));
        EXPECT_TRUE(Ui.Main.OpenProject(Project));
    }
    // Every control selected and nudged right, as the keys do it.
    void Nudge() {
        Ui.Main.mmSelectAll->trigger();
        QTest::keyClick(Ui.Main.Surface(), Qt::Key_Right);
        Settle();
    }
    bool Written() const { return Config.Files().size() == 1; }
    bool WrittenAsShown() {
        return Written() && RecoveredProjectText(Config.Files()[0]) == ProjectText(Ui.Doc());
    }
};

TEST(Autosave, WritesADelayAfterAChangeNeverSoonerAndAgainAfterLaterChanges) {
    Designer designer;
    QElapsedTimer clock;
    designer.Nudge();
    clock.start();
    ASSERT_TRUE(WaitFor([&] { return designer.Written(); }));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_TRUE(designer.WrittenAsShown());
    EXPECT_EQ(ReadRecoveredFile(designer.Config.Files()[0]).OriginalPath, designer.Project);

    const QString first = ReadTestFile(designer.Config.Files()[0]);
    designer.Nudge();
    QTest::qWait(400);
    EXPECT_EQ(ReadTestFile(designer.Config.Files()[0]), first);
    EXPECT_TRUE(WaitFor([&] { return designer.WrittenAsShown(); }));

    // A steady stream of changes does not hold the write back.
    const QString second = ReadTestFile(designer.Config.Files()[0]);
    clock.start();
    while (ReadTestFile(designer.Config.Files()[0]) == second && clock.elapsed() < 6000) {
        designer.Nudge();
        QTest::qWait(200);
    }
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(Autosave, WaitsWhileADragRuns) {
    Designer designer;
    TMainDialog* surface = designer.Ui.Main.Surface();
    const QPoint at = designer.Ui.Doc().CreationOrder.back()->BoundsRect().center();
    const auto send = [surface](QEvent::Type type, QPoint to, Qt::MouseButtons buttons) {
        QMouseEvent event(type, to, surface->mapToGlobal(to), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(surface, &event);
        Settle();
    };
    designer.Nudge();
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(QEvent::MouseMove, at + QPoint(30, 20), Qt::LeftButton);
    ASSERT_TRUE(surface->Dragging());
    QTest::qWait(1500);
    EXPECT_FALSE(designer.Written());
    send(QEvent::MouseButtonRelease, at + QPoint(30, 20), Qt::NoButton);
    EXPECT_TRUE(WaitFor([&] { return designer.WrittenAsShown(); }, 3000));
}

// Every way the work is saved or given up on purpose removes the recovery file; a cancelled
// one keeps it.
TEST(Autosave, SavingOrGivingUpTheWorkRemovesTheFile) {
    const struct {
        const char* Name;
        TmvAnswer Answer;
        std::function<void(Designer&)> Act;
        bool Removed;
    } cases[] = {
        {"Save", TmvAnswer::Cancel, [](Designer& d) { d.Ui.Main.actFileSave->trigger(); }, true},
        {"undo to the saved state", TmvAnswer::Cancel,
         [](Designer& d) { d.Ui.Main.actEditUndo->trigger(); }, true},
        {"New without saving", TmvAnswer::No, [](Designer& d) { d.Ui.Main.actFileNew->trigger(); },
         true},
        {"close without saving", TmvAnswer::No, [](Designer& d) { d.Ui.Main.close(); }, true},
        {"close cancelled", TmvAnswer::Cancel, [](Designer& d) { d.Ui.Main.close(); }, false},
    };
    for (const auto& c : cases) {
        Designer designer;
        designer.Nudge();
        ASSERT_TRUE(WaitFor([&] { return designer.Written(); })) << c.Name;
        designer.Ui.Prompt.Answers = {c.Answer};
        c.Act(designer);
        EXPECT_EQ(designer.Config.Files().isEmpty(), c.Removed) << c.Name;
    }
}

TEST(Autosave, AFolderThatCannotBeWrittenIsToldOnceAndEditingGoesOn) {
    Designer designer;
    WriteTestFile(designer.Config.Folder(), "a file where the folder should be");
    int told = 0;
    QObject::connect(
        designer.Ui.Main.statusBar(), &QStatusBar::messageChanged,
        [&](const QString& text) { told += text.startsWith(QLatin1String("Autosave")); });
    const int left = designer.Ui.Doc().CreationOrder.back()->Left;
    for (int round = 0; round < 2; ++round) {
        designer.Nudge();
        QTest::qWait(1400);
    }
    EXPECT_EQ(told, 1);
    EXPECT_GT(designer.Ui.Doc().CreationOrder.back()->Left, left);
    EXPECT_TRUE(designer.Ui.Main.statusBar()->currentMessage().contains(designer.Config.Folder()));
    // Once the folder can be made, the next change is written.
    QFile::remove(designer.Config.Folder());
    designer.Nudge();
    EXPECT_TRUE(WaitFor([&] { return designer.WrittenAsShown(); }));
}

TEST(Autosave, TurnedOffInThePreferencesItRemovesTheFileAndWritesNoMore) {
    Designer designer;
    designer.Nudge();
    ASSERT_TRUE(WaitFor([&] { return designer.Written(); }));
    designer.Ui.Main.ConfigDialog()->cfGenAutoSaveSeconds->setText(QStringLiteral("0"));
    ASSERT_TRUE(designer.Ui.Main.ConfigDialog()->ApplyClick());
    EXPECT_FALSE(designer.Written());
    designer.Nudge();
    QTest::qWait(1400);
    EXPECT_FALSE(designer.Written());
}

void Choose(TRecoveryWindow& window, int row) {
    QTreeWidget* list = window.List;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(row)).center());
}

QStringList RowTexts(const TRecoveryWindow& window, int row) {
    QStringList texts;
    for (int column = 0; column < window.List->columnCount(); ++column)
        texts << window.List->topLevelItem(row)->text(column);
    return texts;
}

TEST(RecoveryWindow, ListsEveryOrphanAndHowItsOriginalCompares) {
    TestRecoveryConfig config;
    const QString original = config.SampleCopy();
    ChangedSample sample(original);
    Orphan(config, sample.Run.Doc, original, "a-older");
    Orphan(config, sample.Run.Doc, config.Dir.filePath(QStringLiteral("gone.mv")), "b-missing");
    Orphan(config, sample.Run.Doc, QString(), "c-new");
    const QString newer = Orphan(config, sample.Run.Doc, original, "d-newer");
    WriteTestFile(newer,
                  ReadTestFile(newer)
                      .replace(QRegularExpression("Time=.*\n"), "Time=2001-01-01T00:00:00.000Z\n")
                      .toUtf8());
    const QString damaged = Orphan(config, sample.Run.Doc, original, "e-damaged");
    WriteTestFile(damaged, ReadTestFile(damaged).left(300).toUtf8());

    Shell shell;
    const bool opened = StartRecoveryWith(shell.Main, [&](TRecoveryWindow& window) {
        ASSERT_EQ(window.List->topLevelItemCount(), 5);
        EXPECT_EQ(RowTexts(window, 0).mid(0, 3),
                  QStringList({"p.mv", QDir::toNativeSeparators(original), "away"}));
        EXPECT_EQ(RowTexts(window, 0)[4], "older than the autosave");
        EXPECT_EQ(RowTexts(window, 1)[4], "missing");
        EXPECT_EQ(RowTexts(window, 2)[0], "new project");
        EXPECT_EQ(RowTexts(window, 2)[4], "");
        EXPECT_EQ(RowTexts(window, 3)[4], "newer than the autosave");
        EXPECT_EQ(RowTexts(window, 4).mid(0, 2),
                  QStringList({"damaged", QDir::toNativeSeparators(damaged)}));
        Choose(window, 4);
        EXPECT_FALSE(window.btnRestore->isEnabled());
        EXPECT_FALSE(window.btnSaveAs->isEnabled());
        EXPECT_TRUE(window.btnDiscard->isEnabled());
        Choose(window, 1);
        EXPECT_TRUE(window.btnRestore->isEnabled());
    });
    EXPECT_TRUE(opened);
    // Later keeps every file, the damaged one too, and the start goes on.
    EXPECT_EQ(config.Files().size(), 5);
    EXPECT_FALSE(shell.Doc().Modified);
}

TEST(RecoveryWindow, SaveAsAndDiscardTakeTheirFileAwayAndLeaveTheNewProject) {
    TestRecoveryConfig config;
    const QString original = config.SampleCopy();
    ChangedSample sample(original);
    const QString kept = Orphan(config, sample.Run.Doc, original, "a-kept");
    const QString saved = Orphan(config, sample.Run.Doc, original, "b-saved");
    const QString discarded = Orphan(config, sample.Run.Doc, QString(), "c-discarded");
    const QString copy = config.Dir.filePath(QStringLiteral("copy.mv"));
    Shell shell;
    shell.Files.Answers = {copy};
    shell.Prompt.Answers = {TmvAnswer::No, TmvAnswer::Yes};
    StartRecoveryWith(shell.Main, [](TRecoveryWindow& window) {
        Choose(window, 1);
        QTest::mouseClick(window.btnSaveAs, Qt::LeftButton);
        ASSERT_EQ(window.List->topLevelItemCount(), 2);
        Choose(window, 1);
        QTest::mouseClick(window.btnDiscard, Qt::LeftButton); // answered No: kept
        QTest::mouseClick(window.btnDiscard, Qt::LeftButton); // Yes
        EXPECT_EQ(window.List->topLevelItemCount(), 1);
    });
    EXPECT_EQ(config.Files(), QStringList{kept});
    EXPECT_FALSE(QFile::exists(saved) || QFile::exists(discarded));
    EXPECT_FALSE(ReadTestFile(copy).contains(QLatin1String("[Recovery]")));
    ProjectRun copied;
    ASSERT_TRUE(copied.Load(copy));
    EXPECT_EQ(DescribeDocument(copied.Doc), DescribeDocument(sample.Run.Doc));
    EXPECT_TRUE(shell.Doc().FileName.isEmpty());
    EXPECT_FALSE(shell.Doc().Modified);
}
} // namespace
