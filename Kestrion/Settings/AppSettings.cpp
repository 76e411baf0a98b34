#include "Kestrion/Settings/AppSettings.h"

#include "Platform/PropertyList/Defaults.h"

#include <limits>

namespace Kestrion {

AppSettings::AppSettings(Platform::Defaults& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
{
    connect(&m_defaults, &Platform::Defaults::changed, this, [this](const QString& name) {
        if (const std::optional<SettingKey> key = SettingKeys::fromName(name))
            emit changed(*key);
    });
}

AppSettings& AppSettings::standard()
{
    static AppSettings* settings = new AppSettings(Platform::Defaults::standard());
    return *settings;
}

bool AppSettings::boolValue(SettingKey key) const
{
    const SettingDefinition& row = SettingKeys::definition(key);
    const QString name = QString::fromLatin1(row.name);
    if (!m_defaults.contains(name))
        return row.defaultValue != 0;
    return m_defaults.boolean(name);
}

int AppSettings::integerValue(SettingKey key) const
{
    const SettingDefinition& row = SettingKeys::definition(key);
    const QString name = QString::fromLatin1(row.name);
    if (!m_defaults.contains(name))
        return row.defaultValue;
    const std::int64_t stored = m_defaults.integer(name);
    if (stored < std::numeric_limits<int>::min() || stored > std::numeric_limits<int>::max())
        return row.defaultValue;
    return int(stored);
}

void AppSettings::setBool(SettingKey key, bool value)
{
    m_defaults.set(SettingKeys::name(key), Platform::PlistValue(value));
}

void AppSettings::setInteger(SettingKey key, int value)
{
    m_defaults.set(SettingKeys::name(key), Platform::PlistValue(value));
}

namespace {
template <typename Enum, typename From>
Enum enumValue(const AppSettings& settings, SettingKey key, From fromRawValue)
{
    const int fallback = SettingKeys::definition(key).defaultValue;
    return fromRawValue(settings.integerValue(key)).value_or(*fromRawValue(fallback));
}
} // namespace

Theme AppSettings::theme() const
{
    return enumValue<Theme>(*this, SettingKey::theme, Themes::fromRawValue);
}

BackgroundTheme AppSettings::backgroundTheme() const
{
    return enumValue<BackgroundTheme>(*this, SettingKey::backgroundTheme, BackgroundThemes::fromRawValue);
}

TemperatureUnit AppSettings::temperatureUnit() const
{
    return enumValue<TemperatureUnit>(*this, SettingKey::temperatureUnit, TemperatureUnits::fromRawValue);
}

ViewKit::VKCardStyle AppSettings::tileStyle() const
{
    return enumValue<ViewKit::VKCardStyle>(*this, SettingKey::tileStyle, ViewKit::VKCardStyles::fromRawValue);
}

ViewKit::VKGlassCardStyle AppSettings::material() const
{
    return enumValue<ViewKit::VKGlassCardStyle>(*this, SettingKey::material,
                                               ViewKit::VKGlassCardStyles::fromRawValue);
}

void AppSettings::setTheme(Theme theme)
{
    setInteger(SettingKey::theme, Themes::rawValue(theme));
}

void AppSettings::setBackgroundTheme(BackgroundTheme theme)
{
    setInteger(SettingKey::backgroundTheme, BackgroundThemes::rawValue(theme));
}

void AppSettings::setTemperatureUnit(TemperatureUnit unit)
{
    setInteger(SettingKey::temperatureUnit, TemperatureUnits::rawValue(unit));
}

void AppSettings::setTileStyle(ViewKit::VKCardStyle style)
{
    setInteger(SettingKey::tileStyle, ViewKit::VKCardStyles::rawValue(style));
}

void AppSettings::setMaterial(ViewKit::VKGlassCardStyle style)
{
    setInteger(SettingKey::material, ViewKit::VKGlassCardStyles::rawValue(style));
}

MainLayoutInputs AppSettings::moduleSwitches() const
{
    MainLayoutInputs in;
    in.disableSystemInfo = boolValue(SettingKey::disableSystemInfo);
    in.disableProcessorUsage = boolValue(SettingKey::disableProcessorUsage);
    in.disableMemoryUsage = boolValue(SettingKey::disableMemoryUsage);
    in.disableCoresUsage = boolValue(SettingKey::disableCoresUsage);
    in.disableNetworkInfo = boolValue(SettingKey::disableNetworkInfo);
    in.disableNetworkUsage = boolValue(SettingKey::disableNetworkUsage);
    in.disableGraphicsCard = boolValue(SettingKey::disableGraphicsCard);
    in.disableVolumeInfo = boolValue(SettingKey::disableVolumeInfo);
    in.disableConnectedVolumes = boolValue(SettingKey::disableConnectedVolumes);
    in.disableInternalBattery = boolValue(SettingKey::disableInternalBattery);
    return in;
}

bool AppSettings::allModulesDisabled() const
{
    // All ten are read before any is tested.
    return MainLayout::allModulesDisabled(moduleSwitches());
}

} // namespace Kestrion
