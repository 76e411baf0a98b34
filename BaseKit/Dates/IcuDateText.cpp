#include "BaseKit/Dates/IcuDateText.h"

#include "BaseKit/Dates/Date.h"
#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/IcuNumberText.h"

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

#include <memory>

namespace BaseKit {

namespace {

UDate milliseconds(double timestamp)
{
    return timestamp * 1000.0;
}

QString formatted(const DateEnvironment& environment, icu::DateFormat& format, double timestamp)
{
    format.adoptTimeZone(environment.timeZone().release());
    icu::UnicodeString text;
    format.format(milliseconds(timestamp), text);
    return IcuDateText::fromIcu(text);
}

icu::DateFormat::EStyle icuStyle(DateStyle style)
{
    switch (style) {
    case DateStyle::None: return icu::DateFormat::kNone;
    case DateStyle::Short: return icu::DateFormat::kShort;
    case DateStyle::Medium: return icu::DateFormat::kMedium;
    case DateStyle::Long: return icu::DateFormat::kLong;
    case DateStyle::Full: return icu::DateFormat::kFull;
    }
    return icu::DateFormat::kNone;
}

} // namespace

icu::UnicodeString IcuDateText::toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

QString IcuDateText::fromIcu(const icu::UnicodeString& text)
{
    if (text.isBogus())
        return QString();
    return IcuNumberText::toQString(text);
}

QString IcuDateText::pattern(const DateEnvironment& environment, const QString& pattern, double timestamp)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(toIcu(pattern), environment.locale(), status);
    if (U_FAILURE(status))
        return QString();
    return formatted(environment, format, timestamp);
}

QString IcuDateText::skeleton(const DateEnvironment& environment, const QString& skeleton, double timestamp)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = environment.locale();
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (!generator || U_FAILURE(status))
        return pattern(environment, skeleton, timestamp);
    const icu::UnicodeString best = generator->getBestPattern(toIcu(skeleton), status);
    if (U_FAILURE(status))
        return pattern(environment, skeleton, timestamp);
    icu::SimpleDateFormat format(best, locale, status);
    if (U_FAILURE(status))
        return QString();
    return formatted(environment, format, timestamp);
}

QString IcuDateText::styles(const DateEnvironment& environment, DateStyle dateStyle, DateStyle timeStyle,
                            double timestamp)
{
    if (dateStyle == DateStyle::None && timeStyle == DateStyle::None)
        return QString();
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle), icuStyle(timeStyle), environment.locale()));
    if (!format)
        return QString();
    return formatted(environment, *format, timestamp);
}

} // namespace BaseKit
