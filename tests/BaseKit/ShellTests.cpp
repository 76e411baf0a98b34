#include "BaseKit/Services/Shell.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

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
    // The echo comes within 20 ms even on a loaded machine; a second leaves it fifty times that.
    const ShellOutput output = Shell::run(QStringList{QStringLiteral("echo early; exec sleep 60")},
                                          std::chrono::milliseconds(1000));
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

// Starts a command without waiting and runs the event loop until its completion came (or 20 s).
std::optional<ShellOutput> startAndWait(const QString& line, std::chrono::milliseconds timeLimit = Shell::defaultTimeLimit,
                                        const QString& program = QStringLiteral("/bin/bash"))
{
    QObject context;
    std::optional<ShellOutput> result;
    int calls = 0;
    QEventLoop loop;
    bool returned = false;
    Shell::start(QStringList{line}, timeLimit, &context, [&](const ShellOutput& output) {
        ++calls;
        result = output;
        loop.quit();
    }, program);
    returned = true;
    // Nothing is reported from within `start` itself, not even a shell that cannot be started.
    EXPECT_EQ(calls, 0);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (!result)
        loop.exec();
    EXPECT_TRUE(returned);
    EXPECT_LE(calls, 1);
    return result;
}

TEST(ShellTest, StartReportsOutputAndStatusFromTheEventLoop)
{
    const auto mixed = startAndWait(QStringLiteral("printf a; printf b >&2; echo c; exit 4"));
    ASSERT_TRUE(mixed.has_value());
    EXPECT_EQ(mixed->output, QStringLiteral("abc\n"));
    EXPECT_TRUE(mixed->didExit);
    EXPECT_FALSE(mixed->timedOut);
    EXPECT_EQ(mixed->exitCode, 4);
    EXPECT_TRUE(mixed->data.isEmpty());

    const auto big = startAndWait(QStringLiteral("head -c 3000000 /dev/zero | tr '\\0' a; printf end"));
    ASSERT_TRUE(big.has_value());
    ASSERT_TRUE(big->output.has_value());
    EXPECT_EQ(big->output->size(), 3000003);
    EXPECT_TRUE(big->output->endsWith(QStringLiteral("aend")));
}

TEST(ShellTest, StartKillsACommandAtItsTimeLimitWithoutBlocking)
{
    QElapsedTimer clock;
    clock.start();
    const auto output = startAndWait(QStringLiteral("echo early; exec sleep 60"), std::chrono::milliseconds(1000));
    ASSERT_TRUE(output.has_value());
    EXPECT_TRUE(output->timedOut);
    EXPECT_FALSE(output->didExit);
    EXPECT_EQ(output->output, QStringLiteral("early\n"));
    // Killed at its limit, not at the end of its sleep: on a loaded machine the kill and its report come
    // within a few tens of milliseconds of the limit.
    RecordProperty("killedAfterMs", int(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), 30000);

    // The blocking run says the same.
    const ShellOutput blocking = Shell::run(QStringList{QStringLiteral("exec sleep 60")}, std::chrono::milliseconds(200));
    EXPECT_TRUE(blocking.timedOut);
    EXPECT_FALSE(run(QStringLiteral("true")).timedOut);
}

TEST(ShellTest, StartWithAShellThatCannotStartReportsWhyOnce)
{
    const auto output = startAndWait(QStringLiteral("true"), Shell::defaultTimeLimit, QStringLiteral("/nonexistent/kestrion/bash"));
    ASSERT_TRUE(output.has_value());
    EXPECT_EQ(output->exitCode, -1);
    EXPECT_FALSE(output->didExit);
    EXPECT_FALSE(output->timedOut);
    ASSERT_TRUE(output->output.has_value());
    EXPECT_FALSE(output->output->isEmpty());
}

TEST(ShellTest, AContextThatGoesAwayEndsTheCommandAndHearsNothing)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString mark = folder.filePath(QStringLiteral("finished"));
    int calls = 0;
    {
        QObject context;
        Shell::start(QStringList{QStringLiteral("sleep 1; touch '%1'").arg(mark)}, Shell::defaultTimeLimit, &context,
                     [&](const ShellOutput&) { ++calls; });
    }
    QEventLoop loop;
    QTimer::singleShot(1800, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(QFileInfo::exists(mark)); // killed, never reached its end
}

} // namespace
