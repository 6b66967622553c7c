// The main window's access-key check ("Erişim Tuşları", Ctrl+M, in the Extra menu).
#include <QAction>
#include <QMenu>

#include "app/mvMain.h"
#include "app/mvMnemonicWindow.h"
#include "app/mvWindowUtils.h"

void TMain::CreateMnemonicCommand() {
    actMnemonics =
        MakeAction("actMnemonics", QStringLiteral("&Erişim Tuşlarını Denetle"),
                   QKeySequence(Qt::CTRL | Qt::Key_M), QStringLiteral("Erişim Tuşlarını Denetle"));
    mmTools->addAction(actMnemonics);
    connect(actMnemonics, &QAction::triggered, this, &TMain::MnemonicCheckCommand);
}

void TMain::MnemonicCheckCommand() {
    if (!mnemonics_) {
        mnemonics_ = new TMnemonicWindow(*document_, this);
        ApplyUiFont(mnemonics_, settings_.UseDefaultFont);
    }
    mnemonics_->Refresh();
    mnemonics_->show();
    mnemonics_->raise();
    mnemonics_->activateWindow();
}
