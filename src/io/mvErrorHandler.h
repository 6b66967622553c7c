#pragma once
// The application-wide handler for errors that no operation handled: an exception that reaches
// the event loop, or std::terminate. It appends a report to the error log, tries to keep the
// user's unsaved work in the instance's recovery file (the one autosave writes, offered back at
// the next start), tells the user, and ends the program.
#include <QApplication>
#include <QString>
#include <functional>

#include "io/mvErrorLog.h"

class Prompter;

struct TmvFatalErrorHooks {
    // Tells the user; without one the message goes to standard error.
    Prompter* Prompt = nullptr;
    // Saves the open project into its recovery file when it has unsaved changes; the file's
    // path, or empty when nothing was written. A failure, thrown or returned, is ignored: the
    // error itself matters more.
    std::function<QString()> SaveRecovery;
    // Ends the program; by default at once, with a failure status. Tests record instead.
    std::function<void()> EndProgram;
    // Folder of the log; empty: the configuration folder.
    QString LogFolder;
};

// The hooks the application-wide handler uses; the main window fills them in.
TmvFatalErrorHooks& FatalErrorHooks();

// Logs, saves the work, tells the user and ends through hooks.EndProgram. An error raised while
// the user is being told (the message box runs events) is logged and ends the program at once.
void HandleFatalError(const TmvErrorReport& report, const TmvFatalErrorHooks& hooks);

// Runs deliver; an exception it throws goes to HandleFatalError with receiver as the object,
// and FALSE is returned (when EndProgram returns at all).
bool DeliverGuarded(QObject* receiver, const std::function<bool()>& deliver);

// Makes std::terminate go through HandleFatalError (with the application as the object) before
// the process aborts.
void InstallTerminateHandler();

// The application object: every event is delivered through DeliverGuarded.
class TmvApplication : public QApplication {
    Q_OBJECT
public:
    TmvApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
