#pragma once

#include <QString>

namespace BaseKit {

// `value` with exactly `digits` fraction digits in the current locale, the excess digits cut off
// toward zero on the value's decimal text (0.29 with two digits stays "0.29"; 87.96 with one gives
// "87.9"; −2.96 gives "−2.9"), with the locale's decimal separator and no grouping. "-" when there is
// no text: a value that is not finite, or a digit count ICU cannot give (negative or above 999).
QString formatNumber(double value, int digits);

// formatNumber followed by " %".
QString formatPercent(double value, int digits);

} // namespace BaseKit
