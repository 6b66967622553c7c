#pragma once
// "Unhide Controls": the controls hidden on the surface, in the order they were hidden; the
// entries chosen are shown again.
#include <QDialog>
#include <vector>

class DialogDocument;
class TmvControl;
class QListWidget;
class QPushButton;

class TUnhideControls : public QDialog {
    Q_OBJECT
public:
    explicit TUnhideControls(DialogDocument& doc, QWidget* parent = nullptr);

    QListWidget* HiddenList;
    QPushButton* UnhideButton;
    QPushButton* CancelButton;

    // Unhides every chosen entry and closes.
    void accept() override;

private:
    DialogDocument& doc_;
    std::vector<TmvControl*> controls_; // one per list entry
};
