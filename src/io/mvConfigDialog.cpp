#include "io/mvConfigDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "io/mvCodePages.h"
#include "io/mvColorSwatch.h"
#include "io/mvDefaultsEditor.h"
#include "model/mvEdits.h"
#include "surface/mvInteraction.h"

TConfigDialog::TConfigDialog(Settings& settings, ControlDefaultsSet& defaults, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), defaults_(defaults) {
    setObjectName(QStringLiteral("ConfigDialog"));
    setWindowTitle(QStringLiteral("Preferences"));
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addTab(BuildGeneralPage(), QStringLiteral("General"));
    Pages->addTab(BuildControlsPage(), QStringLiteral("Controls"));
    DefaultsEditor = new TmvDefaultsEditor;
    Pages->addTab(DefaultsEditor, QStringLiteral("Defaults"));
    Pages->addTab(BuildGridPage(), QStringLiteral("Grid"));
    Pages->addTab(BuildMiscPage(), QStringLiteral("Miscellaneous"));
    Pages->setCurrentIndex(0);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnApply = new QPushButton(QStringLiteral("&Apply"), this);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(btnOK, &QPushButton::clicked, this, &TConfigDialog::OkClick);
    connect(btnApply, &QPushButton::clicked, this, &TConfigDialog::ApplyClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnApply);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    layout->addLayout(buttons);
    LoadFromSettings();
}

void TConfigDialog::SetInteraction(Prompter* prompt, FileChooser* files) {
    prompt_ = prompt;
    files_ = files;
}

void TConfigDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) LoadFromSettings();
    QDialog::showEvent(event);
}

void TConfigDialog::LoadFromSettings() {
    const Settings& s = settings_;
    for (const auto& [box, field] : checks_)
        box->setChecked(s.*field);
    cfGenMircDDE->setText(s.DDEName);
    cfGenProjectPath->setText(s.DefProjectPath);
    int codePage = cfGenCodePage->findData(s.LegacyCodePage);
    // A code page the list does not name is kept as it is.
    if (codePage < 0) {
        cfGenCodePage->addItem(CodePageLabel(s.LegacyCodePage), s.LegacyCodePage);
        codePage = cfGenCodePage->count() - 1;
    }
    cfGenCodePage->setCurrentIndex(codePage);
    cfGenAutoSaveSeconds->SetValue(s.AutoSaveSeconds);

    cfDefHotTrackColor->SetColorRef(s.HotTrackColor);
    cfAutoStartSize->setChecked(s.AutoStartSize);
    cfAutoStartMove->setChecked(!s.AutoStartSize && s.AutoStartMove);
    cfAutoStartNone->setChecked(!s.AutoStartSize && !s.AutoStartMove);

    cfGridSizeX->SetValue(s.GridSizeX);
    cfGridSizeY->SetValue(s.GridSizeY);
    cfGridColor->SetColorRef(s.GridColor);
    cfGridStyleLine->setChecked(s.GridType != 0);
    cfGridStyleDot->setChecked(s.GridType == 0);
    cfConStartID->SetValue(s.StartID);

    DefaultsEditor->SetRecords(defaults_);
}

bool TConfigDialog::Refuse(QWidget* box, const QString& reason) {
    for (int i = 0; i < Pages->count(); ++i)
        if (Pages->widget(i)->isAncestorOf(box)) Pages->setCurrentIndex(i);
    box->setFocus();
    if (prompt_) prompt_->Warning(kPreferencesCaption, reason);
    return false;
}

int TConfigDialog::Kept(TmvNumberEdit* edit, const QString& what, QStringList& notes) const {
    const int value = edit->Value();
    if (edit->text().trimmed() != QString::number(value))
        notes << QStringLiteral("%1 must be a whole number from %2 to %3: \"%4\" was taken as %5.")
                     .arg(what)
                     .arg(edit->MinValue)
                     .arg(edit->MaxValue)
                     .arg(edit->text())
                     .arg(value);
    return value;
}

bool TConfigDialog::ApplyClick() {
    // Refused values first: nothing is stored while one is left.
    const QString ddeName = cfGenMircDDE->text().trimmed();
    if (ddeName.isEmpty())
        return Refuse(cfGenMircDDE, QStringLiteral("The DDE name of mIRC cannot be empty; "
                                                   "mIRC's own is \"mIRC\"."));
    const QString folder = cfGenProjectPath->text().trimmed();
    if (!folder.isEmpty() && !QDir(folder).exists())
        return Refuse(cfGenProjectPath,
                      QStringLiteral("The project folder \"%1\" does not exist.").arg(folder));

    Settings& s = settings_;
    for (const auto& [box, field] : checks_)
        s.*field = box->isChecked();
    s.DDEName = ddeName;
    s.DefProjectPath = folder;
    s.LegacyCodePage = cfGenCodePage->currentData().toInt();
    s.HotTrackColor = cfDefHotTrackColor->ColorRef();
    s.AutoStartSize = cfAutoStartSize->isChecked();
    s.AutoStartMove = cfAutoStartMove->isChecked();
    // Numbers out of bounds are clamped; the boxes then show what was kept, and why.
    QStringList notes;
    s.GridSizeX = Kept(cfGridSizeX, QStringLiteral("The grid width"), notes);
    s.GridSizeY = Kept(cfGridSizeY, QStringLiteral("The grid height"), notes);
    s.StartID = Kept(cfConStartID, QStringLiteral("The first control ID"), notes);
    s.AutoSaveSeconds = Kept(cfGenAutoSaveSeconds, QStringLiteral("The autosave delay"), notes);
    cfGenAutoSaveSeconds->SetValue(s.AutoSaveSeconds);
    cfGridSizeX->SetValue(s.GridSizeX);
    cfGridSizeY->SetValue(s.GridSizeY);
    cfConStartID->SetValue(s.StartID);
    cfGenMircDDE->setText(s.DDEName);
    s.GridColor = cfGridColor->ColorRef();
    s.GridType = cfGridStyleLine->isChecked() ? 1 : 0;

    defaults_ = DefaultsEditor->Records();
    if (SettingsApplied) SettingsApplied();
    if (!notes.isEmpty() && prompt_) prompt_->Information(kPreferencesCaption, notes.join('\n'));
    return true;
}

void TConfigDialog::OkClick() {
    if (ApplyClick()) accept();
}

void TConfigDialog::BrowseProjectFolder() {
    if (!files_) return;
    TmvFileRequest request;
    request.Title = QStringLiteral("Choose project folder:");
    request.InitialFolder = cfGenProjectPath->text();
    const QString folder = files_->ChooseFolder(request);
    if (!folder.isEmpty()) cfGenProjectPath->setText(QDir::toNativeSeparators(folder));
}
