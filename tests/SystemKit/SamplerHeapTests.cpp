// The samplers run for as long as the program does, one sample a second: ten thousand samples must leave
// the heap as large as they found it, also while processes come and go. A history that grows, a table
// keyed by process that never forgets, or a buffer made anew each sample shows up here as growth (leaks
// that lose their last pointer are LeakSanitizer's to find).
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"

#include "Platform/Proc/HostStatistics.h"

#include "Support/FixtureRoot.h"
#include "ProcessorTestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KESTRION_HEAP_FROM_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define KESTRION_HEAP_FROM_SANITIZER 1
#endif

#ifdef KESTRION_HEAP_FROM_SANITIZER
// The sanitizer runtime's own count (GCC installs no header for its allocator interface).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

constexpr int kWarmUpSamples = 100;
constexpr int kSamples = 10'000;
// Bytes in use may differ by what the allocator and Qt keep for themselves; a sampler that keeps
// as little as 4 bytes more per sample (40,000 bytes in all) is over it.
constexpr std::int64_t kToleranceBytes = 32 * 1024;

// Bytes handed out by malloc and not yet freed. Under AddressSanitizer glibc's counters see nothing
// (the sanitizer has an allocator of its own), so its own count is read instead.
std::int64_t heapInUse()
{
#ifdef KESTRION_HEAP_FROM_SANITIZER
    return std::int64_t(__sanitizer_get_current_allocated_bytes());
#else
    return std::int64_t(mallinfo2().uordblks);
#endif
}

// Heap growth over kSamples calls of `sample`, after kWarmUpSamples calls that let buffers and caches
// reach their size. Stops at the first fatal failure of a sample.
std::int64_t heapGrowth(const std::function<void(int)>& sample)
{
    int index = 0;
    for (; index < kWarmUpSamples && !::testing::Test::HasFatalFailure(); ++index)
        sample(index);
    const std::int64_t before = heapInUse();
    for (; index < kWarmUpSamples + kSamples && !::testing::Test::HasFatalFailure(); ++index)
        sample(index);
    return heapInUse() - before;
}

// Writes a stat line over the file's old one in place, padded with blanks to a fixed length: three
// system calls and no truncation (which ext4 answers by writing the file out at once), so that ten
// thousand samples stay quick. The reader takes the fields it needs and ignores what follows.
void overwriteStat(const QString& path, QByteArray line)
{
    constexpr int length = 256;
    ASSERT_LT(line.size(), length);
    line.chop(1); // the newline goes after the blanks
    line = line.leftJustified(length - 1, ' ') + '\n';
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    EXPECT_EQ(::pwrite(fd, line.constData(), std::size_t(line.size()), 0), line.size());
    ::close(fd);
}

QByteArray processStat(int pid, const QByteArray& name, int ticks)
{
    return QByteArray::number(pid) + " (" + name + ") S 1 " + QByteArray::number(pid) + ' ' + QByteArray::number(pid)
           + " 0 -1 4194560 1200 0 3 0 " + QByteArray::number(ticks) + " 7 0 0 20 0 1 0 "
           + QByteArray::number(4000 + pid) + " 123456789 250 18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 17 1 0 0 0 0 0\n";
}

} // namespace

TEST(SamplerHeap, ProcessorSamplerWithProcessesComingAndGoing)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    env.addProcessors(2);
    auto cpu = env.makeSampler(30);
    cpu->setCollectProcessInformation(true);

    // Each sample one short-lived process ends and a new one with a higher number starts (its folder
    // moves on to the new number), with a name longer than the kernel's 15 characters; another
    // process keeps running and uses time.
    QDir proc(env.root.path() + QStringLiteral("/proc"));
    int previous = 9'999;
    env.root.write(QStringLiteral("proc/9999/cmdline"), QByteArray("/usr/libexec/worker-with-a-long-name\0--job\0", 43));
    const std::int64_t growth = heapGrowth([&](int index) {
        const int pid = 10'000 + index;
        ASSERT_TRUE(proc.rename(QString::number(previous), QString::number(pid)));
        previous = pid;
        overwriteStat(proc.filePath(QString::number(pid) + QStringLiteral("/stat")),
                      processStat(pid, "worker-with-a-l", index));
        overwriteStat(proc.filePath(QStringLiteral("230/stat")), processStat(230, "x) (y", 50 + index));
        env.advance(1.0);
        cpu->refresh();
    });

    // The sampler did sample and saw the process of the last sample.
    ASSERT_FALSE(cpu->processes().isEmpty());
    bool seenLast = false;
    for (const auto& process : cpu->processes())
        seenLast = seenLast || process->pid() == previous;
    EXPECT_TRUE(seenLast);
    EXPECT_EQ(cpu->history().size(), 30);
    EXPECT_LE(growth, kToleranceBytes) << "heap grew by " << growth << " bytes over " << kSamples << " samples";
}

TEST(SamplerHeap, MemorySampler)
{
    FixtureRoot root(QStringLiteral("memory/normal"));
    SystemKit::MemoryController memory(30, std::make_shared<Platform::HostStatistics>(root.path()));
    const std::int64_t growth = heapGrowth([&](int) { memory.refresh(); });

    EXPECT_GT(memory.total(), 0u);
    EXPECT_EQ(memory.history().size(), 30);
    EXPECT_LE(growth, kToleranceBytes) << "heap grew by " << growth << " bytes over " << kSamples << " samples";
}
