#include "BaseKit/DecimalFormatter.h"

#include "BaseKit/IcuNumberText.h"
#include "BaseKit/Text.h"

#include <algorithm>
#include <limits>
#include <string>

namespace BaseKit {

namespace {

constexpr int kMaximumFractionKind = 3;

const icu::number::LocalizedNumberFormatter& formatter(int maximumFractionDigits)
{
    using namespace icu::number;
    const int digits = std::clamp(maximumFractionDigits, 0, 999);
    return IcuNumberText::cachedFormatter(
        kMaximumFractionKind, digits, [](const icu::Locale& locale, int fractionDigits) {
            return NumberFormatter::withLocale(locale)
                .precision(Precision::maxFraction(fractionDigits))
                .roundingMode(UNUM_ROUND_HALFEVEN)
                .grouping(UNUM_GROUPING_OFF);
        });
}

QString text(const icu::number::FormattedNumber& formatted, UErrorCode status)
{
    return IcuNumberText::formattedText(formatted, status).value_or(Text::dash);
}

} // namespace

QString DecimalFormatter::fromDouble(double value, int maximumFractionDigits)
{
    UErrorCode status = U_ZERO_ERROR;
    auto formatted = formatter(maximumFractionDigits).formatDouble(value, status);
    return text(formatted, status);
}

QString DecimalFormatter::fromSigned(std::int64_t value, int maximumFractionDigits)
{
    UErrorCode status = U_ZERO_ERROR;
    auto formatted = formatter(maximumFractionDigits).formatInt(value, status);
    return text(formatted, status);
}

QString DecimalFormatter::fromUnsigned(std::uint64_t value, int maximumFractionDigits)
{
    if (value <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return fromSigned(static_cast<std::int64_t>(value), maximumFractionDigits);
    // Beyond the signed range ICU takes the number as decimal text.
    const std::string digits = std::to_string(value);
    UErrorCode status = U_ZERO_ERROR;
    auto formatted = formatter(maximumFractionDigits)
                         .formatDecimal(icu::StringPiece(digits.data(),
                                                         static_cast<int32_t>(digits.size())),
                                        status);
    return text(formatted, status);
}

} // namespace BaseKit
