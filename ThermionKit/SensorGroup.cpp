#include "ThermionKit/SensorGroup.h"

namespace ThermionKit::SensorGroups {

QString rawValue(SensorGroup group)
{
    switch (group) {
    case SensorGroup::sensor:
        return QStringLiteral("sensor");
    case SensorGroup::processor:
        return QStringLiteral("processor");
    case SensorGroup::gpu:
        return QStringLiteral("gpu");
    case SensorGroup::system:
        return QStringLiteral("system");
    }
    return {};
}

std::optional<SensorGroup> fromRawValue(const QString& text)
{
    for (SensorGroup group : allCases) {
        if (rawValue(group) == text)
            return group;
    }
    return std::nullopt;
}

} // namespace ThermionKit::SensorGroups
