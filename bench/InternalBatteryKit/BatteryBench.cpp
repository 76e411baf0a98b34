// Times one 5-second poll of the battery finder on the captured ThinkPad and USB-C laptop trees, and
// one poll on a machine without a battery (which reads nothing after the first check).
#include "InternalBatteryKit/InternalBatteryFinder.h"

#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void pollFixture(benchmark::State& state, const char* name)
{
    const QString root = QStringLiteral(KESTRION_FIXTURES "/Platform/") + QLatin1String(name);
    InternalBatteryKit::InternalBatteryFinder finder({Platform::SysfsRegistry::live(root),
                                                     std::make_shared<Platform::PowerSources>(root)});
    finder.refresh();
    if (!finder.battery())
        state.SkipWithError("the fixture tree has no battery");
    for (auto _ : state) {
        finder.refresh();
        benchmark::DoNotOptimize(finder.items().size());
    }
}

void BM_PollThinkPad(benchmark::State& state)
{
    pollFixture(state, "power_supply-thinkpad-procfs-A");
}
BENCHMARK(BM_PollThinkPad)->Unit(benchmark::kMicrosecond);

void BM_PollUsbCLaptop(benchmark::State& state)
{
    pollFixture(state, "power_supply-laptop-usbc-checkbox-A");
}
BENCHMARK(BM_PollUsbCLaptop)->Unit(benchmark::kMicrosecond);

// The three parts of a poll: the power-source descriptions, the entry lookup and the entry's properties.
void BM_PowerSourceDescriptions(benchmark::State& state)
{
    const Platform::PowerSources sources(QStringLiteral(KESTRION_FIXTURES "/Platform/power_supply-laptop-usbc-checkbox-A"));
    for (auto _ : state)
        benchmark::DoNotOptimize(sources.descriptions().size());
}
BENCHMARK(BM_PowerSourceDescriptions)->Unit(benchmark::kMicrosecond);

void BM_BatteryEntryLookupAndProperties(benchmark::State& state)
{
    const auto registry =
        Platform::SysfsRegistry::live(QStringLiteral(KESTRION_FIXTURES "/Platform/power_supply-laptop-usbc-checkbox-A"));
    for (auto _ : state) {
        const auto found = registry->entriesOfClass(QStringLiteral("AppleSmartBattery"));
        if (state.range(0) && !found.empty())
            benchmark::DoNotOptimize(registry->properties(found.front()));
    }
}
BENCHMARK(BM_BatteryEntryLookupAndProperties)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PollWithoutBattery(benchmark::State& state)
{
    const QString root = QStringLiteral(KESTRION_FIXTURES "/Platform/power_supply-peripheral-hidpp-mail-A");
    InternalBatteryKit::InternalBatteryFinder finder({Platform::SysfsRegistry::live(root),
                                                     std::make_shared<Platform::PowerSources>(root)});
    for (auto _ : state)
        finder.refresh();
}
BENCHMARK(BM_PollWithoutBattery)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
