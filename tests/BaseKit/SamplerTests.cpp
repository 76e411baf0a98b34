#include "BaseKit/Sampler/FixedHistory.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>

#include <gtest/gtest.h>

#include <limits>

using BaseKit::FixedHistory;
using BaseKit::SamplerTimer;

namespace {

// The least a sampler is: something with a refresh that counts its calls.
class CountingSampler : public QObject {
public:
    void refresh() { ++samples; }
    int samples = 0;
};

} // namespace

TEST(FixedHistory, HoldsExactlyItsSizeOldestFirst)
{
    FixedHistory<int> history(3);
    EXPECT_EQ(history.values(), QList<int>({0, 0, 0}));
    for (int sample = 1; sample <= 1000; ++sample)
        history.append(sample);
    EXPECT_EQ(history.values(), QList<int>({998, 999, 1000}));
    EXPECT_EQ(history.newest(), 1000);
    EXPECT_EQ(history.size(), 3);

    history.reset(-1);
    EXPECT_EQ(history.values(), QList<int>({-1, -1, -1}));
}

TEST(FixedHistory, SizeBelowOneKeepsOneEntryAndFillsWithPlaceholder)
{
    for (int size : {0, -5, std::numeric_limits<int>::min()}) {
        FixedHistory<double> history(size, 7.5);
        EXPECT_EQ(history.values(), QList<double>({7.5})) << size;
        history.append(1.0);
        EXPECT_EQ(history.values(), QList<double>({1.0})) << size;
    }
}

TEST(SamplerTimer, IntervalsBecomeAtLeastOneMillisecond)
{
    EXPECT_EQ(BaseKit::timerMilliseconds(1.0), 1000);
    EXPECT_EQ(BaseKit::timerMilliseconds(0.0004), 1);
    EXPECT_EQ(BaseKit::timerMilliseconds(0.0), 1);
    EXPECT_EQ(BaseKit::timerMilliseconds(-3.0), 1);
    EXPECT_EQ(BaseKit::timerMilliseconds(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(BaseKit::timerMilliseconds(std::numeric_limits<double>::infinity()), 1);
    EXPECT_EQ(BaseKit::timerMilliseconds(1e12), std::numeric_limits<int>::max());
}

TEST(SamplerTimer, StartsOnceStopsAndStartsAgain)
{
    CountingSampler sampler;
    SamplerTimer timer;
    EXPECT_FALSE(timer.isRunning());
    EXPECT_FALSE(timer.stop());

    EXPECT_TRUE(timer.start(&sampler, 2.0, &CountingSampler::refresh));
    QTimer* first = timer.timer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parent(), &sampler);
    EXPECT_TRUE(first->isActive());
    EXPECT_EQ(first->interval(), 2000);

    // A running timer keeps its interval.
    EXPECT_FALSE(timer.start(&sampler, 5.0, &CountingSampler::refresh));
    EXPECT_EQ(timer.timer(), first);
    EXPECT_EQ(first->interval(), 2000);

    EXPECT_TRUE(timer.stop());
    EXPECT_EQ(timer.timer(), nullptr);
    EXPECT_FALSE(timer.stop());

    EXPECT_TRUE(timer.start(&sampler, 0.5, &CountingSampler::refresh));
    ASSERT_NE(timer.timer(), nullptr);
    EXPECT_EQ(timer.timer()->interval(), 500);
}

TEST(SamplerTimer, CallsRefreshEachIntervalUntilStopped)
{
    CountingSampler sampler;
    SamplerTimer timer;
    timer.start(&sampler, 0.01, &CountingSampler::refresh);
    EXPECT_EQ(sampler.samples, 0); // the first sample comes one interval later

    QElapsedTimer clock;
    clock.start();
    while (sampler.samples < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(sampler.samples, 3);

    timer.stop();
    const int stoppedAt = sampler.samples;
    clock.restart();
    while (clock.elapsed() < 60)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(sampler.samples, stoppedAt);
}

TEST(SamplerTimer, ForgetsATimerDeletedWithItsSampler)
{
    SamplerTimer timer;
    {
        CountingSampler sampler;
        timer.start(&sampler, 1.0, &CountingSampler::refresh);
        EXPECT_TRUE(timer.isRunning());
    }
    EXPECT_FALSE(timer.isRunning());
    EXPECT_FALSE(timer.stop());
}
