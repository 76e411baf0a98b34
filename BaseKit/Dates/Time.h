#pragma once

#include <QString>

#include <cstdint>

namespace BaseKit {

struct DateEnvironment;

// Units of a duration for `Time::measurementText`.
enum class UnitDuration { hours, minutes, seconds, milliseconds, microseconds, nanoseconds };

// Duration texts of elapsed and measured times in an environment's locale.
class Time {
public:
    Time() = delete;

    // Whole seconds of the nanoseconds as hours, minutes and seconds, positional and padded ("0:00:05",
    // "1:01:01"); "-" when the locale gives no text.
    static QString elapsedText(const DateEnvironment& environment, std::uint64_t nanoseconds);

    // The count in unit `from`, converted to unit `to`, with its unit's short name ("1.5 min").
    static QString measurementText(const DateEnvironment& environment, std::uint64_t value, UnitDuration from,
                                   UnitDuration to);
    static QString measurementText(const DateEnvironment& environment, std::int64_t value, UnitDuration from,
                                   UnitDuration to);
};

} // namespace BaseKit
