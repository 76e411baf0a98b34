// The machine's identification is read once; later reads answer from the kept values.
#include "BaseKit/System/MacSystem.h"

#include "Platform/Sysfs/Machine.h"

#include <benchmark/benchmark.h>

using BaseKit::MacSystem;

namespace {

void useFixture()
{
    MacSystem::Sources sources;
    sources.machine = std::make_shared<Platform::Machine>(QStringLiteral(KESTRION_FIXTURES "/BaseKit/laptop-xps13"));
    sources.computerName = [] { return QStringLiteral("Bench"); };
    sources.bootTime = [] { return std::optional<std::int64_t>(1733300000); };
    MacSystem::setSources(std::move(sources));
}

// The first read of every cached member: files under the fixture tree are parsed.
void IdentityFirstRead(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        useFixture();
        state.ResumeTiming();
        benchmark::DoNotOptimize(MacSystem::model());
        benchmark::DoNotOptimize(MacSystem::marketingName());
        benchmark::DoNotOptimize(MacSystem::processorName());
        benchmark::DoNotOptimize(MacSystem::coreCount());
        benchmark::DoNotOptimize(MacSystem::threadCount());
        benchmark::DoNotOptimize(MacSystem::computerName());
    }
}
BENCHMARK(IdentityFirstRead);

// Every later read: what a view pays on each redraw.
void IdentityRepeatedRead(benchmark::State& state)
{
    useFixture();
    MacSystem::model();
    MacSystem::marketingName();
    MacSystem::processorName();
    MacSystem::coreCount();
    MacSystem::threadCount();
    MacSystem::computerName();
    for (auto _ : state) {
        benchmark::DoNotOptimize(MacSystem::model());
        benchmark::DoNotOptimize(MacSystem::marketingName());
        benchmark::DoNotOptimize(MacSystem::processorName());
        benchmark::DoNotOptimize(MacSystem::coreCount());
        benchmark::DoNotOptimize(MacSystem::threadCount());
        benchmark::DoNotOptimize(MacSystem::computerName());
    }
}
BENCHMARK(IdentityRepeatedRead);

// A computed member reads its files at every call, for comparison.
void ThermalStateRead(benchmark::State& state)
{
    useFixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(MacSystem::thermalState());
}
BENCHMARK(ThermalStateRead);

} // namespace
