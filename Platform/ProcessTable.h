#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Platform {

// One process of the kernel's table.
struct ProcessRecord {
    std::int32_t pid = 0;
    std::int32_t ppid = 0;
    bool zombie = false;
    std::uint64_t cpuTime = 0;       // user + system processor time in timebase units (nanoseconds)
    std::uint64_t residentBytes = 0; // resident memory
    QString name;
};

struct Timebase {
    std::uint32_t numer = 1;
    std::uint32_t denom = 1;
};

// The process table read from /proc below `root`: one record per numeric folder whose stat file
// reads. A process that is gone before its files are read, or is already dead, is left out (never
// listed with zero time). /proc mounted with hidepid shows only the processes the user may see.
//
// Names: the kernel's command name (cut at 15 characters); when that is a prefix of the base name
// of argv[0], the longer name. The command name sits in parentheses in the stat file and may
// itself hold blanks and parentheses, so the fields are read from after the last ")".
//
// The reader keeps its buffers and the names of the previous scan, so that a scan of an unchanged
// table allocates nothing beyond the records' vector growing once. An instance belongs to one thread.
class ProcessTable {
public:
    explicit ProcessTable(QString root = QStringLiteral("/"));
    ~ProcessTable();
    ProcessTable(const ProcessTable&) = delete;
    ProcessTable& operator=(const ProcessTable&) = delete;

    const QString& root() const { return m_root; }

    // Fills `out` (cleared first) in ascending pid order. False when /proc cannot be listed.
    bool list(std::vector<ProcessRecord>& out);

    // (pid, kernel command name) of every process below `root`/proc, ascending by pid. The command name
    // is the kernel's (at most 15 bytes, /proc/<pid>/comm); a process that vanishes during the scan is
    // left out. Empty when /proc cannot be listed.
    static std::vector<std::pair<std::int32_t, QString>> commandNames(const QString& root = QStringLiteral("/"));
    // The executable of a process (the link /proc/<pid>/exe), as an absolute path; empty for an
    // identifier outside 1...2147483647, a process that is gone, a kernel thread (no executable) or
    // another user's process (the link is not readable). The kernel's " (deleted)" mark of a replaced
    // or removed file is cut off.
    static QString executablePath(std::int64_t pid, const QString& root = QStringLiteral("/"));

    // Processor times are nanoseconds already: 1/1.
    static Timebase timebase() { return {}; }

private:
    bool readProcess(int procFd, const char* pidText, ProcessRecord& record);
    const QString& nameFor(int procFd, std::int32_t pid, std::int64_t startTime, std::string_view raw);

    struct CachedName {
        std::int64_t startTime = -1;
        std::string raw;
        QString name;
        bool seen = false;
    };

    QString m_root;
    QByteArray m_procPath;
    std::string m_stat;
    std::string m_cmdline;
    std::vector<std::int32_t> m_pids;
    std::unordered_map<std::int32_t, CachedName> m_names;
    std::uint64_t m_ticksPerSecond = 0;
    std::uint64_t m_pageSize = 0;
};

} // namespace Platform
