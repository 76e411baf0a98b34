#include "Kestrion/Cards/CardLookSettings.h"

#include "Platform/PropertyList/Defaults.h"

namespace Kestrion {

CardLookSettings::CardLookSettings(Platform::Defaults& defaults, QObject* parent)
    : QObject(parent)
    , m_settings(defaults)
{
    connect(&m_settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (key == SettingKey::backgroundTheme || key == SettingKey::tileStyle || key == SettingKey::material)
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
    return CardLook::fromRawValues(m_settings.integerValue(SettingKey::backgroundTheme),
                                   m_settings.integerValue(SettingKey::tileStyle),
                                   m_settings.integerValue(SettingKey::material));
}

} // namespace Kestrion
