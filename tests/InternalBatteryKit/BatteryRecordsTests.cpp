#include "InternalBatteryKit/AdapterDetails.h"
#include "InternalBatteryKit/BatteryCondition.h"
#include "InternalBatteryKit/ChargerData.h"
#include "InternalBatteryKit/IOKitHelper.h"
#include "InternalBatteryKit/LifetimeData.h"

#include "Platform/Registry/InMemoryRegistry.h"

#include <gtest/gtest.h>

using namespace InternalBatteryKit;
using Platform::InMemoryRegistry;
using Platform::PlistValue;

TEST(BatteryRegistryReads, TypedReadsGiveNothingForOtherKinds)
{
    InMemoryRegistry registry;
    const auto entry = registry.addEntry(std::nullopt, "battery", "AppleSmartBattery",
                                         {{"Text", PlistValue("42")},
                                          {"Half", PlistValue(2.5)},
                                          {"Whole", PlistValue(42)},
                                          {"WholeReal", PlistValue(42.0)},
                                          {"List", PlistValue(PlistValue::ArrayType{PlistValue(1)})},
                                          {"Map", PlistValue(PlistValue::DictionaryType{{"a", PlistValue(1)}})}});
    EXPECT_FALSE(IOKitHelper::int64(registry, entry, "Text"));
    EXPECT_FALSE(IOKitHelper::int64(registry, entry, "Half"));
    EXPECT_EQ(IOKitHelper::int64(registry, entry, "Whole"), 42);
    EXPECT_EQ(IOKitHelper::int64(registry, entry, "WholeReal"), 42);
    EXPECT_EQ(IOKitHelper::real(registry, entry, "Half"), 2.5);
    EXPECT_FALSE(IOKitHelper::real(registry, entry, "Text"));
    EXPECT_EQ(IOKitHelper::string(registry, entry, "Text"), "42");
    EXPECT_FALSE(IOKitHelper::string(registry, entry, "Whole"));
    EXPECT_FALSE(IOKitHelper::dictionary(registry, entry, "List"));
    EXPECT_TRUE(IOKitHelper::dictionary(registry, entry, "Map"));
    EXPECT_FALSE(IOKitHelper::array(registry, entry, "Map"));
    EXPECT_EQ(IOKitHelper::array(registry, entry, "List")->size(), 1u);
    EXPECT_FALSE(IOKitHelper::int64(registry, entry, "Missing"));
    // Entry 0 is no entry.
    EXPECT_FALSE(IOKitHelper::int64(registry, 0, "Whole"));
}

TEST(BatteryRegistryReads, TemperatureInHundredthsOfADegree)
{
    InMemoryRegistry registry;
    const auto warm = registry.addEntry(std::nullopt, "a", "AppleSmartBattery", {{"Temperature", PlistValue(2950)}});
    const auto cold = registry.addEntry(std::nullopt, "b", "AppleSmartBattery", {{"Temperature", PlistValue(-150)}});
    const auto none = registry.addEntry(std::nullopt, "c", "AppleSmartBattery");
    const auto text = registry.addEntry(std::nullopt, "d", "AppleSmartBattery", {{"Temperature", PlistValue("29")}});
    EXPECT_DOUBLE_EQ(*IOKitHelper::temperature(registry, warm), 29.5);
    EXPECT_DOUBLE_EQ(*IOKitHelper::temperature(registry, cold), -1.5);
    EXPECT_FALSE(IOKitHelper::temperature(registry, none));
    EXPECT_FALSE(IOKitHelper::temperature(registry, text));
}

TEST(BatteryRegistryReads, PackedManufactureDate)
{
    const auto parts = IOKitHelper::unpackDate(0x5A21);
    EXPECT_EQ(parts.day, 1);
    EXPECT_EQ(parts.month, 1);
    EXPECT_EQ(parts.year, 2025);
    // Bits above 15 are not part of the date.
    const auto high = IOKitHelper::unpackDate(0x15A21);
    EXPECT_EQ(high.year, 2025);

    InMemoryRegistry registry;
    const auto dated = registry.addEntry(std::nullopt, "a", "AppleSmartBattery", {{"ManufactureDate", PlistValue(0x5A21)}});
    const auto zero = registry.addEntry(std::nullopt, "b", "AppleSmartBattery", {{"ManufactureDate", PlistValue(0)}});
    const auto text = registry.addEntry(std::nullopt, "c", "AppleSmartBattery", {{"ManufactureDate", PlistValue("0x5A21")}});
    EXPECT_EQ(IOKitHelper::manufactureDate(registry, dated), QDate(2025, 1, 1).startOfDay());
    // Day 0 of month 0 names no day.
    EXPECT_FALSE(IOKitHelper::manufactureDate(registry, zero));
    EXPECT_FALSE(IOKitHelper::manufactureDate(registry, text));
}

TEST(BatteryRecords, EmptyDictionariesGiveEmptyRecords)
{
    const LifetimeData lifetime({});
    EXPECT_FALSE(lifetime.updateTime || lifetime.averageTemperature || lifetime.cycleCountLastQmax
                 || lifetime.maximumChargeCurrent || lifetime.maximumDischargeCurrent || lifetime.maximumPackVoltage
                 || lifetime.maximumTemperature || lifetime.minimumPackVoltage || lifetime.minimumTemperature);
    const AdapterDetails adapter({});
    EXPECT_FALSE(adapter.serial || adapter.watts || adapter.description || adapter.name || adapter.voltage
                 || adapter.isWireless || adapter.hwVersion || adapter.manufacturer);
    ChargerData charger;
    charger.update({});
    EXPECT_FALSE(charger.chargingVoltage || charger.vacVoltageLimit || charger.chargingCurrent);
}

TEST(BatteryRecords, ConvertAndScaleTheirFields)
{
    const AdapterDetails adapter({{"AdapterVoltage", PlistValue(20000)},
                                  {"Watts", PlistValue(96)},
                                  {"Name", PlistValue("96W USB-C")},
                                  {"IsWireless", PlistValue(false)},
                                  {"Manufacturer", PlistValue(7)}});
    EXPECT_FLOAT_EQ(*adapter.voltage, 20.0f);
    EXPECT_EQ(adapter.watts, 96);
    EXPECT_EQ(adapter.name, "96W USB-C");
    EXPECT_EQ(adapter.isWireless, false);
    EXPECT_FALSE(adapter.manufacturer); // a number is no text
    const AdapterDetails odd({{"AdapterVoltage", PlistValue("20000")}, {"Watts", PlistValue(96.5)}});
    EXPECT_FALSE(odd.voltage);
    EXPECT_FALSE(odd.watts);

    ChargerData charger;
    charger.update({{"VacVoltageLimit", PlistValue(8800)}, {"ChargingCurrent", PlistValue(3000)},
                    {"ChargingVoltage", PlistValue(12600)}});
    EXPECT_DOUBLE_EQ(*charger.vacVoltageLimit, 8.8);
    EXPECT_DOUBLE_EQ(*charger.chargingCurrent, 3000.0);
    EXPECT_DOUBLE_EQ(*charger.chargingVoltage, 12.6);
    // A second dictionary without the current keeps the earlier one.
    charger.update({{"ChargingVoltage", PlistValue(13000)}});
    EXPECT_DOUBLE_EQ(*charger.chargingCurrent, 3000.0);
    EXPECT_DOUBLE_EQ(*charger.chargingVoltage, 13.0);

    const LifetimeData lifetime({{"MaximumTemperature", PlistValue(45)},
                                 {"MinimumTemperature", PlistValue(-3)},
                                 {"AverageTemperature", PlistValue(29.7)},
                                 {"UpdateTime", PlistValue("yesterday")},
                                 {"MaximumPackVoltage", PlistValue(-5)},
                                 {"MinimumPackVoltage", PlistValue(11000)}});
    EXPECT_EQ(lifetime.maximumTemperature, 45);
    EXPECT_EQ(lifetime.minimumTemperature, -3);
    EXPECT_EQ(lifetime.averageTemperature, 29);
    EXPECT_FALSE(lifetime.updateTime);
    EXPECT_FALSE(lifetime.maximumPackVoltage); // no unsigned value
    EXPECT_EQ(lifetime.minimumPackVoltage, 11000u);
    // 300 does not fit a signed 8-bit temperature: the field keeps what it had.
    LifetimeData updated({{"MaximumTemperature", PlistValue(45)}});
    updated.update({{"MaximumTemperature", PlistValue(300)}});
    EXPECT_EQ(updated.maximumTemperature, 45);
}

TEST(BatteryCondition, RawValuesAndHealthTexts)
{
    EXPECT_EQ(batteryConditionFromRawValue(0), BatteryCondition::good);
    EXPECT_EQ(batteryConditionFromRawValue(2), BatteryCondition::poor);
    EXPECT_FALSE(batteryConditionFromRawValue(3));
    EXPECT_FALSE(batteryConditionFromRawValue(-1));
    EXPECT_EQ(batteryConditionFromHealth("Fair"), BatteryCondition::fair);
    EXPECT_FALSE(batteryConditionFromHealth("good"));
    EXPECT_FALSE(batteryConditionFromHealth("Check Battery"));
    EXPECT_EQ(localizedName(BatteryCondition::good), "Good");
}
