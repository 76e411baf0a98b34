#include "Kestrion/Models/SystemInfoModel.h"

#include "BaseKit/System/MacDevices.h"
#include "BaseKit/System/MacSystem.h"
#include "LanguageKit/LKResources.h"

namespace Kestrion {

SystemInfoModel::SystemInfoModel(QObject* parent)
    : SystemInfoModel([] { return BaseKit::MacSystem::thermalState(); }, parent)
{
}

SystemInfoModel::SystemInfoModel(std::function<int()> thermalState, QObject* parent)
    : QObject(parent)
    , m_thermalState(std::move(thermalState))
{
    setSerialNumber(BaseKit::MacSystem::serialNumber());
    setComputerName(BaseKit::MacSystem::computerName());
    if (const std::optional<BaseKit::MacDevice> device = BaseKit::MacDevices::standard().device(BaseKit::MacSystem::model()))
        setComputerModel(device->description);
    else
        setComputerModel(BaseKit::MacSystem::marketingName());
}

void SystemInfoModel::setSerialNumber(const QString& value)
{
    m_serialNumber = value;
    emit serialNumberChanged();
}

void SystemInfoModel::setComputerName(const QString& value)
{
    m_computerName = value;
    emit computerNameChanged();
}

void SystemInfoModel::setComputerModel(const QString& value)
{
    m_computerModel = value;
    emit computerModelChanged();
}

int SystemInfoModel::thermalState() const
{
    return m_thermalState ? m_thermalState() : -1;
}

ViewKit::VKNamedColor SystemInfoModel::thermalStateColor() const
{
    return thermalStateColor(thermalState());
}

QString SystemInfoModel::thermalStateText() const
{
    return thermalStateText(thermalState());
}

ViewKit::VKNamedColor SystemInfoModel::thermalStateColor(int state)
{
    switch (state) {
    case 0:
        return ViewKit::VKNamedColor::green;
    case 1:
        return ViewKit::VKNamedColor::yellow;
    case 2:
    case 3:
        return ViewKit::VKNamedColor::red;
    default:
        return ViewKit::VKNamedColor::secondary;
    }
}

QString SystemInfoModel::thermalStateText(int state)
{
    using LanguageKit::LKLocalizedString;
    switch (state) {
    case 0:
        return LanguageKit::LKResources::localized(LKLocalizedString::nominal);
    case 1:
        return LanguageKit::LKResources::localized(LKLocalizedString::fair);
    case 2:
        return LanguageKit::LKResources::localized(LKLocalizedString::serious);
    case 3:
        return LanguageKit::LKResources::localized(LKLocalizedString::critical);
    default:
        return LanguageKit::LKResources::localized(LKLocalizedString::unknown);
    }
}

} // namespace Kestrion
