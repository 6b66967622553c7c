#pragma once
// The narrow interfaces through which commands reach the user. New, Load, Save, Import, Export
// and Preview run the same code in the designer, on the command line and in tests: the
// designer implements these with message boxes, file dialogs and the status window; the command
// line answers and writes to standard error; tests record and script the answers.
#include <QString>

enum class TmvAnswer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void Information(const QString& caption, const QString& text) = 0;
    virtual void Warning(const QString& caption, const QString& text) = 0;
    virtual void Error(const QString& caption, const QString& text) = 0;
    // A question with Yes/No buttons (Cancel is never returned) ...
    virtual TmvAnswer Question(const QString& caption, const QString& text) = 0;
    // ... or with Yes/No/Cancel buttons.
    virtual TmvAnswer QuestionWithCancel(const QString& caption, const QString& text) = 0;
};

// One file-dialog request. Filters use the "Description (*.x)|*.x|..." form; the chooser adds
// "All files (*.*)".
struct TmvFileRequest {
    QString Title;
    QString Filter;
    QString InitialFolder;
    QString InitialFile;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString OpenFile(const TmvFileRequest& request) = 0;
    // Save dialogs ask before overwriting an existing file.
    virtual QString SaveFile(const TmvFileRequest& request) = 0;
    // A folder dialog (Title and InitialFolder are used). Choosers without one answer as if
    // the user cancelled.
    virtual QString ChooseFolder(const TmvFileRequest&) { return QString(); }
};

class StatusSink {
public:
    virtual ~StatusSink() = default;
    virtual void ClearStatus() = 0;
    virtual void ShowStatus() = 0;
    virtual void AddStatusLine(const QString& line) = 0;
    virtual void SetStatusProgress(int percent) = 0;
    virtual void HideStatus() = 0;
};

// Milliseconds since the system started (GetTickCount), for elapsed times and temporary names.
class Clock {
public:
    virtual ~Clock() = default;
    virtual quint32 TickCount() = 0;
};

// Status lines go nowhere; for work that needs no report.
class NullStatus : public StatusSink {
public:
    void ClearStatus() override {}
    void ShowStatus() override {}
    void AddStatusLine(const QString&) override {}
    void SetStatusProgress(int) override {}
    void HideStatus() override {}
};

// The real clock, from the system's monotonic timer, which counts from the system's start.
class SystemClock : public Clock {
public:
    quint32 TickCount() override;
};

// Everything a command may need, handed in by whoever runs it.
struct TmvInteraction {
    Prompter* Prompt = nullptr;
    FileChooser* Files = nullptr;
    StatusSink* Status = nullptr;
    Clock* Time = nullptr;
};
