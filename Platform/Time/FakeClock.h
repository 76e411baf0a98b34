#pragma once

#include "Platform/Time/Clock.h"

namespace Platform {

// A clock that stands still until told to move, for tests: hand it to what reads time.
class FakeClock : public Clock {
public:
    FakeClock();

    QDateTime now() const override { return m_now; }
    std::chrono::nanoseconds monotonic() const override { return m_monotonic; }
    std::int64_t secondsSinceBoot() const override { return m_secondsSinceBoot; }

    void setNow(const QDateTime& now) { m_now = now; }
    void setMonotonic(std::chrono::nanoseconds monotonic) { m_monotonic = monotonic; }
    void setSecondsSinceBoot(std::int64_t seconds) { m_secondsSinceBoot = seconds; }
    // Moves all three clocks forward together (the time since boot by whole seconds elapsed).
    void advance(std::chrono::nanoseconds step);

private:
    QDateTime m_now;
    std::chrono::nanoseconds m_monotonic{0};
    std::chrono::nanoseconds m_sinceBoot{0};
    std::int64_t m_secondsSinceBoot = 0;
};

} // namespace Platform
