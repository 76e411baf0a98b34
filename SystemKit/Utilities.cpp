#include "SystemKit/Utilities.h"

#include <cmath>
#include <limits>

namespace SystemKit {

std::uint64_t Utilities::rate(std::uint64_t delta, double interval)
{
    if (!(interval > 0))
        return delta;
    // Divided, not multiplied by the reciprocal, so that a delta equal to the interval gives 1.
    const double r = double(delta) / interval;
    if (!std::isfinite(r) || r >= 18446744073709551616.0)
        return std::numeric_limits<std::uint64_t>::max();
    return std::uint64_t(r);
}

} // namespace SystemKit
