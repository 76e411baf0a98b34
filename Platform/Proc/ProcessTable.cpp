#include "Platform/Proc/ProcessTable.h"

#include "Platform/Proc/ProcFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace Platform {

namespace {

// The kernel cuts command names to 15 bytes (TASK_COMM_LEN 16 with its NUL).
constexpr std::size_t kCommandNameLimit = 15;
// The flag of a kernel thread in the stat file's flags field (PF_KTHREAD). A kernel thread has no
// command line.
constexpr std::int64_t kKernelThreadFlag = 0x00200000;
// The file system type of the kernel's /proc (PROC_SUPER_MAGIC).
constexpr long kProcSuperMagic = 0x9fa0;
// Descriptors left to the rest of the program when stat files stay open, and the most kept open.
constexpr std::size_t kReservedDescriptors = 256;
constexpr std::size_t kMostOpenFiles = 2048;

std::optional<std::int32_t> pidOf(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (length == 0 || length > 10)
        return std::nullopt;
    std::int32_t pid = 0;
    const auto [end, ec] = std::from_chars(name, name + length, pid);
    if (ec != std::errc() || end != name + length || pid <= 0)
        return std::nullopt;
    return pid;
}

std::string_view baseName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// A signed decimal after leading blanks, as ProcFile::takeSigned reads it (an optional '-', at least
// one digit, within the 64-bit range), moving `p` past it. Kept here in one tight loop: a scan reads
// 22 numbers from each of hundreds of stat files, and up to 18 digits cannot overflow.
[[gnu::always_inline]] inline bool takeSigned(const char*& p, const char* end, std::int64_t& value)
{
    while (p < end && isBlank(*p))
        ++p;
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const char* digits = p;
    std::uint64_t magnitude = 0;
    while (p < end && unsigned(*p - '0') < 10u) {
        magnitude = magnitude * 10u + unsigned(*p - '0');
        ++p;
    }
    if (p == digits)
        return false;
    if (p - digits > 18) {
        // Long enough to overflow: read again with checks.
        magnitude = 0;
        for (const char* d = digits; d < p; ++d) {
            if (__builtin_mul_overflow(magnitude, 10u, &magnitude)
                || __builtin_add_overflow(magnitude, std::uint64_t(*d - '0'), &magnitude))
                return false;
        }
    }
    if (negative) {
        if (magnitude > std::uint64_t(INT64_MAX) + 1u)
            return false;
        value = magnitude == std::uint64_t(INT64_MAX) + 1u ? INT64_MIN : -std::int64_t(magnitude);
    } else {
        if (magnitude > std::uint64_t(INT64_MAX))
            return false;
        value = std::int64_t(magnitude);
    }
    return true;
}

// The whole of a file that the kernel writes as one record (a stat file), from its start: one read
// into a buffer larger than the record gives all of it, so only a full buffer needs another read.
// None when the read fails, which for an open /proc file means its process is gone. A file that
// cannot be read at an offset (a pipe standing in a copied tree) is read from where it stands, which
// for a file just opened is its start.
std::optional<std::string_view> readRecord(int fd, std::string& buffer)
{
    if (buffer.size() < 4096)
        buffer.resize(4096);
    std::size_t used = 0;
    bool seekable = true;
    for (;;) {
        const ssize_t n = seekable ? ::pread(fd, buffer.data() + used, buffer.size() - used, off_t(used))
                                   : ::read(fd, buffer.data() + used, buffer.size() - used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == ESPIPE && seekable && used == 0) {
                seekable = false;
                continue;
            }
            return std::nullopt;
        }
        used += std::size_t(n);
        if (n == 0 || used < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    return std::string_view(buffer.data(), used);
}

} // namespace

// One /proc/[pid]/stat line: "pid (name) S ppid ...". The name may hold ") (", so it ends at the
// last ")". Every field from 4 (ppid) to 24 (rss) must be a number.
std::optional<StatLine> StatLine::parse(std::string_view text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    const char* open = static_cast<const char*>(std::memchr(begin, '(', text.size()));
    const char* close = static_cast<const char*>(::memrchr(begin, ')', text.size()));
    if (!open || !close || close < open)
        return std::nullopt;

    StatLine line;
    const char* p = begin;
    std::int64_t pid = 0;
    if (!takeSigned(p, open, pid) || pid <= 0 || pid > INT32_MAX)
        return std::nullopt;
    line.pid = std::int32_t(pid);
    line.name = std::string_view(open + 1, std::size_t(close - open - 1));

    // Field 3, the state: one character; then fields 4 to 24.
    p = close + 1;
    while (p < end && isBlank(*p))
        ++p;
    const char* state = p;
    while (p < end && !isBlank(*p))
        ++p;
    if (p - state != 1)
        return std::nullopt;
    line.state = *state;

    std::int64_t field[21];
    for (std::int64_t& value : field) {
        if (!takeSigned(p, end, value))
            return std::nullopt;
    }
    line.ppid = field[4 - 4];
    line.flags = field[9 - 4];
    line.utime = field[14 - 4];
    line.stime = field[15 - 4];
    line.startTime = field[22 - 4];
    line.rss = field[24 - 4];
    return line;
}

ProcessTable::ProcessTable(QString root, OpenFiles openFiles)
    : m_root(std::move(root))
    , m_procPath(ProcFile::join(m_root, "proc").toLocal8Bit())
{
    const long hz = ::sysconf(_SC_CLK_TCK);
    m_ticksPerSecond = hz > 0 ? std::uint64_t(hz) : 100;
    const long page = ::sysconf(_SC_PAGESIZE);
    m_pageSize = page > 0 ? std::uint64_t(page) : 4096;

    switch (openFiles) {
    case OpenFiles::keep: m_keepFiles = true; break;
    case OpenFiles::reopen: m_keepFiles = false; break;
    case OpenFiles::automatic: {
        struct statfs fs {};
        m_keepFiles = ::statfs(m_procPath.constData(), &fs) == 0 && long(fs.f_type) == kProcSuperMagic;
        break;
    }
    }
    // Each open stat file holds a descriptor and a page of kernel memory.
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur > 2 * kReservedDescriptors)
        m_openFileLimit = limit.rlim_cur == RLIM_INFINITY
                              ? kMostOpenFiles
                              : std::min<std::size_t>(std::size_t(limit.rlim_cur) - kReservedDescriptors, kMostOpenFiles);
}

ProcessTable::~ProcessTable()
{
    for (auto& [pid, known] : m_known)
        closeStat(known);
}

void ProcessTable::setOpenFileLimit(std::size_t limit)
{
    m_openFileLimit = limit;
    for (auto& [pid, known] : m_known) {
        if (m_openFiles <= m_openFileLimit)
            break;
        closeStat(known);
    }
}

void ProcessTable::closeStat(Known& known)
{
    if (known.statFd < 0)
        return;
    ::close(known.statFd);
    known.statFd = -1;
    --m_openFiles;
}

bool ProcessTable::list(std::vector<ProcessRecord>& out, const MonotonicClock& now)
{
    out.clear();
    const int procFd = ::open(m_procPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (procFd < 0)
        return false;
    DIR* dir = ::fdopendir(::dup(procFd));
    if (!dir) {
        ::close(procFd);
        return false;
    }
    m_pids.clear();
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9')
            continue;
        if (const auto pid = pidOf(entry->d_name))
            m_pids.push_back(*pid);
    }
    ::closedir(dir);
    std::sort(m_pids.begin(), m_pids.end());

    for (auto& [pid, known] : m_known)
        known.seen = false;

    for (const std::int32_t pid : m_pids) {
        if (out.size() == out.capacity())
            out.reserve(std::max<std::size_t>(64, out.capacity() * 2));
        out.emplace_back();
        Known& known = m_known[pid];
        known.seen = true;
        if (!readProcess(procFd, pid, known, now, out.back()))
            out.pop_back();
    }
    ::close(procFd);

    for (auto it = m_known.begin(); it != m_known.end();) {
        if (it->second.seen) {
            ++it;
        } else {
            closeStat(it->second);
            it = m_known.erase(it);
        }
    }
    return true;
}

std::optional<std::string_view> ProcessTable::readStat(int procFd, std::int32_t pid, Known& known)
{
    // A stat file is one record: a read into a larger buffer gives all of it.
    if (known.statFd >= 0) {
        if (const auto text = readRecord(known.statFd, m_stat))
            return text;
        closeStat(known); // its process is gone; the pid may be another's now
    }
    char path[32];
    const auto [end, ec] = std::to_chars(path, path + 16, pid);
    if (ec != std::errc())
        return std::nullopt;
    std::memcpy(end, "/stat", 6);
    const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt; // gone, or not ours to read
    const auto text = readRecord(fd, m_stat);
    if (text && m_keepFiles && m_openFiles < m_openFileLimit) {
        known.statFd = fd;
        ++m_openFiles;
    } else {
        ::close(fd);
    }
    return text;
}

bool ProcessTable::readProcess(int procFd, std::int32_t pid, Known& known, const MonotonicClock& now, ProcessRecord& record)
{
    const auto file = readStat(procFd, pid, known);
    if (!file)
        return false;
    // Stamped before anything else can stand still (the command line of a new name is read below).
    record.readNanoseconds = now ? now() : 0;
    const auto line = StatLine::parse(*file);
    if (!line)
        return false;
    if (line->state == 'X' || line->state == 'x')
        return false; // dead: on its way out of the table
    if (line->ppid < 0 || line->ppid > INT32_MAX || line->utime < 0 || line->stime < 0)
        return false;

    record.pid = line->pid;
    record.ppid = std::int32_t(line->ppid);
    record.zombie = line->state == 'Z';
    const std::uint64_t ticks = std::uint64_t(line->utime) + std::uint64_t(line->stime);
    const std::uint64_t hz = m_ticksPerSecond;
    // Counts no process reaches stop at the largest value rather than wrap to a small one.
    std::uint64_t nanoseconds = 0;
    if (__builtin_mul_overflow(ticks / hz, std::uint64_t(1000000000u), &nanoseconds)
        || __builtin_add_overflow(nanoseconds, ticks % hz * 1000000000u / hz, &nanoseconds))
        nanoseconds = UINT64_MAX;
    record.cpuTime = nanoseconds;
    std::uint64_t resident = 0;
    if (line->rss > 0 && __builtin_mul_overflow(std::uint64_t(line->rss), m_pageSize, &resident))
        resident = UINT64_MAX;
    record.residentBytes = resident;
    record.startTime = line->startTime;
    record.name = nameFor(procFd, record.pid, known, line->startTime, (line->flags & kKernelThreadFlag) != 0,
                          line->name);
    return true;
}

const QString& ProcessTable::nameFor(int procFd, std::int32_t pid, Known& known, std::int64_t startTime,
                                     bool kernelThread, std::string_view raw)
{
    // The same process (pid and start time) under the same command name keeps its name.
    if (!known.name.isNull() && known.startTime == startTime && known.raw == raw)
        return known.name;

    known.startTime = startTime;
    known.raw.assign(raw);
    std::string_view name = raw;
    if (raw.size() >= kCommandNameLimit && !kernelThread) {
        // The command name may be cut: argv[0]'s base name completes it when it begins with it.
        char path[32];
        const auto [end, ec] = std::to_chars(path, path + 16, pid);
        if (ec == std::errc()) {
            std::memcpy(end, "/cmdline", 9);
            if (const auto cmdline = ProcFile::read(procFd, path, m_cmdline)) {
                std::string_view argv0 = *cmdline;
                argv0 = argv0.substr(0, argv0.find('\0'));
                std::string_view base = baseName(argv0);
                if (!startsWith(base, raw))
                    base = baseName(argv0.substr(0, argv0.find(' ')));
                if (base.size() > raw.size() && startsWith(base, raw))
                    name = base;
            }
        }
    }
    known.name = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (known.name.isNull())
        known.name = QStringLiteral("");
    return known.name;
}

} // namespace Platform

namespace Platform {

std::vector<std::pair<std::int32_t, QString>> ProcessTable::commandNames(const QString& root)
{
    std::vector<std::pair<std::int32_t, QString>> result;
    const QByteArray procPath = ProcFile::join(root, "proc").toLocal8Bit();
    DIR* folder = ::opendir(procPath.constData());
    if (!folder)
        return result;
    std::string buffer;
    const int procFd = ::dirfd(folder);
    while (const dirent* item = ::readdir(folder)) {
        const auto pid = pidOf(item->d_name);
        if (!pid)
            continue;
        const std::string commPath = std::string(item->d_name) + "/comm";
        const auto text = ProcFile::read(procFd, commPath.c_str(), buffer);
        if (!text)
            continue; // gone since the listing
        std::string_view name = *text;
        if (!name.empty() && name.back() == '\n')
            name.remove_suffix(1);
        result.emplace_back(*pid, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    ::closedir(folder);
    std::sort(result.begin(), result.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return result;
}

QString ProcessTable::executablePath(std::int64_t pid, const QString& root)
{
    if (pid <= 0 || pid > std::numeric_limits<std::int32_t>::max())
        return {};
    const QByteArray link = ProcFile::join(root, "proc").toLocal8Bit() + '/' + QByteArray::number(qlonglong(pid)) + "/exe";
    char target[4096];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0 || std::size_t(length) >= sizeof target)
        return {};
    QString path = QString::fromLocal8Bit(target, qsizetype(length));
    static const QString deleted = QStringLiteral(" (deleted)");
    if (path.endsWith(deleted) && path.size() > deleted.size())
        path.chop(deleted.size());
    if (!path.startsWith(QLatin1Char('/')))
        return {}; // "[...]"-style pseudo targets name no file
    return path;
}

} // namespace Platform
