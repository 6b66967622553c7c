// The general page's edits: caption, quoting, position and size, ID, name, type, alignment,
// page and the four common styles.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/mvObjBrowser.h"
#include "model/mvControls.h"
#include "model/mvEdits.h"
#include "model/mvTabControl.h"
#include "model/mvUnits.h"
#include "surface/mvControlNames.h"
#include "surface/mvDialogDocument.h"

namespace {
enum GeometryTag { kLeft = 1, kTop = 2, kWidth = 3, kHeight = 4 };

// Table names are written after "dialog" and before the brace: a blank would split them.
bool IsValidTableName(const QString& name) {
    if (name.isEmpty()) return false;
    for (const QChar c : name)
        if (c.isSpace()) return false;
    return true;
}
} // namespace

void TObjBrowser::ConnectBasicPage() {
    connect(propsCaption, &QLineEdit::textEdited, this, &TObjBrowser::CaptionEdited);
    connect(propsNoQuotes, &QCheckBox::clicked, this, &TObjBrowser::NoQuotesClicked);
    connect(propsType, qOverload<int>(&QComboBox::activated), this, &TObjBrowser::TypeChosen);
    connect(propsAlign, qOverload<int>(&QComboBox::activated), this, &TObjBrowser::AlignChosen);
    connect(propsTab, qOverload<int>(&QComboBox::activated), this, &TObjBrowser::TabChosen);
    const std::pair<QCheckBox*, int> styles[] = {
        {propsDisabled, 1}, {propsGroup, 2}, {propsResult, 3}, {propsHidden, 4}};
    for (const auto& [box, tag] : styles)
        connect(box, &QCheckBox::clicked, this,
                [this, flag = tag](bool on) { StyleFlagClicked(flag, on); });
    connect(propsStaticID, &QCheckBox::clicked, this, &TObjBrowser::StaticIdClicked);
}

void TObjBrowser::CaptionEdited(const QString& text) {
    if (!live_) return;
    if (TmvControl* current = Current()) {
        const int width = current->LogicalRect().width();
        // Auto-fit labels would each tell the surface that the layout changed; it follows once.
        for (TmvControl* control : Targets()) {
            const bool updating = control->Updating;
            control->Updating = true;
            control->SetText(text);
            control->Updating = updating;
        }
        doc_.RepaintSurface();
        // Only what the caption changes is shown again, an auto-fit width: the caption box keeps
        // what is typed (the current control may have no text of its own), and the other boxes
        // keep what is typed into them and not committed yet.
        if (current->LogicalRect().width() != width)
            ShowNumber(propsSizeW, XToDbuIf(doc_.UseDbu, current->LogicalRect().width()));
    } else {
        doc_.Title = text;
    }
    Edited();
}

void TObjBrowser::NoQuotesClicked(bool on) {
    if (!live_) return;
    if (Current()) {
        for (TmvControl* control : Targets())
            control->SetNoQuotes(on);
    } else {
        doc_.NoQuotes = on;
    }
    Edited();
}

void TObjBrowser::GeometryCommitted(int tag, int value) {
    if (!Current()) {
        DialogGeometryCommitted(tag, value);
        return;
    }
    const bool horizontal = tag == kLeft || tag == kWidth;
    const int pixels =
        horizontal ? XToPixelsIf(doc_.UseDbu, value) : YToPixelsIf(doc_.UseDbu, value);
    ApplyGeometry(tag, pixels);
    Edited();
    LoadBrowserValues();
}

void TObjBrowser::ApplyGeometry(int tag, int pixels) {
    for (TmvControl* control : Targets()) {
        QRect r = control->LogicalRect();
        const QPoint before = r.topLeft();
        switch (tag) {
        case kLeft:
            r.moveLeft(pixels);
            break;
        case kTop:
            r.moveTop(pixels);
            break;
        case kWidth:
            r.setWidth(pixels);
            break;
        default:
            r.setHeight(pixels);
            break;
        }
        control->SetLogicalRect(r);
        // The controls on the tab control's pages go along with it, as in a drag.
        if (control == doc_.TabControl && r.topLeft() != before)
            doc_.TabControl->MovePageControls(r.left() - before.x(), r.top() - before.y());
    }
}

void TObjBrowser::DialogGeometryCommitted(int tag, int value) {
    switch (tag) {
    case kLeft:
        doc_.PosX = value;
        break;
    case kTop:
        doc_.PosY = value;
        break;
    case kWidth:
        doc_.SetClientSize(XToPixelsIf(doc_.UseDbu, value), doc_.ClientHeight);
        break;
    default:
        // The client height without the menu bar, as the table's size line gives it.
        doc_.SetClientSize(doc_.ClientWidth, YToPixelsIf(doc_.UseDbu, value));
        break;
    }
    Edited();
    LoadBrowserValues();
}

void TObjBrowser::IdCommitted(TmvNumberEdit* box, int value) {
    TmvControl* control = Current();
    if (!control) return;
    const int currentId = control->GetID();
    if (value == currentId) return;
    QString owner;
    if (!doc_.CheckIdFree(value, owner)) {
        ShowNumber(box, currentId);
        box->selectAll();
        Warn(QStringLiteral("ID Warning"),
             QStringLiteral("The ID \"%1\" is already in use by %2.  Please choose a unique ID.")
                 .arg(value)
                 .arg(owner));
        return;
    }
    control->SetID(value);
    ShowNumber(box, value);
    Edited();
}

void TObjBrowser::NameCommitted() {
    if (!live_ || committing_ || !propsName->isEnabled()) return;
    const QString text = propsName->text();
    TmvControl* control = Current();
    committing_ = true;
    if (!control) {
        if (text != doc_.TableName) {
            if (IsValidTableName(text)) {
                doc_.TableName = text;
                Show(propsName, text);
                RenameControlEntry(nullptr);
                Edited();
            } else {
                Show(propsName, doc_.TableName);
                Warn(QStringLiteral("Table Name Warning"),
                     QStringLiteral("The table name \"%1\" is invalid.  The name may not be "
                                    "empty or contain blanks.")
                         .arg(text));
            }
        }
        committing_ = false;
        return;
    }
    const QString wanted = ControlNamePrefix() + text;
    if (wanted != control->Name()) {
        if (!IsValidControlName(text)) {
            Show(propsName, VisibleName(*control));
            Warn(QStringLiteral("Control Name Warning"),
                 QStringLiteral("The name \"%1\" is invalid.  The name may only contain "
                                "alphanumeric (A-Z, a-z, 0-9) and underscore (_) characters.  "
                                "Also, the name \"tabcontrol\" is reserved and may not be used "
                                "for other controls.")
                     .arg(text));
        } else if (doc_.IsControlNameUsed(wanted)) {
            Show(propsName, VisibleName(*control));
            Warn(QStringLiteral("Control Name Warning"),
                 QStringLiteral("The name \"%1\" is already in use.  Please choose a unique name.")
                     .arg(text));
        } else {
            doc_.SetControlName(control, wanted);
            Show(propsName, text);
            Edited();
        }
        RenameControlEntry(control);
    }
    committing_ = false;
}

void TObjBrowser::TypeChosen(int index) {
    if (!live_ || index < 0) return;
    bool reload = false;
    for (TmvControl* control : Targets()) {
        if (control->ControlType != ctScroll) {
            control->SetKind(index);
            continue;
        }
        const bool more = static_cast<TmvScroll*>(control)->ChooseKind(index);
        reload = reload || (more && control == Current());
    }
    Edited();
    if (reload) LoadBrowserValues();
}

void TObjBrowser::AlignChosen(int index) {
    if (!live_ || index < 0) return;
    bool reload = false;
    for (TmvControl* control : Targets()) {
        if (control->ControlType != ctScroll) {
            control->SetAlignment(index);
            continue;
        }
        const bool more = static_cast<TmvScroll*>(control)->ChooseAlignment(index);
        reload = reload || (more && control == Current());
    }
    Edited();
    if (reload) LoadBrowserValues();
}

void TObjBrowser::TabChosen(int index) {
    if (!live_ || index < 0) return;
    const int page = index - 1;
    for (TmvControl* control : Targets()) {
        if (control == doc_.TabControl || !doc_.MoveToContainer(control, page)) continue;
        if (page < 0) control->SetVisible(ShownOnSurface(*control, doc_.TabControl));
    }
    if (page >= 0 && doc_.TabControl) {
        // The page shows exactly its controls, the ones just moved onto it too.
        doc_.TabControl->Refresh = true;
        doc_.TabControl->SetActivePage(page);
    }
    Edited();
}

void TObjBrowser::StyleFlagClicked(int tag, bool on) {
    if (!live_) return;
    for (TmvControl* control : Targets()) {
        switch (tag) {
        case 1:
            control->SetDisabled(on);
            break;
        case 2:
            control->SetGroup(on);
            break;
        case 3:
            control->SetResult(on);
            break;
        default:
            control->SetHidden(on);
            break;
        }
    }
    Edited();
}

void TObjBrowser::StaticIdClicked(bool on) {
    if (!live_ || !Current()) return;
    Current()->SetStaticID(on);
    propsID->setEnabled(on);
    Edited();
}
