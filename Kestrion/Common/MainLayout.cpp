#include "Kestrion/Common/MainLayout.h"

namespace Kestrion {

bool MainLayout::allModulesDisabled(const MainLayoutInputs& in)
{
    return in.disableSystemInfo && in.disableProcessorUsage && in.disableMemoryUsage && in.disableCoresUsage
        && in.disableNetworkInfo && in.disableNetworkUsage && in.disableGraphicsCard && in.disableVolumeInfo
        && in.disableConnectedVolumes && in.disableInternalBattery;
}

MainLayout MainLayout::plan(const MainLayoutInputs& in)
{
    MainLayout layout;
    if (allModulesDisabled(in)) {
        layout.empty = true;
        return layout;
    }
    layout.systemInfoRow = !in.disableSystemInfo;

    auto add = [&layout](int column, bool shown, Card card) {
        if (shown)
            layout.columns[static_cast<std::size_t>(column)].push_back(card);
    };
    add(0, !in.disableProcessorUsage, Card::processorUsage);
    add(0, !in.disableCoresUsage, Card::coreUsage);

    add(1, !in.disableMemoryUsage, Card::memoryUsage);
    add(1, !in.disableVolumeInfo, Card::diskInfo);
    add(1, in.batteryPresent && !in.disableConnectedVolumes, Card::volumes);

    add(2, !in.disableNetworkInfo, Card::networkInfo);
    add(2, in.hasPrimaryGraphicsCard && !in.disableGraphicsCard, Card::graphicsCard);

    add(3, !in.disableNetworkUsage, Card::networkUsage);
    add(3, in.batteryPresent && !in.disableInternalBattery, Card::internalBattery);
    add(3, !in.batteryPresent && !in.disableConnectedVolumes, Card::volumes);

    add(4, in.companionRunning && in.hasFans, Card::fans);
    add(4, in.companionRunning && in.hasTemperatureSensors, Card::thermion);
    return layout;
}

} // namespace Kestrion
