#include "InternalBatteryKit/LegacyInternalBattery.h"

#include "InternalBatteryKit/IOKitHelper.h"

#include <cmath>
#include <limits>

namespace InternalBatteryKit {

using Platform::PlistValue;

LegacyInternalBattery::LegacyInternalBattery(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                             const Platform::PowerSources& powerSources)
{
    update(service, registry, powerSources);
}

std::optional<double> LegacyInternalBattery::health() const
{
    if (!m_values.maxCapacity || !m_values.designCapacity || *m_values.designCapacity == 0)
        return std::nullopt;
    const double value = double(*m_values.maxCapacity) / double(*m_values.designCapacity) * 100.0;
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<std::int64_t> LegacyInternalBattery::charge() const
{
    if (m_values.isCharged.value_or(false))
        return 100;
    if (m_internalCharge)
        return m_internalCharge;
    if (!m_values.currentCapacity || !m_values.maxCapacity || *m_values.maxCapacity == 0)
        return std::nullopt;
    const double ratio = double(*m_values.currentCapacity) / double(*m_values.maxCapacity) * 100.0;
    if (!std::isfinite(ratio) || std::abs(ratio) >= 9.2e18)
        return std::nullopt;
    return std::llround(ratio);
}

void LegacyInternalBattery::update(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                   const Platform::PowerSources& powerSources)
{
    if (service == 0)
        return;
    for (const PlistValue& description : powerSources.descriptions()) {
        if (const auto fields = readPowerSource(description))
            m_internalCharge = fields->currentCapacity;
    }

    using H = IOKitHelper;
    // The entry is read once; every value comes from that one reading.
    const H::Properties entry = H::properties(registry, service);
    m_values.designCapacity = H::int64(entry, QStringLiteral("DesignCapacity"));
    if (auto current = H::int64(entry, QStringLiteral("CurrentCapacity")))
        m_values.currentCapacity = current;
    else if (auto raw = H::int64(entry, QStringLiteral("AppleRawCurrentCapacity")))
        m_values.currentCapacity = raw;
    if (auto full = H::int64(entry, QStringLiteral("MaxCapacity")))
        m_values.maxCapacity = full;
    else if (auto raw = H::int64(entry, QStringLiteral("AppleRawMaxCapacity")))
        m_values.maxCapacity = raw;
    m_values.cycleCount = H::int64(entry, QStringLiteral("CycleCount"));
    m_values.designCycleCount = H::int64(entry, QStringLiteral("DesignCycleCount9C"));
    m_values.amperage = H::int64(entry, QStringLiteral("Amperage"));
    const auto millivolts = H::real(entry, QStringLiteral("Voltage"));
    m_values.voltage = millivolts ? std::optional<double>(*millivolts / 1000.0) : std::nullopt;
    m_values.temperature = H::temperature(entry);
    m_values.manufacturer = H::string(entry, QStringLiteral("Manufacturer"));
    m_values.manufactureDate = H::manufactureDate(entry);
    deriveWatts();
}

} // namespace InternalBatteryKit
