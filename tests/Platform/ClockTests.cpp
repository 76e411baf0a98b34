#include "Platform/Time/Clock.h"
#include "Platform/Time/FakeClock.h"

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;

TEST(Clock, SystemClocksMoveForward)
{
    const Platform::Clock& clock = *Platform::Clock::system();
    const auto first = clock.monotonic();
    const auto second = clock.monotonic();
    EXPECT_GT(first.count(), 0);
    EXPECT_GE(second, first);
    EXPECT_GT(clock.secondsSinceBoot(), 0);
    EXPECT_EQ(clock.now().timeSpec(), Qt::UTC);
    EXPECT_GT(clock.now().date().year(), 2020);
}

TEST(Clock, FakeClockMovesAllClocksTogether)
{
    auto fake = std::make_shared<Platform::FakeClock>();
    const Platform::Clock& clock = *fake;
    fake->setSecondsSinceBoot(10);
    const QDateTime start = clock.now();
    const auto monotonic = clock.monotonic();
    fake->advance(1500ms);
    EXPECT_EQ(clock.now(), start.addMSecs(1500));
    EXPECT_EQ(clock.monotonic() - monotonic, 1500ms);
    EXPECT_EQ(clock.secondsSinceBoot(), 11);
    // The half second left over carries into the next step.
    fake->advance(500ms);
    EXPECT_EQ(clock.secondsSinceBoot(), 12);
}
