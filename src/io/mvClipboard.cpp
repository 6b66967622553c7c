#include "io/mvClipboard.h"

#include <algorithm>
#include <climits>

#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDeleteSelection.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvIdServices.h"
#include "surface/mvIniValues.h"

namespace {
const QString kPosition = QStringLiteral("Position");
const QString kOptions = QStringLiteral("Options");

int IntegerField(const QStringList& fields, int index) {
    return FieldInteger(fields.value(index)).value_or(0);
}

QStringList StoredPosition(const TmvIniFile& buffer, const QString& section) {
    return SplitList(buffer.ReadString(section, kPosition, QStringLiteral("0,0,0,0")),
                     QLatin1Char(','));
}

// Moves the stored copy by (dx, dy); a plain paste moves it one paste step further, so that
// every paste of the same buffer lands beside the one before.
void ShiftStoredPosition(TmvIniFile& buffer, const QString& section, int dx, int dy) {
    const QStringList fields = StoredPosition(buffer, section);
    const int x = IntegerField(fields, 0) + dx;
    const int y = IntegerField(fields, 1) + dy;
    buffer.WriteString(
        section, kPosition,
        QStringLiteral("%1,%2,%3,%4").arg(x).arg(y).arg(fields.value(2), fields.value(3)));
}

// Points the stored copy at the target container; returns the ID it holds.
int RetargetStoredPage(TmvIniFile& buffer, const QString& section, int page) {
    const QStringList fields = SplitList(
        buffer.ReadString(section, kOptions, QStringLiteral("0,0,0,1")), QLatin1Char(','));
    const int id = IntegerField(fields, 3);
    buffer.WriteString(section, kOptions,
                       QStringLiteral("%1,%2,%3,%4")
                           .arg(IntegerField(fields, 0))
                           .arg(IntegerField(fields, 1))
                           .arg(page)
                           .arg(id));
    return id;
}
} // namespace

void TmvControlClipboard::CopySelection(const DialogDocument& doc) {
    if (doc.Selection.empty()) return;
    buffer_.Clear();
    int n = 0;
    for (const TmvControl* control : doc.Selection)
        if (control != doc.TabControl) WriteControlSection(buffer_, *control, ++n);
    count_ = n;
}

void TmvControlClipboard::CutSelection(DialogDocument& doc, Prompter* prompt, bool promptTab) {
    const bool onlyTheTab = std::all_of(doc.Selection.begin(), doc.Selection.end(),
                                        [&doc](TmvControl* c) { return c == doc.TabControl; });
    if (onlyTheTab) return;
    if (doc.TabControl) doc.Deselect(doc.TabControl);
    CopySelection(doc);
    DeleteSelection(doc, prompt, promptTab);
}

int TmvControlClipboard::PasteControls(DialogDocument& doc) {
    // The container the user works in: the tab control's active page when it is current, the
    // page of a current control lying on one, else the dialog.
    const TmvControl* current = doc.CurrentControl;
    int page = -1;
    if (doc.TabControl && current == doc.TabControl)
        page = std::max(-1, doc.TabControl->ActivePage);
    else if (doc.TabControl && current && current->TabIndex >= 0)
        page = current->TabIndex;
    return Paste(doc, page, std::nullopt);
}

int TmvControlClipboard::PasteControlsAt(DialogDocument& doc, int page, QPoint topLeft) {
    return Paste(doc, page, topLeft);
}

int TmvControlClipboard::Paste(DialogDocument& doc, int page,
                               const std::optional<QPoint>& topLeft) {
    if (count_ == 0) return 0;
    // The shift that puts the group's top-left corner at the point, or one paste step.
    QPoint shift(QuantizeX(5), QuantizeY(5));
    if (topLeft) {
        QPoint corner(INT_MAX, INT_MAX);
        for (int n = 1; n <= count_; ++n) {
            const QStringList fields = StoredPosition(buffer_, ControlSectionName(n));
            corner = QPoint(std::min(corner.x(), IntegerField(fields, 0)),
                            std::min(corner.y(), IntegerField(fields, 1)));
        }
        shift = *topLeft - corner;
    }
    doc.ClearSelection();
    doc.UpdatesSuspended = true;
    TmvControl* last = nullptr;
    int pasted = 0;
    TmvTakenIds ids(doc); // kept up to date below, so a paste of many controls stays linear
    for (int n = 1; n <= count_; ++n) {
        const QString section = ControlSectionName(n);
        if (!buffer_.SectionExists(section)) continue;
        ShiftStoredPosition(buffer_, section, shift.x(), shift.y());
        const int id = RetargetStoredPage(buffer_, section, page);
        const bool idFree = ids.IsFree(id);
        TmvControl* control = ReadControlSection(doc, buffer_, true, n);
        if (topLeft) ShiftStoredPosition(buffer_, section, -shift.x(), -shift.y());
        if (!control) continue; // a section the reader refuses is skipped
        if (idFree) {
            ids.TakeForControl(id);
        } else {
            control->SetStaticID(false);
            control->SetID(ids.TakeNext());
        }
        doc.Select(control);
        last = control;
        ++pasted;
    }
    doc.UpdatesSuspended = false;
    if (last) {
        doc.Modified = true;
        doc.SetCurrentControl(last);
    }
    doc.RepaintSurface();
    return pasted;
}

int DuplicateSelection(DialogDocument& doc) {
    TmvControlClipboard scratch;
    scratch.CopySelection(doc);
    return scratch.PasteControls(doc);
}
