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

RunningProcess* ProcessTree::find(std::int32_t pid) const
{
    const auto it = std::lower_bound(m_processes.begin(), m_processes.end(), pid, pidBelow);
    return it != m_processes.end() && (*it)->pid() == pid ? it->get() : nullptr;
}

} // namespace SystemKit
