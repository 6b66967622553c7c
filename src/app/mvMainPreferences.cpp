// The main window's preferences command.
#include <QAction>
#include <QPushButton>

#include "app/mvMain.h"
#include "app/mvWindowUtils.h"
#include "io/mvConfigDialog.h"

void TMain::CreateConfigDialog() {
    configDialog_ = new TConfigDialog(settings_, controlDefaults_, this);
    configDialog_->SettingsApplied = [this] { ApplySettings(); };
    connect(mmPreferences, &QAction::triggered, this, &TMain::PreferencesCommand);
}

void TMain::PreferencesCommand() {
    // The start-up work first: the dialog shows the settings as loaded.
    FirstShow();
    configDialog_->SetInteraction(prompt_, files_);
    // Over the main window where it is now, not where it was at start-up.
    CenterOnMainForm(configDialog_, this);
    configDialog_->exec();
    configDialog_->btnOK->setDefault(true);
    configDialog_->btnOK->setFocus();
}
