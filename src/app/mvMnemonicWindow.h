#pragma once
// "Erişim Tuşları": the access keys used more than once, one line each with the controls or
// menu entries that share it. Choosing a line selects its controls on the surface, showing
// their page. The window stays open beside the dialog; the command fills it again.
#include <QDialog>
#include <vector>

#include "surface/mvMnemonics.h"

class DialogDocument;
class QLabel;
class QListWidget;
class QPushButton;

class TMnemonicWindow : public QDialog {
    Q_OBJECT
public:
    explicit TMnemonicWindow(DialogDocument& doc, QWidget* parent = nullptr);

    QLabel* Summary;
    QListWidget* ClashList;
    QPushButton* CloseButton;

    // Looks through the dialog and its menus again.
    void Refresh();
    // Selects the line's controls; a menu line selects nothing.
    void Choose(int row);

private:
    DialogDocument& doc_;
    std::vector<TmvMnemonicClash> clashes_; // one per line
};
