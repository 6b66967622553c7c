#pragma once
// The designed controls: plain objects that the document owns and the surface paints.
// Geometry is in surface pixels; the table and the browser see the logical rectangle.
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TmvControlHost;
class DialogDocument;
class QPainter;
struct TmvPaintContext;

enum TmvControlType : int {
    ctButton = 0,
    ctEdit = 1,
    ctCombo = 2,
    ctText = 3,
    ctBox = 4,
    ctList = 5,
    ctCheck = 6,
    ctRadio = 7,
    ctLink = 8,
    ctIcon = 9,
    ctTab = 10,
    ctScroll = 11,
};
constexpr int kControlTypeCount = 12;

// Table keyword of each type, indexed by type code.
extern const std::array<const char*, kControlTypeCount> ControlKeywords;
QString ControlKeyword(int type);

// Text-drawing flag (DT_NOPREFIX): "&" is drawn as itself, not as an accelerator mark.
constexpr unsigned kDrawNoPrefix = 2048;

class TmvControl {
public:
    virtual ~TmvControl();
    TmvControl(const TmvControl&) = delete;
    TmvControl& operator=(const TmvControl&) = delete;

    // Events owned by the main window and the surface.
    std::function<void(TmvControl*)> OnSelectControl;

    // Fields, in declared order.
    bool Hot = false;
    const int ControlType;
    int Kind = 0;
    int Alignment = 0;
    bool Disabled = false;
    bool Hidden = false;
    bool Result = false;
    bool Group = false;
    int TabIndex = -500;
    bool Locked = false;
    bool DesignHidden = false;
    int ID = 0;            // own field; the tab control redirects through GetID()
    bool StaticID = false; // own field; the tab control redirects through GetStaticID()
    bool NoQuotes = false;
    QString Text;
    bool Updating = false;
    // Style words of an imported line that the designer does not model, as written, in their
    // order; the table line writes them back after the control's own style words.
    QString OtherStyles;

    // Geometry in surface pixels, visibility, font, component name.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
    QFont Font;
    // The component name; the document renames controls (DialogDocument::SetControlName) so
    // that it can keep names unique without scanning every control.
    const QString& Name() const { return ComponentName; }

    // Non-owning: the dialog the control belongs to, which also repaints it (may be null).
    TmvControlHost* Host = nullptr;

    QRect BoundsRect() const { return QRect(Left, Top, Width, Height); }
    QRect ClientRect() const { return QRect(0, 0, Width, Height); }
    bool UsesDbu() const;

    // Setters: store only a changed value, then repaint.
    void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, Top, Width, Height); }
    void SetTop(int v) { SetBounds(Left, v, Width, Height); }
    void SetWidth(int v) { SetBounds(Left, Top, v, Height); }
    void SetHeight(int v) { SetBounds(Left, Top, Width, v); }
    void SetVisible(bool v);
    void SetHot(bool v);
    void SetKind(int v);
    void SetAlignment(int v);
    void SetDisabled(bool v);
    void SetHidden(bool v);
    void SetResult(bool v);
    void SetGroup(bool v);
    void SetLocked(bool v);
    void SetNoQuotes(bool v);
    void SetFont(const QFont& font);
    virtual void SetText(const QString& text);
    void SetOtherStyles(const QString& words) { SetField(OtherStyles, words); }

    // ID and "Lock ID" as the browser sees them (the tab control answers for its active page).
    virtual int GetID() const { return ID; }
    virtual void SetID(int id);
    virtual bool GetStaticID() const { return StaticID; }
    virtual void SetStaticID(bool v);

    // Logical rectangle (what the table and the browser show) and its inverse.
    virtual QRect LogicalRect() const { return BoundsRect(); }
    virtual void SetLogicalRect(const QRect& r) { SetBounds(r.x(), r.y(), r.width(), r.height()); }
    // The same deflation applied to any rectangle (in right/bottom terms).
    virtual QRect DeflateRect(const QRect& r) const { return r; }

    // The packed type-specific flags ("Styles").
    int PackStyles() const;
    virtual void UnpackStyles(int mask);

    // The control's table line, without leading blanks or line end.
    virtual QString BuildLine() const;

    // The look changed: a new look stamp, and the host repaints the control's rectangle.
    void Repaint();
    void NotifyLayoutChanged();
    // Changes with every repaint that is not a pure move (a move keeps the look), and no two
    // controls ever share one, so a picture of the control can be kept under it.
    quint64 LookStamp() const { return lookStamp_; }
    bool HasText() const;

    // Paints the control in its own coordinates (origin at its top-left), clipped to it: the
    // type's face, then the hover frame and the multi-selection marks (mvControlPaint.cpp).
    void Paint(QPainter& painter, const TmvPaintContext& context) const;

protected:
    friend class DialogDocument;
    QString ComponentName;
    TmvControl(int type, const QFont& font);
    // The host repaints the control's rectangle; the look stays as it was.
    void RepaintArea();
    // The subclasses' setters: store a changed value and repaint.
    template <typename T> void SetField(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // The type's own drawing, before the common overlays.
    virtual void PaintFace(QPainter&, const TmvPaintContext&) const {}
    // Pointers to this type's style flags in bit order (bit 0 first); null for unused bits.
    virtual std::vector<bool*> StyleFlags() { return {}; }
    std::vector<bool*> StyleFlagsConst() const {
        return const_cast<TmvControl*>(this)->StyleFlags();
    }

    // Pieces of a table line.
    QString QuotedText() const;
    QString TableRect() const; // "x y w h" of the logical rectangle in table units
    QString HeadLine() const;  // default head: keyword "text", id, rect
    QString TextlessHead() const;
    QString CommonWords() const;
    // Own words plus value words, each followed by a blank.
    virtual QString OwnWords() const { return QString(); }
    virtual QString Head() const { return HeadLine(); }

private:
    quint64 lookStamp_;
};

class TmvButton : public TmvControl {
public:
    explicit TmvButton(const QFont& font);
    bool DefaultButton = false;
    bool MultiLine = false;
    bool Flat = false;
    void SetDefaultButton(bool v) { SetField(DefaultButton, v); }
    void SetMultiLine(bool v) { SetField(MultiLine, v); }
    void SetFlat(bool v) { SetField(Flat, v); }

protected:
    std::vector<bool*> StyleFlags() override { return {&DefaultButton, &Flat, &MultiLine}; }
    QString OwnWords() const override;
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvScrollingControl : public TmvControl {
public:
    bool VScrollBar = false;
    bool HScrollBar = false;
    void SetVScrollBar(bool v) { SetField(VScrollBar, v); }
    void SetHScrollBar(bool v) { SetField(HScrollBar, v); }

protected:
    using TmvControl::TmvControl;
    QString ScrollBarWords() const;
};

class TmvEdit : public TmvScrollingControl {
public:
    explicit TmvEdit(const QFont& font);
    bool ReadOnly = false;
    bool Password = false;
    bool MultiLine = false;
    bool WantReturn = false;
    bool AutoHScroll = false;
    bool AutoVScroll = false;
    int Limit = 0;
    void SetReadOnly(bool v) { SetField(ReadOnly, v); }
    void SetPassword(bool v) { SetField(Password, v); }
    void SetMultiLine(bool v) { SetField(MultiLine, v); }
    void SetWantReturn(bool v) { SetField(WantReturn, v); }
    void SetAutoHScroll(bool v) { SetField(AutoHScroll, v); }
    void SetAutoVScroll(bool v) { SetField(AutoVScroll, v); }
    void SetLimit(int v) { SetField(Limit, v); }

protected:
    std::vector<bool*> StyleFlags() override {
        return {&ReadOnly,    &Password,    &MultiLine,  &WantReturn,
                &AutoHScroll, &AutoVScroll, &HScrollBar, &VScrollBar};
    }
    QString OwnWords() const override;
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvCombo : public TmvScrollingControl {
public:
    explicit TmvCombo(const QFont& font);
    int Limit = 0;
    bool Sorted = false;
    bool ForceSize = true;
    bool Editable = false;
    void SetLimit(int v) { SetField(Limit, v); }
    void SetSorted(bool v) { SetField(Sorted, v); }
    void SetForceSize(bool v) { SetField(ForceSize, v); }
    void SetEditable(bool v) { SetField(Editable, v); }

protected:
    std::vector<bool*> StyleFlags() override {
        return {&Sorted, &Editable, &ForceSize, &HScrollBar, &VScrollBar};
    }
    QString OwnWords() const override;
    QString Head() const override { return TextlessHead(); }
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvLabel : public TmvControl {
public:
    unsigned DrawFlags = 0;
    bool AutoSize = false;
    void SetText(const QString& text) override;
    void SetAutoSize(bool v);
    // The width the caption needs (see the text setter).
    int AutoWidth() const;

protected:
    TmvLabel(int type, const QFont& font, const QString& text, unsigned drawFlags);
};

class TmvText : public TmvLabel {
public:
    explicit TmvText(const QFont& font);
    bool NoWrap = false;
    void SetNoWrap(bool v) { SetField(NoWrap, v); }

protected:
    std::vector<bool*> StyleFlags() override { return {&AutoSize, &NoWrap}; }
    QString OwnWords() const override;
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvBox : public TmvControl {
public:
    explicit TmvBox(const QFont& font);

protected:
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvList : public TmvScrollingControl {
public:
    explicit TmvList(const QFont& font);
    bool Sorted = false;
    bool ExtSel = false;
    bool ForceSize = true;
    void SetSorted(bool v) { SetField(Sorted, v); }
    void SetExtSel(bool v) { SetField(ExtSel, v); }
    void SetForceSize(bool v) { SetField(ForceSize, v); }

protected:
    std::vector<bool*> StyleFlags() override {
        return {&Sorted, &ExtSel, &ForceSize, &HScrollBar, &VScrollBar};
    }
    QString OwnWords() const override;
    QString Head() const override { return TextlessHead(); }
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvCheckClass : public TmvControl {
public:
    bool Flat = false;
    void SetFlat(bool v) { SetField(Flat, v); }

protected:
    using TmvControl::TmvControl;
    QString CheckWords() const; // alignment word, then kind word
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvCheck : public TmvCheckClass {
public:
    explicit TmvCheck(const QFont& font);
    bool ThreeState = false;
    void SetThreeState(bool v) { SetField(ThreeState, v); }

protected:
    std::vector<bool*> StyleFlags() override { return {&ThreeState, &Flat}; }
    QString OwnWords() const override;
};

class TmvRadio : public TmvCheckClass {
public:
    explicit TmvRadio(const QFont& font);

protected:
    std::vector<bool*> StyleFlags() override { return {nullptr, &Flat}; }
    QString OwnWords() const override;
};

class TmvLink : public TmvLabel {
public:
    explicit TmvLink(const QFont& font);

protected:
    std::vector<bool*> StyleFlags() override { return {&AutoSize}; }
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvIcon : public TmvControl {
public:
    explicit TmvIcon(const QFont& font);
    bool Border = true;
    int IconIndex = 0;
    QString FileName;

    // Toggling the border grows or shrinks the surface rectangle so the logical one stays.
    void SetBorder(bool v);
    void SetIconIndex(int v);
    void SetFileName(const QString& v);
    void UnpackStyles(int mask) override;
    QRect LogicalRect() const override;
    void SetLogicalRect(const QRect& r) override;
    QRect DeflateRect(const QRect& r) const override;

protected:
    std::vector<bool*> StyleFlags() override { return {&Border}; }
    QString OwnWords() const override;
    QString Head() const override;
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;
};

class TmvScroll : public TmvControl {
public:
    explicit TmvScroll(const QFont& font);
    int RangeMin = 0;
    int RangeMax = 0;
    void SetRange(int rangeMin, int rangeMax);
    // A kind (0 vertical, 1 horizontal) or an alignment chosen by the user; the other value
    // follows so that both agree (mvScrollAlignment.h), and a bar that turns swaps its width and
    // height (in dialog units in dialog-unit mode). TRUE when more than the chosen value
    // changed.
    bool ChooseKind(int kind);
    bool ChooseAlignment(int alignment);

protected:
    QString OwnWords() const override;
    void PaintFace(QPainter& painter, const TmvPaintContext& context) const override;

private:
    // Sets both values; TRUE when the bar turned.
    bool Orient(int kind, int alignment);
};

// Display names of Kind and Alignment values as the properties browser lists them; an empty
// list when the type has no such field.
const QStringList& KindNames(int type);
const QStringList& AlignmentNames(int type);

// Table words written for Kind and Alignment values ("" writes nothing).
const QStringList& KindWords(int type);
const QStringList& AlignmentWords(int type);

// A new control of a type code 0-11 in the given font; none for any other code. Only the
// document's CreateControl calls this in the program, so every control is wired the same way.
std::unique_ptr<TmvControl> ConstructControl(int type, const QFont& font);
