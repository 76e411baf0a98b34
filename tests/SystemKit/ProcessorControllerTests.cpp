#include "SystemKit/Processor/ProcessorController.h"

#include "ProcessorTestEnvironment.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

using SystemKit::ProcessorController;

namespace {
void expectShares(const ProcessorController& cpu, double user, double system, double idle, double nice)
{
    EXPECT_NEAR(cpu.user(), user, 1e-9);
    EXPECT_NEAR(cpu.system(), system, 1e-9);
    EXPECT_NEAR(cpu.idle(), idle, 1e-9);
    EXPECT_NEAR(cpu.nice(), nice, 1e-9);
    EXPECT_NEAR(cpu.total(), user + system, 1e-9);
}
} // namespace

TEST(ProcessorControllerLifecycle, ConstructionTakesNoSample)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler(30);
    EXPECT_EQ(cpu->history(), QList<double>(30, 0.0));
    EXPECT_EQ(cpu->timer(), nullptr);
    EXPECT_EQ(cpu->systemInfo().time, 0.0);
    EXPECT_EQ(cpu->systemInfo().timePrevious, 0.0);
    EXPECT_EQ(cpu->systemInfo().memSize, 8388608ull * 1024);
    EXPECT_EQ(cpu->systemInfo().bootedSeconds, 1765000000);
    EXPECT_EQ(cpu->systemInfo().cpuCount, 8u);
    EXPECT_GT(cpu->systemInfo().pageSize, 0);
    EXPECT_EQ(cpu->numberOfCpus(), 8);
    EXPECT_TRUE(cpu->cores().isEmpty());
    EXPECT_TRUE(cpu->processes().isEmpty());
    EXPECT_EQ(cpu->ticks(), 0u);
}

TEST(ProcessorControllerLifecycle, StartTwiceMakesOneTimerAndStopAllowsANewOne)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler();
    cpu->start(1.0);
    QTimer* first = cpu->timer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->interval(), 1000);
    cpu->start(3.0);
    EXPECT_EQ(cpu->timer(), first);
    cpu->stop();
    EXPECT_EQ(cpu->timer(), nullptr);
    cpu->stop(); // nothing to stop
    cpu->start(0.5);
    ASSERT_NE(cpu->timer(), nullptr);
    EXPECT_EQ(cpu->timer()->interval(), 500);
    EXPECT_TRUE(cpu->timer()->isActive());
    // No sample is taken at start.
    EXPECT_EQ(cpu->systemInfo().time, 0.0);
}

TEST(ProcessorControllerLifecycle, HistorySizeBelowOneCountsAsOne)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    for (int size : {0, -7}) {
        auto cpu = env.makeSampler(size);
        ASSERT_EQ(cpu->history().size(), 1);
        cpu->refresh();
        EXPECT_EQ(cpu->history(), QList<double>{cpu->total()});
    }
}

TEST(ProcessorControllerTicks, FirstSampleAveragesSinceBootThenTheInterval)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler(3);
    cpu->refresh();
    // Since boot: user 1000, nice 50, system 400+20+30, idle 8000+100 of 9600.
    expectShares(*cpu, 1000 / 96.0, 450 / 96.0, 8100 / 96.0, 50 / 96.0);
    EXPECT_EQ(cpu->ticks(), 9600u);
    EXPECT_EQ(cpu->systemInfo().time, env.wallTime);

    env.root.load(QStringLiteral("ticks/second"));
    env.advance(1);
    const double before = cpu->total();
    cpu->refresh();
    EXPECT_EQ(cpu->ticks(), 100u);
    expectShares(*cpu, 30, 10, 60, 0);
    EXPECT_EQ(cpu->history(), (QList<double>{0, before, 40}));
    EXPECT_EQ(cpu->systemInfo().timePrevious, env.wallTime - 1);
    EXPECT_EQ(cpu->loadPrevious(), (SystemKit::HostInfo{1030, 460, 8160, 50}));
}

TEST(ProcessorControllerTicks, NoTicksElapsedGivesZeroNotNaN)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler(2);
    cpu->refresh();
    env.root.load(QStringLiteral("ticks/same"));
    cpu->refresh();
    expectShares(*cpu, 0, 0, 0, 0);
    EXPECT_EQ(cpu->ticks(), 0u);
    EXPECT_FALSE(std::isnan(cpu->history().last()));
    EXPECT_EQ(cpu->history().last(), 0.0);
}

TEST(ProcessorControllerTicks, CountersThatWentDownCountNothingAndBecomeTheBaseline)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler();
    cpu->refresh();
    env.root.load(QStringLiteral("ticks/reset"));
    cpu->refresh();
    expectShares(*cpu, 0, 0, 0, 0); // never negative
    EXPECT_EQ(cpu->loadPrevious(), (SystemKit::HostInfo{10, 4, 81, 0}));
    env.root.load(QStringLiteral("ticks/first"));
    cpu->refresh();
    // Measured from the reset counters: user 990 of 9505 ticks.
    EXPECT_EQ(cpu->ticks(), 990u + 50 + 446 + 8019);
    EXPECT_NEAR(cpu->user(), 990.0 / 9505.0 * 100, 1e-9);
}

TEST(ProcessorControllerTicks, FailedReadKeepsSharesHistoryBaselineAndCounts)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler(3);
    cpu->refresh();
    const auto history = cpu->history();
    const double user = cpu->user();
    EXPECT_EQ(cpu->tasks(), 0);
    EXPECT_EQ(cpu->threads(), 812);

    env.root.load(QStringLiteral("ticks/broken"));
    QSignalSpy userSpy(cpu.get(), &ProcessorController::userChanged);
    QSignalSpy threadSpy(cpu.get(), &ProcessorController::threadsChanged);
    cpu->refresh();
    EXPECT_EQ(userSpy.count(), 0);
    EXPECT_EQ(threadSpy.count(), 0);
    EXPECT_EQ(cpu->user(), user);
    EXPECT_EQ(cpu->history(), history);
    EXPECT_EQ(cpu->threads(), 812);

    // The next good reading measures against the last good one, not against boot.
    env.root.load(QStringLiteral("ticks/second"));
    cpu->refresh();
    EXPECT_EQ(cpu->ticks(), 100u);
    expectShares(*cpu, 30, 10, 60, 0);
}

TEST(ProcessorControllerTicks, EveryWriteNotifiesEvenWhenUnchanged)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler();
    cpu->refresh();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (auto signal : {&ProcessorController::ticksChanged, &ProcessorController::systemChanged,
                        &ProcessorController::userChanged, &ProcessorController::idleChanged,
                        &ProcessorController::niceChanged, &ProcessorController::totalChanged,
                        &ProcessorController::loadPreviousChanged, &ProcessorController::historyChanged,
                        &ProcessorController::tasksChanged, &ProcessorController::threadsChanged})
        spies.push_back(std::make_unique<QSignalSpy>(cpu.get(), signal));
    cpu->refresh(); // same counters: every value unchanged
    for (const auto& spy : spies)
        EXPECT_EQ(spy->count(), 1);
}

TEST(ProcessorControllerLifecycle, EveryPropertyReadsThroughTheMetaObjectAndNotifies)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    auto cpu = env.makeSampler();
    const QMetaObject* meta = cpu->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        EXPECT_TRUE(property.hasNotifySignal()) << property.name();
        EXPECT_TRUE(property.read(cpu.get()).isValid()) << property.name();
    }
    EXPECT_TRUE(cpu->setProperty("normalize", true));
    EXPECT_TRUE(cpu->normalize());
}

TEST(ProcessorControllerTicks, CountersThatJumpByNearly64BitsStopAtTheLargestCount)
{
    ProcessorTestEnvironment env(QStringLiteral("ticks/first"));
    env.root.write(QStringLiteral("proc/stat"), "cpu  0 0 0 0 0 0 0 0\n");
    auto cpu = env.makeSampler(2);
    cpu->refresh();
    env.root.write(QStringLiteral("proc/stat"), "cpu  18446744073709551615 18446744073709551615 18446744073709551615 "
                                                "18446744073709551615 0 0 0 0\n");
    cpu->refresh();
    EXPECT_EQ(cpu->ticks(), UINT64_MAX);
    expectShares(*cpu, 25, 25, 25, 25);
}
