#include "Platform/ProcessTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

using Platform::ProcessRecord;
using Platform::ProcessTable;

namespace {
QString fixture(const char* name)
{
    return QStringLiteral(KESTRION_FIXTURES "/SystemKit/") + QLatin1String(name);
}

const ProcessRecord* findPid(const std::vector<ProcessRecord>& records, int pid)
{
    const auto it = std::find_if(records.begin(), records.end(), [pid](const ProcessRecord& r) { return r.pid == pid; });
    return it == records.end() ? nullptr : &*it;
}

std::uint64_t nanoseconds(std::uint64_t ticks)
{
    return ticks * 1000000000u / std::uint64_t(::sysconf(_SC_CLK_TCK));
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}
} // namespace

TEST(ProcessTableList, ReadsEveryReadableProcessInPidOrder)
{
    ProcessTable table(fixture("processes/first"));
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    std::vector<int> pids;
    for (const auto& record : records)
        pids.push_back(record.pid);
    // 450 has no stat file (gone mid-scan), 890 is dead ('X'): both left out.
    EXPECT_EQ(pids, (std::vector<int>{1, 2, 15, 120, 230, 340, 560, 670, 780}));

    const ProcessRecord* systemd = findPid(records, 1);
    ASSERT_TRUE(systemd);
    EXPECT_EQ(systemd->ppid, 0);
    EXPECT_EQ(systemd->cpuTime, nanoseconds(500));
    EXPECT_EQ(systemd->residentBytes, 3000u * std::uint64_t(::sysconf(_SC_PAGESIZE)));
    EXPECT_FALSE(systemd->zombie);
    EXPECT_TRUE(findPid(records, 340)->zombie);
}

TEST(ProcessTableList, NamesMayHoldBlanksAndParenthesesAndKernelThreadsKeepTheirs)
{
    ProcessTable table(fixture("processes/first"));
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    const ProcessRecord* odd = findPid(records, 230);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->name, QStringLiteral("x) (y"));
    EXPECT_EQ(odd->ppid, 120); // fields after the last ")" are read right
    EXPECT_EQ(odd->cpuTime, nanoseconds(100));
    EXPECT_EQ(findPid(records, 120)->name, QStringLiteral("tmux: server"));
    EXPECT_EQ(findPid(records, 15)->name, QStringLiteral("kworker/0:1-events"));
    EXPECT_EQ(findPid(records, 2)->name, QStringLiteral("kthreadd"));
    // A command name cut at 15 characters is completed from argv[0].
    EXPECT_EQ(findPid(records, 560)->name, QStringLiteral("gnome-shell-calendar-server"));
    EXPECT_TRUE(findPid(records, 670)->name.isEmpty());
}

TEST(ProcessTableList, MalformedStatFilesAreSkippedAndNamesFollowChanges)
{
    QTemporaryDir dir;
    const QString proc = dir.filePath(QStringLiteral("proc"));
    writeFile(proc + "/10/stat", "10 (cut");
    writeFile(proc + "/11/stat", "11 (few) S 1 2 3\n");
    writeFile(proc + "/12/stat", "garbage\n");
    writeFile(proc + "/13/stat", "13 (neg) S 1 13 13 0 -1 0 0 0 0 0 -5 0 0 0 20 0 1 0 1 1 1 0\n");
    writeFile(proc + "/14/stat", "14 (ok) S 1 14 14 0 -1 0 0 0 0 0 7 3 0 0 20 0 1 0 1 1 -1 0\n");
    writeFile(proc + "/99999999999/stat", "1 (huge) S 1 1 1 0 -1 0 0 0 0 0 1 1 0 0 20 0 1 0 1 1 1 0\n");
    ProcessTable table(dir.path());
    std::vector<ProcessRecord> records{ProcessRecord{}};
    ASSERT_TRUE(table.list(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].pid, 14);
    EXPECT_EQ(records[0].residentBytes, 0u); // a negative size is none
    EXPECT_EQ(records[0].cpuTime, nanoseconds(10));

    // The same pid under a new name (exec) is read afresh.
    writeFile(proc + "/14/stat", "14 (renamed) S 1 14 14 0 -1 0 0 0 0 0 7 3 0 0 20 0 1 0 1 1 1 0\n");
    ASSERT_TRUE(table.list(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, QStringLiteral("renamed"));

    ProcessTable missing(QStringLiteral("/nonexistent-kestrion-root"));
    EXPECT_FALSE(missing.list(records));
    EXPECT_TRUE(records.empty());
}

TEST(ProcessTableList, ReusedPidWithACutNameIsNamedAfresh)
{
    QTemporaryDir dir;
    const QString proc = dir.filePath(QStringLiteral("proc"));
    auto stat = [](const char* startTime) {
        return QByteArray("20 (abcdefghijklmno) S 1 20 20 0 -1 0 0 0 0 0 1 1 0 0 20 0 1 0 ") + startTime + " 1 1 0\n";
    };
    writeFile(proc + "/20/stat", stat("100"));
    writeFile(proc + "/20/cmdline", QByteArray("/bin/abcdefghijklmnop-one\0-x\0", 29));
    ProcessTable table(dir.path());
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, QStringLiteral("abcdefghijklmnop-one"));

    writeFile(proc + "/20/stat", stat("200"));
    writeFile(proc + "/20/cmdline", QByteArray("/bin/abcdefghijklmnop-two\0", 26));
    ASSERT_TRUE(table.list(records));
    EXPECT_EQ(records[0].name, QStringLiteral("abcdefghijklmnop-two"));

    // argv[0] rewritten to a title that does not begin with the command name: the name stays cut.
    writeFile(proc + "/20/stat", stat("300"));
    writeFile(proc + "/20/cmdline", "worker: idle");
    ASSERT_TRUE(table.list(records));
    EXPECT_EQ(records[0].name, QStringLiteral("abcdefghijklmno"));
}

TEST(ProcessCommandNames, KernelNamesOfNumericFoldersInPidOrder)
{
    QTemporaryDir root;
    writeFile(root.path() + QStringLiteral("/proc/300/comm"), "bash\n");
    writeFile(root.path() + QStringLiteral("/proc/12/comm"), "kworker/0:1-events\n");
    writeFile(root.path() + QStringLiteral("/proc/self/comm"), "self\n");
    writeFile(root.path() + QStringLiteral("/proc/0/comm"), "swapper\n");
    QDir().mkpath(root.path() + QStringLiteral("/proc/45")); // gone before its name was read
    const auto names = ProcessTable::commandNames(root.path());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].first, 12);
    EXPECT_EQ(names[0].second, QStringLiteral("kworker/0:1-events"));
    EXPECT_EQ(names[1].first, 300);
    EXPECT_EQ(names[1].second, QStringLiteral("bash"));
    EXPECT_TRUE(ProcessTable::commandNames(root.path() + QStringLiteral("/missing")).empty());
}

TEST(ProcessCommandNames, ExecutablesAreTheExeLinks)
{
    QTemporaryDir root;
    const auto process = [&](const QString& pid, const QString& target) {
        ASSERT_TRUE(QDir().mkpath(root.path() + QStringLiteral("/proc/") + pid));
        if (!target.isNull()) {
            ASSERT_TRUE(QFile::link(target, root.path() + QStringLiteral("/proc/%1/exe").arg(pid)));
        }
    };
    process(QStringLiteral("77"), QStringLiteral("/usr/bin/some tool"));
    process(QStringLiteral("2"), QString()); // a kernel thread: no link
    process(QStringLiteral("812"), QStringLiteral("/usr/bin/ssh (deleted)"));
    process(QStringLiteral("813"), QStringLiteral(" (deleted)"));
    process(QStringLiteral("900"), QStringLiteral("anon_inode:[eventfd]"));
    process(QStringLiteral("2147483647"), QStringLiteral("/opt/last"));
    process(QStringLiteral("2147483648"), QStringLiteral("/opt/beyond"));

    EXPECT_EQ(ProcessTable::executablePath(77, root.path()), QStringLiteral("/usr/bin/some tool"));
    EXPECT_EQ(ProcessTable::executablePath(812, root.path()), QStringLiteral("/usr/bin/ssh"));
    EXPECT_EQ(ProcessTable::executablePath(2147483647, root.path()), QStringLiteral("/opt/last"));
    EXPECT_TRUE(ProcessTable::executablePath(2, root.path()).isEmpty());
    EXPECT_TRUE(ProcessTable::executablePath(813, root.path()).isEmpty());
    EXPECT_TRUE(ProcessTable::executablePath(900, root.path()).isEmpty());
    EXPECT_TRUE(ProcessTable::executablePath(78, root.path()).isEmpty()); // gone
    for (const std::int64_t outside : {std::int64_t(0), std::int64_t(-5), std::int64_t(2147483648),
                                       std::int64_t(4294967297), std::int64_t(1) << 40})
        EXPECT_TRUE(ProcessTable::executablePath(outside, root.path()).isEmpty()) << outside;
}
