// No input makes the import crash or hang: empty tables, lines of quotes or commas, very
// long lines, unterminated quotes and binary garbage all end in a document and a report.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRandomGenerator>

#include "support/testHelpers.h"
#include "support/testImportRun.h"

namespace {
constexpr int kLongLine = 100000;

QString Repeat(const char* piece, int totalLength) {
    const QString unit = QString::fromUtf8(piece);
    QString text;
    text.reserve(totalLength + unit.size());
    while (text.size() < totalLength)
        text += unit;
    return text;
}

// Imports the lines, and checks that the run finished with a document that still writes a
// table, within a time that only a linear pass keeps.
void ImportSurvives(const QStringList& lines) {
    ImportRun run;
    QElapsedTimer timer;
    timer.start();
    run.Run(lines);
    EXPECT_LT(timer.elapsed(), 20000) << "the import is not linear";
    EXPECT_NE(run.Result, TmvImportResult::Cancelled);
    EXPECT_FALSE(BuildDialogTable(run.Doc).isEmpty());
    ASSERT_FALSE(run.Status.Lines.isEmpty());
    // A table with nothing to read is refused, and the report ends saying so.
    if (run.Result == TmvImportResult::Refused)
        EXPECT_EQ(run.Status.Lines.last(), QStringLiteral("Nothing was imported."));
    else
        EXPECT_TRUE(run.Status.Lines.last().startsWith(QLatin1String("Done. (")));
}
} // namespace

TEST(ImportRobust, EmptyTables) {
    for (const QStringList& lines : {QStringList{}, QStringList{QString()},
                                     QStringList{QStringLiteral("dialog x {"), QStringLiteral("}")},
                                     QStringList{QStringLiteral("}")}}) {
        ImportSurvives(lines);
        ImportRun run;
        EXPECT_EQ(run.Run(lines), TmvImportResult::Refused);
    }
}

TEST(ImportRobust, LinesOfOnlyQuotesOrCommas) {
    const char* keywords[] = {"",      "button ", "edit ", "combo ", "icon ",   "tab ",
                              "menu ", "item ",   "size ", "title ", "dialog ", "option "};
    QStringList lines;
    for (const char* keyword : keywords) {
        for (const char* filler : {"\"", "\"\"", ",", ", ", "\",", " \" , "}) {
            lines << QString::fromUtf8(keyword) + Repeat(filler, 50);
            lines << QString::fromUtf8(keyword) + QString::fromUtf8(filler);
        }
    }
    ImportSurvives(lines);
}

TEST(ImportRobust, VeryLongLines) {
    for (const char* filler : {"\"", ",", " ", "a", "\" ", ", \"", "ok ", "tab 1 ", "(", "1 "}) {
        const QString body = Repeat(filler, kLongLine);
        ImportSurvives({QStringLiteral("dialog long {"), QStringLiteral("button ") + body,
                        QStringLiteral("text \"") + body + QStringLiteral("\", 1, 1 2 3 4"),
                        QStringLiteral("icon 2, 1 2 3 4, ") + body,
                        QStringLiteral("edit \"\", 3, 1 2 3 4, ") + body,
                        QStringLiteral("scroll \"\", 4, 1 2 3 4, range ") + body,
                        QStringLiteral("menu ") + body, QStringLiteral("item ") + body,
                        QStringLiteral("size ") + body, QStringLiteral("title ") + body,
                        QStringLiteral("option ") + body, QStringLiteral("dialog ") + body, body,
                        QStringLiteral("}")});
    }
}

TEST(ImportRobust, LongStyleListsAreReadWholeWordsInLinearTime) {
    ImportRun run;
    const QString styles = Repeat("hidden okay ", kLongLine) + QStringLiteral(" ok");
    run.Run({QStringLiteral("button \"b\", 1, 1 2 3 4, ") + styles});
    ASSERT_EQ(run.Doc.ControlCount(), 1);
    EXPECT_EQ(run.Control(0)->Kind, 1);
    EXPECT_FALSE(run.Control(0)->Hidden);
}

TEST(ImportRobust, UnterminatedQuotes) {
    ImportRun run;
    run.Run({QStringLiteral("dialog q {"), QStringLiteral("title \"never closed"),
             QStringLiteral("button \"OK, 1, 5 5 75 25, ok"), QStringLiteral("item \"Open, 10, 5"),
             QStringLiteral("tab \"A, 1, 1 1 100 100"), QStringLiteral("}")});
    EXPECT_EQ(run.Doc.Title, QStringLiteral("never closed"));
    EXPECT_EQ(run.Doc.ControlCount(), 0);
    EXPECT_EQ(run.Result, TmvImportResult::WithErrors);
}

TEST(ImportRobust, ManyControlsAndMenus) {
    QStringList lines = {QStringLiteral("dialog many {"),
                         QStringLiteral("tab \"A\", 1, 0 0 500 500")};
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("check \"c%1\", %2, 1 2 3 4, tab 1 flat").arg(i).arg(i + 10);
    lines << QStringLiteral("menu \"m\", 5000");
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("item \"i%1\", %2").arg(i).arg(i + 5001);
    lines << QStringLiteral("}");
    ImportRun run;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(run.Run(lines), TmvImportResult::Imported);
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(run.Doc.ControlCount(), 2001);
    EXPECT_EQ(run.Doc.Menu.NodeCount(), 301);
}

TEST(ImportRobust, BinaryGarbage) {
    QRandomGenerator random(20240607); // fixed seed: the same garbage every run
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        for (int i = 0; i < 200; ++i) {
            QByteArray bytes(int(random.bounded(1, 400)), Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(256));
            // Half the lines look like table lines with a garbage rest.
            static const char* keywords[] = {"button ", "icon ", "tab ",    "menu ",
                                             "item ",   "size ", "scroll ", "combo "};
            const QString head =
                (i % 2) ? QString::fromLatin1(keywords[random.bounded(8)]) : QString();
            lines << head + QString::fromLatin1(bytes);
        }
        ImportSurvives(lines);
    }
}
