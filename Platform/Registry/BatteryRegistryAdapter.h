#pragma once

#include "Platform/Registry/RegistryAdapter.h"

namespace Platform {

// The internal battery's entry: class "AppleSmartBattery", named after the first system battery of
// /sys/class/power_supply (BAT0 before BAT1; peripheral batteries, scope Device, and batteries
// reported absent are not the machine's). Its parent is a synthetic bus entry whose "IOProviderClass"
// is "IOSMBusController": the capacities sysfs holds are the full-charge and design capacities in mAh
// that the reader for such a bus expects. No battery, no entries.
//
// Properties, converted from the kernel's micro-units:
//   "DesignCapacity", "MaxCapacity" and "AppleRawMaxCapacity", "CurrentCapacity" and
//   "AppleRawCurrentCapacity" (mAh, from charge_* or energy_* over voltage_min_design),
//   "CycleCount", "Amperage" (mA, negative while discharging), "Voltage" (mV), "Temperature"
//   (hundredths of a degree Celsius), "ManufactureDate" (packed day, month, year since 1980),
//   "Manufacturer", "Serial", "AvgTimeToEmpty" (minutes). A value the kernel does not give is absent.
class BatteryRegistryAdapter : public RegistryAdapter {
public:
    explicit BatteryRegistryAdapter(QString root = QStringLiteral("/"));

    static constexpr const char* busPath = "IOService:/sys/class/power_supply";

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;
    PlistValue property(const QString& path, const QString& key) const override;

    // The keys the battery entry can hold.
    static const std::vector<QString>& keys();

private:
    // The battery's supply name for an entry path; none for other paths.
    std::optional<QString> batteryAt(const QString& path) const;

    QString m_root;
};

} // namespace Platform
