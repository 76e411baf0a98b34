#pragma once

#include "SystemKit/Processor/MemoryStatistics.h"
#include "BaseKit/Sampler/FixedHistory.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <optional>

namespace Platform {
class HostStatistics;
} // namespace Platform

namespace SystemKit {

// The memory sampler. Once per timer tick it splits physical memory into active, inactive, wired,
// compressed and free bytes, the bytes in use (active + wired + compressed) and the fraction in use,
// and keeps fixed-length histories of the bytes and the fraction in use. After every sample in which
// the bytes in use do not exceed physical memory, free + total equals physical memory.
//
// Everything runs on the main thread. Every property notifies on every write, also of an
// unchanged value.
class MemoryController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(quint64 free READ free NOTIFY freeChanged)
    Q_PROPERTY(quint64 active READ active NOTIFY activeChanged)
    Q_PROPERTY(quint64 inactive READ inactive NOTIFY inactiveChanged)
    Q_PROPERTY(quint64 wired READ wired NOTIFY wiredChanged)
    Q_PROPERTY(quint64 compressed READ compressed NOTIFY compressedChanged)
    Q_PROPERTY(quint64 total READ total NOTIFY totalChanged)
    Q_PROPERTY(double usage READ usage NOTIFY usageChanged)
    Q_PROPERTY(QList<quint64> history READ history NOTIFY historyChanged)
    Q_PROPERTY(QList<double> usageHistory READ usageHistory NOTIFY usageHistoryChanged)

public:
    // Builds the sampler on this machine's memory statistics; takes no sample and starts no timer.
    // A history size below 1 counts as 1.
    explicit MemoryController(int historySize, QObject* parent = nullptr);
    // The same, reading the statistics from `host` (a fixture tree in tests).
    MemoryController(int historySize, std::shared_ptr<Platform::HostStatistics> host, QObject* parent = nullptr);
    ~MemoryController() override;

    // Starts sampling every `interval` seconds when no timer runs; otherwise does nothing (the new
    // interval is ignored). The first sample comes one interval later.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // Takes one sample. A failed read of the statistics skips the sample: nothing changes.
    Q_INVOKABLE void refresh();
    // One fresh reading; changes no property. All zero when the statistics cannot be read.
    MemoryStatistics currentStatistics() const;

    QTimer* timer() const { return m_timer.timer(); }
    std::uint64_t free() const { return m_free; }
    std::uint64_t active() const { return m_active; }
    std::uint64_t inactive() const { return m_inactive; }
    std::uint64_t wired() const { return m_wired; }
    std::uint64_t compressed() const { return m_compressed; }
    std::uint64_t total() const { return m_total; }
    double usage() const { return m_usage; }
    const QList<quint64>& history() const { return m_history.values(); }
    const QList<double>& usageHistory() const { return m_usageHistory.values(); }

signals:
    void timerChanged();
    void freeChanged();
    void activeChanged();
    void inactiveChanged();
    void wiredChanged();
    void compressedChanged();
    void totalChanged();
    void usageChanged();
    void historyChanged();
    void usageHistoryChanged();
    // Once at the end of every sample that read the statistics, after the properties above: what
    // the views listen to, so that they follow a sample once and not once per property.
    void sampled();

private:
    struct Reading {
        MemoryStatistics statistics;
        std::uint64_t physicalMemory = 0;
    };
    std::optional<Reading> read() const;

    std::shared_ptr<Platform::HostStatistics> m_host;
    BaseKit::SamplerTimer m_timer;
    std::uint64_t m_free = 0;
    std::uint64_t m_active = 0;
    std::uint64_t m_inactive = 0;
    std::uint64_t m_wired = 0;
    std::uint64_t m_compressed = 0;
    std::uint64_t m_total = 0;
    double m_usage = 0;
    BaseKit::FixedHistory<quint64> m_history;
    BaseKit::FixedHistory<double> m_usageHistory;
};

} // namespace SystemKit
