#pragma once
// The designed dialog as a working window ("Dialogu Dene"): a real widget per control at its
// rectangle, in the dialog's font and the classic Windows look, with the dialog's menu bar, and
// keys as a Windows dialog takes them. It reads the document and never writes it.
#include <QDialog>
#include <QHash>
#include <QSet>
#include <vector>

#include "app/mvTestWidgets.h"

class DialogDocument;
class QAbstractButton;
class QMenuBar;
class QPushButton;
class QTabWidget;
class TmvControl;
class TmvMenuNode;

class TTestDialog : public QDialog {
    Q_OBJECT
public:
    explicit TTestDialog(const DialogDocument& doc, QWidget* parent = nullptr);

    // The widget made for a control; none for a control the document does not hold.
    QWidget* WidgetOf(const TmvControl* control) const;
    // The area the dialog's size gives, under the menu bar.
    QWidget* ClientArea() const { return client_; }
    // None without menus.
    QMenuBar* DialogMenuBar() const { return menuBar_; }
    // How the window was closed and, for each control with "result", its value then:
    // e.g. The test dialog was closed with the "OK" button; result: "abc".
    QString ClosingMessage() const { return message_; }

    void done(int result) override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        const TmvControl* Control;
        TmvTestWidget Made;
        int Page; // of the tab control; -1 on the dialog
        int Group;
    };
    void BuildMenus(const DialogDocument& doc);
    void AddControl(const TmvControl& control, int page, bool dbu);
    void WireKeys();
    void ShowPage(int page);
    // Arrows inside a group of radio buttons: the next or previous one, wrapping, is chosen.
    bool MoveInGroup(QAbstractButton* from, int step);
    void PressDefault();
    void CloseWith(const QString& how, bool accepted);

    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    std::vector<Entry> entries_;
    QHash<const TmvControl*, size_t> index_;
    QHash<QObject*, size_t> radios_; // radio widget -> its entry
    QSet<QObject*> passesEnter_;     // multi-line edits without "return"
    int group_ = 0;
    bool tabHidden_ = false;
    QString closedBy_;
    QString message_;
};
