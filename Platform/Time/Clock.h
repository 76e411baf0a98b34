#pragma once

#include <QDateTime>

#include <chrono>
#include <cstdint>
#include <memory>

namespace Platform {

// The program's clocks: wall time, a monotonic time for intervals and stopwatches, and the time since
// boot counting suspend. Code that reads time asks Clock::shared(); tests install a FakeClock.
class Clock {
public:
    virtual ~Clock() = default;

    // The current wall time, in UTC, to the millisecond.
    virtual QDateTime now() const;
    // Monotonic time (CLOCK_MONOTONIC): only differences mean anything.
    virtual std::chrono::nanoseconds monotonic() const;
    // Whole seconds since boot, suspend included (CLOCK_BOOTTIME); 0 when unknown.
    virtual std::int64_t secondsSinceBoot() const;

    // The clock the program reads: the system's unless a test installed another.
    static Clock& shared();
    // Replaces the shared clock (tests); passing null restores the system's.
    static void setShared(std::shared_ptr<Clock> clock);
};

} // namespace Platform
