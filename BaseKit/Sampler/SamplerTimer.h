#pragma once

#include "BaseKit/Sampler/SampleClock.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>

namespace BaseKit {

// A sampler interval in seconds as a timer's milliseconds: at least 1 ms (also for a zero,
// negative or non-finite interval), at most what the timer holds.
int timerMilliseconds(double seconds);

// The repeating timer every sampler runs on, started only when none runs and let go on `stop`. A
// sampler keeps one of these and exposes `timer()` as its observable timer property.
//
// An interval of whole seconds rides the shared SampleClock, so that all samplers sample in one
// turn of the event loop: `timer()` is then the clock's timer. Any other interval gets a timer of
// its own, made on the sampler's thread (the main thread) as a child of the sampler.
class SamplerTimer {
public:
    SamplerTimer() = default;
    ~SamplerTimer();
    SamplerTimer(const SamplerTimer&) = delete;
    SamplerTimer& operator=(const SamplerTimer&) = delete;

    // Starts calling `refresh` on `sampler` every `seconds` when no timer runs and says whether it
    // started one; a running timer keeps its interval. The first call comes one interval later.
    template <typename Sampler>
    bool start(Sampler* sampler, double seconds, void (Sampler::*refresh)())
    {
        if (isRunning())
            return false;
        const int milliseconds = timerMilliseconds(seconds);
        if (SampleClock::keepsPeriod(milliseconds)) {
            SampleClock& clock = SampleClock::shared();
            QPointer<Sampler> target(sampler);
            m_clockMember = clock.join(sampler, milliseconds / SampleClock::periodMilliseconds, [target, refresh] {
                if (target)
                    (target.data()->*refresh)();
            });
            m_timer = clock.timer();
            return true;
        }
        QTimer* timer = create(sampler, seconds);
        QObject::connect(timer, &QTimer::timeout, sampler, refresh);
        timer->start();
        return true;
    }

    // Stops the running timer and lets it go; says whether one ran.
    bool stop();

    QTimer* timer() const { return isRunning() ? m_timer.data() : nullptr; }
    bool isRunning() const;

private:
    QTimer* create(QObject* owner, double seconds);

    QPointer<QTimer> m_timer;
    // The sampler's place on the shared clock, or 0 with a timer of its own.
    std::uint64_t m_clockMember = 0;
};

} // namespace BaseKit
