#pragma once

#include <QString>

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>

// Conversions, rounding and fixed-digit texts of numbers.
namespace BaseKit::Numbers {

// The value truncated toward zero; 0 for a negative value or NaN, the largest value for 2^64 and more.
std::uint64_t uint64Value(double value);

// The value truncated toward zero when it lies within 0 … 4294967295; 0 otherwise (NaN included).
std::uint32_t uint32Value(double value);

// round(value × 10^places) ÷ 10^places, halves away from zero.
double rounded(double value, int places);
// The same in double precision, narrowed at the end.
float rounded(float value, int places);

inline bool isInfiniteOrNaN(double value) { return !std::isfinite(value); }
inline bool isInfiniteOrNaN(float value) { return !std::isfinite(value); }

// The text of formatNumber with that many fraction digits, cut toward zero, in the current locale.
QString fractionText(double value, int digits);
inline QString fractionText(float value, int digits) { return fractionText(static_cast<double>(value), digits); }
inline QString fractionText1(double value) { return fractionText(value, 1); }
inline QString fractionText2(double value) { return fractionText(value, 2); }
inline QString fractionText3(double value) { return fractionText(value, 3); }
inline QString fractionText4(double value) { return fractionText(value, 4); }
inline QString fractionText5(double value) { return fractionText(value, 5); }

enum class RoundingRule { toNearestOrAwayFromZero, toNearestOrEven, up, down, towardZero, awayFromZero };

// (value ÷ multiple) rounded by the rule, times multiple.
template <std::floating_point T>
T rounded(T value, T multiple, RoundingRule rule)
{
    const T quotient = value / multiple;
    T whole = quotient;
    switch (rule) {
    case RoundingRule::toNearestOrAwayFromZero: whole = std::round(quotient); break;
    case RoundingRule::toNearestOrEven: whole = std::nearbyint(quotient); break;
    case RoundingRule::up: whole = std::ceil(quotient); break;
    case RoundingRule::down: whole = std::floor(quotient); break;
    case RoundingRule::towardZero: whole = std::trunc(quotient); break;
    case RoundingRule::awayFromZero:
        whole = quotient < 0 ? std::floor(quotient) : std::ceil(quotient);
        break;
    }
    return whole * multiple;
}

namespace Detail {
template <std::integral T>
T remainder(T value, T multiple)
{
    // −1 divides everything; asking for the remainder of the smallest value by it overflows.
    if constexpr (std::is_signed_v<T>) {
        if (multiple == -1)
            return 0;
    }
    return value % multiple;
}
} // namespace Detail

// The value moved up to a multiple: value + (multiple − r), r the truncating remainder (so −7 by 5
// gives 0). A multiple of 0 or a remainder of 0 keeps the value; a result beyond the type's range
// stops at its bound.
template <std::integral T>
T roundedUp(T value, T multiple)
{
    if (multiple == 0)
        return value;
    const T r = Detail::remainder(value, multiple);
    if (r == 0)
        return value;
    if constexpr (std::is_unsigned_v<T>) {
        const T step = multiple - r;
        return value > std::numeric_limits<T>::max() - step ? std::numeric_limits<T>::max()
                                                            : static_cast<T>(value + step);
    } else {
        static_assert(sizeof(T) <= 8);
        const __int128 result = static_cast<__int128>(value) + (static_cast<__int128>(multiple) - r);
        if (result > std::numeric_limits<T>::max())
            return std::numeric_limits<T>::max();
        if (result < std::numeric_limits<T>::min())
            return std::numeric_limits<T>::min();
        return static_cast<T>(result);
    }
}

// The value moved down to a multiple: value − r (so −7 by 5 gives −5). A multiple of 0 or a remainder
// of 0 keeps the value.
template <std::integral T>
T roundedDown(T value, T multiple)
{
    if (multiple == 0)
        return value;
    return static_cast<T>(value - Detail::remainder(value, multiple));
}

template <std::integral T>
double doubleValue(T value)
{
    return static_cast<double>(value);
}

} // namespace BaseKit::Numbers
