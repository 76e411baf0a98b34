#include "BaseKit/Profiler.h"

#include <QHash>
#include <QtGlobal>

#include <chrono>
#include <cstdio>

namespace BaseKit {

namespace {

std::int64_t steadyNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Profiler::Clock& clock()
{
    static Profiler::Clock current = steadyNanoseconds;
    return current;
}

// Start times by stopwatch name, in nanoseconds of the clock.
QHash<QString, std::int64_t>& timers()
{
    static QHash<QString, std::int64_t> running;
    return running;
}

} // namespace

void Profiler::setClock(Clock replacement)
{
    clock() = replacement ? std::move(replacement) : Clock(steadyNanoseconds);
}

void Profiler::start(const QString& name)
{
    timers().insert(name, clock()());
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
    const std::int64_t elapsed = clock()() - found.value();
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
