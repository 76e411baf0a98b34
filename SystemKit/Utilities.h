#pragma once

#include <cstdint>

namespace SystemKit {

// Arithmetic the samplers share.
class Utilities {
public:
    Utilities() = delete;

    // Bytes per second of `delta` bytes moved in `interval` seconds, truncated toward zero. An interval
    // of 0 or less, or one that is not a number, gives the delta itself; a rate beyond 64 bits gives
    // the largest 64-bit value.
    static std::uint64_t rate(std::uint64_t delta, double interval);

    // How far a 32-bit counter moved from `oldValue` to `newValue`: a counter that went down has
    // wrapped, so the delta is the modular difference.
    static std::uint32_t counterDelta(std::uint32_t oldValue, std::uint32_t newValue)
    {
        return std::uint32_t(newValue - oldValue);
    }
};

} // namespace SystemKit
