#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace BaseKit {

// Where the date and duration texts take "now", the locale, the time zone and their words from.
// By default: the wall clock (Platform::Clock), the program's locale (QLocale(), the system's unless a default was set),
// the host's time zone and the library's own string table. Tests replace any of them; `reset()` goes back to the defaults. Main thread only.
class DateEnvironment {
public:
    DateEnvironment() = delete;

    // Seconds since 1970-01-01 00:00:00 UTC.
    static double now();
    // The locale name handed to ICU ("de_DE", "en_US").
    static QString localeName();
    // The IANA time zone ("Europe/Berlin"); empty means the host's zone.
    static QString timeZoneId();
    // The localised word or format of a key of the library's string table.
    static QString word(const QString& key);

    static void setNow(std::function<double()> now);
    static void setLocaleName(const QString& name);
    static void setTimeZoneId(const QString& id);
    static void setWords(std::function<QString(const QString&)> words);
    static void reset();

    // ICU objects built from the above, each new for the caller.
    static icu::Locale locale();
    static std::unique_ptr<icu::TimeZone> timeZone();
    // The locale's calendar in the current time zone; never null.
    static std::unique_ptr<icu::Calendar> calendar();
    // A Gregorian calendar in the current time zone, the week starting on Monday; never null.
    static std::unique_ptr<icu::Calendar> gregorianCalendar();
    // One field of a moment (seconds since 1970) in that Gregorian calendar; none when ICU fails.
    static std::optional<int> gregorianField(double timestamp, UCalendarDateFields field);
};

} // namespace BaseKit
