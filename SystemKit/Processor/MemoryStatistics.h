#pragma once

#include <cstdint>

namespace SystemKit {

// One reading of the host's memory, every field in bytes.
struct MemoryStatistics {
    std::uint64_t free = 0;
    std::uint64_t active = 0;
    std::uint64_t inactive = 0;
    std::uint64_t wired = 0;
    std::uint64_t compressed = 0;

    bool operator==(const MemoryStatistics&) const = default;
};

} // namespace SystemKit
