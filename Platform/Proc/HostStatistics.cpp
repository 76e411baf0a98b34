#include "Platform/Proc/HostStatistics.h"

#include "Platform/Proc/ProcFile.h"

#include <fcntl.h>
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>

namespace Platform {

namespace {

// Parses the numbers after "cpu" or "cpuN" of one /proc/stat line into the four groups. At least
// user, nice, system and idle must be present; later fields are added when the kernel has them.
std::optional<CpuTicks> parseCpuLine(std::string_view fields)
{
    std::uint64_t value[8] = {};
    int count = 0;
    for (; count < 8; ++count) {
        const auto number = ProcFile::takeUnsigned(fields);
        if (!number)
            break;
        value[count] = *number;
    }
    if (count < 4)
        return std::nullopt;
    // user nice system idle iowait irq softirq steal; sums stop at the largest count rather than wrap.
    const auto sum = [](std::initializer_list<std::uint64_t> parts) {
        std::uint64_t total = 0;
        for (const std::uint64_t part : parts) {
            if (__builtin_add_overflow(total, part, &total))
                return UINT64_MAX;
        }
        return total;
    };
    CpuTicks ticks;
    ticks.user = value[0];
    ticks.nice = value[1];
    ticks.system = sum({value[2], value[5], value[6], value[7]});
    ticks.idle = sum({value[3], value[4]});
    return ticks;
}

// The host line ("cpu ") that opens /proc/stat.
std::optional<CpuTicks> hostTicks(std::string_view text)
{
    if (text.substr(0, 4) != "cpu ")
        return std::nullopt;
    const std::size_t end = text.find('\n');
    return parseCpuLine(text.substr(4, end == std::string_view::npos ? std::string_view::npos : end - 4));
}

// The cpuN lines of /proc/stat appended to `out`; false when the host line is missing.
bool processorTicks(std::string_view text, std::vector<ProcessorTicks>& out)
{
    bool sawHost = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.substr(0, 3) != "cpu")
            break; // the processor lines come first and together
        line.remove_prefix(3);
        if (!line.empty() && line.front() == ' ') {
            sawHost = true;
            continue;
        }
        std::string_view rest = line;
        const auto number = ProcFile::takeUnsigned(rest);
        if (!number || rest.empty() || rest.front() != ' ' || *number > 1u << 20)
            continue;
        if (const auto ticks = parseCpuLine(rest))
            out.push_back({int(*number), *ticks});
    }
    return sawHost;
}

bool isDigits(const char* name)
{
    if (!*name)
        return false;
    for (; *name; ++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

// A meminfo value in bytes; none when absent or beyond any machine's memory (2^60 bytes), so that
// sums and differences of a few of them stay far inside 64 bits.
std::optional<std::uint64_t> meminfoBytes(std::string_view text, std::string_view key)
{
    auto value = ProcFile::lineValue(text, key);
    if (!value)
        return std::nullopt;
    const auto kib = ProcFile::takeUnsigned(*value);
    if (!kib || *kib >= (std::uint64_t(1) << 50))
        return std::nullopt;
    return *kib * 1024;
}

} // namespace

HostStatistics::HostStatistics(QString root)
    : m_root(std::move(root))
    , m_statPath(ProcFile::join(m_root, "proc/stat").toLocal8Bit())
    , m_loadavgPath(ProcFile::join(m_root, "proc/loadavg").toLocal8Bit())
    , m_meminfoPath(ProcFile::join(m_root, "proc/meminfo").toLocal8Bit())
    , m_minFreePath(ProcFile::join(m_root, "proc/sys/vm/min_free_kbytes").toLocal8Bit())
    , m_procPath(ProcFile::join(m_root, "proc").toLocal8Bit())
{
}

std::optional<CpuTicks> HostStatistics::cpuTicks()
{
    const auto file = ProcFile::read(AT_FDCWD, m_statPath.constData(), m_buffer);
    return file ? hostTicks(*file) : std::nullopt;
}

bool HostStatistics::perCpuTicks(std::vector<ProcessorTicks>& out)
{
    out.clear();
    const auto file = ProcFile::read(AT_FDCWD, m_statPath.constData(), m_buffer);
    return file && processorTicks(*file, out);
}

HostStatistics::AllTicks HostStatistics::allTicks(std::vector<ProcessorTicks>& perCpu)
{
    perCpu.clear();
    const auto file = ProcFile::read(AT_FDCWD, m_statPath.constData(), m_buffer);
    if (!file)
        return {};
    return {hostTicks(*file), processorTicks(*file, perCpu)};
}

std::optional<TaskThreadCounts> HostStatistics::taskThreadCounts(std::optional<std::int64_t> listedTasks)
{
    const auto file = ProcFile::read(AT_FDCWD, m_loadavgPath.constData(), m_buffer);
    if (!file)
        return std::nullopt;
    // "0.12 0.34 0.56 2/345 6789": the number after "/" counts the scheduling entities.
    std::string_view text = *file;
    for (int i = 0; i < 3; ++i)
        ProcFile::takeField(text);
    std::string_view field = ProcFile::takeField(text);
    const std::size_t slash = field.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    field.remove_prefix(slash + 1);
    const auto threads = ProcFile::takeUnsigned(field);
    if (!threads || !field.empty() || *threads > INT64_MAX)
        return std::nullopt;

    if (listedTasks)
        return TaskThreadCounts{*listedTasks, std::int64_t(*threads)};
    DIR* dir = ::opendir(m_procPath.constData());
    if (!dir)
        return std::nullopt;
    std::int64_t tasks = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (isDigits(entry->d_name))
            ++tasks;
    }
    ::closedir(dir);
    return TaskThreadCounts{tasks, std::int64_t(*threads)};
}

std::optional<VmStatistics> HostStatistics::vmStatistics()
{
    const auto file = ProcFile::read(AT_FDCWD, m_meminfoPath.constData(), m_buffer);
    if (!file)
        return std::nullopt;
    const std::string_view text = *file;
    const auto total = meminfoBytes(text, "MemTotal:");
    const auto free = meminfoBytes(text, "MemFree:");
    if (!total || !free)
        return std::nullopt;
    auto available = meminfoBytes(text, "MemAvailable:");
    const std::uint64_t wired = meminfoBytes(text, "Unevictable:").value_or(0)
                                + meminfoBytes(text, "SUnreclaim:").value_or(0)
                                + meminfoBytes(text, "KernelStack:").value_or(0)
                                + meminfoBytes(text, "PageTables:").value_or(0);
    const std::uint64_t compressed = meminfoBytes(text, "Zswap:").value_or(0);

    if (!available) {
        // Kernels before 3.14 give no estimate of their own: make it as free(1) does there, from the
        // free memory, the page cache and the reclaimable slab, each less what the low watermark keeps.
        const std::int64_t pageCache = std::int64_t(meminfoBytes(text, "Active(file):").value_or(0)
                                                    + meminfoBytes(text, "Inactive(file):").value_or(0));
        const std::int64_t slab = std::int64_t(meminfoBytes(text, "SReclaimable:").value_or(0));
        std::int64_t low = 0;
        // The meminfo text lives in the buffer this read reuses: everything above is taken from it.
        if (const auto minFree = ProcFile::read(AT_FDCWD, m_minFreePath.constData(), m_buffer)) {
            std::string_view value = *minFree;
            if (const auto kib = ProcFile::takeUnsigned(value); kib && *kib < (std::uint64_t(1) << 40))
                low = std::int64_t(*kib) * 1024 * 5 / 4;
        }
        const std::int64_t estimate = std::int64_t(*free) - low + pageCache - std::min(pageCache / 2, low) + slab
                                      - std::min(slab / 2, low);
        available = std::uint64_t(std::max<std::int64_t>(estimate, 0));
    }
    // Inside a container the kernel may report more available than the container has: free(1) then
    // counts only the free memory as available.
    if (*available > *total)
        available = *free;
    const std::uint64_t inUse = *total - std::min(*available, *total);

    VmStatistics stats;
    stats.pageSize = pageSize();
    const std::uint64_t inUsePages = inUse / stats.pageSize;
    // The parts of the memory in use never add up to more than it.
    stats.wiredPages = std::min(wired / stats.pageSize, inUsePages);
    stats.compressedPages = std::min(compressed / stats.pageSize, inUsePages - stats.wiredPages);
    stats.activePages = inUsePages - stats.wiredPages - stats.compressedPages;
    stats.inactivePages = (*available > *free ? *available - *free : 0) / stats.pageSize;
    stats.freePages = *free / stats.pageSize;
    stats.physicalMemory = *total;
    return stats;
}

std::uint64_t HostStatistics::memorySize()
{
    const auto file = ProcFile::read(AT_FDCWD, m_meminfoPath.constData(), m_buffer);
    if (!file)
        return 0;
    return meminfoBytes(*file, "MemTotal:").value_or(0);
}

std::uint64_t HostStatistics::pageSize()
{
    static const std::uint64_t size = [] {
        const long value = ::sysconf(_SC_PAGESIZE);
        return value > 0 ? std::uint64_t(value) : std::uint64_t(4096);
    }();
    return size;
}

std::optional<BootTime> HostStatistics::bootTime()
{
    const auto file = ProcFile::read(AT_FDCWD, m_statPath.constData(), m_buffer);
    if (!file)
        return std::nullopt;
    auto value = ProcFile::lineValue(*file, "btime");
    if (!value)
        return std::nullopt;
    const auto seconds = ProcFile::takeSigned(*value);
    if (!seconds)
        return std::nullopt;
    return BootTime{*seconds, 0};
}

} // namespace Platform
