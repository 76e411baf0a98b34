#include "BaseKit/Sampler/FixedHistory.h"
#include "BaseKit/Sampler/SampleClock.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
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

    EXPECT_TRUE(timer.start(&sampler, 2.5, &CountingSampler::refresh));
    QTimer* first = timer.timer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->parent(), &sampler);
    EXPECT_TRUE(first->isActive());
    EXPECT_EQ(first->interval(), 2500);

    // A running timer keeps its interval.
    EXPECT_FALSE(timer.start(&sampler, 5.0, &CountingSampler::refresh));
    EXPECT_EQ(timer.timer(), first);
    EXPECT_EQ(first->interval(), 2500);

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

namespace {

// The shared clock driven by hand for one test, with nobody on it before or after.
struct HandDrivenClock {
    HandDrivenClock() { BaseKit::SampleClock::shared().setDrivenByHand(true); }
    ~HandDrivenClock() { BaseKit::SampleClock::shared().setDrivenByHand(false); }
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
};

// Notes the order in which samplers sample and the tick of each sample.
class OrderSampler : public QObject {
public:
    OrderSampler(QString name, QStringList& log) : name(std::move(name)), log(&log) {}
    void refresh() { log->append(name); }
    QString name;
    QStringList* log;
};

} // namespace

TEST(SampleClock, WholeSecondSamplersSampleInOneTickOnOnePhase)
{
    HandDrivenClock hand;
    QStringList log;
    OrderSampler network(QStringLiteral("network"), log), processor(QStringLiteral("processor"), log),
        battery(QStringLiteral("battery"), log), twoSeconds(QStringLiteral("two"), log);
    SamplerTimer networkTimer, processorTimer, batteryTimer, twoTimer;
    int ticked = 0;
    QObject receiver;
    QObject::connect(&hand.clock, &BaseKit::SampleClock::ticked, &receiver, [&] {
        log.append(QStringLiteral("|"));
        ++ticked;
    });

    networkTimer.start(&network, 1.0, &OrderSampler::refresh);
    processorTimer.start(&processor, 1.0, &OrderSampler::refresh);
    batteryTimer.start(&battery, 5.0, &OrderSampler::refresh);
    hand.clock.tick(); // one tick later than the first ones joined
    twoTimer.start(&twoSeconds, 2.0, &OrderSampler::refresh);
    // Every sampler rides the clock's one timer; none of them has a timer of its own.
    EXPECT_EQ(networkTimer.timer(), hand.clock.timer());
    EXPECT_EQ(batteryTimer.timer(), hand.clock.timer());
    EXPECT_EQ(networkTimer.timer()->interval(), 1000);
    EXPECT_TRUE(network.findChildren<QTimer*>().isEmpty());
    // Driven by hand, the timer stays off.
    EXPECT_FALSE(hand.clock.timer()->isActive());

    for (int i = 0; i < 5; ++i)
        hand.clock.tick();
    // In joining order, each tick's samples before `ticked`; the battery every fifth tick from its
    // start, the two-second sampler every second tick from its own.
    EXPECT_EQ(log.join(QLatin1Char(' ')),
              QStringLiteral("network processor | network processor | network processor two | "
                             "network processor | network processor battery two | network processor |"));
    EXPECT_EQ(ticked, 6);

    // A sampler that stops, or goes, samples no more; the others go on.
    log.clear();
    EXPECT_TRUE(processorTimer.stop());
    EXPECT_EQ(processorTimer.timer(), nullptr);
    EXPECT_FALSE(processorTimer.isRunning());
    {
        OrderSampler gone(QStringLiteral("gone"), log);
        SamplerTimer goneTimer;
        goneTimer.start(&gone, 1.0, &OrderSampler::refresh);
    }
    hand.clock.tick();
    EXPECT_EQ(log.join(QLatin1Char(' ')), QStringLiteral("network two |"));
}

TEST(SampleClock, TimerRunsWhileSamplersRideIt)
{
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
    ASSERT_FALSE(clock.isDrivenByHand());
    EXPECT_FALSE(clock.timer()->isActive());
    {
        CountingSampler sampler;
        SamplerTimer timer;
        timer.start(&sampler, 1.0, &CountingSampler::refresh);
        EXPECT_TRUE(clock.timer()->isActive());
        EXPECT_FALSE(timer.start(&sampler, 1.0, &CountingSampler::refresh));
        timer.stop();
        EXPECT_FALSE(clock.timer()->isActive());
        timer.start(&sampler, 1.0, &CountingSampler::refresh);
        EXPECT_TRUE(clock.timer()->isActive());
    }
    // The sampler went with its timer: nobody is left on the clock.
    EXPECT_FALSE(clock.timer()->isActive());
}

TEST(SampleClock, ALatePreparationDelaysTheTickOnlySoLong)
{
    HandDrivenClock hand;
    QStringList log;
    OrderSampler sampler(QStringLiteral("sample"), log);
    SamplerTimer timer;
    timer.start(&sampler, 1.0, &OrderSampler::refresh);
    // One preparation that is ready at once, one that is ready only long after (a read stuck on a
    // hung file).
    QObject owner;
    std::function<void()> lateReady;
    hand.clock.joinPreparation(&owner, [](std::function<void()> ready) { ready(); });
    hand.clock.joinPreparation(&owner, [&](std::function<void()> ready) {
        log.append(QStringLiteral("stuck"));
        lateReady = std::move(ready);
    });

    hand.clock.advance();
    EXPECT_EQ(log, QStringList{QStringLiteral("stuck")}); // not sampled while a preparation runs
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{QStringLiteral("stuck")});
    // The wait ends before the next tick is due, so that no tick is left out for a late preparation.
    QTimer* limit = hand.clock.prepareLimit();
    ASSERT_TRUE(limit->isActive());
    EXPECT_LT(limit->interval(), BaseKit::SampleClock::periodMilliseconds);
    ASSERT_TRUE(QMetaObject::invokeMethod(limit, "timeout"));
    EXPECT_EQ(log, (QStringList{QStringLiteral("stuck"), QStringLiteral("sample")}));
    EXPECT_FALSE(limit->isActive());

    // The late answer comes after its tick ran: it samples nothing.
    ASSERT_TRUE(lateReady);
    lateReady();
    EXPECT_EQ(log.size(), 2);
}
