#include "Platform/Time/FakeClock.h"

#include <QTimeZone>

namespace Platform {

FakeClock::FakeClock()
    : m_now(QDateTime(QDate(2024, 1, 1), QTime(12, 0), QTimeZone::utc())),
      m_monotonic(std::chrono::seconds(1000)),
      m_secondsSinceBoot(1000)
{
}

void FakeClock::advance(std::chrono::nanoseconds step)
{
    m_now = m_now.addMSecs(std::chrono::duration_cast<std::chrono::milliseconds>(step).count());
    m_monotonic += step;
    m_sinceBoot += step;
    const auto whole = std::chrono::duration_cast<std::chrono::seconds>(m_sinceBoot);
    m_secondsSinceBoot += whole.count();
    m_sinceBoot -= whole;
}

} // namespace Platform
