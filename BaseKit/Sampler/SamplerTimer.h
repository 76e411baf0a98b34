#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace BaseKit {

// A sampler interval in seconds as a timer's milliseconds: at least 1 ms (also for a zero,
// negative or non-finite interval), at most what the timer holds.
int timerMilliseconds(double seconds);

// The repeating timer every sampler runs on: created on the sampler's thread (the main thread) as
// a child of the sampler, started only when none runs, stopped and let go on `stop`. A sampler
// keeps one of these and exposes `timer()` as its observable timer property.
class SamplerTimer {
public:
    SamplerTimer() = default;
    SamplerTimer(const SamplerTimer&) = delete;
    SamplerTimer& operator=(const SamplerTimer&) = delete;

    // Starts calling `refresh` on `sampler` every `seconds` when no timer runs and says whether it
    // started one; a running timer keeps its interval. The first call comes one interval later.
    template <typename Sampler>
    bool start(Sampler* sampler, double seconds, void (Sampler::*refresh)())
    {
        if (m_timer)
            return false;
        QTimer* timer = create(sampler, seconds);
        QObject::connect(timer, &QTimer::timeout, sampler, refresh);
        timer->start();
        return true;
    }

    // Stops the running timer and lets it go; says whether one ran.
    bool stop();

    QTimer* timer() const { return m_timer; }
    bool isRunning() const { return m_timer != nullptr; }

private:
    QTimer* create(QObject* owner, double seconds);

    QPointer<QTimer> m_timer;
};

} // namespace BaseKit
