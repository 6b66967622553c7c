// Rendering of the designed controls: each is painted into an image and the pixels that
// make its look are checked.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "model/mvControls.h"
#include "model/mvPaintContext.h"
#include "model/mvPaintHelpers.h"
#include "model/mvTabControl.h"

namespace {
QFont DialogFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    return font;
}

QImage Render(const TmvControl& control, const TmvPaintContext& context = TmvPaintContext(),
              const QColor& background = QColor(1, 2, 3)) {
    QImage image(control.Width, control.Height, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    control.Paint(painter, context);
    return image;
}
} // namespace

TEST(RenderingGallery, Writes) {
    const QFont font = DialogFont();
    std::vector<std::unique_ptr<TmvControl>> controls;
    auto add = [&](std::unique_ptr<TmvControl> c, int x, int y) {
        c->Left = x;
        c->Top = y;
        controls.push_back(std::move(c));
        return controls.back().get();
    };
    add(std::make_unique<TmvButton>(font), 10, 10);
    {
        auto* b = static_cast<TmvButton*>(add(std::make_unique<TmvButton>(font), 90, 10));
        b->Disabled = true;
    }
    {
        auto* b = static_cast<TmvButton*>(add(std::make_unique<TmvButton>(font), 170, 10));
        b->Flat = true;
    }
    {
        auto* e = static_cast<TmvEdit*>(add(std::make_unique<TmvEdit>(font), 10, 45));
        e->Text = "Edit text";
    }
    {
        auto* e = static_cast<TmvEdit*>(add(std::make_unique<TmvEdit>(font), 120, 45));
        e->Text = "secret";
        e->Password = true;
    }
    {
        auto* e = static_cast<TmvEdit*>(add(std::make_unique<TmvEdit>(font), 230, 45));
        e->Text = "Multi line edit with some long text in it";
        e->MultiLine = true;
        e->VScrollBar = e->HScrollBar = true;
        e->Height = 70;
    }
    add(std::make_unique<TmvCombo>(font), 10, 130);
    {
        auto* c = static_cast<TmvCombo*>(add(std::make_unique<TmvCombo>(font), 140, 130));
        c->Kind = 1;
    }
    {
        auto* c = static_cast<TmvCombo*>(add(std::make_unique<TmvCombo>(font), 270, 130));
        c->Kind = 1;
        c->Disabled = true;
    }
    add(std::make_unique<TmvText>(font), 10, 240);
    {
        auto* t = static_cast<TmvText*>(add(std::make_unique<TmvText>(font), 100, 240));
        t->Disabled = true;
    }
    add(std::make_unique<TmvLink>(font), 190, 240);
    add(std::make_unique<TmvBox>(font), 10, 270);
    add(std::make_unique<TmvList>(font), 120, 270);
    {
        auto* l = static_cast<TmvList*>(add(std::make_unique<TmvList>(font), 230, 270));
        l->ForceSize = false;
        l->VScrollBar = true;
    }
    add(std::make_unique<TmvCheck>(font), 10, 380);
    {
        auto* c = static_cast<TmvCheck*>(add(std::make_unique<TmvCheck>(font), 120, 380));
        c->Disabled = true;
    }
    {
        auto* c = static_cast<TmvCheck*>(add(std::make_unique<TmvCheck>(font), 230, 380));
        c->Kind = 1;
    }
    {
        auto* c = static_cast<TmvCheck*>(add(std::make_unique<TmvCheck>(font), 340, 380));
        c->Flat = true;
        c->Alignment = 1;
    }
    add(std::make_unique<TmvRadio>(font), 10, 405);
    {
        auto* c = static_cast<TmvRadio*>(add(std::make_unique<TmvRadio>(font), 120, 405));
        c->Disabled = true;
    }
    {
        auto* c = static_cast<TmvRadio*>(add(std::make_unique<TmvRadio>(font), 230, 405));
        c->Flat = true;
    }
    add(std::make_unique<TmvIcon>(font), 10, 435);
    {
        auto* i = static_cast<TmvIcon*>(add(std::make_unique<TmvIcon>(font), 60, 435));
        i->Border = false;
    }
    add(std::make_unique<TmvScroll>(font), 110, 435);
    {
        auto* s = static_cast<TmvScroll*>(add(std::make_unique<TmvScroll>(font), 140, 435));
        s->Kind = 1;
        s->Alignment = 1;
        s->Width = 150;
        s->Height = 30;
        s->Disabled = true;
    }
    {
        auto* t = static_cast<TmvTab*>(add(std::make_unique<TmvTab>(font), 460, 240));
        t->AddPage(1);
        t->AddPage(2);
        t->AddPage(3);
        t->SetActivePage(1);
    }
    {
        auto* t = static_cast<TmvTab*>(add(std::make_unique<TmvTab>(font), 460, 360));
        t->Width = 120;
        t->AddPage(1);
        t->AddPage(2);
        t->AddPage(3);
        t->SetActivePage(0);
    }
    QImage image(680, 560, QImage::Format_RGB32);
    image.fill(TmvPaintContext().Colors.Face);
    QPainter painter(&image);
    TmvPaintContext context;
    for (const auto& c : controls) {
        painter.save();
        painter.translate(c->Left, c->Top);
        c->Paint(painter, context);
        painter.restore();
    }
    painter.end();
    image.save("/tmp/marovel-controls.png");
    image.scaled(image.size() * 2).save("/tmp/marovel-controls-2x.png");
}
