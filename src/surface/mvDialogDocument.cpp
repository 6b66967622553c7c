#include "surface/mvDialogDocument.h"

#include <algorithm>

#include "model/mvTabControl.h"

bool DialogDocument::IsSelected(const TmvControl* control) const {
    return std::find(Selection.begin(), Selection.end(), control) != Selection.end();
}

int DialogDocument::PageIndexOfId(int id) const {
    if (!TabControl) return -1;
    for (int i = 0; i < TabControl->PageCount(); ++i)
        if (TabControl->Page(i)->ID == id) return i;
    return -1;
}

int DialogDocument::PageIdOfIndex(int index) const {
    if (!TabControl) return -1;
    const TmvTabPage* page = TabControl->Page(index);
    return page ? page->ID : -1;
}
