#include "InternalBatteryKit/AppleInternalBattery.h"
#include "InternalBatteryKit/LegacyInternalBattery.h"

#include "BatteryTestSupport.h"

#include <gtest/gtest.h>

using namespace InternalBatteryKit;
using Platform::PlistValue;

namespace {

PlistValue::DictionaryType fullSmartBattery()
{
    return {
        {"Serial", PlistValue("F5D1")},
        {"AppleRawMaxCapacity", PlistValue(4382)},
        {"DesignCapacity", PlistValue(4563)},
        {"CycleCount", PlistValue(120)},
        {"DesignCycleCount9C", PlistValue(1000)},
        {"Amperage", PlistValue(-1200)},
        {"Voltage", PlistValue(12600)},
        {"Temperature", PlistValue(3012)},
        {"AvgTimeToEmpty", PlistValue(90)},
        {"ChargerData", PlistValue(PlistValue::DictionaryType{{"ChargingVoltage", PlistValue(13000)},
                                                               {"VacVoltageLimit", PlistValue(8800)},
                                                               {"ChargingCurrent", PlistValue(3000)}})},
        {"AppleRawAdapterDetails",
         PlistValue(PlistValue::ArrayType{PlistValue(PlistValue::DictionaryType{
             {"Name", PlistValue("96W USB-C Power Adapter")}, {"Manufacturer", PlistValue("Apple Inc.")},
             {"Watts", PlistValue(96)}})})},
        {"BatteryData",
         PlistValue(PlistValue::DictionaryType{
             {"LifetimeData", PlistValue(PlistValue::DictionaryType{{"MaximumTemperature", PlistValue(45)}})},
             {"CellVoltage", PlistValue(PlistValue::ArrayType{PlistValue(4200), PlistValue(4190), PlistValue(4210)})}})},
        {"ManufactureDate", PlistValue(0x5A21)},
        {"Manufacturer", PlistValue("SMP")},
    };
}

PlistValue discharging()
{
    return description({{"Name", PlistValue("InternalBattery-0")},
                        {"Time to Empty", PlistValue(125)},
                        {"Time to Full Charge", PlistValue(30)},
                        {"Current Capacity", PlistValue(80)},
                        {"Max Capacity", PlistValue(91)},
                        {"Power Source State", PlistValue("Battery Power")},
                        {"Is Charging", PlistValue(false)},
                        {"Is Charged", PlistValue(false)},
                        {"Watts", PlistValue(67)},
                        {"AdapterDetails", PlistValue(PlistValue::DictionaryType{{"Watts", PlistValue(96)}})},
                        {"BatteryHealth", PlistValue("Good")}});
}

template <typename Reader>
Reader read(const PlistValue::DictionaryType& properties, std::vector<PlistValue> descriptions)
{
    const BatteryRegistry entry(QStringLiteral("AppleSMC"), properties);
    return Reader(entry.battery, *entry.registry, *sources(std::move(descriptions)));
}

} // namespace

TEST(SmartBattery, ReadsPowerSourceAndRegistry)
{
    const auto battery = read<AppleInternalBattery>(fullSmartBattery(), {discharging()});
    EXPECT_EQ(battery.name(), "InternalBattery-0");
    EXPECT_EQ(battery.serial(), "F5D1");
    // The rated capacity, not the worn full-charge one.
    EXPECT_EQ(battery.designCapacity(), 4563);
    EXPECT_EQ(battery.designCapacityText(), "4563 mAh");
    EXPECT_EQ(battery.maxCapacityText(), "91 %");
    EXPECT_EQ(battery.currentCapacityText(), "80 %");
    EXPECT_EQ(battery.health(), 91.0);
    EXPECT_EQ(battery.charge(), 80);
    EXPECT_EQ(battery.cycleCount(), 120);
    EXPECT_EQ(battery.designCycleCount(), 1000);
    EXPECT_EQ(battery.acPowered(), false);
    EXPECT_EQ(battery.isCharging(), false);
    EXPECT_DOUBLE_EQ(*battery.voltage(), 12.6);
    EXPECT_DOUBLE_EQ(*battery.watts(), 15.12);
    EXPECT_DOUBLE_EQ(*battery.temperature(), 30.12);
    EXPECT_EQ(battery.averageTimeToEmpty(), 90);
    EXPECT_EQ(battery.timeLeftText(), "02:05"); // to empty: the minutes to full are not used
    EXPECT_EQ(battery.connectedPowerSupply(), 67);
    EXPECT_EQ(battery.condition(), BatteryCondition::good);
    EXPECT_EQ(battery.cellVoltages(), (QList<float>{4.2f, 4.19f, 4.21f}));
    ASSERT_TRUE(battery.chargerData());
    EXPECT_DOUBLE_EQ(*battery.chargerData()->vacVoltageLimit, 8.8);
    ASSERT_TRUE(battery.lifetimeData());
    EXPECT_EQ(battery.lifetimeData()->maximumTemperature, 45);
    ASSERT_TRUE(battery.adapter());
    EXPECT_EQ(battery.adapter()->watts, 96);
    EXPECT_EQ(battery.manufactureDate(), QDate(2025, 1, 1).startOfDay());
    EXPECT_EQ(battery.manufacturer(), "SMP");
}

TEST(SmartBattery, FallbacksAndMissingValues)
{
    PlistValue::DictionaryType properties = fullSmartBattery();
    properties.erase("DesignCapacity");
    properties.erase("BatteryData");
    properties["AppleRawAdapterDetails"] = PlistValue(PlistValue::ArrayType{});
    auto source = *discharging().toDictionary();
    source.erase("Watts");
    source.erase("Power Source State");
    source.erase("Max Capacity");
    const auto battery = read<AppleInternalBattery>(properties, {PlistValue(source)});
    EXPECT_EQ(battery.designCapacity(), 4382);
    EXPECT_TRUE(battery.cellVoltages().isEmpty());
    EXPECT_FALSE(battery.lifetimeData());
    EXPECT_FALSE(battery.adapter());
    EXPECT_EQ(battery.connectedPowerSupply(), 96); // the adapter details' rating
    EXPECT_EQ(battery.acPowered(), false);
    EXPECT_FALSE(battery.health());
    EXPECT_EQ(battery.maxCapacityText(), "-");

    // Entry 0: nothing is read.
    const AppleInternalBattery none(0, Platform::InMemoryRegistry(), *sources({discharging()}));
    EXPECT_FALSE(none.name() || none.charge() || none.isCharging() || none.watts());
    EXPECT_EQ(none.timeLeftText(), "-");
    EXPECT_EQ(none.designCapacityText(), "-");
}

TEST(SmartBattery, LaterSourcesOverwriteExceptConditionAndRating)
{
    auto second = *discharging().toDictionary();
    second.erase("BatteryHealth");
    second.erase("Watts");
    second.erase("AdapterDetails");
    second["Name"] = PlistValue("Second");
    second["Time to Empty"] = PlistValue(6000);
    const auto battery = read<AppleInternalBattery>(fullSmartBattery(),
                                                    {discharging(), PlistValue("not a dictionary"), PlistValue(second)});
    EXPECT_EQ(battery.condition(), BatteryCondition::good);
    EXPECT_EQ(battery.connectedPowerSupply(), 67);
    EXPECT_EQ(battery.name(), "Second");
    EXPECT_EQ(battery.timeLeftText(), "100:00");

    // No source at all: no flags, so no watts and no time.
    const auto bare = read<AppleInternalBattery>(fullSmartBattery(), {});
    EXPECT_FALSE(bare.isCharging());
    EXPECT_FALSE(bare.acPowered());
    EXPECT_FALSE(bare.watts());
    EXPECT_FALSE(bare.timeLeftMinutes());
    EXPECT_EQ(bare.timeLeftText(), "-");
    EXPECT_EQ(bare.cycleCount(), 120);
}

TEST(SmartBattery, WattsFollowTheChargingFlag)
{
    auto charging = *discharging().toDictionary();
    charging["Is Charging"] = PlistValue(1);
    auto properties = fullSmartBattery();
    properties["Amperage"] = PlistValue(1500);
    properties["Voltage"] = PlistValue(12000);
    EXPECT_DOUBLE_EQ(*read<AppleInternalBattery>(properties, {PlistValue(charging)}).watts(), 18.0);
    properties["Amperage"] = PlistValue(-1500);
    EXPECT_DOUBLE_EQ(*read<AppleInternalBattery>(properties, {PlistValue(charging)}).watts(), -18.0);
    EXPECT_DOUBLE_EQ(*read<AppleInternalBattery>(properties, {discharging()}).watts(), 18.0);
    properties.erase("Voltage");
    EXPECT_FALSE(read<AppleInternalBattery>(properties, {discharging()}).watts());
}

TEST(InternalBattery, TimeLeftTexts)
{
    EXPECT_EQ(InternalBattery::timeText(std::nullopt), "-");
    EXPECT_EQ(InternalBattery::timeText(0), "-");
    EXPECT_EQ(InternalBattery::timeText(-1), "-");
    EXPECT_EQ(InternalBattery::timeText(1), "00:01");
    EXPECT_EQ(InternalBattery::timeText(59), "00:59");
    EXPECT_EQ(InternalBattery::timeText(60), "01:00");
    EXPECT_EQ(InternalBattery::timeText(125), "02:05");
    EXPECT_EQ(InternalBattery::timeText(6000), "100:00");

    FakeBattery battery;
    battery.values().timeToFull = 30;
    EXPECT_FALSE(battery.timeLeftMinutes()); // no charging flag
    battery.values().isCharging = false;
    EXPECT_EQ(battery.timeLeftText(), "-"); // discharging without minutes to empty
    battery.values().isCharging = true;
    battery.values().timeToFull = -1;
    EXPECT_EQ(battery.timeLeftMinutes(), -1);
    EXPECT_EQ(battery.timeLeftText(), "-");
}

TEST(LegacyBattery, ChargeAndHealthFromCapacities)
{
    const PlistValue::DictionaryType capacities{{"DesignCapacity", PlistValue(7150)},
                                                {"MaxCapacity", PlistValue(6053)},
                                                {"CurrentCapacity", PlistValue(5069)}};
    auto source = *discharging().toDictionary();
    source.erase("Current Capacity");
    auto battery = read<LegacyInternalBattery>(capacities, {PlistValue(source)});
    EXPECT_EQ(battery.charge(), 84); // 83.74
    EXPECT_NEAR(*battery.health(), 84.657, 0.001);
    EXPECT_EQ(battery.maxCapacityText(), "6053 mAh");
    EXPECT_EQ(battery.currentCapacityText(), "5069 mAh");
    EXPECT_FALSE(battery.serial() || battery.averageTimeToEmpty() || battery.chargerData() || battery.adapter());

    // Halves round away from zero.
    battery = read<LegacyInternalBattery>({{"MaxCapacity", PlistValue(8)}, {"CurrentCapacity", PlistValue(1)}},
                                          {PlistValue(source)});
    EXPECT_EQ(battery.charge(), 13);
    EXPECT_FALSE(battery.health()); // no design capacity

    // The power source's own percentage wins, 0 included; a charged battery is at 100.
    source["Current Capacity"] = PlistValue(0);
    battery = read<LegacyInternalBattery>(capacities, {PlistValue(source)});
    EXPECT_EQ(battery.internalCharge(), 0);
    EXPECT_EQ(battery.charge(), 0);
    source["Is Charged"] = PlistValue(true);
    EXPECT_EQ(read<LegacyInternalBattery>(capacities, {PlistValue(source)}).charge(), 100);

    // A worn-in battery above its design capacity, and the raw capacities as fallbacks.
    battery = read<LegacyInternalBattery>({{"DesignCapacity", PlistValue(4400)},
                                           {"AppleRawMaxCapacity", PlistValue(4635)},
                                           {"AppleRawCurrentCapacity", PlistValue(4579)}},
                                          {});
    EXPECT_GT(*battery.health(), 100.0);
    EXPECT_EQ(battery.maxCapacity(), 4635);
    EXPECT_EQ(battery.currentCapacity(), 4579);
    EXPECT_EQ(battery.charge(), 99);
}

TEST(LegacyBattery, ZeroCapacitiesGiveNoChargeAndNoHealth)
{
    const auto battery = read<LegacyInternalBattery>(
        {{"DesignCapacity", PlistValue(0)}, {"MaxCapacity", PlistValue(0)}, {"CurrentCapacity", PlistValue(0)}}, {});
    EXPECT_FALSE(battery.charge());
    EXPECT_FALSE(battery.health());
    EXPECT_EQ(battery.designCapacityText(), "0 mAh");
    const auto onlyDesignZero =
        read<LegacyInternalBattery>({{"DesignCapacity", PlistValue(0)}, {"MaxCapacity", PlistValue(4000)}}, {});
    EXPECT_FALSE(onlyDesignZero.health());
}
