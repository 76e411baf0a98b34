#include "BaseKit/Services/Shell.h"

#include <gtest/gtest.h>

using BaseKit::Shell;
using BaseKit::ShellOutput;

namespace {

ShellOutput run(const QString& line)
{
    return Shell::run(QStringList{line});
}

TEST(ShellTest, OutputOfBothStreamsInOneTextInWritingOrder)
{
    const ShellOutput quiet = run(QStringLiteral("true"));
    ASSERT_TRUE(quiet.output.has_value());
    EXPECT_EQ(*quiet.output, QString(""));
    EXPECT_TRUE(quiet.didExit);
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.data.isEmpty());

    const ShellOutput errorOnly = run(QStringLiteral("echo problem >&2"));
    EXPECT_EQ(errorOnly.output, QStringLiteral("problem\n"));

    const ShellOutput mixed = run(QStringLiteral("printf a; printf b >&2; printf c; printf d >&2"));
    EXPECT_EQ(mixed.output, QStringLiteral("abcd"));
}

TEST(ShellTest, ExitStatusesAndSignals)
{
    const ShellOutput failed = run(QStringLiteral("echo partial; exit 3"));
    EXPECT_TRUE(failed.didExit);
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.output, QStringLiteral("partial\n"));

    const ShellOutput unknown = run(QStringLiteral("kestrion-no-such-command-xyz"));
    EXPECT_TRUE(unknown.didExit);
    EXPECT_EQ(unknown.exitCode, 127);
    ASSERT_TRUE(unknown.output.has_value());
    EXPECT_TRUE(unknown.output->contains(QStringLiteral("kestrion-no-such-command-xyz")));

    const ShellOutput signalled = run(QStringLiteral("echo before; kill -TERM $$"));
    EXPECT_FALSE(signalled.didExit);
    EXPECT_EQ(signalled.exitCode, 15);
    EXPECT_EQ(signalled.output, QStringLiteral("before\n"));
}

TEST(ShellTest, MegabytesOfOutputAreReadWhole)
{
    // Far more than a pipe holds: a reader that waits for the exit before reading would deadlock.
    const ShellOutput big = run(QStringLiteral("head -c 6000000 /dev/zero | tr '\\0' a; "
                                               "head -c 2000000 /dev/zero | tr '\\0' b >&2; printf end"));
    ASSERT_TRUE(big.output.has_value());
    ASSERT_EQ(big.output->size(), 8000003);
    EXPECT_EQ(big.output->count(QLatin1Char('a')), 6000000);
    EXPECT_TRUE(big.output->endsWith(QStringLiteral("bbend")));
    EXPECT_TRUE(big.didExit);
}

TEST(ShellTest, BytesThatAreNoUtf8KeepTheRestOfTheOutput)
{
    const ShellOutput output = run(QStringLiteral("printf 'first\\n\\377\\376 second\\n'"));
    ASSERT_TRUE(output.output.has_value());
    EXPECT_TRUE(output.output->startsWith(QStringLiteral("first\n")));
    EXPECT_TRUE(output.output->endsWith(QStringLiteral(" second\n")));
    EXPECT_TRUE(output.output->contains(QChar(0xFFFD)));
    EXPECT_TRUE(output.data.isEmpty());
}

TEST(ShellTest, ACommandBeyondTheTimeLimitIsKilledWithItsOutputSoFar)
{
    const ShellOutput output = Shell::run(QStringList{QStringLiteral("echo early; exec sleep 60")},
                                          std::chrono::milliseconds(300));
    EXPECT_FALSE(output.didExit);
    EXPECT_EQ(output.output, QStringLiteral("early\n"));
}

TEST(ShellTest, AShellThatCannotStartReportsWhy)
{
    const ShellOutput output = Shell::run(QStringList{QStringLiteral("true")}, Shell::defaultTimeLimit,
                                          QStringLiteral("/nonexistent/kestrion/bash"));
    EXPECT_EQ(output.exitCode, -1);
    EXPECT_FALSE(output.didExit);
    ASSERT_TRUE(output.output.has_value());
    EXPECT_FALSE(output.output->isEmpty());
}

} // namespace
