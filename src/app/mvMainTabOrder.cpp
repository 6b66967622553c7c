// The main window's tab-order mode ("Sıra Düzenle"): the command in the Extra menu and on the
// toolbar, and, while the mode is on, the editing held back so that only the order changes.
#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QToolBar>

#include "app/mvArrangeCommands.h"
#include "app/mvEditCommands.h"
#include "app/mvMain.h"
#include "app/mvObjBrowser.h"
#include "app/mvObjPalette.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvMainDialog.h"
#include "surface/mvMenuEditor.h"

namespace {
// Two numbered badges, as the mode shows them.
QIcon TabOrderIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    const auto badge = [&painter](const QRect& r, const QColor& fill, const QColor& ink,
                                  const QString& text) {
        painter.setPen(Qt::black);
        painter.setBrush(fill);
        painter.drawRect(r);
        painter.setPen(ink);
        painter.drawText(r, Qt::AlignCenter, text);
    };
    badge(QRect(1, 2, 10, 9), QColor(0, 0, 128), Qt::white, QStringLiteral("1"));
    badge(QRect(8, 9, 10, 9), QColor(255, 255, 192), Qt::black, QStringLiteral("2"));
    return QIcon(picture);
}
} // namespace

void TMain::CreateTabOrderCommand() {
    actTabOrder = MakeAction("actTabOrder", QStringLiteral("&Sıra Düzenle"),
                             QKeySequence(Qt::CTRL | Qt::Key_D), QStringLiteral("Sıra Düzenle"));
    actTabOrder->setIcon(TabOrderIcon());
    actTabOrder->setCheckable(true);
    mmTools->addAction(actTabOrder);
    tb->addSeparator();
    tb->addAction(actTabOrder);
    if (QWidget* button = tb->widgetForAction(actTabOrder)) button->setFixedSize(27, 26);
    connect(actTabOrder, &QAction::toggled, surface_, &TMainDialog::SetTabOrderMode);
    connect(surface_, &TMainDialog::TabOrderModeChanged, this, &TMain::TabOrderModeChanged);
}

void TMain::TabOrderModeChanged(bool on) {
    actTabOrder->setChecked(on);
    TEditCommands& edit = *editCommands_;
    // Commands that change the dialog, and the windows that edit it, wait for the mode's end.
    const QList<QAction*> commands = {ccpdCut,
                                      ccpdCopy,
                                      ccpdPaste,
                                      ccpdDelete,
                                      mmSelectAll,
                                      mmDeleteAll,
                                      mmReorder,
                                      impFile,
                                      impClipboard,
                                      actFileNew,
                                      actFileOpen,
                                      edit.mmDuplicate,
                                      edit.mmBringToFront,
                                      edit.mmBringForward,
                                      edit.mmSendBackward,
                                      edit.mmSendToBack};
    for (QAction* command : commands)
        command->setEnabled(!on);
    mmRecent->setEnabled(!on && !Recent.isEmpty());
    if (arrangeCommands_) arrangeCommands_->SetSuspended(on);
    for (QWidget* window : {static_cast<QWidget*>(browser_),
                            palette_ ? static_cast<QWidget*>(palette_->Frame()) : nullptr,
                            menuEditor_ ? static_cast<QWidget*>(menuEditor_->Frame()) : nullptr})
        if (window) window->setEnabled(!on);
    if (on) return;
    // What follows the current control and the clipboard comes back as they say.
    edit.CurrentControlChanged(document_->CurrentControl);
    edit.UpdatePaste();
    surface_->setFocus();
}
