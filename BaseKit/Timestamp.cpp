#include "BaseKit/Timestamp.h"

#include "BaseKit/Dates/DateEnvironment.h"

#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <cmath>
#include <memory>

namespace BaseKit {

namespace {
icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}
} // namespace

double Timestamp::now(const DateEnvironment& environment)
{
    return environment.now();
}

QDateTime Timestamp::date(double secondsSince1970)
{
    const double milliseconds = std::round(secondsSince1970 * 1000.0);
    // QDateTime holds milliseconds in 64 bits; far beyond that range no date exists.
    if (!std::isfinite(milliseconds) || std::fabs(milliseconds) > 9.0e18)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(milliseconds));
}

std::optional<QDateTime> Timestamp::date(const DateEnvironment& environment, const QString& text,
                                         const QString& format)
{
    if (text.isEmpty() || format.isEmpty())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(toIcu(format), environment.locale(), status);
    if (U_FAILURE(status))
        return std::nullopt;
    if (std::unique_ptr<icu::TimeZone> zone = environment.timeZone())
        formatter.adoptTimeZone(zone.release());
    formatter.setLenient(false);
    const icu::UnicodeString input = toIcu(text);
    icu::ParsePosition position(0);
    const UDate parsed = formatter.parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    return date(parsed / 1000.0);
}

} // namespace BaseKit
