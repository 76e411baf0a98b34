// A power supply's uevent and attribute files as the power sources and the battery's registry entry
// read them. An empty part leaves its file out, so that the value comes from uevent instead.
#include "FuzzInput.h"

#include "Platform/Registry/BatteryRegistryAdapter.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Sysfs/PowerSupply.h"

namespace {

// uevent first, then the attributes, in the order of the parts of an input.
const char* const files[] = {
    "uevent", "type", "status", "scope", "health", "present", "online", "capacity",
    "charge_full", "charge_full_design", "charge_now", "energy_full", "energy_full_design", "energy_now",
    "current_now", "current_max", "power_now", "voltage_now", "voltage_min_design", "voltage_max",
    "temp", "cycle_count", "time_to_empty_now", "time_to_full_now", "manufacture_year",
    "manufacture_month", "manufacture_day"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = FuzzInput::parts(data, size, std::size(files));
    const QString root = FuzzInput::scratch();
    const QString folder = QStringLiteral("sys/class/power_supply/BAT0/");
    for (std::size_t i = 0; i < std::size(files); ++i) {
        if (i == 0 || !parts[i].isEmpty())
            FuzzInput::write(root, folder + QLatin1String(files[i]), parts[i]);
        else
            QFile::remove(root + QLatin1Char('/') + folder + QLatin1String(files[i]));
    }
    Platform::PowerSources(root).descriptions();
    Platform::PowerSupply::firstBattery(root);
    Platform::BatteryRegistryAdapter battery(root);
    for (const auto& node : battery.entries())
        battery.properties(node.path);
    return 0;
}
