#include "Platform/ProcessTable.h"

#include "Platform/ProcFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {

// The kernel cuts command names to 15 bytes (TASK_COMM_LEN 16 with its NUL).
constexpr std::size_t kCommandNameLimit = 15;

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

} // namespace

ProcessTable::ProcessTable(QString root)
    : m_root(std::move(root))
    , m_procPath(ProcFile::join(m_root, "proc").toLocal8Bit())
{
    const long hz = ::sysconf(_SC_CLK_TCK);
    m_ticksPerSecond = hz > 0 ? std::uint64_t(hz) : 100;
    const long page = ::sysconf(_SC_PAGESIZE);
    m_pageSize = page > 0 ? std::uint64_t(page) : 4096;
}

ProcessTable::~ProcessTable() = default;

bool ProcessTable::list(std::vector<ProcessRecord>& out)
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

    for (auto& [pid, cached] : m_names)
        cached.seen = false;

    char pidText[16];
    for (const std::int32_t pid : m_pids) {
        const auto [end, ec] = std::to_chars(pidText, pidText + sizeof pidText - 1, pid);
        if (ec != std::errc())
            continue;
        *end = '\0';
        if (out.size() == out.capacity())
            out.reserve(std::max<std::size_t>(64, out.capacity() * 2));
        out.emplace_back();
        if (!readProcess(procFd, pidText, out.back()))
            out.pop_back();
    }
    ::close(procFd);

    for (auto it = m_names.begin(); it != m_names.end();) {
        if (it->second.seen)
            ++it;
        else
            it = m_names.erase(it);
    }
    return true;
}

bool ProcessTable::readProcess(int procFd, const char* pidText, ProcessRecord& record)
{
    char path[32];
    const std::size_t pidLength = std::strlen(pidText);
    std::memcpy(path, pidText, pidLength);
    std::memcpy(path + pidLength, "/stat", 6);
    const auto file = ProcFile::read(procFd, path, m_stat);
    if (!file)
        return false; // gone, or not ours to read

    // "pid (name) S ppid ...": the name may hold ") (", so it ends at the last ")".
    const std::string_view text = *file;
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return false;
    std::string_view head = text.substr(0, open);
    const auto pid = ProcFile::takeSigned(head);
    if (!pid || *pid <= 0 || *pid > INT32_MAX)
        return false;
    const std::string_view rawName = text.substr(open + 1, close - open - 1);

    // Fields from 3 (state) on; 14 utime, 15 stime, 22 start time, 24 rss.
    std::string_view rest = text.substr(close + 1);
    const std::string_view state = ProcFile::takeField(rest);
    if (state.size() != 1 || state[0] == 'X' || state[0] == 'x')
        return false; // dead: on its way out of the table
    std::int64_t field[22] = {};
    for (int index = 4; index <= 24; ++index) {
        const auto value = ProcFile::takeSigned(rest);
        if (!value)
            return false;
        field[index - 4] = *value;
    }
    const std::int64_t ppid = field[0];
    const std::int64_t utime = field[14 - 4];
    const std::int64_t stime = field[15 - 4];
    const std::int64_t rss = field[24 - 4];
    if (ppid < 0 || ppid > INT32_MAX || utime < 0 || stime < 0)
        return false;

    record.pid = std::int32_t(*pid);
    record.ppid = std::int32_t(ppid);
    record.zombie = state[0] == 'Z';
    const std::uint64_t ticks = std::uint64_t(utime) + std::uint64_t(stime);
    const std::uint64_t hz = m_ticksPerSecond;
    record.cpuTime = ticks / hz * 1000000000u + ticks % hz * 1000000000u / hz;
    record.residentBytes = rss > 0 ? std::uint64_t(rss) * m_pageSize : 0;
    record.name = nameFor(procFd, record.pid, field[22 - 4], rawName);
    return true;
}

const QString& ProcessTable::nameFor(int procFd, std::int32_t pid, std::int64_t startTime, std::string_view raw)
{
    CachedName& cached = m_names[pid];
    cached.seen = true;
    // The same process (pid and start time) under the same command name keeps its name.
    if (!cached.name.isNull() && cached.startTime == startTime && cached.raw == raw)
        return cached.name;

    cached.startTime = startTime;
    cached.raw.assign(raw);
    std::string_view name = raw;
    if (raw.size() >= kCommandNameLimit) {
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
    cached.name = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (cached.name.isNull())
        cached.name = QStringLiteral("");
    return cached.name;
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
