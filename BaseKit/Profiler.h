#pragma once

#include <QString>


namespace BaseKit {

// Named stopwatches on the program's monotonic clock (Platform::Clock, which tests replace): stopping
// one prints "<name>: <whole ms> ms" to standard output. Main thread only.
class Profiler {
public:
    Profiler() = delete;

    // Starts (or restarts) the stopwatch of that name.
    static void start(const QString& name);
    // Starts the stopwatch "Profiler".
    static void start();

    // Prints the elapsed time of the stopwatch of that name and removes it; nothing when none runs.
    static void stop(const QString& name);
    // Stops the only running stopwatch. With none or several running it warns and does nothing.
    static void stop();
};

} // namespace BaseKit
