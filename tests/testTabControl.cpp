// Tab pages: adding, deleting, activating, renumbering, hit-testing and page lines.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <algorithm>

#include "model/mvControlHost.h"
#include "model/mvTabControl.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"

namespace {
const QFont kFont(QStringLiteral("Tahoma"), 8);

// Deletes what it is asked to, the way the surface does: off the page it sits on.
class DeletingHost : public TmvControlHost {
public:
    explicit DeletingHost(TmvTab& tab) : tab(tab) {}
    TmvTab& tab;
    std::vector<TmvControl*> deleted;
    void RepaintControl(TmvControl*) override {}
    void LayoutChanged() override {}
    void DeleteControlRequest(TmvControl* c) override {
        deleted.push_back(c);
        auto& list = tab.Page(c->TabIndex)->Controls;
        list.erase(std::find(list.begin(), list.end(), c));
    }
};

struct TabFixture : ::testing::Test {
    DialogDocument dialog;
    TmvTab tab{kFont};
    std::vector<std::unique_ptr<TmvButton>> buttons;

    void SetUp() override {
        tab.Host = &dialog;
        dialog.TabControl = &tab;
    }
    // The buttons go before the tab control, which must not report them on its way out.
    void TearDown() override { tab.Host = nullptr; }
    TmvButton* AddButton(int page) {
        buttons.push_back(std::make_unique<TmvButton>(kFont));
        TmvButton* b = buttons.back().get();
        b->Host = &dialog;
        b->TabIndex = page;
        b->Visible = true;
        tab.Page(page)->Controls.push_back(b);
        return b;
    }
};

TEST_F(TabFixture, NewTabControlHasNoPagesAndWritesNoLine) {
    EXPECT_EQ(tab.PageCount(), 0);
    EXPECT_EQ(tab.ActivePage, -1);
    EXPECT_TRUE(tab.BuildPageLines().isEmpty());
    EXPECT_EQ(tab.GetID(), 0);
    EXPECT_FALSE(tab.GetStaticID());
}

TEST_F(TabFixture, AddingPagesActivatesTheNewestWithNumberedCaption) {
    tab.AddPage(10);
    EXPECT_EQ(tab.ActivePage, 0);
    tab.AddPage(11);
    tab.AddPage(12);
    EXPECT_EQ(tab.ActivePage, 2);
    EXPECT_EQ(tab.Page(2)->Caption, QStringLiteral("Tab 3"));
    EXPECT_EQ(tab.GetID(), 12);
}

TEST_F(TabFixture, IdAndLockIdRedirectToTheActivePage) {
    tab.SetID(3); // no pages yet: the tab control's own field
    EXPECT_EQ(tab.ID, 3);
    tab.AddPage(10);
    tab.AddPage(11);
    tab.SetActivePage(0);
    tab.SetID(20);
    tab.SetStaticID(true);
    EXPECT_EQ(tab.Page(0)->ID, 20);
    EXPECT_TRUE(tab.Page(0)->StaticID);
    EXPECT_FALSE(tab.Page(1)->StaticID);
    EXPECT_EQ(tab.ID, 3);
    tab.SetActivePage(1);
    EXPECT_EQ(tab.GetID(), 11);
    EXPECT_FALSE(tab.GetStaticID());
}

TEST_F(TabFixture, ActivePageShowsOnlyItsControlsThatAreNotHidden) {
    tab.AddPage(10);
    tab.AddPage(11);
    TmvButton* a = AddButton(0);
    TmvButton* b = AddButton(1);
    TmvButton* c = AddButton(1);
    c->DesignHidden = true;
    tab.Refresh = true;
    tab.SetActivePage(1);
    EXPECT_FALSE(a->Visible);
    EXPECT_TRUE(b->Visible);
    EXPECT_FALSE(c->Visible);
    EXPECT_FALSE(tab.Refresh);
    // Unchanged index without the refresh flag: nothing is re-applied.
    a->Visible = true;
    tab.SetActivePage(1);
    EXPECT_TRUE(a->Visible);
}

TEST_F(TabFixture, DeletingAPageAsksTheHostToDeleteItsControls) {
    DeletingHost host(tab);
    tab.Host = &host;
    tab.AddPage(10);
    tab.AddPage(11);
    TmvButton* a = AddButton(0);
    TmvButton* b = AddButton(0);
    tab.ScrollStrip(1);
    tab.DeletePage(0);
    EXPECT_EQ(host.deleted, (std::vector<TmvControl*>{a, b}));
    EXPECT_EQ(tab.PageCount(), 1);
    EXPECT_EQ(tab.Page(0)->ID, 11);
    EXPECT_EQ(tab.FirstTab, 0);
    tab.Host = nullptr;
}

TEST_F(TabFixture, DeletingAPageWithoutHostDropsTheEntries) {
    tab.Host = nullptr;
    tab.AddPage(10);
    AddButton(0);
    AddButton(0);
    tab.DeletePage(0);
    EXPECT_EQ(tab.PageCount(), 0);
    tab.DeletePage(5); // out of range: nothing happens
}

TEST_F(TabFixture, RenumberAfterDeletingTheFirstPage) {
    tab.AddPage(10);
    tab.AddPage(11);
    tab.AddPage(12);
    TmvButton* onLast = AddButton(2);
    tab.DeletePage(0);
    tab.RenumberPages();
    EXPECT_EQ(onLast->TabIndex, 1);
    EXPECT_TRUE(tab.Refresh);
}

TEST_F(TabFixture, MovePageControlsSkipsSelectedOnes) {
    tab.AddPage(10);
    tab.AddPage(11);
    TmvButton* a = AddButton(0);
    TmvButton* b = AddButton(1);
    dialog.Selection.push_back(b);
    a->SetBounds(10, 10, 75, 25);
    b->SetBounds(10, 10, 75, 25);
    tab.MovePageControls(5, -3);
    EXPECT_EQ(a->BoundsRect(), QRect(15, 7, 75, 25));
    EXPECT_EQ(b->BoundsRect(), QRect(10, 10, 75, 25));
}

TEST_F(TabFixture, ScrollStripStaysWithinThePages) {
    tab.AddPage(10);
    tab.AddPage(11);
    tab.ScrollStrip(-1);
    EXPECT_EQ(tab.FirstTab, 0);
    tab.ScrollStrip(1);
    EXPECT_EQ(tab.FirstTab, 1);
    tab.ScrollStrip(1);
    EXPECT_EQ(tab.FirstTab, 1);
}

TEST_F(TabFixture, PageAtXWalksTabsFromFirstTab) {
    for (int id = 10; id < 14; ++id)
        tab.AddPage(id);
    const int w0 = QFontMetrics(tab.Font).horizontalAdvance(QStringLiteral("Tab 1")) + 25;
    EXPECT_EQ(tab.TabWidth(0), w0);
    EXPECT_EQ(tab.PageAtX(0), 0);
    EXPECT_EQ(tab.PageAtX(w0), 0); // both ends inclusive
    EXPECT_EQ(tab.PageAtX(w0 + 1), 1);
    EXPECT_EQ(tab.PageAtX(100000), tab.ActivePage);
    tab.FirstTab = 2;
    EXPECT_EQ(tab.PageAtX(0), 2);
    tab.FirstTab = 9;
    EXPECT_EQ(tab.PageAtX(0), tab.ActivePage);
}

TEST_F(TabFixture, OnlyTheFirstPageLineCarriesTheRectangle) {
    tab.SetLogicalRect(QRect(5, 5, 200, 100));
    tab.AddPage(10);
    tab.AddPage(11);
    EXPECT_EQ(tab.BuildPageLines(),
              (QStringList{"tab \"Tab 1\", 10, 5 5 200 100", "tab \"Tab 2\", 11"}));
    tab.Page(1)->NoQuotes = true;
    tab.SetPageCaption(1, QStringLiteral("$iif(%x,a,b)"));
    EXPECT_EQ(tab.PageLine(1), QStringLiteral("tab $iif(%x,a,b), 11"));
}

TEST_F(TabFixture, PageLinesInDbuMode) {
    dialog.UseDbu = true;
    tab.SetLogicalRect(QRect(10, 16, 200, 96));
    tab.AddPage(7);
    EXPECT_EQ(tab.PageLine(0), QStringLiteral("tab \"Tab 1\", 7, 5 8 100 48"));
}

TEST_F(TabFixture, DialogLooksUpPagesById) {
    tab.AddPage(10);
    tab.AddPage(11);
    EXPECT_EQ(dialog.PageIndexOfId(11), 1);
    EXPECT_EQ(dialog.PageIndexOfId(99), -1);
    EXPECT_EQ(dialog.PageIdOfIndex(0), 10);
    DialogDocument empty;
    EXPECT_EQ(empty.PageIdOfIndex(0), -1);
}

TEST(TabLifetime, DestroyingTheTabControlClearsTheDialogReference) {
    DialogDocument dialog;
    {
        TmvTab tab(kFont);
        tab.Host = &dialog;
        dialog.TabControl = &tab;
        tab.AddPage(1);
    }
    EXPECT_EQ(dialog.TabControl, nullptr);
}
} // namespace
