#include "SystemKit/Processor/MemoryInfo.h"

#include <QJsonValue>

#include <cmath>

namespace SystemKit {

QJsonObject MemoryInfo::toJson() const
{
    return QJsonObject{{QStringLiteral("totalBytes"), double(m_totalBytes)}};
}

std::optional<MemoryInfo> MemoryInfo::fromJson(const QJsonObject& object)
{
    const QJsonValue bytes = object.value(QStringLiteral("totalBytes"));
    if (!bytes.isDouble())
        return std::nullopt;
    const double value = bytes.toDouble();
    // 2^64 as a double: anything at or above it, negative or fractional is no byte count.
    if (!(value >= 0) || value >= 18446744073709551616.0 || std::trunc(value) != value)
        return std::nullopt;
    MemoryInfo info;
    info.m_totalBytes = std::uint64_t(value);
    return info;
}

} // namespace SystemKit
