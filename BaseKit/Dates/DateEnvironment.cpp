#include "BaseKit/Dates/DateEnvironment.h"

#include "BaseKit/BaseKitStrings.h"
#include "BaseKit/IcuNumberText.h"
#include "Platform/Time/Clock.h"


#include <unicode/gregocal.h>

namespace BaseKit {

namespace {

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

} // namespace

double DateEnvironment::now() const
{
    if (clock)
        return clock();
    return double(Platform::Clock::system()->now().toMSecsSinceEpoch()) / 1000.0;
}

QString DateEnvironment::currentLocaleName() const
{
    if (localeName)
        return *localeName;
    return IcuNumberText::currentLocaleName();
}

QString DateEnvironment::word(const QString& key) const
{
    if (words)
        return words(key);
    return localizedString(key);
}

icu::Locale DateEnvironment::locale() const
{
    const QString name = currentLocaleName();
    // Qt names the POSIX locale "C"; ICU's counterpart is en_US_POSIX.
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return icu::Locale("en_US_POSIX");
    icu::Locale result = icu::Locale::createCanonical(name.toLatin1().constData());
    if (result.isBogus())
        return icu::Locale::getRoot();
    return result;
}

std::unique_ptr<icu::TimeZone> DateEnvironment::timeZone() const
{
    const QString id = timeZoneId;
    if (!id.isEmpty()) {
        std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(toIcu(id)));
        // An unknown id gives the "Etc/Unknown" zone, which behaves as UTC.
        if (zone)
            return zone;
    }
    // ICU reads the host's zone (TZ, /etc/localtime) once and keeps it.
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::createDefault());
    if (host)
        return host;
    return std::unique_ptr<icu::TimeZone>(icu::TimeZone::getGMT()->clone());
}

std::unique_ptr<icu::Calendar> DateEnvironment::calendar() const
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> result(icu::Calendar::createInstance(timeZone().release(), locale(), status));
    if (result && U_SUCCESS(status))
        return result;
    return gregorianCalendar();
}

std::unique_ptr<icu::Calendar> DateEnvironment::gregorianCalendar() const
{
    UErrorCode status = U_ZERO_ERROR;
    auto result = std::make_unique<icu::GregorianCalendar>(timeZone().release(), locale(), status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        result = std::make_unique<icu::GregorianCalendar>(timeZone().release(), icu::Locale::getRoot(), status);
    }
    result->setFirstDayOfWeek(UCAL_MONDAY);
    return result;
}

std::optional<int> DateEnvironment::gregorianField(double timestamp, UCalendarDateFields field) const
{
    auto calendar = gregorianCalendar();
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(timestamp * 1000.0, status);
    const int value = calendar->get(field, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return value;
}

} // namespace BaseKit
