#include "BaseKit/Profiler.h"
#include "Platform/Time/FakeClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

using BaseKit::Profiler;

namespace {

// A monotonic clock the test moves by hand.
class FakeClockScope {
public:
    FakeClockScope()
    {
        m_clock->setMonotonic(std::chrono::nanoseconds(5'000'000'000));
        Platform::Clock::setShared(m_clock);
    }
    ~FakeClockScope() { Platform::Clock::setShared(nullptr); }
    void advanceMicroseconds(std::int64_t microseconds) { m_clock->advance(std::chrono::microseconds(microseconds)); }

private:
    std::shared_ptr<Platform::FakeClock> m_clock = std::make_shared<Platform::FakeClock>();
};

std::string stopAndCapture(const QString& name)
{
    testing::internal::CaptureStdout();
    Profiler::stop(name);
    return testing::internal::GetCapturedStdout();
}

std::string stopOnlyAndCapture()
{
    testing::internal::CaptureStdout();
    Profiler::stop();
    return testing::internal::GetCapturedStdout();
}

} // namespace

TEST(Profiler, PrintsWholeMillisecondsTruncated)
{
    FakeClockScope clock;
    Profiler::start();
    clock.advanceMicroseconds(999); // 0.999 ms
    EXPECT_EQ(stopOnlyAndCapture(), "Profiler: 0 ms\n");

    Profiler::start(QStringLiteral("load"));
    clock.advanceMicroseconds(12700);
    EXPECT_EQ(stopAndCapture(QStringLiteral("load")), "load: 12 ms\n");
    // Stopped stopwatches are gone: a second stop prints nothing.
    EXPECT_EQ(stopAndCapture(QStringLiteral("load")), "");
}

TEST(Profiler, RestartingMeasuresFromTheLastStart)
{
    FakeClockScope clock;
    Profiler::start(QStringLiteral("twice"));
    clock.advanceMicroseconds(50000);
    Profiler::start(QStringLiteral("twice"));
    clock.advanceMicroseconds(3000);
    EXPECT_EQ(stopAndCapture(QStringLiteral("twice")), "twice: 3 ms\n");
}

TEST(Profiler, StoppingTheOnlyStopwatchNeedsExactlyOne)
{
    FakeClockScope clock;
    // None running: a warning, no output, no stop of the program.
    EXPECT_EQ(stopOnlyAndCapture(), "");

    Profiler::start(QStringLiteral("first"));
    Profiler::start(QStringLiteral("second"));
    clock.advanceMicroseconds(2000);
    EXPECT_EQ(stopOnlyAndCapture(), ""); // two running: nothing stops
    EXPECT_EQ(stopAndCapture(QStringLiteral("first")), "first: 2 ms\n");
    clock.advanceMicroseconds(1000);
    EXPECT_EQ(stopOnlyAndCapture(), "second: 3 ms\n");
}

TEST(Profiler, UnknownNamePrintsNothing)
{
    EXPECT_EQ(stopAndCapture(QStringLiteral("never started")), "");
}
