#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Kestrion {

// Every user setting of the application. The settings live in the standard defaults suite under the
// names of `SettingKeys::name`.
enum class SettingKey {
    disableSystemInfo,
    disableProcessorUsage,
    disableMemoryUsage,
    disableCoresUsage,
    disableNetworkInfo,
    disableNetworkUsage,
    disableGraphicsCard,
    disableVolumeInfo,
    disableConnectedVolumes,
    disableInternalBattery,
    theme,
    backgroundTheme,
    tileStyle,
    material,
    temperatureUnit,
    normalizeProcessorLoads,
    closeOnLastWindowClose,
    useAnimations,
    autoStartHelper,
    autoStopHelper,
    showLegends,
};

enum class SettingType { boolean, integer };

// One row of the settings table: the stored name, the stored type and the one default every reader
// of the key uses.
struct SettingDefinition {
    SettingKey key;
    const char* name;
    SettingType type;
    int defaultValue; // booleans as 0 or 1, enumerations as their raw value
};

namespace SettingKeys {

// The whole table, in the order of SettingKey.
inline constexpr std::array<SettingDefinition, 21> all{{
    {SettingKey::disableSystemInfo, "DisableSystemInfo", SettingType::boolean, 1},
    {SettingKey::disableProcessorUsage, "DisableProcessorUsage", SettingType::boolean, 0},
    {SettingKey::disableMemoryUsage, "DisableMemoryUsage", SettingType::boolean, 0},
    {SettingKey::disableCoresUsage, "DisableCoresUsage", SettingType::boolean, 0},
    {SettingKey::disableNetworkInfo, "DisableNetworkInfo", SettingType::boolean, 0},
    {SettingKey::disableNetworkUsage, "DisableNetworkUsage", SettingType::boolean, 0},
    {SettingKey::disableGraphicsCard, "DisableGraphicsCard", SettingType::boolean, 0},
    {SettingKey::disableVolumeInfo, "DisableVolumeInfo", SettingType::boolean, 0},
    {SettingKey::disableConnectedVolumes, "DisableConnectedVolumes", SettingType::boolean, 0},
    {SettingKey::disableInternalBattery, "DisableInternalBattery", SettingType::boolean, 0},
    {SettingKey::theme, "Theme", SettingType::integer, 0},
    {SettingKey::backgroundTheme, "BackgroundTheme", SettingType::integer, 0},
    {SettingKey::tileStyle, "TileStyle", SettingType::integer, 0},
    {SettingKey::material, "Material", SettingType::integer, 0},
    {SettingKey::temperatureUnit, "TemperatureUnit", SettingType::integer, 0},
    {SettingKey::normalizeProcessorLoads, "NormalizeProcessorLoads", SettingType::boolean, 0},
    {SettingKey::closeOnLastWindowClose, "CloseOnLastWindowClose", SettingType::boolean, 0},
    {SettingKey::useAnimations, "UseAnimations", SettingType::boolean, 0},
    {SettingKey::autoStartHelper, "AutoStartHelper", SettingType::boolean, 0},
    {SettingKey::autoStopHelper, "AutoStopHelper", SettingType::boolean, 0},
    {SettingKey::showLegends, "ShowLegends", SettingType::boolean, 0},
}};

// The ten module switches of the main window, in the order the all-modules test reads them.
inline constexpr std::array<SettingKey, 10> moduleSwitches{
    SettingKey::disableSystemInfo,   SettingKey::disableProcessorUsage, SettingKey::disableMemoryUsage,
    SettingKey::disableCoresUsage,   SettingKey::disableNetworkInfo,    SettingKey::disableNetworkUsage,
    SettingKey::disableGraphicsCard, SettingKey::disableVolumeInfo,     SettingKey::disableConnectedVolumes,
    SettingKey::disableInternalBattery};

constexpr const SettingDefinition& definition(SettingKey key) { return all[static_cast<std::size_t>(key)]; }
inline QString name(SettingKey key) { return QString::fromLatin1(definition(key).name); }
// The key stored under `name`; none for a name that is no setting of the application.
std::optional<SettingKey> fromName(const QString& name);

} // namespace SettingKeys

} // namespace Kestrion
