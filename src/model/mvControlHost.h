#pragma once
// What a designed control asks of whatever shows it. The document forwards these to the
// design surface in the program; a test host records them. A control with no host asks nothing.
class TmvControl;

class TmvControlHost {
public:
    virtual ~TmvControlHost() = default;
    // The control's look changed: repaint its rectangle.
    virtual void RepaintControl(TmvControl* control) = 0;
    // The layout or values changed (the surface reloads the properties browser's values).
    virtual void LayoutChanged() = 0;
    // Delete this control from the dialog (sent by the tab control when a page goes away).
    virtual void DeleteControlRequest(TmvControl* control) = 0;
};
