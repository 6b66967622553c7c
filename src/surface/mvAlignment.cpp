#include "surface/mvAlignment.h"

#include <QtGlobal>
#include <algorithm>

#include "model/mvPaintHelpers.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvAlignMath.h"
#include "surface/mvDialogDocument.h"

namespace {
// The range of a dialog template's coordinates; pixels beyond it come only from typed numbers.
constexpr qint64 kLowestPosition = -32768;
constexpr qint64 kHighestPosition = 32767;
// Amounts beyond this cannot be meant and would overflow the conversion to pixels.
constexpr int kLargestAmount = 65535;

int ClampPosition(qint64 v) {
    return int(std::clamp(v, kLowestPosition, kHighestPosition));
}
int ClampSize(qint64 v) {
    return int(std::clamp<qint64>(v, 0, kHighestPosition));
}

// One direction of the surface: the same arithmetic serves left/width and top/height.
struct Axis {
    bool Horizontal;
    int Position(const TmvControl* c) const { return Horizontal ? c->Left : c->Top; }
    int Size(const TmvControl* c) const { return Horizontal ? c->Width : c->Height; }
    int Quantize(qint64 px) const {
        const int v = ClampPosition(px);
        return Horizontal ? QuantizeX(v) : QuantizeY(v);
    }
    int ToPixels(bool useDbu, int amount) const {
        const int v = std::clamp(amount, -kLargestAmount, kLargestAmount);
        return Horizontal ? XToPixelsIf(useDbu, v) : YToPixelsIf(useDbu, v);
    }
    int ClientSize(const DialogDocument& doc) const {
        return Horizontal ? doc.ClientWidth : doc.ClientHeight;
    }
    const std::vector<TmvControl*>& Ordered(const TmvAlignLists& lists) const {
        return Horizontal ? lists.ByLeft : lists.ByTop;
    }
    void SetPosition(DialogDocument& doc, TmvControl* c, qint64 v) const {
        const int p = ClampPosition(v);
        if (Horizontal)
            MoveControlTo(doc, c, p, c->Top);
        else
            MoveControlTo(doc, c, c->Left, p);
    }
    void SetSize(DialogDocument& doc, TmvControl* c, qint64 v) const {
        const int s = Horizontal ? QuantizeX(ClampSize(v)) : QuantizeY(ClampSize(v));
        if (s == Size(c)) return;
        if (Horizontal)
            c->SetWidth(s);
        else
            c->SetHeight(s);
        doc.Modified = true;
    }
};
constexpr Axis kX{true};
constexpr Axis kY{false};

std::vector<TmvControl*> OrderedBy(const DialogDocument& doc, const Axis& axis) {
    std::vector<TmvControl*> list = doc.Selection;
    std::stable_sort(list.begin(), list.end(), [&axis](TmvControl* a, TmvControl* b) {
        return axis.Position(a) < axis.Position(b);
    });
    return list;
}

// Lines every selected control up on the reference's side, middle or far side.
enum class Edge { Near, Middle, Far };
void AlignEdge(DialogDocument& doc, const Axis& axis, Edge edge) {
    const TmvControl* reference = doc.SelectedAt(0);
    const qint64 nearSide = axis.Position(reference);
    const qint64 size = axis.Size(reference);
    for (TmvControl* c : doc.Selection) {
        switch (edge) {
        case Edge::Near:
            axis.SetPosition(doc, c, nearSide);
            break;
        case Edge::Middle:
            axis.SetPosition(doc, c, axis.Quantize(nearSide + size / 2 - axis.Size(c) / 2));
            break;
        case Edge::Far:
            axis.SetPosition(doc, c, nearSide + size - axis.Size(c));
            break;
        }
    }
}

std::vector<TmvSpan> SpansOf(const Axis& axis, const std::vector<TmvControl*>& list) {
    std::vector<TmvSpan> spans;
    spans.reserve(list.size());
    for (const TmvControl* c : list)
        spans.push_back({axis.Position(c), axis.Size(c)});
    return spans;
}

void MoveTo(DialogDocument& doc, const Axis& axis, const std::vector<TmvControl*>& list,
            const std::vector<qint64>& starts) {
    for (size_t i = 0; i < list.size(); ++i)
        axis.SetPosition(doc, list[i], starts[i]);
}

// The tab control's page when the whole list lies on its pages.
bool OnPages(const DialogDocument& doc, const std::vector<TmvControl*>& list) {
    return doc.TabControl &&
           std::all_of(list.begin(), list.end(), [](auto* c) { return c->TabIndex >= 0; });
}

// The smallest unselected group box on the same container holding all of `bounds`.
const TmvControl* HoldingBox(const DialogDocument& doc, const QRect& bounds, int page) {
    const TmvControl* best = nullptr;
    for (int i = 0; i < doc.ControlCount(); ++i) {
        const TmvControl* c = doc.ControlAt(i);
        if (c->ControlType != ctBox || !c->Visible || std::max(c->TabIndex, -1) != page ||
            !c->BoundsRect().contains(bounds) || doc.IsSelected(c))
            continue;
        if (!best || qint64(c->Width) * c->Height < qint64(best->Width) * best->Height) best = c;
    }
    return best;
}

void CenterIn(DialogDocument& doc, const std::vector<TmvControl*>& list, const Axis& axis,
              const QRect& area) {
    if (list.empty()) return;
    const qint64 areaStart = axis.Horizontal ? area.left() : area.top();
    const qint64 areaSize = axis.Horizontal ? area.width() : area.height();
    const qint64 shift = CenteringShift(SpansOf(axis, list), areaStart, areaSize);
    for (TmvControl* c : list)
        axis.SetPosition(doc, c, axis.Quantize(axis.Position(c) + shift));
}

// A group lying wholly on the tab control's pages is centred in the page, any other in the
// dialog's client area.
void CenterGroup(DialogDocument& doc, const TmvAlignLists& lists, const Axis& axis) {
    const std::vector<TmvControl*>& list = axis.Ordered(lists);
    if (list.empty()) return;
    CenterIn(doc, list, axis, ContainerArea(doc, OnPages(doc, list) ? 0 : -1));
}

void Space(DialogDocument& doc, const TmvAlignLists& lists, const Axis& axis, TmvSpacing how,
           int amount) {
    const std::vector<TmvControl*>& list = axis.Ordered(lists);
    const std::vector<TmvSpan> spans = SpansOf(axis, list);
    switch (how) {
    case TmvSpacing::NoChange:
        break;
    case TmvSpacing::Equal:
        MoveTo(doc, axis, list,
               EqualSpacingStarts(spans, [&axis](qint64 v) { return axis.Quantize(v); }));
        break;
    case TmvSpacing::EqualCentres:
        MoveTo(doc, axis, list,
               EqualCentreStarts(spans, [&axis](qint64 v) { return axis.Quantize(v); }));
        break;
    case TmvSpacing::Remove:
        MoveTo(doc, axis, list, PackedStarts(spans));
        break;
    case TmvSpacing::Increase:
    case TmvSpacing::Decrease: {
        const qint64 step =
            axis.ToPixels(doc.UseDbu, amount) * (how == TmvSpacing::Increase ? 1 : -1);
        MoveTo(doc, axis, list, SteppedStarts(spans, step));
        break;
    }
    }
}

void Size(DialogDocument& doc, const Axis& axis, TmvSizing how, int value) {
    if (how == TmvSizing::NoChange || doc.Selection.empty()) return;
    int smallest = axis.Size(doc.Selection.front());
    int largest = smallest;
    for (const TmvControl* c : doc.Selection) {
        smallest = std::min(smallest, axis.Size(c));
        largest = std::max(largest, axis.Size(c));
    }
    const qint64 size = how == TmvSizing::ShrinkToSmallest ? smallest
                        : how == TmvSizing::GrowToLargest  ? largest
                                                           : axis.ToPixels(doc.UseDbu, value);
    for (TmvControl* c : doc.Selection)
        axis.SetSize(doc, c, size);
}
} // namespace

TmvAlignLists BuildAlignLists(const DialogDocument& doc) {
    return {OrderedBy(doc, kX), OrderedBy(doc, kY)};
}

void AlignSelection(DialogDocument& doc, const TmvAlignLists& lists, TmvHorizontalAlign horizontal,
                    TmvVerticalAlign vertical) {
    if (doc.Selection.empty()) return;
    switch (horizontal) {
    case TmvHorizontalAlign::NoChange:
        break;
    case TmvHorizontalAlign::LeftSides:
        AlignEdge(doc, kX, Edge::Near);
        break;
    case TmvHorizontalAlign::Middles:
        AlignEdge(doc, kX, Edge::Middle);
        break;
    case TmvHorizontalAlign::RightSides:
        AlignEdge(doc, kX, Edge::Far);
        break;
    case TmvHorizontalAlign::Center:
        CenterGroup(doc, lists, kX);
        break;
    }
    switch (vertical) {
    case TmvVerticalAlign::NoChange:
        break;
    case TmvVerticalAlign::Tops:
        AlignEdge(doc, kY, Edge::Near);
        break;
    case TmvVerticalAlign::Middles:
        AlignEdge(doc, kY, Edge::Middle);
        break;
    case TmvVerticalAlign::Bottoms:
        AlignEdge(doc, kY, Edge::Far);
        break;
    case TmvVerticalAlign::Center:
        CenterGroup(doc, lists, kY);
        break;
    }
}

void SpaceSelection(DialogDocument& doc, const TmvAlignLists& lists, TmvSpacing horizontal,
                    int horizontalAmount, TmvSpacing vertical, int verticalAmount) {
    Space(doc, lists, kY, vertical, verticalAmount);
    Space(doc, lists, kX, horizontal, horizontalAmount);
}

void SizeSelection(DialogDocument& doc, TmvSizing width, int widthValue, TmvSizing height,
                   int heightValue) {
    Size(doc, kX, width, widthValue);
    Size(doc, kY, height, heightValue);
}

void SizeSelectionLikeReference(DialogDocument& doc, bool width, bool height) {
    const TmvControl* reference = doc.SelectedAt(0);
    if (!reference) return;
    const int w = reference->Width;
    const int h = reference->Height;
    for (TmvControl* c : doc.Selection) {
        if (width) kX.SetSize(doc, c, w);
        if (height) kY.SetSize(doc, c, h);
    }
}

QRect SelectionContainerArea(const DialogDocument& doc) {
    const bool onPages = !doc.Selection.empty() && OnPages(doc, doc.Selection);
    QRect bounds;
    for (const TmvControl* c : doc.Selection)
        bounds |= c->BoundsRect();
    const int page = onPages ? doc.Selection.front()->TabIndex : -1;
    if (const TmvControl* box = HoldingBox(doc, bounds, page))
        return box->BoundsRect().adjusted(0, TextHeightOfZero(box->Font), 0, 0);
    return ContainerArea(doc, page);
}

QRect ContainerArea(const DialogDocument& doc, int page) {
    if (page < 0 || !doc.TabControl) return QRect(0, 0, doc.ClientWidth, doc.ClientHeight);
    return doc.TabControl->PageBody(doc.UseDbu)
        .translated(doc.TabControl->Left, doc.TabControl->Top);
}

void CentreSelectionInContainer(DialogDocument& doc, const TmvAlignLists& lists, bool horizontal) {
    const Axis& axis = horizontal ? kX : kY;
    CenterIn(doc, axis.Ordered(lists), axis, SelectionContainerArea(doc));
}

void AlignSelectionToGrid(DialogDocument& doc, int stepX, int stepY) {
    for (TmvControl* c : doc.Selection)
        MoveControlTo(doc, c, SnapToGrid(c->Left, stepX), SnapToGrid(c->Top, stepY));
}

void MoveControlTo(DialogDocument& doc, TmvControl* control, int left, int top) {
    const int dx = left - control->Left;
    const int dy = top - control->Top;
    if (dx == 0 && dy == 0) return;
    control->SetBounds(left, top, control->Width, control->Height);
    if (control == doc.TabControl) doc.TabControl->MovePageControls(dx, dy);
    doc.Modified = true;
}
