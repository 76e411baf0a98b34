#include "BaseKit/Sampler/SamplerTimer.h"

#include <cmath>
#include <limits>

namespace BaseKit {

int timerMilliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 1;
    const double ms = std::round(seconds * 1000.0);
    if (ms < 1)
        return 1;
    if (ms > double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(ms);
}

QTimer* SamplerTimer::create(QObject* owner, double seconds)
{
    auto* timer = new QTimer(owner);
    timer->setInterval(timerMilliseconds(seconds));
    m_timer = timer;
    return timer;
}

SamplerTimer::~SamplerTimer()
{
    if (m_clockMember != 0)
        SampleClock::shared().leave(m_clockMember);
}

bool SamplerTimer::isRunning() const
{
    if (m_clockMember != 0)
        return SampleClock::shared().isJoined(m_clockMember);
    return m_timer != nullptr;
}

bool SamplerTimer::stop()
{
    if (m_clockMember != 0) {
        const bool running = isRunning();
        SampleClock::shared().leave(m_clockMember);
        m_clockMember = 0;
        m_timer = nullptr;
        return running;
    }
    if (!m_timer)
        return false;
    m_timer->stop();
    m_timer->deleteLater();
    m_timer = nullptr;
    return true;
}

} // namespace BaseKit
