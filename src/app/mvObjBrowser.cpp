#include "app/mvObjBrowser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/mvObjBrowserList.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"
#include "surface/mvZOrder.h"

namespace {
// Coordinates and sizes fit the 16-bit values of a dialog table.
constexpr int kCoordMin = -32768;
constexpr int kCoordMax = 32767;

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QCheckBox* MakeCheck(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(6);
    return list;
}
} // namespace

TObjBrowser::TObjBrowser(DialogDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setObjectName(QStringLiteral("ObjBrowser"));
    setWindowTitle(QStringLiteral("Özel Ayarlar"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    ControlList = new TmvControlListBox(doc_, this);
    layout->addWidget(ControlList);
    obpPages = new QTabWidget(this);
    obpPages->setObjectName(QStringLiteral("obpPages"));
    layout->addWidget(obpPages, 1);
    obpTabBasic = new QWidget;
    obpTabBasic->setObjectName(QStringLiteral("obpTabBasic"));
    obpTabMore = new QWidget;
    obpTabMore->setObjectName(QStringLiteral("obpTabMore"));
    obpPages->addTab(obpTabBasic, QStringLiteral("Özel Ayarlar"));
    obpPages->addTab(obpTabMore, QStringLiteral("İnce Ayarlar"));
    BuildBasicPage();
    BuildMorePage();
    ConnectBasicPage();
    ConnectMorePage();
    // A box shown partly checked (the selected controls differ) takes a side when clicked.
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    connect(ControlList, qOverload<int>(&QComboBox::activated), this, &TObjBrowser::ControlChosen);
    RebuildControlList();
    RefreshBrowserLayout(nullptr);
    LoadBrowserValues();
}

TObjBrowser::~TObjBrowser() = default;

QSize TObjBrowser::NaturalSize() {
    for (QWidget* row : std::initializer_list<QWidget*>{NoStyles, lblOtherStyles, grsOtherStyles})
        row->setVisible(true);
    // As narrow as the boxes allow, as tall as the rows want.
    const auto wanted = [this] {
        return QSize(layout()->totalMinimumSize().width(), layout()->totalSizeHint().height());
    };
    QSize size = wanted();
    const std::initializer_list<QWidget*> groups = {grButton, grEdit,   grCombo, grList,
                                                    grText,   grLink,   grCheck, grRadio,
                                                    grIcon,   grScroll, grTab,   grDialog};
    for (QWidget* shown : groups) {
        for (QWidget* group : groups)
            group->setVisible(group == shown);
        size = size.expandedTo(wanted());
    }
    RefreshBrowserLayout(Current());
    return size;
}

QSize TObjBrowser::sizeHint() const {
    // A fixed size is the size the window's frame should fit.
    if (minimumSize() == maximumSize()) return minimumSize();
    return QWidget::sizeHint();
}

void TObjBrowser::SetInteraction(Prompter* prompt, FileChooser* files) {
    prompt_ = prompt;
    files_ = files;
}

void TObjBrowser::BuildBasicPage() {
    QWidget* page = obpTabBasic;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    int row = 0;
    lblCaption = MakeLabel("lblCaption", QStringLiteral("İşlem:"), page);
    propsCaption = new QLineEdit(page);
    propsCaption->setObjectName(QStringLiteral("propsCaption"));
    grid->addWidget(lblCaption, row, 0);
    grid->addWidget(propsCaption, row++, 1);
    propsNoQuotes = MakeCheck("propsNoQuotes", QStringLiteral("Don't add Quotes"), page);
    grid->addWidget(propsNoQuotes, row++, 1);

    lblPosition = MakeLabel("lblPosition", QStringLiteral("XYWH:"), page);
    auto* geometry = new QHBoxLayout;
    geometry->setSpacing(2);
    const auto geometryBox = [this](const char* name, int tag, int minValue) {
        return NumberBox(
            name, minValue, kCoordMax, [this, tag](int v) { GeometryCommitted(tag, v); }, true);
    };
    propsPosX = geometryBox("propsPosX", 1, kCoordMin);
    propsPosY = geometryBox("propsPosY", 2, kCoordMin);
    propsSizeW = geometryBox("propsSizeW", 3, 0);
    propsSizeH = geometryBox("propsSizeH", 4, 0);
    for (TmvNumberEdit* box : {propsPosX, propsPosY, propsSizeW, propsSizeH})
        geometry->addWidget(box);
    grid->addWidget(lblPosition, row, 0);
    grid->addLayout(geometry, row++, 1);

    const auto listRow = [&](QLabel*& label, QComboBox*& list, const char* labelName,
                             const char* listName, const QString& caption) {
        label = MakeLabel(labelName, caption, page);
        list = MakeList(listName, page);
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row++, 1);
    };
    listRow(lblType, propsType, "lblType", "propsType", QStringLiteral("Type:"));
    listRow(lblAlign, propsAlign, "lblAlign", "propsAlign", QStringLiteral("Align:"));
    listRow(lblTab, propsTab, "lblTab", "propsTab", QStringLiteral("Tab:"));

    lblStyles = MakeLabel("lblStyles", QStringLiteral("Ayarlar:"), page);
    propsDisabled = MakeCheck("propsDisabled", QStringLiteral("disable"), page);
    propsResult = MakeCheck("propsResult", QStringLiteral("result"), page);
    propsGroup = MakeCheck("propsGroup", QStringLiteral("group"), page);
    propsHidden = MakeCheck("propsHidden", QStringLiteral("hide"), page);
    auto* styles = new QGridLayout;
    styles->setSpacing(2);
    styles->addWidget(propsDisabled, 0, 0);
    styles->addWidget(propsResult, 0, 1);
    styles->addWidget(propsGroup, 1, 0);
    styles->addWidget(propsHidden, 1, 1);
    grid->addWidget(lblStyles, row, 0, Qt::AlignTop);
    grid->addLayout(styles, row++, 1);

    lblName = MakeLabel("lblName", QStringLiteral("İsmi:"), page);
    propsName = new QLineEdit(page);
    propsName->setObjectName(QStringLiteral("propsName"));
    propsName->setMaxLength(100);
    grid->addWidget(lblName, row, 0);
    grid->addWidget(propsName, row++, 1);
    propsStaticID = MakeCheck("propsStaticID", QStringLiteral("Lock ID:"), page);
    propsID = NumberBox(
        "propsID", 1, 3000, [this](int v) { IdCommitted(propsID, v); }, false);
    grid->addWidget(propsStaticID, row, 0);
    grid->addWidget(propsID, row++, 1);
    grid->setRowStretch(row, 1);
    WatchTextBox(propsName);

    basicBoxes_ = {propsCaption, propsNoQuotes, propsPosX,     propsPosY,
                   propsSizeW,   propsSizeH,    propsType,     propsAlign,
                   propsTab,     propsDisabled, propsResult,   propsGroup,
                   propsHidden,  propsName,     propsStaticID, propsID};
}

TmvNumberEdit* TObjBrowser::NumberBox(const char* name, int minValue, int maxValue,
                                      std::function<void(int)> commit, bool multiTarget) {
    auto* box = new TmvNumberEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->SetRange(minValue, maxValue);
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 8);
    numbers_.insert(box, NumberWatch{minValue, maxValue, std::move(commit), multiTarget});
    connect(box, &TmvNumberEdit::NeedsUpdate, this,
            [this, box](bool fromExit) { NumberCommitRequested(box, fromExit); });
    WatchTextBox(box);
    return box;
}

void TObjBrowser::NumberCommitRequested(TmvNumberEdit* box, bool fromExit) {
    if (!live_ || committing_ || !box->isEnabled()) return;
    const NumberWatch& watch = numbers_[box];
    // Leaving a box that was not changed writes nothing; with several controls selected only
    // Enter writes, and the box shows the current value again.
    if (fromExit && watch.MultiTarget && doc_.SelectionCount() > 1) {
        box->setText(shown_.value(box));
        return;
    }
    if (fromExit && box->text() == shown_.value(box)) return;
    bool ok = false;
    const QString typed = box->text().trimmed();
    // A box left empty where the selected controls differ changes nothing.
    if (typed.isEmpty() && shown_.value(box).isEmpty() && doc_.SelectionCount() > 1) {
        RestoreShown(box);
        return;
    }
    const int value = typed.toInt(&ok);
    if (!ok || value < watch.Min || value > watch.Max) {
        RestoreShown(box);
        QApplication::beep();
        const QString wanted =
            QStringLiteral("whole number from %1 to %2").arg(watch.Min).arg(watch.Max);
        TellRefused(
            box,
            typed.isEmpty()
                ? QStringLiteral("A %1 is needed.").arg(wanted)
                : QStringLiteral("\"%1\" is refused: the value must be a %2.").arg(typed, wanted));
        return;
    }
    committing_ = true;
    watch.Commit(value);
    committing_ = false;
}

void TObjBrowser::TellRefused(QLineEdit* box, const QString& why) {
    // Beside the box, without a window to close: the user goes on typing.
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
}

void TObjBrowser::WatchTextBox(QLineEdit* box) {
    box->installEventFilter(this);
}

bool TObjBrowser::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            RestoreShown(box);
            return true;
        }
        if (box == propsName && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            NameCommitted();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && box == propsName) {
        NameCommitted();
    }
    return QWidget::eventFilter(watched, event);
}

void TObjBrowser::changeEvent(QEvent* event) {
    // Within the frame the focus leaves a box when another window is chosen, and the box
    // commits; when the whole program is left the box keeps the focus, so its commit runs here
    // as if it had been left. Activation repaints.
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            update();
        } else if (QWidget* focused = focusWidget()) {
            if (auto* number = qobject_cast<TmvNumberEdit*>(focused);
                number && numbers_.contains(number))
                NumberCommitRequested(number, true);
            else if (focused == propsName)
                NameCommitted();
        }
    }
    QWidget::changeEvent(event);
}

// --- Shared rules ----------------------------------------------------------------------------

TmvControl* TObjBrowser::Current() const {
    return doc_.CurrentControl;
}

std::vector<TmvControl*> TObjBrowser::Targets() const {
    if (!doc_.Selection.empty()) return doc_.Selection;
    if (doc_.CurrentControl) return {doc_.CurrentControl};
    return {};
}

bool TObjBrowser::SameTypeSelected() const {
    if (doc_.Selection.empty()) return false;
    const int type = doc_.Selection.front()->ControlType;
    for (const TmvControl* control : doc_.Selection)
        if (control->ControlType != type) return false;
    return true;
}

void TObjBrowser::Edited() {
    doc_.Modified = true;
    // A control's setters repaint what they change; the dialog's own properties (title, size,
    // units) need the whole surface.
    if (!Current()) doc_.RepaintSurface();
    emit DocumentEdited();
}

void TObjBrowser::Show(QLineEdit* box, const QString& text) {
    // The same text is not set again, so the caret stays where the user is typing.
    if (box->text() != text) box->setText(text);
    shown_.insert(box, text);
}

void TObjBrowser::ShowNumber(TmvNumberEdit* box, int value) {
    Show(box, QString::number(value));
}

void TObjBrowser::RestoreShown(QLineEdit* box) {
    box->setText(shown_.value(box));
    box->selectAll();
}

void TObjBrowser::Warn(const QString& caption, const QString& text) {
    if (prompt_) prompt_->Warning(caption, text);
}

// --- The control list ------------------------------------------------------------------------

void TObjBrowser::RebuildControlList() {
    listUpdating_ = true;
    ControlList->Entries()->Rebuild();
    listStale_ = false;
    listUpdating_ = false;
}

void TObjBrowser::AddControlEntry(TmvControl* control) {
    // A load or an import fills the document in bulk: the list is built once at its end.
    if (doc_.UpdatesSuspended || listStale_) {
        if (!listStale_) ControlList->Entries()->Empty();
        listStale_ = true;
        return;
    }
    listUpdating_ = true;
    ControlList->Entries()->Add(control);
    listUpdating_ = false;
}

void TObjBrowser::RemoveControlEntry(TmvControl* control) {
    if (listStale_) return;
    listUpdating_ = true;
    ControlList->Entries()->Remove(control);
    if (ControlList->count() <= 1) ControlList->update();
    listUpdating_ = false;
}

void TObjBrowser::RenameControlEntry(TmvControl* control) {
    if (doc_.UpdatesSuspended || listStale_) {
        AddControlEntry(control); // marks the list stale
        return;
    }
    listUpdating_ = true;
    const int selected = ControlList->currentIndex();
    ControlList->Entries()->Rename(control);
    if (!control) ControlList->setCurrentIndex(selected);
    ControlList->update();
    listUpdating_ = false;
}

void TObjBrowser::SelectControlEntry(TmvControl* control) {
    if (listStale_ && !doc_.UpdatesSuspended) RebuildControlList();
    listUpdating_ = true;
    ControlList->setCurrentIndex(-1);
    ControlList->setCurrentIndex(ControlList->Entries()->RowOf(control));
    listUpdating_ = false;
}

void TObjBrowser::ControlChosen(int row) {
    if (listUpdating_) return;
    TmvControl* control = ControlList->Entries()->ControlAt(row);
    if (!control) {
        doc_.SetCurrentControl(nullptr);
        doc_.RepaintSurface();
        return;
    }
    // A control hidden on the surface, or lying on a page, is shown first; showing a hidden one
    // is a change of its own, made and undone as the Show command is.
    const auto unhide = [this](TmvControl* hidden) {
        if (!hidden->DesignHidden) return;
        UnhideControl(doc_, hidden);
        doc_.NameNextStep(QStringLiteral("Göster"));
    };
    unhide(control);
    if (doc_.TabControl && control->TabIndex >= 0) {
        unhide(doc_.TabControl);
        doc_.TabControl->SetActivePage(control->TabIndex);
    }
    doc_.ClearSelection();
    doc_.Select(control);
    doc_.SetCurrentControl(control);
    doc_.RefreshSelection();
}

void TObjBrowser::FocusCaptionEditor(TmvControl* control) {
    QWidget* frame = parentWidget() ? parentWidget() : this;
    if (!live_ || !control || frame->isHidden()) return;
    if (control->ControlType == ctTab) {
        obpPages->setCurrentWidget(obpTabMore);
        frame->raise();
        grsTabName->setFocus();
        grsTabName->selectAll();
        return;
    }
    if (!propsCaption->isEnabled()) return;
    frame->raise();
    obpPages->setCurrentWidget(obpTabBasic);
    propsCaption->setFocus();
    propsCaption->selectAll();
}
