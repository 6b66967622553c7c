// The design surface and its frame: while the user drags the frame, the dialog's client size
// follows the surface's size; afterwards the surface keeps to the document's size again.
#include <QResizeEvent>

#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvSurfaceEditState.h"

void TMainDialog::SetFrameDragging(bool on) {
    if (edit_->FrameDragging == on) return;
    edit_->FrameDragging = on;
    if (on) {
        setMinimumSize(0, ClientTop());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        SyncWithDocument();
    }
}

bool TMainDialog::FrameDragging() const {
    return edit_->FrameDragging;
}

bool TMainDialog::SnapDialog() const {
    return edit_->Options.SnapDialog;
}

void TMainDialog::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!edit_->FrameDragging) return;
    const int w = width();
    const int h = std::max(0, height() - ClientTop());
    if (w == doc_.ClientWidth && h == doc_.ClientHeight) return;
    doc_.SetClientSize(w, h);
    doc_.Modified = true;
}
