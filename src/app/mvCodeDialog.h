#pragma once
// The dialog-table viewer: the table built afresh on every showing, read-only, and a button
// that copies it. A second page shows the event handlers the dialog needs.
#include <QDialog>
#include <QStringList>

class DialogDocument;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TCodeDialog : public QDialog {
    Q_OBJECT
public:
    TCodeDialog(const DialogDocument& doc, QWidget* mainWindow);

    void CopyTableToClipboard();
    // "Kopyala": what the page shown holds.
    void CopyShownPage();

    QTabWidget* CodePages; // "Tablo", "Olaylar"
    QPlainTextEdit* CodeMemo;
    QPlainTextEdit* EventMemo;
    QPushButton* btnCopy;
    QPushButton* btnClose;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const DialogDocument& doc_;
    QWidget* mainWindow_;
    bool placed_ = false;
};

// Lines as plain text, a CR LF after every line, on the clipboard.
void CopyLinesToClipboard(const QStringList& lines);
// The whole table so.
void CopyTableToClipboard(const DialogDocument& doc);
// The event handlers so.
void CopyEventsToClipboard(const DialogDocument& doc);
