#include "app/mvArrangeCommands.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <iterator>

#include "app/mvArrangeIcons.h"
#include "app/mvMain.h"
#include "io/mvUndoHistory.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfacePopMenu.h"

namespace {
struct CommandText {
    TmvArrange Command;
    const char* ObjectName;
    const char* Caption; // UTF-8
    QKeySequence Key;
    bool GroupEnds; // a separator follows in the menu and on the toolbar
};

const CommandText kCommands[] = {
    {TmvArrange::AlignLefts, "arAlignLefts", "&Sol Kenarları Hizala",
     Qt::CTRL | Qt::ALT | Qt::Key_L, false},
    {TmvArrange::AlignCentres, "arAlignCentres", "&Yatay Ortaları Hizala",
     Qt::CTRL | Qt::ALT | Qt::Key_C, false},
    {TmvArrange::AlignRights, "arAlignRights", "Sa&ğ Kenarları Hizala",
     Qt::CTRL | Qt::ALT | Qt::Key_R, false},
    {TmvArrange::AlignTops, "arAlignTops", "Ü&st Kenarları Hizala", Qt::CTRL | Qt::ALT | Qt::Key_T,
     false},
    {TmvArrange::AlignMiddles, "arAlignMiddles", "&Dikey Ortaları Hizala",
     Qt::CTRL | Qt::ALT | Qt::Key_M, false},
    {TmvArrange::AlignBottoms, "arAlignBottoms", "A&lt Kenarları Hizala",
     Qt::CTRL | Qt::ALT | Qt::Key_B, true},
    {TmvArrange::SameWidth, "arSameWidth", "Aynı &Genişlik", Qt::CTRL | Qt::ALT | Qt::Key_W, false},
    {TmvArrange::SameHeight, "arSameHeight", "Aynı Y&ükseklik", Qt::CTRL | Qt::ALT | Qt::Key_H,
     false},
    {TmvArrange::SameSize, "arSameSize", "Aynı &Boyut", Qt::CTRL | Qt::ALT | Qt::Key_S, true},
    {TmvArrange::SpaceAcross, "arSpaceAcross", "Yatay &Eşit Aralık", Qt::CTRL | Qt::ALT | Qt::Key_A,
     false},
    {TmvArrange::SpaceDown, "arSpaceDown", "Dikey E&şit Aralık", Qt::CTRL | Qt::ALT | Qt::Key_D,
     false},
    {TmvArrange::SpaceCentresAcross, "arSpaceCentresAcross", "Ortalar Y&atay Eşit Aralıklı",
     Qt::CTRL | Qt::ALT | Qt::Key_X, false},
    {TmvArrange::SpaceCentresDown, "arSpaceCentresDown", "Ortalar D&ikey Eşit Aralıklı",
     Qt::CTRL | Qt::ALT | Qt::Key_Y, true},
    {TmvArrange::CentreHorizontally, "arCentreHorizontally", "&Kapta Yatay Ortala", Qt::Key_F6,
     false},
    {TmvArrange::CentreVertically, "arCentreVertically", "Kapta Di&key Ortala", Qt::Key_F7, true},
    {TmvArrange::SizeToContent, "arSizeToContent", "İçeriğe Göre B&oyutlandır", Qt::Key_F8, false},
};
static_assert(std::size(kCommands) == size_t(kArrangeCount));
} // namespace

TArrangeCommands::TArrangeCommands(TMain& main) : QObject(&main), main_(main) {
    CreateActions();
    CreateMenuAndToolBar();
    UpdateEnabled();
}

void TArrangeCommands::CreateActions() {
    for (const CommandText& text : kCommands) {
        auto* action = new QAction(QString::fromUtf8(text.Caption), &main_);
        action->setObjectName(QString::fromLatin1(text.ObjectName));
        action->setShortcut(text.Key);
        const QString hint = StepNameFromCaption(action->text());
        action->setToolTip(
            QStringLiteral("%1 (%2)").arg(hint, text.Key.toString(QKeySequence::NativeText)));
        action->setStatusTip(hint);
        action->setIcon(ArrangeIcon(text.Command));
        const TmvArrange command = text.Command;
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[size_t(command)] = action;
    }
    makeReference_ = new QAction(QStringLiteral("&Referans Yap"), &main_);
    makeReference_->setObjectName(QStringLiteral("arMakeReference"));
    makeReference_->setStatusTip(QStringLiteral("Hizalamanın referansı bu kontrol olsun"));
    snapToGuides_ = new QAction(QStringLiteral("Snap to guides"), &main_);
    snapToGuides_->setObjectName(QStringLiteral("arSnapToGuides"));
    snapToGuides_->setCheckable(true);
    snapToGuides_->setChecked(main_.CurrentSettings().SnapToGuides);
    snapToGuides_->setShortcut(Qt::Key_F9);
    snapToGuides_->setToolTip(QStringLiteral("Snap to guides (F9)"));
    snapToGuides_->setIcon(GuidesIcon());
    connect(snapToGuides_, &QAction::toggled, this, [this](bool on) {
        main_.CurrentSettings().SnapToGuides = on;
        main_.Surface()->SetSnapToGuides(on);
    });
    connect(makeReference_, &QAction::triggered, this, [this] {
        DialogDocument& doc = main_.Document();
        doc.MakeReference(doc.CurrentControl);
        UpdateEnabled();
    });
}

void TArrangeCommands::CreateMenuAndToolBar() {
    menu_ = new QMenu(QStringLiteral("&Hizala"), &main_);
    menu_->setObjectName(QStringLiteral("mmArrange"));
    toolBar_ = new QToolBar(QStringLiteral("Hizalama"), &main_);
    toolBar_->setObjectName(QStringLiteral("tbArrange"));
    toolBar_->setIconSize(QSize(20, 20));
    for (const CommandText& text : kCommands) {
        QAction* action = actions_[size_t(text.Command)];
        menu_->addAction(action);
        toolBar_->addAction(action);
        if (text.GroupEnds) {
            menu_->addSeparator();
            toolBar_->addSeparator();
        }
    }
    menu_->addSeparator();
    menu_->addAction(makeReference_);
    menu_->addAction(snapToGuides_);
    toolBar_->addAction(snapToGuides_);
    connect(menu_, &QMenu::aboutToShow, this, &TArrangeCommands::UpdateEnabled);
    // A row of its own, below the main toolbar, which has no room for it.
    main_.addToolBarBreak(Qt::TopToolBarArea);
    main_.addToolBar(Qt::TopToolBarArea, toolBar_);
    toolBar_->hide();
    ToolBarToggle()->setText(QStringLiteral("&Hizalama Araç Çubuğu"));
    ToolBarToggle()->setObjectName(QStringLiteral("mmArrangeToolBar"));
}

QAction* TArrangeCommands::ToolBarToggle() const {
    return toolBar_->toggleViewAction();
}

void TArrangeCommands::Run(TmvArrange command) {
    DialogDocument& doc = main_.Document();
    if (!CanArrange(doc, command)) return;
    doc.NameNextStep(StepNameFromCaption(Action(command)->text()));
    main_.Surface()->ChangeSelection([&doc, command] { Arrange(doc, command); });
    UpdateEnabled();
}

void TArrangeCommands::SetSuspended(bool on) {
    suspended_ = on;
    UpdateEnabled();
}

void TArrangeCommands::UpdateEnabled() {
    const DialogDocument& doc = main_.Document();
    for (int i = 0; i < kArrangeCount; ++i)
        actions_[size_t(i)]->setEnabled(!suspended_ && CanArrange(doc, TmvArrange(i)));
    const TmvControl* current = doc.CurrentControl;
    makeReference_->setEnabled(!suspended_ && current && doc.SelectionCount() > 1 && doc.IsSelected(current) &&
                               doc.SelectedAt(0) != current);
}
