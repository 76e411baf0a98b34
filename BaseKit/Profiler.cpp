#include "BaseKit/Profiler.h"

#include "Platform/Time/Clock.h"

#include <QHash>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>

namespace BaseKit {

namespace {

std::int64_t nanoseconds()
{
    return std::int64_t(Platform::Clock::shared().monotonic().count());
}

// Start times by stopwatch name, in nanoseconds of the clock.
QHash<QString, std::int64_t>& timers()
{
    static QHash<QString, std::int64_t> running;
    return running;
}

} // namespace

void Profiler::start(const QString& name)
{
    timers().insert(name, nanoseconds());
}

void Profiler::start()
{
    start(QStringLiteral("Profiler"));
}

void Profiler::stop(const QString& name)
{
    const auto found = timers().constFind(name);
    if (found == timers().constEnd())
        return;
    const std::int64_t elapsed = nanoseconds() - found.value();
    // Whole milliseconds, truncated toward zero.
    const std::int64_t milliseconds = elapsed / 1000000;
    const QByteArray line = (name + QStringLiteral(": ") + QString::number(milliseconds)
                             + QStringLiteral(" ms\n"))
                                .toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fflush(stdout);
    timers().remove(name);
}

void Profiler::stop()
{
    if (timers().size() != 1) {
        qWarning("This function can only be called if there is exactly one profiler.");
        return;
    }
    stop(timers().constBegin().key());
}

} // namespace BaseKit
