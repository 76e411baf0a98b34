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

QString formatted(icu::DateFormat& format, double timestamp)
{
    format.adoptTimeZone(DateEnvironment::timeZone().release());
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

QString IcuDateText::pattern(const QString& pattern, double timestamp)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(toIcu(pattern), DateEnvironment::locale(), status);
    if (U_FAILURE(status))
        return QString();
    return formatted(format, timestamp);
}

QString IcuDateText::skeleton(const QString& skeleton, double timestamp)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = DateEnvironment::locale();
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (!generator || U_FAILURE(status))
        return pattern(skeleton, timestamp);
    const icu::UnicodeString best = generator->getBestPattern(toIcu(skeleton), status);
    if (U_FAILURE(status))
        return pattern(skeleton, timestamp);
    icu::SimpleDateFormat format(best, locale, status);
    if (U_FAILURE(status))
        return QString();
    return formatted(format, timestamp);
}

QString IcuDateText::styles(DateStyle dateStyle, DateStyle timeStyle, double timestamp)
{
    if (dateStyle == DateStyle::None && timeStyle == DateStyle::None)
        return QString();
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle), icuStyle(timeStyle), DateEnvironment::locale()));
    if (!format)
        return QString();
    return formatted(*format, timestamp);
}

} // namespace BaseKit
