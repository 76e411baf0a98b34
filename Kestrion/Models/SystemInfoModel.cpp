#include "Kestrion/Models/SystemInfoModel.h"

#include "BaseKit/System/MacDevices.h"
#include "BaseKit/System/MacSystem.h"
#include "LanguageKit/LKResources.h"

namespace Kestrion {

SystemInfoModel::SystemInfoModel(std::shared_ptr<const BaseKit::MacSystem> machine, QObject* parent)
    : SystemInfoModel(machine, [machine] { return machine->thermalState(); }, parent)
{
}

SystemInfoModel::SystemInfoModel(std::shared_ptr<const BaseKit::MacSystem> machine, std::function<int()> thermalState,
                                 QObject* parent)
    : QObject(parent)
    , m_machine(std::move(machine))
    , m_thermalState(std::move(thermalState))
{
    setSerialNumber(m_machine->serialNumber());
    setComputerName(m_machine->computerName());
    if (const std::optional<BaseKit::MacDevice> device = BaseKit::MacDevices::standard().device(m_machine->model()))
        setComputerModel(device->description);
    else
        setComputerModel(m_machine->marketingName());
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
