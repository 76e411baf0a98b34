#include "BaseKit/Numbers.h"

#include "BaseKit/FormatNumber.h"

namespace BaseKit::Numbers {

std::uint64_t uint64Value(double value)
{
    if (std::isnan(value) || value <= 0.0)
        return 0;
    if (value >= 18446744073709551616.0)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(value);
}

std::uint32_t uint32Value(double value)
{
    if (!(value >= 0.0 && value <= 4294967295.0))
        return 0;
    return static_cast<std::uint32_t>(value);
}

double rounded(double value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}

float rounded(float value, int places)
{
    return static_cast<float>(rounded(static_cast<double>(value), places));
}

QString fractionText(double value, int digits)
{
    return formatNumber(value, digits);
}

} // namespace BaseKit::Numbers
