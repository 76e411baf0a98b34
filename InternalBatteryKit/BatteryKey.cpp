#include "InternalBatteryKit/BatteryKey.h"

#include "InternalBatteryKit/BatteryStrings.h"

namespace InternalBatteryKit {

using LanguageKit::LKLocalizedString;

const std::array<BatteryKey, 33>& allBatteryKeys()
{
    static const std::array<BatteryKey, 33> keys = [] {
        std::array<BatteryKey, 33> all{};
        for (int i = 0; i < 33; ++i)
            all[std::size_t(i)] = BatteryKey(i);
        return all;
    }();
    return keys;
}

QString title(BatteryKey key)
{
    switch (key) {
    case BatteryKey::timeToFull: return BatteryStrings::battery("TIME_TO_FULL");
    case BatteryKey::timeToEmpty: return BatteryStrings::battery("TIME_UNTIL_EMPTY");
    case BatteryKey::averageTimeToEmpty: return BatteryStrings::battery("AVG_TIME_TO_EMPTY");
    case BatteryKey::cellVoltages: return BatteryStrings::battery("CELL_VOLTAGES");
    case BatteryKey::manufacturer: return BatteryStrings::battery("MANUFACTURER");
    case BatteryKey::manufactureDate: return BatteryStrings::battery("MANUFACTURE_DATE");
    case BatteryKey::designCapacity: return BatteryStrings::battery("DESIGN_CAPACITY");
    case BatteryKey::maxCapacity: return BatteryStrings::battery("MAX_CAPACITY");
    case BatteryKey::currentCapacity: return BatteryStrings::battery("CURRENT_CAPACITY");
    case BatteryKey::cycleCount: return BatteryStrings::battery("CYCLE_COUNT");
    case BatteryKey::designCycleCount: return BatteryStrings::battery("DESIGN_CYCLE_COUNT");
    case BatteryKey::acPowered: return BatteryStrings::battery("AC_POWERED");
    case BatteryKey::isCharging: return BatteryStrings::battery("IS_CHARGING");
    case BatteryKey::isCharged: return BatteryStrings::battery("IS_CHARGED");
    case BatteryKey::amperage: return BatteryStrings::battery("AMPERAGE");
    case BatteryKey::voltage: return BatteryStrings::battery("VOLTAGE");
    case BatteryKey::watts: return BatteryStrings::shared(LKLocalizedString::watts);
    case BatteryKey::health: return BatteryStrings::battery("HEALTH");
    case BatteryKey::temperature: return BatteryStrings::shared(LKLocalizedString::temperature);
    case BatteryKey::charge: return BatteryStrings::shared(LKLocalizedString::charge);
    case BatteryKey::condition: return BatteryStrings::shared(LKLocalizedString::condition);
    case BatteryKey::connectedPowerSupply: return BatteryStrings::battery("POWER_SUPPLY_WATTAGE");
    case BatteryKey::dischargeRate: return BatteryStrings::shared(LKLocalizedString::dischargeRate);
    case BatteryKey::chargeRate: return BatteryStrings::shared(LKLocalizedString::chargeRate);
    case BatteryKey::chargingVoltage: return BatteryStrings::battery("CHARGING_VOLTAGE");
    case BatteryKey::vacVoltageLimit: return BatteryStrings::battery("VAC_VOLTAGE_LIMIT");
    case BatteryKey::chargingCurrent: return BatteryStrings::battery("CHARGING_CURRENT");
    case BatteryKey::adapter: return BatteryStrings::battery("ADAPTER");
    case BatteryKey::serial: return BatteryStrings::battery("SERIAL_NUMBER");
    case BatteryKey::description: return BatteryStrings::battery("DESCRIPTION");
    case BatteryKey::name: return BatteryStrings::battery("NAME");
    case BatteryKey::isWireless: return BatteryStrings::battery("IS_WIRELESS");
    case BatteryKey::hardwareVersion: return BatteryStrings::battery("HARDWARE_VERSION");
    }
    return {};
}

} // namespace InternalBatteryKit
