#pragma once

#include <QMetaType>
#include <QObject>

#include <cstdint>

namespace SystemKit {

// Four cumulative host tick counters in the order of the processor-load states. 64 bits wide: the
// host counters sum every processor and pass 32 bits within days on a large machine.
class HostInfo {
    Q_GADGET
    Q_PROPERTY(quint64 user MEMBER user)
    Q_PROPERTY(quint64 system MEMBER system)
    Q_PROPERTY(quint64 idle MEMBER idle)
    Q_PROPERTY(quint64 nice MEMBER nice)

public:
    std::uint64_t user = 0;
    std::uint64_t system = 0;
    std::uint64_t idle = 0;
    std::uint64_t nice = 0;

    bool operator==(const HostInfo&) const = default;
};

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::HostInfo)
