#include "Platform/Time/Clock.h"

#include <QTimeZone>

#include <ctime>
#include <utility>

namespace Platform {

namespace {
std::shared_ptr<Clock>& installedClock()
{
    static std::shared_ptr<Clock> clock;
    return clock;
}
} // namespace

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

Clock& Clock::shared()
{
    static Clock system;
    std::shared_ptr<Clock>& clock = installedClock();
    return clock ? *clock : system;
}

void Clock::setShared(std::shared_ptr<Clock> clock)
{
    installedClock() = std::move(clock);
}

} // namespace Platform
