#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// The executable file a process runs, from the link /proc/<pid>/exe below `root`.
class ProcessExecutables {
public:
    ProcessExecutables() = delete;

    // The executable's absolute path; none for an identifier outside 1...2147483647, a process that
    // is gone, a kernel thread (no executable) or another user's process (the link is not readable).
    // The kernel's " (deleted)" mark of a replaced or removed file is cut off.
    static std::optional<QString> path(std::int64_t pid, const QString& root = QStringLiteral("/"));
};

} // namespace Platform
