// The selection list and the current control.
#include <algorithm>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

void DialogDocument::Select(TmvControl* control) {
    if (!control || IsSelected(control)) return;
    Selection.push_back(control);
    control->Repaint(); // selected controls draw a selection mark
}

void DialogDocument::Deselect(TmvControl* control) {
    if (!control) return;
    const auto it = std::find(Selection.begin(), Selection.end(), control);
    if (it != Selection.end()) Selection.erase(it);
    control->Repaint();
    if (View) View->ResetCursor(control);
}

void DialogDocument::ClearSelection() {
    while (!Selection.empty())
        Deselect(Selection.front());
}

bool DialogDocument::IsSelected(const TmvControl* control) const {
    return std::find(Selection.begin(), Selection.end(), control) != Selection.end();
}

TmvControl* DialogDocument::SelectedAt(int index) const {
    return (index >= 0 && index < SelectionCount()) ? Selection[size_t(index)] : nullptr;
}

void DialogDocument::MakeReference(TmvControl* control) {
    const auto it = std::find(Selection.begin(), Selection.end(), control);
    if (it == Selection.end() || it == Selection.begin()) return;
    TmvControl* previous = Selection.front();
    std::rotate(Selection.begin(), it, it + 1);
    previous->Repaint();
    control->Repaint();
}

void DialogDocument::RefreshSelection() {
    for (TmvControl* control : Selection)
        control->Repaint();
    RepaintSurface();
}

void DialogDocument::SetCurrentControl(TmvControl* control) {
    if (!control) ClearSelection();
    if (UpdatesSuspended) return;
    CurrentControl = control;
    if (View) View->CurrentControlChanged(control);
    if (Ui) Ui->CurrentControlChanged(control);
    if (!control) return;
    if (Options.BringToFront && control->ControlType != ctTab && control->ControlType != ctBox)
        BringToFront(control);
    if (control->TabIndex >= 0 && TabControl) TabControl->SetActivePage(control->TabIndex);
}

void DialogDocument::SelectAll() {
    int page = -1;
    if (CurrentControl && CurrentControl == TabControl) {
        page = TabControl->ActivePage;
        Deselect(TabControl);
    } else if (CurrentControl) {
        page = CurrentControl->TabIndex;
    }
    if (page < 0) page = -1;
    if (page >= 0 && TabControl) TabControl->SetActivePage(page);
    for (int i = 0; i < ControlCount(); ++i) {
        TmvControl* control = ControlAt(i);
        const int container = control->TabIndex < 0 ? -1 : control->TabIndex;
        if (container == page && control->Visible && !IsSelected(control)) Select(control);
    }
    if (SelectionCount() > 0) {
        SetCurrentControl(SelectedAt(0));
        RefreshSelection();
    }
}
