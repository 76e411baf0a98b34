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

// Where the date and duration texts take "now", the locale, the time zone and their words from: a
// value handed to every date and duration text that needs one. Each empty member stands for the
// program's own: the wall clock (Platform::Clock), the program's locale (QLocale(), the system's unless
// a default was set, read at each use), the host's time zone and the library's own string table; a
// default-made environment is the program's.
struct DateEnvironment {
    // Seconds since 1970-01-01 00:00:00 UTC.
    std::function<double()> clock;
    // The locale name handed to ICU ("de_DE", "en_US").
    std::optional<QString> localeName;
    // The IANA time zone ("Europe/Berlin"); empty means the host's zone.
    QString timeZoneId;
    // The localised word or format of a key of the library's string table.
    std::function<QString(const QString&)> words;

    // Now, in seconds since 1970.
    double now() const;
    // The locale name in use.
    QString currentLocaleName() const;
    // The word or format of a key of the library's string table.
    QString word(const QString& key) const;

    // ICU objects built from the above, each new for the caller.
    icu::Locale locale() const;
    std::unique_ptr<icu::TimeZone> timeZone() const;
    // The locale's calendar in the environment's time zone; never null.
    std::unique_ptr<icu::Calendar> calendar() const;
    // A Gregorian calendar in the environment's time zone, the week starting on Monday; never null.
    std::unique_ptr<icu::Calendar> gregorianCalendar() const;
    // One field of a moment (seconds since 1970) in that Gregorian calendar; none when ICU fails.
    std::optional<int> gregorianField(double timestamp, UCalendarDateFields field) const;
};

} // namespace BaseKit
