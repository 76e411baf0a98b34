#include "Kestrion/Cards/CardLookSettings.h"

#include "Kestrion/Settings/SettingKey.h"

#include "Platform/Defaults.h"

namespace Kestrion {

namespace {
const QString backgroundThemeKey = SettingKeys::name(SettingKey::backgroundTheme);
const QString tileStyleKey = SettingKeys::name(SettingKey::tileStyle);
const QString materialKey = SettingKeys::name(SettingKey::material);
} // namespace

CardLookSettings::CardLookSettings(Platform::Defaults& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    connect(&defaults, &Platform::Defaults::changed, this, [this](const QString& key) {
        if (key == backgroundThemeKey || key == tileStyleKey || key == materialKey)
            emit lookChanged();
    });
}

CardLookSettings& CardLookSettings::standard()
{
    static CardLookSettings* settings = new CardLookSettings(Platform::Defaults::standard());
    return *settings;
}

CardLook CardLookSettings::look() const
{
    if (!m_defaults)
        return CardLook{};
    // An absent key reads as 0, the raw value of every default.
    return CardLook::fromRawValues(m_defaults->integer(backgroundThemeKey), m_defaults->integer(tileStyleKey),
                                   m_defaults->integer(materialKey));
}

} // namespace Kestrion
