// Times one sample of the processor sampler (with per-process collection) and of the memory sampler,
// on this machine and on a generated tree of 2,000 processes. (That the heap stays put over many samples
// is a test of SystemKitTests.)
#include "SystemKit/Processor/MemoryController.h"
#include "SystemKit/Processor/ProcessorController.h"

#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Proc/ProcessTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
}

// A /proc tree of `count` processes, 8 processors and a full meminfo.
class GeneratedProc {
public:
    explicit GeneratedProc(int count)
    {
        const QString proc = m_dir.filePath(QStringLiteral("proc"));
        QDir().mkpath(proc);
        QByteArray stat = "cpu  4630200 100 871500 44741900 49100 0 21100 4600 0 0\n";
        for (int cpu = 0; cpu < 8; ++cpu)
            stat += "cpu" + QByteArray::number(cpu) + " 578775 12 108937 5592737 6137 0 2637 575 0 0\n";
        stat += "intr 1 2 3\nctxt 4\nbtime 1765000000\nprocesses 5\nprocs_running 1\nprocs_blocked 0\n";
        writeFile(proc + "/stat", stat);
        writeFile(proc + "/loadavg", "0.50 0.40 0.30 2/" + QByteArray::number(count * 3) + " 99999\n");
        writeFile(proc + "/meminfo",
                  "MemTotal:       16384000 kB\nMemFree:         2048000 kB\nMemAvailable:    9000000 kB\n"
                  "Active:          5120000 kB\nInactive:        4096000 kB\nUnevictable:       64000 kB\n"
                  "Zswap:             12800 kB\nSUnreclaim:       256000 kB\nKernelStack:       32000 kB\n"
                  "PageTables:        64000 kB\n");
        for (int i = 0; i < count; ++i) {
            const int pid = 100 + i * 7;
            const QString folder = proc + QLatin1Char('/') + QString::number(pid);
            QDir().mkpath(folder);
            const QByteArray name = i % 10 == 0 ? QByteArray("long-named-serv") : "proc-" + QByteArray::number(i);
            writeFile(folder + "/stat", QByteArray::number(pid) + " (" + name + ") S 1 " + QByteArray::number(pid)
                                           + " " + QByteArray::number(pid)
                                           + " 0 -1 4194560 1200 0 3 0 " + QByteArray::number(i * 13) + " "
                                           + QByteArray::number(i * 3)
                                           + " 0 0 20 0 4 0 4321 123456789 " + QByteArray::number(1000 + i)
                                           + " 18446744073709551615 0 0 0 0 0 0 0 0 0 0 0 0 17 3 0 0 0 0 0\n");
            writeFile(folder + "/cmdline", i % 10 == 0 ? QByteArray("/usr/libexec/long-named-service\0--flag\0", 39)
                                                       : QByteArray("/usr/bin/x\0", 11));
        }
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

GeneratedProc& generated()
{
    static GeneratedProc tree(2000);
    return tree;
}

GeneratedProc& generatedSmall()
{
    static GeneratedProc tree(300);
    return tree;
}

std::unique_ptr<SystemKit::ProcessorController> fixtureSampler(const GeneratedProc& tree)
{
    SystemKit::ProcessorEnvironment environment;
    environment.host = std::make_shared<Platform::HostStatistics>(tree.path());
    environment.processTable = std::make_shared<Platform::ProcessTable>(tree.path());
    auto registry = std::make_shared<Platform::InMemoryRegistry>();
    for (int i = 0; i < 8; ++i)
        registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOPlatformDevice"));
    environment.registry = registry;
    environment.activeProcessorCount = [] { return 8u; };
    environment.logicalProcessorCount = [] { return 8u; };
    environment.threadCount = [] { return 8u; };
    auto sampler = std::make_unique<SystemKit::ProcessorController>(30, environment);
    sampler->setCollectProcessInformation(true);
    return sampler;
}

void runSamples(benchmark::State& state, SystemKit::ProcessorController& sampler)
{
    sampler.refresh();
    for (auto _ : state)
        sampler.refresh();
    state.counters["processes"] = double(sampler.processes().size());
}

void BM_ProcessorRefreshLive(benchmark::State& state)
{
    SystemKit::ProcessorController sampler(30);
    sampler.setCollectProcessInformation(true);
    runSamples(state, sampler);
}
BENCHMARK(BM_ProcessorRefreshLive)->Unit(benchmark::kMicrosecond);

// This machine with at least 300 processes: sleeping children make up the difference.
void BM_ProcessorRefreshLive300(benchmark::State& state)
{
    Platform::HostStatistics host;
    const auto counts = host.taskThreadCounts();
    const int missing = counts ? std::max<int>(0, 300 - int(counts->tasks)) : 0;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < missing; ++i) {
        auto child = std::make_unique<QProcess>();
        child->start(QStringLiteral("sleep"), {QStringLiteral("600")});
        children.push_back(std::move(child));
    }
    for (auto& child : children)
        child->waitForStarted();
    SystemKit::ProcessorController sampler(30);
    sampler.setCollectProcessInformation(true);
    runSamples(state, sampler);
    for (auto& child : children) {
        child->kill();
        child->waitForFinished();
    }
}
BENCHMARK(BM_ProcessorRefreshLive300)->Unit(benchmark::kMicrosecond);

void BM_ProcessorRefresh2000(benchmark::State& state)
{
    auto sampler = fixtureSampler(generated());
    runSamples(state, *sampler);
}
BENCHMARK(BM_ProcessorRefresh2000)->Unit(benchmark::kMicrosecond);

void BM_MemoryRefreshLive(benchmark::State& state)
{
    SystemKit::MemoryController sampler(30);
    for (auto _ : state)
        sampler.refresh();
}
BENCHMARK(BM_MemoryRefreshLive)->Unit(benchmark::kMicrosecond);

void BM_MemoryRefreshFixture(benchmark::State& state)
{
    SystemKit::MemoryController sampler(30, std::make_shared<Platform::HostStatistics>(generated().path()));
    for (auto _ : state)
        sampler.refresh();
}
BENCHMARK(BM_MemoryRefreshFixture)->Unit(benchmark::kMicrosecond);

void BM_ProcessorRefresh300(benchmark::State& state)
{
    auto sampler = fixtureSampler(generatedSmall());
    runSamples(state, *sampler);
}
BENCHMARK(BM_ProcessorRefresh300)->Unit(benchmark::kMicrosecond);

// A sample makes one process object, with a new random identifier, per process.
void BM_RunningProcessesOfOneSample(benchmark::State& state)
{
    for (auto _ : state) {
        for (int i = 0; i < 550; ++i)
            benchmark::DoNotOptimize(std::make_shared<SystemKit::RunningProcess>(i, 1));
    }
}
BENCHMARK(BM_RunningProcessesOfOneSample)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
