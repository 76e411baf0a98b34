#pragma once

#include "SystemKit/Processor/CpuInfo.h"
#include "SystemKit/Processor/MemoryInfo.h"

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

#include <cstdint>
#include <memory>

namespace SystemKit {

// One process of a sample: identifiers, name, accumulated processor time with its load, resident
// memory and traffic counters. Every sample makes a new object, with a new `id`, for every process;
// two processes are equal when their ids are.
class RunningProcess {
public:
    // A process with the two identifiers, a new id, zero time, load, memory and traffic, no name.
    RunningProcess(std::int32_t pid, std::int32_t ppid);
    virtual ~RunningProcess() = default;

    const QUuid& id() const { return m_id; }
    std::int32_t pid() const { return m_pid; }
    void setPid(std::int32_t pid) { m_pid = pid; }
    std::int32_t ppid() const { return m_ppid; }
    void setPpid(std::int32_t ppid) { m_ppid = ppid; }
    const CpuInfo& cpu() const { return m_cpu; }
    CpuInfo& cpu() { return m_cpu; }
    const MemoryInfo& memory() const { return m_memory; }
    MemoryInfo& memory() { return m_memory; }
    std::uint64_t sent() const { return m_sent; }
    void setSent(std::uint64_t bytes) { m_sent = bytes; }
    std::uint64_t received() const { return m_received; }
    void setReceived(std::uint64_t bytes) { m_received = bytes; }
    std::uint64_t traffic() const { return m_traffic; }
    void setTraffic(std::uint64_t bytes) { m_traffic = bytes; }
    const QString& name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    // What the process lists sort and show by.
    float cpuUsage() const { return m_cpu.usage(); }
    std::uint64_t memoryUsage() const { return m_memory.totalBytes(); }

    bool operator==(const RunningProcess& other) const { return m_id == other.m_id; }

    // Coding with one key per stored property, spelled as the property.
    QJsonObject toJson() const;
    static std::shared_ptr<RunningProcess> fromJson(const QJsonObject& object);

private:
    QUuid m_id;
    std::int32_t m_pid = 0;
    std::int32_t m_ppid = 0;
    CpuInfo m_cpu;
    MemoryInfo m_memory;
    std::uint64_t m_sent = 0;
    std::uint64_t m_received = 0;
    std::uint64_t m_traffic = 0;
    QString m_name;
};

using RunningProcessList = QList<std::shared_ptr<RunningProcess>>;

} // namespace SystemKit

Q_DECLARE_METATYPE(SystemKit::RunningProcessList)
