// The project writer: [Main], the menus and one section per control, in the order the reader
// expects (a tab control's page children follow it, so their page always exists on reading).
#include "io/mvIniFile.h"
#include "io/mvProjects.h"
#include "model/mvTabControl.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"

namespace {
const QString kMain = QStringLiteral("Main");

QString Flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A key that only some projects need: written when there is something to keep, removed
// otherwise, so that a save over an older file leaves none of its words behind.
void WriteOptional(TmvIniFile& ini, const QString& section, const QString& key,
                   const QString& value) {
    if (value.isEmpty())
        ini.DeleteKey(section, key);
    else
        ini.WriteString(section, key, value);
}

// Written straight into one string: the project is written at the end of every user action
// too, for the undo history.
QString Numbers(std::initializer_list<int> values) {
    QString text;
    text.reserve(qsizetype(values.size()) * 6);
    for (const int value : values) {
        if (!text.isEmpty()) text += QLatin1Char(',');
        text += QString::number(value);
    }
    return text;
}

QString Flags(std::initializer_list<bool> values) {
    QString text;
    text.reserve(qsizetype(values.size()) * 2);
    for (const bool value : values) {
        if (!text.isEmpty()) text += QLatin1Char(',');
        text += value ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

void WriteMain(const DialogDocument& doc, TmvIniFile& ini) {
    ini.WriteString(kMain, QStringLiteral("Title"), doc.Title);
    ini.WriteString(kMain, QStringLiteral("Name"), doc.TableName);
    ini.WriteString(kMain, QStringLiteral("IconPath"), doc.IconPath);
    ini.WriteInteger(kMain, QStringLiteral("IconIndex"), doc.IconIndex);
    ini.WriteBool(kMain, QStringLiteral("NoQuotes"), doc.NoQuotes);
    ini.WriteBool(kMain, QStringLiteral("Local"), doc.Local);
    ini.WriteBool(kMain, QStringLiteral("NoTheme"), doc.NoTheme);
    ini.WriteString(kMain, QStringLiteral("Position"),
                    Numbers({doc.PosX, doc.PosY, doc.ClientWidth, doc.ClientHeight}));
    ini.WriteString(kMain, QStringLiteral("Options"),
                    Flags({doc.Centered, doc.UseDbu, doc.LockAll}));
    WriteOptional(ini, kMain, kOtherOptionsKey, doc.OtherOptions);
}

// "IDs", "Static" and "NoQuotes" of a tab control: one field per page, each followed by a blank.
QString PageList(const TmvTab& tab, const std::function<QString(const TmvTabPage&)>& field) {
    QString text;
    for (const auto& page : tab.Pages)
        text += field(*page) + QLatin1Char(' ');
    return text;
}

void WriteTabKeys(TmvIniFile& ini, const QString& section, const TmvTab& tab, int& counter) {
    ini.WriteInteger(section, QStringLiteral("TabCount"), tab.PageCount());
    for (int p = 0; p < tab.PageCount(); ++p) {
        const TmvTabPage& page = *tab.Page(p);
        ini.WriteString(section, QString::number(p), page.Caption);
        for (const TmvControl* child : page.Controls)
            if (child) WriteControlSection(ini, *child, ++counter);
    }
    ini.WriteString(section, QStringLiteral("IDs"),
                    PageList(tab, [](const TmvTabPage& page) { return QString::number(page.ID); }));
    ini.WriteString(section, QStringLiteral("Static"),
                    PageList(tab, [](const TmvTabPage& page) { return Flag(page.StaticID); }));
    // Replaces the control's own boolean written above: the pages carry the quoting.
    ini.WriteString(section, QStringLiteral("NoQuotes"),
                    PageList(tab, [](const TmvTabPage& page) { return Flag(page.NoQuotes); }));
}
} // namespace

QString ControlSectionName(int n) {
    return QStringLiteral("Control") + QString::number(n);
}

void WriteControlSection(TmvIniFile& ini, const TmvControl& control, int& counter) {
    const QString section = ControlSectionName(counter);
    ini.WriteInteger(section, QStringLiteral("CType"), control.ControlType);
    ini.WriteString(section, QStringLiteral("Name"), VisibleName(control));
    ini.WriteString(section, QStringLiteral("Text"), control.Text);
    ini.WriteString(section, QStringLiteral("Position"),
                    Numbers({control.Left, control.Top, control.Width, control.Height}));
    ini.WriteString(section, QStringLiteral("Options"),
                    Numbers({control.Kind, control.Alignment, control.TabIndex, control.GetID()}));
    ini.WriteString(
        section, QStringLiteral("DefStyles"),
        Flags({control.Hidden, control.Group, control.Disabled, control.Result, control.Locked}));
    ini.WriteBool(section, QStringLiteral("StaticID"), control.GetStaticID());
    ini.WriteBool(section, QStringLiteral("NoQuotes"), control.NoQuotes);
    ini.WriteInteger(section, QStringLiteral("Styles"), control.PackStyles());
    WriteOptional(ini, section, kOtherStylesKey, control.OtherStyles);
    switch (control.ControlType) {
    case ctEdit:
        ini.WriteInteger(section, QStringLiteral("Limit"),
                         static_cast<const TmvEdit&>(control).Limit);
        break;
    case ctCombo:
        ini.WriteInteger(section, QStringLiteral("Limit"),
                         static_cast<const TmvCombo&>(control).Limit);
        break;
    case ctIcon: {
        const auto& icon = static_cast<const TmvIcon&>(control);
        ini.WriteInteger(section, QStringLiteral("Index"), icon.IconIndex);
        ini.WriteString(section, QStringLiteral("FileName"), icon.FileName);
        break;
    }
    case ctTab:
        WriteTabKeys(ini, section, static_cast<const TmvTab&>(control), counter);
        break;
    case ctScroll: {
        const auto& scroll = static_cast<const TmvScroll&>(control);
        ini.WriteInteger(section, QStringLiteral("Range"), scroll.RangeMin);
        ini.WriteInteger(section, QStringLiteral("Range2"), scroll.RangeMax);
        break;
    }
    default:
        break;
    }
}

std::vector<const TmvControl*> ControlsInSectionOrder(const DialogDocument& doc) {
    std::vector<const TmvControl*> order;
    order.reserve(size_t(doc.ControlCount()));
    for (const TmvControl* control : doc.CreationOrder) {
        if (!control) continue;
        order.push_back(control);
        if (control->ControlType != ctTab) continue;
        for (const auto& page : static_cast<const TmvTab*>(control)->Pages)
            for (const TmvControl* child : page->Controls)
                if (child) order.push_back(child);
    }
    return order;
}

void WriteProjectHead(const DialogDocument& doc, TmvIniFile& ini) {
    WriteMain(doc, ini);
    WriteMenuSections(doc, ini);
}

void WriteProject(const DialogDocument& doc, TmvIniFile& ini) {
    WriteProjectHead(doc, ini);
    WriteOptional(ini, kMain, kScriptPathKey, doc.ScriptPath);
    WriteOptional(ini, kMain, kScriptTableKey, doc.ScriptTable);
    int counter = 1;
    for (const TmvControl* control : doc.CreationOrder) {
        if (!control) continue;
        WriteControlSection(ini, *control, counter);
        ++counter;
    }
    // Last key of [Main], as in the writer's order; known once every section is written.
    ini.WriteInteger(kMain, QStringLiteral("ControlCount"), counter - 1);
}
