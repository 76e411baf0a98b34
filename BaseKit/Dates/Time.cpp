#include "BaseKit/Dates/Time.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/IcuDateText.h"
#include "BaseKit/Text.h"

#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/measure.h>
#include <unicode/numberformatter.h>

namespace BaseKit {

namespace {

double secondsPerUnit(UnitDuration unit)
{
    switch (unit) {
    case UnitDuration::hours: return 3600.0;
    case UnitDuration::minutes: return 60.0;
    case UnitDuration::seconds: return 1.0;
    case UnitDuration::milliseconds: return 1e-3;
    case UnitDuration::microseconds: return 1e-6;
    case UnitDuration::nanoseconds: return 1e-9;
    }
    return 1.0;
}

icu::MeasureUnit icuUnit(UnitDuration unit)
{
    switch (unit) {
    case UnitDuration::hours: return icu::MeasureUnit::getHour();
    case UnitDuration::minutes: return icu::MeasureUnit::getMinute();
    case UnitDuration::seconds: return icu::MeasureUnit::getSecond();
    case UnitDuration::milliseconds: return icu::MeasureUnit::getMillisecond();
    case UnitDuration::microseconds: return icu::MeasureUnit::getMicrosecond();
    case UnitDuration::nanoseconds: return icu::MeasureUnit::getNanosecond();
    }
    return icu::MeasureUnit::getSecond();
}

QString measured(const DateEnvironment& environment, double value, UnitDuration from, UnitDuration to)
{
    const double converted = value * (secondsPerUnit(from) / secondsPerUnit(to));
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = icu::number::NumberFormatter::withLocale(environment.locale())
                                        .unit(icuUnit(to))
                                        .unitWidth(UNUM_UNIT_WIDTH_SHORT)
                                        .precision(icu::number::Precision::maxFraction(3))
                                        .formatDouble(converted, status)
                                        .toString(status);
    if (U_FAILURE(status))
        return Text::dash;
    return IcuDateText::fromIcu(text);
}

} // namespace

QString Time::elapsedText(const DateEnvironment& environment, std::uint64_t nanoseconds)
{
    const std::uint64_t total = nanoseconds / 1000000000u;
    const std::uint64_t hours = total / 3600;
    const std::uint64_t minutes = (total % 3600) / 60;
    const std::uint64_t seconds = total % 60;

    UErrorCode status = U_ZERO_ERROR;
    icu::MeasureFormat format(environment.locale(), UMEASFMT_WIDTH_NUMERIC, status);
    if (U_FAILURE(status))
        return Text::dash;
    const icu::Measure measures[] = {
        icu::Measure(icu::Formattable(double(hours)), icu::MeasureUnit::createHour(status), status),
        icu::Measure(icu::Formattable(double(minutes)), icu::MeasureUnit::createMinute(status), status),
        icu::Measure(icu::Formattable(double(seconds)), icu::MeasureUnit::createSecond(status), status),
    };
    icu::UnicodeString text;
    icu::FieldPosition position;
    format.formatMeasures(measures, 3, text, position, status);
    if (U_FAILURE(status) || text.isEmpty())
        return Text::dash;
    return IcuDateText::fromIcu(text);
}

QString Time::measurementText(const DateEnvironment& environment, std::uint64_t value, UnitDuration from,
                              UnitDuration to)
{
    return measured(environment, double(value), from, to);
}

QString Time::measurementText(const DateEnvironment& environment, std::int64_t value, UnitDuration from,
                              UnitDuration to)
{
    return measured(environment, double(value), from, to);
}

} // namespace BaseKit
