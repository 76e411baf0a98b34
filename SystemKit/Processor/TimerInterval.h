#pragma once

#include <cmath>
#include <limits>

namespace SystemKit {

// A sampler interval in seconds as a timer's milliseconds: at least 1 ms (also for a zero,
// negative or non-finite interval), at most what the timer holds.
inline int timerMilliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 1;
    const double ms = std::round(seconds * 1000.0);
    if (ms < 1)
        return 1;
    if (ms > double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(ms);
}

} // namespace SystemKit
