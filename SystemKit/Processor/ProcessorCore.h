#pragma once

#include <QList>
#include <QMetaType>
#include <QUuid>

#include <cstdint>
#include <memory>
#include <optional>

namespace SystemKit {

// One processor of the registry's list, with its index, frequencies, core type and its load over the
// last interval as a fraction from 0 to 1. The list is rebuilt at every sample, so every core gets a
// new `id` each time; two cores are equal when their ids are.
class ProcessorCore {
public:
    ProcessorCore();
    virtual ~ProcessorCore() = default;

    const QUuid& id() const { return m_id; }
    virtual bool isAppleSilicon() const { return m_isAppleSilicon; }
    virtual std::int64_t cpuId() const { return m_cpuId; }
    virtual float usage() const { return m_usage; }
    virtual std::optional<std::uint64_t> clockFrequency() const { return m_clockFrequency; } // Hz
    virtual std::optional<std::uint64_t> busFrequency() const { return m_busFrequency; }
    virtual std::optional<std::uint64_t> timebaseFrequency() const { return m_timebaseFrequency; }
    virtual std::optional<bool> isFirestorm() const { return m_isFirestorm; }
    virtual std::optional<bool> isIcestorm() const { return m_isIcestorm; }

    void setAppleSilicon(bool flag) { m_isAppleSilicon = flag; }
    void setCpuId(std::int64_t index) { m_cpuId = index; }
    void setUsage(float usage) { m_usage = usage; }
    void setClockFrequency(std::optional<std::uint64_t> hz) { m_clockFrequency = hz; }
    void setBusFrequency(std::optional<std::uint64_t> hz) { m_busFrequency = hz; }
    void setTimebaseFrequency(std::optional<std::uint64_t> hz) { m_timebaseFrequency = hz; }
    void setFirestorm(std::optional<bool> flag) { m_isFirestorm = flag; }
    void setIcestorm(std::optional<bool> flag) { m_isIcestorm = flag; }

    bool operator==(const ProcessorCore& other) const { return m_id == other.m_id; }

private:
    QUuid m_id;
    bool m_isAppleSilicon = false;
    std::int64_t m_cpuId = 0;
    float m_usage = 0;
    std::optional<std::uint64_t> m_clockFrequency;
    std::optional<std::uint64_t> m_busFrequency;
    std::optional<std::uint64_t> m_timebaseFrequency;
    std::optional<bool> m_isFirestorm;
    std::optional<bool> m_isIcestorm;
};

using ProcessorCoreList = QList<std::shared_ptr<ProcessorCore>>;

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::ProcessorCoreList)
