#include "BaseKit/Profiler.h"

#include "Platform/Time/Clock.h"

#include <QtGlobal>

#include <cstdio>
#include <utility>

namespace BaseKit {

Profiler::Profiler(std::shared_ptr<const Platform::Clock> clock)
    : m_clock(clock ? std::move(clock) : Platform::Clock::system())
{
}

Profiler& Profiler::shared()
{
    static Profiler profiler;
    return profiler;
}

std::int64_t Profiler::nanoseconds() const
{
    return std::int64_t(m_clock->monotonic().count());
}

void Profiler::start(const QString& name)
{
    m_timers.insert(name, nanoseconds());
}

void Profiler::start()
{
    start(QStringLiteral("Profiler"));
}

void Profiler::stop(const QString& name)
{
    const auto found = m_timers.constFind(name);
    if (found == m_timers.constEnd())
        return;
    const std::int64_t elapsed = nanoseconds() - found.value();
    // Whole milliseconds, truncated toward zero.
    const std::int64_t milliseconds = elapsed / 1000000;
    const QByteArray line = (name + QStringLiteral(": ") + QString::number(milliseconds)
                             + QStringLiteral(" ms\n"))
                                .toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fflush(stdout);
    m_timers.remove(name);
}

void Profiler::stop()
{
    if (m_timers.size() != 1) {
        qWarning("This function can only be called if there is exactly one profiler.");
        return;
    }
    stop(m_timers.constBegin().key());
}

} // namespace BaseKit
