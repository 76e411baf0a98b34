#pragma once

#include <QString>

#include <cstdint>
#include <type_traits>

namespace BaseKit {

// Number texts with at most a given count of fraction digits in the current locale: the locale's
// decimal separator, no grouping, rounded half to even, trailing zeros dropped (2.50 with two digits
// gives "2.5"; 3.14159 gives "3.14", "3,14" in German). A count below 0 counts as 0.
class DecimalFormatter {
public:
    DecimalFormatter() = delete;

    template <typename Number>
        requires(std::is_arithmetic_v<Number> && !std::is_same_v<Number, bool>)
    static QString string(Number value, int maximumFractionDigits = 0)
    {
        if constexpr (std::is_floating_point_v<Number>)
            return fromDouble(static_cast<double>(value), maximumFractionDigits);
        else if constexpr (std::is_signed_v<Number>)
            return fromSigned(static_cast<std::int64_t>(value), maximumFractionDigits);
        else
            return fromUnsigned(static_cast<std::uint64_t>(value), maximumFractionDigits);
    }

private:
    static QString fromDouble(double value, int maximumFractionDigits);
    static QString fromSigned(std::int64_t value, int maximumFractionDigits);
    static QString fromUnsigned(std::uint64_t value, int maximumFractionDigits);
};

} // namespace BaseKit
