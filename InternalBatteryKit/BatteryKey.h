#pragma once

#include <QString>

#include <array>

namespace InternalBatteryKit {

// The kinds of battery value a row can show, each with its title.
enum class BatteryKey {
    timeToFull,
    timeToEmpty,
    averageTimeToEmpty,
    cellVoltages,
    manufacturer,
    manufactureDate,
    designCapacity,
    maxCapacity,
    currentCapacity,
    cycleCount,
    designCycleCount,
    acPowered,
    isCharging,
    isCharged,
    amperage,
    voltage,
    watts,
    health,
    temperature,
    charge,
    condition,
    connectedPowerSupply,
    dischargeRate,
    chargeRate,
    chargingVoltage,
    vacVoltageLimit,
    chargingCurrent,
    adapter,
    serial,
    description,
    name,
    isWireless,
    hardwareVersion,
};

// Every key in declaration order.
const std::array<BatteryKey, 33>& allBatteryKeys();
// The key's title in the user's language.
QString title(BatteryKey key);

} // namespace InternalBatteryKit
