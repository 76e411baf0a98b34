#pragma once

#include <QDateTime>
#include <QMetaType>

#include <cstdint>

namespace SystemKit {

// One point of a speed history: when it was taken and the bytes per second. Its place in the list is
// its index (0 = oldest).
struct NetworkHistoryItem {
    QDateTime timestamp;
    std::uint64_t value = 0;

    bool operator==(const NetworkHistoryItem&) const = default;
};

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::NetworkHistoryItem)
