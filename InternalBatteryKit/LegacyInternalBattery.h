#pragma once

#include "InternalBatteryKit/StoredInternalBattery.h"

#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Registry/Registry.h"

namespace InternalBatteryKit {

// The snapshot of a battery behind a system management bus controller (every Linux battery). All
// three capacities are in mAh from the battery's entry; health is full-charge over design capacity
// and charge the power source's own percentage, else present over full-charge capacity. It has no
// serial number, averaged time, charger, lifetime or adapter record and no cell voltages.
class LegacyInternalBattery : public StoredInternalBattery {
public:
    // Reads everything now; `service` 0 reads nothing. The entry is only used during the call.
    LegacyInternalBattery(Platform::RegistryEntryId service, const Platform::Registry& registry,
                          const Platform::PowerSources& powerSources);

    // The power source's charge percentage.
    std::optional<std::int64_t> internalCharge() const { return m_internalCharge; }

    // Full-charge over design capacity in percent, neither rounded nor capped; nothing without both
    // or with a design capacity of 0.
    std::optional<double> health() const override;
    // 100 while charged; else the power source's percentage; else present over full-charge capacity
    // rounded half away from zero; nothing without them or with a full-charge capacity of 0.
    std::optional<std::int64_t> charge() const override;
    bool capacitiesInPercent() const override { return false; }

private:
    void update(Platform::RegistryEntryId service, const Platform::Registry& registry,
                const Platform::PowerSources& powerSources);

    std::optional<std::int64_t> m_internalCharge;
};

} // namespace InternalBatteryKit
