#include "app/mvTestDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/mvFonts.h"
#include "model/mvTabControl.h"
#include "model/mvTextLayout.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"
#include "surface/mvMenuBar.h"
#include "surface/mvMenuWidgets.h"

namespace {
// Qt's "Windows" style, made once for every test window; the application owns it.
QStyle* ClassicStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style) style->setParent(qApp);
    }
    return style;
}

// A rectangle as the table writes it (dialog units in dbu mode) and mIRC turns back into pixels.
QRect TableRectInPixels(const QRect& r, bool dbu) {
    return QRect(XToPixelsIf(dbu, XToDbuIf(dbu, r.x())), YToPixelsIf(dbu, YToDbuIf(dbu, r.y())),
                 XToPixelsIf(dbu, XToDbuIf(dbu, r.width())),
                 YToPixelsIf(dbu, YToDbuIf(dbu, r.height())));
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

TTestDialog::TTestDialog(const DialogDocument& doc, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TestDialog"));
    setWindowTitle(doc.Title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    BuildMenus(doc);
    if (menuBar_) layout->setMenuBar(menuBar_);

    const bool dbu = doc.UseDbu;
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("TestDialogClient"));
    client_->setFixedSize(
        TableRectInPixels(QRect(0, 0, doc.ClientWidth, doc.ClientHeight), dbu).size());
    client_->setFont(DialogTextFont(doc.DialogFont()));
    layout->addWidget(client_);

    entries_.reserve(size_t(doc.ControlCount()));
    VisitTableOrder(doc, [this, dbu](const TmvControl& control) {
        AddControl(control, control.TabIndex >= 0 ? control.TabIndex : -1, dbu);
    });
    WireKeys();
    // The keys of every widget in the window pass here first (eventFilter).
    qApp->installEventFilter(this);
    ShowPage(tabs_ ? tabs_->currentIndex() : -1);

    if (QStyle* classic = ClassicStyle()) {
        setStyle(classic);
        for (QWidget* widget : findChildren<QWidget*>())
            widget->setStyle(classic);
        setPalette(classic->standardPalette());
    }
}

void TTestDialog::BuildMenus(const DialogDocument& doc) {
    if (doc.Menu.IsEmpty()) return;
    menuBar_ = new QMenuBar(this);
    menuBar_->setFont(MenuBarFont());
    const auto item = [this](QAction* action, const TmvMenuNode& node) {
        const bool ok = node.HasFlag(kMenuOk);
        if (!ok && !node.HasFlag(kMenuCancel)) return;
        const QString how =
            QStringLiteral("with the menu entry ") + Quoted(ShownCaption(action->text()));
        connect(action, &QAction::triggered, this, [this, how, ok] { CloseWith(how, ok); });
    };
    for (const auto& top : doc.Menu.TopLevel()) {
        const QString caption = MenuBarCaption(top->Text);
        if (top->HasChildren())
            AddMenuEntries(menuBar_->addMenu(caption), *top, item);
        else
            item(menuBar_->addAction(caption), *top);
    }
}

void TTestDialog::AddControl(const TmvControl& control, int page, bool dbu) {
    // "group" starts the next group, on whatever control it stands.
    if (control.Group) ++group_;
    const QRect rect = TableRectInPixels(control.LogicalRect(), dbu);
    index_.insert(&control, entries_.size());
    entries_.push_back({&control, MakeTestWidget(control, rect, client_), page, group_});
    const TmvTestWidget& made = entries_.back().Made;
    if (control.Hidden) made.Widget->hide();
    if (control.ControlType == ctTab) {
        tabs_ = static_cast<QTabWidget*>(made.Widget);
        tabHidden_ = control.Hidden;
        connect(tabs_, &QTabWidget::currentChanged, this, &TTestDialog::ShowPage);
    }
}

void TTestDialog::WireKeys() {
    QHash<int, QButtonGroup*> groups;
    QWidget* nextFocus = nullptr;
    // From the last control back, so that each text or box knows the control after it.
    for (size_t i = entries_.size(); i-- > 0;) {
        Entry& entry = entries_[i];
        const TmvControl& control = *entry.Control;
        if (entry.Made.FocusesNext) SetMnemonicTarget(entry.Made, nextFocus);
        if (entry.Made.Focus && !control.Disabled && !control.Hidden) nextFocus = entry.Made.Focus;
        if (entry.Made.PassesEnter) passesEnter_.insert(entry.Made.Widget);
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        const TmvControl& control = *entry.Control;
        QAbstractButton* button = entry.Made.Button;
        if (control.ControlType == ctRadio) {
            QButtonGroup*& group = groups[entry.Group];
            if (!group) group = new QButtonGroup(this);
            group->addButton(button);
            radios_.insert(button, i);
        }
        if (control.ControlType != ctButton) continue;
        // The default button, or else the first ok button, takes Enter.
        auto* push = static_cast<QPushButton*>(button);
        if (!defaultButton_ && static_cast<const TmvButton&>(control).DefaultButton)
            defaultButton_ = push;
        const int kind = control.Kind;
        if (kind >= 1 && kind <= 3) {
            const QString how = QStringLiteral("with the ") + Quoted(ShownCaption(control.Text)) +
                                QStringLiteral(" button");
            connect(push, &QPushButton::clicked, this,
                    [this, how, kind] { CloseWith(how, kind != 2); });
        }
    }
    if (!defaultButton_)
        for (const Entry& entry : entries_)
            if (entry.Control->ControlType == ctButton && (entry.Control->Kind & 1)) {
                defaultButton_ = static_cast<QPushButton*>(entry.Made.Button);
                break;
            }
    if (defaultButton_) defaultButton_->setDefault(true);
    if (!tabs_) return;
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages wherever the keyboard is.
    const auto turn = [this](int step) {
        const int count = tabs_->count();
        if (count > 0) tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    };
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [turn] { turn(1); });
    auto* back = new QShortcut(this);
    back->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
    connect(back, &QShortcut::activated, this, [turn] { turn(-1); });
}

void TTestDialog::ShowPage(int page) {
    for (const Entry& entry : entries_)
        if (entry.Page >= 0)
            entry.Made.Widget->setVisible(entry.Page == page && !entry.Control->Hidden &&
                                          !tabHidden_);
}

QWidget* TTestDialog::WidgetOf(const TmvControl* control) const {
    const auto found = index_.constFind(control);
    return found == index_.cend() ? nullptr : entries_[*found].Made.Widget;
}

bool TTestDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    // Alt and a letter that no caption marks does nothing, as in Windows: it types nothing.
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
        !key->text().isEmpty())
        return true;
    if (radios_.contains(watched) && modifiers == Qt::NoModifier) {
        const int step = (code == Qt::Key_Down || code == Qt::Key_Right) ? 1
                         : (code == Qt::Key_Up || code == Qt::Key_Left)  ? -1
                                                                         : 0;
        if (step) return MoveInGroup(static_cast<QAbstractButton*>(watched), step);
    }
    if ((code == Qt::Key_Return || code == Qt::Key_Enter) && passesEnter_.contains(watched) &&
        !(modifiers & Qt::ControlModifier)) {
        // A multi-line edit without "return" leaves Enter to the dialog.
        PressDefault();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TTestDialog::MoveInGroup(QAbstractButton* from, int step) {
    const size_t at = radios_.value(from);
    const int group = entries_[at].Group;
    std::vector<QAbstractButton*> members;
    size_t mine = 0;
    for (const Entry& entry : entries_) {
        if (entry.Group != group || entry.Control->ControlType != ctRadio) continue;
        if (entry.Made.Button == from) mine = members.size();
        members.push_back(entry.Made.Button);
    }
    const int n = int(members.size());
    for (int k = 1; k < n; ++k) {
        QAbstractButton* next = members[size_t(((int(mine) + step * k) % n + n) % n)];
        if (!next->isEnabled() || !next->isVisibleTo(this)) continue;
        next->setFocus(Qt::TabFocusReason);
        next->click();
        break;
    }
    return true;
}

void TTestDialog::PressDefault() {
    if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisibleTo(this))
        defaultButton_->click();
}

void TTestDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        closedBy_ = QStringLiteral("with Escape");
    QDialog::keyPressEvent(event);
}

void TTestDialog::CloseWith(const QString& how, bool accepted) {
    closedBy_ = how;
    done(accepted ? Accepted : Rejected);
}

void TTestDialog::reject() {
    if (closedBy_.isEmpty()) closedBy_ = QStringLiteral("with its close box");
    QDialog::reject();
}

void TTestDialog::done(int result) {
    QStringList values;
    for (const Entry& entry : entries_)
        if (entry.Control->Result && entry.Made.Value) values << Quoted(entry.Made.Value());
    message_ = QStringLiteral("The test dialog was closed ") + closedBy_;
    if (!values.isEmpty())
        message_ += QStringLiteral("; result: ") + values.join(QStringLiteral(", "));
    message_ += QLatin1Char('.');
    QDialog::done(result);
}
