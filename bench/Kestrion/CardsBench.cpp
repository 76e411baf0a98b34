#include "Kestrion/Cards/CardLookSettings.h"
#include "Kestrion/Cards/ProcessListModel.h"
#include "Kestrion/Cards/ProcessListView.h"
#include "Kestrion/Cards/ProcessorUsageView.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Proc/ProcessTable.h"
#include "SystemKit/Processor/ProcessorController.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int processCount = 2000;
constexpr int historySize = 30;

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

// A processor sampler over a /proc tree of 2,000 processes, sampled until its history is full.
struct BusyMachine {
    QTemporaryDir root;
    double wall = 1765000100.0;
    std::int64_t monotonic = 5'000'000'000;
    std::unique_ptr<SystemKit::ProcessorController> cpu;

    void writeSample(int step)
    {
        const QString proc = root.filePath(QStringLiteral("proc"));
        const quint64 busy = quint64(step) * 37;
        writeFile(proc + QStringLiteral("/stat"),
                  "cpu  " + QByteArray::number(1000 + busy) + " 0 " + QByteArray::number(400 + busy / 2) + ' ' +
                      QByteArray::number(8000 + quint64(step) * 50) + " 0 0 0 0 0 0\nbtime 1765000000\n");
        for (int i = 0; i < processCount; ++i) {
            const QByteArray pid = QByteArray::number(100 + i);
            const QByteArray ticks = QByteArray::number(quint64(step) * quint64((i * 7) % 13));
            writeFile(proc + QLatin1Char('/') + QString::fromLatin1(pid) + QStringLiteral("/stat"),
                      pid + " (worker-" + pid + ") S 1 " + pid + ' ' + pid + " 0 -1 0 0 0 0 0 " + ticks +
                          " 0 0 0 20 0 1 0 4321 123456789 " + QByteArray::number(100 + i) +
                          " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n");
        }
    }

    BusyMachine()
    {
        const QString proc = root.filePath(QStringLiteral("proc"));
        QDir().mkpath(proc + QStringLiteral("/self"));
        for (int i = 0; i < processCount; ++i)
            QDir().mkpath(proc + QLatin1Char('/') + QString::number(100 + i));
        writeFile(proc + QStringLiteral("/loadavg"), "1.00 1.00 1.00 5/2400 9999\n");
        writeFile(proc + QStringLiteral("/meminfo"), "MemTotal: 8388608 kB\nMemFree: 1048576 kB\n");

        SystemKit::ProcessorEnvironment environment;
        environment.host = std::make_shared<Platform::HostStatistics>(root.path());
        environment.processTable = std::make_shared<Platform::ProcessTable>(root.path());
        environment.registry = std::make_shared<Platform::InMemoryRegistry>();
        environment.currentTime = [this] { return wall; };
        environment.monotonicNanoseconds = [this] { return monotonic; };
        environment.activeProcessorCount = [] { return std::uint32_t(8); };
        environment.logicalProcessorCount = [] { return std::uint32_t(8); };
        environment.threadCount = [] { return std::uint32_t(8); };
        environment.isAppleSilicon = [] { return false; };
        cpu = std::make_unique<SystemKit::ProcessorController>(historySize, environment);
        cpu->setCollectProcessInformation(true);
        for (int step = 0; step <= historySize; ++step) {
            writeSample(step);
            cpu->refresh();
            wall += 1;
            monotonic += 1'000'000'000;
        }
    }
};

BusyMachine& machine()
{
    static BusyMachine instance;
    return instance;
}

// One frame of the processor card: surface, summary and the rows in view, at device-pixel ratio 2.
void PaintProcessorCard(benchmark::State& state)
{
    BusyMachine& busy = machine();
    Platform::Defaults defaults(QStringLiteral("cards-bench"));
    Kestrion::CardLookSettings look(defaults);
    Kestrion::ProcessorUsageView card(*busy.cpu, QStringLiteral("Bench Processor"), 2, look);
    card.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light));
    card.resize(360, 900);
    card.show();
    QImage image(QSize(720, 1800), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        card.render(&image);
    }
    state.counters["processes"] = double(busy.cpu->processes().size());
}
BENCHMARK(PaintProcessorCard)->Unit(benchmark::kMillisecond);

// What a sample costs the card besides painting: the sorted copy of 2,000 processes into the list.
void UpdateProcessList(benchmark::State& state)
{
    BusyMachine& busy = machine();
    Kestrion::ProcessListModel model(Kestrion::ProcessMeasure::processorUsage);
    for (auto _ : state) {
        model.setProcesses(busy.cpu->processes());
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(UpdateProcessList)->Unit(benchmark::kMicrosecond);

// What a sample costs a shown process list: 550 processes whose top rows change their loads (and
// now and then their order), the changed rows repainted.
void RepaintProcessListAfterSample(benchmark::State& state)
{
    SystemKit::RunningProcessList lists[2];
    for (int variant = 0; variant < 2; ++variant) {
        for (int i = 0; i < 550; ++i) {
            auto process = std::make_shared<SystemKit::RunningProcess>(100 + i, 1);
            process->setName(QStringLiteral("process-%1").arg(i));
            const float load = i < 20 ? float(20 - i) * (variant ? 1.37f : 1.11f) : 0.0f;
            process->cpu().setUsage(load);
            lists[variant].append(process);
        }
    }
    Kestrion::ProcessListView list(Kestrion::ProcessMeasure::processorUsage);
    list.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light));
    list.resize(320, 400);
    list.show();
    list.setProcesses(lists[0]);
    QCoreApplication::processEvents();
    int turn = 0;
    for (auto _ : state) {
        turn ^= 1;
        list.setProcesses(lists[turn]);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(RepaintProcessListAfterSample)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
