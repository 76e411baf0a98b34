#include "FixtureMachine.h"
#include "Kestrion/Models/SystemInfoModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Platform/PropertyList/Defaults.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Kestrion;

namespace {
struct Suite {
    Platform::Defaults defaults{QStringLiteral("com.brannock.kestrion.settings-test")};
    AppSettings settings{defaults};
};
} // namespace

TEST(AppSettings, FreshInstallationReadsTheTableDefaults)
{
    Suite s;
    EXPECT_TRUE(s.settings.boolValue(SettingKey::disableSystemInfo));
    EXPECT_FALSE(s.settings.boolValue(SettingKey::disableProcessorUsage));
    EXPECT_FALSE(s.settings.boolValue(SettingKey::closeOnLastWindowClose));
    EXPECT_FALSE(s.settings.boolValue(SettingKey::normalizeProcessorLoads));
    EXPECT_EQ(s.settings.theme(), Theme::system);
    EXPECT_EQ(s.settings.backgroundTheme(), BackgroundTheme::solid);
    EXPECT_EQ(s.settings.tileStyle(), ViewKit::VKCardStyle::defaultStyle);
    EXPECT_EQ(s.settings.material(), ViewKit::VKGlassCardStyle::regular);
    EXPECT_EQ(s.settings.temperatureUnit(), TemperatureUnit::metric);
    EXPECT_FALSE(s.settings.allModulesDisabled());
    EXPECT_FALSE(s.defaults.contains(QStringLiteral("DisableSystemInfo"))); // reading writes nothing
}

TEST(AppSettings, OneDefaultForEveryReaderOfDisableSystemInfo)
{
    Suite s;
    for (SettingKey key : SettingKeys::moduleSwitches) {
        if (key != SettingKey::disableSystemInfo)
            s.settings.setBool(key, true);
    }
    // "DisableSystemInfo" never written: it reads as true here as well, so every module is off.
    EXPECT_TRUE(s.settings.allModulesDisabled());
    s.settings.setBool(SettingKey::disableSystemInfo, false);
    EXPECT_FALSE(s.settings.allModulesDisabled());
    s.settings.setBool(SettingKey::disableSystemInfo, true);
    EXPECT_TRUE(s.settings.allModulesDisabled());
    s.settings.setBool(SettingKey::disableInternalBattery, false);
    EXPECT_FALSE(s.settings.allModulesDisabled());
}

TEST(AppSettings, UnknownStoredIntegersReadAsTheDefault)
{
    Suite s;
    s.defaults.set(QStringLiteral("Theme"), Platform::PlistValue(7));
    s.defaults.set(QStringLiteral("TemperatureUnit"), Platform::PlistValue(2));
    s.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(-1));
    s.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(1) << 40));
    s.defaults.set(QStringLiteral("Material"), Platform::PlistValue(-3));
    EXPECT_EQ(s.settings.theme(), Theme::system);
    EXPECT_EQ(s.settings.temperatureUnit(), TemperatureUnit::metric);
    EXPECT_EQ(s.settings.backgroundTheme(), BackgroundTheme::solid);
    EXPECT_EQ(s.settings.tileStyle(), ViewKit::VKCardStyle::defaultStyle);
    EXPECT_EQ(s.settings.material(), ViewKit::VKGlassCardStyle::regular);

    s.settings.setMaterial(ViewKit::VKGlassCardStyle::ultraThin);
    EXPECT_EQ(s.defaults.integer(QStringLiteral("Material")), -2);
    EXPECT_EQ(s.settings.material(), ViewKit::VKGlassCardStyle::ultraThin);
    s.settings.setMaterial(ViewKit::VKGlassCardStyle::none);
    EXPECT_EQ(s.defaults.integer(QStringLiteral("Material")), 3);
    s.settings.setTemperatureUnit(TemperatureUnit::imperial);
    EXPECT_EQ(s.settings.temperatureUnit(), TemperatureUnit::imperial);
    s.settings.setTheme(Theme::dark);
    EXPECT_EQ(s.defaults.integer(QStringLiteral("Theme")), 2);
}

TEST(AppSettings, EveryWriteIsAnnouncedByItsKey)
{
    Suite s;
    QSignalSpy changed(&s.settings, &AppSettings::changed);
    s.settings.setBool(SettingKey::useAnimations, true);
    s.settings.setBool(SettingKey::useAnimations, true); // unchanged, still announced
    s.defaults.set(QStringLiteral("SomethingElse"), Platform::PlistValue(1));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0).at(0).value<SettingKey>(), SettingKey::useAnimations);
    EXPECT_TRUE(s.settings.boolValue(SettingKey::useAnimations));
    EXPECT_FALSE(s.settings.boolValue(SettingKey::showLegends));
}

TEST(AppSettings, TableNamesEveryKeyOnce)
{
    QStringList names;
    for (const SettingDefinition& row : SettingKeys::all) {
        EXPECT_EQ(SettingKeys::fromName(QString::fromLatin1(row.name)), row.key);
        names << QString::fromLatin1(row.name);
    }
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 21);
    EXPECT_EQ(SettingKeys::fromName(QStringLiteral("disablesysteminfo")), std::nullopt);
}

TEST(SystemInfoModel, IdentityComesFromTheMachine)
{
    FixtureMachine machine;
    SystemInfoModel model(machine.system, [] { return 0; });
    EXPECT_EQ(model.computerName(), QStringLiteral("Studio"));
    // No row of the device table for a Linux product name: the marketing name stands instead.
    EXPECT_EQ(model.computerModel(), QStringLiteral("Dell Inc. XPS 13 9320"));
    EXPECT_FALSE(model.serialNumber().isEmpty());
}

TEST(SystemInfoModel, ThermalStates)
{
    FixtureMachine machine;
    int state = 2;
    SystemInfoModel model(machine.system, [&state] { return state; });
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::red);
    EXPECT_EQ(model.thermalStateText(), QStringLiteral("Serious"));
    state = 3;
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::red);
    EXPECT_EQ(model.thermalStateText(), QStringLiteral("Critical"));
    state = 1;
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::yellow);
    EXPECT_EQ(model.thermalStateText(), QStringLiteral("Fair"));
    state = 0;
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::green);
    state = -1;
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::secondary);
    EXPECT_EQ(model.thermalStateText(), QStringLiteral("Unknown"));
    state = 4;
    EXPECT_EQ(model.thermalStateColor(), ViewKit::VKNamedColor::secondary);
}
