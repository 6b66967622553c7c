// The more-properties page: one group of styles per control type, the tab pages, the dialog's
// own settings and the style words the designer does not model.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

#include "app/mvObjBrowser.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"

namespace {
QGroupBox* MakeGroup(const char* name, const QString& caption, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setSpacing(2);
    return group;
}

QGridLayout* GridOf(QGroupBox* group) {
    return static_cast<QGridLayout*>(group->layout());
}

// Adds check boxes to a group, one a row.
QCheckBox* AddCheck(QGroupBox* group, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(QString::fromLatin1(name));
    QGridLayout* grid = GridOf(group);
    grid->addWidget(box, grid->rowCount(), 0, 1, 2);
    return box;
}

// A labelled box in its own row.
template <typename Box> Box* AddLabelled(QGroupBox* group, const QString& label, Box* box) {
    QGridLayout* grid = GridOf(group);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label, group), row, 0);
    box->setParent(group);
    grid->addWidget(box, row, 1);
    return box;
}

const QString kIconFilter =
    QStringLiteral("Graphic files (*.bmp;*.jpg;*.jpeg;*.png;*.ico)|*.bmp;*.jpg;*.jpeg;*.png;*.ico|"
                   "DLL files (*.dll)|*.dll|EXE files (*.exe)|*.exe");
} // namespace

// A check box of a type group, made and entered in the table: the property is read from the
// field and written through its setter, on the controls of that type only.
#define MV_STYLE_CHECK(box, group, caption, type, Class, Field)                                    \
    box = AddCheck(group, #box, QStringLiteral(caption));                                          \
    styleChecks_.push_back(StyleCheck{                                                             \
        box, type, [](const TmvControl& c) { return static_cast<const Class&>(c).Field; },         \
        [](TmvControl& c, bool v) { static_cast<Class&>(c).Set##Field(v); }})

void TObjBrowser::BuildMorePage() {
    auto* page = new QVBoxLayout(obpTabMore);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);
    NoStyles = new QLabel(QStringLiteral("There are no styles available."), obpTabMore);
    NoStyles->setObjectName(QStringLiteral("NoStyles"));
    NoStyles->setWordWrap(true);
    page->addWidget(NoStyles);
    BuildTypeGroups(page);
    BuildTabGroup(page);
    BuildDialogGroup(page);
    auto* other = new QHBoxLayout;
    lblOtherStyles = new QLabel(QStringLiteral("Other styles:"), obpTabMore);
    lblOtherStyles->setObjectName(QStringLiteral("lblOtherStyles"));
    grsOtherStyles = new QLineEdit(obpTabMore);
    grsOtherStyles->setObjectName(QStringLiteral("grsOtherStyles"));
    other->addWidget(lblOtherStyles);
    other->addWidget(grsOtherStyles, 1);
    page->addLayout(other);
    page->addStretch(1);
}

void TObjBrowser::BuildTypeGroups(QVBoxLayout* page) {
    QWidget* more = obpTabMore;
    const auto limitBox = [this](const char* name, int type) {
        auto* box = NumberBox(name, 0, INT_MAX, nullptr, true);
        styleNumbers_.push_back(StyleNumber{box, type,
                                            [type](const TmvControl& c) {
                                                return type == ctEdit
                                                           ? static_cast<const TmvEdit&>(c).Limit
                                                           : static_cast<const TmvCombo&>(c).Limit;
                                            },
                                            [type](TmvControl& c, int v) {
                                                if (type == ctEdit)
                                                    static_cast<TmvEdit&>(c).SetLimit(v);
                                                else
                                                    static_cast<TmvCombo&>(c).SetLimit(v);
                                            }});
        return box;
    };

    grButton = MakeGroup("grButton", QStringLiteral("Button Ayarları"), more);
    MV_STYLE_CHECK(grsButtonDefault, grButton, "Default Button", ctButton, TmvButton,
                   DefaultButton);
    MV_STYLE_CHECK(grsButtonFlat, grButton, "Flat Appearance", ctButton, TmvButton, Flat);
    MV_STYLE_CHECK(grsButtonMulti, grButton, "Multi-line", ctButton, TmvButton, MultiLine);

    grEdit = MakeGroup("grEdit", QStringLiteral("Editbox Ayarları"), more);
    MV_STYLE_CHECK(grsEditRead, grEdit, "Sadece Okunsun", ctEdit, TmvEdit, ReadOnly);
    MV_STYLE_CHECK(grsEditPass, grEdit, "Şifre Girişi", ctEdit, TmvEdit, Password);
    MV_STYLE_CHECK(grsEditMulti, grEdit, "Multi-line", ctEdit, TmvEdit, MultiLine);
    MV_STYLE_CHECK(grsEditReturn, grEdit, "Allow Return", ctEdit, TmvEdit, WantReturn);
    MV_STYLE_CHECK(grsEditAutohs, grEdit, "Oto HScroll", ctEdit, TmvEdit, AutoHScroll);
    MV_STYLE_CHECK(grsEditAutovs, grEdit, "Oto VScroll", ctEdit, TmvEdit, AutoVScroll);
    MV_STYLE_CHECK(grsEditHsbar, grEdit, "Horz. Scrollbar", ctEdit, TmvEdit, HScrollBar);
    MV_STYLE_CHECK(grsEditVsbar, grEdit, "Alt Scrollbar", ctEdit, TmvEdit, VScrollBar);
    grsEditLimit = AddLabelled(grEdit, QStringLiteral("Limit:"), limitBox("grsEditLimit", ctEdit));

    grCombo = MakeGroup("grCombo", QStringLiteral("Combo Box Ayarları"), more);
    MV_STYLE_CHECK(grsComboSort, grCombo, "Sorted", ctCombo, TmvCombo, Sorted);
    MV_STYLE_CHECK(grsComboEdit, grCombo, "Editable", ctCombo, TmvCombo, Editable);
    MV_STYLE_CHECK(grsComboSize, grCombo, "Force Size", ctCombo, TmvCombo, ForceSize);
    MV_STYLE_CHECK(grsComboHsbar, grCombo, "Yan Scrollbar", ctCombo, TmvCombo, HScrollBar);
    MV_STYLE_CHECK(grsComboVsbar, grCombo, "Alt Scrollbar", ctCombo, TmvCombo, VScrollBar);
    grsComboLimit =
        AddLabelled(grCombo, QStringLiteral("Limit:"), limitBox("grsComboLimit", ctCombo));

    grList = MakeGroup("grList", QStringLiteral("List Kutusu Ayarları"), more);
    MV_STYLE_CHECK(grsListSort, grList, "Sorted", ctList, TmvList, Sorted);
    MV_STYLE_CHECK(grsListExtsel, grList, "Extended Select", ctList, TmvList, ExtSel);
    MV_STYLE_CHECK(grsListSize, grList, "Force Size", ctList, TmvList, ForceSize);
    MV_STYLE_CHECK(grsListHsbar, grList, "Yan Scrollbar", ctList, TmvList, HScrollBar);
    MV_STYLE_CHECK(grsListVsbar, grList, "Alt Scrollbar", ctList, TmvList, VScrollBar);

    grText = MakeGroup("grText", QStringLiteral("Text Label Ayarları"), more);
    MV_STYLE_CHECK(grsTextAutoSize, grText, "Auto-fit Width", ctText, TmvText, AutoSize);
    MV_STYLE_CHECK(grsTextNoWrap, grText, "No Wordwrap", ctText, TmvText, NoWrap);

    grLink = MakeGroup("grLink", QStringLiteral("Link Ayarları"), more);
    MV_STYLE_CHECK(grsLinkAutoSize, grLink, "Auto-fit Width", ctLink, TmvLink, AutoSize);

    grCheck = MakeGroup("grCheck", QStringLiteral("Check Box Ayarları"), more);
    MV_STYLE_CHECK(grsCheck3state, grCheck, "3 State", ctCheck, TmvCheck, ThreeState);
    MV_STYLE_CHECK(grsCheckFlat, grCheck, "Flat", ctCheck, TmvCheck, Flat);

    grRadio = MakeGroup("grRadio", QStringLiteral("Radio Ayarları"), more);
    MV_STYLE_CHECK(grsRadioFlat, grRadio, "Flat", ctRadio, TmvRadio, Flat);

    grIcon = MakeGroup("grIcon", QStringLiteral("Icon Ayarları"), more);
    grsIconNoborder = AddCheck(grIcon, "grsIconNoborder", QStringLiteral("Boyut Yok"));
    styleChecks_.push_back(
        StyleCheck{grsIconNoborder, ctIcon,
                   [](const TmvControl& c) { return !static_cast<const TmvIcon&>(c).Border; },
                   [](TmvControl& c, bool v) { static_cast<TmvIcon&>(c).SetBorder(!v); }});
    grsIconPath = AddLabelled(grIcon, QStringLiteral("Dosya:"), new TmvButtonEdit(grIcon));
    grsIconPath->setObjectName(QStringLiteral("grsIconPath"));
    grsIconIndex = AddLabelled(grIcon, QStringLiteral("Icon index:"),
                               NumberBox("grsIconIndex", 0, INT_MAX, nullptr, true));
    styleNumbers_.push_back(
        StyleNumber{grsIconIndex, ctIcon,
                    [](const TmvControl& c) { return static_cast<const TmvIcon&>(c).IconIndex; },
                    [](TmvControl& c, int v) { static_cast<TmvIcon&>(c).SetIconIndex(v); }});

    grScroll = MakeGroup("grScroll", QStringLiteral("Scrollbar Ayarları"), more);
    grsScrollRange = NumberBox("grsScrollRange", 0, INT_MAX, nullptr, true);
    grsScrollRange2 = NumberBox("grsScrollRange2", 0, INT_MAX, nullptr, true);
    {
        QGridLayout* grid = GridOf(grScroll);
        grid->addWidget(new QLabel(QStringLiteral("Range:"), grScroll), 0, 0);
        auto* range = new QHBoxLayout;
        range->addWidget(grsScrollRange);
        range->addWidget(grsScrollRange2);
        grid->addLayout(range, 0, 1);
    }
    styleNumbers_.push_back(
        StyleNumber{grsScrollRange, ctScroll,
                    [](const TmvControl& c) { return static_cast<const TmvScroll&>(c).RangeMin; },
                    [](TmvControl& c, int v) {
                        auto& scroll = static_cast<TmvScroll&>(c);
                        scroll.SetRange(v, scroll.RangeMax);
                    }});
    styleNumbers_.push_back(
        StyleNumber{grsScrollRange2, ctScroll,
                    [](const TmvControl& c) { return static_cast<const TmvScroll&>(c).RangeMax; },
                    [](TmvControl& c, int v) {
                        auto& scroll = static_cast<TmvScroll&>(c);
                        scroll.SetRange(scroll.RangeMin, v);
                    }});

    for (QGroupBox* group :
         {grButton, grEdit, grCombo, grList, grText, grLink, grCheck, grRadio, grIcon, grScroll})
        page->addWidget(group);
    // The number boxes commit through the table above.
    for (const StyleNumber& number : styleNumbers_)
        numbers_[number.Box].Commit = [this, number](int v) { StyleNumberCommitted(number, v); };
}
#undef MV_STYLE_CHECK

void TObjBrowser::BuildTabGroup(QVBoxLayout* page) {
    grTab = MakeGroup("grTab", QStringLiteral("Tab Ayarları"), obpTabMore);
    QGridLayout* grid = GridOf(grTab);
    grsTabActive = new QComboBox(grTab);
    grsTabActive->setObjectName(QStringLiteral("grsTabActive"));
    AddLabelled(grTab, QStringLiteral("Active:"), grsTabActive);
    auto* buttons = new QHBoxLayout;
    grsTabAdd = new QPushButton(QStringLiteral("Add"), grTab);
    grsTabAdd->setObjectName(QStringLiteral("grsTabAdd"));
    grsTabDelete = new QPushButton(QStringLiteral("Delete"), grTab);
    grsTabDelete->setObjectName(QStringLiteral("grsTabDelete"));
    buttons->addWidget(grsTabAdd);
    buttons->addWidget(grsTabDelete);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 2);
    grsTabName = new QLineEdit(grTab);
    grsTabName->setObjectName(QStringLiteral("grsTabName"));
    AddLabelled(grTab, QStringLiteral("Caption:"), grsTabName);
    grsTabNoQuotes = AddCheck(grTab, "grsTabNoQuotes", QStringLiteral("Don't add Quotes"));
    grsTabStaticID = new QCheckBox(QStringLiteral("Lock ID:"), grTab);
    grsTabStaticID->setObjectName(QStringLiteral("grsTabStaticID"));
    grsTabID = NumberBox(
        "grsTabID", 1, 3000, [this](int v) { IdCommitted(grsTabID, v); }, false);
    grsTabID->setParent(grTab);
    const int row = grid->rowCount();
    grid->addWidget(grsTabStaticID, row, 0);
    grid->addWidget(grsTabID, row, 1);
    page->addWidget(grTab);
}

void TObjBrowser::BuildDialogGroup(QVBoxLayout* page) {
    grDialog = MakeGroup("grDialog", QStringLiteral("Dialog Ayarları"), obpTabMore);
    grsDialogDBU = AddCheck(grDialog, "grsDialogDBU", QStringLiteral("Normal Ayarlar"));
    grsDialogIconPath =
        AddLabelled(grDialog, QStringLiteral("Dialog Resmi:"), new TmvButtonEdit(grDialog));
    grsDialogIconPath->setObjectName(QStringLiteral("grsDialogIconPath"));
    grsDialogIconIndex = AddLabelled(grDialog, QStringLiteral("Icon Sayfası:"),
                                     NumberBox(
                                         "grsDialogIconIndex", 0, INT_MAX,
                                         [this](int v) {
                                             doc_.IconIndex = v;
                                             Edited();
                                         },
                                         false));
    grsDialogCenter = AddCheck(grDialog, "grsDialogCenter", QStringLiteral("Dialog Ortada"));
    grsDialogLocal = AddCheck(grDialog, "grsDialogLocal", QStringLiteral("Kişisel Tablo"));
    grsDialogNoTheme = AddCheck(grDialog, "grsDialogNoTheme", QStringLiteral("Deaktif Et"));
    page->addWidget(grDialog);
}

void TObjBrowser::ConnectMorePage() {
    for (const StyleCheck& check : styleChecks_)
        connect(check.Box, &QCheckBox::clicked, this,
                [this, check](bool on) { StyleCheckClicked(check, on); });
    connect(grsTabActive, qOverload<int>(&QComboBox::activated), this,
            &TObjBrowser::TabActiveChosen);
    connect(grsTabAdd, &QPushButton::clicked, this, &TObjBrowser::TabAddClicked);
    connect(grsTabDelete, &QPushButton::clicked, this, &TObjBrowser::TabDeleteClicked);
    connect(grsTabName, &QLineEdit::textEdited, this, &TObjBrowser::TabCaptionEdited);
    connect(grsTabNoQuotes, &QCheckBox::clicked, this, [this](bool on) {
        TmvTabPage* page = doc_.TabControl ? doc_.TabControl->ActivePageObject() : nullptr;
        if (!live_ || !page) return;
        page->NoQuotes = on;
        Edited();
    });
    connect(grsTabStaticID, &QCheckBox::clicked, this, [this](bool on) {
        TmvTabPage* page = doc_.TabControl ? doc_.TabControl->ActivePageObject() : nullptr;
        if (!live_ || !page) return;
        page->StaticID = on;
        grsTabID->setEnabled(on);
        Edited();
    });
    connect(grsDialogDBU, &QCheckBox::clicked, this, &TObjBrowser::DbuClicked);
    const std::pair<QCheckBox*, bool DialogDocument::*> dialogFlags[] = {
        {grsDialogCenter, &DialogDocument::Centered},
        {grsDialogLocal, &DialogDocument::Local},
        {grsDialogNoTheme, &DialogDocument::NoTheme}};
    for (const auto& [box, field] : dialogFlags)
        connect(box, &QCheckBox::clicked, this, [this, member = field](bool on) {
            if (!live_) return;
            doc_.*member = on;
            Edited();
        });
    for (TmvButtonEdit* path : {grsIconPath, grsDialogIconPath})
        connect(path, &TmvButtonEdit::ButtonClicked, this, [this, path] { ChooseIconFile(path); });
    connect(grsIconPath, &QLineEdit::textEdited, this, &TObjBrowser::IconPathEdited);
    connect(grsDialogIconPath, &QLineEdit::textEdited, this, &TObjBrowser::DialogIconPathEdited);
    connect(grsOtherStyles, &QLineEdit::textEdited, this, &TObjBrowser::OtherStylesEdited);
}

void TObjBrowser::StyleCheckClicked(const StyleCheck& check, bool on) {
    if (!live_) return;
    for (TmvControl* control : Targets())
        if (control->ControlType == check.Type) check.Set(*control, on);
    Edited();
    // Auto-fit and the icon's border change the size the boxes show.
    LoadBrowserValues();
}

void TObjBrowser::StyleNumberCommitted(const StyleNumber& number, int value) {
    for (TmvControl* control : Targets())
        if (control->ControlType == number.Type) number.Set(*control, value);
    Edited();
    ShowNumber(number.Box, value);
}

void TObjBrowser::TabActiveChosen(int index) {
    TmvTab* tab = doc_.TabControl;
    if (!live_ || !tab || Current() != tab || index < 0) return;
    tab->SetActivePage(index);
    doc_.SetCurrentControl(tab);
}

void TObjBrowser::TabAddClicked() {
    if (!live_ || !doc_.TabControl) return;
    doc_.AddTabPage();
    Edited();
    RefreshBrowserLayout(Current());
    LoadBrowserValues();
}

void TObjBrowser::TabDeleteClicked() {
    TmvTab* tab = doc_.TabControl;
    if (!live_ || !tab || tab->PageCount() <= 1) return;
    const TmvTabPage* page = tab->ActivePageObject();
    if (!page) return;
    if (promptTab_ && promptTab_() && !page->Controls.empty()) {
        const TmvAnswer answer =
            prompt_ ? prompt_->Question(
                          QStringLiteral("Confirm Tab Delete"),
                          QStringLiteral(
                              "You are attempting to delete a tab control or page which has "
                              "child controls on it.  Deleting this control or page will also "
                              "delete these children.  Do you wish to proceed?"))
                    : TmvAnswer::No;
        if (answer != TmvAnswer::Yes) return;
    }
    doc_.DeleteTabPage(tab->ActivePage);
    Edited();
    doc_.SetCurrentControl(tab);
    tab->Repaint();
}

void TObjBrowser::TabCaptionEdited(const QString& text) {
    TmvTab* tab = doc_.TabControl;
    if (!live_ || !tab || !tab->ActivePageObject()) return;
    tab->SetPageCaption(tab->ActivePage, text);
    Edited();
}

void TObjBrowser::DbuClicked(bool on) {
    if (!live_ || on == doc_.UseDbu) return;
    if (on) {
        // Every control onto whole dialog units first.
        for (int i = 0; i < doc_.ControlCount(); ++i) {
            TmvControl* control = doc_.ControlAt(i);
            control->SetBounds(QuantizeX(control->Left), QuantizeY(control->Top),
                               QuantizeX(control->Width), QuantizeY(control->Height));
        }
    }
    if (doc_.PosX != -1 && doc_.PosY != -1) {
        doc_.PosX = on ? XToDbu(doc_.PosX) : XToPixels(doc_.PosX);
        doc_.PosY = on ? YToDbu(doc_.PosY) : YToPixels(doc_.PosY);
    }
    doc_.UseDbu = on;
    Edited();
    LoadBrowserValues();
}

void TObjBrowser::ChooseIconFile(TmvButtonEdit* box) {
    if (!files_ || !live_) return;
    TmvFileRequest request;
    request.Title = QStringLiteral("Choose Icon File...");
    request.Filter = kIconFilter;
    if (QFileInfo(box->text()).isDir()) request.InitialFolder = box->text();
    const QString path = files_->OpenFile(request);
    if (path.isEmpty()) return;
    box->setText(path);
    if (box == grsIconPath)
        IconPathEdited(path);
    else
        DialogIconPathEdited(path);
}

void TObjBrowser::IconPathEdited(const QString& text) {
    if (!live_) return;
    for (TmvControl* control : Targets())
        if (control->ControlType == ctIcon) static_cast<TmvIcon*>(control)->SetFileName(text);
    shown_.insert(grsIconPath, text);
    Edited();
}

void TObjBrowser::DialogIconPathEdited(const QString& text) {
    if (!live_) return;
    doc_.IconPath = text;
    shown_.insert(grsDialogIconPath, text);
    Edited();
}

void TObjBrowser::OtherStylesEdited(const QString& text) {
    if (!live_ || !Current() || Targets().size() != 1) return;
    // Stored as words with single blanks between them, as the table line writes them.
    Current()->SetOtherStyles(text.simplified());
    Edited();
}
