#pragma once

#include <optional>

namespace BaseKit {

struct DateEnvironment;

// The weekdays, Monday first; the values are the Gregorian weekday numbers (Sunday 1 … Saturday 7).
enum class Day { monday = 2, tuesday = 3, wednesday = 4, thursday = 5, friday = 6, saturday = 7, sunday = 1 };

// The weekday of a Gregorian weekday number; none outside 1…7.
std::optional<Day> dayFromRawValue(int rawValue);
// The weekday of a moment (seconds since 1970) in the environment's time zone.
std::optional<Day> dayFromTimestamp(const DateEnvironment& environment, double timestamp);
// Monday 0 … Sunday 6.
int dayIndex(Day day);

} // namespace BaseKit
