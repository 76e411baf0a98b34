#pragma once

#include <cstdint>
#include <optional>

namespace Platform {

// The size of a mounted file system in bytes: all of it, what an ordinary user may still fill, and
// what is in use (none when unknown). Blocks reserved for the administrator count as neither used nor
// available, as df(1) shows them.
struct VolumeCapacity {
    std::uint64_t total = 0;
    std::uint64_t available = 0;
    std::optional<std::uint64_t> used;
};

} // namespace Platform
