// How each control writes its line of the dialog table.
#include "model/mvControlHost.h"
#include "model/mvControls.h"
#include "model/mvUnits.h"

namespace {
// The word a value selects from a word table; values outside the table write nothing.
QString ValueWord(const QStringList& words, int value) {
    return (value >= 0 && value < words.size()) ? words[value] : QString();
}

QString Flag(bool on, const char* word) {
    return on ? QString::fromLatin1(word) : QString();
}
} // namespace

QString TmvControl::QuotedText() const {
    return NoQuotes ? Text : QLatin1Char('"') + Text + QLatin1Char('"');
}

QString TmvControl::TableRect() const {
    const QRect r = LogicalRect();
    const bool dbu = UsesDbu();
    return QStringLiteral("%1 %2 %3 %4")
        .arg(XToDbuIf(dbu, r.x()))
        .arg(YToDbuIf(dbu, r.y()))
        .arg(XToDbuIf(dbu, r.width()))
        .arg(YToDbuIf(dbu, r.height()));
}

QString TmvControl::HeadLine() const {
    // Concatenated, never formatted: a text may hold "%1" and must come out unchanged.
    return ControlKeyword(ControlType) + QLatin1Char(' ') + QuotedText() + QStringLiteral(", ") +
           QString::number(ID) + QStringLiteral(", ") + TableRect();
}

QString TmvControl::TextlessHead() const {
    return ControlKeyword(ControlType) + QLatin1Char(' ') + QString::number(ID) +
           QStringLiteral(", ") + TableRect();
}

QString TmvControl::CommonWords() const {
    QString words = Flag(Hidden, "hide ") + Flag(Disabled, "disable ") + Flag(Group, "group ") +
                    Flag(Result, "result ");
    if (TabIndex >= 0) {
        const int pageId = Host ? Host->PageIdOfIndex(TabIndex) : -1;
        words += QStringLiteral("tab %1 ").arg(pageId);
    }
    return words;
}

QString TmvControl::BuildLine() const {
    // The words the designer does not model follow its own, as they were written.
    const QString styles = (CommonWords() + OwnWords() + OtherStyles).trimmed();
    const QString head = Head();
    return styles.isEmpty() ? head : head + QStringLiteral(", ") + styles;
}

QString TmvButton::OwnWords() const {
    return Flag(DefaultButton, "default ") + Flag(Flat, "flat ") + Flag(MultiLine, "multi ") +
           ValueWord(KindWords(ctButton), Kind);
}

QString TmvScrollingControl::ScrollBarWords() const {
    return Flag(HScrollBar, "hsbar ") + Flag(VScrollBar, "vsbar ");
}

QString TmvEdit::OwnWords() const {
    QString words = Flag(ReadOnly, "read ") + Flag(Password, "pass ") + Flag(MultiLine, "multi ") +
                    Flag(WantReturn, "return ") + Flag(AutoHScroll, "autohs ") +
                    Flag(AutoVScroll, "autovs ") + ScrollBarWords();
    if (Limit > 0) words += QStringLiteral("limit %1 ").arg(Limit);
    return words + ValueWord(AlignmentWords(ctEdit), Alignment);
}

QString TmvCombo::OwnWords() const {
    QString words = Flag(Sorted, "sort ") + Flag(ForceSize, "size ") + Flag(Editable, "edit ") +
                    ScrollBarWords();
    if (Limit != 0) words += QStringLiteral("limit %1 ").arg(Limit);
    return words + ValueWord(KindWords(ctCombo), Kind);
}

QString TmvText::OwnWords() const {
    return Flag(NoWrap, "nowrap ") + ValueWord(AlignmentWords(ctText), Alignment);
}

QString TmvList::OwnWords() const {
    return Flag(Sorted, "sort ") + Flag(ForceSize, "size ") + Flag(ExtSel, "extsel ") +
           ScrollBarWords();
}

QString TmvCheckClass::CheckWords() const {
    return ValueWord(AlignmentWords(ControlType), Alignment) +
           ValueWord(KindWords(ControlType), Kind);
}

QString TmvCheck::OwnWords() const {
    return Flag(ThreeState, "3state ") + Flag(Flat, "flat ") + CheckWords();
}

QString TmvRadio::OwnWords() const {
    return Flag(Flat, "flat ") + CheckWords();
}

QString TmvIcon::Head() const {
    if (FileName.isEmpty()) return TextlessHead();
    return TextlessHead() + QStringLiteral(", ") + FileName + QStringLiteral(", ") +
           QString::number(IconIndex);
}

QString TmvIcon::OwnWords() const {
    return Flag(!Border, "noborder ") + ValueWord(AlignmentWords(ctIcon), Alignment);
}

QString TmvScroll::OwnWords() const {
    QString words;
    if (RangeMin != RangeMax) {
        words += QStringLiteral("range %1 ").arg(RangeMin);
        if (RangeMax > RangeMin) words += QStringLiteral("%1 ").arg(RangeMax);
    }
    return words + ValueWord(KindWords(ctScroll), Kind) +
           ValueWord(AlignmentWords(ctScroll), Alignment);
}
