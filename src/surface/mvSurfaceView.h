#pragma once
// What the document asks of the windows that show it. The design surface implements
// TmvSurfaceView, the main window TmvDocumentUi; with neither attached (tests, the command
// line) the document works alone.
class TmvControl;

class TmvSurfaceView {
public:
    virtual ~TmvSurfaceView() = default;
    // Redraw the control's rectangle.
    virtual void RepaintControl(TmvControl* control) = 0;
    // Redraw the whole dialog.
    virtual void RepaintSurface() = 0;
    // The layout or values changed: reload the properties browser's values.
    virtual void LayoutChanged() = 0;
    // The document's client size changed: the surface follows it.
    virtual void ClientSizeChanged() = 0;
    // The control no longer owns the mouse cursor shape.
    virtual void ResetCursor(TmvControl* control) = 0;
    // The current control changed: the grab handles go round it or hide.
    virtual void CurrentControlChanged(TmvControl*) {}
};

class TmvDocumentUi {
public:
    virtual ~TmvDocumentUi() = default;
    // The current control changed: place or hide the grab handles, load the properties
    // browser (unless a press on a control is being handled) and enable Cut, Copy and Delete
    // exactly when there is a current control.
    virtual void CurrentControlChanged(TmvControl* control) = 0;
    // The control is about to be destroyed: the browser drops its entry.
    virtual void ControlDeleting(TmvControl* control) = 0;
    // A control joined the document, or its component name changed: the browser's control list
    // follows. A new control's name may still be empty (loaders name it afterwards).
    virtual void ControlAdded(TmvControl*) {}
    virtual void ControlRenamed(TmvControl*) {}
    // The dialog was emptied: grab handles recreated, Delete disabled, browser shows the
    // dialog, menu editor panel reset.
    virtual void DialogCleared() = 0;
    // Locks changed: repaint the grab handles in the right look.
    virtual void GrabHandlesChanged() = 0;
    // The menu tree changed: rebuild the preview, recompute the menu bar's height and refresh
    // the editor's panel.
    virtual void MenuChanged() = 0;
};
