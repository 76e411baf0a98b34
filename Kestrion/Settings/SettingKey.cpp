#include "Kestrion/Settings/SettingKey.h"

namespace Kestrion::SettingKeys {

static_assert([] {
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (static_cast<std::size_t>(all[i].key) != i)
            return false;
    }
    return true;
}(), "the settings table is in the order of SettingKey");

std::optional<SettingKey> fromName(const QString& name)
{
    for (const SettingDefinition& row : all) {
        if (name == QLatin1String(row.name))
            return row.key;
    }
    return std::nullopt;
}

} // namespace Kestrion::SettingKeys
