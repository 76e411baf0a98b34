#include "Platform/Registry/BatteryRegistryAdapter.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Sysfs/PowerSupply.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "Support/PowerSupplyFixture.h"

#include <gtest/gtest.h>

using Platform::PlistValue;
using Platform::PowerSources;
using Platform::SysfsRegistry;

namespace {

std::vector<PlistValue> descriptionsOf(const PowerSupplyFixture& tree)
{
    return PowerSources(tree.root()).descriptions();
}

// The battery entry's properties and its parent's provider class, as the battery finder sees them.
struct BatteryEntry {
    QString name;
    QString providerClass;
    PlistValue properties;
};

std::optional<BatteryEntry> batteryEntry(const PowerSupplyFixture& tree)
{
    const auto registry = SysfsRegistry::live(tree.root());
    const auto found = registry->entriesOfClass(QStringLiteral("AppleSmartBattery"));
    if (found.empty())
        return std::nullopt;
    BatteryEntry entry;
    entry.name = registry->name(found.front());
    if (const auto parent = registry->parent(found.front()))
        entry.providerClass = registry->property(*parent, QStringLiteral("IOProviderClass")).toString().value_or(QString());
    entry.properties = registry->properties(found.front());
    return entry;
}

} // namespace

TEST(PowerSources, EnergyBatteryDischargingReadsAttributeFilesOverItsUevent)
{
    // The ThinkPad's uevent says 85 % and other energies; the attribute files are what the kernel
    // answers now. The battery's uevent has no type line; its `type` file has.
    const PowerSupplyFixture tree("power_supply-thinkpad-procfs-A");
    const auto descriptions = descriptionsOf(tree);
    ASSERT_EQ(descriptions.size(), 1u);
    const PlistValue& d = descriptions.front();
    EXPECT_EQ(d["Name"].toString(), "BAT0");
    EXPECT_EQ(d["Current Capacity"].toInt64(), 98);
    EXPECT_EQ(d["Max Capacity"].toInt64(), 105); // energy_full 50.06 Wh above the design's 47.52 Wh
    EXPECT_EQ(d["Time to Empty"].toInt64(), 614); // 49.45 Wh at 4.83 W
    EXPECT_EQ(d["Time to Full Charge"].toInt64(), -1);
    EXPECT_EQ(d["Power Source State"].toString(), "Battery Power"); // AC online 0
    EXPECT_EQ(d["Is Charging"].toInt64(), 0);
    EXPECT_EQ(d["Is Charged"].toInt64(), 0);
    EXPECT_TRUE(d["Watts"].isNone());
    EXPECT_TRUE(d["BatteryHealth"].isNone());

    const auto entry = batteryEntry(tree);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "BAT0");
    EXPECT_EQ(entry->providerClass, "IOSMBusController");
    const PlistValue& p = entry->properties;
    // µWh over the design minimum of 10.8 V.
    EXPECT_EQ(p["DesignCapacity"].toInt64(), 4400);
    EXPECT_EQ(p["MaxCapacity"].toInt64(), 4635);
    EXPECT_EQ(p["AppleRawMaxCapacity"].toInt64(), 4635);
    EXPECT_EQ(p["CurrentCapacity"].toInt64(), 4579);
    // 4.83 W at 12.229 V is 395 mA, out of the battery.
    EXPECT_EQ(p["Amperage"].toInt64(), -395);
    EXPECT_EQ(p["Voltage"].toInt64(), 12229);
    EXPECT_EQ(p["CycleCount"].toInt64(), 0);
    EXPECT_EQ(p["Manufacturer"].toString(), "LGC");
    EXPECT_EQ(p["Serial"].toString(), "38109");
    EXPECT_TRUE(p["Temperature"].isNone());
    EXPECT_TRUE(p["ManufactureDate"].isNone());
    EXPECT_TRUE(p["DesignCycleCount9C"].isNone());
}

TEST(PowerSources, EnergyBatteryOfAKernelBeforePowerNowHasItsPowerInCurrentNow)
{
    // The same ThinkPad battery on a kernel without power_now: current_now holds its 4.83 W in µW.
    const PowerSupplyFixture tree("power_supply-thinkpad-oldkernel");
    const auto descriptions = descriptionsOf(tree);
    ASSERT_EQ(descriptions.size(), 1u);
    EXPECT_EQ(descriptions.front()["Time to Empty"].toInt64(), 614);
    EXPECT_EQ(descriptions.front()["Current Capacity"].toInt64(), 99); // 49.45 of 50.06 Wh: no capacity file
    const auto entry = batteryEntry(tree);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->properties["Amperage"].toInt64(), -395);
    EXPECT_EQ(entry->properties["Voltage"].toInt64(), 12229);

    // Charging: the time to full comes from the same power.
    tree.set("BAT0", "status", "Charging");
    EXPECT_EQ(descriptionsOf(tree).front()["Time to Full Charge"].toInt64(), 7); // 0.61 Wh at 4.83 W
    EXPECT_EQ(batteryEntry(tree)->properties["Amperage"].toInt64(), 395);

    // A battery that counts charge keeps current_now as its current, also without power_now.
    tree.set("BAT0", "charge_now", "4000000");
    tree.set("BAT0", "current_now", "1500000");
    EXPECT_EQ(batteryEntry(tree)->properties["Amperage"].toInt64(), 1500);
}

TEST(PowerSources, ChargeBatteryOnUsbPowerDeliveryAdapter)
{
    const PowerSupplyFixture tree("power_supply-laptop-usbc-checkbox-A");
    const auto descriptions = descriptionsOf(tree);
    ASSERT_EQ(descriptions.size(), 1u); // the AC and the two USB-C ports are no batteries
    const PlistValue& d = descriptions.front();
    EXPECT_EQ(d["Current Capacity"].toInt64(), 100);
    EXPECT_EQ(d["Max Capacity"].toInt64(), 100);
    EXPECT_EQ(d["Power Source State"].toString(), "AC Power");
    // "Not charging": neither charging nor charged, and no time either way.
    EXPECT_EQ(d["Is Charging"].toInt64(), 0);
    EXPECT_EQ(d["Is Charged"].toInt64(), 0);
    EXPECT_EQ(d["Time to Empty"].toInt64(), -1);
    EXPECT_EQ(d["Time to Full Charge"].toInt64(), -1);
    // The online port offers 20 V at 5 A; the offline one (5 V, 1.5 A) does not count.
    EXPECT_EQ(d["Watts"].toInt64(), 100);
    EXPECT_EQ(d["AdapterDetails"]["Watts"].toInt64(), 100);

    const auto entry = batteryEntry(tree);
    ASSERT_TRUE(entry);
    const PlistValue& p = entry->properties;
    EXPECT_EQ(p["DesignCapacity"].toInt64(), 4590);
    EXPECT_EQ(p["MaxCapacity"].toInt64(), 4599);
    EXPECT_EQ(p["CurrentCapacity"].toInt64(), 4599);
    EXPECT_EQ(p["Amperage"].toInt64(), 1);
    EXPECT_EQ(p["Voltage"].toInt64(), 13292);
    EXPECT_EQ(p["CycleCount"].toInt64(), 2);
    EXPECT_EQ(p["Manufacturer"].toString(), "SMP");
    EXPECT_EQ(p["Serial"].toString(), "76");
}

TEST(PowerSources, ChargingAndFullFollowTheStatus)
{
    const PowerSupplyFixture tree("power_supply-laptop-usbc-checkbox-A");
    tree.set("BAT0", "status", "Charging");
    tree.set("BAT0", "charge_now", "3000000");
    tree.set("BAT0", "current_now", "-1500000"); // a driver that signs the other way
    tree.set("BAT0", "capacity", "65");
    auto d = descriptionsOf(tree).front();
    EXPECT_EQ(d["Is Charging"].toInt64(), 1);
    EXPECT_EQ(d["Is Charged"].toInt64(), 0);
    EXPECT_EQ(d["Time to Full Charge"].toInt64(), 63); // 1.599 Ah at 1.5 A
    EXPECT_EQ(d["Time to Empty"].toInt64(), -1);
    EXPECT_EQ(batteryEntry(tree)->properties["Amperage"].toInt64(), 1500);

    tree.set("BAT0", "status", "Full");
    d = descriptionsOf(tree).front();
    EXPECT_EQ(d["Is Charging"].toInt64(), 0);
    EXPECT_EQ(d["Is Charged"].toInt64(), 1);

    // The kernel's own estimates win over the computed ones.
    tree.set("BAT0", "status", "Discharging");
    tree.set("BAT0", "time_to_empty_now", "3600");
    d = descriptionsOf(tree).front();
    EXPECT_EQ(d["Time to Empty"].toInt64(), 60);
    EXPECT_EQ(batteryEntry(tree)->properties["Amperage"].toInt64(), -1500);
}

TEST(PowerSources, DesktopMouseAndMissingTreesHaveNoBattery)
{
    // A desktop: only a mains supply.
    const PowerSupplyFixture desktop("power_supply-thinkpad-procfs-A");
    desktop.removeSupply("BAT0");
    EXPECT_TRUE(descriptionsOf(desktop).empty());
    EXPECT_FALSE(batteryEntry(desktop));

    // A mouse's battery (scope Device, known only from its uevent) is not the machine's.
    const PowerSupplyFixture mouse("power_supply-peripheral-hidpp-mail-A");
    EXPECT_EQ(Platform::PowerSupply(mouse.root(), "hidpp_battery_2").type(), "Battery");
    EXPECT_TRUE(descriptionsOf(mouse).empty());
    EXPECT_FALSE(batteryEntry(mouse));

    const PowerSupplyFixture empty;
    EXPECT_TRUE(descriptionsOf(empty).empty());
    EXPECT_FALSE(batteryEntry(empty));

    // A battery bay reported empty.
    const PowerSupplyFixture removed("power_supply-laptop-usbc-checkbox-A");
    removed.set("BAT0", "present", "0");
    EXPECT_TRUE(descriptionsOf(removed).empty());
    EXPECT_FALSE(batteryEntry(removed));
}

TEST(PowerSources, UeventOnlyBatteryHealthDateAndTemperature)
{
    PowerSupplyFixture tree;
    tree.addSupply("BAT1", {{"uevent", "POWER_SUPPLY_NAME=BAT1\nPOWER_SUPPLY_TYPE=Battery\nPOWER_SUPPLY_STATUS=Discharging\n"
                                       "POWER_SUPPLY_CAPACITY=50\nPOWER_SUPPLY_HEALTH=Calibration required\n"
                                       "POWER_SUPPLY_TEMP=305\nPOWER_SUPPLY_MANUFACTURE_YEAR=2025\n"
                                       "POWER_SUPPLY_MANUFACTURE_MONTH=1\nPOWER_SUPPLY_MANUFACTURE_DAY=1\n"
                                       "POWER_SUPPLY_CHARGE_FULL=0\nPOWER_SUPPLY_CHARGE_FULL_DESIGN=0"}});
    tree.addSupply("BAT0", {{"type", "Battery"}, {"health", "Dead"}, {"scope", "System"}});
    const auto descriptions = descriptionsOf(tree);
    ASSERT_EQ(descriptions.size(), 2u);
    EXPECT_EQ(descriptions[0]["Name"].toString(), "BAT0");
    EXPECT_EQ(descriptions[0]["BatteryHealth"].toString(), "Poor");
    EXPECT_TRUE(descriptions[0]["Current Capacity"].isNone());
    EXPECT_EQ(descriptions[1]["Current Capacity"].toInt64(), 50);
    EXPECT_EQ(descriptions[1]["BatteryHealth"].toString(), "Fair");
    EXPECT_TRUE(descriptions[1]["Max Capacity"].isNone()); // a design capacity of 0 gives no percentage

    // The entry is the first battery by name; BAT1's values come from its uevent.
    EXPECT_EQ(batteryEntry(tree)->name, "BAT0");
    Platform::BatteryRegistryAdapter adapter(tree.root());
    const QString bat1 = QString::fromLatin1(Platform::BatteryRegistryAdapter::busPath) + QStringLiteral("/BAT1");
    EXPECT_EQ(adapter.property(bat1, "Temperature").toInt64(), 3050);
    EXPECT_EQ(adapter.property(bat1, "ManufactureDate").toInt64(), 0x5A21);
    EXPECT_EQ(adapter.property(bat1, "DesignCapacity").toInt64(), 0);
    EXPECT_TRUE(adapter.property(bat1, "Serial").isNone());
    EXPECT_TRUE(adapter.property(QStringLiteral("IOService:/elsewhere/BAT1"), "Temperature").isNone());
}

TEST(PowerSources, ASupplyThatComesBackUnderItsNameIsReadAfresh)
{
    PowerSupplyFixture tree;
    tree.addSupply("BAT0", {{"type", "Battery"}, {"capacity", "40"}});
    const PowerSources sources(tree.root());
    ASSERT_EQ(sources.descriptions().size(), 1u);
    EXPECT_EQ(sources.descriptions().front()["Current Capacity"].toInt64(), 40);
    tree.removeSupply("BAT0");
    EXPECT_TRUE(sources.descriptions().empty());
    // The same name now belongs to a mouse's battery.
    tree.addSupply("BAT0", {{"type", "Battery"}, {"scope", "Device"}});
    EXPECT_TRUE(sources.descriptions().empty());
}

TEST(PowerSources, ReadingsBeyondTheIntegerRangeAreUnknown)
{
    // An energy battery whose driver reports values no battery has: every figure worked out of them
    // would leave the 64-bit range, so it is unknown rather than wrapped.
    const PowerSupplyFixture tree("power_supply-thinkpad-procfs-A");
    tree.set("BAT0", "energy_now", "9223372036854775807");
    tree.set("BAT0", "energy_full", "9223372036854775807");
    tree.set("BAT0", "energy_full_design", "1");
    tree.set("BAT0", "voltage_min_design", "1");
    tree.set("BAT0", "power_now", "9223372036854775807");
    tree.set("BAT0", "voltage_now", "1");
    tree.set("BAT0", "temp", "-922337203685477581");
    const auto descriptions = descriptionsOf(tree);
    ASSERT_EQ(descriptions.size(), 1u);
    EXPECT_TRUE(descriptions[0]["Max Capacity"].isNone());
    const auto entry = batteryEntry(tree);
    ASSERT_TRUE(entry);
    EXPECT_TRUE(entry->properties["MaxCapacity"].isNone());
    EXPECT_TRUE(entry->properties["CurrentCapacity"].isNone());
    EXPECT_TRUE(entry->properties["Amperage"].isNone());
    EXPECT_TRUE(entry->properties["Temperature"].isNone());

    // A time that would take more minutes than 64 bits count is no time; a full charge that lies
    // further from the present one than 64 bits reach is no charging time either.
    tree.set("BAT0", "power_now", "1");
    EXPECT_EQ(descriptionsOf(tree)[0]["Time to Empty"].toInt64(), -1);
    tree.set("BAT0", "status", "Charging");
    tree.set("BAT0", "energy_now", "-9223372036854775807");
    EXPECT_EQ(descriptionsOf(tree)[0]["Time to Full Charge"].toInt64(), -1);

    // A USB port that claims more power than 64 bits hold states no wattage.
    const PowerSupplyFixture usb("power_supply-laptop-usbc-checkbox-A");
    usb.set("ucsi-source-psy-USBC000:001", "voltage_max", "9223372036854775807");
    usb.set("ucsi-source-psy-USBC000:001", "current_max", "9223372036854775807");
    const auto withPort = descriptionsOf(usb);
    ASSERT_EQ(withPort.size(), 1u);
    EXPECT_TRUE(withPort[0]["Watts"].isNone());
}
