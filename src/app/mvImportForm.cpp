#include "app/mvImportForm.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/mvWindowUtils.h"
#include "io/mvImportFile.h"

TImportForm::TImportForm(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ImportForm"));
    setWindowTitle(QStringLiteral("Import Dialog Table..."));
    Label1 = new QLabel(QStringLiteral("&Paste dialog table to be imported:"), this);
    ImportMemo = new QPlainTextEdit(this);
    ImportMemo->setObjectName(QStringLiteral("ImportMemo"));
    SetTableMemoLook(ImportMemo);
    Label1->setBuddy(ImportMemo);

    btnImport = new QPushButton(QStringLiteral("Import"), this);
    btnImport->setObjectName(QStringLiteral("btnImport"));
    btnImport->setDefault(true);
    btnClear = new QPushButton(QStringLiteral("Clear"), this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    connect(btnImport, &QPushButton::clicked, this, &TImportForm::ImportClick);
    connect(btnClear, &QPushButton::clicked, ImportMemo, &QPlainTextEdit::clear);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnClear);
    buttons->addWidget(lblResult, 1);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ImportMemo, 1);
    layout->addLayout(buttons);

    resize(535, 455);
    setMinimumSize(ScaleByFont(245),
                   ScaleByFont(95) + Label1->sizeHint().height() + btnImport->sizeHint().height());
    CenterOnMainForm(this, mainWindow);
}

void TImportForm::FillFromClipboard() {
    ImportMemo->clear();
    // Plain text only: a picture, or rich text without a plain form, leaves the memo empty.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText()) ImportMemo->setPlainText(data->text());
}

void TImportForm::showEvent(QShowEvent* event) {
    // Not when the window comes back from being minimised: the user's text stays.
    if (!event->spontaneous()) {
        FillFromClipboard();
        lblResult->clear();
        btnImport->setFocus();
    }
    QDialog::showEvent(event);
}

void TImportForm::ImportClick() {
    if (!ImportLines) return;
    const QString text = ImportMemo->toPlainText();
    // Nothing to read replaces no project.
    if (text.trimmed().isEmpty()) {
        lblResult->setText(QStringLiteral("There is no dialog table to import."));
        return;
    }
    switch (ImportLines(SplitTextLines(text), {})) {
    case TmvImportResult::Imported:
        accept();
        break;
    case TmvImportResult::WithErrors:
        lblResult->setText(
            QStringLiteral("The table was imported with errors; the status window lists them."));
        break;
    case TmvImportResult::Refused:
        lblResult->setText(QStringLiteral(
            "Nothing was imported: the table holds nothing to read; the status window says why."));
        break;
    case TmvImportResult::Cancelled:
        break;
    }
}
