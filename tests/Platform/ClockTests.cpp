#include "Platform/Time/Clock.h"
#include "Platform/Time/FakeClock.h"

#include <gtest/gtest.h>

#include <memory>

using namespace std::chrono_literals;

TEST(Clock, SystemClocksMoveForward)
{
    const Platform::Clock& clock = Platform::Clock::shared();
    const auto first = clock.monotonic();
    const auto second = clock.monotonic();
    EXPECT_GT(first.count(), 0);
    EXPECT_GE(second, first);
    EXPECT_GT(clock.secondsSinceBoot(), 0);
    EXPECT_EQ(clock.now().timeSpec(), Qt::UTC);
    EXPECT_GT(clock.now().date().year(), 2020);
}

TEST(Clock, FakeClockIsInstalledAndMovesAllClocksTogether)
{
    auto fake = std::make_shared<Platform::FakeClock>();
    Platform::Clock::setShared(fake);
    fake->setSecondsSinceBoot(10);
    const QDateTime start = Platform::Clock::shared().now();
    const auto monotonic = Platform::Clock::shared().monotonic();
    fake->advance(1500ms);
    EXPECT_EQ(Platform::Clock::shared().now(), start.addMSecs(1500));
    EXPECT_EQ(Platform::Clock::shared().monotonic() - monotonic, 1500ms);
    EXPECT_EQ(Platform::Clock::shared().secondsSinceBoot(), 11);
    // The half second left over carries into the next step.
    fake->advance(500ms);
    EXPECT_EQ(Platform::Clock::shared().secondsSinceBoot(), 12);
    Platform::Clock::setShared(nullptr);
    EXPECT_NE(&Platform::Clock::shared(), fake.get());
}
