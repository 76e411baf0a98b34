#include "SystemKit/Processor/ProcessorController.h"

#include "ProcessorTestEnvironment.h"

#include "BaseKit/Sampler/SampleClock.h"
#include "Support/HeldProcessTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


using SystemKit::ProcessorController;
using SystemKit::RunningProcess;

namespace {
const RunningProcess* findPid(const ProcessorController& cpu, int pid)
{
    for (const auto& process : cpu.processes()) {
        if (process->pid() == pid)
            return process.get();
    }
    return nullptr;
}

std::vector<int> pids(const ProcessorController& cpu)
{
    std::vector<int> result;
    for (const auto& process : cpu.processes())
        result.push_back(process->pid());
    return result;
}

// A process's stat file with `ticks` of processor time, started `startTime` clock ticks after boot.
void writeStat(FixtureRoot& root, int pid, const char* name, int ticks, int startTime = 4321)
{
    root.write(QStringLiteral("proc/%1/stat").arg(pid),
               QByteArray::number(pid) + " (" + name + ") S 1 " + QByteArray::number(pid) + " 0 0 -1 4194560 0 0 0 0 "
                   + QByteArray::number(ticks) + " 0 0 0 20 0 1 0 " + QByteArray::number(startTime)
                   + " 1000000 100 18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n");
}

// Two samples one second apart: processes/first, then processes/second.
struct TwoSamples {
    ProcessorTestEnvironment env{QStringLiteral("processes/first")};
    std::unique_ptr<ProcessorController> cpu;

    explicit TwoSamples(bool normalize, double elapsed = 1.0)
    {
        cpu = env.makeSampler();
        cpu->setCollectProcessInformation(true);
        cpu->setNormalize(normalize);
        cpu->refresh();
        env.root.load(QStringLiteral("processes/second"));
        env.advance(elapsed);
        cpu->refresh();
    }
};
} // namespace

TEST(ProcessLoad, CollectionOffLeavesTheListEmpty)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->refresh();
    EXPECT_TRUE(cpu->processes().isEmpty());
    EXPECT_EQ(cpu->oldProcessTree(), nullptr);
}

TEST(ProcessLoad, FirstSampleListsLiveNamedProcessesWithoutLoad)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    // Zombie 340, vanished 450, nameless 670 and dead 890 are left out; kernel threads stay.
    EXPECT_EQ(pids(*cpu), (std::vector<int>{1, 2, 15, 120, 230, 560, 780}));
    for (const auto& process : cpu->processes())
        EXPECT_EQ(process->cpuUsage(), 0.0f) << process->pid();
    const RunningProcess* odd = findPid(*cpu, 230);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->name(), QStringLiteral("x) (y"));
    EXPECT_EQ(odd->ppid(), 120);
    EXPECT_DOUBLE_EQ(odd->cpu().time(), 1.0);
    EXPECT_EQ(findPid(*cpu, 15)->name(), QStringLiteral("kworker/0:1-events"));
    EXPECT_GT(findPid(*cpu, 1)->memoryUsage(), 0u);
    ASSERT_NE(cpu->oldProcessTree(), nullptr);
    EXPECT_EQ(cpu->oldProcessTree()->find(230), odd); // the same objects
}

TEST(ProcessLoad, TasksCountEveryProcessFolderWithOrWithoutCollection)
{
    // The scan's own listing of /proc gives the count while collecting: the same 11 folders as a
    // listing of its own, unreadable, zombie and nameless ones included.
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto collecting = env.makeSampler();
    collecting->setCollectProcessInformation(true);
    auto counting = env.makeSampler();
    collecting->refresh();
    counting->refresh();
    EXPECT_EQ(collecting->tasks(), 11);
    EXPECT_EQ(counting->tasks(), 11);
    EXPECT_EQ(collecting->threads(), 812);
    EXPECT_EQ(counting->threads(), 812);

    env.root.load(QStringLiteral("processes/second"));
    collecting->refresh();
    counting->refresh();
    EXPECT_EQ(collecting->tasks(), counting->tasks());
}

TEST(ProcessLoad, SecondSampleGivesPercentOfTheInterval)
{
    TwoSamples run(false);
    const ProcessorController& cpu = *run.cpu;
    EXPECT_FLOAT_EQ(findPid(cpu, 1)->cpuUsage(), 50.0f);   // 0.5 s in 1 s
    EXPECT_FLOAT_EQ(findPid(cpu, 15)->cpuUsage(), 10.0f);  // kernel thread
    EXPECT_FLOAT_EQ(findPid(cpu, 230)->cpuUsage(), 100.0f);
    EXPECT_FLOAT_EQ(findPid(cpu, 2)->cpuUsage(), 0.0f);
    EXPECT_FLOAT_EQ(findPid(cpu, 901)->cpuUsage(), 0.0f);  // new since the last sample
    EXPECT_FLOAT_EQ(findPid(cpu, 780)->cpuUsage(), 0.0f);  // less time than before: no load
    EXPECT_EQ(findPid(cpu, 120), nullptr);                 // gone
    EXPECT_EQ(findPid(cpu, 340), nullptr);
}

TEST(ProcessLoad, APidTakenByALaterProcessStartsWithoutLoad)
{
    // Process 500 ends between the samples and a later one gets its pid, with more processor time
    // than the first had: a new process, its time not a load of the interval.
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    writeStat(env.root, 500, "worker", 100);
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    env.root.load(QStringLiteral("processes/second"));
    writeStat(env.root, 500, "worker", 300, 4400);
    env.advance(1.0);
    cpu->refresh();
    ASSERT_TRUE(findPid(*cpu, 500));
    EXPECT_FLOAT_EQ(findPid(*cpu, 500)->cpuUsage(), 0.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 50.0f);

    // From then on it is measured as any process: 0.5 s in 1 s.
    writeStat(env.root, 500, "worker", 350, 4400);
    env.advance(1.0);
    cpu->refresh();
    EXPECT_FLOAT_EQ(findPid(*cpu, 500)->cpuUsage(), 50.0f);
}

TEST(ProcessLoad, ProcessUnreadableInThePreviousSampleGetsNoLifetimeSpike)
{
    TwoSamples run(false);
    const RunningProcess* late = findPid(*run.cpu, 450);
    ASSERT_TRUE(late);
    EXPECT_DOUBLE_EQ(late->cpu().time(), 1000.0);
    EXPECT_FLOAT_EQ(late->cpuUsage(), 0.0f);
}

TEST(ProcessLoad, NormalisationDividesByTheProcessorsInUse)
{
    TwoSamples run(true);
    EXPECT_FLOAT_EQ(findPid(*run.cpu, 1)->cpuUsage(), 6.25f); // 50 % over 8 processors
    EXPECT_FLOAT_EQ(findPid(*run.cpu, 230)->cpuUsage(), 12.5f);
}

TEST(ProcessLoad, ElapsedTimeComesFromTheMonotonicClock)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    env.root.load(QStringLiteral("processes/second"));
    env.monotonic += 2'000'000'000;
    env.wallTime -= 3600; // the wall clock was set back an hour
    cpu->refresh();
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 25.0f);
}

TEST(ProcessLoad, NoElapsedTimeGivesNoLoad)
{
    TwoSamples run(false, 0.0);
    for (const auto& process : run.cpu->processes())
        EXPECT_EQ(process->cpuUsage(), 0.0f) << process->pid();
}

TEST(ProcessLoad, NoProcessorsInUseGivesNoLoad)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->setNormalize(true);
    cpu->refresh();
    env.root.load(QStringLiteral("processes/second"));
    env.advance(1);
    env.activeProcessors = 0;
    cpu->refresh();
    for (const auto& process : cpu->processes())
        EXPECT_EQ(process->cpuUsage(), 0.0f) << process->pid();
}

TEST(ProcessLoad, AssigningCollectionForgetsThePreviousTableEvenWhenUnchanged)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    ASSERT_FALSE(cpu->processes().isEmpty());

    QSignalSpy processesSpy(cpu.get(), &ProcessorController::processesChanged);
    QSignalSpy flagSpy(cpu.get(), &ProcessorController::collectProcessInformationChanged);
    cpu->setCollectProcessInformation(true);
    EXPECT_EQ(flagSpy.count(), 1);
    EXPECT_EQ(processesSpy.count(), 1);
    EXPECT_TRUE(cpu->processes().isEmpty());
    EXPECT_EQ(cpu->oldProcessTree(), nullptr);

    // The next sample starts afresh: no loads although time passed.
    env.root.load(QStringLiteral("processes/second"));
    env.advance(1);
    cpu->refresh();
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 0.0f);

    cpu->setCollectProcessInformation(false);
    EXPECT_TRUE(cpu->processes().isEmpty());
    cpu->refresh();
    EXPECT_TRUE(cpu->processes().isEmpty());
}

TEST(ProcessLoad, EverySampleMakesNewObjects)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    const QUuid before = findPid(*cpu, 1)->id();
    cpu->refresh();
    EXPECT_NE(findPid(*cpu, 1)->id(), before);
    EXPECT_FALSE(*findPid(*cpu, 1) == *findPid(*cpu, 2));
}

TEST(ProcessLoad, UnreadableTableKeepsTheList)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    const auto list = cpu->processes();
    env.root.load(QStringLiteral("ticks/broken")); // a tree whose /proc holds no process folder
    QDir(env.root.path() + QStringLiteral("/proc")).removeRecursively();
    cpu->refresh();
    EXPECT_EQ(cpu->processes(), list);
}

namespace {

// The shared clock driven by the test: `advance` runs one tick as its timer would, the process table
// read on its own thread first, and waits until the tick is over; `advanceAndTake` waits besides
// until a table read since reached the sampler, whether in the tick or after it.
struct ClockDriver {
    ClockDriver() { clock.setDrivenByHand(true); }
    ~ClockDriver() { clock.setDrivenByHand(false); }

    bool advance()
    {
        const std::uint64_t before = clock.ticks();
        clock.advance();
        return waitUntil([&] { return clock.ticks() > before; });
    }

    bool advanceAndTake(const ProcessorController& cpu)
    {
        const auto before = cpu.oldProcessTree();
        return advance() && taken(cpu, before);
    }

    // Whether a read other than the one of `before` reached the sampler, waiting for it.
    static bool taken(const ProcessorController& cpu, const std::shared_ptr<const SystemKit::ProcessTree>& before)
    {
        return waitUntil([&] { return cpu.oldProcessTree() && cpu.oldProcessTree() != before; });
    }

    static bool waitUntil(const std::function<bool()>& done)
    {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        return done();
    }

    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
};

} // namespace

TEST(ProcessLoad, TableReadOffTheMainThreadGivesTheLoadsInTheClocksTick)
{
    ClockDriver driver;
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->start(1.0);
    cpu->readProcessesOffMainThread();
    QSignalSpy samples(cpu.get(), &ProcessorController::sampled);

    ASSERT_TRUE(driver.advanceAndTake(*cpu));
    EXPECT_EQ(pids(*cpu), (std::vector<int>{1, 2, 15, 120, 230, 560, 780}));
    EXPECT_EQ(samples.count(), 1); // once per tick, after the whole sample

    // A tick that was not prepared (nobody read the table for it) keeps the list as it is...
    const auto listed = cpu->processes();
    env.advance(1.0);
    driver.clock.tick();
    EXPECT_EQ(samples.count(), 2);
    EXPECT_EQ(cpu->processes(), listed);

    // ...and the next read measures over the whole time since the last one: 0.5 s in 2 s.
    env.root.load(QStringLiteral("processes/second"));
    env.advance(1.0);
    ASSERT_TRUE(driver.advanceAndTake(*cpu));
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 25.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 230)->cpuUsage(), 50.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 901)->cpuUsage(), 0.0f);
    EXPECT_EQ(findPid(*cpu, 120), nullptr);
}

TEST(ProcessLoad, ReadsSlowerThanTheTicksReachTheListWithTheLoadsOfTheTimeTheySpan)
{
    ClockDriver driver;
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto table = std::make_shared<HeldProcessTable>(env.root.path());
    env.processTable = table;
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->start(1.0);
    cpu->readProcessesOffMainThread();
    QSignalSpy between(cpu.get(), &ProcessorController::processesSampled);

    table->release();
    ASSERT_TRUE(driver.advanceAndTake(*cpu)); // read at 5.0 s
    const auto first = cpu->oldProcessTree();
    const auto listed = cpu->processes();
    const qsizetype takenBetween = between.count();

    // A read held past the limit: its tick keeps the list; the read reaches it as it arrives, 0.25 s
    // later, with the loads of the 1.25 s since the first read (pid 1: 0.5 s, pid 230: 1 s).
    env.root.load(QStringLiteral("processes/second"));
    env.advance(1.0);
    ASSERT_TRUE(driver.advance());
    ASSERT_TRUE(table->holdsARead());
    EXPECT_EQ(cpu->processes(), listed);
    env.advance(0.25);
    table->release();
    ASSERT_TRUE(ClockDriver::taken(*cpu, first));
    EXPECT_EQ(between.count(), takenBetween + 1);
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 40.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 230)->cpuUsage(), 80.0f);
    EXPECT_EQ(findPid(*cpu, 120), nullptr);
    const auto second = cpu->oldProcessTree();

    // A read held longer than a whole tick: the tick that started it goes without it, the next one
    // finds it still running and starts no other; it comes with the loads of the 2 s since the
    // second read (pid 1: 2 s of processor time, pid 230: 1 s), not of one tick.
    writeStat(env.root, 1, "systemd", 750);
    writeStat(env.root, 230, "x) (y", 300);
    env.advance(0.75);
    ASSERT_TRUE(driver.advance());
    env.advance(1.0);
    ASSERT_TRUE(driver.advance());
    EXPECT_EQ(cpu->oldProcessTree(), second);
    env.advance(0.25);
    table->release();
    ASSERT_TRUE(ClockDriver::taken(*cpu, second));
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 100.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 230)->cpuUsage(), 50.0f);

    // A read held over three ticks: only the tick that starts it waits for it (up to the clock's
    // limit); the two after it go on at once with the list they have.
    env.advance(0.75);
    std::uint64_t ticks = driver.clock.ticks();
    const auto third = cpu->oldProcessTree();
    driver.clock.advance();
    ASSERT_TRUE(table->holdsARead());
    EXPECT_EQ(driver.clock.ticks(), ticks);
    ASSERT_TRUE(ClockDriver::waitUntil([&] { return driver.clock.ticks() > ticks; }));
    for (int later = 0; later < 2; ++later) {
        env.advance(1.0);
        ticks = driver.clock.ticks();
        driver.clock.advance();
        EXPECT_EQ(driver.clock.ticks(), ticks + 1) << "tick " << later + 2 << " waited";
        EXPECT_EQ(cpu->oldProcessTree(), third);
    }
    table->release();
    ASSERT_TRUE(ClockDriver::taken(*cpu, third));
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 0.0f); // no processor time since the third read
}

TEST(ProcessLoad, EveryProcessIsMeasuredBetweenItsOwnTwoReadings)
{
    // Process 1 runs all the time, process 560 half of it; the others stand still.
    ClockDriver driver;
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    writeStat(env.root, 1, "systemd", 100);
    writeStat(env.root, 560, "held", 100);
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->start(1.0);
    cpu->readProcessesOffMainThread();
    ASSERT_TRUE(driver.advanceAndTake(*cpu)); // everything read at 5 s
    const auto first = cpu->oldProcessTree();

    // The next read stands still at process 560, whose stat file is a FIFO, for 2 s after it read
    // processes 1 to 230 at 6 s: they are measured over 1 s, process 560 and those after it over 3 s.
    env.advance(1.0);
    writeStat(env.root, 1, "systemd", 200);
    const QByteArray fifo = QFile::encodeName(env.root.path() + QStringLiteral("/proc/560/stat"));
    env.root.remove(QStringLiteral("proc/560/stat"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    driver.clock.advance();
    // The FIFO's writing end opens without waiting only once a reader has it open (before that the
    // open fails with ENXIO): then the read is at process 560, and stays there until the line comes.
    int writer = -1;
    const bool held = ClockDriver::waitUntil([&] {
        if (writer < 0)
            writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        return writer >= 0;
    });
    env.advance(2.0);
    const QByteArray stat = "560 (held) S 1 560 0 0 -1 4194560 0 0 0 0 250 0 0 0 20 0 1 0 4321 1000000 100 "
                            "18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    if (writer >= 0) {
        EXPECT_EQ(::write(writer, stat.constData(), std::size_t(stat.size())), stat.size());
        ::close(writer);
    }
    ASSERT_TRUE(held);
    ASSERT_TRUE(ClockDriver::taken(*cpu, first));
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 100.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 560)->cpuUsage(), 50.0f);
    for (const int still : {2, 15, 120, 230, 780})
        EXPECT_FLOAT_EQ(findPid(*cpu, still)->cpuUsage(), 0.0f) << still;

    // The read after it, at 9 s, as quick as usual: process 1 ran the 3 s since it was read at 6 s,
    // process 560 half of the 1 s since it was read at 8 s.
    env.root.remove(QStringLiteral("proc/560/stat"));
    writeStat(env.root, 560, "held", 300);
    writeStat(env.root, 1, "systemd", 500);
    env.advance(1.0);
    ASSERT_TRUE(driver.advanceAndTake(*cpu));
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 100.0f);
    EXPECT_FLOAT_EQ(findPid(*cpu, 560)->cpuUsage(), 50.0f);
    for (const int still : {2, 15, 120, 230, 780})
        EXPECT_FLOAT_EQ(findPid(*cpu, still)->cpuUsage(), 0.0f) << still;
}

TEST(ProcessLoad, AFailedReadDoesNotCountTwoIntervalsAsOne)
{
    ProcessorTestEnvironment env(QStringLiteral("processes/first"));
    auto cpu = env.makeSampler();
    cpu->setCollectProcessInformation(true);
    cpu->refresh();
    // /proc cannot be listed for one sample: the list and the tree it is measured against stay.
    QDir(env.root.path()).rename(QStringLiteral("proc"), QStringLiteral("proc-away"));
    env.advance(1.0);
    cpu->refresh();
    QDir(env.root.path()).rename(QStringLiteral("proc-away"), QStringLiteral("proc"));
    env.root.load(QStringLiteral("processes/second"));
    env.advance(1.0);
    cpu->refresh();
    // 0.5 s of processor time over the two seconds since the last read: 25 %, not 50 %.
    EXPECT_FLOAT_EQ(findPid(*cpu, 1)->cpuUsage(), 25.0f);
}
