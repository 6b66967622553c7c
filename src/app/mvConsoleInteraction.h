#pragma once
// The command line's answers to the interaction interfaces: messages and status lines go to
// standard error, nobody is there to answer questions or choose files.
#include "surface/mvInteraction.h"

// Messages are written as "caption: text". A question is written too and answered with No
// (Cancel where that is offered), so that nothing is discarded or overwritten unasked.
class ConsolePrompter : public Prompter {
public:
    void Information(const QString& caption, const QString& text) override;
    void Warning(const QString& caption, const QString& text) override;
    void Error(const QString& caption, const QString& text) override;
    TmvAnswer Question(const QString& caption, const QString& text) override;
    TmvAnswer QuestionWithCancel(const QString& caption, const QString& text) override;
};

// Every status line on its own line; the window's other operations mean nothing here.
class ConsoleStatus : public StatusSink {
public:
    void ClearStatus() override {}
    void ShowStatus() override {}
    void AddStatusLine(const QString& line) override;
    void SetStatusProgress(int) override {}
    void HideStatus() override {}
};

// A file chooser that always cancels: the command line names its files as arguments.
class ConsoleFileChooser : public FileChooser {
public:
    QString OpenFile(const TmvFileRequest&) override { return QString(); }
    QString SaveFile(const TmvFileRequest&) override { return QString(); }
};

// The three together with the system clock, as one interaction for a command-line mode.
struct TmvConsoleInteraction {
    ConsolePrompter Prompt;
    ConsoleStatus Status;
    ConsoleFileChooser Files;
    SystemClock Time;

    TmvInteraction Ui() { return {&Prompt, &Files, &Status, &Time}; }
};
