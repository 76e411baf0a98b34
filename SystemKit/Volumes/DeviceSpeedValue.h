#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// The USB link speed of the disk under a volume; ordered by raw value.
enum class DeviceSpeedValue : std::uint8_t {
    unknown = 0,
    lowSpeed = 1,
    fullSpeed = 2,
    highSpeed = 3,
    superSpeed = 4,
    superSpeedPlus = 5,
};

// The speed of a raw value 0 to 5; none for any other value (also one that only its low 8 bits would
// bring into range, such as 259).
std::optional<DeviceSpeedValue> deviceSpeedValue(std::uint64_t rawValue);
// "1.5 Mbps" ... "10 Gbps+"; "-" for unknown.
QString speedText(DeviceSpeedValue speed);
// "USB 1.1 Low Speed" ... "USB 3.1 or USB 3.2"; "-" for unknown.
QString generationName(DeviceSpeedValue speed);

} // namespace SystemKit
