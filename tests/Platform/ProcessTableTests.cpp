#include "Platform/Proc/ProcessTable.h"

#include "Support/MainThreadStalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/resource.h>
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
    // Each record is stamped as its own stat file is read, one clock reading each.
    std::int64_t clockReadings = 0;
    ASSERT_TRUE(table.list(records, [&clockReadings] { return ++clockReadings * 1000; }));
    std::vector<int> pids;
    std::vector<std::int64_t> stamps;
    for (const auto& record : records) {
        pids.push_back(record.pid);
        stamps.push_back(record.readNanoseconds);
    }
    // 450 has no stat file (gone mid-scan), 890 is dead ('X'): both left out.
    EXPECT_EQ(pids, (std::vector<int>{1, 2, 15, 120, 230, 340, 560, 670, 780}));
    EXPECT_EQ(stamps.front(), 1000);
    EXPECT_TRUE(std::is_sorted(stamps.begin(), stamps.end()));
    EXPECT_EQ(std::adjacent_find(stamps.begin(), stamps.end()), stamps.end());
    EXPECT_LE(clockReadings, 10); // the dead process is read, then left out

    const ProcessRecord* systemd = findPid(records, 1);
    ASSERT_TRUE(systemd);
    EXPECT_EQ(systemd->ppid, 0);
    EXPECT_EQ(systemd->cpuTime, nanoseconds(500));
    EXPECT_EQ(systemd->startTime, 4321);
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

TEST(ProcessTableList, TimesAndSizesBeyondTheCountersStopAtTheLargestValue)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("proc/20/stat")),
              "20 (huge) S 1 20 20 0 -1 0 0 0 0 0 9223372036854775807 9223372036854775807 0 0 20 0 1 0 1 1 "
              "9223372036854775807 0\n");
    ProcessTable table(dir.path());
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].cpuTime, UINT64_MAX);
    EXPECT_EQ(records[0].residentBytes, UINT64_MAX);
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

TEST(ProcessTableStatLine, ReadsTheFieldsAfterTheLastParenthesis)
{
    const std::string text =
        "230 (x) (y) R 120 230 230 0 -1 2097216 1200 0 3 0 50 60 0 0 20 0 1 0 4321 123456789 100 18446744073709551615 0\n";
    const auto line = Platform::StatLine::parse(text);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->pid, 230);
    EXPECT_EQ(line->name, "x) (y");
    EXPECT_EQ(line->state, 'R');
    EXPECT_EQ(line->ppid, 120);
    EXPECT_EQ(line->flags, 2097216);
    EXPECT_EQ(line->utime, 50);
    EXPECT_EQ(line->stime, 60);
    EXPECT_EQ(line->startTime, 4321);
    EXPECT_EQ(line->rss, 100);

    // Blanks may be tabs or newlines, numbers negative; fields after rss are not looked at.
    const auto odd = Platform::StatLine::parse("7 () S\t-1\n2 3 0 -1 0 0 0 0 0 5 6 0 0 20 0 1 0 9 1 -3");
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->name, "");
    EXPECT_EQ(odd->ppid, -1);
    EXPECT_EQ(odd->rss, -3);
    EXPECT_EQ(Platform::StatLine::parse("8 (a) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 -9223372036854775808")->rss,
              INT64_MIN);
    // Long numbers: leading zeros and the largest value still read; one past it does not.
    const auto wide = Platform::StatLine::parse(
        "9 (w) S 0000000000000000000000012 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9223372036854775807 1 5");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->ppid, 12);
    EXPECT_EQ(wide->startTime, INT64_MAX);
    EXPECT_FALSE(Platform::StatLine::parse(
        "9 (w) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 99999999999999999999 1 5"));
}

TEST(ProcessTableStatLine, RefusesLinesThatAreCutOrHoldNoNumber)
{
    const char* bad[] = {
        "",
        "garbage",
        "10 (cut",
        "10 cut) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "11 (few) S 1 2 3\n",
        "0 (zero) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "2147483648 (big) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "12 (st) SS 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "12 (st) 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "13 (minus) S 1 2 3 0 - 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 1",
        "14 (letter) S 1 2 3 0 -1 0 0 0 0 0 0 x 0 0 20 0 1 0 9 1 1",
        // A number beyond 64 bits in a field that is not even used still spoils the line.
        "15 (huge) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 18446744073709551616 1",
        "16 (huge) S 1 2 3 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 9 1 9223372036854775808",
    };
    for (const char* text : bad)
        EXPECT_FALSE(Platform::StatLine::parse(text)) << text;
}

TEST(ProcessTableList, KernelThreadsAreNeverNamedFromACommandLine)
{
    QTemporaryDir dir;
    const QString proc = dir.filePath(QStringLiteral("proc"));
    // Flags 0x200040: a kernel thread; 0x400100: an ordinary process.
    writeFile(proc + "/30/stat", "30 (abcdefghijklmno) I 2 0 0 0 -1 2097216 0 0 0 0 0 1 0 0 20 0 1 0 5 0 0 0\n");
    writeFile(proc + "/30/cmdline", QByteArray("/bin/abcdefghijklmnop\0", 22));
    writeFile(proc + "/31/stat", "31 (abcdefghijklmno) S 1 31 31 0 -1 4194560 0 0 0 0 0 1 0 0 20 0 1 0 5 0 0 0\n");
    writeFile(proc + "/31/cmdline", QByteArray("/bin/abcdefghijklmnop\0", 22));
    ProcessTable table(dir.path());
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, QStringLiteral("abcdefghijklmno"));
    EXPECT_EQ(records[1].name, QStringLiteral("abcdefghijklmnop"));
}

namespace {
bool sameRecords(const std::vector<ProcessRecord>& a, const std::vector<ProcessRecord>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ProcessRecord& x, const ProcessRecord& y) {
        return x.pid == y.pid && x.ppid == y.ppid && x.zombie == y.zombie && x.cpuTime == y.cpuTime
               && x.residentBytes == y.residentBytes && x.startTime == y.startTime && x.name == y.name;
    });
}

// The descriptors of this process open on files under a folder. Only those count: other threads of
// the process (a bus connection, a watch of an earlier test) open and close descriptors of their own
// at any time.
int openDescriptorsUnder(const QString& folder)
{
    const QString prefix = QDir(folder).canonicalPath() + QLatin1Char('/');
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    int count = 0;
    for (const QString& name : descriptors.entryList(QDir::Files | QDir::System)) {
        if (QFileInfo(descriptors.filePath(name)).symLinkTarget().startsWith(prefix))
            ++count;
    }
    return count;
}
} // namespace

TEST(ProcessTableOpenFiles, KeptFilesGiveWhatReopenedFilesGiveAndFollowTheTable)
{
    QTemporaryDir dir;
    const QString proc = dir.filePath(QStringLiteral("proc"));
    auto stat = [](int pid, int utime) {
        const QByteArray p = QByteArray::number(pid);
        return p + " (p" + p + ") S 1 " + p + ' ' + p + " 0 -1 4194560 0 0 0 0 " + QByteArray::number(utime)
               + " 1 0 0 20 0 1 0 5 0 7 0\n";
    };
    for (int pid = 40; pid < 45; ++pid)
        writeFile(proc + QStringLiteral("/%1/stat").arg(pid), stat(pid, 1));

    {
        ProcessTable kept(dir.path(), ProcessTable::OpenFiles::keep);
        ProcessTable reopened(dir.path(), ProcessTable::OpenFiles::reopen);
        ProcessTable automatic(dir.path()); // not the kernel's /proc: nothing stays open
        std::vector<ProcessRecord> a, b, c;
        for (int scan = 0; scan < 2; ++scan) {
            ASSERT_TRUE(kept.list(a));
            ASSERT_TRUE(reopened.list(b));
            ASSERT_TRUE(automatic.list(c));
            EXPECT_EQ(a.size(), 5u);
            EXPECT_TRUE(sameRecords(a, b));
            EXPECT_TRUE(sameRecords(a, c));
        }
        EXPECT_EQ(kept.openFileCount(), 5u);
        EXPECT_EQ(reopened.openFileCount(), 0u);
        EXPECT_EQ(automatic.openFileCount(), 0u);
        EXPECT_EQ(openDescriptorsUnder(dir.path()), 5);

        // A file rewritten in place is read anew; a process that left the table gives up its file.
        writeFile(proc + "/41/stat", stat(41, 250));
        QDir(proc + "/43").removeRecursively();
        ASSERT_TRUE(kept.list(a));
        ASSERT_TRUE(reopened.list(b));
        EXPECT_TRUE(sameRecords(a, b));
        ASSERT_EQ(a.size(), 4u);
        EXPECT_EQ(a[1].cpuTime, nanoseconds(251));
        EXPECT_EQ(kept.openFileCount(), 4u);

        // Beyond the limit the files are opened for each scan; the records stay the same.
        kept.setOpenFileLimit(2);
        EXPECT_EQ(kept.openFileCount(), 2u);
        writeFile(proc + "/44/stat", stat(44, 9));
        ASSERT_TRUE(kept.list(a));
        ASSERT_TRUE(reopened.list(b));
        EXPECT_TRUE(sameRecords(a, b));
        EXPECT_EQ(kept.openFileCount(), 2u);
    }
    EXPECT_EQ(openDescriptorsUnder(dir.path()), 0);
}

TEST(ProcessTableOpenFiles, ALimitBelowTheDescriptorLimit)
{
    ProcessTable table(QStringLiteral("/nonexistent-kestrion-root"));
    rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    EXPECT_LE(table.openFileLimit(), 2048u);
    if (limit.rlim_cur != RLIM_INFINITY) {
        EXPECT_LE(table.openFileLimit() + 256, std::max<std::size_t>(limit.rlim_cur, 256));
    }
}

TEST(ProcessTableOpenFiles, OnTheKernelsProcKeptFilesReadTheLiveProcessAndAreLetGoWhenItEnds)
{
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(child.waitForStarted());
    const int childPid = int(child.processId());

    ProcessTable table; // the kernel's /proc
    std::vector<ProcessRecord> records;
    ASSERT_TRUE(table.list(records));
    EXPECT_GT(table.openFileCount(), 0u);
    ASSERT_TRUE(findPid(records, childPid));
    const ProcessRecord* self = findPid(records, int(::getpid()));
    ASSERT_TRUE(self);
    const std::uint64_t before = self->cpuTime;

    // The file kept open since the first scan shows the time spent since: 50 ms of this thread's own
    // processor time, five of the kernel's 10 ms ticks, however long a busy machine makes them take.
    const qint64 spinFrom = MainThreadStalls::threadMilliseconds();
    volatile std::uint64_t sink = 0;
    while (MainThreadStalls::threadMilliseconds() - spinFrom < 50)
        sink = sink + 1;
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    ASSERT_TRUE(table.list(records));
    EXPECT_FALSE(findPid(records, childPid));
    self = findPid(records, int(::getpid()));
    ASSERT_TRUE(self);
    EXPECT_GT(self->cpuTime, before);
}
