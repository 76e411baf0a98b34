#pragma once

#include <QString>

#include <cstdint>

namespace BaseKit {

// One entry of the kernel's process table: its command name (as the kernel keeps it, at most 15
// bytes) and its process identifier.
class RunningProcess {
public:
    QString name;
    std::int32_t processIdentifier = 0;
};

} // namespace BaseKit
