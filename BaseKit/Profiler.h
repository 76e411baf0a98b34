#pragma once

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>

namespace Platform {
class Clock;
}

namespace BaseKit {

// Named stopwatches on a monotonic clock: stopping one prints "<name>: <whole ms> ms" to standard
// output. Main thread only.
class Profiler {
public:
    // Stopwatches on `clock` (this machine's when none).
    explicit Profiler(std::shared_ptr<const Platform::Clock> clock = nullptr);

    // The program's stopwatches, on this machine's clock.
    static Profiler& shared();

    // Starts (or restarts) the stopwatch of that name.
    void start(const QString& name);
    // Starts the stopwatch "Profiler".
    void start();

    // Prints the elapsed time of the stopwatch of that name and removes it; nothing when none runs.
    void stop(const QString& name);
    // Stops the only running stopwatch. With none or several running it warns and does nothing.
    void stop();

private:
    std::int64_t nanoseconds() const;

    std::shared_ptr<const Platform::Clock> m_clock;
    // Start times by stopwatch name, in nanoseconds of the clock.
    QHash<QString, std::int64_t> m_timers;
};

} // namespace BaseKit
