#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
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
    // When the process started, in clock ticks after boot. A pid is handed out again once its
    // process has ended: the pid and the start time together name one process.
    std::int64_t startTime = 0;
    QString name;
    // When the stat file these figures come from was read, on the clock the scan was given (0
    // without one). A scan may stand still at one process for seconds (a stat file that blocks):
    // what is measured over time compares each process's own two readings.
    std::int64_t readNanoseconds = 0;
};

// The fields of one /proc/[pid]/stat line that the table reads. The command name sits in parentheses
// and may itself hold blanks and parentheses, so it runs to the last ")"; every field from 4 (ppid)
// to 24 (rss) must be a decimal number, else the line does not parse.
struct StatLine {
    std::int32_t pid = 0;
    std::string_view name; // points into the parsed text
    char state = 0;
    std::int64_t ppid = 0;
    std::int64_t flags = 0;
    std::int64_t utime = 0; // clock ticks
    std::int64_t stime = 0;
    std::int64_t startTime = 0;
    std::int64_t rss = 0; // pages

    static std::optional<StatLine> parse(std::string_view text);
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
// of argv[0], the longer name. Kernel threads have no argv[0] and keep the command name.
//
// The reader keeps its buffers and the names of the previous scan, so that a scan of an unchanged
// table allocates nothing beyond the records' vector growing once. An instance belongs to one thread.
//
// On the kernel's /proc the stat file of each process stays open from one scan to the next and is
// read again from its start: one system call per process instead of an open, two reads and a close,
// which is most of what a scan costs. The open file stays bound to the process it was opened for, so
// once that process is gone it reads as an error (its pid may belong to another process by then) and
// the file is opened afresh. At most openFileLimit() files stay open, well below the descriptor limit.
class ProcessTable {
public:
    // Whether stat files stay open between scans: on the kernel's /proc only (automatic), always
    // (a fixture tree whose files are rewritten in place), or never.
    enum class OpenFiles { automatic, keep, reopen };

    explicit ProcessTable(QString root = QStringLiteral("/"), OpenFiles openFiles = OpenFiles::automatic);
    virtual ~ProcessTable();
    ProcessTable(const ProcessTable&) = delete;
    ProcessTable& operator=(const ProcessTable&) = delete;

    const QString& root() const { return m_root; }

    // How many stat files may stay open at once, and how many do now.
    std::size_t openFileLimit() const { return m_openFileLimit; }
    void setOpenFileLimit(std::size_t limit);
    std::size_t openFileCount() const { return m_openFiles; }

    // A monotonic clock in nanoseconds, read once right after each process's stat file.
    using MonotonicClock = std::function<std::int64_t()>;

    // Fills `out` (cleared first) in ascending pid order, every process read afresh and stamped by
    // `now` (0 without a clock). False when /proc cannot be listed.
    virtual bool list(std::vector<ProcessRecord>& out, const MonotonicClock& now);
    bool list(std::vector<ProcessRecord>& out) { return list(out, MonotonicClock()); }

    // The process folders the last list() found, whether or not each could be read.
    std::size_t listedCount() const { return m_pids.size(); }

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
    // What the reader keeps of a process from one scan to the next.
    struct Known {
        std::int64_t startTime = -1;
        std::string raw; // the command name the name was made from
        QString name;
        int statFd = -1; // the open stat file, or -1
        bool seen = false;
    };

    bool readProcess(int procFd, std::int32_t pid, Known& known, const MonotonicClock& now, ProcessRecord& record);
    std::optional<std::string_view> readStat(int procFd, std::int32_t pid, Known& known);
    const QString& nameFor(int procFd, std::int32_t pid, Known& known, std::int64_t startTime, bool kernelThread,
                           std::string_view raw);
    void closeStat(Known& known);

    QString m_root;
    QByteArray m_procPath;
    std::string m_stat;
    std::string m_cmdline;
    std::vector<std::int32_t> m_pids;
    std::unordered_map<std::int32_t, Known> m_known;
    bool m_keepFiles = false;
    std::size_t m_openFileLimit = 0;
    std::size_t m_openFiles = 0;
    std::uint64_t m_ticksPerSecond = 0;
    std::uint64_t m_pageSize = 0;
};

} // namespace Platform
