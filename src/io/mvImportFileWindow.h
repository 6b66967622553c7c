#pragma once
// "Import from File...": the dialog tables of an mIRC script listed by name, and the chosen one
// handed to the import. The window only finds and collects the lines; whoever shows it runs
// the import (a new project, the status window) through ImportLines.
#include <QDialog>
#include <functional>

#include "io/mvImport.h"

class FileChooser;
class Prompter;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Scripts larger than this are refused before they are read: no mIRC script comes near it,
// and reading one would only exhaust the memory.
constexpr qint64 kMaxScriptFileBytes = 128LL * 1024 * 1024;

class TImportFile : public QDialog {
    Q_OBJECT
public:
    explicit TImportFile(QWidget* parent = nullptr);

    void SetInteraction(Prompter* prompt, FileChooser* files);
    // Runs the import of a table's lines; the window closes unless it was cancelled.
    std::function<TmvImportResult(const QStringList& lines)> ImportLines;

    // "Select file..": asks for a script (starting at the last one chosen) and lists its tables.
    void SelectFileClick();
    // Lists the tables of the script at path, which becomes the last one chosen; FALSE, after
    // an error box, when it cannot be read (the list is then empty).
    bool ListTables(const QString& path);
    // "Import" and a double click: the selected table's lines to ImportLines.
    void ImportClick();

    // The last script chosen while the program runs.
    const QString& ScriptPath() const { return scriptPath_; }

    QLabel* Label1;
    QListWidget* Sel; // each entry carries its header's 0-based line index
    QPushButton* Button1;
    QPushButton* ImportBtn;
    QPushButton* CancelBtn;

private:
    bool ReadScript(const QString& path, QStringList* lines);

    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    QString scriptPath_;
};
