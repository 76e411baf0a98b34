#include "BaseKit/Dates/Month.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/IcuDateText.h"

namespace BaseKit {

std::optional<Month> monthFromRawValue(int rawValue)
{
    if (rawValue < 1 || rawValue > 12)
        return std::nullopt;
    return Month(rawValue);
}

std::optional<Month> monthFromTimestamp(const DateEnvironment& environment, double timestamp)
{
    const auto month = environment.gregorianField(timestamp, UCAL_MONTH);
    return month ? monthFromRawValue(*month + 1) : std::nullopt;
}

const QList<Month>& allMonths()
{
    static const QList<Month> months = {Month::january, Month::february, Month::march,     Month::april,
                                        Month::may,     Month::june,     Month::july,      Month::august,
                                        Month::september, Month::october, Month::november, Month::december};
    return months;
}

std::optional<QString> monthShortName(const DateEnvironment& environment, Month month)
{
    auto calendar = environment.gregorianCalendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(environment.now() * 1000.0, status);
    const int year = calendar->get(UCAL_EXTENDED_YEAR, status);
    calendar->clear();
    calendar->set(year, int(month) - 1, 1, 12, 0, 0);
    const UDate midday = calendar->getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return IcuDateText::pattern(environment, QStringLiteral("LLL"), midday / 1000.0);
}

} // namespace BaseKit
