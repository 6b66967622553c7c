// The "Unhide Controls" and "Control Creation Order" windows, driven as the user does.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "surface/mvCreationOrderWnd.h"
#include "surface/mvUnhideControls.h"
#include "surface/mvZOrder.h"

namespace {
QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList Chosen(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected()) texts << list->item(row)->text();
    return texts;
}

void Choose(QListWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (const int row : rows)
        list->item(row)->setSelected(true);
}

struct Five {
    DialogDocument doc;
    std::vector<TmvControl*> c;
    Five() {
        for (const int type : {ctButton, ctEdit, ctCheck, ctRadio, ctList})
            c.push_back(Place(doc, type, 10, 10, 40, 20));
    }
};
} // namespace

TEST(UnhideControls, ListsTheHiddenInOrderAndUnhidesTheChosen) {
    Five f;
    HideControl(f.doc, f.c[3]);
    HideControl(f.doc, f.c[0]);
    HideControl(f.doc, f.c[1]);
    TUnhideControls window(f.doc);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Unhide Controls"));
    EXPECT_EQ(Entries(window.HiddenList),
              (QStringList{"radio1: radio", "button1: button", "edit1: edit"}));
    EXPECT_TRUE(window.UnhideButton->isDefault());

    Choose(window.HiddenList, {0, 2});
    QTest::mouseClick(window.UnhideButton, Qt::LeftButton);
    EXPECT_EQ(f.doc.HiddenControls, std::vector<TmvControl*>{f.c[0]});
    EXPECT_TRUE(f.c[3]->Visible);
    EXPECT_FALSE(f.c[3]->DesignHidden);
    EXPECT_FALSE(f.c[0]->Visible);
}

TEST(UnhideControls, CancelAndUnhideAll) {
    Five f;
    for (TmvControl* control : f.c)
        HideControl(f.doc, control);
    {
        TUnhideControls window(f.doc);
        Choose(window.HiddenList, {0, 1, 2, 3, 4});
        QTest::mouseClick(window.CancelButton, Qt::LeftButton);
        EXPECT_EQ(f.doc.HiddenControls.size(), 5u);
    }
    UnhideAll(f.doc);
    EXPECT_TRUE(f.doc.HiddenControls.empty());
    for (const TmvControl* control : f.c)
        EXPECT_TRUE(control->Visible);
}

TEST(CreationOrderWnd, ArrowsFollowTheChoiceAndMoveBlocks) {
    Five f;
    TCreationOrderWnd window(f.doc, -1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Control Creation Order"));
    EXPECT_EQ(window.UpButton->font().family(), QStringLiteral("Marlett"));
    EXPECT_EQ(window.UpButton->focusPolicy(), Qt::NoFocus);
    struct Case {
        std::initializer_list<int> rows;
        bool up, down;
    };
    const Case states[] = {{{}, false, false},
                           {{0}, false, true},
                           {{4}, true, false},
                           {{1, 2}, true, true},
                           {{0, 4}, false, false}};
    for (const Case& c : states) {
        Choose(window.OrderList, c.rows);
        EXPECT_EQ(window.UpButton->isEnabled(), c.up);
        EXPECT_EQ(window.DownButton->isEnabled(), c.down);
    }

    // Entries 2 and 3 (counting from 1) up: they become 1 and 2, still chosen.
    Choose(window.OrderList, {1, 2});
    QTest::mouseClick(window.UpButton, Qt::LeftButton);
    EXPECT_EQ(Entries(window.OrderList),
              (QStringList{"edit1: edit", "check1: check", "button1: button", "radio1: radio",
                           "list1: list"}));
    EXPECT_EQ(Chosen(window.OrderList), (QStringList{"edit1: edit", "check1: check"}));
    EXPECT_FALSE(window.UpButton->isEnabled());
    // Down twice, then OK: the dialog's creation order follows; the z-order does not.
    QTest::mouseClick(window.DownButton, Qt::LeftButton);
    QTest::mouseClick(window.DownButton, Qt::LeftButton);
    const QStringList zOrder = ZOrderNames(f.doc);
    QTest::mouseClick(window.OkButton, Qt::LeftButton);
    EXPECT_EQ(f.doc.CreationOrder,
              (std::vector<TmvControl*>{f.c[0], f.c[3], f.c[1], f.c[2], f.c[4]}));
    EXPECT_EQ(ZOrderNames(f.doc), zOrder);
    EXPECT_TRUE(f.doc.Modified);
}

TEST(CreationOrderWnd, CancelKeepsTheOrderAndAPageListIsShownAlone) {
    Five f;
    auto* tab = static_cast<TmvTab*>(Place(f.doc, ctTab, 0, 0, 200, 150));
    f.doc.AddTabPage();
    TmvControl* x = Place(f.doc, ctText, 10, 40, 40, 20, 0);
    TmvControl* y = Place(f.doc, ctLink, 10, 70, 40, 20, 0);
    f.doc.Modified = false;
    {
        TCreationOrderWnd window(f.doc, -1);
        Choose(window.OrderList, {4});
        window.MoveUp();
        QTest::mouseClick(window.CancelButton, Qt::LeftButton);
        EXPECT_EQ(f.doc.CreationOrder.back(), tab);
        EXPECT_FALSE(f.doc.Modified);
    }
    TCreationOrderWnd window(f.doc, 0);
    EXPECT_EQ(Entries(window.OrderList), (QStringList{"text1: text", "link1: link"}));
    Choose(window.OrderList, {1});
    window.MoveUp();
    window.accept();
    EXPECT_EQ(tab->Page(0)->Controls, (std::vector<TmvControl*>{y, x}));
}
