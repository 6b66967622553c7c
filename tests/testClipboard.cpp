// Cut, copy and paste of controls through the in-memory buffer of project sections.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "io/mvClipboard.h"
#include "model/mvUnits.h"
#include "support/testDocumentHelpers.h"
#include "support/testHelpers.h"
#include "support/testRecordingPrompter.h"
#include "surface/mvControlNames.h"

namespace {
std::vector<int> Ids(const std::vector<TmvControl*>& controls) {
    std::vector<int> ids;
    for (const TmvControl* c : controls)
        ids.push_back(c->GetID());
    return ids;
}

// Runs `work` with a scratch folder as the current folder.
template <typename Work> void InScratchFolder(const QTemporaryDir& dir, Work work) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    work();
    QDir::setCurrent(before);
}
} // namespace

// Every type but the tab control comes back from cut and paste as it was: the same table line
// once it is moved back by the paste step.
TEST(Clipboard, CutAndPasteGivesBackEveryTypeUnchanged) {
    for (int type = 0; type < kControlTypeCount; ++type) {
        if (type == ctTab) continue;
        SCOPED_TRACE(ControlKeyword(type).toStdString());
        DialogDocument doc;
        TmvControl* control = Place(doc, type, 24, 32, 80, 40);
        control->SetText(QStringLiteral("a \"quoted\" text"));
        control->SetDisabled(true);
        control->SetStaticID(true);
        // (A scroll bar's kind goes with its alignment; the reader keeps them consistent.)
        if (type != ctScroll && !KindNames(type).isEmpty()) control->SetKind(1);
        control->UnpackStyles(control->PackStyles() ^ 1); // an icon's border moves it
        const QPoint at = control->BoundsRect().topLeft();
        const QString line = control->BuildLine();
        const int styles = control->PackStyles();
        doc.Select(control);

        TmvControlClipboard clipboard;
        clipboard.CutSelection(doc, nullptr, false);
        EXPECT_EQ(doc.ControlCount(), 0);
        ASSERT_EQ(clipboard.PasteControls(doc), 1);
        TmvControl* pasted = doc.ControlAt(0);
        EXPECT_EQ(pasted->Left, at.x() + QuantizeX(5));
        EXPECT_EQ(pasted->Top, at.y() + QuantizeY(5));
        pasted->SetBounds(at.x(), at.y(), pasted->Width, pasted->Height);
        EXPECT_EQ(pasted->BuildLine(), line);
        EXPECT_EQ(pasted->PackStyles(), styles);
        EXPECT_TRUE(pasted->GetStaticID());
        EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{pasted});
        EXPECT_EQ(doc.CurrentControl, pasted);
    }
}

TEST(Clipboard, CopyAndPasteRepairsTakenIdsAndDropsTheirLock) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControl* b = Place(doc, ctEdit, 10, 40, 60, 20);
    b->SetStaticID(true);
    doc.Select(a);
    doc.Select(b);
    TmvControlClipboard clipboard;
    clipboard.CopySelection(doc);
    EXPECT_EQ(clipboard.Count(), 2);
    EXPECT_EQ(clipboard.PasteControls(doc), 2);

    ASSERT_EQ(doc.Selection.size(), 2u);
    EXPECT_EQ(Ids(doc.Selection), (std::vector<int>{3, 4}));
    EXPECT_EQ(Ids({a, b}), (std::vector<int>{1, 2}));
    EXPECT_FALSE(doc.Selection[1]->GetStaticID());
    // Names of their own, the copies' texts and types.
    EXPECT_EQ(VisibleName(*doc.Selection[0]), QStringLiteral("button2"));
    EXPECT_EQ(doc.Selection[1]->ControlType, ctEdit);
    EXPECT_TRUE(doc.Modified);
}

// Whichever comes first in the buffer, the copy that keeps its free ID and the one that needs a
// new ID never end up with the same one.
TEST(Clipboard, AMixOfFreeAndTakenIdsNeverGivesTwoControlsOneId) {
    struct Case {
        const char* what;
        bool keptFirst;
        std::vector<int> pasted;
    };
    const Case cases[] = {
        // a's copy finds 1 taken and takes the free 2; b's copy then finds its 2 taken.
        {"taken first", false, {2, 3}},
        // b's copy keeps its free 2; a's copy finds 1 and 2 taken.
        {"kept first", true, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogDocument doc;
        TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20); // 1
        TmvControl* b = Place(doc, ctButton, 10, 40, 60, 20); // 2
        doc.Select(c.keptFirst ? b : a);
        doc.Select(c.keptFirst ? a : b);
        TmvControlClipboard clipboard;
        clipboard.CopySelection(doc);
        doc.DeleteControl(b);
        clipboard.PasteControls(doc);
        std::vector<int> pasted = Ids(doc.Selection);
        std::sort(pasted.begin(), pasted.end());
        EXPECT_EQ(pasted, c.pasted);
        EXPECT_EQ(a->ID, 1);
    }
}

TEST(Clipboard, EachPasteLandsOneStepFurther) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctCheck, 40, 50, 60, 20);
    doc.Select(a);
    TmvControlClipboard clipboard;
    clipboard.CopySelection(doc);
    for (int step = 1; step <= 3; ++step) {
        clipboard.PasteControls(doc);
        EXPECT_EQ(doc.CurrentControl->Left, 40 + step * QuantizeX(5));
        EXPECT_EQ(doc.CurrentControl->Top, 50 + step * QuantizeY(5));
        EXPECT_EQ(doc.CurrentControl->Width, 60);
    }
    EXPECT_EQ(doc.ControlCount(), 4);
}

TEST(Clipboard, PastingWhileTheTabControlIsCurrentFillsItsActivePage) {
    DialogDocument doc;
    auto* tab = static_cast<TmvTab*>(Place(doc, ctTab, 0, 0, 200, 150));
    doc.AddTabPage();
    doc.AddTabPage();
    TmvControl* onPage = Place(doc, ctButton, 20, 40, 60, 20, 0);
    TmvControl* onDialog = Place(doc, ctEdit, 220, 40, 60, 20);
    doc.Select(onPage);
    doc.Select(onDialog);
    TmvControlClipboard clipboard;
    clipboard.CopySelection(doc);

    tab->SetActivePage(1);
    doc.ClearSelection();
    doc.Select(tab);
    doc.CurrentControl = tab;
    EXPECT_EQ(clipboard.PasteControls(doc), 2);
    EXPECT_EQ(tab->Page(1)->Controls, doc.Selection);
    for (const TmvControl* c : doc.Selection)
        EXPECT_EQ(c->TabIndex, 1);

    // With a control on a page current the copies go onto its page, with one on the dialog
    // onto the dialog.
    const std::pair<TmvControl*, int> currents[] = {{onPage, 0}, {onDialog, -1}};
    for (const auto& [current, page] : currents) {
        doc.CurrentControl = current;
        clipboard.PasteControls(doc);
        ASSERT_EQ(doc.Selection.size(), 2u);
        for (const TmvControl* c : doc.Selection)
            EXPECT_EQ(c->TabIndex, page);
    }
    EXPECT_EQ(tab->Page(0)->Controls.size(), 3u);
    EXPECT_EQ(doc.CreationOrder.size(), 4u);
}

TEST(Clipboard, TheTabControlIsNeverCopiedNorCut) {
    DialogDocument doc;
    TmvControl* tab = Place(doc, ctTab, 0, 0, 200, 150);
    doc.AddTabPage();
    TmvControl* button = Place(doc, ctButton, 220, 10, 60, 20);
    TmvControlClipboard clipboard;
    doc.Select(button);
    clipboard.CopySelection(doc);
    ASSERT_EQ(clipboard.Count(), 1);

    // Copying the tab control alone empties the buffer all the same; paste then does nothing.
    doc.ClearSelection();
    doc.Select(tab);
    clipboard.CopySelection(doc);
    EXPECT_EQ(clipboard.Count(), 0);
    EXPECT_EQ(clipboard.PasteControls(doc), 0);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{tab});

    // Cutting it alone changes nothing; cut with a button takes the button only.
    clipboard.CutSelection(doc, nullptr, true);
    EXPECT_EQ(doc.ControlCount(), 2);
    EXPECT_TRUE(doc.IsSelected(tab));
    doc.Select(button);
    RecordingPrompter prompt;
    clipboard.CutSelection(doc, &prompt, true);
    EXPECT_TRUE(prompt.Messages.empty());
    EXPECT_EQ(doc.ControlCount(), 1);
    EXPECT_EQ(doc.ControlAt(0), tab);
    EXPECT_EQ(clipboard.Count(), 1);
}

TEST(Clipboard, EmptySelectionOrBufferChangesNothing) {
    DialogDocument doc;
    TmvControl* a = Place(doc, ctButton, 10, 10, 60, 20);
    TmvControlClipboard clipboard;
    doc.Select(a);
    EXPECT_EQ(clipboard.PasteControls(doc), 0);
    EXPECT_EQ(doc.Selection, std::vector<TmvControl*>{a});
    EXPECT_FALSE(doc.Modified);
    clipboard.CopySelection(doc);
    doc.ClearSelection();
    clipboard.CopySelection(doc); // keeps the button
    clipboard.CutSelection(doc, nullptr, false);
    EXPECT_EQ(clipboard.Count(), 1);
    EXPECT_EQ(doc.ControlCount(), 1);
}

// The buffer never touches the disk: no file of its own appears, and a user's file that
// happens to carry its old name survives everything.
TEST(Clipboard, NoFileIsEverWrittenOrDeleted) {
    for (const bool userFile : {false, true}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("_cpbuffer"));
        if (userFile) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("the user's own notes");
        }
        InScratchFolder(dir, [] {
            DialogDocument doc;
            Place(doc, ctButton, 10, 10, 60, 20);
            doc.SelectAll();
            auto clipboard = std::make_unique<TmvControlClipboard>();
            clipboard->CopySelection(doc);
            clipboard->PasteControls(doc);
            clipboard->CutSelection(doc, nullptr, false);
            clipboard.reset();
        });
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  userFile ? QStringList{QStringLiteral("_cpbuffer")} : QStringList{});
        if (userFile) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), QByteArray("the user's own notes"));
        }
    }
}
