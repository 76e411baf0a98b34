#pragma once

#include <QString>

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

} // namespace Platform
