#pragma once
// The preferences dialog: five pages over the live settings and control defaults. Shown, it
// fills every box from the settings and takes a working copy of the defaults; "&Apply" stores
// every box into the settings and the working copy into the live defaults and tells its owner,
// who makes them take effect; OK applies and closes; Cancel drops what was not applied. Nothing
// is written to disk here: the settings files are written when the program closes.
//
// Parts: mvConfigDialog.cpp (filling, applying, checking), mvConfigPages.cpp (the pages),
// mvDefaultsEditor.h (the "Defaults" page).
#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "surface/mvControlDefaults.h"
#include "surface/mvSettingsRecord.h"

class FileChooser;
class Prompter;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TmvButtonEdit;
class TmvColorSwatch;
class TmvDefaultsEditor;
class TmvNumberEdit;

inline const QString kPreferencesCaption = QStringLiteral("Preferences");
// The bounds the dialog keeps the numbers in.
constexpr int kMaxGridSize = 255;
constexpr int kMaxStartId = 3000;

class TConfigDialog : public QDialog {
    Q_OBJECT
public:
    TConfigDialog(Settings& settings, ControlDefaultsSet& defaults, QWidget* parent = nullptr);

    void SetInteraction(Prompter* prompt, FileChooser* files);
    // Run after every Apply: the owner makes the settings take effect.
    std::function<void()> SettingsApplied;

    // Every box from the live settings; a fresh working copy of the defaults.
    void LoadFromSettings();
    // "&Apply". FALSE, with a warning and nothing stored, when a value is refused.
    bool ApplyClick();
    // OK: Apply, then close when it was taken.
    void OkClick();
    // The folder chooser of the project folder box.
    void BrowseProjectFolder();

    QTabWidget* Pages;
    QPushButton* btnOK;
    QPushButton* btnApply;
    QPushButton* btnCancel;

    // General
    QCheckBox* cfGenSaveWindowPos;
    QCheckBox* cfGenUseDefaultFont;
    QLineEdit* cfGenMircDDE;
    TmvButtonEdit* cfGenProjectPath;
    QCheckBox* cfGenAutoAddOK;
    QComboBox* cfGenCodePage;
    TmvNumberEdit* cfGenAutoSaveSeconds;
    // Controls
    QCheckBox* cfDefAlwaysUseDBU;
    QCheckBox* cfDefAutoTab;
    QCheckBox* cfDefAutoBringToFront;
    QCheckBox* cfDefTextBorder;
    QCheckBox* cfDefHotTracking;
    TmvColorSwatch* cfDefHotTrackColor;
    QRadioButton* cfAutoStartSize;
    QRadioButton* cfAutoStartMove;
    QRadioButton* cfAutoStartNone; // neither: the control stays as placed
    // Defaults
    TmvDefaultsEditor* DefaultsEditor;
    // Grid
    QCheckBox* cfGridShow;
    QCheckBox* cfGridShowTabs;
    TmvNumberEdit* cfGridSizeX;
    TmvNumberEdit* cfGridSizeY;
    TmvColorSwatch* cfGridColor;
    QRadioButton* cfGridStyleLine;
    QRadioButton* cfGridStyleDot;
    QCheckBox* cfGridSnapMove;
    QCheckBox* cfGridSnapSize;
    QCheckBox* cfGridSnapDialog;
    QCheckBox* cfGridSnapGuides;
    // Miscellaneous
    TmvNumberEdit* cfConStartID;
    QCheckBox* cfPromptAll;
    QCheckBox* cfPromptTab;
    QCheckBox* cfProjectCloseStatus;
    QCheckBox* cfImportCloseStatus;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildGeneralPage();
    QWidget* BuildControlsPage();
    QWidget* BuildGridPage();
    QWidget* BuildMiscPage();
    QCheckBox* Bound(const QString& caption, bool Settings::*field, QWidget* parent);
    // A refused value: the box is shown and the reason told. Always FALSE.
    bool Refuse(QWidget* box, const QString& reason);
    // The number a box keeps, and a note when it differs from what was typed.
    int Kept(TmvNumberEdit* edit, const QString& what, QStringList& notes) const;

    Settings& settings_;
    ControlDefaultsSet& defaults_;
    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    std::vector<std::pair<QCheckBox*, bool Settings::*>> checks_;
};
