#pragma once

#include <cstdint>
#include <optional>
#include <variant>

namespace Platform {
class PlistValue;
}

namespace SystemKit {

// One counter value as the graphics driver stored it: a signed or unsigned integer, a real or a
// boolean. It is read back as each caller needs; a conversion that has no value in the target type
// (a real that is not finite or out of range) gives none instead of an undefined result.
class GpuNumber
{
public:
    GpuNumber() : m_value(std::int64_t(0)) {}
    GpuNumber(int value) : m_value(std::int64_t(value)) {}
    GpuNumber(long value) : m_value(std::int64_t(value)) {}
    GpuNumber(long long value) : m_value(std::int64_t(value)) {}
    GpuNumber(unsigned long value) : m_value(std::uint64_t(value)) {}
    GpuNumber(unsigned long long value) : m_value(std::uint64_t(value)) {}
    GpuNumber(double value) : m_value(value) {}
    GpuNumber(bool value) : m_value(value) {}

    // The number of a property-list value; none for anything but a number or a boolean. A real that
    // is not finite keeps its kind (as NaN), so that it shows as a missing value.
    static std::optional<GpuNumber> fromPlist(const Platform::PlistValue& value);

    bool isReal() const { return std::holds_alternative<double>(m_value); }
    // The value as a double (true gives 1); large integers round to the nearest double.
    double doubleValue() const;
    float floatValue() const { return float(doubleValue()); }
    // Truncated toward zero; none when not finite or outside the signed 64-bit range.
    std::optional<std::int64_t> integerValue() const;
    // The value the maxima and last-change comparisons use: truncated toward zero, a negative or
    // not-a-number value counting as 0.
    double comparisonValue() const;

    bool operator==(const GpuNumber& other) const = default;

private:
    std::variant<std::int64_t, std::uint64_t, double, bool> m_value;
};

} // namespace SystemKit
