// Project files: a dialog survives a save and a load exactly; the file's keys, order, defaults
// and repairs; the commands and their messages.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "io/mvIniFile.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testProjectHelpers.h"
#include "surface/mvDialogTable.h"

namespace {

// A dialog with every control type, every style bit of each type, every kind and alignment,
// the common flags in turn, a tab control with children on two pages, statics, locks and a
// menu tree whose texts hold "&" and TABs.
void BuildGallery(DialogDocument& doc, bool dbu) {
    doc.UseDbu = dbu;
    doc.Title = QStringLiteral("Gallery = ; \"quoted\" ğüşiöç");
    doc.TableName = QStringLiteral("gallery");
    doc.IconPath = QStringLiteral("C:\\icons\\app.ico");
    doc.IconIndex = 3;
    doc.Local = true;
    doc.NoTheme = true;
    doc.Centered = false;
    doc.PosX = 12;
    doc.PosY = 34;
    doc.LockAll = true;
    doc.SetClientSize(500, 420);

    TmvMenuNode* file = doc.Menu.AddNode(nullptr, QStringLiteral("&File"), MenuData(200, 0));
    doc.Menu.AddNode(file, QStringLiteral("&Open\tCtrl+O"), MenuData(201, kMenuFixedId));
    doc.Menu.AddNode(file, QStringLiteral("&test"), MenuData(202, kMenuOk));
    TmvMenuNode* sub = doc.Menu.AddNode(file, QStringLiteral("Recent && more"), MenuData(203, 0));
    doc.Menu.AddNode(sub, QStringLiteral("&&t literal &t"), MenuData(204, kMenuCancel));
    doc.Menu.AddNode(nullptr, QStringLiteral("\tstarts with a TAB"), MenuData(205, 0));

    TmvControl* tab = Place(doc, ctTab, 250, 10, 240, 200);
    doc.AddTabPage();
    doc.AddTabPage();
    doc.TabControl->SetPageCaption(0, QStringLiteral("Gen&eral"));
    doc.TabControl->Page(0)->ID = 100;
    doc.TabControl->Page(1)->ID = 101;
    doc.TabControl->Page(1)->StaticID = true;
    doc.TabControl->Page(0)->NoQuotes = true;
    // A loaded project shows its first page.
    doc.TabControl->SetActivePage(0);
    (void)tab;

    int y = 5;
    int n = 0;
    for (int type = 0; type < kControlTypeCount; ++type) {
        if (type == ctTab) continue;
        // One control per style bit, then one with every bit.
        std::vector<int> masks = {0, 255};
        for (int bit = 0; bit < 8; ++bit)
            masks.push_back(1 << bit);
        for (const int mask : masks) {
            const int page = n % 5 == 0 ? 0 : (n % 7 == 0 ? 1 : -1);
            const int x = page >= 0 ? 260 + (n % 3) * 11 : 5 + (n % 4) * 60;
            TmvControl* c = Place(doc, type, x, page >= 0 ? 40 + (n % 9) * 13 : y, 40 + n % 7,
                                  12 + n % 5, page);
            c->SetText(QStringLiteral("Text %1 & \"q\" = ;").arg(n));
            c->UnpackStyles(mask);
            const int kinds = int(KindNames(type).size());
            const int aligns = int(AlignmentNames(type).size());
            c->SetKind(kinds ? n % kinds : 0);
            if (aligns) c->SetAlignment(n % aligns);
            if (type == ctScroll) c->SetAlignment(c->Kind == 0 ? (n % 2 ? 2 : 0) : (n % 2 ? 1 : 3));
            c->SetHidden(n % 2 == 1);
            c->SetGroup(n % 3 == 1);
            c->SetDisabled(n % 4 == 1);
            c->SetResult(n % 5 == 1);
            c->SetLocked(n % 6 == 1);
            c->SetStaticID(n % 2 == 0);
            c->SetNoQuotes(n % 3 == 0);
            if (auto* edit = dynamic_cast<TmvEdit*>(c)) edit->Limit = n;
            if (auto* combo = dynamic_cast<TmvCombo*>(c)) combo->Limit = n + 1;
            if (auto* icon = dynamic_cast<TmvIcon*>(c)) {
                icon->SetFileName(QStringLiteral("C:\\icons\\%1.ico").arg(n));
                icon->SetIconIndex(n);
            }
            if (auto* scroll = dynamic_cast<TmvScroll*>(c)) scroll->SetRange(-n, n * 10);
            if (n % 4 == 0) doc.SetControlName(c, QStringLiteral("marovel_custom_%1").arg(n));
            y += 3;
            ++n;
        }
    }
}

class ProjectFileTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return dir_.filePath(name); }
    // Saves the document under a new name and loads it into a fresh document.
    std::unique_ptr<ProjectRun> SaveAndReload(ProjectRun& source, const QString& name) {
        EXPECT_TRUE(source.SaveAs(PathOf(name)));
        auto loaded = std::make_unique<ProjectRun>();
        EXPECT_TRUE(loaded->Load(PathOf(name)));
        return loaded;
    }
    QString WriteProjectText(const QString& name, const QByteArray& text) {
        const QString path = PathOf(name);
        WriteTestFile(path, text);
        return path;
    }
    QTemporaryDir dir_;
};

class ProjectRoundTrip : public ProjectFileTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ProjectRoundTrip, GalleryComesBackExactly) {
    ProjectRun source;
    BuildGallery(source.Doc, GetParam());
    const QStringList table = BuildDialogTable(source.Doc);
    const QStringList description = DescribeDocument(source.Doc);
    auto loaded = SaveAndReload(source, QStringLiteral("gallery.mv"));
    EXPECT_EQ(BuildDialogTable(loaded->Doc), table);
    EXPECT_EQ(DescribeDocument(loaded->Doc), description);
    EXPECT_TRUE(loaded->ErrorTexts().isEmpty());
    EXPECT_FALSE(loaded->Doc.Modified);
    EXPECT_EQ(loaded->Doc.ControlCount(), source.Doc.ControlCount());
}

INSTANTIATE_TEST_SUITE_P(Units, ProjectRoundTrip, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dbu" : "Pixels"; });

TEST_F(ProjectFileTest, SecondSaveOfALoadedProjectWritesTheSameFile) {
    ProjectRun source;
    BuildGallery(source.Doc, true);
    auto loaded = SaveAndReload(source, QStringLiteral("first.mv"));
    ASSERT_TRUE(loaded->SaveAs(PathOf(QStringLiteral("second.mv"))));
    EXPECT_EQ(ReadTestFile(PathOf(QStringLiteral("second.mv"))),
              ReadTestFile(PathOf(QStringLiteral("first.mv"))));
}

TEST_F(ProjectFileTest, MainSectionKeysInTheWritersOrder) {
    ProjectRun run;
    Place(run.Doc, ctButton, 5, 5, 50, 20);
    ASSERT_TRUE(run.SaveAs(PathOf(QStringLiteral("main.mv"))));
    TmvIniFile ini(PathOf(QStringLiteral("main.mv")));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.SectionNames(), (QStringList{"Main", "Control1"}));
    EXPECT_EQ(ini.Keys(QStringLiteral("Main")),
              (QStringList{"Title", "Name", "IconPath", "IconIndex", "NoQuotes", "Local", "NoTheme",
                           "Position", "Options", "ControlCount"}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Position")),
              QStringLiteral("-1,-1,320,240"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Main"), QStringLiteral("Options")),
              QStringLiteral("1,0,0"));
    EXPECT_EQ(ini.Keys(QStringLiteral("Control1")),
              (QStringList{"CType", "Name", "Text", "Position", "Options", "DefStyles", "StaticID",
                           "NoQuotes", "Styles"}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Control1"), QStringLiteral("Name")),
              QStringLiteral("button1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Control1"), QStringLiteral("Options")),
              QStringLiteral("0,0,-1,1"));
}

TEST_F(ProjectFileTest, TypeKeysFollowTheCommonOnes) {
    struct Case {
        int Type;
        QStringList Extra;
    };
    const std::vector<Case> cases = {
        {ctEdit, {"Limit"}},
        {ctCombo, {"Limit"}},
        {ctIcon, {"Index", "FileName"}},
        {ctScroll, {"Range", "Range2"}},
        {ctText, {}},
        {ctList, {}},
    };
    const QStringList common = {"CType",     "Name",     "Text",     "Position", "Options",
                                "DefStyles", "StaticID", "NoQuotes", "Styles"};
    for (const Case& c : cases) {
        ProjectRun run;
        Place(run.Doc, c.Type, 5, 5, 50, 20);
        const QString path = PathOf(QStringLiteral("type%1.mv").arg(c.Type));
        ASSERT_TRUE(run.SaveAs(path));
        TmvIniFile ini(path);
        ASSERT_TRUE(ini.Load());
        EXPECT_EQ(ini.Keys(QStringLiteral("Control1")), common + c.Extra) << c.Type;
    }
}

TEST_F(ProjectFileTest, TabPagesAndTheirChildrenAreNumberedAfterTheTab) {
    ProjectRun run;
    TmvControl* before = Place(run.Doc, ctButton, 5, 5, 50, 20);
    Place(run.Doc, ctTab, 60, 5, 200, 150);
    run.Doc.AddTabPage();
    run.Doc.AddTabPage();
    run.Doc.TabControl->Page(0)->ID = 100;
    run.Doc.TabControl->Page(1)->ID = 101;
    run.Doc.TabControl->Page(1)->StaticID = true;
    TmvControl* onFirst = Place(run.Doc, ctCheck, 70, 40, 50, 20, 0);
    TmvControl* onSecond = Place(run.Doc, ctEdit, 70, 40, 50, 20, 1);
    TmvControl* after = Place(run.Doc, ctText, 5, 170, 50, 20);
    ASSERT_TRUE(run.SaveAs(PathOf(QStringLiteral("tabs.mv"))));

    TmvIniFile ini(PathOf(QStringLiteral("tabs.mv")));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("ControlCount"), 0), 5);
    const auto nameOf = [&](int n) { return ini.ReadString(ControlSectionName(n), "Name"); };
    EXPECT_EQ(nameOf(1), VisibleName(*before));
    EXPECT_EQ(ini.ReadString(ControlSectionName(2), "CType"), QStringLiteral("10"));
    EXPECT_EQ(nameOf(3), VisibleName(*onFirst));
    EXPECT_EQ(nameOf(4), VisibleName(*onSecond));
    EXPECT_EQ(nameOf(5), VisibleName(*after));
    const QString tab = ControlSectionName(2);
    EXPECT_EQ(ini.ReadString(tab, QStringLiteral("TabCount")), QStringLiteral("2"));
    EXPECT_EQ(ini.ReadString(tab, QStringLiteral("IDs")), QStringLiteral("100 101 "));
    EXPECT_EQ(ini.ReadString(tab, QStringLiteral("Static")), QStringLiteral("0 1 "));
    EXPECT_EQ(ini.ReadString(tab, QStringLiteral("NoQuotes")), QStringLiteral("0 0 "));
    EXPECT_EQ(ini.ReadString(tab, QStringLiteral("0")), QStringLiteral("Tab 1"));
    EXPECT_EQ(ini.Keys(tab).mid(9), (QStringList{"TabCount", "0", "1", "IDs", "Static"}));
    EXPECT_EQ(ini.ReadString(ControlSectionName(3), QStringLiteral("Options")),
              QStringLiteral("0,0,0,%1").arg(onFirst->ID));

    ProjectRun loaded;
    ASSERT_TRUE(loaded.Load(PathOf(QStringLiteral("tabs.mv"))));
    ASSERT_NE(loaded.Doc.TabControl, nullptr);
    EXPECT_EQ(loaded.Doc.ControlAt(0), loaded.Doc.TabControl); // sent to the back
    EXPECT_EQ(loaded.Doc.TabControl->ActivePage, 0);
    const TmvTabPage* second = loaded.Doc.TabControl->Page(1);
    ASSERT_EQ(second->Controls.size(), 1u);
    EXPECT_FALSE(second->Controls[0]->Visible); // only page 0's controls show
    EXPECT_TRUE(loaded.Doc.TabControl->Page(0)->Controls[0]->Visible);
    EXPECT_EQ(BuildDialogTable(loaded.Doc), BuildDialogTable(run.Doc));
}

TEST_F(ProjectFileTest, MenuTextsAreEscapedInTwoSteps) {
    ProjectRun run;
    TmvMenuNode* top = run.Doc.Menu.AddNode(nullptr, QStringLiteral("*&test*"), MenuData(10, 0));
    run.Doc.Menu.AddNode(top, QStringLiteral("a\tb"), MenuData(11, kMenuOk | kMenuFixedId));
    run.Doc.Menu.AddNode(top, QStringLiteral("id"), MenuData(0xFFFF, kMenuCancel));
    ASSERT_TRUE(run.SaveAs(PathOf(QStringLiteral("menu.mv"))));
    TmvIniFile ini(PathOf(QStringLiteral("menu.mv")));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Menu"), QStringLiteral("0")),
              QStringLiteral("*&&test*"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Menu"), QStringLiteral("1")),
              QStringLiteral("\ta&tb"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("MenuInfo"), QStringLiteral("1")),
              QString::number((11 << 16) | 3));
    // The high bit set: the data word is written as a signed number.
    EXPECT_EQ(ini.ReadString(QStringLiteral("MenuInfo"), QStringLiteral("2")),
              QString::number(qint32(MenuData(0xFFFF, kMenuCancel))));

    ProjectRun loaded;
    ASSERT_TRUE(loaded.Load(PathOf(QStringLiteral("menu.mv"))));
    const std::vector<TmvMenuNode*> nodes = loaded.Doc.Menu.NodesDepthFirst();
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0]->Text, QStringLiteral("*&test*"));
    EXPECT_EQ(nodes[1]->Text, QStringLiteral("a\tb"));
    EXPECT_EQ(nodes[1]->Parent, nodes[0]);
    EXPECT_EQ(nodes[1]->Data, MenuData(11, kMenuOk | kMenuFixedId));
    EXPECT_EQ(nodes[2]->Data, MenuData(0xFFFF, kMenuCancel));
}

TEST(ProjectMenuText, UnescapingReadsPairsFromLeftToRight) {
    struct Case {
        const char* Stored;
        const char* Text;
    };
    for (const Case& c : std::vector<Case>{{"&&test", "&test"},
                                           {"&&&t", "&\t"},
                                           {"&t&&", "\t&"},
                                           {"&&&&t", "&&t"},
                                           {"a&b", "a&b"},
                                           {"end&", "end&"}}) {
        EXPECT_EQ(UnescapeMenuText(QString::fromUtf8(c.Stored)), QString::fromUtf8(c.Text))
            << c.Stored;
        EXPECT_EQ(UnescapeMenuText(EscapeMenuText(QString::fromUtf8(c.Text))),
                  QString::fromUtf8(c.Text));
    }
}

TEST_F(ProjectFileTest, SavingFewerControlsKeepsOldSectionsThatAreNotRead) {
    ProjectRun run;
    for (int i = 0; i < 3; ++i)
        Place(run.Doc, ctButton, 5, 5 + 25 * i, 50, 20);
    const QString path = PathOf(QStringLiteral("fewer.mv"));
    ASSERT_TRUE(run.SaveAs(path));
    run.Doc.DeleteControl(run.Doc.CreationOrder.back());
    run.Doc.DeleteControl(run.Doc.CreationOrder.back());
    ASSERT_TRUE(SaveProject(run.Session));

    TmvIniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("Control3")));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Main"), QStringLiteral("ControlCount"), 0), 1);
    ProjectRun loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.Doc.ControlCount(), 1);
}

TEST_F(ProjectFileTest, OldSectionsAboveTheCountAreNotJudged) {
    const QString path = WriteProjectText(QStringLiteral("stale.mv"), "[Main]\nControlCount=1\n\n"
                                                                      "[Control1]\nCType=0\n\n"
                                                                      "[Control2]\nCType=99\n"
                                                                      "Position=x\n");
    ProjectRun run;
    EXPECT_TRUE(run.Load(path));
    EXPECT_EQ(run.Doc.ControlCount(), 1);
}

TEST_F(ProjectFileTest, MissingKeysTakeTheReadersDefaults) {
    const QString path =
        WriteProjectText(QStringLiteral("bare.mv"), "[Main]\nControlCount=2\n\n[Control1]\n\n"
                                                    "[control2]\nCType=11\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    const DialogDocument& doc = run.Doc;
    EXPECT_EQ(doc.Title, QStringLiteral("New Dialog"));
    EXPECT_EQ(doc.TableName, QStringLiteral("new_table"));
    EXPECT_EQ(doc.PosX, -1);
    EXPECT_EQ(doc.ClientWidth, 320);
    EXPECT_EQ(doc.ClientHeight, 240);
    EXPECT_FALSE(doc.Centered); // "Options" 0,0,0
    EXPECT_FALSE(doc.UseDbu);
    ASSERT_EQ(doc.CreationOrder.size(), 2u);
    const TmvControl& button = *doc.CreationOrder[0];
    EXPECT_EQ(button.ControlType, ctButton);
    EXPECT_EQ(button.Left, 50);
    EXPECT_EQ(button.Top, 50);
    DialogDocument fresh;
    const TmvControl* reference = fresh.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(button.Width, reference->Width);
    EXPECT_EQ(button.Height, reference->Height);
    EXPECT_EQ(button.TabIndex, -1);
    EXPECT_EQ(button.ID, 0);
    EXPECT_EQ(button.Name(), QStringLiteral("marovel_button1")); // an empty name is repaired
    EXPECT_TRUE(button.Text.isEmpty());
    EXPECT_EQ(doc.CreationOrder[1]->ControlType, ctScroll);
}

TEST_F(ProjectFileTest, CenteredOptionsOverrideTheStoredPosition) {
    const QString path = WriteProjectText(QStringLiteral("centred.mv"),
                                          "[Main]\nPosition=40,50,300,200\nOptions=1,1,0\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    EXPECT_TRUE(run.Doc.Centered);
    EXPECT_TRUE(run.Doc.UseDbu);
    EXPECT_EQ(run.Doc.PosX, -1);
    EXPECT_EQ(run.Doc.PosY, -1);
    EXPECT_TRUE(BuildDialogTable(run.Doc).contains(QStringLiteral("  size -1 -1 150 100")));
}

TEST_F(ProjectFileTest, OnlyTheTextOneIsATrueFlag) {
    struct Case {
        const char* Options;
        bool Centered, Dbu, Lock;
    };
    for (const Case& c : std::vector<Case>{{"true,01,1", false, false, true},
                                           {"1, 1,1 ", true, false, false},
                                           {"0,1", false, true, false},
                                           {",1,1", true, true, false}}) {
        const QString path = WriteProjectText(QStringLiteral("flags.mv"),
                                              QByteArray("[Main]\nOptions=") + c.Options + "\n");
        ProjectRun run;
        ASSERT_TRUE(run.Load(path));
        EXPECT_EQ(run.Doc.Centered, c.Centered) << c.Options;
        EXPECT_EQ(run.Doc.UseDbu, c.Dbu) << c.Options;
        EXPECT_EQ(run.Doc.LockAll, c.Lock) << c.Options;
    }
}

TEST_F(ProjectFileTest, StoredNamesAreRepaired) {
    struct Case {
        const char* Stored;
        const char* Loaded;
    };
    const std::vector<Case> cases = {
        {"my button", "marovel_mybutton"}, {"tabcontrol", "marovel_button1"},
        {"TabControl", "marovel_button1"}, {"a-b", "marovel_button1"},
        {"taken", "marovel_button1"},      {"TAKEN", "marovel_button1"},
        {"", "marovel_button1"},           {"ç", "marovel_button1"},
    };
    for (const Case& c : cases) {
        const QString path = WriteProjectText(
            QStringLiteral("names.mv"),
            QByteArray("[Main]\nControlCount=3\n\n[Control1]\nName=taken\n\n[Control2]\nName=") +
                c.Stored + "\n\n[Control3]\nName=button1\n");
        ProjectRun run;
        ASSERT_TRUE(run.Load(path));
        ASSERT_EQ(run.Doc.CreationOrder.size(), 3u);
        EXPECT_EQ(run.Doc.CreationOrder[0]->Name(), QStringLiteral("marovel_taken"));
        EXPECT_EQ(run.Doc.CreationOrder[1]->Name(), QString::fromUtf8(c.Loaded)) << c.Stored;
        // A stored name that a repaired one took meanwhile is repaired in turn.
        EXPECT_NE(run.Doc.CreationOrder[2]->Name(), run.Doc.CreationOrder[1]->Name());
    }
}

TEST_F(ProjectFileTest, LongNamesAreCutToAHundredCharacters) {
    const QByteArray name(150, 'n');
    const QString path = WriteProjectText(
        QStringLiteral("long.mv"), "[Main]\nControlCount=1\n\n[Control1]\nName=" + name + "\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    EXPECT_EQ(run.Doc.CreationOrder[0]->Name(), QStringLiteral("marovel_") + QString(100, 'n'));
}

TEST_F(ProjectFileTest, ScrollAlignmentIsMadeToFitItsKind) {
    struct Case {
        const char* Options;
        int Kind, Alignment;
    };
    for (const Case& c : std::vector<Case>{{"0,3,-1,1", 0, 0},
                                           {"0,1,-1,1", 0, 0},
                                           {"0,2,-1,1", 0, 2},
                                           {"1,2,-1,1", 1, 3},
                                           {"1,0,-1,1", 1, 0},
                                           {"1,1,-1,1", 1, 1}}) {
        const QString path = WriteProjectText(
            QStringLiteral("scroll.mv"),
            QByteArray("[Main]\nControlCount=2\n\n[Control1]\nCType=11\nOptions=") + c.Options +
                "\n\n[Control2]\nCType=6\nOptions=" + c.Options + "\n");
        ProjectRun run;
        ASSERT_TRUE(run.Load(path));
        EXPECT_EQ(run.Doc.CreationOrder[0]->Kind, c.Kind) << c.Options;
        EXPECT_EQ(run.Doc.CreationOrder[0]->Alignment, c.Alignment) << c.Options;
        // Other types keep what they stored.
        EXPECT_EQ(QStringLiteral("%1,%2,-1,1")
                      .arg(run.Doc.CreationOrder[1]->Kind)
                      .arg(run.Doc.CreationOrder[1]->Alignment),
                  QString::fromUtf8(c.Options));
    }
}

TEST_F(ProjectFileTest, IconKeepsItsStoredRectangleWhateverItsBorder) {
    const QString path = WriteProjectText(QStringLiteral("icon.mv"),
                                          "[Main]\nControlCount=2\n\n"
                                          "[Control1]\nCType=9\nPosition=10,20,35,35\nStyles=0\n"
                                          "Index=4\nFileName=C:\\a.ico\n\n"
                                          "[Control2]\nCType=9\nPosition=60,20,35,35\nStyles=1\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    const auto& plain = static_cast<const TmvIcon&>(*run.Doc.CreationOrder[0]);
    const auto& framed = static_cast<const TmvIcon&>(*run.Doc.CreationOrder[1]);
    EXPECT_FALSE(plain.Border);
    EXPECT_TRUE(framed.Border);
    EXPECT_EQ(plain.BoundsRect(), QRect(10, 20, 35, 35));
    EXPECT_EQ(framed.BoundsRect(), QRect(60, 20, 35, 35));
    EXPECT_EQ(plain.IconIndex, 4);
    EXPECT_EQ(plain.FileName, QStringLiteral("C:\\a.ico"));
}

TEST_F(ProjectFileTest, TabPagesFromTheirLists) {
    const QString path = WriteProjectText(QStringLiteral("pages.mv"),
                                          "[Main]\nControlCount=2\n\n"
                                          "[Control1]\nCType=10\nTabCount=3\n0=First\n2=Third\n"
                                          "IDs=7 8 9 \nStatic=1 0 1 \nNoQuotes=0 1\n\n"
                                          "[Control2]\nCType=0\nOptions=0,0,2,20\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    const TmvTab* tab = run.Doc.TabControl;
    ASSERT_NE(tab, nullptr);
    ASSERT_EQ(tab->PageCount(), 3);
    EXPECT_EQ(tab->Page(0)->Caption, QStringLiteral("First"));
    EXPECT_EQ(tab->Page(1)->Caption, QStringLiteral("Tab")); // the reader's default
    EXPECT_EQ(tab->Page(2)->ID, 9);
    EXPECT_TRUE(tab->Page(0)->StaticID);
    EXPECT_FALSE(tab->Page(1)->StaticID);
    EXPECT_TRUE(tab->Page(1)->NoQuotes);
    EXPECT_FALSE(tab->Page(2)->NoQuotes);
    EXPECT_EQ(tab->Page(2)->Controls.size(), 1u);
    EXPECT_EQ(tab->Name(), QStringLiteral("marovel_tabcontrol"));
    EXPECT_EQ(tab->ID, 0);
}

TEST(ProjectControlSection, AssignNameGivesAFreshNameInsteadOfTheStoredOne) {
    // The clipboard buffer: sections in memory, read with automatic naming.
    DialogDocument source;
    TmvControl* original = Place(source, ctEdit, 10, 10, 80, 20);
    source.SetControlName(original, QStringLiteral("marovel_stored"));
    TmvIniFile buffer;
    int counter = 4;
    WriteControlSection(buffer, *original, counter);
    EXPECT_EQ(counter, 4);
    EXPECT_TRUE(buffer.SectionExists(QStringLiteral("control4")));

    DialogDocument target;
    const TmvControl* pasted = ReadControlSection(target, buffer, true, 4);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->Name(), QStringLiteral("marovel_edit1"));
    EXPECT_EQ(pasted->BoundsRect(), original->BoundsRect());
    EXPECT_EQ(ReadControlSection(target, buffer, false, 5), nullptr); // no such section
    const TmvControl* named = ReadControlSection(target, buffer, false, 4);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->Name(), QStringLiteral("marovel_stored"));
}

// --- Malformed files: refused whole, the current project untouched.

struct MalformedCase {
    const char* Name;
    const char* Text;
    QStringList Mentions; // what the message must name
};

class MalformedProject : public ProjectFileTest,
                         public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedProject, IsRefusedWithItsPlaceAndTheCurrentProjectStays) {
    ProjectRun run;
    Place(run.Doc, ctButton, 5, 5, 50, 20);
    run.Doc.FileName = QStringLiteral("/somewhere/current.mv");
    run.Doc.Modified = true;
    run.Prompt.Answers.push_back(TmvAnswer::No); // don't save the current one
    const QStringList before = DescribeDocument(run.Doc);
    const QString path = WriteProjectText(QStringLiteral("bad.mv"), GetParam().Text);

    EXPECT_FALSE(run.Load(path));
    EXPECT_EQ(DescribeDocument(run.Doc), before);
    EXPECT_TRUE(run.Doc.Modified);
    EXPECT_EQ(run.Doc.FileName, QStringLiteral("/somewhere/current.mv"));
    EXPECT_TRUE(run.Recent.IsEmpty());
    ASSERT_EQ(run.Prompt.Messages.size(), 2u);
    const auto& message = run.Prompt.Messages[1];
    EXPECT_EQ(message.Kind, QStringLiteral("Error"));
    EXPECT_EQ(message.Caption, QStringLiteral("Load Project"));
    for (const QString& mention : GetParam().Mentions)
        EXPECT_TRUE(message.Text.contains(mention)) << message.Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedProject,
    ::testing::Values(
        MalformedCase{"NoMain", "[Control1]\nCType=0\n", {"[Main]"}},
        MalformedCase{"EmptyFile", "", {"[Main]"}},
        MalformedCase{"MainPositionText",
                      "[Main]\nPosition=1,2,wide,4\n",
                      {"[Main]", "\"Position\"", "\"1,2,wide,4\"", "\"wide\""}},
        MalformedCase{"MainPositionShort", "[Main]\nPosition=1,2,3\n", {"[Main]", "\"1,2,3\""}},
        MalformedCase{"PositionText",
                      "[Main]\nControlCount=2\n[Control1]\n[Control2]\nPosition=5,x,10,10\n",
                      {"[Control2]", "\"Position\"", "\"5,x,10,10\"", "\"x\""}},
        MalformedCase{"PositionShort",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=5,5,10\n",
                      {"[Control1]", "\"Position\"", "\"5,5,10\"", "fewer"}},
        MalformedCase{"PositionEmptyField",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=5,,10,10\n",
                      {"[Control1]", "\"Position\"", "\"5,,10,10\""}},
        MalformedCase{"PositionHex",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=0x5,5,10,10\n",
                      {"[Control1]", "\"0x5\""}},
        MalformedCase{"OptionsText",
                      "[Main]\nControlCount=1\n[Control1]\nOptions=0,0,page,1\n",
                      {"[Control1]", "\"Options\"", "\"0,0,page,1\"", "\"page\""}},
        MalformedCase{"TypeTooLarge",
                      "[Main]\nControlCount=1\n[Control1]\nCType=12\n",
                      {"[Control1]", "\"CType\"", "\"12\""}},
        MalformedCase{"TypeNegative",
                      "[Main]\nControlCount=1\n[Control1]\nCType=-1\n",
                      {"[Control1]", "\"CType\"", "\"-1\""}},
        MalformedCase{"PageIdText",
                      "[Main]\nControlCount=1\n[Control1]\nCType=10\nTabCount=2\nIDs=5 six \n",
                      {"[Control1]", "\"IDs\"", "\"5 six \"", "\"six\""}},
        // Coordinates and sizes beyond what a dialog can hold.
        MalformedCase{"MainWidthHuge",
                      "[Main]\nPosition=-1,-1,39999920,240\n",
                      {"[Main]", "\"Position\"", "39999920", "field 3"}},
        MalformedCase{"MainTopTooLow", "[Main]\nPosition=0,-32769,320,240\n", {"-32769"}},
        MalformedCase{"ControlLeftHuge",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=600000000,5,10,10\n",
                      {"[Control1]", "600000000", "field 1"}},
        MalformedCase{"ControlWidthMax",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=5,5,2147483647,10\n",
                      {"[Control1]", "2147483647", "field 3"}},
        MalformedCase{"ControlHeightJustOver",
                      "[Main]\nControlCount=1\n[Control1]\nPosition=5,5,10,32768\n",
                      {"[Control1]", "32768", "field 4"}},
        MalformedCase{"PageIdMissing",
                      "[Main]\nControlCount=1\n[Control1]\nCType=10\nTabCount=3\nIDs=5 6 \n",
                      {"[Control1]", "\"IDs\"", "\"5 6 \"", "page 3"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ProjectFileTest, TheLargestCoordinatesLoadAndConvertExactly) {
    const QString path = WriteProjectText(
        QStringLiteral("edge.mv"), "[Main]\nPosition=-32768,32767,32767,32767\nControlCount=1\n"
                                   "[Control1]\nCType=0\nPosition=32767,-32768,32766,32766\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    EXPECT_EQ(run.Doc.ClientWidth, 32767);
    const TmvControl* button = run.Doc.CreationOrder.at(0);
    EXPECT_EQ(button->BoundsRect(), QRect(32767, -32768, 32766, 32766));
    run.Doc.UseDbu = true; // base units 8 x 16: pixels halve
    EXPECT_TRUE(button->BuildLine().endsWith(QStringLiteral("16383 -16384 16383 16383")))
        << button->BuildLine().toStdString();
}

TEST_F(ProjectFileTest, MissingFileChangesNothing) {
    ProjectRun run;
    Place(run.Doc, ctButton, 5, 5, 50, 20);
    run.Doc.Modified = true;
    run.Prompt.Answers.push_back(TmvAnswer::No);
    const QStringList before = DescribeDocument(run.Doc);
    const QString path = PathOf(QStringLiteral("nowhere.mv"));
    EXPECT_FALSE(run.Load(path));
    EXPECT_EQ(run.ErrorTexts(), QStringList{QStringLiteral("File '%1' does not exist.").arg(path)});
    EXPECT_EQ(run.Prompt.Messages.back().Caption, QStringLiteral("Load Project"));
    EXPECT_TRUE(run.Doc.Modified); // unsaved work is still protected by the save question
    EXPECT_EQ(DescribeDocument(run.Doc), before);
    EXPECT_TRUE(run.Status.Lines.isEmpty());
}

TEST_F(ProjectFileTest, ACorruptCountCreatesOnlyTheSectionsPresent) {
    const QString path = WriteProjectText(QStringLiteral("count.mv"),
                                          "[Main]\nControlCount=2000000000\n\n[Control1]\n\n"
                                          "[Control7]\nCType=1\n\n[Control07]\nCType=2\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    ASSERT_EQ(run.Doc.CreationOrder.size(), 2u);
    EXPECT_EQ(run.Doc.CreationOrder[1]->ControlType, ctEdit);
    EXPECT_TRUE(run.Status.Lines.contains(QStringLiteral("Loaded 2 controls.")));
    EXPECT_EQ(run.Status.Progress.back(), 100);
}

TEST_F(ProjectFileTest, ASecondTabControlIsSkipped) {
    const QString path = WriteProjectText(QStringLiteral("twotabs.mv"),
                                          "[Main]\nControlCount=3\n\n[Control1]\nCType=10\n\n"
                                          "[Control2]\nCType=10\n\n[Control3]\nCType=3\n");
    ProjectRun run;
    ASSERT_TRUE(run.Load(path));
    EXPECT_EQ(run.Doc.ControlCount(), 2);
    EXPECT_TRUE(run.Status.Lines.contains(QStringLiteral("Loaded 2 controls.")));
}

// --- Commands.

TEST_F(ProjectFileTest, LoadWritesItsProgressLines) {
    ProjectRun source;
    source.Doc.Menu.AddNode(nullptr, QStringLiteral("&File"), MenuData(50, 0));
    source.Doc.Menu.AddNode(nullptr, QStringLiteral("&Help"), MenuData(51, 0));
    for (int i = 0; i < 3; ++i)
        Place(source.Doc, ctButton, 5, 5 + 25 * i, 50, 20);
    ASSERT_TRUE(source.SaveAs(PathOf(QStringLiteral("progress.mv"))));

    ProjectRun run;
    run.Time = SteppingClock(5000, 235);
    bool suspendedWhileLoading = false;
    run.Session.LoadingChanged = [&](bool loading) {
        if (loading) suspendedWhileLoading = run.Doc.UpdatesSuspended;
    };
    ASSERT_TRUE(run.Load(PathOf(QStringLiteral("progress.mv"))));
    EXPECT_TRUE(suspendedWhileLoading);
    EXPECT_FALSE(run.Doc.UpdatesSuspended);
    EXPECT_EQ(run.Status.Lines,
              (QStringList{"Loading project settings...", "", "Loading menus...", "Loaded 2 menus.",
                           "", "Loading controls...", "Loaded 3 controls.", "", "Done. (0.235s)"}));
    EXPECT_EQ(run.Status.Progress, (std::vector<int>{0, 33, 67, 100}));
    EXPECT_EQ(run.Status.Shows, 1);
    EXPECT_EQ(run.Status.Hides, 1); // "StatusCloseProject"
    EXPECT_EQ(run.Recent.Paths(), QStringList{PathOf(QStringLiteral("progress.mv"))});
    EXPECT_EQ(run.Doc.FileName, PathOf(QStringLiteral("progress.mv")));
    EXPECT_EQ(run.Doc.CurrentControl, nullptr);

    ProjectRun kept;
    kept.Session.StatusCloseProject = false;
    ASSERT_TRUE(kept.Load(PathOf(QStringLiteral("progress.mv"))));
    EXPECT_EQ(kept.Status.Hides, 0);
}

TEST_F(ProjectFileTest, OpenWithoutAPathAsksForOne) {
    ProjectRun source;
    ASSERT_TRUE(source.SaveAs(PathOf(QStringLiteral("asked.mv"))));
    ProjectRun run;
    run.Session.DefProjectPath = QStringLiteral("/projects");
    run.Files.Answers.push_back(PathOf(QStringLiteral("asked.mv")));
    EXPECT_TRUE(LoadProject(run.Session));
    ASSERT_EQ(run.Files.Requests.size(), 1u);
    EXPECT_EQ(run.Files.Requests[0].Title, QStringLiteral("Load Project File..."));
    EXPECT_EQ(run.Files.Requests[0].Filter, QStringLiteral("Marovel project files (*.mv)|*.mv"));
    EXPECT_EQ(run.Files.Requests[0].InitialFolder, QStringLiteral("/projects"));
    EXPECT_EQ(run.Doc.FileName, PathOf(QStringLiteral("asked.mv")));
    // Cancelling the chooser loads nothing.
    EXPECT_FALSE(LoadProject(run.Session));
}

TEST_F(ProjectFileTest, SaveAsAddsTheExtension) {
    struct Case {
        const char* Chosen;
        const char* Saved;
    };
    for (const Case& c : std::vector<Case>{
             {"caps.MV", "caps.MV"}, {"proj", "proj.mv"}, {"ab", "ab.mv"}, {"a.mvx", "a.mvx.mv"}}) {
        ProjectRun run;
        const QString chosen = PathOf(QString::fromUtf8(c.Chosen));
        ASSERT_TRUE(run.SaveAs(chosen));
        EXPECT_EQ(run.Doc.FileName, PathOf(QString::fromUtf8(c.Saved)));
        EXPECT_TRUE(QFileInfo::exists(PathOf(QString::fromUtf8(c.Saved)))) << c.Chosen;
        EXPECT_EQ(run.Recent.Paths().value(0), PathOf(QString::fromUtf8(c.Saved)));
    }
    EXPECT_EQ(ProjectPathWithExtension(QStringLiteral("ab")), QStringLiteral("ab.mv"));
    EXPECT_EQ(ProjectPathWithExtension(QStringLiteral(".mv")), QStringLiteral(".mv"));
}

TEST_F(ProjectFileTest, SaveAsAsksAboutTheFileWithTheExtension) {
    const QString existing = WriteProjectText(QStringLiteral("proj.mv"), "[Main]\nTitle=Old\n");
    for (const TmvAnswer answer : {TmvAnswer::No, TmvAnswer::Yes}) {
        ProjectRun run;
        run.Prompt.Answers.push_back(answer);
        EXPECT_EQ(run.SaveAs(PathOf(QStringLiteral("proj"))), answer == TmvAnswer::Yes);
        ASSERT_EQ(run.Prompt.Messages.size(), 1u);
        EXPECT_EQ(run.Prompt.Messages[0].Kind, QStringLiteral("Question"));
        EXPECT_TRUE(run.Prompt.Messages[0].Text.contains(existing));
        EXPECT_EQ(ReadTestFile(existing).contains(QStringLiteral("Title=Old")),
                  answer == TmvAnswer::No);
    }
    // A new file needs no question.
    ProjectRun run;
    EXPECT_TRUE(run.SaveAs(PathOf(QStringLiteral("fresh"))));
    EXPECT_TRUE(run.Prompt.Messages.empty());
}

TEST_F(ProjectFileTest, RelativePathsEnterTheRecentListAbsolute) {
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    ProjectRun run;
    const bool savedAs = run.SaveAs(QStringLiteral("./Rel"));
    const bool loaded = run.Load(QStringLiteral("Rel.mv"));
    QDir::setCurrent(saved);
    ASSERT_TRUE(savedAs && loaded);
    const QString absolute = QDir(dir_.path()).absoluteFilePath(QStringLiteral("Rel.mv"));
    EXPECT_EQ(run.Recent.Paths(), QStringList{absolute});
    EXPECT_EQ(run.Doc.FileName, absolute);
}

TEST_F(ProjectFileTest, SaveAsAsksInTheProjectsFolder) {
    ProjectRun run;
    run.Session.DefProjectPath = QStringLiteral("/default/place");
    EXPECT_FALSE(SaveProjectAs(run.Session)); // cancelled
    ASSERT_EQ(run.Files.Requests.size(), 1u);
    EXPECT_EQ(run.Files.Requests[0].Title, QStringLiteral("Save Project As.."));
    EXPECT_EQ(run.Files.Requests[0].InitialFolder, QStringLiteral("/default/place"));
    ASSERT_TRUE(run.SaveAs(PathOf(QStringLiteral("here.mv"))));
    EXPECT_FALSE(SaveProjectAs(run.Session));
    EXPECT_EQ(run.Files.Requests.back().InitialFolder, QDir(dir_.path()).absolutePath());
}

TEST_F(ProjectFileTest, AnUnwritableTargetKeepsTheChanges) {
    // A path below a regular file cannot be created, even by root.
    const QString blocker = WriteProjectText(QStringLiteral("blocker"), "x");
    const QString target = blocker + QStringLiteral("/sub/proj.mv");
    ProjectRun run;
    Place(run.Doc, ctButton, 5, 5, 50, 20);
    run.Doc.FileName = target;
    run.Doc.Modified = true;
    EXPECT_FALSE(SaveProject(run.Session));
    EXPECT_TRUE(run.Doc.Modified);
    ASSERT_EQ(run.Prompt.Messages.size(), 1u);
    EXPECT_EQ(run.Prompt.Messages[0].Kind, QStringLiteral("Error"));
    EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("Save Project"));
    EXPECT_TRUE(run.Prompt.Messages[0].Text.contains(target));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(ReadTestFile(blocker), QStringLiteral("x"));

    // Save As to such a place keeps the old name and the recent list.
    run.Doc.FileName = PathOf(QStringLiteral("old.mv"));
    EXPECT_FALSE(run.SaveAs(target));
    EXPECT_EQ(run.Doc.FileName, PathOf(QStringLiteral("old.mv")));
    EXPECT_TRUE(run.Recent.IsEmpty());
    EXPECT_TRUE(run.Doc.Modified);

    // New, Open and Close are cancelled when the asked-for save fails.
    run.Doc.FileName = target;
    run.Prompt.Answers.push_back(TmvAnswer::Yes);
    EXPECT_FALSE(NewProject(run.Session));
    EXPECT_EQ(run.Doc.ControlCount(), 1);
}

TEST_F(ProjectFileTest, SaveQuestionNamesTheProject) {
    struct Case {
        TmvAnswer Answer;
        bool Allowed;
        bool Saved;
    };
    for (const Case& c : std::vector<Case>{{TmvAnswer::Yes, true, true},
                                           {TmvAnswer::No, true, false},
                                           {TmvAnswer::Cancel, false, false}}) {
        ProjectRun run;
        run.Doc.FileName = PathOf(QStringLiteral("asked.mv"));
        QFile::remove(run.Doc.FileName);
        run.Doc.Modified = true;
        run.Prompt.Answers.push_back(c.Answer);
        EXPECT_EQ(ConfirmSaveChanges(run.Session), c.Allowed);
        ASSERT_EQ(run.Prompt.Messages.size(), 1u);
        EXPECT_EQ(run.Prompt.Messages[0].Caption, QStringLiteral("Save Project"));
        EXPECT_EQ(run.Prompt.Messages[0].Text,
                  QStringLiteral("Would you like to save changes to project 'asked.mv'?"));
        EXPECT_EQ(QFileInfo::exists(run.Doc.FileName), c.Saved);
        EXPECT_EQ(run.Doc.Modified, !c.Saved);
    }
    ProjectRun unnamed;
    unnamed.Doc.Modified = true;
    EXPECT_FALSE(ConfirmSaveChanges(unnamed.Session));
    EXPECT_EQ(unnamed.Prompt.Messages[0].Text,
              QStringLiteral("Would you like to save changes to project 'New Project'?"));
    ProjectRun unchanged;
    EXPECT_TRUE(ConfirmSaveChanges(unchanged.Session));
    EXPECT_TRUE(unchanged.Prompt.Messages.empty());
}

TEST_F(ProjectFileTest, NewProjectStartsEmpty) {
    ProjectRun run;
    Place(run.Doc, ctButton, 5, 5, 50, 20);
    run.Doc.FileName = PathOf(QStringLiteral("x.mv"));
    run.Doc.TableName = QStringLiteral("other");
    int titles = 0;
    run.Session.TitleChanged = [&] { ++titles; };
    ASSERT_TRUE(NewProject(run.Session));
    EXPECT_EQ(run.Doc.ControlCount(), 0);
    EXPECT_TRUE(run.Doc.FileName.isEmpty());
    EXPECT_EQ(run.Doc.TableName, QStringLiteral("new_table"));
    EXPECT_EQ(run.Doc.Title, QStringLiteral("New Project"));
    EXPECT_FALSE(run.Doc.Modified);
    EXPECT_EQ(titles, 1);
}

TEST_F(ProjectFileTest, TheEleventhProjectPushesOutTheOldest) {
    ProjectRun run;
    QStringList paths;
    for (int i = 0; i < 11; ++i) {
        ProjectRun source;
        paths << PathOf(QStringLiteral("p%1.mv").arg(i));
        ASSERT_TRUE(source.SaveAs(paths.back()));
        ASSERT_TRUE(run.Load(paths.back()));
    }
    EXPECT_EQ(run.Recent.Paths(), paths.mid(1));
    ASSERT_TRUE(run.Load(paths[5]));
    EXPECT_EQ(run.Recent.Paths().back(), paths[5]);
    EXPECT_EQ(run.Recent.Paths().size(), 10);
}

TEST_F(ProjectFileTest, ThousandsOfControlsLoadInLinearTime) {
    // Time per control must not grow with the count: quadratic work would make the larger
    // file take about sixteen times as long as the smaller one instead of four.
    const auto timeLoad = [&](int count) {
        ProjectRun source;
        source.Doc.UseDbu = true;
        for (int i = 0; i < count; ++i) {
            TmvControl* c = source.Doc.CreateControl(i % 2 ? ctEdit : ctButton, true, (i * 7) % 400,
                                                     (i * 3) % 300, 40, 12, -1);
            c->ID = i + 1;
        }
        const QString path = PathOf(QStringLiteral("big%1.mv").arg(count));
        EXPECT_TRUE(source.SaveAs(path));
        QElapsedTimer timer;
        timer.start();
        ProjectRun run;
        EXPECT_TRUE(run.Load(path));
        EXPECT_EQ(run.Doc.ControlCount(), count);
        return std::max<qint64>(timer.elapsed(), 1);
    };
    const qint64 small = timeLoad(2000);
    const qint64 large = timeLoad(8000);
    EXPECT_LT(large, small * 10 + 200) << small << " ms, " << large << " ms";
}

} // namespace
