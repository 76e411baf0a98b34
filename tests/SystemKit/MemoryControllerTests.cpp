#include "SystemKit/Processor/MemoryController.h"

#include "Platform/Proc/HostStatistics.h"

#include "Support/FixtureRoot.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using SystemKit::MemoryController;

namespace {
constexpr std::uint64_t kKiB = 1024;

std::unique_ptr<MemoryController> sampler(const FixtureRoot& root, int historySize = 30)
{
    return std::make_unique<MemoryController>(historySize, std::make_shared<Platform::HostStatistics>(root.path()));
}
} // namespace

TEST(MemoryController, StartsEmptyAndTakesNoSample)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root);
    EXPECT_EQ(memory->total(), 0u);
    EXPECT_EQ(memory->free(), 0u);
    EXPECT_EQ(memory->usage(), 0.0);
    EXPECT_EQ(memory->history(), QList<quint64>(30, 0));
    EXPECT_EQ(memory->usageHistory(), QList<double>(30, 0.0));
    EXPECT_EQ(memory->timer(), nullptr);
}

TEST(MemoryController, SampleSplitsPhysicalMemory)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root, 4);
    memory->refresh();
    const std::uint64_t page = Platform::HostStatistics::pageSize();
    const std::uint64_t wired = (65536 + 262144 + 32768 + 65536) * kKiB / page * page;
    const std::uint64_t compressed = 131072 * kKiB / page * page;
    const std::uint64_t used = (16777216 - 9437184) * kKiB / page * page; // MemTotal - MemAvailable
    const std::uint64_t physical = 16777216 * kKiB;
    EXPECT_EQ(memory->wired(), wired);
    EXPECT_EQ(memory->compressed(), compressed);
    EXPECT_EQ(memory->active(), used - wired - compressed);
    EXPECT_EQ(memory->inactive(), (9437184 - 2097152) * kKiB / page * page);
    EXPECT_EQ(memory->total(), used);
    // Inactive memory counts as free; free + total is physical memory.
    EXPECT_EQ(memory->free() + memory->total(), physical);
    EXPECT_DOUBLE_EQ(memory->usage(), double(used) / double(physical));
    EXPECT_EQ(memory->history(), (QList<quint64>{0, 0, 0, memory->total()}));
    EXPECT_EQ(memory->usageHistory(), (QList<double>{0, 0, 0, memory->usage()}));

    memory->refresh();
    memory->refresh();
    memory->refresh();
    memory->refresh();
    EXPECT_EQ(memory->history(), QList<quint64>(4, memory->total()));
}

TEST(MemoryController, AnonymousMemoryOnTheInactiveListCountsAsInUse)
{
    // 16 of 23.5 GiB in use, 15 GiB of it anonymous memory on the kernel's Inactive list.
    FixtureRoot root(QStringLiteral("memory/anonymous-inactive"));
    auto memory = sampler(root);
    memory->refresh();
    const std::uint64_t page = Platform::HostStatistics::pageSize();
    EXPECT_EQ(memory->total(), (24682404 - 7864320) * kKiB / page * page);
    EXPECT_NEAR(memory->usage(), double(24682404 - 7864320) / 24682404, 1e-6);
    // What the card shows as available is what free(1) shows.
    EXPECT_NEAR(double(memory->free()), double(7864320 * kKiB), double(page));
}

TEST(MemoryController, MeminfoWithoutZswapHasNothingCompressed)
{
    FixtureRoot root(QStringLiteral("memory/no-zswap"));
    auto memory = sampler(root);
    memory->refresh();
    EXPECT_EQ(memory->compressed(), 0u);
    EXPECT_EQ(memory->total(), memory->active() + memory->wired());
    EXPECT_EQ(memory->free() + memory->total(), 16777216 * kKiB);
}

TEST(MemoryController, PartsBeyondTheMemoryInUseOrNoPhysicalStaySound)
{
    FixtureRoot root(QStringLiteral("memory/parts-exceed-use"));
    auto memory = sampler(root);
    memory->refresh();
    const std::uint64_t page = Platform::HostStatistics::pageSize();
    EXPECT_EQ(memory->active(), 0u);
    EXPECT_EQ(memory->total(), (4194304 - 3670016) * kKiB / page * page);
    EXPECT_EQ(memory->free() + memory->total(), 4194304 * kKiB);
    EXPECT_LE(memory->usage(), 1.0);

    root.load(QStringLiteral("memory/zero-total"));
    memory->refresh();
    EXPECT_EQ(memory->usage(), 0.0); // no division by zero
    EXPECT_EQ(memory->free(), 0u);
    EXPECT_FALSE(std::isnan(memory->usageHistory().last()));
}

TEST(MemoryController, FailedReadSkipsTheSample)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root, 3);
    memory->refresh();
    const std::uint64_t total = memory->total();
    const auto history = memory->history();

    root.load(QStringLiteral("memory/broken"));
    QSignalSpy totalSpy(memory.get(), &MemoryController::totalChanged);
    QSignalSpy historySpy(memory.get(), &MemoryController::historyChanged);
    memory->refresh();
    EXPECT_EQ(totalSpy.count(), 0);
    EXPECT_EQ(historySpy.count(), 0);
    EXPECT_EQ(memory->total(), total);
    EXPECT_EQ(memory->history(), history);
    EXPECT_EQ(memory->currentStatistics(), SystemKit::MemoryStatistics{});
}

TEST(MemoryController, EveryWriteNotifiesEvenWhenUnchanged)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root);
    memory->refresh();
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (auto signal : {&MemoryController::activeChanged, &MemoryController::compressedChanged,
                        &MemoryController::inactiveChanged, &MemoryController::wiredChanged,
                        &MemoryController::usageChanged, &MemoryController::freeChanged,
                        &MemoryController::totalChanged, &MemoryController::historyChanged,
                        &MemoryController::usageHistoryChanged})
        spies.push_back(std::make_unique<QSignalSpy>(memory.get(), signal));
    memory->refresh();
    for (const auto& spy : spies)
        EXPECT_EQ(spy->count(), 1);
}

TEST(MemoryController, HistorySizeBelowOneCountsAsOne)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    for (int size : {0, -3}) {
        auto memory = sampler(root, size);
        EXPECT_EQ(memory->history().size(), 1);
        memory->refresh();
        EXPECT_EQ(memory->history(), QList<quint64>{memory->total()});
        EXPECT_EQ(memory->usageHistory().size(), 1);
    }
}

TEST(MemoryController, CurrentStatisticsChangesNoProperty)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root);
    const auto stats = memory->currentStatistics();
    EXPECT_EQ(stats.free, 2097152 * kKiB / Platform::HostStatistics::pageSize() * Platform::HostStatistics::pageSize());
    EXPECT_GT(stats.active, 0u);
    EXPECT_EQ(memory->active(), 0u);
    EXPECT_EQ(memory->history(), QList<quint64>(30, 0));
}

TEST(MemoryController, StartingTwiceKeepsTheFirstTimer)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root);
    QSignalSpy spy(memory.get(), &MemoryController::timerChanged);
    memory->start(1.0);
    QTimer* first = memory->timer();
    ASSERT_NE(first, nullptr);
    memory->start(5.0);
    EXPECT_EQ(memory->timer(), first);
    EXPECT_EQ(first->interval(), 1000);
    EXPECT_TRUE(first->isActive());
    memory->stop();
    EXPECT_EQ(memory->timer(), nullptr);
    memory->start(2.5);
    ASSERT_NE(memory->timer(), nullptr);
    EXPECT_EQ(memory->timer()->interval(), 2500);
    EXPECT_EQ(spy.count(), 3);
}

TEST(MemoryController, EveryPropertyReadsThroughTheMetaObjectAndNotifies)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    auto memory = sampler(root);
    const QMetaObject* meta = memory->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        EXPECT_TRUE(property.hasNotifySignal()) << property.name();
        EXPECT_TRUE(property.read(memory.get()).isValid()) << property.name();
    }
}
