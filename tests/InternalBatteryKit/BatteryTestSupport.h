#pragma once

#include "InternalBatteryKit/StoredInternalBattery.h"

#include "Platform/Registry/InMemoryRegistry.h"
#include "Platform/Sysfs/PowerSources.h"

#include <memory>

// A battery whose values the test sets directly; its capacities are in mAh unless told otherwise.
class FakeBattery : public InternalBatteryKit::StoredInternalBattery {
public:
    InternalBatteryKit::BatteryValues& values() { return m_values; }
    std::optional<double> health() const override { return healthValue; }
    std::optional<std::int64_t> charge() const override { return chargeValue; }
    bool capacitiesInPercent() const override { return percent; }

    std::optional<double> healthValue;
    std::optional<std::int64_t> chargeValue;
    bool percent = false;
};

// A registry holding one battery entry under a parent of the given provider class.
struct BatteryRegistry {
    explicit BatteryRegistry(const QString& providerClass,
                             Platform::PlistValue::DictionaryType properties = {})
        : registry(std::make_shared<Platform::InMemoryRegistry>())
    {
        parent = registry->addEntry(std::nullopt, QStringLiteral("bus"), QStringLiteral("IOService"),
                                    {{QStringLiteral("IOProviderClass"), Platform::PlistValue(providerClass)}});
        battery = registry->addEntry(parent, QStringLiteral("AppleSmartBattery"), QStringLiteral("AppleSmartBattery"),
                                     std::move(properties));
    }

    std::shared_ptr<Platform::InMemoryRegistry> registry;
    Platform::RegistryEntryId parent = 0;
    Platform::RegistryEntryId battery = 0;
};

inline std::shared_ptr<Platform::PowerSources> sources(std::vector<Platform::PlistValue> descriptions)
{
    return Platform::PowerSources::fixed(std::move(descriptions));
}

inline Platform::PlistValue description(Platform::PlistValue::DictionaryType entries)
{
    return Platform::PlistValue(std::move(entries));
}
