#include "BaseKit/Dates/Day.h"

#include "BaseKit/Dates/DateEnvironment.h"

namespace BaseKit {

std::optional<Day> dayFromRawValue(int rawValue)
{
    if (rawValue < 1 || rawValue > 7)
        return std::nullopt;
    return Day(rawValue);
}

std::optional<Day> dayFromTimestamp(const DateEnvironment& environment, double timestamp)
{
    const auto weekday = environment.gregorianField(timestamp, UCAL_DAY_OF_WEEK);
    return weekday ? dayFromRawValue(*weekday) : std::nullopt;
}

int dayIndex(Day day)
{
    return (int(day) + 5) % 7;
}

} // namespace BaseKit
