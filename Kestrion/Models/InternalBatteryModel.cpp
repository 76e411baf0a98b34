#include "Kestrion/Models/InternalBatteryModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/FormatNumber.h"
#include "Kestrion/Settings/AppSettings.h"
#include "LanguageKit/LKLocalizedString.h"
#include "LanguageKit/LKResources.h"

#include <limits>

namespace Kestrion {

using InternalBatteryKit::BatteryCondition;
using InternalBatteryKit::InternalBatteryFinder;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;

namespace {
const QString kDash = QStringLiteral("-");
}

InternalBatteryModel::InternalBatteryModel(const StartupEnvironment& environment, const AppSettings& settings,
                                           QObject* parent)
    : InternalBatteryModel(new InternalBatteryFinder(environment.batteryEnvironment()), settings, parent)
{
}

InternalBatteryModel::InternalBatteryModel(InternalBatteryFinder* finder, const AppSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_finder(finder)
{
    if (!m_finder->parent())
        m_finder->setParent(this);
    connect(m_finder, &InternalBatteryFinder::batteryChanged, this, &InternalBatteryModel::changed);
    connect(m_finder, &InternalBatteryFinder::conditionChanged, this, &InternalBatteryModel::changed);
    connect(&settings, &AppSettings::changed, this, [this](SettingKey key) {
        if (key == SettingKey::temperatureUnit)
            emit changed();
    });
    m_finder->start(5.0);
    m_finder->refresh();
}

QString InternalBatteryModel::healthText() const
{
    const auto battery = m_finder->battery();
    const auto health = battery ? battery->health() : std::nullopt;
    if (!health)
        return kDash;
    const QString number = BaseKit::formatNumber(*health, 1);
    return number == kDash ? kDash : number + QLatin1Char('%');
}

QString InternalBatteryModel::cycleCountText() const
{
    const auto battery = m_finder->battery();
    const auto cycles = battery ? battery->cycleCount() : std::nullopt;
    return cycles ? QString::number(*cycles) : kDash;
}

QString InternalBatteryModel::signedTitle(LKLocalizedString negativeKey, LKLocalizedString otherKey) const
{
    const auto battery = m_finder->battery();
    const auto amperage = battery ? battery->amperage() : std::nullopt;
    if (!amperage)
        return LKResources::localized(LKLocalizedString::unknown);
    return LKResources::localized(*amperage < 0 ? negativeKey : otherKey);
}

QString InternalBatteryModel::rateTitle() const
{
    return signedTitle(LKLocalizedString::dischargeRate, LKLocalizedString::chargeRate);
}

QString InternalBatteryModel::timeTitle() const
{
    return signedTitle(LKLocalizedString::timeUntilEmpty, LKLocalizedString::timeToFull);
}

QString InternalBatteryModel::rateText() const
{
    const auto battery = m_finder->battery();
    const auto amperage = battery ? battery->amperage() : std::nullopt;
    if (!amperage || battery->isCharged().value_or(false))
        return kDash;
    // The smallest 64-bit number has no magnitude in 64 bits.
    if (*amperage == std::numeric_limits<std::int64_t>::min())
        return kDash;
    return QString::number(*amperage < 0 ? -*amperage : *amperage) + QStringLiteral(" mA");
}

QString InternalBatteryModel::temperatureText() const
{
    const auto battery = m_finder->battery();
    const auto celsius = battery ? battery->temperature() : std::nullopt;
    if (!celsius)
        return kDash;
    if (m_settings.integerValue(SettingKey::temperatureUnit) == 1)
        return BaseKit::formatNumber(*celsius * 1.8 + 32.0, 1) + QStringLiteral(" °F");
    return BaseKit::formatNumber(*celsius, 1) + QStringLiteral(" °C");
}

QString InternalBatteryModel::conditionText() const
{
    const auto condition = m_finder->condition();
    if (!condition)
        return LKResources::localized(LKLocalizedString::unknown);
    switch (*condition) {
    case BatteryCondition::good:
        return LKResources::localized(LKLocalizedString::good);
    case BatteryCondition::fair:
        return LKResources::localized(LKLocalizedString::fair);
    case BatteryCondition::poor:
        return LKResources::localized(LKLocalizedString::poor);
    }
    return LKResources::localized(LKLocalizedString::unknown);
}

} // namespace Kestrion
