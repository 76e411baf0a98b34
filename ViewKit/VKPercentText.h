#pragma once

#include <QString>

namespace ViewKit {

// "<whole percent> %" of a fraction, rounded like "%.0f %%" but locale-free; 100 % above 1.
QString percentText(double fraction);

// The whole part of a percent value followed by "%" ("12%" for 12.9); "-%" when it is not finite or
// does not fit 64 bits.
QString integerPercentText(double percent);

} // namespace ViewKit
