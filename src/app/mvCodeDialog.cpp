#include "app/mvCodeDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/mvWindowUtils.h"
#include "io/mvEventSkeleton.h"
#include "surface/mvDialogDocument.h"
#include "surface/mvDialogTable.h"

void CopyLinesToClipboard(const QStringList& lines) {
    // Plain text only: pasted into a script editor it must arrive as written.
    auto* data = new QMimeData;
    data->setText(JoinTableLines(lines));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CopyTableToClipboard(const DialogDocument& doc) {
    CopyLinesToClipboard(BuildDialogTable(doc));
}

void CopyEventsToClipboard(const DialogDocument& doc) {
    CopyLinesToClipboard(BuildEventSkeleton(doc));
}

TCodeDialog::TCodeDialog(const DialogDocument& doc, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      doc_(doc), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("CodeDialog"));
    CodeMemo = new QPlainTextEdit(this);
    CodeMemo->setObjectName(QStringLiteral("CodeMemo"));
    CodeMemo->setReadOnly(true);
    SetTableMemoLook(CodeMemo);
    EventMemo = new QPlainTextEdit(this);
    EventMemo->setObjectName(QStringLiteral("EventMemo"));
    EventMemo->setReadOnly(true);
    SetTableMemoLook(EventMemo);
    CodePages = new QTabWidget(this);
    CodePages->setObjectName(QStringLiteral("CodePages"));
    CodePages->addTab(CodeMemo, QStringLiteral("&Tablo"));
    CodePages->addTab(EventMemo, QStringLiteral("&Olaylar"));

    btnCopy = new QPushButton(QStringLiteral("Kopyala"), this);
    btnCopy->setObjectName(QStringLiteral("btnCopy"));
    btnCopy->setDefault(true);
    btnClose = new QPushButton(QStringLiteral("Kapat"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnCopy, &QPushButton::clicked, this, &TCodeDialog::CopyShownPage);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnCopy);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CodePages);
    layout->addLayout(buttons);

    resize(535, 455);
    setMinimumSize(ScaleByFont(165), ScaleByFont(75) + btnCopy->sizeHint().height());
}

void TCodeDialog::CopyTableToClipboard() {
    ::CopyTableToClipboard(doc_);
}

void TCodeDialog::CopyShownPage() {
    if (CodePages->currentWidget() == EventMemo)
        CopyEventsToClipboard(doc_);
    else
        CopyTableToClipboard();
}

void TCodeDialog::showEvent(QShowEvent* event) {
    // Centred once, over the main window as it is then: at creation it has not taken its
    // stored placement (maximised, say) yet. Later showings keep where the user put it.
    if (!placed_) {
        placed_ = true;
        CenterOnMainForm(this, mainWindow_);
    }
    setWindowTitle(QStringLiteral("Dialog Table: ") + doc_.TableName);
    // A fresh table every time: the memo's text is replaced, never added to.
    CodeMemo->setPlainText(BuildDialogTable(doc_).join(QLatin1Char('\n')));
    EventMemo->setPlainText(BuildEventSkeleton(doc_).join(QLatin1Char('\n')));
    btnCopy->setFocus();
    QDialog::showEvent(event);
}
