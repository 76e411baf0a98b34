#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Platform {

// Cumulative processor ticks (clock ticks since boot) in four states.
struct CpuTicks {
    std::uint64_t user = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t nice = 0;
    bool operator==(const CpuTicks&) const = default;
};

// The ticks of one online processor; `processor` is its kernel number N (cpuN).
struct ProcessorTicks {
    int processor = 0;
    CpuTicks ticks;
};

struct TaskThreadCounts {
    std::int64_t tasks = 0;
    std::int64_t threads = 0;
};

// Virtual-memory page counts in pages of `pageSize` bytes, and the physical memory they share.
struct VmStatistics {
    std::uint64_t freePages = 0;
    std::uint64_t activePages = 0;
    std::uint64_t inactivePages = 0;
    std::uint64_t wiredPages = 0;
    std::uint64_t compressedPages = 0;
    std::uint64_t pageSize = 0;
    std::uint64_t physicalMemory = 0; // bytes
};

struct BootTime {
    std::int64_t seconds = 0; // since 1970
    std::int32_t microseconds = 0;
};

// Host-wide counters of the running kernel: processor ticks (all and per processor), task and thread
// counts, virtual-memory statistics, page size and boot time, read from /proc below `root`.
//
// The four tick states group the kernel's ten: user <- user; nice <- nice;
// system <- system + irq + softirq + steal; idle <- idle + iowait (guest time is already in user).
// Memory groups /proc/meminfo so that active + wired + compressed is the memory in use that free(1)
// and top show, MemTotal - MemAvailable (the kernel's Active list holds file cache, and anonymous
// memory also sits on its Inactive list, so neither list says what is in use):
// wired <- Unevictable + SUnreclaim + KernelStack + PageTables, compressed <- Zswap (0 when absent),
// active <- MemTotal - MemAvailable - wired - compressed (floored at 0; wired and compressed are cut
// to the memory in use when they would exceed it), inactive <- MemAvailable - MemFree (floored at 0),
// free <- MemFree, physical <- MemTotal. Without MemAvailable (kernels before 3.14) and where it
// exceeds MemTotal (containers), the available memory is taken as free(1) takes it.
//
// Reads reuse one buffer; an instance belongs to one thread.
class HostStatistics {
public:
    explicit HostStatistics(QString root = QStringLiteral("/"));

    const QString& root() const { return m_root; }

    // The host line of /proc/stat; none when it cannot be read.
    std::optional<CpuTicks> cpuTicks();
    // The cpuN lines of /proc/stat in file order (an offline processor has no line). False, with
    // `out` empty, when /proc/stat cannot be read.
    bool perCpuTicks(std::vector<ProcessorTicks>& out);
    // Both of the above from one read of /proc/stat, for a sampler that needs them together.
    struct AllTicks {
        std::optional<CpuTicks> host;  // as cpuTicks() gives it
        bool processorsRead = false;   // as perCpuTicks() answers
    };
    AllTicks allTicks(std::vector<ProcessorTicks>& perCpu);
    // Tasks: the process folders of /proc; threads: the scheduling entities of /proc/loadavg. A
    // caller that has just listed /proc (a process-table scan) passes the folders it found as
    // `tasks`, and /proc is not listed a second time.
    std::optional<TaskThreadCounts> taskThreadCounts(std::optional<std::int64_t> tasks = std::nullopt);
    // None when /proc/meminfo cannot be read or lacks MemTotal or MemFree.
    std::optional<VmStatistics> vmStatistics();
    // MemTotal in bytes; 0 when unknown.
    std::uint64_t memorySize();
    // The kernel's page size in bytes.
    static std::uint64_t pageSize();
    // The boot time (btime of /proc/stat); none when unknown.
    std::optional<BootTime> bootTime();

private:
    QString m_root;
    QByteArray m_statPath;
    QByteArray m_loadavgPath;
    QByteArray m_meminfoPath;
    QByteArray m_minFreePath;
    QByteArray m_procPath;
    std::string m_buffer;
};

} // namespace Platform
