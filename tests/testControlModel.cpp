// Fields, defaults, geometry, styles masks, units and the host notifications of the controls.
#include <gtest/gtest.h>

#include <limits>

#include <QFontMetrics>
#include <memory>

#include "model/mvControlHost.h"
#include "model/mvControls.h"
#include "model/mvPlatform.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "support/testHelpers.h"
#include "surface/mvDialogDocument.h"

namespace {
const QFont kFont(QStringLiteral("Tahoma"), 8);

class RecordingHost : public TmvControlHost {
public:
    int repaints = 0;
    int layouts = 0;
    std::vector<TmvControl*> deleteRequests;
    void RepaintControl(TmvControl*) override { ++repaints; }
    void LayoutChanged() override { ++layouts; }
    void DeleteControlRequest(TmvControl* c) override { deleteRequests.push_back(c); }
};

TEST(ControlModel, KeywordTableInTypeCodeOrder) {
    const char* expected[] = {"button", "edit",  "combo", "text", "box", "list",
                              "check",  "radio", "link",  "icon", "tab", "scroll"};
    for (int type = 0; type < kControlTypeCount; ++type)
        EXPECT_EQ(ControlKeyword(type), QString::fromLatin1(expected[type]));
    EXPECT_TRUE(ControlKeyword(12).isEmpty());
    EXPECT_TRUE(ControlKeyword(-1).isEmpty());
}

TEST(ControlModel, ConstructorDefaults) {
    const int zeroHeight = QFontMetrics(kFont).height();
    struct Case {
        std::unique_ptr<TmvControl> control;
        int width, height;
        const char* text;
    };
    Case cases[] = {
        {std::make_unique<TmvButton>(kFont), 75, 25, "Button"},
        {std::make_unique<TmvEdit>(kFont), 100, zeroHeight + 8, ""},
        {std::make_unique<TmvCombo>(kFont), 120, 100, ""},
        {std::make_unique<TmvBox>(kFont), 100, 100, "Group Box"},
        {std::make_unique<TmvList>(kFont), 100, 100, ""},
        {std::make_unique<TmvCheck>(kFont), 100, 20, "Check Box"},
        {std::make_unique<TmvRadio>(kFont), 100, 20, "Radio Button"},
        {std::make_unique<TmvIcon>(kFont), 35, 35, ""},
        {std::make_unique<TmvTab>(kFont), 200, 100, ""},
        {std::make_unique<TmvScroll>(kFont), 17, 100, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ControlKeyword(c.control->ControlType).toStdString());
        EXPECT_EQ(c.control->Width, c.width);
        EXPECT_EQ(c.control->Height, c.height);
        EXPECT_EQ(c.control->Text, QString::fromLatin1(c.text));
        EXPECT_EQ(c.control->TabIndex, -500);
        EXPECT_FALSE(c.control->Visible);
    }
    TmvText text(kFont);
    EXPECT_EQ(text.Text, QStringLiteral("Text Label"));
    EXPECT_EQ(text.Width, QFontMetrics(kFont).horizontalAdvance(QStringLiteral("Text Label")));
    EXPECT_EQ(text.Height, zeroHeight + 3);
    EXPECT_EQ(text.DrawFlags, 0u);
    TmvLink link(kFont);
    EXPECT_EQ(link.Text, QStringLiteral("Hyperlink"));
    EXPECT_EQ(link.DrawFlags, 2048u);
    TmvTab tab(kFont);
    EXPECT_EQ(tab.Name(), QStringLiteral("marovel_tabcontrol"));
    EXPECT_EQ(tab.Font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(TmvCombo(kFont).ForceSize);
    EXPECT_TRUE(TmvList(kFont).ForceSize);
    EXPECT_TRUE(TmvIcon(kFont).Border);
}

TEST(ControlModel, LogicalRectangleAndItsInverse) {
    TmvIcon icon(kFont);
    icon.SetBounds(10, 10, 35, 35);
    EXPECT_EQ(icon.LogicalRect(), QRect(11, 11, 32, 32));
    icon.SetLogicalRect(QRect(50, 60, 20, 30));
    EXPECT_EQ(icon.BoundsRect(), QRect(49, 59, 23, 33));
    icon.SetBorder(false);
    EXPECT_EQ(icon.BoundsRect(), QRect(50, 60, 20, 30));
    EXPECT_EQ(icon.LogicalRect(), icon.BoundsRect());
    icon.SetBorder(true);
    EXPECT_EQ(icon.BoundsRect(), QRect(49, 59, 23, 33));
    EXPECT_EQ(icon.DeflateRect(QRect(0, 0, 10, 10)), QRect(1, 1, 7, 7));

    TmvTab tab(kFont);
    tab.SetBounds(5, 5, 200, 100);
    EXPECT_EQ(tab.LogicalRect(), QRect(5, 5, 199, 95));
    tab.SetLogicalRect(QRect(5, 5, 200, 100));
    EXPECT_EQ(tab.BoundsRect(), QRect(5, 5, 201, 105));
    EXPECT_EQ(tab.DeflateRect(QRect(0, 0, 10, 10)), QRect(0, 0, 9, 5));

    TmvButton button(kFont);
    EXPECT_EQ(button.DeflateRect(QRect(1, 2, 3, 4)), QRect(1, 2, 3, 4));
}

TEST(ControlModel, StylesMaskRoundTripsEveryBit) {
    struct Case {
        std::unique_ptr<TmvControl> control;
        int usedBits;
    };
    Case cases[] = {
        {std::make_unique<TmvButton>(kFont), 0x07}, {std::make_unique<TmvEdit>(kFont), 0xFF},
        {std::make_unique<TmvCombo>(kFont), 0x1F},  {std::make_unique<TmvList>(kFont), 0x1F},
        {std::make_unique<TmvText>(kFont), 0x03},   {std::make_unique<TmvLink>(kFont), 0x01},
        {std::make_unique<TmvCheck>(kFont), 0x03},  {std::make_unique<TmvRadio>(kFont), 0x02},
        {std::make_unique<TmvIcon>(kFont), 0x01},   {std::make_unique<TmvBox>(kFont), 0},
        {std::make_unique<TmvTab>(kFont), 0},       {std::make_unique<TmvScroll>(kFont), 0},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(ControlKeyword(c.control->ControlType).toStdString());
        for (int bit = 0; bit < 8; ++bit) {
            c.control->UnpackStyles(1 << bit);
            EXPECT_EQ(c.control->PackStyles(), (1 << bit) & c.usedBits) << "bit " << bit;
        }
        c.control->UnpackStyles(0xFF);
        EXPECT_EQ(c.control->PackStyles(), c.usedBits);
        c.control->UnpackStyles(0);
        EXPECT_EQ(c.control->PackStyles(), 0);
    }
}

TEST(ControlModel, StylesMaskBitMeanings) {
    TmvEdit edit(kFont);
    edit.UnpackStyles(64 | 128);
    EXPECT_TRUE(edit.HScrollBar);
    EXPECT_TRUE(edit.VScrollBar);
    EXPECT_FALSE(edit.ReadOnly);
    TmvCombo combo(kFont);
    combo.UnpackStyles(2);
    EXPECT_TRUE(combo.Editable);
    EXPECT_FALSE(combo.ForceSize);
    TmvButton button(kFont);
    button.UnpackStyles(2);
    EXPECT_TRUE(button.Flat);
    EXPECT_FALSE(button.MultiLine);
    TmvRadio radio(kFont);
    radio.UnpackStyles(2);
    EXPECT_TRUE(radio.Flat);
}

TEST(ControlModel, UnpackingTheIconBorderMovesTheSurfaceRectangle) {
    TmvIcon icon(kFont);
    icon.SetBounds(10, 10, 35, 35);
    icon.UnpackStyles(0);
    EXPECT_EQ(icon.BoundsRect(), QRect(11, 11, 32, 32));
    icon.UnpackStyles(1);
    EXPECT_EQ(icon.BoundsRect(), QRect(10, 10, 35, 35));
}

TEST(ControlModel, TextSetterIgnoresTextlessTypes) {
    TmvCombo combo(kFont);
    TmvList list(kFont);
    TmvIcon icon(kFont);
    TmvTab tab(kFont);
    for (TmvControl* control : std::initializer_list<TmvControl*>{&combo, &list, &icon, &tab}) {
        control->SetText(QStringLiteral("abc"));
        EXPECT_TRUE(control->Text.isEmpty());
    }
    TmvBox box(kFont);
    box.SetText(QStringLiteral("abc"));
    EXPECT_EQ(box.Text, QStringLiteral("abc"));
}

TEST(ControlModel, SettersRepaintOnlyOnChange) {
    RecordingHost host;
    TmvButton button(kFont);
    button.Host = &host;
    button.SetKind(0);
    button.SetText(QStringLiteral("Button"));
    button.SetBounds(button.Left, button.Top, button.Width, button.Height);
    EXPECT_EQ(host.repaints, 0);
    button.SetKind(1);
    EXPECT_EQ(host.repaints, 1);
    button.SetText(QStringLiteral("OK"));
    EXPECT_EQ(host.repaints, 2);
    EXPECT_EQ(host.layouts, 0);
}

// The table line takes the units and the page ID from whatever hosts the control.
TEST(ControlModel, TableLineAsksTheHostForUnitsAndPage) {
    class DialogHost : public RecordingHost {
    public:
        bool UsesDbu() const override { return true; }
        int PageIdOfIndex(int index) const override { return index == 2 ? 42 : -1; }
    } host;
    TmvEdit edit(kFont);
    edit.Host = &host;
    edit.ID = 3;
    edit.TabIndex = 2;
    edit.SetBounds(16, 32, 80, 16); // base units 8 x 16
    EXPECT_EQ(edit.BuildLine(), QStringLiteral("edit \"\", 3, 8 16 40 8, tab 42"));
}

TEST(ControlModel, AutoSizeTextFollowsCaptionAndNotifiesLayout) {
    RecordingHost host;
    TmvText text(kFont);
    text.Host = &host;
    text.SetAutoSize(true);
    text.SetText(QStringLiteral("A much longer caption"));
    const int measured = QFontMetrics(kFont)
                             .size(Qt::TextShowMnemonic, QStringLiteral("A much longer caption"))
                             .width();
    EXPECT_EQ(text.Width, measured + 1);
    EXPECT_EQ(host.layouts, 1);
    text.Updating = true;
    text.SetText(QStringLiteral("short"));
    EXPECT_EQ(host.layouts, 1);

    // Without AutoSize the width stays where the user put it.
    TmvText fixed(kFont);
    fixed.Host = &host;
    fixed.SetWidth(300);
    fixed.SetText(QStringLiteral("x"));
    EXPECT_EQ(fixed.Width, 300);
    EXPECT_EQ(host.layouts, 1);
}

TEST(ControlModel, AutoWidthHonoursPrefixProcessing) {
    TmvText text(kFont);
    TmvLink link(kFont);
    text.SetAutoSize(true);
    link.SetAutoSize(true);
    text.SetText(QStringLiteral("&&&&&&&&"));
    link.SetText(QStringLiteral("&&&&&&&&"));
    // The text control draws "&&" as one ampersand; the link draws every one.
    EXPECT_LT(text.Width, link.Width);
}

TEST(ControlModel, AutoWidthSnapsToDialogUnitsInDbuMode) {
    DialogDocument dialog;
    dialog.UseDbu = true;
    TmvLink link(kFont);
    link.Host = &dialog;
    link.SetAutoSize(true);
    link.SetText(QStringLiteral("Odd width text 1"));
    EXPECT_EQ(link.Width % 2, 0); // whole dialog units are 2 pixels wide with base 8
    EXPECT_EQ(link.Width, QuantizeX(link.Width));
}

TEST(ControlModel, NoHostMeansNoNotifications) {
    TmvText text(kFont);
    text.SetAutoSize(true);
    text.SetText(QStringLiteral("changes without a host"));
    text.SetKind(1);
    EXPECT_GT(text.Width, 0);
}

TEST(ControlModel, DisplayNamesAndValueWordsLineUp) {
    for (int type = 0; type < kControlTypeCount; ++type) {
        SCOPED_TRACE(ControlKeyword(type).toStdString());
        EXPECT_EQ(KindNames(type).size(), KindWords(type).size());
        EXPECT_EQ(AlignmentNames(type).size(), AlignmentWords(type).size());
    }
    EXPECT_EQ(KindNames(ctButton), (QStringList{"Normal", "OK", "Cancel", "OK/Cancel"}));
    EXPECT_EQ(AlignmentNames(ctIcon), (QStringList{"Center", "Top", "Left", "Bottom", "Right"}));
    EXPECT_EQ(AlignmentNames(ctScroll), (QStringList{"Right", "Top", "Left", "Bottom"}));
    EXPECT_EQ(KindNames(ctCombo), (QStringList{"Simple", "Drop Down"}));
    EXPECT_TRUE(KindNames(ctBox).isEmpty());
    EXPECT_TRUE(AlignmentNames(ctList).isEmpty());
}

struct ConversionCase {
    int (*convert)(int);
    int in, out;
};

TEST(Units, ConversionsTruncateWithBaseUnits8By16) {
    const ConversionCase cases[] = {
        {XToDbu, 10, 5},     {XToDbu, 7, 3},      {XToDbu, -7, -3},   {YToDbu, 16, 8},
        {YToDbu, 15, 7},     {XToPixels, 5, 10},  {YToPixels, 7, 14}, {QuantizeX, 7, 6},
        {QuantizeY, 15, 14}, {QuantizeY, 16, 16},
    };
    for (const ConversionCase& c : cases)
        EXPECT_EQ(c.convert(c.in), c.out) << c.in;
}

TEST(Units, BaseUnitsFromTheEnvironmentAreTwoPositiveNumbers) {
    const struct {
        const char* text;
        int x, y; // 0: refused
    } cases[] = {
        {"8x16", 8, 16}, {"9x18", 9, 18}, {"10x20", 10, 20}, {"8", 0, 0},  {"8x", 0, 0},
        {"x16", 0, 0},   {"0x16", 0, 0},  {"8x-16", 0, 0},   {"8X16", 0, 0}, {"", 0, 0},
        {"8x16x2", 0, 0}, {"a x b", 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<TmvBaseUnits> units = ParseBaseUnits(QString::fromLatin1(c.text));
        ASSERT_EQ(units.has_value(), c.x != 0) << c.text;
        if (units) {
            EXPECT_EQ(units->X, c.x) << c.text;
            EXPECT_EQ(units->Y, c.y) << c.text;
        }
    }
}

TEST(Units, DialogUnitsSurviveTheTripThroughPixelsForAnyBaseUnits) {
    for (const auto& [baseX, baseY] : {std::pair{6, 13}, {7, 14}, {8, 16}, {10, 20}, {9, 18}}) {
        SCOPED_TRACE(testing::Message() << baseX << " x " << baseY);
        for (int dbu = -1000; dbu <= 1000; ++dbu) {
            ASSERT_EQ(XToDbu(XToPixels(dbu, baseX), baseX), dbu);
            ASSERT_EQ(YToDbu(YToPixels(dbu, baseY), baseY), dbu);
        }
        for (const int dbu : {32767, -32768}) {
            EXPECT_EQ(XToDbu(XToPixels(dbu, baseX), baseX), dbu);
            EXPECT_EQ(YToDbu(YToPixels(dbu, baseY), baseY), dbu);
        }
    }
    EXPECT_EQ(XToPixels(201, 10), 503); // 502.5 up; 502 would read back as 200
    // Nothing wraps, whatever the value.
    EXPECT_EQ(XToDbu(std::numeric_limits<int>::max()), std::numeric_limits<int>::max() / 2);
    EXPECT_EQ(YToPixels(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    EXPECT_EQ(XToPixels(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
}

TEST(Units, ModeDependentFormsAreIdentityInPixelMode) {
    for (int v : {-9, 0, 7, 10, 333}) {
        EXPECT_EQ(XToDbuIf(false, v), v);
        EXPECT_EQ(YToDbuIf(false, v), v);
        EXPECT_EQ(XToPixelsIf(false, v), v);
        EXPECT_EQ(YToPixelsIf(false, v), v);
        EXPECT_EQ(XToDbuIf(true, v), XToDbu(v));
        EXPECT_EQ(YToPixelsIf(true, v), YToPixels(v));
    }
}

TEST(Units, GridSnapping) {
    const int cases[][3] = {{14, 10, 10}, {15, 10, 20}, {20, 10, 20}, {0, 10, 0}, {4, 8, 8},
                            {3, 8, 0},    {12, 8, 16},  {-12, 8, -8}, {7, 0, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(SnapToGrid(c[0], c[1]), c[2]) << c[0] << " step " << c[1];
}
} // namespace

TEST(ControlModel, ConstructControlBuildsEachTypeAndRefusesOthers) {
    const QFont font(QStringLiteral("Tahoma"), 8);
    for (int type = 0; type < kControlTypeCount; ++type) {
        const auto control = ConstructControl(type, font);
        ASSERT_NE(control, nullptr) << type;
        EXPECT_EQ(control->ControlType, type);
    }
    EXPECT_EQ(ConstructControl(-1, font), nullptr);
    EXPECT_EQ(ConstructControl(kControlTypeCount, font), nullptr);
}
