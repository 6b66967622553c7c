#pragma once
// The large dialog several benchmarks work on.
#include <QCoreApplication>
#include <QEvent>
#include <vector>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"

// The repaints asked for so far, done.
inline void FlushPaints() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

// A grid of 40 columns of `count` visible controls of the given types in turn on a 1,600 x 1,000
// dialog in pixels, with the IDs 1, 2, ...
inline std::vector<TmvControl*> FillControlGrid(DialogDocument& doc, int count,
                                                const std::vector<int>& types) {
    doc.UseDbu = false;
    doc.SetClientSize(1600, 1000);
    std::vector<TmvControl*> made;
    for (int i = 0; i < count; ++i) {
        TmvControl* control = doc.CreateControl(types[size_t(i) % types.size()], true,
                                                4 + (i % 40) * 40, 4 + (i / 40) * 40, 36, 22, -1);
        control->ID = i + 1;
        control->SetVisible(true);
        made.push_back(control);
    }
    return made;
}

// Controls of every type but the tab control in a grid, a tab control with two pages holding a
// tenth of them, and a small menu: `count` controls in all.
inline void FillLargeDialog(DialogDocument& doc, int count) {
    doc.SetClientSize(2000, 1500);
    TmvControl* tab = doc.CreateControl(ctTab, true, 0, 0, 1900, 1400, -1);
    doc.AddTabPage();
    doc.AddTabPage();
    for (int i = 1; i < count; ++i) {
        int type = i % kControlTypeCount;
        if (type == ctTab) type = ctButton;
        const int page = i % 10 == 0 ? (i / 10) % 2 : -1;
        TmvControl* control =
            doc.CreateControl(type, true, 10 + (i % 60) * 30, 30 + (i / 60) * 25, 28, 20, page);
        control->SetID(doc.NextFreeId());
        control->SetText(QStringLiteral("Control %1").arg(i));
    }
    doc.SendToBack(tab);
    doc.Menu.AddNode(nullptr, QStringLiteral("&File"), MenuData(5000, 0));
}
