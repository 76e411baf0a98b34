#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace BaseKit {

// The one clock the samplers sample on. Every sampler whose interval is a whole number of the
// clock's periods samples in the clock's tick, all in the same turn of the main event loop, so that
// the window lays out and paints once per tick instead of once per sampler. A sampler of 5 seconds
// samples at every fifth tick after it joined, on the same phase as the others.
//
// The clock's timer runs while anyone has joined. `tick` runs one tick at once (the timer's action);
// with `setDrivenByHand` the timer stays off and only `tick` moves the clock on (tests).
class SampleClock : public QObject {
    Q_OBJECT

public:
    static constexpr int periodMilliseconds = 1000;

    // The main thread's clock.
    static SampleClock& shared();

    // Whether an interval of that many milliseconds is a whole number of periods.
    static bool keepsPeriod(int milliseconds) { return milliseconds > 0 && milliseconds % periodMilliseconds == 0; }

    // Calls `sample` at every `periods`-th tick from now (the first one `periods` ticks later) while
    // `owner` lives, until `leave`. Returns the joining's number for `leave`.
    std::uint64_t join(QObject* owner, int periods, std::function<void()> sample);
    void leave(std::uint64_t id);
    bool isJoined(std::uint64_t id) const;

    // Work that goes before every tick, off the main thread: at each tick of the timer `prepare` is
    // called with a `ready` to call on the main thread once the work is done, and the samplers sample
    // when every preparation is ready, or after prepareLimitMilliseconds when one is late. Ticks run by
    // hand (`tick`) prepare nothing. Lasts while `owner` lives, until `leave`.
    static constexpr int prepareLimitMilliseconds = 250;
    std::uint64_t joinPreparation(QObject* owner, std::function<void(std::function<void()> ready)> prepare);

    // The timer that moves the clock on; it runs while anyone has joined (and the clock is not
    // driven by hand).
    QTimer* timer() { return &m_timer; }
    // The timer that ends the wait for late preparations; it runs while a tick is being prepared.
    QTimer* prepareLimit() { return &m_prepareLimit; }

    // One tick: every due sampler samples, in the order they joined, then `ticked`.
    void tick();
    // One tick as the timer runs it: the preparations first, the tick when they are ready.
    void advance();
    std::uint64_t ticks() const { return m_ticks; }

    void setDrivenByHand(bool byHand);
    bool isDrivenByHand() const { return m_byHand; }

signals:
    // At the end of every tick, after the due samplers sampled.
    void ticked();

private:
    SampleClock();

    struct Member {
        std::uint64_t id = 0;
        QPointer<QObject> owner;
        int periods = 1;
        int due = 1; // ticks until the next sample
        std::function<void()> sample;
    };

    void finishPreparing(std::uint64_t generation);
    void runTimer();
    void dropGone();

    struct Preparation {
        std::uint64_t id = 0;
        QPointer<QObject> owner;
        std::function<void(std::function<void()>)> prepare;
    };

    QTimer m_timer;
    QTimer m_prepareLimit;
    QList<Member> m_members;
    QList<Preparation> m_preparations;
    // The timer's tick being prepared, and how many preparations it still waits for.
    std::uint64_t m_generation = 0;
    int m_pending = 0;
    bool m_preparing = false;
    std::uint64_t m_nextId = 1;
    std::uint64_t m_ticks = 0;
    bool m_byHand = false;
};

} // namespace BaseKit
