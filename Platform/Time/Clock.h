#pragma once

#include <QDateTime>

#include <chrono>
#include <cstdint>
#include <memory>

namespace Platform {

// The program's clocks: wall time, a monotonic time for intervals and stopwatches, and the time since
// boot counting suspend. What reads time is handed a clock when it is made: the program's start-up
// hands on system(), tests a FakeClock they drive.
class Clock {
public:
    virtual ~Clock() = default;

    // The current wall time, in UTC, to the millisecond.
    virtual QDateTime now() const;
    // Monotonic time (CLOCK_MONOTONIC): only differences mean anything.
    virtual std::chrono::nanoseconds monotonic() const;
    // Whole seconds since boot, suspend included (CLOCK_BOOTTIME); 0 when unknown.
    virtual std::int64_t secondsSinceBoot() const;

    // This machine's clock, the one the program's start-up hands on.
    static std::shared_ptr<const Clock> system();
};

} // namespace Platform
