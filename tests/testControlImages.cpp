// The surface's pictures of its controls: what they show is exactly what drawing the controls
// shows, a move reuses them, a change of look draws them again, and they stay under their
// byte limit. The repaint regions of group operations are built and queried as QRegion would.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QRandomGenerator>
#include <QTest>

#include "io/mvSettings.h"
#include "model/mvControls.h"
#include "support/testDocumentHelpers.h"
#include "surface/mvControlImages.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRepaintRegion.h"

namespace {
QImage Grab(TMainDialog& surface) {
    return surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The surface as drawing every control gives it, without pictures; afterwards the pictures
// are taken again.
QImage GrabDrawn(TMainDialog& surface) {
    TmvControlImages& images = surface.ControlImages();
    const qint64 limit = images.ByteLimit();
    images.SetByteLimit(0);
    const QImage drawn = Grab(surface);
    images.SetByteLimit(limit);
    Grab(surface);
    return drawn;
}

TmvControl* FirstOfType(DialogDocument& doc, int type) {
    for (int i = 0; i < doc.ControlCount(); ++i)
        if (doc.ControlAt(i)->ControlType == type) return doc.ControlAt(i);
    return nullptr;
}

// Every type in the looks its flags give, at odd places over the grid, some overlapping.
void FillGallery(DialogDocument& doc) {
    doc.UseDbu = false;
    doc.SetClientSize(620, 300);
    int x = 3;
    int y = 5;
    const auto place = [&](int type, int w, int h) {
        TmvControl* c = Place(doc, type, x, y, w, h);
        x += w + 7;
        if (x > 520) {
            x = 3;
            y += 61;
        }
        return c;
    };
    place(ctButton, 75, 25);
    place(ctButton, 61, 41)->SetText(QStringLiteral("Two words &wrapped"));
    static_cast<TmvButton*>(place(ctButton, 63, 23))->SetFlat(true);
    place(ctButton, 70, 23)->SetDisabled(true);
    place(ctEdit, 90, 21)->SetText(QStringLiteral("Gözde Ağış"));
    TmvControl* multi = place(ctEdit, 80, 50);
    multi->SetText(QStringLiteral("many words in lines\r\nand more"));
    static_cast<TmvEdit*>(multi)->SetMultiLine(true);
    static_cast<TmvEdit*>(multi)->SetVScrollBar(true);
    TmvControl* password = place(ctEdit, 70, 21);
    password->SetText(QStringLiteral("secret"));
    static_cast<TmvEdit*>(password)->SetPassword(true);
    password->SetAlignment(2);
    place(ctCombo, 90, 60)->SetKind(1);
    static_cast<TmvCombo*>(place(ctCombo, 80, 57))->SetForceSize(false);
    place(ctText, 71, 30)->SetText(QStringLiteral("A\tlabel that wraps"));
    place(ctText, 60, 15)->SetAlignment(1);
    place(ctBox, 110, 55)->SetText(QStringLiteral("&Group"));
    static_cast<TmvList*>(place(ctList, 60, 50))->SetForceSize(false);
    place(ctCheck, 90, 17);
    place(ctCheck, 80, 23)->SetKind(1);
    place(ctRadio, 95, 19)->SetAlignment(1);
    place(ctRadio, 90, 19)->SetDisabled(true);
    place(ctLink, 70, 16);
    place(ctIcon, 35, 35);
    static_cast<TmvIcon*>(place(ctIcon, 33, 33))->SetBorder(false);
    place(ctScroll, 16, 50);
    place(ctScroll, 80, 16)->SetKind(1);
    // Over another control: the one below shows through what the upper one leaves unpainted.
    Place(doc, ctText, 20, 12, 60, 30)->SetText(QStringLiteral("over the button"));
    TmvControl* tab = Place(doc, ctTab, 380, 180, 200, 100);
    (void)tab;
}

class ControlImages : public ::testing::Test {
protected:
    void SetUp() override {
        Settings settings;
        settings.ShowGrid = true;
        settings.HotTracking = true;
        surface.ApplySettings(settings);
        FillGallery(doc);
        surface.show();
    }
    DialogDocument doc;
    TMainDialog surface{doc};
};

TEST_F(ControlImages, ShowWhatDrawingTheControlsShows) {
    // Plain, several selected, one of them locked, one hot, everything locked.
    const std::vector<std::function<void()>> states = {
        [] {},
        [this] {
            for (int i = 0; i < doc.ControlCount(); i += 3)
                doc.Select(doc.ControlAt(i));
            doc.ControlAt(3)->SetLocked(true);
            doc.ControlAt(4)->SetHot(true);
        },
        [this] { doc.LockAll = true; },
    };
    for (size_t i = 0; i < states.size(); ++i) {
        states[i]();
        const QImage drawn = GrabDrawn(surface);
        EXPECT_EQ(Grab(surface), drawn) << "state " << i << ", pictures drawn";
        EXPECT_EQ(Grab(surface), drawn) << "state " << i << ", pictures reused";
    }
    EXPECT_GT(surface.ControlImages().Count(), 20);
}

TEST_F(ControlImages, AMoveReusesThePictureAndAChangeDrawsItAgain) {
    TmvControl* button = FirstOfType(doc, ctButton);
    Grab(surface);
    TmvControlImages& images = surface.ControlImages();
    const int drawn = images.Drawn();
    button->SetBounds(button->Left + 5, button->Top + 3, button->Width, button->Height);
    Grab(surface);
    EXPECT_EQ(images.Drawn(), drawn);

    const std::vector<std::function<void()>> changes = {
        [&] { button->SetText(QStringLiteral("Changed")); },
        [&] { button->SetWidth(button->Width + 4); },
        [&] { button->SetDisabled(true); },
        [&] { static_cast<TmvButton*>(button)->SetMultiLine(true); },
        [&] { button->SetFont(QFont(QStringLiteral("MS Sans Serif"))); },
        [&] { doc.UseDbu = true; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        const int before = images.Drawn();
        changes[i]();
        const QImage shown = Grab(surface);
        // Only the button's look changed (the dialog's units reach every control).
        if (i + 1 < changes.size())
            EXPECT_EQ(images.Drawn(), before + 1) << "change " << i;
        else
            EXPECT_GT(images.Drawn(), before + 1);
        EXPECT_EQ(shown, GrabDrawn(surface)) << "change " << i;
    }
}

TEST_F(ControlImages, SelectingAnotherControlDrawsOnlyWhatChanged) {
    doc.Select(doc.ControlAt(0));
    doc.Select(doc.ControlAt(1));
    Grab(surface);
    TmvControlImages& images = surface.ControlImages();
    const int drawn = images.Drawn();
    // The first two keep their marks; the third gains them.
    doc.Select(doc.ControlAt(2));
    const QImage shown = Grab(surface);
    EXPECT_EQ(images.Drawn(), drawn + 1);
    EXPECT_EQ(shown, GrabDrawn(surface));
}

TEST_F(ControlImages, StayUnderTheirByteLimit) {
    TmvControlImages& images = surface.ControlImages();
    constexpr qint64 limit = 40 * 1024;
    images.SetByteLimit(limit);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Grab(surface), GrabDrawn(surface));
        EXPECT_LE(images.Bytes(), limit);
        EXPECT_GT(images.Count(), 0);
        EXPECT_LT(images.Count(), doc.ControlCount() - 1);
    }
    images.Clear();
    EXPECT_EQ(images.Count(), 0);
    EXPECT_EQ(images.Bytes(), 0);
}

// The regions every paint event of the surface asked for.
class PaintRegions : public QObject {
public:
    QRegion Painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST(ControlImagesNudge, RepaintsOnlyWhereTheSelectionWasAndIs) {
    DialogDocument doc;
    doc.UseDbu = false;
    TMainDialog surface(doc);
    doc.SetClientSize(400, 300);
    QRegion expected;
    for (int i = 0; i < 60; ++i) {
        TmvControl* control =
            Place(doc, i % 2 ? ctCheck : ctButton, 4 + (i % 10) * 40, 4 + (i / 10) * 40, 36, 22);
        if (i % 3 == 0) continue;
        doc.Select(control);
        // One pixel round the control, before and after the move.
        expected += control->BoundsRect().adjusted(-1, -1, 2, 1);
    }
    surface.show();
    QApplication::processEvents();
    PaintRegions regions;
    surface.installEventFilter(&regions);
    QTest::keyClick(&surface, Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_EQ(regions.Painted, expected & surface.rect());
}

TEST(RepaintRegion, UnitesAndMeetsAsQRegionDoes) {
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        // Controls in a grid, each moved one or two pixels along one axis, as a nudge does.
        std::vector<QRect> nudged;
        QRegion plain;
        for (int i = 0; i < 1 + int(random.bounded(300)); ++i) {
            const QRect r((i % 20) * 30, (i / 20) * 25, 1 + random.bounded(27),
                          1 + random.bounded(22));
            const int by = 1 + random.bounded(2);
            nudged.push_back(r);
            nudged.push_back(random.bounded(2) ? r.translated(by, 0) : r.translated(0, by));
            plain += nudged[nudged.size() - 2];
            plain += nudged.back();
        }
        const QRegion united = UniteRects(nudged);
        EXPECT_EQ(united, plain) << "round " << round;
        for (int q = 0; q < 200; ++q) {
            const QRect query(random.bounded(-20, 620), random.bounded(-20, 400),
                              1 + random.bounded(12), 1 + random.bounded(12));
            EXPECT_EQ(RegionMeets(united, query), plain.intersects(query)) << "round " << round;
        }
        // Rectangles anywhere: never less than they cover.
        std::vector<QRect> scattered;
        QRegion covered;
        for (int i = 0; i < 100; ++i) {
            scattered.emplace_back(random.bounded(300), random.bounded(300), random.bounded(80),
                                   random.bounded(80));
            covered += scattered.back();
        }
        EXPECT_TRUE(covered.subtracted(UniteRects(scattered)).isEmpty()) << "round " << round;
    }
    EXPECT_TRUE(UniteRects({}).isEmpty());
    EXPECT_FALSE(RegionMeets(QRegion(), QRect(0, 0, 5, 5)));
}
} // namespace
