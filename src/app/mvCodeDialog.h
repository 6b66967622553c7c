#pragma once
// The dialog-table viewer: the table built afresh on every showing, read-only, and a button
// that copies it.
#include <QDialog>

class DialogDocument;
class QPlainTextEdit;
class QPushButton;

class TCodeDialog : public QDialog {
    Q_OBJECT
public:
    TCodeDialog(const DialogDocument& doc, QWidget* mainWindow);

    void CopyTableToClipboard();

    QPlainTextEdit* CodeMemo;
    QPushButton* btnCopy;
    QPushButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const DialogDocument& doc_;
    QWidget* mainWindow_;
    bool placed_ = false;
};

// The whole table as plain text, a CR LF after every line, on the clipboard.
void CopyTableToClipboard(const DialogDocument& doc);
