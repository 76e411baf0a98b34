#include "BaseKit/FormatNumber.h"

#include "BaseKit/IcuNumberText.h"
#include "BaseKit/Text.h"

#include <cmath>

namespace BaseKit {

namespace {
constexpr int kFixedDigitsKind = 1;
constexpr int kMaximumDigits = 999; // ICU's limit on fraction digits
} // namespace

QString formatNumber(double value, int digits)
{
    if (!std::isfinite(value) || digits < 0 || digits > kMaximumDigits)
        return Text::dash;

    using namespace icu::number;
    const LocalizedNumberFormatter& formatter = IcuNumberText::cachedFormatter(
        kFixedDigitsKind, digits, [](const icu::Locale& locale, int fractionDigits) {
            // Rounding mode "down" works on the shortest decimal text of the double, so 0.29 is
            // cut as 0.29 and not as 0.28999….
            return NumberFormatter::withLocale(locale)
                .precision(Precision::fixedFraction(fractionDigits))
                .roundingMode(UNUM_ROUND_DOWN)
                .grouping(UNUM_GROUPING_OFF);
        });

    UErrorCode status = U_ZERO_ERROR;
    const FormattedNumber formatted = formatter.formatDouble(value, status);
    return IcuNumberText::formattedText(formatted, status).value_or(Text::dash);
}

QString formatPercent(double value, int digits)
{
    return formatNumber(value, digits) + QStringLiteral(" %");
}

} // namespace BaseKit
