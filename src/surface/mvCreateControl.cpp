// The one path by which controls come into being: the palette, the project loader, the table
// import and the clipboard all create through here.
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvDialogDocument.h"

TmvControl* DialogDocument::CreateControl(int type, bool assignName, int x, int y, int w, int h,
                                          int page, QString* error) {
    if (type == ctTab && TabControl) {
        if (error) *error = QStringLiteral("The dialog already has a tab control.");
        return nullptr;
    }
    std::unique_ptr<TmvControl> made = ConstructControl(type, DialogFont());
    if (!made) {
        if (error) *error = QStringLiteral("Unknown control type %1.").arg(type);
        return nullptr;
    }
    TmvControl* control = Adopt(std::move(made));
    if (type == ctTab) TabControl = static_cast<TmvTab*>(control);

    control->Updating = true;
    if (type == ctTab)
        control->ID = 0; // the pages carry the IDs; the name stays "marovel_tabcontrol"
    else if (assignName)
        SetControlName(control, UniqueControlName(ControlKeyword(type)));

    if (UseDbu) {
        x = QuantizeX(x);
        y = QuantizeY(y);
    }
    control->SetBounds(x, y, w == -1 ? control->Width : w, h == -1 ? control->Height : h);
    if (UseDbu)
        control->SetBounds(control->Left, control->Top, QuantizeX(control->Width),
                           QuantizeY(control->Height));

    // The tab control lies lowest, group boxes just above it, everything else on top.
    if (type == ctTab) {
        SendToBack(control);
    } else if (type == ctBox) {
        SendToBack(control);
        if (TabControl) SendToBack(TabControl);
    } else {
        BringToFront(control);
    }

    // A page that does not exist, and any page for the tab control, mean the dialog. The new
    // control lies in no list yet, so it is appended without searching them: loading thousands
    // of controls stays linear.
    std::vector<TmvControl*>* list = type == ctTab ? nullptr : ContainerList(page);
    if (page < 0 || !list) {
        page = -1;
        list = &CreationOrder;
    }
    control->TabIndex = page;
    list->push_back(control);
    control->Updating = false;
    return control;
}
