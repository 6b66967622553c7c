#pragma once
// Creation order and ID renumbering.
#include <QString>
#include <vector>

class DialogDocument;
class TmvControl;

// Renumbers every ID in creation order from [IDMan] "Start": the dialog's controls, at the tab
// control its pages each followed by the page's controls, then the menu nodes depth-first.
// Controls and pages with StaticID and flagged menu nodes keep their IDs, and the counter skips
// the IDs they keep. Refuses, changing nothing, when a menu node would get an ID beyond 16 bits.
bool RenumberIds(DialogDocument& doc, QString* error = nullptr);

// The container whose creation order the order window edits: the active page when the current
// control is the tab control or lies on a page, else the dialog (-1).
int CreationOrderContainer(const DialogDocument& doc);
// Rewrites that container's list to `order`, which must hold exactly the same controls.
bool ApplyCreationOrder(DialogDocument& doc, int container, const std::vector<TmvControl*>& order);
