#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// A file's time as the file system records it: whole seconds since 1970 and nanoseconds.
struct FileTime {
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
};

class FileTimes {
public:
    FileTimes() = delete;
    // When the file was created (statx's birth time), following links; none when the file system
    // does not record it or the path cannot be read.
    static std::optional<FileTime> birth(const QString& path);
};

} // namespace Platform
