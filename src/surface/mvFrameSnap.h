#pragma once
// Resizing the dialog by the design surface's frame: while the user drags the frame the surface
// follows it, the dialog's client size follows the surface, and with "SnapDialog" the client
// size keeps to whole grid steps, the edges that are not dragged staying where they were.
#include <QObject>
#include <QRect>
#include <QSize>

class QMdiSubWindow;
class TMainDialog;

class TmvFrameSnapper : public QObject {
    Q_OBJECT
public:
    // Watches `frame`, the window that holds `surface`; owned by the frame.
    TmvFrameSnapper(QMdiSubWindow* frame, TMainDialog* surface);

    // The frame rectangle a proposed one becomes: its client size converted to dialog units in
    // dbu mode, snapped down to the grid when "SnapDialog" is on, and back to pixels.
    // The first proposal of a drag also learns which edges the user drags.
    QRect SnappedFrame(const QRect& proposed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* frame_;
    TMainDialog* surface_;
    bool pressed_ = false;
    bool adjusting_ = false;
    QRect start_;         // the frame when the drag began
    int movingEdges_ = 0; // seLeft and seTop once those edges left their place
    QSize frameExtra_;    // frame size minus surface size, taken when the drag began
};
