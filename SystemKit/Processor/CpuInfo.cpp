#include "SystemKit/Processor/CpuInfo.h"

#include <QJsonValue>

#include <cmath>

namespace SystemKit {

QJsonObject CpuInfo::toJson() const
{
    return QJsonObject{{QStringLiteral("time"), m_time}, {QStringLiteral("usage"), double(m_usage)}};
}

std::optional<CpuInfo> CpuInfo::fromJson(const QJsonObject& object)
{
    const QJsonValue time = object.value(QStringLiteral("time"));
    const QJsonValue usage = object.value(QStringLiteral("usage"));
    if (!time.isDouble() || !usage.isDouble())
        return std::nullopt;
    CpuInfo info;
    info.m_time = time.toDouble();
    info.m_usage = float(usage.toDouble());
    return info;
}

} // namespace SystemKit
