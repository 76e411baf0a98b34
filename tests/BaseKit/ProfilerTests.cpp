#include "BaseKit/Profiler.h"
#include "Platform/Time/FakeClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

using BaseKit::Profiler;

namespace {

// Stopwatches on a monotonic clock the test moves by hand.
class FakeClockScope {
public:
    FakeClockScope()
    {
        m_clock->setMonotonic(std::chrono::nanoseconds(5'000'000'000));
    }
    void advanceMicroseconds(std::int64_t microseconds) { m_clock->advance(std::chrono::microseconds(microseconds)); }

private:
    std::shared_ptr<Platform::FakeClock> m_clock = std::make_shared<Platform::FakeClock>();

public:
    Profiler profiler{m_clock};
};

std::string stopAndCapture(Profiler& profiler, const QString& name)
{
    testing::internal::CaptureStdout();
    profiler.stop(name);
    return testing::internal::GetCapturedStdout();
}

std::string stopOnlyAndCapture(Profiler& profiler)
{
    testing::internal::CaptureStdout();
    profiler.stop();
    return testing::internal::GetCapturedStdout();
}

} // namespace

TEST(Profiler, PrintsWholeMillisecondsTruncated)
{
    FakeClockScope clock;
    clock.profiler.start();
    clock.advanceMicroseconds(999); // 0.999 ms
    EXPECT_EQ(stopOnlyAndCapture(clock.profiler), "Profiler: 0 ms\n");

    clock.profiler.start(QStringLiteral("load"));
    clock.advanceMicroseconds(12700);
    EXPECT_EQ(stopAndCapture(clock.profiler, QStringLiteral("load")), "load: 12 ms\n");
    // Stopped stopwatches are gone: a second stop prints nothing.
    EXPECT_EQ(stopAndCapture(clock.profiler, QStringLiteral("load")), "");
}

TEST(Profiler, RestartingMeasuresFromTheLastStart)
{
    FakeClockScope clock;
    clock.profiler.start(QStringLiteral("twice"));
    clock.advanceMicroseconds(50000);
    clock.profiler.start(QStringLiteral("twice"));
    clock.advanceMicroseconds(3000);
    EXPECT_EQ(stopAndCapture(clock.profiler, QStringLiteral("twice")), "twice: 3 ms\n");
}

TEST(Profiler, StoppingTheOnlyStopwatchNeedsExactlyOne)
{
    FakeClockScope clock;
    // None running: a warning, no output, no stop of the program.
    EXPECT_EQ(stopOnlyAndCapture(clock.profiler), "");

    clock.profiler.start(QStringLiteral("first"));
    clock.profiler.start(QStringLiteral("second"));
    clock.advanceMicroseconds(2000);
    EXPECT_EQ(stopOnlyAndCapture(clock.profiler), ""); // two running: nothing stops
    EXPECT_EQ(stopAndCapture(clock.profiler, QStringLiteral("first")), "first: 2 ms\n");
    clock.advanceMicroseconds(1000);
    EXPECT_EQ(stopOnlyAndCapture(clock.profiler), "second: 3 ms\n");
}

TEST(Profiler, UnknownNamePrintsNothing)
{
    FakeClockScope clock;
    EXPECT_EQ(stopAndCapture(clock.profiler, QStringLiteral("never started")), "");
}
