#pragma once

#include "InternalBatteryKit/StoredInternalBattery.h"

#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Registry/Registry.h"

namespace InternalBatteryKit {

// The snapshot of a smart battery behind the system management controller. The power-source
// descriptions give the charge and full-charge percentages, the times, the flags, the adapter rating
// and the condition; the battery's registry entry gives serial number, design capacity, cycle
// counts, current, voltage, temperature, the averaged time to empty, the charger, lifetime and
// adapter records, the cell voltages, the manufacture date and the maker. Health is the full-charge
// percentage; charge is the present percentage.
class AppleInternalBattery : public StoredInternalBattery {
public:
    // Reads everything now; `service` 0 reads nothing. The entry is only used during the call.
    AppleInternalBattery(Platform::RegistryEntryId service, const Platform::Registry& registry,
                         const Platform::PowerSources& powerSources);

    std::optional<double> health() const override;
    std::optional<std::int64_t> charge() const override { return m_values.currentCapacity; }
    bool capacitiesInPercent() const override { return true; }

private:
    void update(Platform::RegistryEntryId service, const Platform::Registry& registry,
                const Platform::PowerSources& powerSources);
};

} // namespace InternalBatteryKit
