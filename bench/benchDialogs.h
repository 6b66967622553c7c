#pragma once
// The large dialog several benchmarks work on.
#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"

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
