#include "Platform/Proc/HostStatistics.h"

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

namespace {
// Bytes in whole pages, as the page counts hold them.
std::uint64_t pages(std::uint64_t kib)
{
    return kib * kKiB / HostStatistics::pageSize();
}

// The memory in use (active + wired + compressed) in bytes.
std::uint64_t inUse(const Platform::VmStatistics& vm)
{
    return (vm.activePages + vm.wiredPages + vm.compressedPages) * vm.pageSize;
}
} // namespace

TEST(HostStatisticsMemory, ZswapIsCompressedAndTheRestOfTheMemoryInUseIsActive)
{
    HostStatistics host(fixture("memory/normal"));
    const auto vm = host.vmStatistics();
    ASSERT_TRUE(vm);
    EXPECT_EQ(vm->pageSize, HostStatistics::pageSize());
    EXPECT_EQ(vm->physicalMemory, 16777216 * kKiB);
    const std::uint64_t wired = 65536 + 262144 + 32768 + 65536; // Unevictable, SUnreclaim, KernelStack, PageTables
    EXPECT_EQ(vm->wiredPages, pages(wired));
    EXPECT_EQ(vm->compressedPages, pages(131072));
    // MemTotal - MemAvailable is in use; what wired and compressed leave of it is active.
    EXPECT_EQ(vm->wiredPages + vm->compressedPages + vm->activePages, pages(16777216 - 9437184));
    EXPECT_EQ(vm->inactivePages, pages(9437184 - 2097152)); // MemAvailable - MemFree
    EXPECT_EQ(vm->freePages, pages(2097152));
    EXPECT_EQ(host.memorySize(), 16777216 * kKiB);
}

TEST(HostStatisticsMemory, MemoryInUseIsWhatFreeShowsAsUsed)
{
    // free(1) and top show MemTotal - MemAvailable as used.
    struct Case {
        const char* fixture;
        std::uint64_t totalKiB, availableKiB, freeKiB, wiredKiB, compressedKiB;
    };
    const Case cases[] = {
        // Nearly nothing in use.
        {"memory/idle", 16777216, 15728640, 14680064, 16384 + 65536 + 16384 + 32768, 0},
        // 15 GiB of anonymous memory on the kernel's Inactive list, only 512 MiB on its Active list: the
        // lists would show 2 % in use where 16 of 23.5 GiB are.
        {"memory/anonymous-inactive", 24682404, 7864320, 7340032, 15992 + 38980 + 4368 + 40960, 0},
        // A desktop captured by a monitoring library's tests.
        {"memory/real-gopsutil", 16115528, 11225936, 8577628, 32 + 65724 + 14224 + 63712, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        HostStatistics host(fixture(c.fixture));
        const auto vm = host.vmStatistics();
        ASSERT_TRUE(vm);
        EXPECT_EQ(vm->physicalMemory, c.totalKiB * kKiB);
        EXPECT_EQ(vm->activePages + vm->wiredPages + vm->compressedPages, pages(c.totalKiB - c.availableKiB));
        EXPECT_EQ(vm->wiredPages, pages(c.wiredKiB));
        EXPECT_EQ(vm->compressedPages, pages(c.compressedKiB));
        EXPECT_EQ(vm->inactivePages, pages(c.availableKiB - c.freeKiB));
        EXPECT_EQ(vm->freePages, pages(c.freeKiB));
    }

    HostStatistics anonymous(fixture("memory/anonymous-inactive"));
    const auto vm = anonymous.vmStatistics();
    ASSERT_TRUE(vm);
    EXPECT_GT(double(inUse(*vm)) / double(vm->physicalMemory), 0.66);
}

TEST(HostStatisticsMemory, PartsThatWouldExceedTheMemoryInUseAreCut)
{
    // Wired (464 MiB) and compressed (128 MiB) together exceed the 512 MiB in use.
    HostStatistics host(fixture("memory/parts-exceed-use"));
    const auto vm = host.vmStatistics();
    ASSERT_TRUE(vm);
    EXPECT_EQ(vm->activePages, 0u);
    EXPECT_EQ(vm->wiredPages, pages(262144 + 131072 + 16384 + 65536));
    EXPECT_EQ(vm->wiredPages + vm->compressedPages, pages(4194304 - 3670016));
    EXPECT_LE(inUse(*vm), vm->physicalMemory);

    // A container's view: MemAvailable above MemTotal. free(1) then takes MemFree as available.
    HostStatistics container(fixture("memory/overcommitted"));
    const auto boxed = container.vmStatistics();
    ASSERT_TRUE(boxed);
    EXPECT_EQ(inUse(*boxed), pages(1048576 - 262144) * boxed->pageSize);
    EXPECT_EQ(boxed->inactivePages, 0u);

    // No memory at all: nothing in use, nothing wraps.
    HostStatistics empty(fixture("memory/zero-total"));
    const auto none = empty.vmStatistics();
    ASSERT_TRUE(none);
    EXPECT_EQ(inUse(*none), 0u);
}

TEST(HostStatisticsMemory, WithoutMemAvailableTheEstimateIsFreesOwn)
{
    // Kernels before 3.14 (both captures come from monitoring tools' test trees): free memory, page
    // cache and reclaimable slab count as available, each less what the low watermark keeps (5/4 of
    // min_free_kbytes, added to the second tree; none known in the first).
    HostStatistics procfs(fixture("memory/real-procfs"));
    const auto first = procfs.vmStatistics();
    ASSERT_TRUE(first);
    const std::uint64_t firstAvailable = 440324 + 6494020 + 6532440 + 1738124;
    EXPECT_EQ(first->activePages + first->wiredPages + first->compressedPages, pages(15666184 - firstAvailable));
    EXPECT_EQ(first->compressedPages, pages(22414));
    EXPECT_EQ(first->inactivePages, pages(firstAvailable - 440324));

    HostStatistics nodeExporter(fixture("memory/real-nodeexporter"));
    const auto second = nodeExporter.vmStatistics();
    ASSERT_TRUE(second);
    const std::uint64_t low = 67584 * 5 / 4;
    const std::uint64_t pageCache = 213412 + 145676;
    const std::uint64_t secondAvailable = 225472 - low + pageCache - low + 44772 - 44772 / 2;
    EXPECT_EQ(second->activePages + second->wiredPages + second->compressedPages,
              pages(3742148 - secondAvailable));
}

TEST(HostStatisticsMemory, MissingZswapIsNoCompressionButMissingMemFreeIsNoReading)
{
    HostStatistics noZswap(fixture("memory/no-zswap"));
    const auto vm = noZswap.vmStatistics();
    ASSERT_TRUE(vm);
    EXPECT_EQ(vm->compressedPages, 0u);
    EXPECT_EQ(vm->activePages + vm->wiredPages, pages(16777216 - 9437184));

    HostStatistics broken(fixture("memory/broken"));
    EXPECT_FALSE(broken.vmStatistics());
}

TEST(HostStatisticsMemory, CountsBeyondAnyMachineStopOrAreUnknownRatherThanWrap)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("proc/sys/vm")));
    const auto write = [&root](const char* relative, const QByteArray& text) {
        QFile file(root.filePath(QLatin1String(relative)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    // Tick sums that would pass 2^64 stay at the largest count.
    write("proc/stat", "cpu  1 2 18446744073709551615 4 18446744073709551615 6 7 8\n");
    HostStatistics host(root.path());
    const auto ticks = host.cpuTicks();
    ASSERT_TRUE(ticks);
    EXPECT_EQ(ticks->system, UINT64_MAX);
    EXPECT_EQ(ticks->idle, UINT64_MAX);

    // Free memory near 2^63 bytes on an old kernel (no MemAvailable): the estimate from it would
    // overflow, so the value is no reading.
    write("proc/meminfo", "MemTotal: 16000000 kB\nMemFree: 9007199254740990 kB\nActive(file): 4000000 kB\n"
                          "Inactive(file): 4000000 kB\nSReclaimable: 100000 kB\n");
    write("proc/sys/vm/min_free_kbytes", "67584\n");
    EXPECT_FALSE(host.vmStatistics());
}
