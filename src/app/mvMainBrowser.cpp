// The main window's side of the properties browser: its window in the frame, the View command,
// its placement and what the document and the surface tell it.
#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "app/mvWindowUtils.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"

namespace {
// Where the browser sits until a placement is stored: the frame's top left, beside the surface.
constexpr int kBrowserLeft = 0;
constexpr int kBrowserTop = 0;

// The browser window's close button hides it through the View command's operation.
class TmvCloseHides : public QObject {
public:
    TmvCloseHides(QObject* parent, std::function<void()> hide)
        : QObject(parent), hide_(std::move(hide)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
        event->ignore();
        hide_();
        return true;
    }

private:
    std::function<void()> hide_;
};
} // namespace

void TMain::CreateObjBrowser() {
    browser_ = new TObjBrowser(*document_);
    browser_->SetInteraction(prompt_, files_);
    browser_->SetPromptTab([this] { return settings_.PromptTab; });
    browserFrame_ = mdi->addSubWindow(browser_, Qt::SubWindow | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint);
    browserFrame_->setObjectName(QStringLiteral("ObjBrowserFrame"));
    browserFrame_->setAttribute(Qt::WA_DeleteOnClose, false);
    browserFrame_->installEventFilter(
        new TmvCloseHides(browserFrame_, [this] { ShowObjBrowser(false); }));
    FitObjBrowser();
    browserFrame_->move(kBrowserLeft, kBrowserTop);
    browser_->obpPages->setCurrentIndex(0);

    connect(actObjBrowser, &QAction::triggered, this,
            [this] { ShowObjBrowser(browserFrame_->isHidden()); });
    connect(surface_, &TMainDialog::BrowserReloadRequested, browser_,
            &TObjBrowser::LoadBrowserValues);
    connect(surface_, &TMainDialog::EditCaptionRequested, this,
            [this] { browser_->FocusCaptionEditor(document_->CurrentControl); });
    ShowObjBrowser(true);
}

void TMain::FitObjBrowser() {
    // At least 164 x 280 in the font's scale, more when the font needs it; not sizeable.
    browser_->setFixedSize(
        browser_->NaturalSize().expandedTo(QSize(ScaleByFont(164), ScaleByFont(280))));
    browserFrame_->adjustSize();
}

void TMain::ShowObjBrowser(bool on) {
    actObjBrowser->setChecked(on);
    browserFrame_->setVisible(on);
    if (on) browserFrame_->raise();
}

void TMain::ApplyObjBrowserSettings() {
    // Its font follows "UseDefaultFont" with the other tool windows' (ApplySettings).
    FitObjBrowser();
    if (!settings_.SaveWindowPos || !settings_.Windows.ObjectBrowser) return;
    // The browser keeps its own size; the placement gives its place and whether it shows.
    const TmvPlacement& place = *settings_.Windows.ObjectBrowser;
    browserFrame_->move(place.Left, place.Top);
    ShowObjBrowser(place.FlagIsOne);
}

TmvPlacement TMain::ObjBrowserPlacement() const {
    return TmvPlacement::Short(browserFrame_->x(), browserFrame_->y(), !browserFrame_->isHidden());
}

void TMain::RefreshObjBrowser(TmvControl* control) {
    if (!browser_) return;
    browser_->RefreshBrowserLayout(control);
    browser_->SelectControlEntry(control);
    browser_->LoadBrowserValues();
}

void TMain::ControlAdded(TmvControl* control) {
    if (browser_) browser_->AddControlEntry(control);
}

void TMain::ControlRenamed(TmvControl* control) {
    if (browser_) browser_->RenameControlEntry(control);
}

void TMain::ControlDeleting(TmvControl* control) {
    // The mode's places hold the container's controls as they were.
    if (surface_) surface_->SetTabOrderMode(false);
    if (browser_) browser_->RemoveControlEntry(control);
}
