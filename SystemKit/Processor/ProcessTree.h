#pragma once

#include "SystemKit/Processor/RunningProcess.h"

#include "Platform/Proc/ProcessTable.h"

#include <QMetaType>

#include <cstdint>
#include <memory>
#include <vector>

namespace SystemKit {

// The process table of one sample: processes by process identifier. Its processes are the same
// objects as those of the sampler's list built from it.
class ProcessTree {
public:
    // The processes of one reading of the process table: every record but zombies and those without
    // a name, with its processor time (and when it was read), start time and resident memory. Touches
    // nothing shared: any thread may build.
    static std::shared_ptr<ProcessTree> fromRecords(const std::vector<Platform::ProcessRecord>& records);

    // The tree's processes as the sampler's list, in tree order.
    RunningProcessList list() const;

    // Stores `process` under its pid, replacing a process with the same pid.
    void insert(std::shared_ptr<RunningProcess> process);
    // The process with `pid`; null when there is none.
    RunningProcess* find(std::int32_t pid) const;
    // Every process, in the tree's own order (ascending pid).
    const std::vector<std::shared_ptr<RunningProcess>>& processes() const { return m_processes; }
    std::size_t size() const { return m_processes.size(); }
    void reserve(std::size_t count) { m_processes.reserve(count); }

private:
    std::vector<std::shared_ptr<RunningProcess>> m_processes; // sorted by pid
};

} // namespace SystemKit

Q_DECLARE_METATYPE(std::shared_ptr<const SystemKit::ProcessTree>)
