// One control section back into a control: the numeric head first (shared with the check that
// runs before a load), then the keys in the reader's order.
#include <QRect>

#include "io/mvImportFields.h"
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "model/mvScrollAlignment.h"
#include "model/mvTabControl.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvIniValues.h"

namespace {
constexpr int kMaxStoredNameLength = 100;

QString Problem(const QString& section, const QString& key, const QString& value,
                const QString& detail) {
    return QStringLiteral("Section [%1], key \"%2\": the value \"%3\" %4")
        .arg(section, key, value, detail);
}

// The fields of a list that must be whole numbers; `defaults` gives the count and the values
// of missing fields, or with `required` a missing field is an error.
bool ReadNumbers(const TmvIniFile& ini, const QString& section, const QString& key,
                 const QString& defaultText, std::initializer_list<int*> targets, bool required,
                 QString* problem) {
    const QString value = ini.ReadString(section, key, defaultText);
    const QStringList fields = SplitList(value, QLatin1Char(','));
    const QStringList defaults = SplitList(defaultText, QLatin1Char(','));
    if (required && fields.size() < qsizetype(targets.size())) {
        if (problem)
            *problem = Problem(section, key, value,
                               QStringLiteral("has fewer than %1 fields.").arg(targets.size()));
        return false;
    }
    int i = 0;
    for (int* target : targets) {
        const bool present = i < fields.size();
        const std::optional<int> number = FieldInteger(present ? fields[i] : defaults.value(i));
        if (!number) {
            if (problem)
                *problem = Problem(section, key, value,
                                   QStringLiteral("holds \"%1\" in field %2, which is not a whole "
                                                  "number.")
                                       .arg(fields.value(i))
                                       .arg(i + 1));
            return false;
        }
        *target = *number;
        ++i;
    }
    return true;
}

// "Position": four whole numbers, each within what a dialog can hold (the 16-bit fields of a
// dialog template); larger values come only from damaged files.
bool ReadPosition(const TmvIniFile& ini, const QString& section, const QString& defaultText,
                  std::initializer_list<int*> targets, QString* problem) {
    const QString key = QStringLiteral("Position");
    if (!ReadNumbers(ini, section, key, defaultText, targets, true, problem)) return false;
    int field = 1;
    for (const int* target : targets) {
        if (!IsTableCoordinate(*target)) {
            if (problem)
                *problem = Problem(section, key, ini.ReadString(section, key, defaultText),
                                   QStringLiteral("holds %1 in field %2, outside the range a "
                                                  "dialog can hold (-32768 to 32767).")
                                       .arg(*target)
                                       .arg(field));
            return false;
        }
        ++field;
    }
    return true;
}

bool ReadPageIds(const TmvIniFile& ini, const QString& section, TmvControlSectionHead& head,
                 QString* problem) {
    const int count = ini.ReadInteger(section, QStringLiteral("TabCount"), 0);
    const QString value = ini.ReadString(section, QStringLiteral("IDs"));
    // Split once: a field per page looked up by position would make many pages quadratic.
    const QStringList ids = SplitList(value, QLatin1Char(' '));
    for (int p = 0; p < count; ++p) {
        const std::optional<int> id = p < ids.size() ? FieldInteger(ids[p]) : std::nullopt;
        if (!id) {
            if (problem)
                *problem =
                    Problem(section, QStringLiteral("IDs"), value,
                            p < ids.size() ? QStringLiteral("holds \"%1\" as the ID of page %2, "
                                                            "which is not a whole number.")
                                                 .arg(ids[p])
                                                 .arg(p + 1)
                                           : QStringLiteral("has no ID for page %1 of %2 "
                                                            "(\"TabCount\").")
                                                 .arg(p + 1)
                                                 .arg(count));
            return false;
        }
        head.PageIds.push_back(*id);
    }
    return true;
}

// The stored name without blanks and at most 100 characters long, when it is valid and free;
// else the next default name of the type.
void ApplyStoredName(DialogDocument& doc, TmvControl& control, const QString& stored) {
    QString name = stored;
    name.remove(QLatin1Char(' '));
    name.truncate(kMaxStoredNameLength);
    const QString full = ControlNamePrefix() + name;
    if (IsValidControlName(name) && !doc.IsControlNameUsed(full))
        doc.SetControlName(&control, full);
    else
        doc.SetControlName(&control, doc.UniqueControlName(ControlKeyword(control.ControlType)));
}

// Bit order of "DefStyles": Hidden, Group, Disabled, Result, Locked.
void ApplyDefStyles(TmvControl& control, const QString& text) {
    const QStringList fields = SplitList(text, QLatin1Char(','));
    control.SetHidden(FieldFlag(fields.value(0)));
    control.SetGroup(FieldFlag(fields.value(1)));
    control.SetDisabled(FieldFlag(fields.value(2)));
    control.SetResult(FieldFlag(fields.value(3)));
    control.SetLocked(FieldFlag(fields.value(4)));
}

void ReadTabPages(TmvTab& tab, const TmvIniFile& ini, const QString& section,
                  const std::vector<int>& pageIds) {
    const QStringList statics =
        SplitList(ini.ReadString(section, QStringLiteral("Static")), QLatin1Char(' '));
    const QStringList noQuotes =
        SplitList(ini.ReadString(section, QStringLiteral("NoQuotes")), QLatin1Char(' '));
    for (size_t i = 0; i < pageIds.size(); ++i) {
        const int p = int(i);
        TmvTabPage* page = tab.AddPage(pageIds[i]);
        tab.SetPageCaption(p, ini.ReadString(section, QString::number(p), QStringLiteral("Tab")));
        page->StaticID = FieldFlag(statics.value(p));
        page->NoQuotes = FieldFlag(noQuotes.value(p));
    }
}

void ReadTypeKeys(TmvControl& control, const TmvIniFile& ini, const QString& section,
                  const TmvControlSectionHead& head) {
    switch (control.ControlType) {
    case ctEdit:
        static_cast<TmvEdit&>(control).Limit = ini.ReadInteger(section, QStringLiteral("Limit"), 0);
        break;
    case ctCombo:
        static_cast<TmvCombo&>(control).Limit =
            ini.ReadInteger(section, QStringLiteral("Limit"), 0);
        break;
    case ctIcon: {
        auto& icon = static_cast<TmvIcon&>(control);
        icon.SetIconIndex(ini.ReadInteger(section, QStringLiteral("Index"), 0));
        icon.SetFileName(ini.ReadString(section, QStringLiteral("FileName")));
        break;
    }
    case ctTab:
        ReadTabPages(static_cast<TmvTab&>(control), ini, section, head.PageIds);
        break;
    case ctScroll:
        static_cast<TmvScroll&>(control).SetRange(
            ini.ReadInteger(section, QStringLiteral("Range"), 0),
            ini.ReadInteger(section, QStringLiteral("Range2"), 0));
        break;
    default:
        break;
    }
}
} // namespace

std::optional<TmvControlSectionHead> ReadControlSectionHead(const TmvIniFile& ini, int n,
                                                            QString* problem) {
    const QString section = ControlSectionName(n);
    TmvControlSectionHead head;
    const QString typeKey = QStringLiteral("CType");
    head.Type = ini.ReadInteger(section, typeKey, 0);
    if (head.Type < 0 || head.Type >= kControlTypeCount) {
        if (problem)
            *problem = Problem(section, typeKey, ini.ReadString(section, typeKey),
                               QStringLiteral("is not a control type (0 to 11)."));
        return std::nullopt;
    }
    if (!ReadPosition(ini, section, QStringLiteral("50,50,-1,-1"),
                      {&head.X, &head.Y, &head.W, &head.H}, problem))
        return std::nullopt;
    // Missing trailing fields of "Options" keep their defaults; a field present must be a number.
    if (!ReadNumbers(ini, section, QStringLiteral("Options"), QStringLiteral("0,0,-1,0"),
                     {&head.Kind, &head.Alignment, &head.Page, &head.Id}, false, problem))
        return std::nullopt;
    if (head.Type == ctTab && !ReadPageIds(ini, section, head, problem)) return std::nullopt;
    return head;
}

std::optional<TmvMainPosition> ReadMainPosition(const TmvIniFile& ini, QString* problem) {
    TmvMainPosition position;
    if (!ReadPosition(ini, QStringLiteral("Main"), QStringLiteral("-1,-1,320,240"),
                      {&position.X, &position.Y, &position.W, &position.H}, problem))
        return std::nullopt;
    return position;
}

TmvControl* ReadControlSection(DialogDocument& doc, const TmvIniFile& ini, bool assignName, int n) {
    const QString section = ControlSectionName(n);
    if (!ini.SectionExists(section)) return nullptr;
    const std::optional<TmvControlSectionHead> head = ReadControlSectionHead(ini, n);
    if (!head) return nullptr;
    TmvControl* control =
        doc.CreateControl(head->Type, assignName, head->X, head->Y, head->W, head->H, head->Page);
    if (!control) return nullptr;

    control->Updating = true;
    control->SetVisible(true);
    control->SetText(ini.ReadString(section, QStringLiteral("Text")));
    control->SetNoQuotes(ini.ReadBool(section, QStringLiteral("NoQuotes"), false));
    // The tab control keeps its fixed name.
    if (!assignName && control->ControlType != ctTab)
        ApplyStoredName(doc, *control, ini.ReadString(section, QStringLiteral("Name")));

    control->SetKind(head->Kind);
    // A bar without an alignment word is kept so: "horizontal" alone is a table's own form.
    const bool fitAlignment = control->ControlType == ctScroll && head->Alignment != 0;
    control->SetAlignment(fitAlignment ? ConsistentScrollAlignment(head->Kind, head->Alignment)
                                       : head->Alignment);
    // The pages carry the tab control's IDs; its own stays 0 so that it blocks none.
    if (control->ControlType != ctTab) control->SetID(head->Id);
    ApplyDefStyles(*control, ini.ReadString(section, QStringLiteral("DefStyles")));
    control->SetStaticID(ini.ReadBool(section, QStringLiteral("StaticID"), false));

    // The stored rectangle; a section without one gets the type's size. A stored -1 is kept:
    // imported tables use -1 -1 -1 -1 for a hidden default button.
    const bool sized = ini.ValueExists(section, QStringLiteral("Position"));
    const QRect bounds(head->X, head->Y, head->W == -1 && !sized ? control->Width : head->W,
                       head->H == -1 && !sized ? control->Height : head->H);
    control->UnpackStyles(ini.ReadInteger(section, QStringLiteral("Styles"), 0));
    control->OtherStyles = ini.ReadString(section, kOtherStylesKey);
    // The stored rectangle is the surface's and is put back exactly: unpacking an icon's border
    // grew or shrank it, and quantizing it for dialog units again would move the logical
    // rectangle of a tab control or a bordered icon, which lies inside it, by a unit.
    control->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    ReadTypeKeys(*control, ini, section, *head);
    control->Updating = false;
    return control;
}
