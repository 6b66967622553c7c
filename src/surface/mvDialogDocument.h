#pragma once
// The dialog being designed: its properties, its controls and the lists that order them.
#include <QString>
#include <vector>

class TmvControl;
class TmvTab;

class DialogDocument {
public:
    bool UseDbu = false;
    TmvTab* TabControl = nullptr;       // the dialog's single tab control, not owning
    std::vector<TmvControl*> Selection; // in the order of selecting, not owning

    bool IsSelected(const TmvControl* control) const;
    // Index of the page of the tab control with this ID; -1 when none.
    int PageIndexOfId(int id) const;
    // ID of that page of the tab control; -1 when there is no tab control or no such page.
    int PageIdOfIndex(int index) const;
};
