#pragma once
// A private Wine for integration tests: a fresh prefix in a temporary folder and an Xvfb
// display of its own (Wine's window station needs an X server, and tests run without one).
// While a session runs, this process's environment points WINEPREFIX, DISPLAY, WINEDEBUG and
// WINEDLLOVERRIDES at it, so that whatever Marovel starts under wine lands in it.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "support/scopedEnvironment.h"
#include "support/xvfbDisplay.h"

class TestWineSession {
public:
    TestWineSession();
    ~TestWineSession();
    TestWineSession(const TestWineSession&) = delete;
    TestWineSession& operator=(const TestWineSession&) = delete;

    // Starts the display and initialises the prefix (tens of seconds the first time). Empty on
    // success, otherwise what is missing or what failed, fit for a test failure message.
    QString Start();

    QString PrefixPath() const { return prefix_.path(); }
    // A folder for the test's own files, outside the prefix.
    QString WorkPath() const { return work_.path(); }

    // Starts a Windows program under wine; the session kills it at the end if it is still up.
    QProcess* StartProgram(const QString& program, const QStringList& arguments);

    // Path of a program the build put beside marovel (tools/), or empty when it is missing.
    static QString ToolPath(const QString& name);

private:
    QString StartDisplay();
    QString InitPrefix();
    void Stop();

    QTemporaryDir prefix_;
    QTemporaryDir work_;
    TestXvfbDisplay display_;
    std::vector<std::unique_ptr<QProcess>> programs_;
    TestScopedEnvironment environment_;
    bool started_ = false;
};
