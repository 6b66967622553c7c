#include "surface/mvDeleteSelection.h"

#include <algorithm>

#include "model/mvTabControl.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvInteraction.h"

namespace {
bool TabHoldsControls(const TmvTab& tab) {
    return std::any_of(tab.Pages.begin(), tab.Pages.end(),
                       [](const auto& page) { return !page->Controls.empty(); });
}
} // namespace

bool DeleteSelection(DialogDocument& doc, Prompter* prompt, bool promptTab) {
    if (doc.Selection.empty()) return true;
    if (promptTab && prompt && doc.TabControl && doc.IsSelected(doc.TabControl) &&
        TabHoldsControls(*doc.TabControl)) {
        const TmvAnswer answer = prompt->Question(
            QStringLiteral("Confirm Tab Delete"),
            QStringLiteral("You are attempting to delete a tab control or page which has child "
                           "controls on it.  Deleting this control or page will also delete "
                           "these children.  Do you wish to proceed?"));
        if (answer != TmvAnswer::Yes) return false;
    }
    // On the dialog first, so deleting the tab control cannot take a selected page control
    // along before its own turn comes.
    for (TmvControl* control : std::vector<TmvControl*>(doc.Selection))
        doc.MoveToContainer(control, -1);
    while (!doc.Selection.empty())
        doc.DeleteControl(doc.Selection.front());
    doc.SetCurrentControl(nullptr);
    doc.Modified = true;
    doc.RepaintSurface();
    return true;
}
