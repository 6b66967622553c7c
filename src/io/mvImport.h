#pragma once
// Reading a dialog table back into a project. ImportTable starts a new project, reads the
// dialog-level, menu and control lines, creates the controls and the menu tree, and reports
// progress and every bad value, with its line, in the status window. A bad value is reported
// and skipped; the import always goes on to the end.
//
// Parts: mvImport.cpp (the whole run and the reports), mvImportLine.cpp (one line at a time),
// mvImportControl.cpp (controls and their styles), mvImportFields.h (splitting the text).
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "io/mvImportFields.h"
#include "surface/mvInteraction.h"

class DialogDocument;
class TmvControl;
class TmvScroll;

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
    QString OtherOptions; // option words the dialog does not model, as written
    QString IconPath;
    int IconIndex = 0;
    int MenuLines = 0;
    bool TabControlCreated = false;
    bool ErrorsOccurred = false;
    bool WarningsOccurred = false;
    bool HeaderSeen = false; // a "dialog" line was read
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
    // The script's line number of the table's first line, so that reports name both lines;
    // 0 for a table that is not part of a script (pasted text).
    int FirstFileLine = 0;
    // The Windows code page that read the script when it was not UTF-8; 0 when it was.
    int ReadInCodePage = 0;
};

enum class TmvImportResult {
    Cancelled,  // the user kept the current project; nothing was imported
    Imported,   // every line was read without an error (warnings may have been told)
    WithErrors, // imported, and the status window lists what was skipped
    Refused,    // nothing was imported: the table holds nothing to read, as the status window says
};

// When the table holds no line the parser reads beside its header (only blanks, comments and
// unknown words, or a whole table pasted as one line): the 0-based index of its header line,
// or 0 without one. None when there is something to read.
std::optional<int> EmptyTableHeader(const QStringList& lines);

// The reader of one table into one document.
class TmvImporter {
public:
    // firstFileLine: the script's line number of lines[0], or 0 (see TmvImportOptions).
    TmvImporter(DialogDocument& document, StatusSink& status, const QStringList& lines,
                int firstFileLine = 0);

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
    // The same with "Warning: "; the import still counts as clean.
    void ReportImportWarning(const QString& message, const QString& text, int number);
    // "Line 3", or "Line 3 (file line 9)" for a table read from a script.
    QString LineName(int number) const;

    const ImportedDialog& Info() const { return info_; }
    const std::vector<std::unique_ptr<TmvImportClass>>& Records() const { return records_; }

private:
    void ParseDialogIcon(const QString& rest);
    void ParseMenuLine(const QString& keyword, const QString& rest, int number);
    void ParseDialogLine(const QString& rest);
    void ParseTitleLine(const QString& rest);
    void ParseSizeLine(const QString& rest, int number);
    void ParseOptionLine(const QString& rest, int number);
    // Adds a page to the tab control from a "tab" record.
    void AddImportedPage(const TmvImportClass& record);
    // Remembers an ID of a control, page or menu entry; warns when the table used it before.
    void NoteId(int id, int number);
    // The number after a value word ("limit 20", "range -5 5", "tab 2"), the word's index in
    // *at (-1 when absent). None when the word is absent, or, reported with `error`, when no
    // number follows it; the words then stay as written.
    std::optional<int> NumberAfter(const TmvStyleWords& styles, const char* word,
                                   const QString& error, int number, int* at);
    void ApplyScrollStyles(TmvScroll& scroll, TmvStyleWords& styles, int number);
    // "tab N": onto that page when it exists; otherwise a warning, and the words stay.
    void MovePerTabWord(TmvControl& control, TmvStyleWords& styles, int number);
    // The icon's file and index, taken off the front of its style list; returns the rest.
    QString TakeIconFile(TmvControl& icon, const QString& styles);

    DialogDocument& doc_;
    StatusSink& status_;
    const QStringList& lines_;
    int firstFileLine_ = 0;
    ImportedDialog info_;
    QHash<int, int> idLines_; // ID -> the line that used it first
    QSet<int> tableTabPages_; // page IDs the table's "tab" lines give
    std::vector<std::unique_ptr<TmvImportClass>> records_;
};

// The whole import of a table's lines into the document, as the import windows and the
// command line run it. A table with nothing to read is refused before the project is touched.
TmvImportResult ImportTable(DialogDocument& document, const QStringList& lines,
                            const TmvInteraction& ui, const TmvImportOptions& options = {});
