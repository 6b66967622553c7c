// The command line, run as the real program.
#include <gtest/gtest.h>

#include "support/testHelpers.h"
#include "support/testProcess.h"

namespace {
TEST(CommandLine, VersionAndHelp) {
    const TestProcessResult version = RunMarovel({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Marovel 1.0 final\n"));
    const TestProcessResult help = RunMarovel({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: marovel [PROJECT.mv]")));
}

TEST(CommandLine, WrongUsageExitsWithTwo) {
    for (const QStringList& args :
         {QStringList{"--no-such-option"}, QStringList{"a.mv", "b.mv"},
          QStringList{"--version", "extra"}, QStringList{"--screenshot"}}) {
        const TestProcessResult run = RunMarovel(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage:"))) << args.join(' ').toStdString();
    }
}
} // namespace
