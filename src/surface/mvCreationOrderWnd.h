#pragma once
// "Control Creation Order": the controls of one container in the order the table lists them
// (and mIRC creates them). The chosen entries move up or down as a block; OK rewrites the
// container's order, and nothing else changes.
#include <QDialog>
#include <vector>

class DialogDocument;
class TmvControl;
class QListWidget;
class QPushButton;

class TCreationOrderWnd : public QDialog {
    Q_OBJECT
public:
    // `container`: a page of the tab control, or -1 for the dialog.
    TCreationOrderWnd(DialogDocument& doc, int container, QWidget* parent = nullptr);

    QListWidget* OrderList;
    QPushButton* UpButton;
    QPushButton* DownButton;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // Every chosen entry one place up (down); a chosen entry at the top (bottom) stays, and so
    // does the block of chosen entries it heads.
    void MoveUp();
    void MoveDown();
    // The controls in the order the list shows them.
    const std::vector<TmvControl*>& Order() const { return order_; }

    void accept() override;

private:
    void Move(int direction);
    void UpdateButtons();
    std::vector<bool> Chosen() const;

    DialogDocument& doc_;
    int container_;
    std::vector<TmvControl*> order_; // one per list entry
};
