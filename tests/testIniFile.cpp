#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <climits>

#include "io/mvIniFile.h"
#include "io/mvTextFile.h"
#include "support/testHelpers.h"
#include "surface/mvIniValues.h"

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

TmvIniFile FromText(const QString& text) {
    TmvIniFile ini;
    ini.SetText(text);
    return ini;
}

} // namespace

TEST(IniFile, ReaderIgnoresCommentsBlankLinesAndLinesBeforeTheFirstSection) {
    const TmvIniFile ini = FromText(QStringLiteral("stray=1\r\n"
                                                   "; a comment\r\n"
                                                   "[Main]\r\n"
                                                   "\r\n"
                                                   "Title=Hello\r\n"
                                                   ";Name=ignored\r\n"
                                                   "no equals sign here\r\n"
                                                   "[Other]  \r\n"
                                                   "k=v"));
    EXPECT_EQ(ini.SectionNames(), QStringList({QStringLiteral("Main"), QStringLiteral("Other")}));
    EXPECT_EQ(ini.Keys(QStringLiteral("Main")), QStringList{QStringLiteral("Title")});
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Title")), "Hello");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Other"), QStringLiteral("k")), "v");
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Main"), QStringLiteral("stray")));
}

// A carriage return alone ends a line too (old Mac files, or one inside a line): a value never
// holds a line break the writer would turn into a blank, so a load and a save read back alike.
TEST(IniFile, ACarriageReturnAloneEndsALine) {
    const TmvIniFile ini = FromText(QStringLiteral("[Main]\rTitle=Away\r\r\rName=away\r\n"
                                                   "[Menu]\n0=&&File\r\rns=1\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Title")), "Away");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Name")), "away");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Menu"), QStringLiteral("0")), "&&File");
    EXPECT_EQ(ini.ReadString(QStringLiteral("Menu"), QStringLiteral("ns")), "1");
    EXPECT_EQ(FromText(ini.Text()).Text(), ini.Text());
}

TEST(IniFile, WriterEmitsNameLineKeyLinesAndOneEmptyLinePerSection) {
    TmvIniFile ini;
    ini.WriteString(QStringLiteral("Main"), QStringLiteral("Title"), QStringLiteral("New Dialog"));
    ini.WriteInteger(QStringLiteral("Main"), QStringLiteral("IconIndex"), -3);
    ini.WriteBool(QStringLiteral("Main"), QStringLiteral("Local"), true);
    ini.WriteBool(QStringLiteral("Control1"), QStringLiteral("StaticID"), false);
    EXPECT_EQ(ini.Text(), QStringLiteral("[Main]\nTitle=New Dialog\nIconIndex=-3\nLocal=1\n\n"
                                         "[Control1]\nStaticID=0\n\n"));
}

TEST(IniFile, TextSurvivesAReadAndWriteUnchanged) {
    const QString text = QStringLiteral("[Main]\nTitle=a\nName=b\n\n[Unknown]\nx= y \n\n"
                                        "[Control1]\nCType=1\n\n");
    EXPECT_EQ(FromText(text).Text(), text);
}

TEST(IniFile, SectionAndKeyNamesIgnoreCase) {
    TmvIniFile ini = FromText(QStringLiteral("[Control12]\nCType=3\n"));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("control12")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("CONTROL12"), QStringLiteral("ctype"), 0), 3);
    ini.WriteInteger(QStringLiteral("control12"), QStringLiteral("CTYPE"), 5);
    // The existing names and places are kept.
    EXPECT_EQ(ini.Text(), QStringLiteral("[Control12]\nCType=5\n\n"));
}

TEST(IniFile, ValueIsEverythingAfterTheFirstEqualsSignVerbatim) {
    const TmvIniFile ini =
        FromText(QStringLiteral("[S]\nText=a=b=c\nQuoted=\"x\"\nBlanks=  two  \nEmpty=\n"
                                "Tabs=\t\tchild\n  Padded  =v\n"));
    const QString s = QStringLiteral("S");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Text")), "a=b=c");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Quoted")), "\"x\"");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Blanks")), "  two  ");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Empty"), QStringLiteral("default")), "");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Tabs")), "\t\tchild");
    EXPECT_EQ(ini.ReadString(s, QStringLiteral("Padded")), "v");
}

TEST(IniFile, ExistingKeyKeepsItsPlaceNewKeysAndSectionsGoToTheEnd) {
    TmvIniFile ini = FromText(QStringLiteral("[A]\nx=1\ny=2\n\n[B]\nz=3\n"));
    ini.WriteString(QStringLiteral("A"), QStringLiteral("x"), QStringLiteral("10"));
    ini.WriteString(QStringLiteral("A"), QStringLiteral("w"), QStringLiteral("4"));
    ini.WriteString(QStringLiteral("C"), QStringLiteral("v"), QStringLiteral("5"));
    EXPECT_EQ(ini.Text(), QStringLiteral("[A]\nx=10\ny=2\nw=4\n\n[B]\nz=3\n\n[C]\nv=5\n\n"));
}

TEST(IniFile, EraseSectionKeepsTheOthersFindable) {
    TmvIniFile ini = FromText(QStringLiteral("[A]\na=1\n[Menu]\n0=x\n[B]\nb=2\n[C]\nc=3\n"));
    ini.EraseSection(QStringLiteral("menu"));
    ini.EraseSection(QStringLiteral("NoSuchSection"));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Menu")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("B"), QStringLiteral("b")), "2");
    EXPECT_EQ(ini.ReadString(QStringLiteral("C"), QStringLiteral("c")), "3");
    ini.WriteString(QStringLiteral("Menu"), QStringLiteral("0"), QStringLiteral("y"));
    EXPECT_EQ(ini.Text(), QStringLiteral("[A]\na=1\n\n[B]\nb=2\n\n[C]\nc=3\n\n[Menu]\n0=y\n\n"));
}

TEST(IniFile, DeleteKeyRemovesOnlyThatKey) {
    TmvIniFile ini = FromText(QStringLiteral("[A]\na=1\nb=2\nc=3\n"));
    ini.DeleteKey(QStringLiteral("a"), QStringLiteral("B"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("A"), QStringLiteral("b")));
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("c")), "3");
    ini.WriteString(QStringLiteral("A"), QStringLiteral("c"), QStringLiteral("30"));
    EXPECT_EQ(ini.Text(), QStringLiteral("[A]\na=1\nc=30\n\n"));
}

TEST(IniFile, RepeatedSectionsMergeAndTheFirstOfRepeatedKeysIsRead) {
    const TmvIniFile ini = FromText(QStringLiteral("[A]\nk=first\n[B]\n[a]\nk=second\nj=1\n"));
    EXPECT_EQ(ini.SectionNames(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("k")), "first");
    EXPECT_EQ(ini.ReadString(QStringLiteral("A"), QStringLiteral("j")), "1");
    EXPECT_EQ(ini.KeyCount(QStringLiteral("A")), 3); // nothing is dropped
}

TEST(IniFile, LineBreaksInValuesCannotSplitTheLine) {
    TmvIniFile ini;
    ini.WriteString(QStringLiteral("S"), QStringLiteral("Text"),
                    QStringLiteral("one\r\ntwo\nthree\n[Main]"));
    const TmvIniFile again = FromText(ini.Text());
    EXPECT_EQ(again.SectionNames(), QStringList{QStringLiteral("S")});
    EXPECT_EQ(again.ReadString(QStringLiteral("S"), QStringLiteral("Text")),
              "one two three [Main]");
}

struct IntegerCase {
    const char* Value;
    int Expected; // with default 77
};

class IniIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, ReadsDecimalHexOrTheDefault) {
    const TmvIniFile ini =
        FromText(QStringLiteral("[S]\nk=") + QString::fromUtf8(GetParam().Value) + "\n");
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), 77), GetParam().Expected)
        << GetParam().Value;
}

INSTANTIATE_TEST_SUITE_P(
    IniFile, IniIntegerTest,
    ::testing::Values(IntegerCase{"12", 12}, IntegerCase{"-3", -3}, IntegerCase{"+4", 4},
                      IntegerCase{"0", 0}, IntegerCase{"0x1F", 31}, IntegerCase{"0XfF", 255},
                      IntegerCase{"-0x10", -16}, IntegerCase{"0xFFFFFFFF", -1},
                      IntegerCase{"0x100000000", 77}, IntegerCase{" 7 ", 7},
                      IntegerCase{"2147483647", INT_MAX}, IntegerCase{"-2147483648", INT_MIN},
                      IntegerCase{"2147483648", 77}, IntegerCase{"99999999999", 77},
                      IntegerCase{"", 77}, IntegerCase{"0x", 77}, IntegerCase{"12abc", 77},
                      IntegerCase{"1.5", 77}, IntegerCase{"1 2", 77}, IntegerCase{"-", 77},
                      IntegerCase{"true", 77}, IntegerCase{"0xG", 77}));

TEST(IniFile, MissingIntegerGivesTheDefault) {
    const TmvIniFile ini = FromText(QStringLiteral("[S]\nk=1\n"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("missing"), -5), -5);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Nowhere"), QStringLiteral("k"), 9), 9);
}

TEST(IniFile, BooleansAreAnyNonZeroIntegerOrTheDefault) {
    const TmvIniFile ini =
        FromText(QStringLiteral("[S]\none=1\nzero=0\ntwo=2\nminus=-1\nhex=0x10\nword=yes\n"));
    const QString s = QStringLiteral("S");
    for (const bool def : {false, true}) {
        EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("one"), def));
        EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("zero"), def));
        EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("two"), def));
        EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("minus"), def));
        EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("hex"), def));
        EXPECT_EQ(ini.ReadBool(s, QStringLiteral("word"), def), def);
        EXPECT_EQ(ini.ReadBool(s, QStringLiteral("missing"), def), def);
    }
}

TEST(IniValues, CommaFieldFlagIsTrueOnlyForTheTextOne) {
    EXPECT_TRUE(FieldFlag(QStringLiteral("1")));
    for (const char* text : {"0", "01", "true", " 1", "1 ", "2", "", "-1"})
        EXPECT_FALSE(FieldFlag(QString::fromLatin1(text))) << text;
}

TEST(IniValues, ListFieldNumbersAreDecimalOnly) {
    EXPECT_EQ(FieldInteger(QStringLiteral("-12")), -12);
    EXPECT_EQ(FieldInteger(QStringLiteral("0x10")), std::nullopt);
    EXPECT_EQ(FieldInteger(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(FieldInteger(QStringLiteral("1a")), std::nullopt);
}

struct SplitCase {
    const char* Text;
    char Separator;
    QStringList Expected;
};

class SplitListTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitListTest, CutsAtEverySeparatorAfterTrimmingTheEnds) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitList(QString::fromLatin1(c.Text), QLatin1Char(c.Separator)), c.Expected)
        << c.Text;
}

INSTANTIATE_TEST_SUITE_P(IniValues, SplitListTest,
                         ::testing::Values(SplitCase{"", ',', {}}, SplitCase{",,,", ',', {}},
                                           SplitCase{"a", ',', {"a"}},
                                           SplitCase{"50,50,-1,-1", ',', {"50", "50", "-1", "-1"}},
                                           SplitCase{",a,b,", ',', {"a", "b"}},
                                           SplitCase{",,a,,b,,", ',', {"a", "", "b"}},
                                           SplitCase{"a,,b", ',', {"a", "", "b"}},
                                           SplitCase{"100 101 ", ' ', {"100", "101"}},
                                           SplitCase{" a b ", ',', {" a b "}},
                                           SplitCase{"a, b", ',', {"a", " b"}}));

struct NthCase {
    const char* Text;
    int N;
    const char* Expected;
};

class NthFieldTest : public ::testing::TestWithParam<NthCase> {};

TEST_P(NthFieldTest, ReturnsTheFieldOrEmpty) {
    const NthCase& c = GetParam();
    EXPECT_EQ(NthField(QString::fromLatin1(c.Text), QLatin1Char(' '), c.N),
              QString::fromLatin1(c.Expected))
        << c.Text << " #" << c.N;
}

INSTANTIATE_TEST_SUITE_P(
    IniValues, NthFieldTest,
    ::testing::Values(NthCase{"100 101 ", 1, "100"}, NthCase{"100 101 ", 2, "101"},
                      NthCase{"100 101 ", 3, ""}, NthCase{"  7", 1, "7"}, NthCase{"a  b", 2, ""},
                      NthCase{"a  b", 3, "b"}, NthCase{"a  b", 4, ""}, NthCase{"", 1, ""},
                      NthCase{"   ", 1, ""}, NthCase{"a b", 0, ""}, NthCase{"a b", -1, ""}));

TEST(TextFile, TurkishAnsiBytesDecodeAsWindows1254) {
    // "Çağrı Şeker İğne ıŞ €" in Windows-1254; not valid UTF-8.
    const QByteArray bytes("\xC7"
                           "a\xF0r\xFD \xDE"
                           "eker \xDD\xF0ne \xFD\xDE \x80");
    EXPECT_EQ(DecodeText(bytes), QString::fromUtf8("Çağrı Şeker İğne ıŞ €"));
}

TEST(TextFile, Windows1254MapsEveryHighByteToItsOwnCharacter) {
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.append(char(b));
    const QString text = DecodeWindows1254(high);
    ASSERT_EQ(text.size(), 128);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 128);
    EXPECT_EQ(text[0xD0 - 0x80], QChar(0x011E)); // Ğ
    EXPECT_EQ(text[0xFE - 0x80], QChar(0x015F)); // ş
    EXPECT_EQ(text[0xE9 - 0x80], QChar(0x00E9)); // é, as in Latin-1
}

TEST(TextFile, ValidUtf8IsReadAsUtf8WithoutItsByteOrderMark) {
    const QString turkish = QString::fromUtf8("Çağrı İğne");
    EXPECT_EQ(DecodeText(turkish.toUtf8()), turkish);
    EXPECT_EQ(DecodeText("\xEF\xBB\xBF" + turkish.toUtf8()), turkish);
}

TEST(TextFile, OneBadByteMakesTheWholeFileWindows1254) {
    const QByteArray bytes = QString::fromUtf8("ğ").toUtf8() + "\xF0";
    EXPECT_EQ(DecodeText(bytes), QString::fromUtf8("Ä\u0178ğ"));
}

TEST(IniFile, LoadsTurkishAnsiFileAndSavesItAsUtf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.mv"));
    WriteBytes(path, "[Main]\r\nTitle=Se\xE7im\r\n");
    TmvIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Title")),
              QString::fromUtf8("Seçim"));
    ASSERT_TRUE(ini.Save());
    const QByteArray saved = ReadBytes(path);
    EXPECT_TRUE(saved.contains("Title=Se\xC3\xA7im")) << saved.toStdString();
}

TEST(IniFile, FileRoundTripKeepsUnknownSections) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.mv"));
    WriteBytes(path, "[Main]\nTitle=x\n\n[Plugin]\nColour=blue\n\n[Control9]\nCType=2\n");
    TmvIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    ini.WriteString(QStringLiteral("Main"), QStringLiteral("Title"), QStringLiteral("y"));
    QString error;
    ASSERT_TRUE(ini.Save(&error)) << error.toStdString();

    TmvIniFile again(path);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.SectionNames(), QStringList({QStringLiteral("Main"), QStringLiteral("Plugin"),
                                                 QStringLiteral("Control9")}));
    EXPECT_EQ(again.ReadString(QStringLiteral("Main"), QStringLiteral("Title")), "y");
    EXPECT_EQ(again.ReadString(QStringLiteral("plugin"), QStringLiteral("colour")), "blue");
}

TEST(IniFile, MissingFileLoadsEmpty) {
    QTemporaryDir dir;
    TmvIniFile ini(dir.filePath(QStringLiteral("none.ini")));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(ini.Load());
    EXPECT_TRUE(ini.SectionNames().isEmpty());
}

TEST(IniFile, UnreadableFileFailsAndKeepsTheContents) {
    QTemporaryDir dir;
    TmvIniFile ini(dir.path()); // a folder, not a file
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    QString error;
    EXPECT_FALSE(ini.Load(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("k")), "v");
}

TEST(IniFile, UnwritableTargetFailsWithTheReason) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath(QStringLiteral("plain.txt"));
    WriteBytes(plainFile, "not a folder");
    TmvIniFile ini(plainFile + QStringLiteral("/project.mv"));
    ini.WriteString(QStringLiteral("Main"), QStringLiteral("Title"), QStringLiteral("x"));
    QString error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadBytes(plainFile), QByteArray("not a folder"));
}

TEST(IniFile, SavingOverAFolderFailsAndLeavesItAlone) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(folder));
    TmvIniFile ini(folder);
    ini.WriteString(QStringLiteral("Main"), QStringLiteral("Title"), QStringLiteral("x"));
    QString error;
    EXPECT_FALSE(ini.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(IniFile, MemoryBufferHasNoFileToSave) {
    TmvIniFile buffer;
    buffer.WriteInteger(QStringLiteral("Control1"), QStringLiteral("CType"), 4);
    EXPECT_FALSE(buffer.HasFile());
    QString error;
    EXPECT_FALSE(buffer.Save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(buffer.Load()); // nothing to read: empties the buffer
    EXPECT_FALSE(buffer.SectionExists(QStringLiteral("Control1")));
}

TEST(IniFile, ThousandsOfSectionsLoadAndReadInLinearTime) {
    constexpr int count = 40000;
    QString text;
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("[Control%1]\nCType=%2\nName=c%1\nPosition=1,2,3,4\n\n")
                    .arg(n)
                    .arg(n % 12);
    QElapsedTimer timer;
    timer.start();
    const TmvIniFile ini = FromText(text);
    long long sum = 0;
    for (int n = 1; n <= count; ++n)
        sum += ini.ReadInteger(QStringLiteral("control") + QString::number(n),
                               QStringLiteral("ctype"), -1000);
    long long expected = 0;
    for (int n = 1; n <= count; ++n)
        expected += n % 12;
    EXPECT_EQ(sum, expected);
    EXPECT_EQ(ini.Text(), text);
    // A linear pass takes a fraction of a second; one lookup scanning the sections would not.
    EXPECT_LT(timer.elapsed(), 5000);
}
