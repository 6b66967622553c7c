#pragma once
// "Script'e Yaz" when the project has no script to write into, or its script no longer holds
// the table: the user picks a script, and in it a table to replace or the end to add the table
// at (optionally with its event handlers).
#include <QDialog>

class FileChooser;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TScriptWriteDialog : public QDialog {
    Q_OBJECT
public:
    explicit TScriptWriteDialog(QWidget* parent = nullptr);

    void SetInteraction(Prompter* prompt, FileChooser* files);
    // Why the choice is asked for (shown above it), the script to list first and the table to
    // select in it when it has one by that name; scripts that are not UTF-8 are read in
    // `legacyCodePage`.
    void Prepare(const QString& note, const QString& scriptPath, const QString& table,
                 int legacyCodePage);
    // Lists the tables of the script and the entry that adds at the end; FALSE, after an error
    // box, when it cannot be read (nothing can be written then).
    bool ListScript(const QString& path);
    // "Seç...": another script.
    void BrowseClick();

    // The choice, once accepted.
    QString ScriptPath() const { return scriptPath_; }
    QString TableToReplace() const; // empty: add at the end
    bool AddSkeleton() const;

    QLabel* lblNote;
    QLineEdit* edtScript;
    QPushButton* btnBrowse;
    QListWidget* lstTables; // the tables by name, then the entry that adds at the end
    QCheckBox* chkSkeleton;
    QPushButton* btnWrite;
    QPushButton* btnCancel;

private:
    void UpdateButtons();

    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    QString scriptPath_;
    QString preferred_;
    int codePage_ = 0;
};

// The caption of the command's window, and of its message boxes.
inline const QString kScriptWriteCaption = QStringLiteral("Script'e Yaz");
inline const QString kScriptWriteMessageCaption = QStringLiteral("Write Into Script");
