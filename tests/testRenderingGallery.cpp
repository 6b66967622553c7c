// Every control type, in its common variants, painted side by side as the surface would paint
// them. Each one must stay inside its own rectangle. Set MAROVEL_GALLERY_PNG to a file name to
// keep the picture (e.g. /tmp/marovel-controls.png).
#include <gtest/gtest.h>

#include <memory>

#include "model/mvTabControl.h"
#include "support/testPainting.h"

namespace {
struct Gallery {
    std::vector<std::unique_ptr<TmvControl>> Controls;

    template <typename T> T* Add(int x, int y) {
        auto control = std::make_unique<T>(DialogFont());
        control->Left = x;
        control->Top = y;
        T* raw = control.get();
        Controls.push_back(std::move(control));
        return raw;
    }
};

Gallery BuildGallery() {
    Gallery g;
    g.Add<TmvButton>(10, 10);
    g.Add<TmvButton>(90, 10)->Disabled = true;
    g.Add<TmvButton>(170, 10)->Flat = true;
    auto* multi = g.Add<TmvButton>(250, 10);
    multi->MultiLine = true;
    multi->Text = QStringLiteral("Two line caption");
    multi->Height = 32;

    g.Add<TmvEdit>(10, 50)->Text = QStringLiteral("Edit text");
    auto* password = g.Add<TmvEdit>(120, 50);
    password->Text = QStringLiteral("secret");
    password->Password = true;
    auto* readOnly = g.Add<TmvEdit>(10, 75);
    readOnly->Text = QStringLiteral("Read only");
    readOnly->ReadOnly = true;
    auto* right = g.Add<TmvEdit>(120, 75);
    right->Text = QStringLiteral("Right");
    right->Alignment = 1;
    auto* memo = g.Add<TmvEdit>(230, 50);
    memo->Text = QStringLiteral("A multi-line edit whose text wraps over several lines");
    memo->MultiLine = true;
    memo->VScrollBar = true;
    memo->Height = 60;
    auto* both = g.Add<TmvEdit>(340, 50);
    both->MultiLine = true;
    both->VScrollBar = both->HScrollBar = true;
    both->Height = 60;

    g.Add<TmvCombo>(10, 130);
    g.Add<TmvCombo>(140, 130)->Kind = 1;
    auto* disabledCombo = g.Add<TmvCombo>(270, 130);
    disabledCombo->Kind = 1;
    disabledCombo->Disabled = true;
    auto* sizedCombo = g.Add<TmvCombo>(400, 130);
    sizedCombo->ForceSize = false;
    sizedCombo->VScrollBar = true;

    g.Add<TmvText>(10, 245);
    g.Add<TmvText>(100, 245)->Disabled = true;
    auto* centred = g.Add<TmvText>(190, 245);
    centred->Width = 100;
    centred->Alignment = 2;
    g.Add<TmvLink>(300, 245);

    g.Add<TmvBox>(10, 270);
    g.Add<TmvList>(120, 270);
    auto* list = g.Add<TmvList>(230, 270);
    list->ForceSize = false;
    list->VScrollBar = true;
    auto* wide = g.Add<TmvList>(340, 270);
    wide->HScrollBar = true;

    g.Add<TmvCheck>(10, 385);
    g.Add<TmvCheck>(120, 385)->Disabled = true;
    g.Add<TmvCheck>(230, 385)->Kind = 1;
    auto* flatCheck = g.Add<TmvCheck>(340, 385);
    flatCheck->Flat = true;
    flatCheck->Alignment = 1;
    g.Add<TmvRadio>(10, 410);
    g.Add<TmvRadio>(120, 410)->Disabled = true;
    g.Add<TmvRadio>(230, 410)->Flat = true;
    g.Add<TmvRadio>(340, 410)->Kind = 1;

    g.Add<TmvIcon>(10, 440);
    g.Add<TmvIcon>(60, 440)->Border = false;
    g.Add<TmvScroll>(110, 440);
    auto* horizontal = g.Add<TmvScroll>(140, 440);
    horizontal->Kind = 1;
    horizontal->Alignment = 1;
    horizontal->Width = 150;
    horizontal->Height = 30;
    auto* disabledScroll = g.Add<TmvScroll>(140, 480);
    disabledScroll->Kind = 1;
    disabledScroll->Alignment = 3;
    disabledScroll->Width = 150;
    disabledScroll->Height = 30;
    disabledScroll->Disabled = true;

    auto* tab = g.Add<TmvTab>(470, 245);
    for (int id = 1; id <= 3; ++id)
        tab->AddPage(id);
    tab->SetActivePage(1);
    auto* crowded = g.Add<TmvTab>(470, 360);
    crowded->Width = 120;
    for (int id = 1; id <= 3; ++id)
        crowded->AddPage(id);
    crowded->SetActivePage(0);
    return g;
}
} // namespace

TEST(RenderingGallery, EveryControlPaintsOnlyInsideItsRectangle) {
    Gallery g = BuildGallery();
    std::vector<bool> types(kControlTypeCount, false);
    for (const auto& control : g.Controls) {
        types[control->ControlType] = true;
        QImage image(control->Width + 40, control->Height + 40, QImage::Format_RGB32);
        image.fill(Untouched());
        QPainter painter(&image);
        painter.translate(20, 20);
        TmvPaintContext context = TestContext();
        context.Selected = true;
        context.SelectionCount = 2;
        context.HotTracking = true;
        control->Hot = true;
        control->Paint(painter, context);
        painter.end();
        const QRect inside(20, 20, control->Width, control->Height);
        const int outside =
            CountPixels(image, image.rect(), [](const QColor& c) { return c != Untouched(); }) -
            CountPixels(image, inside, [](const QColor& c) { return c != Untouched(); });
        EXPECT_EQ(outside, 0) << ControlKeyword(control->ControlType).toStdString();
        // The hover frame shows the whole rectangle was reachable.
        EXPECT_EQ(image.pixelColor(20, 20 + control->Height / 2), context.HotTrackColor);
    }
    for (int type = 0; type < kControlTypeCount; ++type)
        EXPECT_TRUE(types[type]) << type;
}

TEST(RenderingGallery, PaintsTheWholeSet) {
    const Gallery g = BuildGallery();
    const TmvPaintContext context; // the colours of this platform
    QImage image(700, 530, QImage::Format_RGB32);
    image.fill(context.Colors.Face);
    QPainter painter(&image);
    for (const auto& control : g.Controls) {
        painter.save();
        painter.translate(control->Left, control->Top);
        control->Paint(painter, context);
        painter.restore();
    }
    painter.end();
    // Every control left a mark on the face-coloured background.
    for (const auto& control : g.Controls) {
        const QRect r = control->BoundsRect();
        EXPECT_GT(CountPixels(image, r, [&](const QColor& c) { return c != context.Colors.Face; }),
                  0)
            << ControlKeyword(control->ControlType).toStdString() << " at " << r.x() << ","
            << r.y();
    }
    const QByteArray file = qgetenv("MAROVEL_GALLERY_PNG");
    if (!file.isEmpty()) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(file)));
    }
}
