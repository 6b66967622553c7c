// Controls from their records: geometry, ID, text, and every style flag set to exactly what
// the line's style list says.
#include <QSet>

#include "io/mvImport.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"

namespace {
// The first of the words that is present picks the value (1 for the first word, ...), else 0;
// only that word is taken.
int Choice(TmvStyleWords& styles, std::initializer_list<const char*> words) {
    int value = 1;
    for (const char* word : words) {
        if (styles.Take(word)) return value;
        ++value;
    }
    return 0;
}
} // namespace

void TmvImporter::CreateImportedControl(const TmvImportClass& record) {
    if (record.ControlType == ctTab && doc_.TabControl) {
        AddImportedPage(record);
        return;
    }
    // A control needs a whole-number ID and rectangle; each bad field is told, then skipped.
    bool valid = true;
    const std::optional<int> id = ParseTableInt(record.Fields[1]);
    if (!id) {
        ReportImportError(QStringLiteral("Invalid integer value"), record.Fields[1],
                          record.LineNumber);
        valid = false;
    }
    int rect[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QString& field = record.Fields[2 + i];
        const std::optional<int> value = ParseTableInt(field);
        if (value && IsTableCoordinate(*value)) {
            rect[i] = *value;
        } else {
            ReportImportError(QStringLiteral("Invalid integer value"), field, record.LineNumber);
            valid = false;
        }
    }
    if (!valid) return;

    QString error;
    TmvControl* control = doc_.CreateControl(record.ControlType, true, 0, 0, 0, 0, -1, &error);
    if (!control) {
        ReportImportError(error, record.Fields[0], record.LineNumber);
        return;
    }
    control->Updating = true;
    control->SetText(record.Fields[0]);
    control->SetNoQuotes(!record.Quoted);
    // The line gives the logical rectangle: an icon's border and the tab strip lie outside it.
    const bool dbu = doc_.UseDbu;
    control->SetLogicalRect(QRect(XToPixelsIf(dbu, rect[0]), YToPixelsIf(dbu, rect[1]),
                                  XToPixelsIf(dbu, rect[2]), YToPixelsIf(dbu, rect[3])));
    if (record.ControlType != ctTab) {
        control->ID = *id;
        control->StaticID = true;
    }
    control->SetVisible(true);
    ApplyImportedStyles(*control, record.Fields[6], record.LineNumber);
    control->Updating = false;
    if (record.ControlType == ctTab) {
        info_.TabControlCreated = true;
        AddImportedPage(record);
    }
}

void TmvImporter::AddImportedPage(const TmvImportClass& record) {
    const std::optional<int> id = ParseTableInt(record.Fields[1]);
    if (!id) {
        ReportImportError(QStringLiteral("Invalid integer value"), record.Fields[1],
                          record.LineNumber);
        return;
    }
    TmvTab* tab = doc_.TabControl;
    TmvTabPage* page = tab->AddPage(*id);
    tab->SetPageCaption(tab->PageCount() - 1, record.Fields[0]);
    page->StaticID = true;
    page->NoQuotes = !record.Quoted;
}

QString TmvImporter::TakeIconFile(TmvControl& control, const QString& text) {
    auto& icon = static_cast<TmvIcon&>(control);
    // The styles begin after the separator that ends the height; a comma may still stand
    // there when blanks came before it ("146 , file.ico").
    QString styles = text.trimmed();
    if (styles.startsWith(QLatin1Char(','))) styles.remove(0, 1);
    const int comma = styles.indexOf(QLatin1Char(','));
    if (comma < 0) {
        // The writer puts an icon without a file straight into its styles ("noborder top");
        // anything else is a file name.
        static const QSet<QString> iconWords = {
            QStringLiteral("noborder"), QStringLiteral("top"),     QStringLiteral("left"),
            QStringLiteral("bottom"),   QStringLiteral("right"),   QStringLiteral("tab"),
            QStringLiteral("hide"),     QStringLiteral("disable"), QStringLiteral("group"),
            QStringLiteral("result")};
        if (TmvStyleWords(styles).OnlyOf(iconWords)) return styles;
        icon.SetFileName(styles.trimmed());
        icon.SetIconIndex(0);
        return QString();
    }
    icon.SetFileName(styles.left(comma).trimmed());
    QString rest = styles.mid(comma + 1);
    const int next = rest.indexOf(QLatin1Char(','));
    const std::optional<int> index = ParseTableInt(rest.left(next).trimmed());
    icon.SetIconIndex(index.value_or(0));
    if (index) rest = next < 0 ? QString() : rest.mid(next + 1);
    return rest;
}

void TmvImporter::ApplyImportedStyles(TmvControl& control, const QString& text, int number) {
    const QString styleText = control.ControlType == ctIcon ? TakeIconFile(control, text) : text;
    TmvStyleWords styles(styleText);
    const auto has = [&](const char* word) { return styles.Take(word); };
    // A value word is taken with its number when the line writes both back: an edit writes
    // a positive limit, a combo any limit but 0. Anything else stays as written.
    const auto readLimit = [&](int& limit, bool negativeWritten) {
        limit = 0;
        int at = -1;
        const std::optional<int> value =
            NumberAfter(styles, "limit", QStringLiteral("Invalid edit limit"), number, &at);
        if (value && (*value > 0 || (negativeWritten && *value != 0))) {
            limit = *value;
            styles.TakeAt(at, 2);
        }
    };

    // The tab control's line carries only the rectangle of its first page: every word after
    // it is kept as written.
    if (control.ControlType != ctTab) {
        control.SetResult(has("result"));
        control.SetGroup(has("group"));
        control.SetHidden(has("hide"));
        control.SetDisabled(has("disable"));
    }

    switch (control.ControlType) {
    case ctButton: {
        auto& c = static_cast<TmvButton&>(control);
        const bool ok = has("ok");
        const bool cancel = has("cancel");
        c.SetKind((ok ? 1 : 0) + (cancel ? 2 : 0));
        c.DefaultButton = has("default");
        c.Flat = has("flat");
        c.MultiLine = has("multi");
        break;
    }
    case ctEdit: {
        auto& c = static_cast<TmvEdit&>(control);
        c.SetAlignment(Choice(styles, {"right", "center"}));
        c.AutoHScroll = has("autohs");
        c.AutoVScroll = has("autovs");
        c.HScrollBar = has("hsbar");
        c.VScrollBar = has("vsbar");
        c.Password = has("pass");
        c.ReadOnly = has("read");
        c.MultiLine = has("multi");
        c.WantReturn = has("return");
        readLimit(c.Limit, false);
        break;
    }
    case ctCombo: {
        auto& c = static_cast<TmvCombo&>(control);
        c.SetKind(has("drop") ? 1 : 0);
        c.Sorted = has("sort");
        c.ForceSize = has("size");
        c.Editable = has("edit");
        c.HScrollBar = has("hsbar");
        c.VScrollBar = has("vsbar");
        readLimit(c.Limit, true);
        break;
    }
    case ctText: {
        auto& c = static_cast<TmvText&>(control);
        c.SetAlignment(Choice(styles, {"right", "center"}));
        c.NoWrap = has("nowrap");
        break;
    }
    case ctList: {
        auto& c = static_cast<TmvList&>(control);
        c.Sorted = has("sort");
        c.HScrollBar = has("hsbar");
        c.VScrollBar = has("vsbar");
        c.ForceSize = has("size");
        c.ExtSel = has("extsel");
        break;
    }
    case ctCheck:
    case ctRadio: {
        auto& c = static_cast<TmvCheckClass&>(control);
        c.SetKind(has("push") ? 1 : 0);
        c.SetAlignment(has("left") ? 1 : 0);
        c.Flat = has("flat");
        if (control.ControlType == ctCheck)
            static_cast<TmvCheck&>(control).ThreeState = has("3state");
        break;
    }
    case ctIcon: {
        auto& c = static_cast<TmvIcon&>(control);
        c.SetAlignment(Choice(styles, {"top", "left", "bottom", "right"}));
        c.SetBorder(!has("noborder"));
        break;
    }
    case ctScroll:
        ApplyScrollStyles(static_cast<TmvScroll&>(control), styles, number);
        break;
    default: // box, link, tab: the common words only
        break;
    }

    if (control.ControlType != ctTab) MovePerTabWord(control, styles, number);
    control.OtherStyles = styles.Untaken();
    if (!control.OtherStyles.isEmpty())
        ReportImportWarning(QStringLiteral("Style words kept as written"), control.OtherStyles,
                            number);
    control.Repaint();
}

std::optional<int> TmvImporter::NumberAfter(const TmvStyleWords& styles, const char* word,
                                            const QString& error, int number, int* at) {
    *at = styles.IndexOf(word);
    if (*at < 0) return std::nullopt;
    const QString text = styles.At(*at + 1);
    const std::optional<int> value = ParseTableInt(text);
    if (!value) ReportImportError(error, text, number);
    return value;
}

void TmvImporter::ApplyScrollStyles(TmvScroll& scroll, TmvStyleWords& styles, int number) {
    // An alignment that does not fit the bar's direction is kept as written: the project
    // file would turn it into another one.
    const bool horizontal = styles.Take("horizontal");
    scroll.SetKind(horizontal ? 1 : 0);
    if (horizontal)
        scroll.SetAlignment(styles.Take("top") ? 1 : styles.Take("bottom") ? 3 : 0);
    else
        scroll.SetAlignment(styles.Take("left") ? 2 : 0);

    int at = -1;
    const std::optional<int> low =
        NumberAfter(styles, "range", QStringLiteral("Invalid scroll range"), number, &at);
    if (!low) return;
    // The second number is there only when it is one; the range is taken when the line
    // writes back the same numbers (the second only above the first).
    const std::optional<int> high = ParseTableInt(styles.At(at + 2));
    const int max = high.value_or(scroll.RangeMax);
    if (*low == max || high.has_value() != (max > *low)) return;
    scroll.SetRange(*low, max);
    styles.TakeAt(at, high ? 3 : 2);
}

void TmvImporter::MovePerTabWord(TmvControl& control, TmvStyleWords& styles, int number) {
    int at = -1;
    const std::optional<int> pageId =
        NumberAfter(styles, "tab", QStringLiteral("Invalid tab id"), number, &at);
    if (!pageId) return;
    const QString word = styles.At(at + 1);
    const int page = doc_.PageIndexOfId(*pageId);
    if (page < 0) {
        // The control stays on the dialog and its words as written.
        ReportImportWarning(tableTabPages_.contains(*pageId)
                                ? QStringLiteral("Tab page defined later in the table")
                                : QStringLiteral("No tab page with this ID"),
                            word, number);
        return;
    }
    doc_.MoveToContainer(&control, page);
    styles.TakeAt(at, 2);
}
