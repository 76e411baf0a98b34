// Times one tick of the graphics-card sampler: two DRM cards (an amdgpu card with hwmon sensors and
// an i915 card with connectors) read from a fixture tree, and a machine without any card.
#include "SystemKit/Graphics/GraphicsCardController.h"

#include "Platform/Registry/DrmRegistryAdapter.h"
#include "Platform/Registry/SysfsRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}

std::unique_ptr<SystemKit::GraphicsCardController> controllerOn(const QString& root)
{
    auto registry = std::make_shared<Platform::SysfsRegistry>(root);
    registry->addAdapter(std::make_unique<Platform::DrmRegistryAdapter>(root));
    SystemKit::GraphicsEnvironment environment;
    environment.registry = registry;
    environment.processorName = [] { return QString(); };
    environment.physicalMemory = [] { return std::uint64_t(0); };
    auto controller = std::make_unique<SystemKit::GraphicsCardController>(SystemKit::DataStorageMode::all, 30, environment);
    controller->refresh();
    return controller;
}

void BM_GraphicsRefreshTwoCards(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString fixtures = QStringLiteral(KESTRION_FIXTURES "/SystemKit/drm/");
    copyTree(fixtures + QStringLiteral("amdgpu-i915"), dir.path());
    // The amdgpu card gets the sensors of the other capture.
    copyTree(fixtures + QStringLiteral("vega56/sys/class/drm/card0/device/hwmon"),
             dir.path() + QStringLiteral("/sys/class/drm/card0/device/hwmon"));
    auto controller = controllerOn(dir.path());
    if (controller->graphicsCards().size() != 2 || !controller->primary()->hasTemperature())
        state.SkipWithError("fixture did not give two cards with sensors");
    for (auto _ : state)
        controller->refresh();
}
BENCHMARK(BM_GraphicsRefreshTwoCards)->Unit(benchmark::kMicrosecond);

void BM_GraphicsRefreshNoCard(benchmark::State& state)
{
    QTemporaryDir dir;
    auto controller = controllerOn(dir.path());
    for (auto _ : state)
        controller->refresh();
}
BENCHMARK(BM_GraphicsRefreshNoCard)->Unit(benchmark::kMicrosecond);

} // namespace
