#pragma once

#include <QObject>
#include <QTimer>

#include <cmath>
#include <limits>

namespace SystemKit {

// A sampler interval in seconds as a timer's milliseconds: at least 1 ms (also for a zero,
// negative or non-finite interval), at most what the timer holds.
inline int timerMilliseconds(double seconds)
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

// A running timer, a child of `sampler`, that calls `refresh` every `seconds`.
template <typename Sampler>
QTimer* startSamplerTimer(Sampler* sampler, double seconds, void (Sampler::*refresh)())
{
    auto* timer = new QTimer(sampler);
    timer->setInterval(timerMilliseconds(seconds));
    QObject::connect(timer, &QTimer::timeout, sampler, refresh);
    timer->start();
    return timer;
}

// Stops a sampler's timer and lets it go; nothing for none.
inline void stopSamplerTimer(QTimer* timer)
{
    if (!timer)
        return;
    timer->stop();
    timer->deleteLater();
}

} // namespace SystemKit
