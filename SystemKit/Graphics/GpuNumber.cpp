#include "SystemKit/Graphics/GpuNumber.h"

#include "Platform/PropertyList/PlistValue.h"

#include <cmath>
#include <limits>

namespace SystemKit {

std::optional<GpuNumber> GpuNumber::fromPlist(const Platform::PlistValue& value)
{
    using Type = Platform::PlistValue::Type;
    switch (value.type()) {
    case Type::Integer:
        return GpuNumber(static_cast<long long>(*value.toInt64()));
    case Type::Unsigned:
        return GpuNumber(static_cast<unsigned long long>(*value.toUInt64()));
    case Type::Real:
        if (const auto real = value.toDouble())
            return GpuNumber(*real);
        return GpuNumber(std::numeric_limits<double>::quiet_NaN());
    case Type::Boolean:
        return GpuNumber(*value.toBool());
    default:
        return std::nullopt;
    }
}

double GpuNumber::doubleValue() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value))
        return double(*i);
    if (const auto* u = std::get_if<std::uint64_t>(&m_value))
        return double(*u);
    if (const auto* d = std::get_if<double>(&m_value))
        return *d;
    return std::get<bool>(m_value) ? 1.0 : 0.0;
}

std::optional<std::int64_t> GpuNumber::integerValue() const
{
    if (const auto* i = std::get_if<std::int64_t>(&m_value))
        return *i;
    if (const auto* u = std::get_if<std::uint64_t>(&m_value)) {
        if (*u > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return std::nullopt;
        return std::int64_t(*u);
    }
    if (const auto* b = std::get_if<bool>(&m_value))
        return *b ? 1 : 0;
    const double d = std::get<double>(m_value);
    if (!std::isfinite(d))
        return std::nullopt;
    const double t = std::trunc(d);
    constexpr double twoTo63 = 9223372036854775808.0;
    if (t < -twoTo63 || t >= twoTo63)
        return std::nullopt;
    return std::int64_t(t);
}

double GpuNumber::comparisonValue() const
{
    const double d = doubleValue();
    if (std::isnan(d) || d < 0)
        return 0;
    return std::trunc(d);
}

} // namespace SystemKit
