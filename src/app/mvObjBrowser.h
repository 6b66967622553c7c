#pragma once
// The properties browser "Özel Ayarlar": the control list, the general page with the
// properties every control has and the more-properties page with one group per control type
// and one for the dialog. Every edit goes straight into the document: to every selected control
// where that applies, to the dialog's own properties when no control is current.
//   mvObjBrowser.cpp        the window, its pages and the shared commit rules
//   mvObjBrowserLayout.cpp  RefreshBrowserLayout and LoadBrowserValues
//   mvObjBrowserBasic.cpp   the general page's edits (geometry, ID, name, type, align, tab)
//   mvObjBrowserMore.cpp    the more-properties page's edits (styles, tab pages, dialog)
//   mvObjBrowserList.*      the owner-drawn control list
#include <QHash>
#include <QWidget>
#include <functional>
#include <vector>

class DialogDocument;
class FileChooser;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TmvButtonEdit;
class TmvControl;
class TmvControlListBox;
class TmvNumberEdit;

class TObjBrowser : public QWidget {
    Q_OBJECT
public:
    explicit TObjBrowser(DialogDocument& doc, QWidget* parent = nullptr);
    ~TObjBrowser() override;

    // Who is told about refused values and asked before a page with controls is deleted.
    void SetInteraction(Prompter* prompt, FileChooser* files);
    // Where the setting "PromptTab" is read: deleting a tab page with controls asks first.
    void SetPromptTab(std::function<bool()> setting) { promptTab_ = std::move(setting); }

    // --- The control list. None of these selects anything through the list's own event.
    void AddControlEntry(TmvControl* control);
    void RemoveControlEntry(TmvControl* control);
    void SelectControlEntry(TmvControl* control);
    // The entry shows the control's current name; for none the list only repaints.
    void RenameControlEntry(TmvControl* control);
    // The whole list again from the document, after it was filled in bulk.
    void RebuildControlList();

    // --- Which boxes the current control (none: the dialog) has, and their values.
    void RefreshBrowserLayout(TmvControl* control);
    void LoadBrowserValues();
    // The E key on the surface: the caption box (the tab page's for the tab control) gets the
    // focus with its text selected.
    void FocusCaptionEditor(TmvControl* control);

    // The size that shows the general page and the largest group of the other page.
    QSize NaturalSize();
    QSize sizeHint() const override;

    bool BrowserLive() const { return live_; }
    bool ListUpdating() const { return listUpdating_; }

    // --- Components, named as on the form.
    TmvControlListBox* ControlList;
    QTabWidget* obpPages;
    QWidget* obpTabBasic;
    QWidget* obpTabMore;

    QLabel* lblCaption;
    QLineEdit* propsCaption;
    QCheckBox* propsNoQuotes;
    QLabel* lblPosition;
    TmvNumberEdit* propsPosX;
    TmvNumberEdit* propsPosY;
    TmvNumberEdit* propsSizeW;
    TmvNumberEdit* propsSizeH;
    QLabel* lblType;
    QComboBox* propsType;
    QLabel* lblAlign;
    QComboBox* propsAlign;
    QLabel* lblTab;
    QComboBox* propsTab;
    QLabel* lblStyles;
    QCheckBox* propsDisabled;
    QCheckBox* propsResult;
    QCheckBox* propsGroup;
    QCheckBox* propsHidden;
    QLabel* lblName;
    QLineEdit* propsName;
    QCheckBox* propsStaticID;
    TmvNumberEdit* propsID;

    QLabel* NoStyles;
    QGroupBox* grButton;
    QCheckBox* grsButtonDefault;
    QCheckBox* grsButtonFlat;
    QCheckBox* grsButtonMulti;
    QGroupBox* grEdit;
    QCheckBox* grsEditRead;
    QCheckBox* grsEditPass;
    QCheckBox* grsEditMulti;
    QCheckBox* grsEditReturn;
    QCheckBox* grsEditAutohs;
    QCheckBox* grsEditAutovs;
    QCheckBox* grsEditHsbar;
    QCheckBox* grsEditVsbar;
    TmvNumberEdit* grsEditLimit;
    QGroupBox* grCombo;
    QCheckBox* grsComboSort;
    QCheckBox* grsComboEdit;
    QCheckBox* grsComboSize;
    QCheckBox* grsComboHsbar;
    QCheckBox* grsComboVsbar;
    TmvNumberEdit* grsComboLimit;
    QGroupBox* grList;
    QCheckBox* grsListSort;
    QCheckBox* grsListExtsel;
    QCheckBox* grsListSize;
    QCheckBox* grsListHsbar;
    QCheckBox* grsListVsbar;
    QGroupBox* grText;
    QCheckBox* grsTextAutoSize;
    QCheckBox* grsTextNoWrap;
    QGroupBox* grLink;
    QCheckBox* grsLinkAutoSize;
    QGroupBox* grCheck;
    QCheckBox* grsCheck3state;
    QCheckBox* grsCheckFlat;
    QGroupBox* grRadio;
    QCheckBox* grsRadioFlat;
    QGroupBox* grIcon;
    QCheckBox* grsIconNoborder;
    TmvButtonEdit* grsIconPath;
    TmvNumberEdit* grsIconIndex;
    QGroupBox* grScroll;
    TmvNumberEdit* grsScrollRange;
    TmvNumberEdit* grsScrollRange2;
    QGroupBox* grTab;
    QComboBox* grsTabActive;
    QPushButton* grsTabAdd;
    QPushButton* grsTabDelete;
    QLineEdit* grsTabName;
    QCheckBox* grsTabNoQuotes;
    QCheckBox* grsTabStaticID;
    TmvNumberEdit* grsTabID;
    QGroupBox* grDialog;
    QCheckBox* grsDialogDBU;
    TmvButtonEdit* grsDialogIconPath;
    TmvNumberEdit* grsDialogIconIndex;
    QCheckBox* grsDialogCenter;
    QCheckBox* grsDialogLocal;
    QCheckBox* grsDialogNoTheme;
    // The current control's style words that the designer does not model.
    QLabel* lblOtherStyles;
    QLineEdit* grsOtherStyles;

signals:
    // A value was written into the document (one committed edit).
    void DocumentEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A check box of a type group: which type it belongs to and the property it shows and sets.
    struct StyleCheck {
        QCheckBox* Box;
        int Type;
        std::function<bool(const TmvControl&)> Get;
        std::function<void(TmvControl&, bool)> Set;
    };
    // A number box of a type group, likewise.
    struct StyleNumber {
        TmvNumberEdit* Box;
        int Type;
        std::function<int(const TmvControl&)> Get;
        std::function<void(TmvControl&, int)> Set;
    };

    // Building (mvObjBrowser.cpp, mvObjBrowserMore.cpp).
    void BuildBasicPage();
    void BuildMorePage();
    void BuildTypeGroups(class QVBoxLayout* page);
    void BuildTabGroup(class QVBoxLayout* page);
    void BuildDialogGroup(class QVBoxLayout* page);
    // A number box taking minValue to maxValue. Its commits run through one rule: Enter always,
    // leaving the box only while at most one control is selected (for boxes that apply to every
    // selected control); a text that is not a number in the range is refused and the box shows
    // its value again.
    TmvNumberEdit* NumberBox(const char* name, int minValue, int maxValue,
                             std::function<void(int)> commit, bool multiTarget);
    // Escape restores what the browser shows in the box.
    void WatchTextBox(QLineEdit* box);

    // Shared rules.
    DialogDocument& doc_;
    TmvControl* Current() const;
    // The controls an edit applies to: the selection, or the current control alone.
    std::vector<TmvControl*> Targets() const;
    bool SameTypeSelected() const;
    // A committed edit: the document is modified and the surface repaints.
    void Edited();
    // Puts text into a box and remembers it as what the browser shows (Escape restores it).
    void Show(QLineEdit* box, const QString& text);
    void ShowNumber(TmvNumberEdit* box, int value);
    // Checked or not; `differs`: partly checked, for controls that differ.
    void ShowCheck(QCheckBox* box, bool on, bool differs);
    void RestoreShown(QLineEdit* box);
    // Says why a typed value was refused, at the box.
    void TellRefused(QLineEdit* box, const QString& why);
    void Warn(const QString& caption, const QString& text);

    // Layout and values (mvObjBrowserLayout.cpp).
    void EmptyBasicBoxes();
    void FillList(QLabel* label, QComboBox* list, const QStringList& items);
    void ApplyTypeRow(int type);
    QGroupBox* GroupOfType(int type) const;
    void LoadDialogValues();
    void LoadControlValues(TmvControl* control);
    void LoadTabGroup();

    // The general page's edits (mvObjBrowserBasic.cpp).
    void ConnectBasicPage();
    void CaptionEdited(const QString& text);
    void NoQuotesClicked(bool on);
    void GeometryCommitted(int tag, int value);
    void ApplyGeometry(int tag, int pixels);
    void DialogGeometryCommitted(int tag, int value);
    void IdCommitted(TmvNumberEdit* box, int value);
    void NameCommitted();
    void TypeChosen(int index);
    void AlignChosen(int index);
    void TabChosen(int index);
    void StyleFlagClicked(int tag, bool on);
    void StaticIdClicked(bool on);
    void ControlChosen(int row);

    // The more-properties page's edits (mvObjBrowserMore.cpp).
    void ConnectMorePage();
    void StyleCheckClicked(const StyleCheck& check, bool on);
    void StyleNumberCommitted(const StyleNumber& number, int value);
    void TabActiveChosen(int index);
    void TabAddClicked();
    void TabDeleteClicked();
    void TabCaptionEdited(const QString& text);
    void DbuClicked(bool on);
    void ChooseIconFile(TmvButtonEdit* box);
    void IconPathEdited(const QString& text);
    void DialogIconPathEdited(const QString& text);
    void OtherStylesEdited(const QString& text);

    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    std::function<bool()> promptTab_;
    bool live_ = true;
    bool listUpdating_ = false;
    bool listStale_ = false;  // the document was filled in bulk; the list waits for a rebuild
    bool committing_ = false; // a commit's own message box must not commit again
    std::vector<StyleCheck> styleChecks_;
    std::vector<StyleNumber> styleNumbers_;
    std::vector<QWidget*> basicBoxes_; // the general page's boxes, emptied by each layout
    QHash<QLineEdit*, QString> shown_;
    struct NumberWatch {
        int Min = 0;
        int Max = 0;
        std::function<void(int)> Commit;
        bool MultiTarget = false; // applies to every selected control
    };
    QHash<TmvNumberEdit*, NumberWatch> numbers_;
    void NumberCommitRequested(TmvNumberEdit* box, bool fromExit);
};
