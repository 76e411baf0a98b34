#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace BaseKit {

struct DateEnvironment;

// The months in calendar order, January 1 … December 12.
enum class Month { january = 1, february, march, april, may, june, july, august, september, october, november, december };

// The month of a number; none outside 1…12.
std::optional<Month> monthFromRawValue(int rawValue);
// The month of a moment (seconds since 1970) in the environment's time zone.
std::optional<Month> monthFromTimestamp(const DateEnvironment& environment, double timestamp);
// Every month in calendar order.
const QList<Month>& allMonths();
// The stand-alone abbreviated name ("LLL") of the month in the environment's current year and locale.
std::optional<QString> monthShortName(const DateEnvironment& environment, Month month);

} // namespace BaseKit
