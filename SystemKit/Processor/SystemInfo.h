#pragma once

#include <QMetaType>
#include <QObject>

#include <cstdint>

namespace SystemKit {

// Machine constants read when the processor sampler is built, and the time stamps of its last two
// samples. Every field starts at zero.
class SystemInfo {
    Q_GADGET
    Q_PROPERTY(quint32 cpuCount MEMBER cpuCount)
    Q_PROPERTY(quint64 memSize MEMBER memSize)
    Q_PROPERTY(qint64 pageSize MEMBER pageSize)
    Q_PROPERTY(qint64 bootedSeconds MEMBER bootedSeconds)
    Q_PROPERTY(qint32 bootedMicroseconds MEMBER bootedMicroseconds)
    Q_PROPERTY(double time MEMBER time)
    Q_PROPERTY(double timePrevious MEMBER timePrevious)

public:
    std::uint32_t cpuCount = 0;       // logical processors (never cut to 8 bits)
    std::uint64_t memSize = 0;        // physical memory in bytes
    std::int64_t pageSize = 0;        // bytes
    std::int64_t bootedSeconds = 0;   // boot time, seconds since 1970
    std::int32_t bootedMicroseconds = 0;
    double time = 0;                  // seconds since 1970 at the latest sample
    double timePrevious = 0;          // `time` before the latest sample

    bool operator==(const SystemInfo&) const = default;
};

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::SystemInfo)
