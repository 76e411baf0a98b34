#include "BaseKit/Dates/Day.h"

#include "BaseKit/Dates/DateEnvironment.h"

namespace BaseKit {

std::optional<Day> dayFromRawValue(int rawValue)
{
    if (rawValue < 1 || rawValue > 7)
        return std::nullopt;
    return Day(rawValue);
}

std::optional<Day> dayFromTimestamp(double timestamp)
{
    auto calendar = DateEnvironment::gregorianCalendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(timestamp * 1000.0, status);
    const int weekday = calendar->get(UCAL_DAY_OF_WEEK, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return dayFromRawValue(weekday);
}

int dayIndex(Day day)
{
    return (int(day) + 5) % 7;
}

} // namespace BaseKit
