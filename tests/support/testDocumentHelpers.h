#pragma once
// Helpers for tests that build dialogs: placing controls the way the palette does, and
// windows that record what the document asks of them.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <vector>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvSurfaceView.h"

// Creates a control with a name and the next free ID, visible, as the palette leaves it.
inline TmvControl* Place(DialogDocument& doc, int type, int x, int y, int w, int h, int page = -1) {
    QString error;
    TmvControl* control = doc.CreateControl(type, true, x, y, w, h, page, &error);
    EXPECT_NE(control, nullptr) << error.toStdString();
    if (!control) return nullptr;
    if (type != ctTab) control->ID = doc.NextFreeId();
    control->SetVisible(true);
    return control;
}

// How many of the document's lists hold the control.
inline int ListsHolding(const DialogDocument& doc, const TmvControl* control) {
    auto count = [control](const std::vector<TmvControl*>& list) {
        return int(std::count(list.begin(), list.end(), control));
    };
    int n = count(doc.CreationOrder);
    if (doc.TabControl)
        for (const auto& page : doc.TabControl->Pages)
            n += count(page->Controls);
    return n;
}

class RecordingUi : public TmvDocumentUi {
public:
    std::vector<TmvControl*> Current;  // every CurrentControlChanged argument
    std::vector<TmvControl*> Deleting; // every ControlDeleting argument
    int Cleared = 0;
    int HandleRepaints = 0;
    int MenuChanges = 0;

    void CurrentControlChanged(TmvControl* control) override { Current.push_back(control); }
    void ControlDeleting(TmvControl* control) override { Deleting.push_back(control); }
    void DialogCleared() override { ++Cleared; }
    void GrabHandlesChanged() override { ++HandleRepaints; }
    void MenuChanged() override { ++MenuChanges; }
};

class RecordingView : public TmvSurfaceView {
public:
    int Repaints = 0;
    int SurfaceRepaints = 0;
    int LayoutChanges = 0;
    int SizeChanges = 0;
    std::vector<TmvControl*> CursorResets;

    void RepaintControl(TmvControl*) override { ++Repaints; }
    void RepaintSurface() override { ++SurfaceRepaints; }
    void LayoutChanged() override { ++LayoutChanges; }
    void ClientSizeChanged() override { ++SizeChanges; }
    void ResetCursor(TmvControl* control) override { CursorResets.push_back(control); }
};

// The z-order as a list of component names, lowest first.
inline QStringList ZOrderNames(const DialogDocument& doc) {
    QStringList names;
    for (int i = 0; i < doc.ControlCount(); ++i)
        names << doc.ControlAt(i)->Name();
    return names;
}
