#include "Platform/HostStatistics.h"

#include <QTemporaryDir>
#include <QFile>
#include <QDir>

#include <gtest/gtest.h>

using Platform::HostStatistics;

namespace {
QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/SystemKit/") + QLatin1String(name);
}

constexpr std::uint64_t kKiB = 1024;
} // namespace

TEST(HostStatisticsTicks, HostLineGroupsTheKernelStatesIntoFour)
{
    HostStatistics host(fixture("ticks/second"));
    const auto ticks = host.cpuTicks();
    ASSERT_TRUE(ticks);
    EXPECT_EQ(ticks->user, 1030u);                 // user (guest already inside)
    EXPECT_EQ(ticks->nice, 50u);
    EXPECT_EQ(ticks->system, 404u + 22 + 33 + 1);  // system + irq + softirq + steal
    EXPECT_EQ(ticks->idle, 8050u + 110);           // idle + iowait
}

TEST(HostStatisticsTicks, PerProcessorLinesCarryTheirKernelNumber)
{
    std::vector<Platform::ProcessorTicks> cpus;
    HostStatistics both(fixture("ticks/second"));
    ASSERT_TRUE(both.perCpuTicks(cpus));
    ASSERT_EQ(cpus.size(), 2u);
    EXPECT_EQ(cpus[0].processor, 0);
    EXPECT_EQ(cpus[1].processor, 1);
    EXPECT_EQ(cpus[0].ticks, (Platform::CpuTicks{620, 210 + 10 + 15, 4070 + 50, 25}));

    HostStatistics offline(fixture("ticks/offline"));
    ASSERT_TRUE(offline.perCpuTicks(cpus));
    ASSERT_EQ(cpus.size(), 1u);
    EXPECT_EQ(cpus[0].processor, 0);
}

TEST(HostStatisticsTicks, UnreadableOrMalformedStatGivesNothing)
{
    std::vector<Platform::ProcessorTicks> cpus{{3, {}}};
    HostStatistics broken(fixture("ticks/broken"));
    EXPECT_FALSE(broken.cpuTicks());
    EXPECT_FALSE(broken.perCpuTicks(cpus));
    EXPECT_TRUE(cpus.empty());
    EXPECT_FALSE(broken.taskThreadCounts());
    EXPECT_FALSE(broken.bootTime());

    HostStatistics missing(QStringLiteral("/nonexistent-kestrion-root"));
    EXPECT_FALSE(missing.cpuTicks());
    EXPECT_FALSE(missing.vmStatistics());
    EXPECT_EQ(missing.memorySize(), 0u);

    // A host line cut short after three numbers is no reading.
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("proc")));
    QFile stat(dir.filePath(QStringLiteral("proc/stat")));
    ASSERT_TRUE(stat.open(QIODevice::WriteOnly));
    stat.write("cpu  1 2 3\ncpu0 1 2 3 4\n");
    stat.close();
    HostStatistics shortLine(dir.path());
    EXPECT_FALSE(shortLine.cpuTicks());
    ASSERT_TRUE(shortLine.perCpuTicks(cpus));
    ASSERT_EQ(cpus.size(), 1u);
    EXPECT_EQ(cpus[0].ticks, (Platform::CpuTicks{1, 3, 4, 2}));
}

TEST(HostStatisticsTicks, OneReadGivesWhatTheTwoSeparateReadsGive)
{
    for (const char* name : {"ticks/second", "ticks/offline", "ticks/broken"}) {
        SCOPED_TRACE(name);
        HostStatistics host(fixture(name));
        std::vector<Platform::ProcessorTicks> separate;
        const bool separateRead = host.perCpuTicks(separate);
        std::vector<Platform::ProcessorTicks> together{{7, {}}};
        const HostStatistics::AllTicks all = host.allTicks(together);
        EXPECT_EQ(all.host, host.cpuTicks());
        EXPECT_EQ(all.processorsRead, separateRead);
        ASSERT_EQ(together.size(), separate.size());
        for (std::size_t i = 0; i < separate.size(); ++i) {
            EXPECT_EQ(together[i].processor, separate[i].processor);
            EXPECT_EQ(together[i].ticks, separate[i].ticks);
        }
    }

    std::vector<Platform::ProcessorTicks> cpus{{3, {}}};
    const HostStatistics::AllTicks none = HostStatistics(QStringLiteral("/nonexistent-kestrion-root")).allTicks(cpus);
    EXPECT_FALSE(none.host);
    EXPECT_FALSE(none.processorsRead);
    EXPECT_TRUE(cpus.empty());
}

TEST(HostStatisticsCounts, TasksAreProcessFoldersAndThreadsComeFromLoadavg)
{
    HostStatistics host(fixture("processes/first"));
    const auto counts = host.taskThreadCounts();
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->tasks, 11);   // numeric folders only, not "self" or "sys"
    EXPECT_EQ(counts->threads, 812);
    EXPECT_EQ(host.bootTime()->seconds, 1765000000);

    // A count the caller found listing /proc itself is taken as it is; threads are still read.
    const auto given = host.taskThreadCounts(7);
    ASSERT_TRUE(given);
    EXPECT_EQ(given->tasks, 7);
    EXPECT_EQ(given->threads, 812);
    EXPECT_FALSE(HostStatistics(QStringLiteral("/nonexistent-kestrion-root")).taskThreadCounts(7));
}

TEST(HostStatisticsMemory, MeminfoMapsToPageCounts)
{
    HostStatistics host(fixture("memory/normal"));
    const auto vm = host.vmStatistics();
    ASSERT_TRUE(vm);
    const std::uint64_t page = HostStatistics::pageSize();
    EXPECT_EQ(vm->pageSize, page);
    EXPECT_EQ(vm->physicalMemory, 16777216 * kKiB);
    EXPECT_EQ(vm->freePages * page, 2097152 * kKiB);
    EXPECT_EQ(vm->activePages * page, 5242880 * kKiB);
    EXPECT_EQ(vm->inactivePages * page, 4194304 * kKiB);
    EXPECT_EQ(vm->wiredPages * page, (65536 + 262144 + 32768 + 65536) * kKiB);
    EXPECT_EQ(vm->compressedPages * page, 131072 * kKiB);
    EXPECT_EQ(host.memorySize(), 16777216 * kKiB);
}

TEST(HostStatisticsMemory, MissingZswapIsNoCompressionButMissingActiveIsNoReading)
{
    HostStatistics noZswap(fixture("memory/no-zswap"));
    const auto vm = noZswap.vmStatistics();
    ASSERT_TRUE(vm);
    EXPECT_EQ(vm->compressedPages, 0u);
    EXPECT_GT(vm->activePages, 0u);

    HostStatistics broken(fixture("memory/broken"));
    EXPECT_FALSE(broken.vmStatistics());
}
