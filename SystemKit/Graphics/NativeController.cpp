#include "SystemKit/Graphics/NativeController.h"

#include "BaseKit/Text.h"

#include <algorithm>

namespace SystemKit {

const QString& NativeController::productPath()
{
    static const QString path = QStringLiteral("IOService:/AppleARMPE/product");
    return path;
}

std::optional<QString> NativeController::model(const Platform::Registry& registry, Platform::RegistryEntryId entry)
{
    const auto bytes = registry.property(entry, QStringLiteral("model")).toData();
    if (!bytes)
        return std::nullopt;
    return BaseKit::Text::removingNullCharacters(QString::fromUtf8(*bytes));
}

GpuStatisticsPointer NativeController::readPerformanceStatistics(const Platform::Registry& registry,
                                                                 Platform::RegistryEntryId entry)
{
    const Platform::PlistValue value = registry.property(entry, QStringLiteral("PerformanceStatistics"));
    const auto* dictionary = value.toDictionary();
    if (!dictionary)
        return nullptr;
    GpuStatistics::RawData raw;
    raw.reserve(qsizetype(dictionary->size()));
    for (const auto& [name, item] : *dictionary) {
        const auto number = GpuNumber::fromPlist(item);
        if (!number)
            return nullptr;
        raw.insert(name, *number);
    }
    return std::make_shared<const GpuStatistics>(std::move(raw));
}

std::optional<QString> NativeController::socName(const Platform::Registry& registry)
{
    const auto entry = registry.fromPath(productPath());
    if (!entry)
        return std::nullopt;
    const auto bytes = registry.property(*entry, QStringLiteral("product-soc-name")).toData();
    registry.release(*entry);
    if (!bytes)
        return std::nullopt;
    const qsizetype nul = bytes->indexOf('\0');
    return QString::fromUtf8(nul < 0 ? *bytes : bytes->left(nul));
}

std::optional<std::uint8_t> NativeController::gpuCoreCount(const Platform::Registry& registry,
                                                           Platform::RegistryEntryId entry)
{
    const Platform::PlistValue value = registry.property(entry, QStringLiteral("gpu-core-count"));
    if (!value.isNumber())
        return std::nullopt;
    if (const auto count = value.toUInt64Truncating())
        return std::uint8_t(std::min<std::uint64_t>(*count, 255));
    if (const auto count = value.toInt64Truncating())
        return std::uint8_t(*count < 0 ? 0 : 255);
    // A real that is not finite or beyond 64 bits: as large as it gets, or nothing for NaN.
    const auto real = value.toDouble();
    if (!real)
        return std::nullopt;
    return std::uint8_t(*real < 0 ? 0 : 255);
}

} // namespace SystemKit
