#include "SystemKit/Processor/ProcessTree.h"

#include <algorithm>

namespace SystemKit {

namespace {
bool pidBelow(const std::shared_ptr<RunningProcess>& process, std::int32_t pid)
{
    return process->pid() < pid;
}
} // namespace

void ProcessTree::insert(std::shared_ptr<RunningProcess> process)
{
    if (!process)
        return;
    const std::int32_t pid = process->pid();
    // The table arrives in ascending order: appending is the common case.
    if (m_processes.empty() || m_processes.back()->pid() < pid) {
        m_processes.push_back(std::move(process));
        return;
    }
    const auto it = std::lower_bound(m_processes.begin(), m_processes.end(), pid, pidBelow);
    if (it != m_processes.end() && (*it)->pid() == pid)
        *it = std::move(process);
    else
        m_processes.insert(it, std::move(process));
}

std::shared_ptr<ProcessTree> ProcessTree::fromRecords(const std::vector<Platform::ProcessRecord>& records)
{
    auto tree = std::make_shared<ProcessTree>();
    tree->reserve(records.size());
    for (const Platform::ProcessRecord& record : records) {
        if (record.zombie || record.name.isEmpty())
            continue;
        auto process = std::make_shared<RunningProcess>(record.pid, record.ppid);
        process->cpu().setTime(double(record.cpuTime) / 1e9);
        process->cpu().setReadNanoseconds(record.readNanoseconds);
        process->cpu().setStartTime(record.startTime);
        process->memory().setTotalBytes(record.residentBytes);
        process->setName(record.name);
        tree->insert(std::move(process));
    }
    return tree;
}

RunningProcessList ProcessTree::list() const
{
    RunningProcessList list;
    list.reserve(qsizetype(m_processes.size()));
    for (const auto& process : m_processes)
        list.append(process);
    return list;
}

RunningProcess* ProcessTree::find(std::int32_t pid) const
{
    const auto it = std::lower_bound(m_processes.begin(), m_processes.end(), pid, pidBelow);
    return it != m_processes.end() && (*it)->pid() == pid ? it->get() : nullptr;
}

} // namespace SystemKit
