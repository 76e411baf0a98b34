#pragma once

#include "SystemKit/Processor/ProcessorController.h"

#include "Platform/Proc/HostStatistics.h"
#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Proc/ProcessTable.h"

#include "Support/FixtureRoot.h"

#include <atomic>
#include <memory>

// A processor sampler on a fixture tree, with clocks and processor counts the test drives and a
// registry of its own.
struct ProcessorTestEnvironment {
    FixtureRoot root;
    double wallTime = 1765000100.0;
    // Read by the table reader's thread too.
    std::atomic<std::int64_t> monotonic = 5'000'000'000;
    std::uint32_t activeProcessors = 8;
    std::uint32_t threadCount = 8;
    bool appleSilicon = false;
    std::shared_ptr<Platform::InMemoryRegistry> registry = std::make_shared<Platform::InMemoryRegistry>();
    // The process table the sampler reads; one of the fixture tree when none is given.
    std::shared_ptr<Platform::ProcessTable> processTable;

    explicit ProcessorTestEnvironment(const QString& fixture) : root(fixture) {}

    std::unique_ptr<SystemKit::ProcessorController> makeSampler(int historySize = 30)
    {
        SystemKit::ProcessorEnvironment environment;
        environment.host = std::make_shared<Platform::HostStatistics>(root.path());
        environment.processTable = processTable ? processTable : std::make_shared<Platform::ProcessTable>(root.path());
        environment.registry = registry;
        environment.currentTime = [this] { return wallTime; };
        environment.monotonicNanoseconds = [this] { return monotonic.load(); };
        environment.activeProcessorCount = [this] { return activeProcessors; };
        environment.logicalProcessorCount = [this] { return activeProcessors; };
        environment.threadCount = [this] { return threadCount; };
        environment.isAppleSilicon = [this] { return appleSilicon; };
        return std::make_unique<SystemKit::ProcessorController>(historySize, environment);
    }

    // Moves both clocks on by `seconds`.
    void advance(double seconds)
    {
        wallTime += seconds;
        monotonic += std::int64_t(seconds * 1e9);
    }

    // Adds `count` processor entries as the sysfs registry lists them.
    void addProcessors(int count)
    {
        for (int i = 0; i < count; ++i)
            registry->addEntry(std::nullopt, QStringLiteral("processor"), QStringLiteral("IOPlatformDevice"));
    }
};
