// The dialog document: defaults, New, ownership and containment, CreateControl.
#include <gtest/gtest.h>

#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"

TEST(Document, NewDocumentHasTheDefaultsOfANewProject) {
    DialogDocument doc;
    EXPECT_EQ(doc.TableName, "new_table");
    EXPECT_EQ(doc.Title, "New Project");
    EXPECT_TRUE(doc.Centered);
    EXPECT_EQ(doc.PosX, -1);
    EXPECT_EQ(doc.PosY, -1);
    EXPECT_FALSE(doc.NoTheme);
    EXPECT_FALSE(doc.Local);
    EXPECT_FALSE(doc.NoQuotes);
    EXPECT_TRUE(doc.IconPath.isEmpty());
    EXPECT_EQ(doc.IconIndex, 0);
    EXPECT_FALSE(doc.LockAll);
    EXPECT_FALSE(doc.Modified);
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_EQ(doc.FontName, "Tahoma"); // the stand-in system reports a modern version
    EXPECT_EQ(doc.MenuBarHeight, 0);
    EXPECT_FALSE(doc.UpdatesSuspended);
    EXPECT_EQ(doc.ControlCount(), 0);
    EXPECT_EQ(doc.TabControl, nullptr);
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_EQ(doc.Options.IdStart, 1);
    EXPECT_TRUE(doc.Options.BringToFront);
}

TEST(Document, NewCommandResetsTheDialogButKeepsUnitsThemeQuotesLockAllAndSize) {
    DialogDocument doc;
    doc.UseDbu = true;
    doc.NoTheme = true;
    doc.NoQuotes = true;
    doc.LockAll = true;
    doc.SetClientSize(500, 400);
    doc.TableName = "t";
    doc.Title = "T";
    doc.Local = true;
    doc.IconPath = "x.ico";
    doc.IconIndex = 3;
    doc.Centered = false;
    doc.PosX = 5;
    doc.PosY = 6;
    doc.FileName = "/p/a.mv";
    doc.SetFontName("MS Sans Serif");
    Place(doc, ctButton, 0, 0, -1, -1);
    doc.Menu.AddMenuEntry("File", 9, 0, -1);

    doc.ResetForNew();

    EXPECT_EQ(doc.ControlCount(), 0);
    EXPECT_TRUE(doc.Menu.IsEmpty());
    EXPECT_EQ(doc.TableName, "new_table");
    EXPECT_EQ(doc.Title, "New Project");
    EXPECT_FALSE(doc.Local);
    EXPECT_TRUE(doc.IconPath.isEmpty());
    EXPECT_EQ(doc.IconIndex, 0);
    EXPECT_TRUE(doc.Centered);
    EXPECT_EQ(doc.PosX, -1);
    EXPECT_EQ(doc.PosY, -1);
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.FontName, "Tahoma");
    EXPECT_TRUE(doc.UseDbu);
    EXPECT_TRUE(doc.NoTheme);
    EXPECT_TRUE(doc.NoQuotes);
    EXPECT_TRUE(doc.LockAll);
    EXPECT_EQ(doc.ClientWidth, 500);
    EXPECT_EQ(doc.ClientHeight, 400);
}

TEST(Document, WindowTitleNamesTheFilePartOrNewProject) {
    const struct {
        const char* fileName;
        const char* title;
    } cases[] = {
        {"", "Marovel  - New Project"},
        {"/home/u/dialogs/proj.mv", "Marovel  - proj.mv"},
        {"C:\\mirc\\dialogs\\away.mv", "Marovel  - away.mv"},
        {"plain.mv", "Marovel  - plain.mv"},
    };
    for (const auto& c : cases) {
        DialogDocument doc;
        doc.FileName = c.fileName;
        EXPECT_EQ(doc.WindowTitle(), QString(c.title)) << c.fileName;
    }
}

TEST(Document, ClientSizeChangeReachesTheSurfaceOnlyWhenItChanges) {
    DialogDocument doc;
    RecordingView view;
    doc.View = &view;
    doc.SetClientSize(300, 200);
    doc.SetClientSize(300, 200);
    EXPECT_EQ(view.SizeChanges, 1);
    EXPECT_EQ(doc.ClientWidth, 300);
    EXPECT_EQ(doc.ClientHeight, 200);
}

TEST(Document, FontChangeReachesEveryControlButTheTabControl) {
    DialogDocument doc;
    TmvControl* button = Place(doc, ctButton, 0, 0, -1, -1);
    TmvControl* tab = Place(doc, ctTab, 0, 0, -1, -1);
    doc.SetFontName("MS Sans Serif");
    EXPECT_EQ(button->Font.family(), "MS Sans Serif");
    doc.SetFontName("Tahoma");
    EXPECT_EQ(button->Font.family(), "Tahoma");
    EXPECT_EQ(tab->Font.family(), "MS Sans Serif");
}

// --- CreateControl ----------------------------------------------------------------------------

TEST(CreateControl, BuildsEachTypeWithItsKeywordNameAndOwnership) {
    DialogDocument doc;
    for (int type = 0; type < kControlTypeCount; ++type) {
        TmvControl* control = doc.CreateControl(type, true, 0, 0, -1, -1, -1);
        ASSERT_NE(control, nullptr) << type;
        EXPECT_EQ(control->ControlType, type);
        EXPECT_EQ(control->Host, &doc);
        EXPECT_FALSE(control->Updating);
        EXPECT_FALSE(control->Visible); // the caller shows it once placed
        EXPECT_EQ(control->TabIndex, -1);
        const QString expected =
            type == ctTab ? QString("marovel_tabcontrol") : "marovel_" + ControlKeyword(type) + "1";
        EXPECT_EQ(control->Name(), expected);
    }
    EXPECT_EQ(doc.ControlCount(), kControlTypeCount);
    EXPECT_EQ(doc.CreationOrder.size(), size_t(kControlTypeCount));
}

TEST(CreateControl, WithoutAssignNameLeavesTheNameToTheCaller) {
    DialogDocument doc;
    EXPECT_TRUE(doc.CreateControl(ctEdit, false, 0, 0, -1, -1, -1)->Name().isEmpty());
}

TEST(CreateControl, RefusesUnknownTypesWithAMessageAndCreatesNothing) {
    for (int type : {-1, 12, 255}) {
        DialogDocument doc;
        QString error;
        EXPECT_EQ(doc.CreateControl(type, true, 0, 0, -1, -1, -1, &error), nullptr);
        EXPECT_EQ(error, QString("Unknown control type %1.").arg(type));
        EXPECT_EQ(doc.ControlCount(), 0);
        EXPECT_TRUE(doc.CreationOrder.empty());
    }
}

TEST(CreateControl, NewTabControlBecomesTheDialogsTabControlWithIdZero) {
    DialogDocument doc;
    TmvControl* tab = doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(doc.TabControl, tab);
    EXPECT_EQ(tab->ID, 0);
}

TEST(CreateControl, RefusesASecondTabControl) {
    DialogDocument doc;
    doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);
    QString error;
    EXPECT_EQ(doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(doc.ControlCount(), 1);
}

TEST(CreateControl, MinusOneKeepsTheTypesDefaultSize) {
    DialogDocument doc;
    const TmvControl* a = doc.CreateControl(ctButton, true, 7, 9, -1, -1, -1);
    EXPECT_EQ(a->BoundsRect(), QRect(7, 9, 75, 25));
    const TmvControl* b = doc.CreateControl(ctList, true, 0, 0, 40, -1, -1);
    EXPECT_EQ(b->BoundsRect(), QRect(0, 0, 40, 100));
    const TmvControl* c = doc.CreateControl(ctCheck, true, 0, 0, -1, 33, -1);
    EXPECT_EQ(c->BoundsRect(), QRect(0, 0, 100, 33));
}

TEST(CreateControl, DbuModeQuantizesPositionAndSize) {
    DialogDocument doc;
    doc.UseDbu = true;
    // Base units 8 x 16: x keeps even pixels, y keeps even pixels too (16 / 8 = 2 per unit).
    const TmvControl* box = doc.CreateControl(ctBox, true, 5, 13, 31, 17, -1);
    EXPECT_EQ(box->BoundsRect(), QRect(QuantizeX(5), QuantizeY(13), QuantizeX(31), QuantizeY(17)));
    EXPECT_EQ(box->BoundsRect(), QRect(4, 12, 30, 16));
    // The default size is quantized as well: a button's 75 x 25 becomes 74 x 24.
    EXPECT_EQ(doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1)->BoundsRect(),
              QRect(0, 0, 74, 24));
}

TEST(CreateControl, ZOrderPutsTabLowestThenBoxesThenOthers) {
    DialogDocument doc;
    doc.CreateControl(ctButton, true, 0, 0, -1, -1, -1);
    doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1);
    doc.CreateControl(ctBox, true, 0, 0, -1, -1, -1);
    doc.CreateControl(ctEdit, true, 0, 0, -1, -1, -1);
    doc.CreateControl(ctBox, true, 0, 0, -1, -1, -1);
    EXPECT_EQ(ZOrderNames(doc), QStringList({"marovel_tabcontrol", "marovel_box2", "marovel_box1",
                                             "marovel_button1", "marovel_edit1"}));
}

TEST(CreateControl, PutsTheControlIntoTheListOfItsPage) {
    DialogDocument doc;
    Place(doc, ctTab, 0, 0, -1, -1);
    doc.AddTabPage();
    doc.AddTabPage();
    TmvControl* onSecond = doc.CreateControl(ctEdit, true, 0, 0, -1, -1, 1);
    EXPECT_EQ(onSecond->TabIndex, 1);
    EXPECT_EQ(doc.TabControl->Page(1)->Controls, std::vector<TmvControl*>{onSecond});
    EXPECT_EQ(ListsHolding(doc, onSecond), 1);
}

TEST(CreateControl, APageThatDoesNotExistMeansTheDialog) {
    DialogDocument doc;
    TmvControl* noTab = doc.CreateControl(ctEdit, true, 0, 0, -1, -1, 0);
    EXPECT_EQ(noTab->TabIndex, -1);
    Place(doc, ctTab, 0, 0, -1, -1);
    doc.AddTabPage();
    TmvControl* noPage = doc.CreateControl(ctEdit, true, 0, 0, -1, -1, 3);
    EXPECT_EQ(noPage->TabIndex, -1);
    EXPECT_EQ(ListsHolding(doc, noTab), 1);
    EXPECT_EQ(ListsHolding(doc, noPage), 1);
}

TEST(CreateControl, ConnectsTheSelectEventToSetCurrentControl) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 0, 0, -1, -1);
    a->OnSelectControl(a);
    EXPECT_EQ(doc.CurrentControl, a);
}

// --- Containment ---------------------------------------------------------------------------

class Containment : public ::testing::Test {
protected:
    void SetUp() override {
        tab = static_cast<TmvTab*>(Place(doc, ctTab, 0, 0, 200, 100));
        doc.AddTabPage();
        doc.AddTabPage();
        doc.AddTabPage();
        edit = Place(doc, ctEdit, 0, 0, -1, -1);
    }
    DialogDocument doc;
    TmvTab* tab = nullptr;
    TmvControl* edit = nullptr;
};

TEST_F(Containment, MoveToContainerKeepsTheControlInExactlyOneList) {
    const int pages[] = {0, 2, 2, -1, 1, -5, 0};
    for (int page : pages) {
        EXPECT_TRUE(doc.MoveToContainer(edit, page));
        EXPECT_EQ(edit->TabIndex, page < 0 ? -1 : page);
        EXPECT_EQ(ListsHolding(doc, edit), 1) << page;
        const std::vector<TmvControl*>* list = doc.ContainerList(page);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->back(), edit);
    }
}

TEST_F(Containment, MoveToTheSameContainerKeepsTheOrder) {
    TmvControl* button = Place(doc, ctButton, 0, 0, -1, -1);
    ASSERT_EQ(doc.CreationOrder, (std::vector<TmvControl*>{tab, edit, button}));
    doc.MoveToContainer(edit, -1);
    EXPECT_EQ(doc.CreationOrder, (std::vector<TmvControl*>{tab, edit, button}));
}

TEST_F(Containment, MoveToContainerRefusesMissingPagesAndPagesForTheTabControl) {
    EXPECT_FALSE(doc.MoveToContainer(edit, 3));
    EXPECT_EQ(edit->TabIndex, -1);
    EXPECT_FALSE(doc.MoveToContainer(tab, 0));
    EXPECT_EQ(tab->TabIndex, -1);
    EXPECT_EQ(ListsHolding(doc, tab), 1);
    EXPECT_EQ(ListsHolding(doc, edit), 1);
}

TEST_F(Containment, DeleteControlRemovesItFromEveryList) {
    RecordingUi ui;
    doc.Ui = &ui;
    doc.MoveToContainer(edit, 1);
    doc.Select(edit);
    doc.CurrentControl = edit;
    doc.HiddenControls.push_back(edit);
    const int before = doc.ControlCount();

    EXPECT_TRUE(doc.DeleteControl(edit));

    EXPECT_EQ(doc.ControlCount(), before - 1);
    EXPECT_TRUE(doc.TabControl->Page(1)->Controls.empty());
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_EQ(ui.Deleting, std::vector<TmvControl*>{edit});
}

TEST_F(Containment, DeleteControlRefusesAControlItDoesNotOwn) {
    DialogDocument other;
    TmvControl* foreign = Place(other, ctButton, 0, 0, -1, -1);
    EXPECT_FALSE(doc.DeleteControl(foreign));
    EXPECT_EQ(other.ControlCount(), 1);
}

TEST_F(Containment, DeletingTheTabControlDeletesItsPagesAndTheirControls) {
    Place(doc, ctButton, 0, 0, -1, -1, 0);
    TmvControl* hiddenChild = Place(doc, ctCheck, 0, 0, -1, -1, 2);
    doc.HiddenControls.push_back(hiddenChild);
    doc.Select(hiddenChild);
    ASSERT_EQ(doc.ControlCount(), 4);

    EXPECT_TRUE(doc.DeleteControl(tab));

    EXPECT_EQ(doc.TabControl, nullptr);
    EXPECT_EQ(doc.ControlCount(), 1);
    EXPECT_EQ(doc.ControlAt(0), edit);
    EXPECT_EQ(doc.CreationOrder, std::vector<TmvControl*>{edit});
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_TRUE(doc.Selection.empty());
    // A new tab control may be created again.
    EXPECT_NE(doc.CreateControl(ctTab, true, 0, 0, -1, -1, -1), nullptr);
}

TEST_F(Containment, DeletingATabPageDeletesItsControlsAndRenumbersTheRest) {
    TmvControl* p0 = Place(doc, ctButton, 0, 0, -1, -1, 0);
    TmvControl* p1a = Place(doc, ctCheck, 0, 0, -1, -1, 1);
    TmvControl* p1b = Place(doc, ctRadio, 0, 0, -1, -1, 1);
    TmvControl* p2 = Place(doc, ctList, 0, 0, -1, -1, 2);
    doc.HiddenControls.push_back(p1b);
    const int secondPageId = tab->Page(1)->ID;

    EXPECT_TRUE(doc.DeleteTabPage(1));

    EXPECT_EQ(tab->PageCount(), 2);
    EXPECT_EQ(doc.PageIndexOfId(secondPageId), -1);
    EXPECT_FALSE(doc.Owns(p1a));
    EXPECT_FALSE(doc.Owns(p1b));
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_EQ(p0->TabIndex, 0);
    EXPECT_EQ(p2->TabIndex, 1); // former page 2
    EXPECT_EQ(tab->Page(1)->Controls, std::vector<TmvControl*>{p2});
    EXPECT_EQ(tab->ActivePage, 0); // the page before the deleted one
    EXPECT_TRUE(p0->Visible);
    EXPECT_FALSE(p2->Visible);
}

TEST_F(Containment, DeletingTheFirstPageActivatesTheNewFirstAndTheLastPageStays) {
    EXPECT_TRUE(doc.DeleteTabPage(0));
    EXPECT_EQ(tab->ActivePage, 0);
    EXPECT_TRUE(doc.DeleteTabPage(1));
    EXPECT_FALSE(doc.DeleteTabPage(0)); // a tab control keeps one page
    EXPECT_EQ(tab->PageCount(), 1);
}

TEST_F(Containment, NewTabPagesTakeTheNextFreeId) {
    EXPECT_EQ(tab->Page(0)->ID, 1);
    EXPECT_EQ(tab->Page(1)->ID, 2);
    EXPECT_EQ(tab->Page(2)->ID, 3);
    EXPECT_EQ(edit->ID, 4);
}

TEST_F(Containment, ClearDialogEmptiesEverything) {
    RecordingUi ui;
    doc.Ui = &ui;
    Place(doc, ctButton, 0, 0, -1, -1, 1);
    doc.Select(edit);
    doc.SetCurrentControl(edit);
    doc.HiddenControls.push_back(edit);
    doc.Menu.AddMenuEntry("File", 50, 0, -1);
    doc.MenuBarHeight = 19;
    doc.UpdatesSuspended = true; // as while loading: the current control must still go

    doc.ClearDialog();

    EXPECT_EQ(doc.ControlCount(), 0);
    EXPECT_TRUE(doc.CreationOrder.empty());
    EXPECT_TRUE(doc.Selection.empty());
    EXPECT_TRUE(doc.HiddenControls.empty());
    EXPECT_EQ(doc.TabControl, nullptr);
    EXPECT_EQ(doc.CurrentControl, nullptr);
    EXPECT_TRUE(doc.Menu.IsEmpty());
    EXPECT_EQ(doc.Menu.NodeCount(), 0);
    EXPECT_EQ(doc.MenuBarHeight, 0);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(ui.Cleared, 1);
    EXPECT_EQ(ui.Deleting.size(), 3u);
}

TEST_F(Containment, DestroyingTheDocumentWithPageControlsIsSafe) {
    auto owned = std::make_unique<DialogDocument>();
    Place(*owned, ctTab, 0, 0, -1, -1);
    owned->AddTabPage();
    Place(*owned, ctButton, 0, 0, -1, -1, 0);
    owned.reset();
    SUCCEED();
}

TEST_F(Containment, TabPageDeletionThroughTheHostDeletesTheControl) {
    TmvControl* child = Place(doc, ctButton, 0, 0, -1, -1, 0);
    tab->DeletePage(0);
    EXPECT_FALSE(doc.Owns(child));
}
