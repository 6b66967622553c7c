// Controls from their records: geometry, ID, text, and every style flag set to exactly what
// the line's style list says.
#include <QSet>

#include "io/mvImport.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"

namespace {
// The whole words of a style list, letter case ignored, and what follows each.
class TmvStyleWords {
public:
    explicit TmvStyleWords(const QString& styles) : words_(StyleWords(styles)) {
        for (QString& word : words_)
            word = word.toLower();
        for (const QString& word : words_)
            set_.insert(word);
    }
    bool Has(const char* word) const { return set_.contains(QLatin1String(word)); }
    // The n-th word after the first occurrence of `word` (the numbers a style carries);
    // empty when there is none.
    QString After(const char* word, int n = 1) const {
        const int at = int(words_.indexOf(QLatin1String(word)));
        return at >= 0 ? words_.value(at + n) : QString();
    }
    // Whether every word is one of `known`, or the number after "tab".
    bool OnlyOf(const QSet<QString>& known) const {
        for (int i = 0; i < words_.size(); ++i) {
            const bool pageNumber = i > 0 && words_[i - 1] == QLatin1String("tab");
            if (!known.contains(words_[i]) && !pageNumber) return false;
        }
        return true;
    }

private:
    QStringList words_;
    QSet<QString> set_;
};

// The first of the words that is present picks the value (1 for the first word, ...), else 0.
int Choice(const TmvStyleWords& styles, std::initializer_list<const char*> words) {
    int value = 1;
    for (const char* word : words) {
        if (styles.Has(word)) return value;
        ++value;
    }
    return 0;
}

// A style's number: digits only, as the table writes it.
std::optional<int> StyleNumber(const QString& word) {
    return IsDigits(word) ? ParseTableInt(word) : std::nullopt;
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

QString TmvImporter::TakeIconFile(TmvControl& control, const QString& styles) {
    auto& icon = static_cast<TmvIcon&>(control);
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
    const TmvStyleWords styles(styleText);
    const auto has = [&](const char* word) { return styles.Has(word); };
    const auto readLimit = [&](int& limit) {
        limit = 0;
        if (!has("limit")) return;
        const QString word = styles.After("limit");
        const std::optional<int> value = StyleNumber(word);
        if (value)
            limit = *value;
        else
            ReportImportError(QStringLiteral("Invalid edit limit"), word, number);
    };

    control.SetResult(has("result"));
    control.SetGroup(has("group"));
    control.SetHidden(has("hide"));
    control.SetDisabled(has("disable"));

    switch (control.ControlType) {
    case ctButton: {
        auto& c = static_cast<TmvButton&>(control);
        c.SetKind((has("ok") ? 1 : 0) + (has("cancel") ? 2 : 0));
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
        readLimit(c.Limit);
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
        readLimit(c.Limit);
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
    case ctScroll: {
        auto& c = static_cast<TmvScroll&>(control);
        c.SetKind(has("horizontal") ? 1 : 0);
        c.SetAlignment(Choice(styles, {"top", "left", "bottom"}));
        if (has("range")) {
            const QString first = styles.After("range");
            const std::optional<int> low = StyleNumber(first);
            if (!low) {
                ReportImportError(QStringLiteral("Invalid scroll range"), first, number);
            } else {
                // The second number is there only when it is one.
                const std::optional<int> high = StyleNumber(styles.After("range", 2));
                c.SetRange(*low, high.value_or(c.RangeMax));
            }
        }
        break;
    }
    default: // box, link, tab: the common words only
        break;
    }

    if (has("tab") && control.ControlType != ctTab) {
        const QString word = styles.After("tab");
        const std::optional<int> pageId = StyleNumber(word);
        if (pageId)
            doc_.MoveToContainer(&control, doc_.PageIndexOfId(*pageId));
        else
            ReportImportError(QStringLiteral("Invalid tab id"), word, number);
    }
    control.Repaint();
}
