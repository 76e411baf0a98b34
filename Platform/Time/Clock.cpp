#include "Platform/Time/Clock.h"

#include <QTimeZone>

#include <ctime>

namespace Platform {

QDateTime Clock::now() const
{
    return QDateTime::currentDateTimeUtc();
}

std::chrono::nanoseconds Clock::monotonic() const
{
    timespec ts{};
    if (clock_gettime(CLOCK_MONOTONIC, &ts) != 0)
        return std::chrono::nanoseconds(0);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

std::int64_t Clock::secondsSinceBoot() const
{
    // CLOCK_BOOTTIME keeps counting while the machine sleeps; CLOCK_MONOTONIC_RAW (whose number is
    // 4 here) would not.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0 || ts.tv_sec < 0)
        return 0;
    return std::int64_t(ts.tv_sec);
}

std::shared_ptr<const Clock> Clock::system()
{
    static const std::shared_ptr<const Clock> clock = std::make_shared<Clock>();
    return clock;
}

} // namespace Platform
