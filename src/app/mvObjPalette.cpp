#include "app/mvObjPalette.h"

#include <QAction>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <array>

#include "model/mvControls.h"
#include "model/mvSystemColors.h"

namespace {
constexpr int kButton = 27;
// Picture of each type in the palette images, in type order.
constexpr std::array<int, kControlTypeCount> kPictures = {0, 4, 1, 10, 3, 2, 9, 8, 7, 11, 6, 5};
// Where the floating window sits inside the frame until a placement is stored.
constexpr int kFloatLeft = 530;
constexpr int kFloatTop = 20;

Qt::ToolBarArea DockArea(int orientation) {
    switch (orientation) {
    case 6:
        return Qt::BottomToolBarArea;
    case 7:
        return Qt::LeftToolBarArea;
    case 8:
        return Qt::RightToolBarArea;
    default:
        return Qt::TopToolBarArea;
    }
}
} // namespace

int PalettePicture(int type) {
    return type >= 0 && type < kControlTypeCount ? kPictures[size_t(type)] : -1;
}

QSize PaletteAreaSize(int orientation) {
    const QSize grid = PaletteGrid(orientation);
    return QSize(grid.width() * kButton, grid.height() * kButton);
}

QSize PaletteGrid(int orientation) {
    switch (orientation) {
    case 2:
    case 7:
    case 8:
        return QSize(1, 12);
    case 3:
        return QSize(6, 2);
    case 4:
    case 5:
    case 6:
        return QSize(12, 1);
    default:
        return QSize(2, 6);
    }
}

void SetMainToolbarEdges(QToolBar* toolbar, bool bottom) {
    if (!toolbar) return;
    toolbar->setProperty("bottomEdge", bottom);
    const QString top = QStringLiteral("border-top: 2px groove palette(mid);");
    const QString under = bottom ? QStringLiteral(" border-bottom: 2px groove palette(mid);") : "";
    toolbar->setStyleSheet(
        QStringLiteral("QToolBar#%1 { %2%3 }").arg(toolbar->objectName(), top, under));
}

bool MainToolbarHasBottomEdge(const QToolBar* toolbar) {
    return toolbar && toolbar->property("bottomEdge").toBool();
}

TObjPalette::TObjPalette(QMainWindow* main, QMdiArea* mdi, QToolBar* mainToolbar,
                         const QList<QPixmap>* images)
    : main_(main), mainToolbar_(mainToolbar), images_(images) {
    setObjectName(QStringLiteral("ObjPalette"));
    setWindowTitle(QStringLiteral("Tool Box"));
    frame_ =
        mdi->addSubWindow(this, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    frame_->move(kFloatLeft, kFloatTop);
    frame_->hide();

    dockBar_ = new QToolBar(QStringLiteral("BP_ToolBar"), main_);
    dockBar_->setObjectName(QStringLiteral("BP_ToolBar"));
    dockBar_->setMovable(false);
    dockBar_->setFloatable(false);
    // Not one of the tool bars the main window's own pop-up offers to toggle.
    dockBar_->toggleViewAction()->setVisible(false);
    main_->addToolBar(Qt::TopToolBarArea, dockBar_);
    dockBar_->hide();

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("PalettePanel"));
    panel_->setAutoFillBackground(true);
    QPalette face = panel_->palette();
    face.setColor(QPalette::Window, SystemColors().Face);
    panel_->setPalette(face);

    CreatePopMenu();
    for (QWidget* owner : {panel_.data(), static_cast<QWidget*>(dockBar_)}) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, this,
                [this, owner](const QPoint& at) { PopMenu->popup(owner->mapToGlobal(at)); });
    }
}

TObjPalette::~TObjPalette() {
    // The panel may sit in the tool bar, which the main window owns.
    delete panel_.data();
}

void TObjPalette::CreatePopMenu() {
    PopMenu = new QMenu(this);
    PopMenu->setObjectName(QStringLiteral("PopMenu"));
    const auto item = [this](const char* name, const QString& caption, int orientation) {
        QAction* action = PopMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setData(orientation);
        connect(action, &QAction::triggered, this,
                [this, orientation] { SetPaletteOrientation(orientation); });
        return action;
    };
    op2x6 = item("op2x6", QStringLiteral("Float, 2 x 6"), 1);
    op1x12 = item("op1x12", QStringLiteral("Float, 1 x 12"), 2);
    op6x2 = item("op6x2", QStringLiteral("Float, 6 x 2"), 3);
    op12x1 = item("op12x1", QStringLiteral("Float, 12 x 1"), 4);
    PopMenu->addSeparator();
    opDockTop = item("opDockTop", QStringLiteral("Dock, Top"), 5);
    opDockBottom = item("opDockBottom", QStringLiteral("Dock, Bottom"), 6);
    opDockLeft = item("opDockLeft", QStringLiteral("Dock, Left"), 7);
    opDockRight = item("opDockRight", QStringLiteral("Dock, Right"), 8);
    PopMenu->addSeparator();
    opFlat = PopMenu->addAction(QStringLiteral("Flat Buttons"));
    opFlat->setObjectName(QStringLiteral("opFlat"));
    opFlat->setCheckable(true);
    connect(opFlat, &QAction::triggered, this, [this] { SetPaletteFlat(!flat_); });
}

QAction* TObjPalette::OrientationAction(int orientation) const {
    const std::array<QAction*, kPaletteOrientationCount> items = {
        op2x6, op1x12, op6x2, op12x1, opDockTop, opDockBottom, opDockLeft, opDockRight};
    return items[size_t(orientation - 1)];
}

void TObjPalette::BuildPalette(int orientation, bool flat) {
    if (buttons_.empty()) {
        for (int type = 0; type < kControlTypeCount; ++type) {
            auto* button = new TmvPaletteButton(panel_);
            button->setObjectName(QStringLiteral("pal") + ControlKeyword(type));
            button->Tag = type;
            button->setToolTip(ControlKeyword(type));
            button->SetImages(images_);
            button->SetImageIndex(PalettePicture(type));
            connect(button, &TmvPaletteButton::OnPress, this, &TObjPalette::PaletteButtonPressed);
            button->show();
            buttons_.push_back(button);
        }
    }
    SetPaletteOrientation(orientation);
    SetPaletteFlat(flat);
}

void TObjPalette::SetPaletteOrientation(int value) {
    if (value < 1 || value > kPaletteOrientationCount) return;
    orientation_ = value;
    for (int o = 1; o <= kPaletteOrientationCount; ++o)
        OrientationAction(o)->setChecked(o == value);
    LayoutPalette();
    emit OrientationChanged(value);
}

void TObjPalette::SetPaletteFlat(bool on) {
    flat_ = on;
    opFlat->setChecked(on);
    for (TmvPaletteButton* button : buttons_)
        button->SetFlat(on);
    emit FlatChanged(on);
}

void TObjPalette::PlaceDockBar() {
    const Qt::ToolBarArea area = DockArea(orientation_);
    if (main_->toolBarArea(dockBar_) != area) {
        if (main_->toolBarBreak(dockBar_)) main_->removeToolBarBreak(dockBar_);
        main_->removeToolBar(dockBar_);
        main_->addToolBar(area, dockBar_);
        // Docked at the top the bar takes its own line under the main toolbar.
        if (area == Qt::TopToolBarArea) main_->insertToolBarBreak(dockBar_);
    } else if (area == Qt::TopToolBarArea && !main_->toolBarBreak(dockBar_)) {
        main_->insertToolBarBreak(dockBar_);
    }
    const QSize panel = PaletteAreaSize(orientation_) + QSize(2, 0);
    if (area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea) {
        dockBar_->setMinimumSize(panel.width(), 31);
        dockBar_->setMaximumSize(QWIDGETSIZE_MAX, 31);
        dockBar_->setContentsMargins(0, 0, 0, 0);
    } else {
        dockBar_->setMinimumSize(33, panel.height());
        dockBar_->setMaximumSize(33, QWIDGETSIZE_MAX);
        dockBar_->setContentsMargins(1, 1, 1, 1);
    }
}

void TObjPalette::LayoutPalette() {
    const bool docked = IsDockedOrientation(orientation_);
    const QSize area = PaletteAreaSize(orientation_);
    const QSize grid = PaletteGrid(orientation_);
    if (docked) {
        PlaceDockBar();
        panel_->setParent(dockBar_);
        panel_->setGeometry(0, 0, area.width() + 2, area.height());
    } else {
        panel_->setParent(this);
        panel_->setGeometry(QRect(QPoint(0, 0), area));
        setFixedSize(area);
        frame_->adjustSize();
    }
    panel_->show();
    SetMainToolbarEdges(mainToolbar_, orientation_ == 5);
    const int shift = docked ? 2 : 0;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int column = int(i) % grid.width();
        const int row = int(i) / grid.width();
        buttons_[i]->setGeometry(kButton * column + shift, kButton * row, kButton, kButton);
    }
    dockBar_->setVisible(docked);
    frame_->setVisible(!docked);
    emit ShownChanged(true);
}

void TObjPalette::ShowPalette(bool on) {
    const bool docked = IsDockedOrientation(orientation_);
    if (docked) {
        dockBar_->setVisible(on);
    } else {
        frame_->setVisible(on);
        if (on) frame_->raise();
    }
    SetMainToolbarEdges(mainToolbar_, on && orientation_ == 5);
    emit ShownChanged(on);
}

bool TObjPalette::PaletteShown() const {
    return IsDockedOrientation(orientation_) ? !dockBar_->isHidden() : !frame_->isHidden();
}

void TObjPalette::PaletteButtonPressed(TmvPaletteButton* button) {
    for (TmvPaletteButton* other : buttons_)
        if (other != button) other->SetDown(false);
    if (!button) return;
    if (button->Tag == ctTab && HasTabControl && HasTabControl()) {
        if (Inform)
            Inform(QStringLiteral("Tab Control"),
                   QStringLiteral("You may only add a single tab control to a dialog.  To add, "
                                  "delete, or modify existing tab pages, please use the More "
                                  "Properties page of the Properties Browser."));
        // Every button is up now, so no tool stays armed behind them.
        button->SetDown(false);
        if (ArmTool) ArmTool(button->Tag, false);
        return;
    }
    if (ArmTool) ArmTool(button->Tag, button->Down());
}

void TObjPalette::closeEvent(QCloseEvent* event) {
    // The close button only hides the palette.
    event->ignore();
    ShowPalette(false);
}

bool TObjPalette::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) panel_->update();
    return QWidget::event(event);
}
