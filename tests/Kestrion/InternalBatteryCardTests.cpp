#include "LoopbackStartup.h"
#include "CardTestSupport.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/InternalBatteryView.h"
#include "Kestrion/Models/InternalBatteryModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include "InternalBatteryKit/InternalBatteryFinder.h"
#include "LanguageKit/LKLocalizedString.h"
#include "LanguageKit/LKResources.h"
#include "Platform/Sysfs/PowerSources.h"
#include "Platform/Registry/SysfsRegistry.h"
#include "ViewKit/VKDoubleTextView.h"

#include "Support/LocaleScope.h"
#include "BaseKit/Sampler/SampleClock.h"
#include "InternalBatteryKit/BatteryTestSupport.h"
#include "Support/PowerSupplyFixture.h"

#include <QApplication>
#include <QDBusConnection>
#include <QSignalSpy>

using InternalBatteryKit::InternalBatteryFinder;
using Kestrion::AppSettings;
using Kestrion::InternalBatteryModel;
using Kestrion::InternalBatteryView;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using Platform::PlistValue;
using ViewKit::VKColorScheme;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {

QString text(LKLocalizedString key)
{
    return LKResources::localized(key);
}

// A settings suite of its own and a battery model over a finder the test gives.
struct BatteryModelFixture {
    explicit BatteryModelFixture(InternalBatteryFinder* finder) : model(finder, settings) {}

    Platform::Defaults defaults{QStringLiteral("battery-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces)};
    AppSettings settings{defaults};
    InternalBatteryModel model;
};

// A finder over one legacy battery entry holding `properties`, with one power source.
InternalBatteryFinder* legacyFinder(PlistValue::DictionaryType properties, PlistValue::DictionaryType source)
{
    const BatteryRegistry entry(QStringLiteral("IOSMBusController"), std::move(properties));
    return new InternalBatteryFinder({entry.registry, sources({description(std::move(source))})});
}

// A finder over a captured power-supply tree.
InternalBatteryFinder* fixtureFinder(const PowerSupplyFixture& tree)
{
    return new InternalBatteryFinder({Platform::SysfsRegistry::live(tree.root()),
                                     std::make_shared<Platform::PowerSources>(tree.root())});
}

} // namespace

TEST(InternalBatteryModel, WithoutABattery)
{
    BatteryModelFixture run(new InternalBatteryFinder({std::make_shared<Platform::InMemoryRegistry>(), sources({})}));
    EXPECT_FALSE(run.model.finder()->batteryPresent());
    EXPECT_EQ(run.model.healthText(), "-");
    EXPECT_EQ(run.model.cycleCountText(), "-");
    EXPECT_EQ(run.model.temperatureText(), "-");
    EXPECT_EQ(run.model.rateText(), "-");
    EXPECT_EQ(run.model.rateTitle(), text(LKLocalizedString::unknown));
    EXPECT_EQ(run.model.timeTitle(), text(LKLocalizedString::unknown));
    EXPECT_EQ(run.model.conditionText(), text(LKLocalizedString::unknown));
    // The poll rides the samplers' clock (every 5 seconds) and ran once already.
    ASSERT_TRUE(run.model.finder()->timer());
    EXPECT_EQ(run.model.finder()->timer(), BaseKit::SampleClock::shared().timer());
}

TEST(InternalBatteryModel, RateAndTimeTitlesFollowTheCurrent)
{
    BatteryModelFixture discharging(legacyFinder({{"Amperage", PlistValue(-1520)}, {"CycleCount", PlistValue(412)}},
                                                 {{"Is Charging", PlistValue(0)}, {"BatteryHealth", PlistValue("Poor")}}));
    EXPECT_EQ(discharging.model.rateTitle(), text(LKLocalizedString::dischargeRate));
    EXPECT_EQ(discharging.model.timeTitle(), text(LKLocalizedString::timeUntilEmpty));
    EXPECT_EQ(discharging.model.rateText(), "1520 mA");
    EXPECT_EQ(discharging.model.cycleCountText(), "412");
    EXPECT_EQ(discharging.model.conditionText(), text(LKLocalizedString::poor));

    BatteryModelFixture idle(legacyFinder({{"Amperage", PlistValue(0)}}, {{"Is Charging", PlistValue(0)}}));
    EXPECT_EQ(idle.model.rateTitle(), text(LKLocalizedString::chargeRate));
    EXPECT_EQ(idle.model.timeTitle(), text(LKLocalizedString::timeToFull));
    EXPECT_EQ(idle.model.rateText(), "0 mA");

    BatteryModelFixture charged(legacyFinder({{"Amperage", PlistValue(0)}}, {{"Is Charged", PlistValue(1)}}));
    EXPECT_EQ(charged.model.rateText(), "-");
}

TEST(InternalBatteryModel, HealthAndTemperatureTexts)
{
    BatteryModelFixture run(legacyFinder({{"DesignCapacity", PlistValue(10000)},
                                          {"MaxCapacity", PlistValue(8796)},
                                          {"Temperature", PlistValue(3127)}},
                                         {}));
    {
        LocaleScope english(QStringLiteral("en_US"));
        EXPECT_EQ(run.model.healthText(), "87.9%");
        EXPECT_EQ(run.model.temperatureText(), "31.2 °C");
    }
    {
        LocaleScope german(QStringLiteral("de_DE"));
        EXPECT_EQ(run.model.healthText(), "87,9%");
    }
    LocaleScope english(QStringLiteral("en_US"));
    QSignalSpy changed(&run.model, &InternalBatteryModel::changed);
    run.settings.setInteger(Kestrion::SettingKey::temperatureUnit, 1);
    EXPECT_EQ(run.model.temperatureText(), "88.2 °F");
    EXPECT_GE(changed.count(), 1);
    run.settings.setInteger(Kestrion::SettingKey::temperatureUnit, 2);
    EXPECT_EQ(run.model.temperatureText(), "31.2 °C");

    // A design capacity of 0 gives no health, not a division by zero.
    BatteryModelFixture zero(legacyFinder({{"DesignCapacity", PlistValue(0)}, {"MaxCapacity", PlistValue(4000)}}, {}));
    EXPECT_EQ(zero.model.healthText(), "-");
}

namespace {

// What one card shows, read from its parts.
struct CardTexts {
    bool plug = false;
    double progress = 0;
    QString health, cycles, rateTitle, rate, timeTitle, time, temperature, condition;
    bool timeShown = false;
};

CardTexts read(const InternalBatteryView& card, const InternalBatteryModel& model)
{
    CardTexts t;
    t.plug = InternalBatteryView::showsPlug(model);
    t.progress = InternalBatteryView::chargeProgress(model);
    t.health = card.healthLine()->rightText();
    t.cycles = card.cyclesLine()->rightText();
    t.rateTitle = card.rateLine()->leftText();
    t.rate = card.rateLine()->rightText();
    t.timeShown = !card.timeLine()->isHidden();
    t.timeTitle = card.timeLine()->leftText();
    t.time = card.timeLine()->rightText();
    t.temperature = card.temperatureLine()->rightText();
    t.condition = model.conditionText();
    return t;
}

// Renders the card in both schemes and checks the bar's green fill and the plug's accent colour.
void checkPixels(InternalBatteryView& card, const InternalBatteryModel& model)
{
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark));
        applyScheme(card, scheme);
        const QImage image = renderWidget(card, QSize(340, 360), 1.0);
        const QRect bar = card.chargeBar()->geometry();
        const QColor green = VKTheme::color(VKNamedColor::green, scheme);
        const double progress = InternalBatteryView::chargeProgress(model);
        if (progress > 0.1)
            EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(bar.left() + 6, bar.center().y() + 6)), green, 3));
        else
            EXPECT_FALSE(sameRgb(pixelAt(image, QPointF(bar.left() + 6, bar.center().y() + 6)), green, 20));
        const QRect header = card.header()->geometry();
        const QColor accent = VKTheme::color(VKNamedColor::accent, scheme, card.palette());
        bool accentFound = false;
        for (int x = header.right() - 16; x <= header.right(); ++x) {
            for (int y = header.top(); y <= header.bottom(); ++y)
                accentFound = accentFound || sameRgb(pixelAt(image, QPointF(x, y)), accent, 6);
        }
        EXPECT_EQ(accentFound, InternalBatteryView::showsPlug(model));
    }
}

} // namespace

TEST(InternalBatteryCard, ThinkPadDischarging)
{
    LocaleScope english(QStringLiteral("en_US"));
    const PowerSupplyFixture tree("power_supply-thinkpad-procfs-A");
    BatteryModelFixture run(fixtureFinder(tree));
    LookFixture look;
    InternalBatteryView card(run.model, look.settings);
    const CardTexts t = read(card, run.model);
    EXPECT_FALSE(t.plug);
    EXPECT_DOUBLE_EQ(t.progress, double(0.98f));
    EXPECT_EQ(t.health, "105.3%"); // 50.06 Wh of 47.52 Wh designed
    EXPECT_EQ(t.cycles, "0");
    EXPECT_EQ(t.rateTitle, text(LKLocalizedString::dischargeRate));
    EXPECT_EQ(t.rate, "395 mA");
    EXPECT_TRUE(t.timeShown);
    EXPECT_EQ(t.timeTitle, text(LKLocalizedString::timeUntilEmpty));
    EXPECT_EQ(t.time, "10:14");
    EXPECT_EQ(t.temperature, "-");
    EXPECT_EQ(t.condition, text(LKLocalizedString::unknown));
    EXPECT_EQ(InternalBatteryView::conditionColor(run.model.finder()->condition()), VKNamedColor::secondary);
    checkPixels(card, run.model);
}

TEST(InternalBatteryCard, ThinkPadOnAKernelBeforePowerNow)
{
    // The same battery where current_now holds the power in µW: the same figures as above.
    LocaleScope english(QStringLiteral("en_US"));
    const PowerSupplyFixture tree("power_supply-thinkpad-oldkernel");
    BatteryModelFixture run(fixtureFinder(tree));
    LookFixture look;
    InternalBatteryView card(run.model, look.settings);
    const CardTexts t = read(card, run.model);
    EXPECT_EQ(t.rateTitle, text(LKLocalizedString::dischargeRate));
    EXPECT_EQ(t.rate, "395 mA");
    EXPECT_TRUE(t.timeShown);
    EXPECT_EQ(t.time, "10:14");
    ASSERT_TRUE(run.model.finder()->battery());
    ASSERT_TRUE(run.model.finder()->battery()->watts());
    EXPECT_NEAR(*run.model.finder()->battery()->watts(), 4.83, 0.01);
}

TEST(InternalBatteryModel, ConditionClearsWhenTheBatteryGoes)
{
    const BatteryRegistry entry(QStringLiteral("IOSMBusController"), {{"Amperage", PlistValue(-1520)}});
    BatteryModelFixture run(new InternalBatteryFinder({
        entry.registry, sources({description({{"Is Charging", PlistValue(0)}, {"BatteryHealth", PlistValue("Poor")}})})}));
    EXPECT_EQ(run.model.conditionText(), text(LKLocalizedString::poor));
    EXPECT_NE(InternalBatteryView::conditionColor(run.model.finder()->condition()), VKNamedColor::secondary);
    entry.registry->setProperty(entry.parent, "IOProviderClass", PlistValue("Unknown"));
    run.model.finder()->refresh();
    EXPECT_EQ(run.model.rateText(), "-");
    EXPECT_EQ(run.model.conditionText(), text(LKLocalizedString::unknown));
    EXPECT_EQ(InternalBatteryView::conditionColor(run.model.finder()->condition()), VKNamedColor::secondary);
}

TEST(InternalBatteryCard, UsbCLaptopNotChargingChargingAndFull)
{
    LocaleScope english(QStringLiteral("en_US"));
    const PowerSupplyFixture tree("power_supply-laptop-usbc-checkbox-A");
    {
        BatteryModelFixture run(fixtureFinder(tree));
        LookFixture look;
        InternalBatteryView card(run.model, look.settings);
        const CardTexts t = read(card, run.model);
        EXPECT_FALSE(t.plug); // on the adapter, but not charging
        EXPECT_DOUBLE_EQ(t.progress, 1.0);
        EXPECT_EQ(t.health, "100.1%");
        EXPECT_EQ(t.cycles, "2");
        EXPECT_EQ(t.rateTitle, text(LKLocalizedString::chargeRate));
        EXPECT_EQ(t.rate, "1 mA");
        EXPECT_EQ(t.timeTitle, text(LKLocalizedString::timeToFull));
        EXPECT_EQ(t.time, "-");
        checkPixels(card, run.model);
    }
    tree.set("BAT0", "status", "Charging");
    tree.set("BAT0", "charge_now", "3000000");
    tree.set("BAT0", "current_now", "1500000");
    tree.set("BAT0", "capacity", "65");
    {
        BatteryModelFixture run(fixtureFinder(tree));
        LookFixture look;
        InternalBatteryView card(run.model, look.settings);
        const CardTexts t = read(card, run.model);
        EXPECT_TRUE(t.plug);
        EXPECT_DOUBLE_EQ(t.progress, double(0.65f));
        EXPECT_EQ(t.rate, "1500 mA");
        EXPECT_EQ(t.time, "01:03");
        checkPixels(card, run.model);
    }
    tree.set("BAT0", "status", "Full");
    {
        BatteryModelFixture run(fixtureFinder(tree));
        LookFixture look;
        InternalBatteryView card(run.model, look.settings);
        const CardTexts t = read(card, run.model);
        EXPECT_FALSE(t.plug);
        EXPECT_DOUBLE_EQ(t.progress, 1.0); // a full battery is at 100 whatever `capacity` says
        EXPECT_EQ(t.rate, "-");
    }
}

TEST(InternalBatteryCard, WithoutAReaderAndFollowingChanges)
{
    const PowerSupplyFixture mouse("power_supply-peripheral-hidpp-mail-A");
    BatteryModelFixture run(fixtureFinder(mouse));
    EXPECT_FALSE(run.model.finder()->batteryPresent());
    LookFixture look;
    InternalBatteryView card(run.model, look.settings);
    const CardTexts t = read(card, run.model);
    EXPECT_FALSE(t.plug);
    EXPECT_EQ(t.progress, 0.0);
    EXPECT_EQ(t.health, "-");
    EXPECT_EQ(t.rateTitle, text(LKLocalizedString::unknown));
    EXPECT_FALSE(t.timeShown);
    checkPixels(card, run.model);

    EXPECT_EQ(InternalBatteryView::conditionColor(InternalBatteryKit::BatteryCondition::fair), VKNamedColor::yellow);
    EXPECT_EQ(InternalBatteryView::conditionColor(InternalBatteryKit::BatteryCondition::good), VKNamedColor::green);
    EXPECT_EQ(InternalBatteryView::conditionColor(InternalBatteryKit::BatteryCondition::poor), VKNamedColor::red);

    // A new snapshot reaches the lines after the current turn.
    const BatteryRegistry entry(QStringLiteral("IOSMBusController"), {{"CycleCount", PlistValue(7)}});
    BatteryModelFixture live(new InternalBatteryFinder({entry.registry, sources({description({})})}));
    InternalBatteryView followed(live.model, look.settings);
    followed.show();
    EXPECT_EQ(followed.cyclesLine()->rightText(), "7");
    entry.registry->setProperty(entry.battery, "CycleCount", PlistValue(8));
    live.model.finder()->refresh();
    QApplication::processEvents();
    EXPECT_EQ(followed.cyclesLine()->rightText(), "8");
}

TEST(InternalBatteryCard, ProgramShowsTheCardOnlyWithABattery)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    for (const char* fixture : {"power_supply-thinkpad-procfs-A", "power_supply-peripheral-hidpp-mail-A"}) {
        SCOPED_TRACE(fixture);
        const PowerSupplyFixture tree(fixture);
        Kestrion::StartupEnvironment environment = loopbackStartup();
        environment.registry = Platform::SysfsRegistry::live(tree.root());
        environment.powerSources = std::make_shared<Platform::PowerSources>(tree.root());
        Platform::Defaults defaults{QStringLiteral("battery-program-") + QUuid::createUuid().toString(QUuid::WithoutBraces)};
        AppSettings settings{defaults};
        {
            Kestrion::KestrionApp app(settings, environment);
            ASSERT_TRUE(app.battery());
            const bool laptop = QString::fromLatin1(fixture).contains(QLatin1String("thinkpad"));
            EXPECT_EQ(app.battery()->finder()->batteryPresent(), laptop);
            const auto& column = app.contentView()->layoutPlan().columns[3];
            EXPECT_EQ(std::find(column.begin(), column.end(), Kestrion::Card::internalBattery) != column.end(), laptop);
            if (laptop) {
                EXPECT_TRUE(
                    dynamic_cast<InternalBatteryView*>(app.contentView()->cardWidget(3, Kestrion::Card::internalBattery)));
            }
        }
    }
}
