#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <cstdint>

namespace SystemKit {

// One snapshot of a disk's cumulative input/output counters, as the disk's "Statistics" dictionary
// gives them (no unit conversion). A counter whose key is absent or holds anything but a number that
// is exactly an unsigned 64-bit integer stays 0.
class VolumeStatistics {
public:
    VolumeStatistics() = default;
    explicit VolumeStatistics(const Platform::PlistValue::DictionaryType& dictionary);

    std::uint64_t bytesRead = 0;
    std::uint64_t bytesWritten = 0;
    std::uint64_t operationsRead = 0;
    std::uint64_t operationsWrite = 0;
    std::uint64_t latencyTimeRead = 0;
    std::uint64_t latencyTimeWrite = 0;
    std::uint64_t errorsRead = 0;
    std::uint64_t errorsWrite = 0;
    std::uint64_t totalTimeRead = 0;
    std::uint64_t totalTimeWrite = 0;
    std::uint64_t retriesRead = 0;
    std::uint64_t retriesWrite = 0;

    // No bytes and no operations in either direction (the other counters play no part).
    bool isEmpty() const;

    bool operator==(const VolumeStatistics&) const = default;
};

} // namespace SystemKit
