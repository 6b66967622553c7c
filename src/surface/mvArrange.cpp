#include "surface/mvArrange.h"

#include <algorithm>

#include "model/mvControls.h"
#include "surface/mvAlignment.h"
#include "surface/mvContentSize.h"
#include "surface/mvDialogDocument.h"

namespace {
int ControlsNeeded(TmvArrange command) {
    switch (command) {
    case TmvArrange::SpaceAcross:
    case TmvArrange::SpaceDown:
    case TmvArrange::SpaceCentresAcross:
    case TmvArrange::SpaceCentresDown:
        return 3;
    case TmvArrange::CentreHorizontally:
    case TmvArrange::CentreVertically:
    case TmvArrange::SizeToContent:
        return 1;
    default:
        return 2;
    }
}

void SizeToContent(DialogDocument& doc) {
    for (TmvControl* c : doc.Selection) {
        if (!SizesToContent(*c)) continue;
        const QSize size = ContentSize(*c, doc.UseDbu);
        if (size == QSize(c->Width, c->Height)) continue;
        c->SetBounds(c->Left, c->Top, size.width(), size.height());
        doc.Modified = true;
    }
}

void Align(DialogDocument& doc, TmvHorizontalAlign h, TmvVerticalAlign v) {
    AlignSelection(doc, BuildAlignLists(doc), h, v);
}
void Space(DialogDocument& doc, TmvSpacing h, TmvSpacing v) {
    SpaceSelection(doc, BuildAlignLists(doc), h, 0, v, 0);
}
} // namespace

bool CanArrange(const DialogDocument& doc, TmvArrange command) {
    if (doc.SelectionCount() < ControlsNeeded(command)) return false;
    if (command == TmvArrange::SizeToContent)
        return std::any_of(doc.Selection.begin(), doc.Selection.end(),
                           [](const TmvControl* c) { return SizesToContent(*c); });
    return true;
}

void Arrange(DialogDocument& doc, TmvArrange command) {
    if (!CanArrange(doc, command)) return;
    using H = TmvHorizontalAlign;
    using V = TmvVerticalAlign;
    using S = TmvSpacing;
    switch (command) {
    case TmvArrange::AlignLefts:
        return Align(doc, H::LeftSides, V::NoChange);
    case TmvArrange::AlignRights:
        return Align(doc, H::RightSides, V::NoChange);
    case TmvArrange::AlignTops:
        return Align(doc, H::NoChange, V::Tops);
    case TmvArrange::AlignBottoms:
        return Align(doc, H::NoChange, V::Bottoms);
    case TmvArrange::AlignCentres:
        return Align(doc, H::Middles, V::NoChange);
    case TmvArrange::AlignMiddles:
        return Align(doc, H::NoChange, V::Middles);
    case TmvArrange::SameWidth:
        return SizeSelectionLikeReference(doc, true, false);
    case TmvArrange::SameHeight:
        return SizeSelectionLikeReference(doc, false, true);
    case TmvArrange::SameSize:
        return SizeSelectionLikeReference(doc, true, true);
    case TmvArrange::SpaceAcross:
        return Space(doc, S::Equal, S::NoChange);
    case TmvArrange::SpaceDown:
        return Space(doc, S::NoChange, S::Equal);
    case TmvArrange::SpaceCentresAcross:
        return Space(doc, S::EqualCentres, S::NoChange);
    case TmvArrange::SpaceCentresDown:
        return Space(doc, S::NoChange, S::EqualCentres);
    case TmvArrange::CentreHorizontally:
        return CentreSelectionInContainer(doc, BuildAlignLists(doc), true);
    case TmvArrange::CentreVertically:
        return CentreSelectionInContainer(doc, BuildAlignLists(doc), false);
    case TmvArrange::SizeToContent:
        return SizeToContent(doc);
    }
}
