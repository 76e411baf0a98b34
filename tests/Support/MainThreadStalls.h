#pragma once

// How long work on the main thread keeps the event loop from turning, measured by the thread's own
// processor time, which a busy machine that takes the processor away does not lengthen (one that
// contends for the caches and the memory does, several times over: see the bound). A timer ticks,
// the next piece of work runs at each tick, and the answer is the most processor time the thread spent
// between two ticks: one piece and whatever the loop did on its account before the next tick (a file
// watcher's reading, say). Reads that keep the loop for long are what freezes a window's painting.

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

#include <time.h>

namespace MainThreadStalls {

// What one tick may take. On the hostile shapes the tests give them the readers take some tens of
// milliseconds under the sanitizers on a quiet machine; beside a busy loop per processor that streams
// through memory, which swells the thread's own processor time too (the caches and the memory bus are
// shared), at most 182 ms. Two and a half seconds is more than ten times that, so the verdict is the same on a busy
// machine. The readers they replaced, which rescan or copy, took tens of seconds on the same shapes
// (the metainfo reader without its first pass 43 s, the earlier property-list reader 22 s on a text of
// references) or ran out of memory. How long the reads take is measured by the benchmarks
// (bench/Kestrion/HostileListsBench.cpp, bench/Platform/MetainfoBench.cpp).
inline constexpr qint64 boundMilliseconds = 2'500;

inline qint64 threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// Milliseconds of the main thread's processor time.
inline qint64 longestBusyTick(const std::vector<std::function<void()>>& work)
{
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(0);
    qint64 last = -1;
    qint64 longest = 0;
    std::size_t next = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 now = threadMilliseconds();
        if (last >= 0)
            longest = std::max(longest, now - last);
        last = now;
        if (next < work.size())
            work[next++]();
        else
            loop.quit();
    });
    tick.start();
    loop.exec();
    return longest;
}

} // namespace MainThreadStalls
