#pragma once

#include "SystemKit/Graphics/GpuStatistics.h"

#include "Platform/Registry/Registry.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// The registry readers of the graphics cards. Stateless; every failure gives none.
class NativeController
{
public:
    NativeController() = delete;

    // The path of the entry that names an Apple system-on-chip.
    static const QString& productPath();

    // "model" of the entry as UTF-8 bytes (an invalid sequence becomes U+FFFD), every NUL removed;
    // none when missing or not data.
    static std::optional<QString> model(const Platform::Registry& registry, Platform::RegistryEntryId entry);
    // A sample of the entry's "PerformanceStatistics"; none when missing, not a dictionary, or when
    // any value is not a number (one odd value spoils the whole reading).
    static GpuStatisticsPointer readPerformanceStatistics(const Platform::Registry& registry,
                                                          Platform::RegistryEntryId entry);
    // "product-soc-name" of the product entry, up to its first NUL byte; none without the entry or
    // the property.
    static std::optional<QString> socName(const Platform::Registry& registry);
    // "gpu-core-count" of the entry; a count above 255 reads as 255, a negative one as 0.
    static std::optional<std::uint8_t> gpuCoreCount(const Platform::Registry& registry, Platform::RegistryEntryId entry);
};

} // namespace SystemKit
