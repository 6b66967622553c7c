#include "app/mvTestWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>
#include <algorithm>
#include <array>

#include "model/mvFonts.h"
#include "model/mvPaintHelpers.h"
#include "model/mvSystemColors.h"
#include "model/mvTabControl.h"
#include "model/mvTextLayout.h"

namespace {
// Edit and text alignment: 0 left, 1 right, 2 center.
Qt::Alignment Horizontal(int alignment) {
    return alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

// A scroll bar asked for by "vsbar" or "hsbar": an edit always shows it, a list when it scrolls.
Qt::ScrollBarPolicy Bar(bool asked, Qt::ScrollBarPolicy shown) {
    return asked ? shown : Qt::ScrollBarAlwaysOff;
}

// A text or box whose "&" letter moves the keyboard on, as Windows dialogs do.
class TmvMnemonicLabel : public QLabel {
public:
    using QLabel::QLabel;
};

class TmvTestBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    QWidget* Next = nullptr;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return QGroupBox::event(e);
        if (Next) Next->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
};

// Windows' three-state check: clear, checked, indeterminate, clear.
class TmvTestCheck : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {
        if (!isTristate()) return QCheckBox::nextCheckState();
        const Qt::CheckState next[] = {Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked};
        setCheckState(next[checkState()]);
    }
};

// Blue and underlined; the pointing hand and another colour while the mouse is over it.
class TmvTestLink : public QLabel {
public:
    explicit TmvTestLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setCursor(Qt::PointingHandCursor);
        Paint(LinkBlue());
    }

protected:
    void enterEvent(QEnterEvent*) override { Paint(QColor(255, 0, 0)); }
    void leaveEvent(QEvent*) override { Paint(LinkBlue()); }

private:
    void Paint(const QColor& color) {
        QPalette p = palette();
        p.setColor(QPalette::WindowText, color);
        setPalette(p);
    }
};

// A simple combo: its edit over its list, always open.
class TmvSimpleCombo : public QWidget {
public:
    TmvSimpleCombo(const TmvCombo& combo, const QRect& rect, QWidget* parent) : QWidget(parent) {
        Edit = new QLineEdit(this);
        List = new QListWidget(this);
        const int editHeight = std::min(TextHeightOfZero(combo.Font) + 8, rect.height());
        Edit->setGeometry(0, 0, rect.width(), editHeight);
        List->setGeometry(0, editHeight, rect.width(), rect.height() - editHeight);
        if (combo.Limit > 0) Edit->setMaxLength(combo.Limit);
        List->setSortingEnabled(combo.Sorted);
        List->setVerticalScrollBarPolicy(Bar(combo.VScrollBar, Qt::ScrollBarAsNeeded));
        List->setHorizontalScrollBarPolicy(Bar(combo.HScrollBar, Qt::ScrollBarAsNeeded));
        List->setFocusPolicy(Qt::NoFocus);
        connect(List, &QListWidget::currentTextChanged, Edit, &QLineEdit::setText);
    }
    QLineEdit* Edit;
    QListWidget* List;
};

using Maker = TmvTestWidget (*)(const TmvControl&, const QRect&, QWidget*);

QString State(const QAbstractButton* button) {
    const auto* check = qobject_cast<const QCheckBox*>(button);
    if (check && check->checkState() == Qt::PartiallyChecked) return QStringLiteral("2");
    return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

TmvTestWidget Button(const TmvControl& control, const QRect& rect, QWidget* parent) {
    const auto& b = static_cast<const TmvButton&>(control);
    QString caption = b.Text;
    if (b.MultiLine) {
        // Qt's buttons do not wrap: the lines Windows would break are given to it.
        QStringList lines;
        for (const TmvTextLine& line :
             LayoutText(DialogTextFont(b.Font), rect.width() - 8, Qt::TextWordWrap, b.Text))
            lines << line.Text;
        caption = lines.join(QLatin1Char('\n'));
    }
    auto* button = new QPushButton(caption, parent);
    button->setFlat(b.Flat);
    button->setDefault(b.DefaultButton);
    return {button, button, button, false, false, [&b] { return ShownCaption(b.Text); }};
}

TmvTestWidget Edit(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& e = static_cast<const TmvEdit&>(control);
    if (!e.MultiLine) {
        auto* line = new QLineEdit(e.Text, parent);
        if (e.Limit > 0) line->setMaxLength(e.Limit);
        line->setEchoMode(e.Password ? QLineEdit::Password : QLineEdit::Normal);
        line->setReadOnly(e.ReadOnly);
        line->setAlignment(Horizontal(e.Alignment) | Qt::AlignVCenter);
        line->setCursorPosition(0);
        return {line, line, nullptr, false, false, [line] { return line->text(); }};
    }
    auto* edit = new QTextEdit(parent);
    edit->setAcceptRichText(false);
    edit->document()->setDefaultTextOption(QTextOption(Horizontal(e.Alignment)));
    edit->setPlainText(e.Text);
    edit->setReadOnly(e.ReadOnly);
    edit->setTabChangesFocus(true);
    // Without "autohs" the lines wrap at the edge, as with no horizontal scroll bar.
    edit->setLineWrapMode(e.AutoHScroll || e.HScrollBar ? QTextEdit::NoWrap
                                                        : QTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Bar(e.VScrollBar, Qt::ScrollBarAlwaysOn));
    edit->setHorizontalScrollBarPolicy(Bar(e.HScrollBar, Qt::ScrollBarAlwaysOn));
    if (e.Limit > 0) {
        const int limit = e.Limit;
        QObject::connect(edit, &QTextEdit::textChanged, edit, [edit, limit] {
            const QString text = edit->toPlainText();
            if (text.size() <= limit) return;
            edit->setPlainText(text.left(limit));
            edit->moveCursor(QTextCursor::End);
        });
    }
    return {edit, edit, nullptr, false, !e.WantReturn, [edit] { return edit->toPlainText(); }};
}

TmvTestWidget Combo(const TmvControl& control, const QRect& rect, QWidget* parent) {
    const auto& c = static_cast<const TmvCombo&>(control);
    if (c.Kind != 1) {
        auto* simple = new TmvSimpleCombo(c, rect, parent);
        QLineEdit* edit = simple->Edit;
        return {simple, edit, nullptr, false, false, [edit] { return edit->text(); }};
    }
    auto* combo = new QComboBox(parent);
    combo->setEditable(c.Editable);
    combo->setInsertPolicy(c.Sorted ? QComboBox::InsertAlphabetically : QComboBox::InsertAtBottom);
    if (c.Editable && c.Limit > 0) combo->lineEdit()->setMaxLength(c.Limit);
    const int editHeight = TextHeightOfZero(c.Font) + 8;
    const int row = std::max(1, TextHeightOfZero(c.Font));
    combo->setMaxVisibleItems(std::max(1, (rect.height() - editHeight) / row));
    return {combo, combo, nullptr, false, false, [combo] { return combo->currentText(); }};
}

TmvTestWidget Text(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& t = static_cast<const TmvText&>(control);
    auto* label = new TmvMnemonicLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(t.Text);
    // As on the surface: "nowrap" only holds for left-aligned text.
    label->setWordWrap(!(t.NoWrap && t.Alignment == 0));
    label->setAlignment(Horizontal(t.Alignment) | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    const bool marks = !(t.DrawFlags & kDrawNoPrefix);
    return {label, nullptr, nullptr, marks, false, [&t] { return t.Text; }};
}

TmvTestWidget Box(const TmvControl& control, const QRect&, QWidget* parent) {
    auto* box = new TmvTestBox(control.Text, parent);
    // A group box only frames the controls over it; presses go through to them.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {box, nullptr, nullptr, true, false, {}};
}

TmvTestWidget List(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& l = static_cast<const TmvList&>(control);
    auto* list = new QListWidget(parent);
    list->setSelectionMode(l.ExtSel ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    list->setSortingEnabled(l.Sorted);
    list->setVerticalScrollBarPolicy(Bar(l.VScrollBar, Qt::ScrollBarAsNeeded));
    list->setHorizontalScrollBarPolicy(Bar(l.HScrollBar, Qt::ScrollBarAsNeeded));
    return {list, list, nullptr, false, false, [list] {
                QStringList chosen;
                for (const QListWidgetItem* item : list->selectedItems())
                    chosen << item->text();
                return chosen.join(QLatin1Char(' '));
            }};
}

// Check and radio: push look ("push"), text on the left ("left").
TmvTestWidget CheckLike(const TmvControl& control, QAbstractButton* standard, QWidget* parent) {
    const auto& c = static_cast<const TmvCheckClass&>(control);
    QAbstractButton* button = standard;
    if (c.Kind == 1) {
        delete standard;
        auto* push = new QPushButton(c.Text, parent);
        push->setCheckable(true);
        push->setAutoDefault(false);
        push->setFlat(c.Flat);
        button = push;
    } else if (c.Alignment == 1) {
        button->setLayoutDirection(Qt::RightToLeft);
    }
    return {button, button, button, false, false, [button] { return State(button); }};
}

TmvTestWidget Check(const TmvControl& control, const QRect&, QWidget* parent) {
    auto* check = new TmvTestCheck(control.Text, parent);
    check->setTristate(static_cast<const TmvCheck&>(control).ThreeState);
    return CheckLike(control, check, parent);
}

TmvTestWidget Radio(const TmvControl& control, const QRect&, QWidget* parent) {
    // The window's groups decide which radios exclude each other.
    auto* radio = new QRadioButton(control.Text, parent);
    radio->setAutoExclusive(false);
    return CheckLike(control, radio, parent);
}

TmvTestWidget Link(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& l = static_cast<const TmvLink&>(control);
    auto* link = new TmvTestLink(l.Text, parent);
    link->setTextFormat(Qt::PlainText);
    link->setWordWrap(!l.AutoSize);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return {link, nullptr, nullptr, false, false, [&l] { return l.Text; }};
}

TmvTestWidget Icon(const TmvControl& control, const QRect&, QWidget* parent) {
    auto* frame = new QFrame(parent);
    // No picture is read: the frame shows where it goes.
    frame->setFrameStyle(static_cast<const TmvIcon&>(control).Border
                             ? QFrame::Panel | QFrame::Sunken
                             : QFrame::NoFrame);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return {frame, nullptr, nullptr, false, false, {}};
}

TmvTestWidget Tab(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& t = static_cast<const TmvTab&>(control);
    auto* tabs = new QTabWidget(parent);
    // The pages stay empty: their controls lie on the dialog, shown with their page.
    for (const auto& page : t.Pages)
        tabs->addTab(new QWidget(tabs), page->Caption);
    return {tabs, tabs, nullptr, false, false, {}};
}

TmvTestWidget Scroll(const TmvControl& control, const QRect&, QWidget* parent) {
    const auto& s = static_cast<const TmvScroll&>(control);
    auto* bar = new QScrollBar(s.Kind == 1 ? Qt::Horizontal : Qt::Vertical, parent);
    // The range the table gives; without a second number it goes up to 100.
    bar->setRange(s.RangeMin, s.RangeMax > s.RangeMin ? s.RangeMax : std::max(s.RangeMin, 100));
    bar->setPageStep(10);
    // Qt's scroll bars take Right as a step back (their controls are inverted for the vertical
    // bar's sake); a Windows one moves right.
    if (s.Kind == 1) bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    return {bar, bar, nullptr, false, false, [bar] { return QString::number(bar->value()); }};
}

// By type code: button, edit, combo, text, box, list, check, radio, link, icon, tab, scroll.
constexpr std::array<Maker, kControlTypeCount> kMakers = {Button, Edit,  Combo, Text, Box, List,
                                                          Check,  Radio, Link,  Icon, Tab, Scroll};
} // namespace

TmvTestWidget MakeTestWidget(const TmvControl& control, const QRect& rect, QWidget* parent) {
    TmvTestWidget made = kMakers[size_t(control.ControlType)](control, rect, parent);
    QFont font = DialogTextFont(control.Font);
    font.setUnderline(control.ControlType == ctLink);
    made.Widget->setFont(font);
    made.Widget->setEnabled(!control.Disabled);
    QRect placed = rect;
    if (control.ControlType == ctCombo && control.Kind == 1)
        placed.setHeight(TextHeightOfZero(control.Font) + 8);
    made.Widget->setGeometry(placed);
    return made;
}

void SetMnemonicTarget(const TmvTestWidget& made, QWidget* target) {
    if (auto* box = dynamic_cast<TmvTestBox*>(made.Widget)) {
        box->Next = target;
    } else if (auto* label = dynamic_cast<TmvMnemonicLabel*>(made.Widget)) {
        // A label with no control after it shows its caption without the marks.
        if (target)
            label->setBuddy(target);
        else
            label->setText(ShownCaption(label->text()));
    }
}
