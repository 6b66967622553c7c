#pragma once
// The stand-in for mIRC (tools/ddeStandIn.cpp) running in a TestWineSession: a real DDE server
// under a chosen service name that logs every command poked to it.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include "support/wineSession.h"

class TestDdeStandIn {
public:
    explicit TestDdeStandIn(TestWineSession& session) : session_(session) {}
    ~TestDdeStandIn() { Stop(); }

    // Starts it under `service` and waits until the service is registered. It ends by itself
    // after `lifetimeSeconds`. Empty on success, otherwise why it failed.
    QString Start(const QString& service, int lifetimeSeconds = 300);
    // Ends it at once.
    void Stop();
    // Waits until it has ended by itself; false when it is still running after `timeoutMs`.
    bool WaitForExit(int timeoutMs);

    // Waits until `count` pokes have been logged; false when they do not come in time.
    bool WaitForPokes(int count, int timeoutMs = 20000) const;
    // The log as lines (see tools/ddeStandIn.cpp for its form).
    QStringList LogLines() const;
    // The texts of the pokes logged so far, in order.
    QStringList Pokes() const;

private:
    TestWineSession& session_;
    QProcess* process_ = nullptr;
    QString logPath_;
};
