#include "Kestrion/Cards/SystemInfoView.h"
#include "Kestrion/Models/SystemInfoModel.h"

#include "BaseKit/System/MacSystem.h"

#include "ViewKit/VKTheme.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// What the system-information row costs each second on this machine: uptime and thermal state read
// again and their two rows marked for repainting.
void SystemInfoTick(benchmark::State& state)
{
    Kestrion::SystemInfoModel model(std::make_shared<const BaseKit::MacSystem>());
    Kestrion::SystemInfoView view(model, nullptr, nullptr, 2);
    for (auto _ : state) {
        view.refreshLiveRows();
        benchmark::DoNotOptimize(view.shownThermalState());
    }
}
BENCHMARK(SystemInfoTick)->Unit(benchmark::kMicrosecond);

// Painting the whole row at 1920 points wide, as the window does when a tick changes it.
void PaintSystemInfo(benchmark::State& state)
{
    Kestrion::SystemInfoModel model(std::make_shared<const BaseKit::MacSystem>());
    Kestrion::SystemInfoView view(model, nullptr, nullptr, 2);
    view.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light));
    view.resize(1888, std::max(180, view.minimumSizeHint().height()));
    QImage image(view.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        view.render(&image);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintSystemInfo)->Unit(benchmark::kMillisecond);

} // namespace
