#include "model/mvControls.h"

#include <QFontMetrics>

#include "model/mvControlHost.h"
#include "model/mvPlatform.h"
#include "model/mvScrollAlignment.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"

const std::array<const char*, kControlTypeCount> ControlKeywords = {
    "button", "edit",  "combo", "text", "box", "list",
    "check",  "radio", "link",  "icon", "tab", "scroll"};

QString ControlKeyword(int type) {
    if (type < 0 || type >= kControlTypeCount) return QString();
    return QString::fromLatin1(ControlKeywords[type]);
}

namespace {
int TextHeightOfZero(const QFont& font) {
    return QFontMetrics(font).height();
}

template <typename T> bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

// Look stamps count up from 1 over the whole program (which draws on one thread only).
quint64 NextLookStamp() {
    static quint64 last = 0;
    return ++last;
}
} // namespace

std::unique_ptr<TmvControl> ConstructControl(int type, const QFont& font) {
    switch (type) {
    case ctButton:
        return std::make_unique<TmvButton>(font);
    case ctEdit:
        return std::make_unique<TmvEdit>(font);
    case ctCombo:
        return std::make_unique<TmvCombo>(font);
    case ctText:
        return std::make_unique<TmvText>(font);
    case ctBox:
        return std::make_unique<TmvBox>(font);
    case ctList:
        return std::make_unique<TmvList>(font);
    case ctCheck:
        return std::make_unique<TmvCheck>(font);
    case ctRadio:
        return std::make_unique<TmvRadio>(font);
    case ctLink:
        return std::make_unique<TmvLink>(font);
    case ctIcon:
        return std::make_unique<TmvIcon>(font);
    case ctTab:
        return std::make_unique<TmvTab>(font);
    case ctScroll:
        return std::make_unique<TmvScroll>(font);
    default:
        return nullptr;
    }
}

// --- TmvControl ------------------------------------------------------------------------------

TmvControl::TmvControl(int type, const QFont& font)
    : ControlType(type), Font(font), lookStamp_(NextLookStamp()) {}

TmvControl::~TmvControl() = default;

bool TmvControl::UsesDbu() const {
    return Host && Host->UsesDbu();
}

void TmvControl::Repaint() {
    lookStamp_ = NextLookStamp();
    RepaintArea();
}

void TmvControl::RepaintArea() {
    if (Host) Host->RepaintControl(this);
}

void TmvControl::NotifyLayoutChanged() {
    if (Host) Host->LayoutChanged();
}

void TmvControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left && top == Top && width == Width && height == Height) return;
    // Repaint where the control was and where it is now; a move keeps the look.
    const bool resized = width != Width || height != Height;
    RepaintArea();
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    if (resized)
        Repaint();
    else
        RepaintArea();
}

#define MV_SETTER(Setter, Type, Field)                                                             \
    void TmvControl::Setter(Type v) {                                                              \
        if (Assign(Field, v)) Repaint();                                                           \
    }
MV_SETTER(SetHot, bool, Hot)
MV_SETTER(SetKind, int, Kind)
MV_SETTER(SetAlignment, int, Alignment)
MV_SETTER(SetDisabled, bool, Disabled)
MV_SETTER(SetHidden, bool, Hidden)
MV_SETTER(SetResult, bool, Result)
MV_SETTER(SetGroup, bool, Group)
MV_SETTER(SetLocked, bool, Locked)
MV_SETTER(SetNoQuotes, bool, NoQuotes)
#undef MV_SETTER

void TmvControl::SetVisible(bool v) {
    if (Visible == v) return;
    // Repaint before hiding so the area is redrawn without the control.
    if (!v) Repaint();
    Visible = v;
    if (v) Repaint();
}

void TmvControl::SetFont(const QFont& font) {
    if (Assign(Font, font)) Repaint();
}

void TmvControl::SetID(int id) {
    ID = id;
}
void TmvControl::SetStaticID(bool v) {
    StaticID = v;
}

bool TmvControl::HasText() const {
    return ControlType != ctCombo && ControlType != ctList && ControlType != ctIcon &&
           ControlType != ctTab;
}

void TmvControl::SetText(const QString& text) {
    if (!HasText()) return;
    if (Assign(Text, text)) Repaint();
}

int TmvControl::PackStyles() const {
    int mask = 0;
    const std::vector<bool*> flags = StyleFlagsConst();
    for (size_t bit = 0; bit < flags.size(); ++bit)
        if (flags[bit] && *flags[bit]) mask |= 1 << bit;
    return mask;
}

void TmvControl::UnpackStyles(int mask) {
    const std::vector<bool*> flags = StyleFlags();
    for (size_t bit = 0; bit < flags.size(); ++bit)
        if (flags[bit]) *flags[bit] = (mask & (1 << bit)) != 0;
    Repaint();
}

// --- TmvButton -------------------------------------------------------------------------------

TmvButton::TmvButton(const QFont& font) : TmvControl(ctButton, font) {
    Width = 75;
    Height = 25;
    Text = QStringLiteral("Button");
}

// --- TmvEdit, TmvCombo, TmvList --------------------------------------------------------------

TmvEdit::TmvEdit(const QFont& font) : TmvScrollingControl(ctEdit, font) {
    Width = 100;
    Height = TextHeightOfZero(font) + 8;
}

TmvCombo::TmvCombo(const QFont& font) : TmvScrollingControl(ctCombo, font) {
    Width = 120;
    Height = 100;
}

TmvList::TmvList(const QFont& font) : TmvScrollingControl(ctList, font) {
    Width = 100;
    Height = 100;
}

// --- TmvLabel, TmvText, TmvLink --------------------------------------------------------------

TmvLabel::TmvLabel(int type, const QFont& font, const QString& text, unsigned drawFlags)
    : TmvControl(type, font), DrawFlags(drawFlags) {
    Text = text;
    Width = AutoWidth();
    Height = TextHeightOfZero(font) + 3;
}

int TmvLabel::AutoWidth() const {
    const QFontMetrics metrics(Font);
    if (!AutoSize || Text.isEmpty()) return metrics.horizontalAdvance(Text);
    // Measured as the text-drawing call would: accelerator marks take no room unless
    // prefix processing is off.
    const int flags = (DrawFlags & kDrawNoPrefix) ? 0 : int(Qt::TextShowMnemonic);
    const int width = metrics.size(flags, Text).width() + 1;
    return UsesDbu() ? QuantizeX(width) : width;
}

void TmvLabel::SetText(const QString& text) {
    if (Text == text) return;
    Text = text;
    if (AutoSize) {
        SetWidth(AutoWidth());
        if (!Updating) NotifyLayoutChanged();
    }
    Repaint();
}

void TmvLabel::SetAutoSize(bool v) {
    if (!Assign(AutoSize, v)) return;
    if (AutoSize) SetWidth(AutoWidth());
    Repaint();
}

TmvText::TmvText(const QFont& font) : TmvLabel(ctText, font, QStringLiteral("Text Label"), 0) {}

TmvLink::TmvLink(const QFont& font)
    : TmvLabel(ctLink, font, QStringLiteral("Hyperlink"), kDrawNoPrefix) {}

// --- TmvBox, TmvCheck, TmvRadio --------------------------------------------------------------

TmvBox::TmvBox(const QFont& font) : TmvControl(ctBox, font) {
    Width = 100;
    Height = 100;
    Text = QStringLiteral("Group Box");
}

TmvCheck::TmvCheck(const QFont& font) : TmvCheckClass(ctCheck, font) {
    Width = 100;
    Height = 20;
    Text = QStringLiteral("Check Box");
}

TmvRadio::TmvRadio(const QFont& font) : TmvCheckClass(ctRadio, font) {
    Width = 100;
    Height = 20;
    Text = QStringLiteral("Radio Button");
}

// --- TmvIcon ---------------------------------------------------------------------------------

TmvIcon::TmvIcon(const QFont& font) : TmvControl(ctIcon, font) {
    // Logical 32 x 32; the default border adds 3 pixels each way on the surface.
    Width = 35;
    Height = 35;
}

void TmvIcon::SetBorder(bool v) {
    if (Border == v) return;
    Border = v;
    if (v)
        SetBounds(Left - 1, Top - 1, Width + 3, Height + 3);
    else
        SetBounds(Left + 1, Top + 1, Width - 3, Height - 3);
    Repaint();
}

void TmvIcon::SetIconIndex(int v) {
    if (Assign(IconIndex, v)) Repaint();
}

void TmvIcon::SetFileName(const QString& v) {
    if (Assign(FileName, v)) Repaint();
}

void TmvIcon::UnpackStyles(int mask) {
    SetBorder((mask & 1) != 0);
}

QRect TmvIcon::LogicalRect() const {
    return DeflateRect(BoundsRect());
}

void TmvIcon::SetLogicalRect(const QRect& r) {
    if (Border)
        SetBounds(r.x() - 1, r.y() - 1, r.width() + 3, r.height() + 3);
    else
        SetBounds(r.x(), r.y(), r.width(), r.height());
}

QRect TmvIcon::DeflateRect(const QRect& r) const {
    if (!Border) return r;
    return QRect(r.x() + 1, r.y() + 1, r.width() - 3, r.height() - 3);
}

// --- TmvScroll -------------------------------------------------------------------------------

TmvScroll::TmvScroll(const QFont& font) : TmvControl(ctScroll, font) {
    Width = VScrollBarWidth();
    Height = 100;
}

void TmvScroll::SetRange(int rangeMin, int rangeMax) {
    if (RangeMin == rangeMin && RangeMax == rangeMax) return;
    RangeMin = rangeMin;
    RangeMax = rangeMax;
    Repaint();
}

bool TmvScroll::ChooseKind(int kind) {
    const int alignment = ConsistentScrollAlignment(kind, Alignment);
    const bool follows = alignment != Alignment;
    return Orient(kind, alignment) || follows;
}

bool TmvScroll::ChooseAlignment(int alignment) {
    return Orient(ScrollKindOfAlignment(alignment), alignment);
}

bool TmvScroll::Orient(int kind, int alignment) {
    const bool turns = kind != Kind;
    if (turns) {
        // The bar keeps its length and thickness: 16 x 100 standing becomes 100 x 16 lying.
        const bool dbu = UsesDbu();
        const int width = dbu ? XToPixels(YToDbu(Height)) : Height;
        const int height = dbu ? YToPixels(XToDbu(Width)) : Width;
        SetBounds(Left, Top, width, height);
    }
    SetKind(kind);
    SetAlignment(alignment);
    return turns;
}

// --- Name and word tables --------------------------------------------------------------------

namespace {
struct ValueTables {
    QStringList kindNames[kControlTypeCount];
    QStringList alignmentNames[kControlTypeCount];
    QStringList kindWords[kControlTypeCount];
    QStringList alignmentWords[kControlTypeCount];
};

const ValueTables& Tables() {
    static const ValueTables tables = [] {
        ValueTables t;
        const QStringList leftRightCenter = {"Left", "Right", "Center"};
        const QStringList rightCenterWords = {"", "right ", "center "};
        t.kindNames[ctButton] = {"Normal", "OK", "Cancel", "OK/Cancel"};
        t.kindWords[ctButton] = {"", "ok ", "cancel ", "ok cancel "};
        t.alignmentNames[ctEdit] = leftRightCenter;
        t.alignmentWords[ctEdit] = rightCenterWords;
        t.alignmentNames[ctText] = leftRightCenter;
        t.alignmentWords[ctText] = rightCenterWords;
        t.kindNames[ctCombo] = {"Simple", "Drop Down"};
        t.kindWords[ctCombo] = {"", "drop "};
        for (int type : {ctCheck, ctRadio}) {
            t.alignmentNames[type] = {"Right", "Left"};
            t.alignmentWords[type] = {"", "left "};
            t.kindNames[type] = {"Standard", "Push"};
            t.kindWords[type] = {"", "push "};
        }
        t.alignmentNames[ctIcon] = {"Center", "Top", "Left", "Bottom", "Right"};
        t.alignmentWords[ctIcon] = {"", "top ", "left ", "bottom ", "right "};
        t.kindNames[ctScroll] = {"Vertical", "Horizontal"};
        t.kindWords[ctScroll] = {"", "horizontal "};
        t.alignmentNames[ctScroll] = {"Right", "Top", "Left", "Bottom"};
        t.alignmentWords[ctScroll] = {"", "top ", "left ", "bottom "};
        return t;
    }();
    return tables;
}

const QStringList& Row(const QStringList (&rows)[kControlTypeCount], int type) {
    static const QStringList empty;
    return (type >= 0 && type < kControlTypeCount) ? rows[type] : empty;
}
} // namespace

const QStringList& KindNames(int type) {
    return Row(Tables().kindNames, type);
}
const QStringList& AlignmentNames(int type) {
    return Row(Tables().alignmentNames, type);
}
const QStringList& KindWords(int type) {
    return Row(Tables().kindWords, type);
}
const QStringList& AlignmentWords(int type) {
    return Row(Tables().alignmentWords, type);
}
