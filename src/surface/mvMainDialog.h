#pragma once
// The design surface: the window that shows the dialog at its real size. Its client area is the
// dialog's client area (below the imitated menu bar when the dialog has one), its caption the
// dialog's title and its font the dialog's font. It paints the visible controls in z-order over
// the button face or the grid, and it is where the dialog is edited with the mouse and the keys:
// creating controls from the palette's tool, selecting, moving and sizing with the grab handles,
// the rubber band and the drag hint, nudging with the arrow keys, and the context menu.
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>

#include "model/mvPaintContext.h"
#include "surface/mvControlDefaults.h"
#include "surface/mvSurfaceView.h"

class DialogDocument;
struct Settings;
struct TmvSurfaceEditState;
class TmvControlImages;
class TmvGrabHandle;
class TmvGrabHandles;
class TmvHintWindow;
class TmvSurfacePopMenu;
class TmvTabOrderSequence;
struct TmvGuideMatch;
class QMouseEvent;

class TMainDialog : public QWidget, public TmvSurfaceView {
    Q_OBJECT
public:
    // Attaches itself to the document as its view until destroyed.
    explicit TMainDialog(DialogDocument& doc, QWidget* parent = nullptr);
    ~TMainDialog() override;

    DialogDocument& Document() const { return doc_; }

    // The painting preferences of the settings ("HotTracking", "TextBorder", grid keys);
    // rebuilds the grid.
    void ApplySettings(const Settings& settings);
    // The preferences the controls are painted with (the dialog's own mode is added per paint).
    const TmvPaintContext& PaintOptions() const { return options_; }

    bool ShowGrid() const { return options_.ShowGrid; }
    void SetShowGrid(bool on);
    // One tile of the background with the grid, repeated over the surface when the grid is
    // shown: as large as what can be shown at once (the surface, at most the screen), in whole
    // grid steps so that tiles join, whatever the dialog's size.
    const QImage& GridBitmap() const { return gridBitmap_; }
    void RebuildGridBitmap();
    // The pictures the controls are copied from while their look stays the same.
    TmvControlImages& ControlImages() const { return *images_; }

    // Takes the document's title, font and client size.
    void SyncWithDocument();

    // TmvSurfaceView
    void RepaintControl(TmvControl* control) override;
    void RepaintSurface() override;
    void LayoutChanged() override;
    void ClientSizeChanged() override;
    void ResetCursor(TmvControl* control) override;
    // Places the grab handles round the current control when it is selected alone (and no tool
    // that starts a drag at once is armed), else hides them.
    void CurrentControlChanged(TmvControl* control) override;

    // The palette's tool: while armed, the next press on the surface creates one control of
    // the armed type.
    void SetArmedTool(int type, bool armed);
    bool ToolArmed() const { return toolArmed_; }
    int ArmedType() const { return armedType_; }

    // --- Editing with the mouse and the keys (mvSurfaceMouse.cpp, mvSurfaceDrag.cpp,
    // mvSurfaceKeys.cpp).
    // The records of "defaults.ini" that new controls from the palette receive.
    void SetControlDefaults(const ControlDefaultsSet& records);
    TmvGrabHandles& GrabHandles() const;
    TmvSurfacePopMenu* PopMenu() const { return popMenu_; }
    // The client point the context menu was last opened at.
    QPoint PopMenuPoint() const { return popMenuPoint_; }
    // The container under a client point: the tab control's active page where the tab control
    // or a control on that page lies, else the dialog (-1).
    int ContainerAt(QPoint client) const;
    bool Dragging() const;
    bool Moving() const;
    bool Sizing() const;
    bool RubberBanding() const;
    // A press on a control is being handled: the properties browser waits for the release.
    bool PressOnControl() const;
    // The hint beside the cursor during a move or size drag; none when idle.
    TmvHintWindow* DragHint() const;
    // Ends the drag in progress: the outlines become the controls' bounds, or the band's
    // controls the selection. Escape cancels it instead: nothing changes.
    void EndDrag();
    void CancelDrag();
    // Runs a change of many controls at once: their repaints are gathered and drawn together,
    // then the properties browser reloads.
    void ChangeSelection(const std::function<void()>& change);
    // The grid step in pixels ("SizeX" and "SizeY", in dialog units in dbu mode).
    int GridStepX() const;
    int GridStepY() const;
    // Resizing by the frame (mvSurfaceFrame.cpp): while the frame is dragged the surface takes
    // the size the frame gives it and the dialog's client size follows; "SnapDialog" keeps it
    // to the grid (TmvFrameSnapper).
    void SetFrameDragging(bool on);
    bool FrameDragging() const;
    bool SnapDialog() const;
    // "Snap to guides": guides within reach win over the grid during drags.
    bool SnapToGuides() const;
    void SetSnapToGuides(bool on);
    // The guides the drag in progress shows (none when idle).
    const TmvGuideMatch& ShownGuides() const;

    // --- Tab order by clicking (mvSurfaceTabOrder.cpp).
    // While the mode is on, every control of the container the creation-order window would
    // show carries a badge with its place; a click gives the clicked control the next place,
    // Ctrl+click continues after the clicked one, Escape ends the mode. Nothing else is edited
    // on the surface meanwhile. The document's order follows each click.
    void SetTabOrderMode(bool on);
    bool TabOrderMode() const { return tabOrder_ != nullptr; }
    // The mode's places; none while the mode is off.
    const TmvTabOrderSequence* TabOrder() const { return tabOrder_.get(); }
    // Where a control's badge is drawn, in widget coordinates.
    QRect TabOrderBadge(const TmvControl* control) const;

signals:
    // The tab-order mode was switched on or off (Escape ends it from the surface).
    void TabOrderModeChanged(bool on);
    // The grid was shown or hidden here (the G key): the "ShowGrid" setting takes it.
    void ShowGridToggled(bool on);
    // A press used the armed tool: the palette releases its buttons.
    void ReleasePalette();
    // The E key: the properties browser focuses its caption editor.
    void EditCaptionRequested();
    // The layout or values changed: the properties browser reloads its values.
    void BrowserReloadRequested();
    // The dialog's client size changed, by the frame or from the document: the menu bar's
    // height and the menu editor's preview, which depend on the width, follow.
    void DialogSizeChanged();
    // The clipboard keys (Ctrl+X/C/V, Shift+Delete, Ctrl+Insert, Shift+Insert) and Delete.
    void CutRequested();
    void CopyRequested();
    void PasteRequested();
    void DeleteRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The background, the menu bar and the controls, within `area` (widget coordinates).
    void PaintSurface(QPainter& painter, const QRegion& area) const;

    // Editing.
    void CreateEditing();
    void ApplyEditingSettings(const Settings& settings);
    QPoint ClientPoint(const QPointF& widgetPos) const;
    QPoint ClampToClient(QPoint client) const;
    // The topmost visible control at a client point.
    TmvControl* ControlAtPoint(QPoint client) const;
    void CreateFromTool(Qt::MouseButton button, QPoint at, TmvControl* pressed);
    void DisarmTool();
    // The cross while a tool is armed or a control is drawn, the move cursor during a move,
    // the handle's own during a size drag, else the arrow.
    void UpdateCursor();
    // The end of the drag that drew or placed a new control: Escape removes it, a size drawn
    // smaller than the smallest takes the type's default.
    void FinishCreation(TmvControl* control, bool cancelled);
    void PressControl(TmvControl* control, Qt::MouseButton button, Qt::KeyboardModifiers mods,
                      QPoint at);
    // True when the press switched the tab control's page (and ends there).
    bool PressTabStrip(TmvControl* control, QPoint local);
    void PressEmpty(Qt::MouseButton button, TmvControl* bandContainer, QPoint at);
    void PressHandle(TmvGrabHandle* handle, QMouseEvent* event);
    void BeginMoveDrag(QPoint at);
    void BeginSizeDrag(TmvControl* control, int edges, QPoint at);
    void BeginDrag(QPoint at);
    void DragStep(QPoint at, bool invertSnap);
    void FinishDrag(bool cancelled);
    void ShowDragHint(QPoint at);
    // Guides (mvSurfaceGuides.cpp): indexed when a move or size drag starts; a step gets the
    // shift that puts the outline on the guides within reach (none with Shift held, or with
    // "Snap to guides" off) and shows them; the drag's end takes them away.
    void BeginGuides();
    QPoint GuideStep(QPoint applied, bool suspended);
    void ShowGuides(TmvGuideMatch guides);
    void EndGuides();
    void TrackHot(TmvControl* control);
    void FollowCurrentControl();
    // Group operations gather their repaints and draw them once.
    void BeginRepaintBatch();
    void EndRepaintBatch();
    void PopMenuAt(const QPoint& global, QPoint client);

    void PressTabOrder(QMouseEvent* event);
    void PaintTabOrderBadges(QPainter& painter, const QRegion& area) const;

    // Top of the client area inside this widget: the height of the imitated menu bar.
    int ClientTop() const;
    TmvPaintContext ContextFor(const TmvControl& control) const;
    QSize GridTileSize() const;
    void PaintMenuBar(QPainter& painter) const;

    DialogDocument& doc_;
    TmvPaintContext options_;
    QImage gridBitmap_;
    bool gridBuiltForDbu_ = false;
    int armedType_ = 0;
    bool toolArmed_ = false;
    std::unique_ptr<TmvSurfaceEditState> edit_;
    std::unique_ptr<TmvControlImages> images_;
    TmvSurfacePopMenu* popMenu_ = nullptr;
    QPoint popMenuPoint_;
    std::unique_ptr<TmvTabOrderSequence> tabOrder_;
    mutable QHash<int, QPixmap> badgePictures_; // by place and whether the run has given it
    int tabOrderContainer_ = -1;
};
