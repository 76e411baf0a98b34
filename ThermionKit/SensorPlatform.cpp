#include "ThermionKit/SensorPlatform.h"

namespace ThermionKit::SensorPlatforms {

QString rawValue(SensorPlatform platform)
{
    switch (platform) {
    case SensorPlatform::intel:
        return QStringLiteral("intel");
    case SensorPlatform::m1:
        return QStringLiteral("m1");
    case SensorPlatform::m2:
        return QStringLiteral("m2");
    case SensorPlatform::m3:
        return QStringLiteral("m3");
    }
    return {};
}

std::optional<SensorPlatform> fromRawValue(const QString& text)
{
    for (SensorPlatform platform : allCases) {
        if (rawValue(platform) == text)
            return platform;
    }
    return std::nullopt;
}

const std::vector<SensorPlatform>& defaultPlatforms()
{
    static const std::vector<SensorPlatform> platforms{SensorPlatform::m1, SensorPlatform::m2, SensorPlatform::m3,
                                                       SensorPlatform::intel};
    return platforms;
}

} // namespace ThermionKit::SensorPlatforms
