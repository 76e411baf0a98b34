#pragma once

#include "Platform/Proc/ProcessTable.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

// A process table whose reads the test holds: each read waits, before it lists, until the test lets
// one read go (`release`, which also lets through a read that comes later). For a read that is slow,
// or stuck in /proc, at a moment the test chooses.
class HeldProcessTable : public Platform::ProcessTable {
public:
    using ProcessTable::ProcessTable;
    using ProcessTable::list;

    bool list(std::vector<Platform::ProcessRecord>& out, const MonotonicClock& now) override
    {
        {
            std::unique_lock lock(m_mutex);
            ++m_held;
            m_changed.notify_all();
            m_changed.wait(lock, [this] { return m_passes > 0; });
            --m_passes;
            --m_held;
        }
        return ProcessTable::list(out, now);
    }

    // Lets one read go on: the one held now, or else the next.
    void release()
    {
        const std::lock_guard lock(m_mutex);
        ++m_passes;
        m_changed.notify_all();
    }

    // Whether a read is held now, after waiting up to `milliseconds` for one to come.
    bool holdsARead(int milliseconds = 5000)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_held > 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_held = 0;
    int m_passes = 0;
};
