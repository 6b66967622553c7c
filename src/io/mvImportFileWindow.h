#pragma once
// "Import from File...": the dialog tables of an mIRC script listed by name, and the chosen one
// handed to the import. The window only finds and collects the lines; whoever shows it runs
// the import (a new project, the status window) through ImportLines.
#include <QDialog>
#include <functional>

#include "io/mvImport.h"
#include "io/mvTextFile.h"

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
    // The Windows code page of scripts that are not UTF-8 (the setting "LegacyCodePage").
    void SetLegacyCodePage(int codePage) { legacyCodePage_ = codePage; }
    // Runs the import of a table's lines; `origin` tells where they come from (the script's line
    // of the first, the code page that read it). The window closes once something is imported.
    std::function<TmvImportResult(const QStringList& lines, const TmvImportOptions& origin)>
        ImportLines;

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
    // *readIn: the code page that read the script, 0 when it was UTF-8.
    bool ReadScript(const QString& path, QStringList* lines, int* readIn = nullptr);

    Prompter* prompt_ = nullptr;
    FileChooser* files_ = nullptr;
    QString scriptPath_;
    int legacyCodePage_ = kProgramCodePage;
};
