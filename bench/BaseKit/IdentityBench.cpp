// The machine's identification is read once; later reads answer from the kept values.
#include "BaseKit/System/MacSystem.h"

#include "Platform/Sysfs/Machine.h"

#include <benchmark/benchmark.h>

#include <memory>

using BaseKit::MacSystem;

namespace {

std::unique_ptr<MacSystem> fixture()
{
    MacSystem::Sources sources;
    sources.machine = std::make_shared<Platform::Machine>(QStringLiteral(KESTRION_FIXTURES "/BaseKit/laptop-xps13"));
    sources.computerName = [] { return QStringLiteral("Bench"); };
    sources.bootTime = [] { return std::optional<std::int64_t>(1733300000); };
    return std::make_unique<MacSystem>(std::move(sources));
}

// The first read of every cached member: files under the fixture tree are parsed.
void IdentityFirstRead(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<MacSystem> system = fixture();
        state.ResumeTiming();
        benchmark::DoNotOptimize(system->model());
        benchmark::DoNotOptimize(system->marketingName());
        benchmark::DoNotOptimize(system->processorName());
        benchmark::DoNotOptimize(system->coreCount());
        benchmark::DoNotOptimize(system->threadCount());
        benchmark::DoNotOptimize(system->computerName());
    }
}
BENCHMARK(IdentityFirstRead);

// Every later read: what a view pays on each redraw.
void IdentityRepeatedRead(benchmark::State& state)
{
    const std::unique_ptr<MacSystem> system = fixture();
    system->model();
    system->marketingName();
    system->processorName();
    system->coreCount();
    system->threadCount();
    system->computerName();
    for (auto _ : state) {
        benchmark::DoNotOptimize(system->model());
        benchmark::DoNotOptimize(system->marketingName());
        benchmark::DoNotOptimize(system->processorName());
        benchmark::DoNotOptimize(system->coreCount());
        benchmark::DoNotOptimize(system->threadCount());
        benchmark::DoNotOptimize(system->computerName());
    }
}
BENCHMARK(IdentityRepeatedRead);

// A computed member reads its files at every call, for comparison.
void ThermalStateRead(benchmark::State& state)
{
    const std::unique_ptr<MacSystem> system = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(system->thermalState());
}
BENCHMARK(ThermalStateRead);

} // namespace
