#pragma once
// What a designed control asks of the dialog it belongs to and of whatever shows it. The
// document answers and forwards to the design surface in the program; a test host records the
// calls. A control with no host asks nothing: it writes pixels, names page -1 and sees nothing
// selected.
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

    // The dialog writes its table in dialog units.
    virtual bool UsesDbu() const { return false; }
    // The ID of the tab control's page at this index, -1 when there is none.
    virtual int PageIdOfIndex(int index) const {
        (void)index;
        return -1;
    }
    virtual bool IsSelected(const TmvControl* control) const {
        (void)control;
        return false;
    }
    // The tab control is being destroyed: the dialog forgets it.
    virtual void TabControlDestroyed(const TmvControl* tab) { (void)tab; }
};
