#pragma once

// How long the event loop stops while work runs on the main thread: a 100 ms timer ticks, the next
// piece of work runs at each tick, and the longest time between two ticks is the answer (100 ms while
// every piece takes less; as long as the longest piece otherwise). Reads that block the loop for long
// are what freezes a window's painting.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace MainThreadStalls {

// Milliseconds.
inline qint64 longestTickGap(const std::vector<std::function<void()>>& work)
{
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(100);
    tick.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    std::size_t next = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.elapsed();
        if (last >= 0)
            longest = std::max(longest, now - last);
        last = now;
        if (next < work.size())
            work[next++]();
        else
            loop.quit();
    });
    clock.start();
    tick.start();
    loop.exec();
    return longest;
}

} // namespace MainThreadStalls
