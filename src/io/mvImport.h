#pragma once
// Reading a dialog table back into a project. ImportTable starts a new project, reads the
// dialog-level, menu and control lines, creates the controls and the menu tree, and reports
// progress and every bad value, with its line, in the status window. A bad value is reported
// and skipped; the import always goes on to the end.
//
// Parts: mvImport.cpp (the whole run and the reports), mvImportLine.cpp (one line at a time),
// mvImportControl.cpp (controls and their styles), mvImportFields.h (splitting the text).
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "io/mvImportFields.h"
#include "surface/mvInteraction.h"

class DialogDocument;
class TmvControl;

// What the dialog-level lines said, collected while reading.
struct ImportedDialog {
    QString TableName = QStringLiteral("import_table");
    bool Local = false;
    QString Title;
    bool NoTitleLine = true;
    bool TitleQuoted = true; // the title line's text was between double quotes
    int X = -1;
    int Y = -1;
    int W = 320;
    int H = 240;
    bool SizeLineSeen = false;
    bool UseDbu = false;
    bool NoTheme = false;
    QString IconPath;
    int IconIndex = 0;
    int MenuLines = 0;
    bool TabControlCreated = false;
    bool ErrorsOccurred = false;
    bool EndOfTable = false;
    int MenuParent = -1;
};

// One control line, kept until every line has been read.
class TmvImportClass {
public:
    int ControlType = 12; // 12: a keyword outside the control table
    TmvImportFields Fields;
    int LineNumber = 0; // 1-based
    bool Quoted = false;
};

// The preferences an import reads, and how it starts its new project.
struct TmvImportOptions {
    bool CloseStatus = true; // [Import] "CloseStatus": hide the status window after a clean run
    // Offers to save the current project and starts a new one (the designer passes the project
    // file's NewProject); false keeps the current project and cancels the import. Unset, the
    // document is reset for a new project without asking (the command line, tests).
    std::function<bool(DialogDocument&)> StartNewProject;
};

enum class TmvImportResult {
    Cancelled,  // the user kept the current project; nothing was imported
    Imported,   // every line was read without a report
    WithErrors, // imported, and the status window lists what was skipped
};

// The reader of one table into one document.
class TmvImporter {
public:
    TmvImporter(DialogDocument& document, StatusSink& status, const QStringList& lines);

    // Reads one line (1-based number): dialog-level and menu lines take effect at once,
    // control lines are kept as records for CreateImportedControl.
    void ParseLine(const QString& line, int number);
    // Applies what the dialog-level lines said to the document.
    void ApplyDialogProperties();
    // Creates a recorded control (or adds a page to the tab control); reports and skips a
    // record whose ID or rectangle is not a whole number.
    void CreateImportedControl(const TmvImportClass& record);
    // Sets every style flag of the control to what the style list says (whole words).
    void ApplyImportedStyles(TmvControl& control, const QString& styles, int number);
    // "Error: %s: "%s"", "   Line %d: %s" and an empty line; marks the import as failed.
    void ReportImportError(const QString& message, const QString& text, int number);

    const ImportedDialog& Info() const { return info_; }
    const std::vector<std::unique_ptr<TmvImportClass>>& Records() const { return records_; }

private:
    void ParseDialogIcon(const QString& rest);
    void ParseMenuLine(const QString& keyword, const QString& rest, int number);
    void ParseDialogLine(const QString& rest);
    void ParseTitleLine(const QString& rest);
    void ParseSizeLine(const QString& rest, int number);
    void ParseOptionLine(const QString& rest);
    // Adds a page to the tab control from a "tab" record.
    void AddImportedPage(const TmvImportClass& record);
    // The icon's file and index, taken off the front of its style list; returns the rest.
    QString TakeIconFile(TmvControl& icon, const QString& styles);

    DialogDocument& doc_;
    StatusSink& status_;
    const QStringList& lines_;
    ImportedDialog info_;
    std::vector<std::unique_ptr<TmvImportClass>> records_;
};

// The whole import of a table's lines into the document, as the import windows and the
// command line run it.
TmvImportResult ImportTable(DialogDocument& document, const QStringList& lines,
                            const TmvInteraction& ui, const TmvImportOptions& options = {});
