#pragma once
// A test fixture with a private Wine and the stand-in for mIRC: one prefix and display for the
// whole test file (creating a prefix is the slow part), a fresh stand-in registered under
// kStandInService for every test.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "io/mvDde.h"
#include "support/ddeStandIn.h"
#include "support/wineSession.h"

inline const QString kStandInService = QStringLiteral("MarovelTest");

// The three log lines of one poke as the stand-in writes them.
inline QStringList StandInPokeLines(const QString& command) {
    return {QStringLiteral("POKE ") + command, QStringLiteral("ITEM ") + command,
            QStringLiteral("SIZE %1").arg(command.toLatin1().size() + 1)};
}

class WineStandInTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QElapsedTimer timer;
        timer.start();
        session_ = std::make_unique<TestWineSession>();
        startError_ = session_->Start();
        if (startError_.isEmpty() && DdeHelperPath().isEmpty())
            startError_ = QStringLiteral("marovel-dde.exe was not built (it needs "
                                         "x86_64-w64-mingw32-g++, which scripts/install-deps "
                                         "installs)");
        std::printf("Wine prefix and display ready in %.1f s\n", timer.elapsed() / 1000.0);
    }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(startError_.isEmpty()) << startError_.toStdString();
        standIn_ = std::make_unique<TestDdeStandIn>(*session_);
        const QString error = standIn_->Start(kStandInService);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }
    void TearDown() override { standIn_.reset(); }

    static inline std::unique_ptr<TestWineSession> session_;
    static inline QString startError_;
    std::unique_ptr<TestDdeStandIn> standIn_;
};
