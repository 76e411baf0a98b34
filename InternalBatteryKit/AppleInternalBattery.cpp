#include "InternalBatteryKit/AppleInternalBattery.h"

#include "InternalBatteryKit/IOKitHelper.h"

namespace InternalBatteryKit {

using Platform::PlistValue;

AppleInternalBattery::AppleInternalBattery(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                           const Platform::PowerSources& powerSources)
{
    update(service, registry, powerSources);
}

std::optional<double> AppleInternalBattery::health() const
{
    if (!m_values.maxCapacity)
        return std::nullopt;
    return double(*m_values.maxCapacity);
}

void AppleInternalBattery::update(Platform::RegistryEntryId service, const Platform::Registry& registry,
                                  const Platform::PowerSources& powerSources)
{
    if (service == 0)
        return;
    for (const PlistValue& description : powerSources.descriptions()) {
        if (const auto fields = readPowerSource(description)) {
            m_values.currentCapacity = fields->currentCapacity;
            m_values.maxCapacity = fields->maxCapacity;
        }
    }

    using H = IOKitHelper;
    // The entry is read once; every value comes from that one reading.
    const H::Properties entry = H::properties(registry, service);
    m_values.serial = H::string(entry, QStringLiteral("Serial"));
    // The design capacity is the battery's rated one; the raw full-charge capacity (worn) is only
    // the fallback.
    m_values.designCapacity = H::int64(entry, QStringLiteral("DesignCapacity"));
    m_values.cycleCount = H::int64(entry, QStringLiteral("CycleCount"));
    m_values.designCycleCount = H::int64(entry, QStringLiteral("DesignCycleCount9C"));
    m_values.amperage = H::int64(entry, QStringLiteral("Amperage"));
    const auto millivolts = H::real(entry, QStringLiteral("Voltage"));
    m_values.voltage = millivolts ? std::optional<double>(*millivolts / 1000.0) : std::nullopt;
    m_values.temperature = H::temperature(entry);
    if (!m_values.designCapacity)
        m_values.designCapacity = H::int64(entry, QStringLiteral("AppleRawMaxCapacity"));
    m_values.averageTimeToEmpty = H::int64(entry, QStringLiteral("AvgTimeToEmpty"));
    if (const auto charger = H::dictionary(entry, QStringLiteral("ChargerData"))) {
        auto data = std::make_shared<ChargerData>();
        data->update(*charger);
        m_values.chargerData = std::move(data);
    }
    if (const auto adapters = H::array(entry, QStringLiteral("AppleRawAdapterDetails"))) {
        if (!adapters->empty()) {
            if (const auto* first = adapters->front().toDictionary())
                m_values.adapter = std::make_shared<AdapterDetails>(*first);
        }
    }
    if (const auto batteryData = H::dictionary(entry, QStringLiteral("BatteryData"))) {
        const auto lifetime = batteryData->find(QStringLiteral("LifetimeData"));
        if (lifetime != batteryData->end()) {
            if (const auto* d = lifetime->second.toDictionary())
                m_values.lifetimeData = std::make_shared<LifetimeData>(*d);
        }
        const auto cells = batteryData->find(QStringLiteral("CellVoltage"));
        if (cells != batteryData->end()) {
            if (const auto* list = cells->second.toArray()) {
                QList<float> volts;
                bool numbers = true;
                for (const PlistValue& cell : *list) {
                    const auto millivolts = cell.toDouble();
                    if (!millivolts) {
                        numbers = false;
                        break;
                    }
                    volts.append(float(*millivolts) / 1000.0f);
                }
                if (numbers)
                    m_values.cellVoltages = volts;
            }
        }
    }
    m_values.manufactureDate = H::manufactureDate(entry);
    if (const auto maker = H::string(entry, QStringLiteral("Manufacturer")))
        m_values.manufacturer = maker;
    deriveWatts();
}

} // namespace InternalBatteryKit
