#pragma once

#include <QString>

#include <concepts>
#include <cstdint>
#include <optional>

namespace BaseKit {

struct DateEnvironment;

// Texts of a duration in whole seconds. Integer durations are signed; a real-valued duration is cut
// toward zero first, and one that is not finite or does not fit 64 bits gives "-".
class Duration {
public:
    Duration() = delete;

    // Days, hours, minutes and seconds, two digits each, joined by ":" ("01:01:01:01"); the uptime.
    static QString durationText(std::int64_t seconds);
    static QString durationText(double seconds);
    template <std::integral T>
    static QString durationText(T seconds) { return durationText(clamp(seconds)); }

    // "1h 30m", "59m", "0h 0m". No value counts as 0 for an integer ("0h 0m") and gives "0m" for a
    // real value.
    static QString hoursMinutesText(std::optional<std::int64_t> seconds);
    static QString hoursMinutesText(std::optional<double> seconds);
    static QString hoursMinutesText(double seconds) { return hoursMinutesText(std::optional<double>(seconds)); }
    template <std::integral T>
    static QString hoursMinutesText(T seconds)
    {
        return hoursMinutesText(std::optional<std::int64_t>(clamp(seconds)));
    }

    // "01h 01m 01s"; compact leaves out zero hours ("01m 05s", "05s", "0 s"). Hours count on past a
    // day ("26h 00m 00s"). The real-valued form is compact.
    static QString clockText(std::int64_t seconds, bool compact);
    static QString clockText(double seconds);
    template <std::integral T>
    static QString clockText(T seconds, bool compact) { return clockText(clamp(seconds), compact); }

    // "5 seconds", "2 minutes 5 seconds", "1 hours 1 minutes" in the environment's words.
    static QString spokenDurationText(const DateEnvironment& environment, std::int64_t seconds);
    template <std::integral T>
    static QString spokenDurationText(const DateEnvironment& environment, T seconds)
    {
        return spokenDurationText(environment, clamp(seconds));
    }

    // The real value cut toward zero; none when it is not finite or does not fit 64 bits.
    static std::optional<std::int64_t> wholeSeconds(double seconds);

private:
    template <std::integral T>
    static std::int64_t clamp(T value)
    {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(std::int64_t)) {
            if (value > T(INT64_MAX))
                return INT64_MAX;
        }
        return std::int64_t(value);
    }
};

} // namespace BaseKit
