#include "BaseKit/Sampler/SampleClock.h"

#include "Platform/Registry/SysfsRegistry.h"

#include <algorithm>

namespace BaseKit {

SampleClock& SampleClock::shared()
{
    // Lives as long as the program; made on first use, which is on the main thread.
    static SampleClock* clock = new SampleClock;
    return *clock;
}

SampleClock::SampleClock()
{
    m_timer.setInterval(periodMilliseconds);
    // A sampler's interval holds to the millisecond only on average; what counts is that all sample
    // together.
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SampleClock::advance);
    m_prepareLimit.setSingleShot(true);
    m_prepareLimit.setInterval(prepareLimitMilliseconds);
    connect(&m_prepareLimit, &QTimer::timeout, this, [this] { finishPreparing(m_generation); });
}

std::uint64_t SampleClock::joinPreparation(QObject* owner, std::function<void(std::function<void()> ready)> prepare)
{
    Preparation preparation;
    preparation.id = m_nextId++;
    preparation.owner = owner;
    preparation.prepare = std::move(prepare);
    m_preparations.append(std::move(preparation));
    return m_preparations.constLast().id;
}

void SampleClock::advance()
{
    if (m_preparing)
        return; // the previous tick is still being prepared: this one is left out
    m_preparations.removeIf([](const Preparation& preparation) { return !preparation.owner; });
    if (m_preparations.isEmpty()) {
        tick();
        return;
    }
    const std::uint64_t generation = ++m_generation;
    m_preparing = true;
    // One more than there are, so that a preparation ready at once cannot end the wait before all started.
    m_pending = int(m_preparations.size()) + 1;
    m_prepareLimit.start();
    const QList<Preparation> preparations = m_preparations;
    for (const Preparation& preparation : preparations) {
        if (!preparation.owner) {
            finishPreparing(generation);
            continue;
        }
        QPointer<SampleClock> self(this);
        preparation.prepare([self, generation] {
            if (self)
                self->finishPreparing(generation);
        });
    }
    finishPreparing(generation);
}

void SampleClock::finishPreparing(std::uint64_t generation)
{
    if (!m_preparing || generation != m_generation)
        return; // late: its tick has run
    if (--m_pending > 0 && m_prepareLimit.isActive())
        return;
    m_preparing = false;
    m_prepareLimit.stop();
    tick();
}

std::uint64_t SampleClock::join(QObject* owner, int periods, std::function<void()> sample)
{
    Member member;
    member.id = m_nextId++;
    member.owner = owner;
    member.periods = std::max(periods, 1);
    member.due = member.periods;
    member.sample = std::move(sample);
    m_members.append(std::move(member));
    runTimer();
    return m_members.constLast().id;
}

void SampleClock::leave(std::uint64_t id)
{
    m_members.removeIf([id](const Member& member) { return member.id == id; });
    m_preparations.removeIf([id](const Preparation& preparation) { return preparation.id == id; });
    runTimer();
}

bool SampleClock::isJoined(std::uint64_t id) const
{
    return std::any_of(m_members.begin(), m_members.end(),
                       [id](const Member& member) { return member.id == id && member.owner; });
}

void SampleClock::tick()
{
    ++m_ticks;
    dropGone();
    // A sampler may make others join or leave while it samples: the ones present at the start of
    // the tick and still there when their turn comes sample.
    QList<std::uint64_t> due;
    for (Member& member : m_members) {
        if (--member.due > 0)
            continue;
        member.due = member.periods;
        due.append(member.id);
    }
    // One look at the devices serves every sampler of the tick.
    const Platform::SysfsRegistry::SampleScope devices;
    for (const std::uint64_t id : std::as_const(due)) {
        const auto it = std::find_if(m_members.begin(), m_members.end(),
                                     [id](const Member& member) { return member.id == id; });
        if (it == m_members.end() || !it->owner)
            continue;
        // The call may change the list: it runs on its own copy.
        const std::function<void()> sample = it->sample;
        sample();
    }
    emit ticked();
    dropGone();
    runTimer();
}

void SampleClock::setDrivenByHand(bool byHand)
{
    m_byHand = byHand;
    runTimer();
}

void SampleClock::runTimer()
{
    const bool wanted = !m_byHand && !m_members.isEmpty();
    if (wanted && !m_timer.isActive())
        m_timer.start();
    else if (!wanted && m_timer.isActive())
        m_timer.stop();
}

void SampleClock::dropGone()
{
    m_members.removeIf([](const Member& member) { return !member.owner; });
}

} // namespace BaseKit
