// The design surface's mouse: creating a control with the armed tool, pressing on controls, on
// the tab strip, on the grab handles and on the empty surface, the release that ends a drag or
// opens the context menu, and hot tracking. The drags themselves are in mvSurfaceDrag.cpp.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvAlignment.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvHintWindow.h"
#include "surface/mvMainDialog.h"
#include "surface/mvRepaintRegion.h"
#include "surface/mvSettingsRecord.h"
#include "surface/mvSurfaceEditState.h"
#include "surface/mvSurfacePopMenu.h"

TmvSurfaceEditState::TmvSurfaceEditState() = default;
TmvSurfaceEditState::~TmvSurfaceEditState() = default;

void TMainDialog::CreateEditing() {
    edit_ = std::make_unique<TmvSurfaceEditState>();
    edit_->Handles = std::make_unique<TmvGrabHandles>(doc_, this);
    for (int i = 0; i < TmvGrabHandles::Count; ++i)
        edit_->Handles->At(i)->OnPress = [this](TmvGrabHandle* handle, QMouseEvent* event) {
            PressHandle(handle, event);
        };
    popMenu_ = new TmvSurfacePopMenu(this);
    popMenu_->Wire(popMenu_->pmAlignToGrid, [this] {
        ChangeSelection([this] { AlignSelectionToGrid(doc_, GridStepX(), GridStepY()); });
    });
    setMouseTracking(true); // hot tracking
    // Coming back to the program with a drag still marked as running ends it as a release does.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive && Dragging()) EndDrag();
    });
}

void TMainDialog::ApplyEditingSettings(const Settings& s) {
    TmvEditingOptions& o = edit_->Options;
    o.AutoTab = s.AutoTab;
    o.SnapMove = s.SnapMove;
    o.SnapSize = s.SnapSize;
    o.SnapDialog = s.SnapDialog;
    o.SnapToGuides = s.SnapToGuides;
    if (!s.HotTracking) TrackHot(nullptr);
}

void TMainDialog::SetControlDefaults(const ControlDefaultsSet& records) {
    edit_->Defaults = records;
}

TmvGrabHandles& TMainDialog::GrabHandles() const {
    return *edit_->Handles;
}
bool TMainDialog::Dragging() const {
    return edit_->Dragging;
}
bool TMainDialog::Moving() const {
    return edit_->Moving;
}
bool TMainDialog::Sizing() const {
    return edit_->Sizing;
}
bool TMainDialog::RubberBanding() const {
    return edit_->RubberBanding;
}
bool TMainDialog::PressOnControl() const {
    return edit_->PressOnControl;
}
TmvHintWindow* TMainDialog::DragHint() const {
    return edit_->Hint.get();
}

int TMainDialog::GridStepX() const {
    return XToPixelsIf(doc_.UseDbu, options_.GridSizeX);
}
int TMainDialog::GridStepY() const {
    return YToPixelsIf(doc_.UseDbu, options_.GridSizeY);
}

QPoint TMainDialog::ClientPoint(const QPointF& widgetPos) const {
    return widgetPos.toPoint() - QPoint(0, ClientTop());
}

TmvControl* TMainDialog::ControlAtPoint(QPoint at) const {
    for (int i = doc_.ControlCount() - 1; i >= 0; --i) {
        TmvControl* control = doc_.ControlAt(i);
        if (control->Visible && control->BoundsRect().contains(at)) return control;
    }
    return nullptr;
}

int TMainDialog::ContainerAt(QPoint client) const {
    const TmvControl* under = ControlAtPoint(client);
    const bool onTab =
        under && doc_.TabControl && (under == doc_.TabControl || under->TabIndex >= 0);
    return onTab ? std::max(-1, doc_.TabControl->ActivePage) : -1;
}

// --- Presses ----------------------------------------------------------------------------------

void TMainDialog::mousePressEvent(QMouseEvent* event) {
    const QPoint at = ClientPoint(event->position());
    // The imitated menu bar is not part of the dialog's client area, and a second press while
    // a drag runs (another button, or a press the release of which was lost) changes nothing.
    if (at.y() < 0 || edit_->Dragging) return;
    if (tabOrder_) {
        PressTabOrder(event);
        return;
    }
    TmvControl* pressed = ControlAtPoint(at);
    if (toolArmed_) {
        CreateFromTool(event->button(), at, pressed);
        return;
    }
    if (pressed)
        PressControl(pressed, event->button(), event->modifiers(), at);
    else
        PressEmpty(event->button(), nullptr, at);
}

void TMainDialog::CreateFromTool(Qt::MouseButton button, QPoint at, TmvControl* pressed) {
    TmvSurfaceEditState& e = *edit_;
    if (pressed) TrackHot(nullptr); // the control under the press drops its hover frame
    emit ReleasePalette();
    if (button != Qt::LeftButton) {
        DisarmTool();
        return;
    }
    e.PressOnControl = true;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->raise();

    const bool onTab =
        pressed && doc_.TabControl && (pressed == doc_.TabControl || pressed->TabIndex >= 0);
    const int page = e.Options.AutoTab && onTab ? doc_.TabControl->ActivePage : -1;
    int x = at.x();
    int y = at.y();
    if (e.Options.SnapMove) {
        x = SnapToGrid(x, GridStepX());
        y = SnapToGrid(y, GridStepY());
    }
    const bool drawSize = doc_.Options.AutoStartSize;
    TmvControl* control = doc_.CreateControl(armedType_, true, x, y, -1, -1, page);
    if (!control) {
        // Only a second tab control gets here; the palette refuses it before.
        DisarmTool();
        e.PressOnControl = false;
        return;
    }
    ApplyControlDefaults(*control, e.Defaults, false);
    // Drawn, it starts from nothing at the press; drawn too small, it takes this size.
    e.CreatingDefaultSize = QSize(control->Width, control->Height);
    if (drawSize) control->SetBounds(control->Left, control->Top, 0, 0);
    doc_.ClearSelection();
    doc_.Select(control);
    if (options_.HotTracking) TrackHot(control);
    if (control->ControlType != ctTab) control->ID = doc_.NextFreeId();
    if (!drawSize) {
        int left = control->Left - QuantizeX(control->Width / 2);
        int top = control->Top - QuantizeY(control->Height / 2);
        if (e.Options.SnapMove) {
            left = SnapToGrid(left, GridStepX());
            top = SnapToGrid(top, GridStepY());
        }
        control->SetBounds(left, top, control->Width, control->Height);
    }
    control->SetVisible(true);
    if (control->ControlType == ctTab) doc_.AddTabPage();
    doc_.SetCurrentControl(control);
    doc_.Modified = true;
    emit BrowserReloadRequested();

    if (drawSize) {
        e.Creating = control;
        e.SizeCursor = Qt::CrossCursor;
        BeginSizeDrag(control, seBottom | seRight, at);
    } else if (doc_.Options.AutoStartMove) {
        e.Creating = control;
        control->Repaint();
        BeginMoveDrag(at);
    }
    DisarmTool();
}

void TMainDialog::DisarmTool() {
    toolArmed_ = false;
    UpdateCursor();
}

void TMainDialog::UpdateCursor() {
    const TmvSurfaceEditState& e = *edit_;
    if (e.Moving)
        setCursor(Qt::SizeAllCursor);
    else if (e.Sizing)
        setCursor(e.SizeCursor);
    else if (toolArmed_)
        setCursor(Qt::CrossCursor); // the next press places a control
    else
        unsetCursor();
}

void TMainDialog::FinishCreation(TmvControl* control, bool cancelled) {
    if (cancelled) {
        // Escape while the new control was being drawn or placed takes it away again.
        if (doc_.CurrentControl == control) doc_.SetCurrentControl(nullptr);
        if (edit_->Hot == control) edit_->Hot = nullptr;
        doc_.DeleteControl(control);
        return;
    }
    const QSize fallback = edit_->CreatingDefaultSize;
    const int w = control->Width < kSmallestDrawnSize ? fallback.width() : control->Width;
    const int h = control->Height < kSmallestDrawnSize ? fallback.height() : control->Height;
    if (w != control->Width || h != control->Height)
        control->SetBounds(control->Left, control->Top, w, h);
}

void TMainDialog::PressControl(TmvControl* control, Qt::MouseButton button,
                               Qt::KeyboardModifiers mods, QPoint at) {
    TmvSurfaceEditState& e = *edit_;
    const bool container = control->ControlType == ctBox || control->ControlType == ctTab;
    if (button == Qt::LeftButton && (mods & Qt::AltModifier) && container) {
        PressEmpty(button, control, at);
        return;
    }
    e.PressOnControl = true;
    if (mods & Qt::ControlModifier) {
        if (doc_.IsSelected(control)) {
            doc_.Deselect(control);
            doc_.SetCurrentControl(doc_.Selection.empty() ? nullptr : doc_.Selection.back());
        } else {
            doc_.Select(control);
            doc_.SetCurrentControl(control);
        }
        e.PressOnControl = false;
        doc_.RepaintSurface();
        return;
    }
    if (!doc_.IsSelected(control)) {
        doc_.ClearSelection();
        doc_.Select(control);
    } else if (button == Qt::LeftButton && doc_.SelectionCount() > 1) {
        e.ReferenceCandidate = control;
    }
    doc_.SetCurrentControl(control);
    if (PressTabStrip(control, at - QPoint(control->Left, control->Top))) return;
    // Only the left button drags: a drag ends with the left button's release.
    if (button != Qt::LeftButton || control->Locked || doc_.LockAll) {
        e.PressOnControl = false;
        control->Repaint();
        return;
    }
    doc_.RefreshSelection();
    BeginMoveDrag(at);
}

bool TMainDialog::PressTabStrip(TmvControl* control, QPoint local) {
    if (control != doc_.TabControl) return false;
    TmvTab* tab = doc_.TabControl;
    const int k = doc_.UseDbu ? 5 : 0;
    if (local.x() <= k || local.y() > k + 20 || tab->PageCount() == 0) return false;
    if (tab->TabsOverflow && local.x() > tab->Width - 32) {
        tab->ScrollStrip(local.x() > tab->Width - 16 ? 1 : -1);
        return false;
    }
    const int page = tab->PageAtX(local.x());
    if (page == tab->ActivePage) return false;
    tab->SetActivePage(page);
    for (int i = doc_.SelectionCount() - 1; i >= 0; --i)
        if (doc_.SelectedAt(i) != tab) doc_.Deselect(doc_.SelectedAt(i));
    doc_.SetCurrentControl(tab);
    edit_->PressOnControl = false;
    return true;
}

void TMainDialog::PressEmpty(Qt::MouseButton button, TmvControl* bandContainer, QPoint at) {
    if (doc_.CurrentControl || !doc_.Selection.empty()) doc_.SetCurrentControl(nullptr);
    if (button != Qt::LeftButton) return;
    edit_->BandContainer = bandContainer;
    edit_->RubberBanding = true;
    BeginDrag(at);
}

void TMainDialog::PressHandle(TmvGrabHandle* handle, QMouseEvent* event) {
    TmvControl* current = doc_.CurrentControl;
    // Only the left button drags: a drag ends with the left button's release.
    if (event->button() != Qt::LeftButton || edit_->Dragging || !current || current->Locked ||
        doc_.LockAll)
        return;
    edit_->SizeCursor = handle->cursor().shape();
    BeginSizeDrag(current, handle->Direction(),
                  ClientPoint(mapFromGlobal(event->globalPosition())));
}

// --- Moves and releases -----------------------------------------------------------------------

void TMainDialog::mouseMoveEvent(QMouseEvent* event) {
    if (edit_->Dragging) {
        DragStep(ClientPoint(event->position()), event->modifiers() & Qt::ShiftModifier);
        return;
    }
    if (options_.HotTracking && !tabOrder_) {
        const QPoint at = ClientPoint(event->position());
        TrackHot(at.y() < 0 ? nullptr : ControlAtPoint(at));
    }
}

void TMainDialog::TrackHot(TmvControl* control) {
    TmvControl*& hot = edit_->Hot;
    if (control == hot) return;
    // The hot control may have been deleted since it was marked.
    if (hot && doc_.Owns(hot)) hot->SetHot(false);
    hot = control;
    if (hot) hot->SetHot(true);
}

void TMainDialog::leaveEvent(QEvent* event) {
    if (!edit_->Dragging) TrackHot(nullptr);
    QWidget::leaveEvent(event);
}

void TMainDialog::mouseReleaseEvent(QMouseEvent* event) {
    TmvSurfaceEditState& e = *edit_;
    if (tabOrder_) return;
    if (event->button() == Qt::RightButton) {
        if (!e.Dragging)
            PopMenuAt(event->globalPosition().toPoint(), ClientPoint(event->position()));
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    e.PressOnControl = false;
    TmvControl* reference = std::exchange(e.ReferenceCandidate, nullptr);
    const bool stayed = std::all_of(e.DragRects.begin(), e.DragRects.end(), [](const auto& item) {
        return item.Box.Rect() == item.Control->BoundsRect();
    });
    if (e.Dragging) EndDrag();
    if (reference && stayed && doc_.Owns(reference)) doc_.MakeReference(reference);
    if (doc_.CurrentControl) doc_.SetCurrentControl(doc_.CurrentControl);
    // The selection marks come back once the press is over.
    if (doc_.SelectionCount() > 1) doc_.RefreshSelection();
}

void TMainDialog::focusOutEvent(QFocusEvent* event) {
    if (edit_->Dragging) EndDrag();
    QWidget::focusOutEvent(event);
}

void TMainDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && edit_->Dragging)
        EndDrag();
    QWidget::changeEvent(event);
}

void TMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    // The menu opens on the right button's release, never on its own.
    event->accept();
}

void TMainDialog::PopMenuAt(const QPoint& global, QPoint client) {
    popMenuPoint_ = ClampToClient(client);
    popMenu_->Prepare(doc_.CurrentControl != nullptr, doc_.LockAll);
    popMenu_->popup(global);
}

// --- Grab handles -----------------------------------------------------------------------------

void TMainDialog::CurrentControlChanged(TmvControl* control) {
    const bool drawsAtOnce =
        toolArmed_ && (doc_.Options.AutoStartMove || doc_.Options.AutoStartSize);
    if (control && doc_.SelectionCount() == 1 && !drawsAtOnce)
        edit_->Handles->Place(control->BoundsRect(), ClientTop());
    else
        edit_->Handles->Hide();
}

void TMainDialog::FollowCurrentControl() {
    TmvGrabHandles& handles = *edit_->Handles;
    const TmvControl* current = doc_.CurrentControl;
    if (!handles.Shown() || edit_->Dragging || !current || doc_.SelectionCount() != 1) return;
    if (current->BoundsRect() != handles.RememberedBounds() ||
        handles.At(0)->y() != GrabHandlePositions(current->BoundsRect())[0].y() + ClientTop())
        handles.Place(current->BoundsRect(), ClientTop());
}

void TMainDialog::ChangeSelection(const std::function<void()>& change) {
    BeginRepaintBatch();
    change();
    EndRepaintBatch();
    emit BrowserReloadRequested();
}

void TMainDialog::BeginRepaintBatch() {
    ++edit_->BatchDepth;
}

void TMainDialog::EndRepaintBatch() {
    TmvSurfaceEditState& e = *edit_;
    if (e.BatchDepth == 0 || --e.BatchDepth > 0) return;
    // One region for all of them: only the controls it touches are painted again.
    update(UniteRects(std::move(e.BatchRects)));
    e.BatchRects.clear();
}
