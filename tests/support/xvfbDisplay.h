#pragma once
// An X server of a test's own: Xvfb on a display it picks itself (-displayfd), so parallel
// tests and a desktop session never collide. The server ends with the object.
#include <QProcess>
#include <QString>

class TestXvfbDisplay {
public:
    TestXvfbDisplay() = default;
    ~TestXvfbDisplay() { Stop(); }
    TestXvfbDisplay(const TestXvfbDisplay&) = delete;
    TestXvfbDisplay& operator=(const TestXvfbDisplay&) = delete;

    // Starts the server, its standard error going to logPath. Empty on success, otherwise what
    // is missing or what failed, fit for a test failure message.
    QString Start(const QString& logPath, const QString& screen = QStringLiteral("800x600x24"));
    // ":N" once started.
    const QString& Name() const { return name_; }
    void Stop();

private:
    QProcess server_;
    QString name_;
};
