#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// The facts about a mounted volume that a file manager shows: name, UUID, where it lives, whether it
// is listed at all (browsable), read-only, the root file system, ejectable. A value the system does
// not give stays absent.
struct VolumeResourceValues {
    std::optional<QString> name;
    std::optional<QString> uuid;
    std::optional<bool> isInternal;
    std::optional<bool> isLocal;
    std::optional<bool> isBrowsable;
    std::optional<bool> isReadOnly;
    std::optional<bool> isVolume;
    std::optional<bool> isRootFileSystem;
    std::optional<bool> isEjectable;
};

// The size of a mounted file system in bytes: all of it, what an ordinary user may still fill, and
// what is in use (none when unknown). Blocks reserved for the administrator count as neither used nor
// available, as df(1) shows them.
struct VolumeCapacity {
    std::uint64_t total = 0;
    std::uint64_t available = 0;
    std::optional<std::uint64_t> used;
};

} // namespace Platform
