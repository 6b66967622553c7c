#pragma once
// The dialog being designed: its properties, the controls it owns in z-order, the lists that
// order them, identifiers, names, selection and the menu tree. Operations on the whole dialog
// sit beside it: mvZOrder (z-order, hiding, locking), mvRenumber (IDs and creation order),
// mvMenuEditing (menu editor commands), mvDialogTable (the table).
#include <QFont>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "model/mvControlHost.h"
#include "surface/mvDocumentOptions.h"
#include "surface/mvMenuTree.h"
#include "surface/mvUndoHints.h"

class TmvControl;
class TmvTab;
class TmvTabPage;
class TmvSurfaceView;
class TmvDocumentUi;

class DialogDocument : public TmvControlHost {
public:
    DialogDocument();
    ~DialogDocument() override;
    DialogDocument(const DialogDocument&) = delete;
    DialogDocument& operator=(const DialogDocument&) = delete;

    // --- Dialog-level properties; the defaults are those of a new project.
    QString TableName = QStringLiteral("new_table");
    QString Title = QStringLiteral("New Project");
    bool Centered = true;
    int PosX = -1; // x and y of the size line as entered, in table units
    int PosY = -1;
    int ClientWidth = 320; // the dialog's client area in pixels, without the menu bar
    int ClientHeight = 240;
    bool UseDbu = false; // the settings copy "AlwaysUseDBU" into this at start-up
    bool NoTheme = false;
    bool Local = false;
    bool NoQuotes = false;
    // Words of an imported option line that the dialog does not model, as written.
    QString OtherOptions;
    QString IconPath;
    int IconIndex = 0;
    bool LockAll = false;
    // TRUE exactly when the project differs from the one last saved or loaded (mvUndoHints.h).
    TmvModifiedFlag Modified;
    QString FileName;
    // The script the table came from or was last written into, and the table's name there; the
    // table is written back in that table's place. Empty for a project of its own. Not part of
    // the undo history: writing into a script changes nothing in the dialog.
    QString ScriptPath;
    QString ScriptTable;
    QString FontName; // "Tahoma", or "MS Sans Serif" on old systems
    int MenuBarHeight = 0;
    bool UpdatesSuspended = false; // while set, changing the current control does nothing

    // --- Lists; none of them owns its controls.
    std::vector<TmvControl*> CreationOrder; // controls lying on the dialog, in creation order
    TmvTab* TabControl = nullptr;           // the dialog's single tab control
    std::vector<TmvControl*> Selection;     // in the order of selecting
    TmvControl* CurrentControl = nullptr;
    std::vector<TmvControl*> HiddenControls; // hidden on the surface, in the order of hiding

    TmvMenuTree Menu;
    TmvDocumentOptions Options;
    TmvSurfaceView* View = nullptr; // optional
    TmvDocumentUi* Ui = nullptr;    // optional

    // --- Undo (mvUndoHints.h); the history is optional.
    // Attaches the history that Modified is derived from (none detaches it).
    void AttachHistory(TmvUndoLink* history);
    // The step the current action makes is shown under this name ("Taşı", "Sil", ...).
    void NameNextStep(const QString& name) { StepHints.Name = name; }
    // The step the current action makes merges with the step before when that one was made
    // under the same key with the same selection and nothing came between (arrow-key nudges).
    void BeginMerge(const QString& key) { StepHints.MergeKey = key; }
    TmvStepHints StepHints;
    // A load or New (saved) or an import (not saved) starts the history again.
    void StartNewHistory(bool saved);
    // The project was written to its file as it is now.
    void MarkSaved();

    // --- Controls and containment (mvDialogDocument.cpp).
    // The one constructor path (mvCreateControl.cpp): builds a control of type 0-11 at
    // (x, y), keeps the type's default width or height for -1, quantizes to dialog units in
    // dbu mode, orders it in z, and puts it into the container `page` (-1: the dialog).
    // Returns none, with a message, for an unknown type or a second tab control.
    TmvControl* CreateControl(int type, bool assignName, int x, int y, int w, int h, int page,
                              QString* error = nullptr);
    int ControlCount() const { return int(controls_.size()); }
    // Controls in z-order: index 0 is drawn first (lowest).
    TmvControl* ControlAt(int zIndex) const;
    int ZIndexOf(const TmvControl* control) const;
    bool Owns(const TmvControl* control) const { return ZIndexOf(control) >= 0; }
    // The creation-order list of a container: the dialog for a negative index, else a page
    // of the tab control; none for a page that does not exist.
    std::vector<TmvControl*>* ContainerList(int page);
    const std::vector<TmvControl*>* ContainerList(int page) const;
    // Moves a control into another container's list and sets its TabIndex. Refuses (false)
    // a page that does not exist and any page for the tab control itself.
    bool MoveToContainer(TmvControl* control, int page);
    // Removes the control from every list and destroys it; a tab control takes its pages
    // and the controls on them along. False when the document does not own it.
    bool DeleteControl(TmvControl* control);
    // Deletes every control and menu node and empties every list.
    void ClearDialog();
    // The New command's resets, after ClearDialog; dbu, theme, quoting, LockAll and the
    // client size stay.
    void ResetForNew();
    // "Marovel  - " and the file name part of FileName, or "New Project".
    QString WindowTitle() const;
    static QString DefaultFontName();
    QFont DialogFont() const;
    // Changes the dialog's font; every control but the tab control follows it.
    void SetFontName(const QString& name);
    void SetClientSize(int width, int height);

    // Tab pages: a new page takes the next free ID; deleting a page deletes its controls,
    // renumbers the pages and activates the one before it. A tab control keeps one page.
    TmvTabPage* AddTabPage();
    bool DeleteTabPage(int index);
    // Index of the page of the tab control with this ID; -1 when none.
    int PageIndexOfId(int id) const;
    // ID of that page of the tab control; -1 when there is no tab control or no such page.
    int PageIdOfIndex(int index) const override;

    // --- Z-order (mvZOrder.cpp).
    void BringToFront(TmvControl* control);
    void SendToBack(TmvControl* control);
    // Puts the listed controls into this z-order, lowest first; controls not listed go above
    // them in their present order.
    void ArrangeZOrder(const std::vector<TmvControl*>& bottomToTop);

    // --- IDs, shared by controls, tab pages and menu entries (mvIdServices.cpp).
    bool IsIdFree(int id) const;
    // The first free ID from [IDMan] "Start" upward; gaps are reused.
    int NextFreeId() const;
    TmvControl* FindControlById(int id) const;
    // "tab page %d", a control's visible name, a menu text + ":menu", or empty.
    QString DescribeIdOwner(int id) const;
    bool CheckIdFree(int id, QString& owner) const;

    // --- Names (mvControlNames.cpp); component names compare without regard to case.
    // "marovel_" + keyword + the smallest number from 1 that no control has.
    QString UniqueControlName(const QString& keyword) const;
    TmvControl* FindControlByName(const QString& name) const;
    // Whether a control carries the name; a hash lookup, for readers that check many names.
    bool IsControlNameUsed(const QString& name) const;
    // Renames a control; every change of a component name goes through here.
    void SetControlName(TmvControl* control, const QString& name);

    // --- Selection (mvSelection.cpp).
    void Select(TmvControl* control);
    void Deselect(TmvControl* control);
    void ClearSelection();
    bool IsSelected(const TmvControl* control) const override;
    int SelectionCount() const { return int(Selection.size()); }
    TmvControl* SelectedAt(int index) const;
    // Makes a selected control the first of the selection, the reference of the alignments;
    // the others keep their order.
    void MakeReference(TmvControl* control);
    void RefreshSelection();
    void SelectAll();
    void SetCurrentControl(TmvControl* control);

    // --- What a control asks of its host.
    void RepaintControl(TmvControl* control) override;
    void LayoutChanged() override;
    void DeleteControlRequest(TmvControl* control) override;
    bool UsesDbu() const override { return UseDbu; }
    void TabControlDestroyed(const TmvControl* tab) override;
    void RepaintSurface();

private:
    // Takes ownership of a new control at the top of the z-order and wires it to the document.
    TmvControl* Adopt(std::unique_ptr<TmvControl> control);
    void RemoveFromContainers(TmvControl* control);
    void ConnectEvents(TmvControl* control);

    // Counts the controls carrying a name (lower case) as names come and go.
    void IndexName(const QString& name, int delta);

    std::vector<std::unique_ptr<TmvControl>> controls_; // z-order, lowest first
    TmvUndoLink* history_ = nullptr;
    QHash<QString, int> nameUse_;           // lower-case component name -> controls using it
    mutable QHash<QString, int> nameHints_; // lower-case prefix -> first number worth trying
};
