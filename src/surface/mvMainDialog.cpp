#include "surface/mvMainDialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "model/mvColorRef.h"
#include "model/mvControls.h"
#include "model/mvPaintHelpers.h"
#include "model/mvUnits.h"
#include "surface/mvControlImages.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvGrabHandles.h"
#include "surface/mvGuidePaint.h"
#include "surface/mvHintWindow.h"
#include "surface/mvMenuBar.h"
#include "surface/mvRepaintRegion.h"
#include "surface/mvSettingsRecord.h"
#include "surface/mvSurfaceEditState.h"
#include "surface/mvTabOrder.h"

TMainDialog::TMainDialog(DialogDocument& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), images_(std::make_unique<TmvControlImages>()) {
    setObjectName(QStringLiteral("MainDialog"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    doc_.View = this;
    installEventFilter(new TmvMenuBarClickFilter(doc_, this));
    CreateEditing();
    SyncWithDocument();
    RebuildGridBitmap();
}

TMainDialog::~TMainDialog() {
    if (doc_.View == this) doc_.View = nullptr;
}

void TMainDialog::ApplySettings(const Settings& s) {
    options_.HotTracking = s.HotTracking;
    options_.HotTrackColor = ColorFromColorRef(s.HotTrackColor);
    options_.TextBorder = s.TextBorder;
    options_.ShowGrid = s.ShowGrid;
    options_.ShowGridInTabs = s.ShowTabs;
    options_.GridSizeX = s.GridSizeX;
    options_.GridSizeY = s.GridSizeY;
    options_.GridColor = ColorFromColorRef(s.GridColor);
    options_.GridType = s.GridType;
    ApplyEditingSettings(s);
    RebuildGridBitmap();
}

void TMainDialog::SetShowGrid(bool on) {
    options_.ShowGrid = on;
    RebuildGridBitmap();
    emit ShowGridToggled(on);
}

QSize TMainDialog::GridTileSize() const {
    QSize shown = size().expandedTo(QSize(1, 1));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        shown = shown.boundedTo(screen->size().expandedTo(QSize(1, 1)));
    const auto wholeSteps = [](int length, int step) {
        step = std::max(1, step);
        return int((qint64(length) + step - 1) / step * step);
    };
    return QSize(wholeSteps(shown.width(), XToPixelsIf(doc_.UseDbu, options_.GridSizeX)),
                 wholeSteps(shown.height(), YToPixelsIf(doc_.UseDbu, options_.GridSizeY)));
}

void TMainDialog::RebuildGridBitmap() {
    const QSize wanted = GridTileSize();
    if (gridBitmap_.size() != wanted) gridBitmap_ = QImage(wanted, QImage::Format_RGB32);
    gridBitmap_.fill(options_.Colors.Face);
    gridBuiltForDbu_ = doc_.UseDbu;
    if (options_.ShowGrid) {
        TmvPaintContext context = options_;
        context.UseDbu = doc_.UseDbu;
        QPainter painter(&gridBitmap_);
        PaintGrid(painter, gridBitmap_.rect(), context);
    }
    update();
}

void TMainDialog::SyncWithDocument() {
    setWindowTitle(doc_.Title);
    const QFont dialogFont = doc_.DialogFont();
    const bool fontChanged = font() != dialogFont;
    setFont(dialogFont);
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    // The frame's caption is drawn at the dialog's font: its height follows the font.
    if (frame && fontChanged) {
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(frame, &styleChange);
    }
    const QSize client(std::max(0, doc_.ClientWidth),
                       std::max(0, doc_.ClientHeight) + std::max(0, doc_.MenuBarHeight));
    // While the frame is dragged the frame gives the size and the document follows it.
    if (!FrameDragging() && (size() != client || minimumSize() != client || fontChanged)) {
        setFixedSize(client);
        if (frame) frame->adjustSize();
    }
    if (options_.ShowGrid &&
        (gridBuiltForDbu_ != doc_.UseDbu || gridBitmap_.size() != GridTileSize()))
        RebuildGridBitmap();
    FollowCurrentControl();
    update();
}

int TMainDialog::ClientTop() const {
    return std::max(0, doc_.MenuBarHeight);
}

TmvPaintContext TMainDialog::ContextFor(const TmvControl& control) const {
    TmvPaintContext context = options_;
    context.UseDbu = doc_.UseDbu;
    context.LockAll = doc_.LockAll;
    context.Selected = doc_.IsSelected(&control);
    context.SelectionCount = doc_.SelectionCount();
    context.Clicking = edit_->PressOnControl;
    context.Reference = doc_.SelectedAt(0) == &control;
    return context;
}

void TMainDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // While a drag runs the surface does not change under the outlines.
    if (!edit_->Canvas.isNull()) {
        for (const QRect& r : event->region())
            painter.drawImage(r.topLeft(), edit_->Canvas, r);
        if (!edit_->GuidesShown.Empty())
            PaintGuides(painter, edit_->GuidesShown, QPoint(0, ClientTop()), font());
        return;
    }
    PaintSurface(painter, event->region());
}

void TMainDialog::PaintSurface(QPainter& painter, const QRegion& region) const {
    const QRect area = region.boundingRect();
    if (options_.ShowGrid) {
        // The tiles that meet the area, in client coordinates (below the menu bar).
        const QRect client = area.translated(0, -ClientTop());
        const int w = gridBitmap_.width();
        const int h = gridBitmap_.height();
        const auto tileStart = [](int v, int size) {
            return v >= 0 ? v / size * size : -((-v + size - 1) / size * size);
        };
        painter.save();
        painter.setClipRect(area);
        for (int y = tileStart(client.top(), h); y <= client.bottom(); y += h)
            for (int x = tileStart(client.left(), w); x <= client.right(); x += w)
                painter.drawImage(QPoint(x, y + ClientTop()), gridBitmap_);
        painter.restore();
    } else
        painter.fillRect(area, options_.Colors.Face);
    if (ClientTop() > 0) PaintMenuBar(painter);
    for (int i = 0; i < doc_.ControlCount(); ++i) {
        const TmvControl* control = doc_.ControlAt(i);
        if (!control->Visible) continue;
        const QRect bounds = control->BoundsRect().translated(0, ClientTop());
        if (!RegionMeets(region, bounds)) continue;
        images_->Paint(painter, bounds.topLeft(), *control, ContextFor(*control));
    }
    if (tabOrder_) PaintTabOrderBadges(painter, region);
}

void TMainDialog::PaintMenuBar(QPainter& painter) const {
    PaintMenuBarBand(painter, MenuBarBandRect(width(), ClientTop()), options_.Colors);
}

void TMainDialog::closeEvent(QCloseEvent* event) {
    // The surface lives as long as the main window; a close request does nothing.
    event->ignore();
}

void TMainDialog::RepaintControl(TmvControl* control) {
    if (!control) return;
    // One pixel around the control for the hover frame and marks drawn at its edge.
    const QRect area = control->BoundsRect().translated(0, ClientTop()).adjusted(-1, -1, 1, 1);
    if (!edit_->Canvas.isNull()) edit_->StaleDuringDrag |= area;
    if (edit_->BatchDepth > 0)
        edit_->BatchRects.push_back(area);
    else
        update(area);
    if (control == doc_.CurrentControl) FollowCurrentControl();
}

void TMainDialog::RepaintSurface() {
    SyncWithDocument();
}

void TMainDialog::LayoutChanged() {
    SyncWithDocument();
    emit BrowserReloadRequested();
}

void TMainDialog::SetArmedTool(int type, bool armed) {
    armedType_ = type;
    toolArmed_ = armed;
    UpdateCursor();
}

void TMainDialog::ClientSizeChanged() {
    SyncWithDocument();
    emit DialogSizeChanged();
    // The browser shows the dialog's size while no control is current.
    if (!doc_.CurrentControl) emit BrowserReloadRequested();
}

void TMainDialog::ResetCursor(TmvControl*) {
    UpdateCursor();
}
