#pragma once
// "Import Dialog Table...": a pasted or typed table handed to the import. Shown, it takes the
// clipboard's plain text. An import without errors closes it; one with errors keeps it open with
// the text, so the table can be mended and imported again.
#include <QDialog>
#include <functional>

#include "io/mvImport.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TImportForm : public QDialog {
    Q_OBJECT
public:
    explicit TImportForm(QWidget* mainWindow = nullptr);

    // Runs the import of the memo's lines (a pasted table: no script and no code page).
    std::function<TmvImportResult(const QStringList& lines, const TmvImportOptions& origin)>
        ImportLines;

    void ImportClick();
    // The memo emptied, then filled with the clipboard's plain text when it holds some.
    void FillFromClipboard();

    QLabel* Label1;
    QPlainTextEdit* ImportMemo;
    QPushButton* btnImport;
    QPushButton* btnClear;
    QPushButton* btnClose;
    QLabel* lblResult; // why the window stayed open

protected:
    void showEvent(QShowEvent* event) override;
};
