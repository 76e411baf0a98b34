#include "InternalBatteryKit/AppleInternalBattery.h"
#include "InternalBatteryKit/BatteryKey.h"
#include "InternalBatteryKit/BatteryStrings.h"
#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "InternalBatteryKit/LegacyInternalBattery.h"

#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Sampler/SampleClock.h"
#include "Platform/Registry/SysfsRegistry.h"

#include "BatteryTestSupport.h"
#include "Support/PowerSupplyFixture.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <limits>

using namespace InternalBatteryKit;
using Platform::PlistValue;

namespace {

// Counts the lookups a poll makes.
class CountingRegistry : public Platform::InMemoryRegistry {
public:
    std::vector<Platform::RegistryEntryId> entriesOfClass(const QString& className) const override
    {
        ++lookups;
        return InMemoryRegistry::entriesOfClass(className);
    }
    mutable int lookups = 0;
};

PlistValue chargingSource(std::int64_t capacity, bool charging = true)
{
    return description({{"Name", PlistValue("BAT0")},
                        {"Current Capacity", PlistValue(capacity)},
                        {"Time to Full Charge", PlistValue(63)},
                        {"Time to Empty", PlistValue(-1)},
                        {"Is Charging", PlistValue(std::int64_t(charging ? 1 : 0))},
                        {"Is Charged", PlistValue(std::int64_t(0))},
                        {"BatteryHealth", PlistValue("Fair")}});
}

QStringList titles(const QList<BatteryInfoItem>& rows)
{
    QStringList result;
    for (const auto& row : rows)
        result << row.title();
    return result;
}

QString battery(const char* key)
{
    return BatteryStrings::battery(key);
}

QString shared(LanguageKit::LKLocalizedString key)
{
    return BatteryStrings::shared(key);
}

} // namespace

TEST(InternalBatteryFinder, ChoosesTheReaderByTheParentsProviderClass)
{
    const BatteryRegistry legacy(QStringLiteral("IOSMBusController"), {{"CycleCount", PlistValue(3)}});
    InternalBatteryFinder finder({legacy.registry, sources({chargingSource(50)})});
    EXPECT_TRUE(finder.batteryPresent());
    EXPECT_FALSE(finder.battery());
    finder.refresh();
    ASSERT_TRUE(finder.battery());
    EXPECT_TRUE(dynamic_cast<const LegacyInternalBattery*>(finder.battery().get()));
    EXPECT_EQ(finder.battery()->cycleCount(), 3);
    EXPECT_EQ(finder.service(), 0u); // closed again

    const BatteryRegistry smart(QStringLiteral("AppleSMC"));
    InternalBatteryFinder smartFinder({smart.registry, sources({chargingSource(50)})});
    smartFinder.refresh();
    const auto first = smartFinder.battery();
    EXPECT_TRUE(dynamic_cast<const AppleInternalBattery*>(first.get()));
    QSignalSpy changed(&smartFinder, &InternalBatteryFinder::batteryChanged);
    smartFinder.refresh();
    EXPECT_NE(smartFinder.battery(), first); // a new snapshot each poll
    EXPECT_EQ(changed.count(), 1);

    const BatteryRegistry other(QStringLiteral("IOACPIPlatformDevice"));
    InternalBatteryFinder otherFinder({other.registry, sources({chargingSource(50)})});
    otherFinder.refresh();
    EXPECT_FALSE(otherFinder.battery());
    EXPECT_TRUE(otherFinder.items().isEmpty());
    EXPECT_FALSE(otherFinder.charge() || otherFinder.isCharging() || otherFinder.name());
    EXPECT_EQ(otherFinder.systemImage(), "battery.100");
    EXPECT_EQ(otherFinder.timeLeft(), "");
}

TEST(InternalBatteryFinder, PowerSourceWithoutEntryAndNoPowerSource)
{
    // A power source but no battery entry: present, yet never a reader.
    auto registry = std::make_shared<CountingRegistry>();
    InternalBatteryFinder noEntry({registry, sources({chargingSource(50)})});
    noEntry.refresh();
    EXPECT_TRUE(noEntry.batteryPresent());
    EXPECT_FALSE(noEntry.battery());
    EXPECT_EQ(registry->lookups, 1);

    // No power source: nothing is looked up and nothing changes, poll after poll.
    auto desktopRegistry = std::make_shared<CountingRegistry>();
    desktopRegistry->addEntry(std::nullopt, "bus", "IOService", {{"IOProviderClass", PlistValue("IOSMBusController")}});
    desktopRegistry->addEntry(1, "battery", "AppleSmartBattery");
    InternalBatteryFinder desktop({desktopRegistry, sources({})});
    QSignalSpy anything(&desktop, &InternalBatteryFinder::batteryChanged);
    desktop.refresh();
    desktop.refresh();
    EXPECT_FALSE(desktop.batteryPresent());
    EXPECT_EQ(desktopRegistry->lookups, 0);
    EXPECT_EQ(anything.count(), 0);
    EXPECT_FALSE(desktop.battery());
}

TEST(InternalBatteryFinder, DropsTheReaderWhenTheEntryGoes)
{
    const BatteryRegistry entry(QStringLiteral("IOSMBusController"), {{"CycleCount", PlistValue(3)}});
    InternalBatteryFinder finder({entry.registry, sources({chargingSource(50)})});
    finder.refresh();
    ASSERT_TRUE(finder.battery());
    EXPECT_EQ(finder.condition(), BatteryCondition::fair);
    // The bus now reports another provider: the old snapshot is not shown as current, nor its condition.
    entry.registry->setProperty(entry.parent, "IOProviderClass", PlistValue("Unknown"));
    QSignalSpy conditionChanged(&finder, &InternalBatteryFinder::conditionChanged);
    finder.refresh();
    EXPECT_FALSE(finder.battery());
    EXPECT_TRUE(finder.items().isEmpty());
    EXPECT_FALSE(finder.charge());
    EXPECT_FALSE(finder.condition());
    EXPECT_EQ(conditionChanged.count(), 1);
}

TEST(InternalBatteryFinder, ChargeSymbolAndTimeLeft)
{
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(-5), "battery.25");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(25), "battery.25");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(26), "battery.50");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(50), "battery.50");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(51), "battery.75");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(75), "battery.75");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(76), "battery.100");
    EXPECT_EQ(InternalBatteryFinder::systemImageFor(130), "battery.100");

    const BatteryRegistry entry(QStringLiteral("IOSMBusController"));
    InternalBatteryFinder finder({entry.registry, sources({chargingSource(100)})});
    finder.refresh();
    EXPECT_EQ(finder.timeLeft(), battery("FULLY_CHARGED"));
    EXPECT_EQ(battery("FULLY_CHARGED"), "Fully charged"); // the table is found
    EXPECT_EQ(finder.condition(), BatteryCondition::fair);

    InternalBatteryFinder at99({entry.registry, sources({chargingSource(99)})});
    at99.refresh();
    EXPECT_EQ(at99.timeLeft(), "01:03");
    EXPECT_EQ(at99.systemImage(), "battery.100");

    InternalBatteryFinder full({entry.registry, sources({chargingSource(100, false)})});
    full.refresh();
    EXPECT_EQ(full.timeLeft(), "-");

    // Without a charging flag the time text keeps what it was.
    auto fake = std::make_shared<FakeBattery>();
    fake->chargeValue = 40;
    finder.updateItems(fake);
    EXPECT_EQ(finder.timeLeft(), battery("FULLY_CHARGED"));
    EXPECT_EQ(finder.systemImage(), "battery.50");
    EXPECT_FALSE(finder.condition()); // the reader's condition, none
}

TEST(InternalBatteryFinder, StartsOneTimerAndStopsIt)
{
    const BatteryRegistry entry(QStringLiteral("IOSMBusController"));
    InternalBatteryFinder finder({entry.registry, sources({chargingSource(50)})});
    finder.stop(); // nothing runs: nothing happens
    EXPECT_FALSE(finder.timer());
    BaseKit::SampleClock& clock = BaseKit::SampleClock::shared();
    clock.setDrivenByHand(true);
    finder.start(5.0);
    QTimer* timer = finder.timer();
    ASSERT_TRUE(timer);
    // The poll rides the samplers' clock, every fifth tick.
    EXPECT_EQ(timer, clock.timer());
    finder.start(1.0);
    EXPECT_EQ(finder.timer(), timer);
    QSignalSpy polls(&finder, &InternalBatteryFinder::batteryChanged);
    for (int tick = 1; tick <= 10; ++tick) {
        clock.tick();
        EXPECT_EQ(polls.count(), tick / 5) << tick; // the first start's interval holds
    }
    finder.stop();
    EXPECT_FALSE(finder.timer());
    clock.tick();
    EXPECT_EQ(polls.count(), 2);
    clock.setDrivenByHand(false);
}

TEST(BatteryRows, FullSmartReaderInOrder)
{
    const BatteryRegistry entry(
        QStringLiteral("AppleSMC"),
        {{"CycleCount", PlistValue(120)},
         {"DesignCycleCount9C", PlistValue(1000)},
         {"DesignCapacity", PlistValue(4563)},
         {"Amperage", PlistValue(-1500)},
         {"Voltage", PlistValue(12000)},
         {"AvgTimeToEmpty", PlistValue(90)},
         {"ChargerData", PlistValue(PlistValue::DictionaryType{{"ChargingVoltage", PlistValue(13000)},
                                                               {"VacVoltageLimit", PlistValue(8800)},
                                                               {"ChargingCurrent", PlistValue(3000)}})},
         {"AppleRawAdapterDetails",
          PlistValue(PlistValue::ArrayType{PlistValue(PlistValue::DictionaryType{
              {"Name", PlistValue("96W")}, {"Manufacturer", PlistValue("Maker")}, {"Watts", PlistValue(96)}})})},
         {"BatteryData", PlistValue(PlistValue::DictionaryType{
                             {"CellVoltage", PlistValue(PlistValue::ArrayType{PlistValue(4200), PlistValue(4190)})}})},
         {"ManufactureDate", PlistValue(0x5A21)},
         {"Manufacturer", PlistValue("SMP")}});
    // The manufacture date is written in the finder's own locale and time zone.
    BaseKit::DateEnvironment dates;
    dates.localeName = QStringLiteral("de_DE");
    dates.timeZoneId = QStringLiteral("Europe/Berlin");
    InternalBatteryFinder finder({
        entry.registry, sources({description({{"Name", PlistValue("BAT0")},
                                              {"Current Capacity", PlistValue(80)},
                                              {"Max Capacity", PlistValue(91)},
                                              {"Time to Empty", PlistValue(125)},
                                              {"Is Charging", PlistValue(std::int64_t(0))},
                                              {"Watts", PlistValue(67)},
                                              {"BatteryHealth", PlistValue("Good")}})}),
        dates});
    finder.refresh();
    const auto& rows = finder.items();
    EXPECT_EQ(titles(rows),
              (QStringList{battery("TIME_UNTIL_EMPTY"), battery("CYCLE_COUNT"), battery("DESIGN_CYCLE_COUNT"),
                           battery("HEALTH"), battery("POWER_SUPPLY_WATTAGE"),
                           shared(LanguageKit::LKLocalizedString::condition), battery("CURRENT_CAPACITY"),
                           battery("MAX_CAPACITY"), battery("DESIGN_CAPACITY"),
                           shared(LanguageKit::LKLocalizedString::dischargeRate), battery("AVG_TIME_TO_EMPTY"),
                           battery("CELL").arg(0), battery("CELL").arg(1), battery("CHARGING_CURRENT"),
                           battery("CHARGING_VOLTAGE"), battery("VAC_VOLTAGE_LIMIT"), battery("POWER_USAGE"),
                           battery("MANUFACTURER"), battery("MANUFACTURE_DATE")}));
    QStringList values;
    for (const auto& row : rows)
        values << row.value();
    EXPECT_EQ(values.mid(0, 17),
              (QStringList{"02:05", "120", "1000", "91 %", "67 W", localizedName(BatteryCondition::good), "80 %", "91 %",
                           "4563 mAh", "1500 mA", "1h 30m", "4.2000 V", "4.1900 V", "3.0000 A", "13.0000 V",
                           "8.8000 V", "18.00 W"}));
    EXPECT_EQ(values.at(17), "SMP");
    EXPECT_EQ(values.at(18), BaseKit::Date(QDate(2025, 1, 1).startOfDay())
                                 .string(dates, BaseKit::DateStyle::Short, BaseKit::DateStyle::Medium));
    // The German short date and medium time, whatever this machine's own locale.
    const QRegularExpression german(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d, \\d\\d:\\d\\d:\\d\\d$"));
    EXPECT_TRUE(german.match(values.at(18)).hasMatch()) << values.at(18).toStdString();
    EXPECT_EQ(rows.front().color(), BatteryInfoItem::Color::yellow);
    EXPECT_EQ(rows.front().icon(), "clock.circle.fill");
    EXPECT_EQ(titles(finder.adapterItems()),
              (QStringList{battery("NAME"), battery("MANUFACTURER"), shared(LanguageKit::LKLocalizedString::watts)}));
    EXPECT_EQ(finder.adapterItems().at(2).value(), "96 W");
}

TEST(BatteryRows, LegacyReaderOnAThinkPad)
{
    const PowerSupplyFixture tree("power_supply-thinkpad-procfs-A");
    InternalBatteryFinder finder({Platform::SysfsRegistry::live(tree.root()),
                                 std::make_shared<Platform::PowerSources>(tree.root())});
    finder.refresh();
    const auto battery = finder.battery();
    ASSERT_TRUE(dynamic_cast<const LegacyInternalBattery*>(battery.get()));
    EXPECT_EQ(battery->charge(), 98);
    EXPECT_NEAR(*battery->health(), 105.34, 0.01);
    EXPECT_EQ(battery->amperage(), -395);
    EXPECT_NEAR(*battery->watts(), 4.83, 0.001);
    EXPECT_EQ(battery->timeLeftText(), "10:14");
    QStringList values;
    for (const auto& row : finder.items())
        values << row.title() + QLatin1Char('=') + row.value();
    EXPECT_EQ(values, (QStringList{
                          ::battery("TIME_UNTIL_EMPTY") + "=10:14",
                          ::battery("CYCLE_COUNT") + "=0",
                          ::battery("HEALTH") + "=105 %",
                          ::battery("CURRENT_CAPACITY") + "=4579 mAh",
                          ::battery("MAX_CAPACITY") + "=4635 mAh",
                          ::battery("DESIGN_CAPACITY") + "=4400 mAh",
                          shared(LanguageKit::LKLocalizedString::dischargeRate) + "=395 mA",
                          ::battery("POWER_USAGE") + "=4.83 W",
                          ::battery("MANUFACTURER") + "=LGC",
                      }));
    EXPECT_TRUE(finder.adapterItems().isEmpty());
    EXPECT_EQ(finder.systemImage(), "battery.100");
    EXPECT_EQ(finder.name(), "BAT0");
}

TEST(BatteryRows, EdgeValues)
{
    InternalBatteryFinder finder({std::make_shared<Platform::InMemoryRegistry>(), sources({})});
    auto fake = std::make_shared<FakeBattery>();
    auto valueOf = [&](const QString& title) {
        finder.updateItems(fake);
        for (const auto& row : finder.items()) {
            if (row.title() == title)
                return row.value();
        }
        return QStringLiteral("<none>");
    };
    const QString rate = shared(LanguageKit::LKLocalizedString::chargeRate);
    const QString discharge = shared(LanguageKit::LKLocalizedString::dischargeRate);
    fake->values().amperage = 0;
    EXPECT_EQ(valueOf(rate), "0 mA");
    fake->values().amperage = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(valueOf(discharge), "<none>");
    fake->healthValue = 87.9;
    EXPECT_EQ(valueOf(battery("HEALTH")), "87 %");
    fake->healthValue = std::numeric_limits<double>::infinity();
    EXPECT_EQ(valueOf(battery("HEALTH")), "<none>");
    fake->healthValue = std::nan("");
    EXPECT_EQ(valueOf(battery("HEALTH")), "<none>");
    fake->values().averageTimeToEmpty = 45;
    EXPECT_EQ(valueOf(battery("AVG_TIME_TO_EMPTY")), "45m");
    fake->values().averageTimeToEmpty = 0;
    EXPECT_EQ(valueOf(battery("AVG_TIME_TO_EMPTY")), "0h 0m");
    fake->values().averageTimeToEmpty = std::numeric_limits<std::int64_t>::max() / 30;
    EXPECT_EQ(valueOf(battery("AVG_TIME_TO_EMPTY")), "<none>");

    // Watts need the charging flag; while charging the magnitude, otherwise the reader's sign.
    fake->values().watts = -3.25;
    EXPECT_EQ(valueOf(battery("POWER_USAGE")), "<none>");
    fake->values().isCharging = false;
    EXPECT_EQ(valueOf(battery("POWER_USAGE")), "-3.25 W");
    fake->values().watts = 12.5;
    EXPECT_EQ(valueOf(battery("POWER_USAGE")), "12.50 W");
    fake->values().isCharging = true;
    fake->values().watts = -3.25;
    EXPECT_EQ(valueOf(battery("CHARGING_WITH")), "3.25 W");

    // Only the charger values it has.
    auto charger = std::make_shared<ChargerData>();
    charger->chargingVoltage = 12.6;
    fake->values().chargerData = charger;
    finder.updateItems(fake);
    EXPECT_FALSE(titles(finder.items()).contains(battery("CHARGING_CURRENT")));
    EXPECT_FALSE(titles(finder.items()).contains(battery("VAC_VOLTAGE_LIMIT")));
    EXPECT_EQ(valueOf(battery("CHARGING_VOLTAGE")), "12.6000 V");

    // An adapter without name, maker or rating gives no adapter rows.
    fake->values().adapter = std::make_shared<AdapterDetails>(PlistValue::DictionaryType{});
    finder.updateItems(fake);
    EXPECT_TRUE(finder.adapterItems().isEmpty());

    // The unit of the capacities follows the reader.
    fake->values().currentCapacity = 80;
    EXPECT_EQ(valueOf(battery("CURRENT_CAPACITY")), "80 mAh");
    const BatteryRegistry smart(QStringLiteral("AppleSMC"));
    const auto percent = std::make_shared<AppleInternalBattery>(
        smart.battery, *smart.registry, *sources({description({{"Current Capacity", PlistValue(80)}})}));
    finder.updateItems(percent);
    EXPECT_EQ(finder.items().at(finder.items().indexOf(BatteryInfoItem(battery("CURRENT_CAPACITY"), {}, {}, {},
                                                                       BatteryInfoItem::Color::blue)))
                  .value(),
              "80 %");
}

TEST(BatteryRows, IdentityIsTheTitleAndKeysHaveTitles)
{
    const BatteryInfoItem a("Title", "x", "y", "1", BatteryInfoItem::Color::red);
    const BatteryInfoItem b("Title", "z", "w", "2", BatteryInfoItem::Color::blue);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.id(), b.id());
    EXPECT_EQ(qHash(a), qHash(b));
    EXPECT_EQ(allBatteryKeys().size(), 33u);
    EXPECT_EQ(allBatteryKeys().front(), BatteryKey::timeToFull);
    EXPECT_EQ(allBatteryKeys().back(), BatteryKey::hardwareVersion);
    EXPECT_EQ(title(BatteryKey::watts), shared(LanguageKit::LKLocalizedString::watts));
    for (BatteryKey key : allBatteryKeys())
        EXPECT_FALSE(title(key).isEmpty());
}
