#include "SystemKit/Processor/ProcessorController.h"

#include "BaseKit/IOKitHelper.h"
#include "BaseKit/Sampler/SampleClock.h"
#include "Platform/Registry/Registry.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace SystemKit {

namespace {

// The ticks that passed between two readings of one counter; a counter that went down (wrapped
// or reset) gives 0.
std::uint64_t tickDelta(std::uint64_t current, std::uint64_t previous)
{
    return current > previous ? current - previous : 0;
}

double shareOf(double part, double total)
{
    const double share = part / total * 100.0;
    return std::isnan(share) ? 0.0 : share;
}

} // namespace

ProcessorController::ProcessorController(int historySize, QObject* parent)
    : ProcessorController(historySize, ProcessorEnvironment{}, parent)
{
}

ProcessorController::ProcessorController(int historySize, ProcessorEnvironment environment, QObject* parent)
    : QObject(parent)
    , m_environment(environment.completed())
    , m_history(historySize)
{
    m_numberOfCpus = m_environment.activeProcessorCount();

    Platform::HostStatistics& host = *m_environment.host;
    m_systemInfo.memSize = host.memorySize();
    m_systemInfo.pageSize = std::int64_t(Platform::HostStatistics::pageSize());
    if (const auto booted = host.bootTime()) {
        m_systemInfo.bootedSeconds = booted->seconds;
        m_systemInfo.bootedMicroseconds = booted->microseconds;
    }
    m_systemInfo.cpuCount = m_environment.logicalProcessorCount();
}

ProcessorController::~ProcessorController() = default;

void ProcessorController::start(double interval)
{
    if (m_timer.start(this, interval, &ProcessorController::refresh))
        emit timerChanged();
}

void ProcessorController::stop()
{
    m_timer.stop();
    emit timerChanged();
}

void ProcessorController::refresh()
{
    m_systemInfo.timePrevious = m_systemInfo.time;
    m_systemInfo.time = m_environment.currentTime();
    emit systemInfoChanged();
    m_listedProcesses.reset();
    // The tick runs now, with or without the read it may have waited for: should that read come
    // later, it is taken as it arrives.
    m_tickWaiting = nullptr;

    updateProcessUsage();
    // One read of the processor counters serves the host totals and the cores.
    const Platform::HostStatistics::AllTicks ticks = m_environment.host->allTicks(m_cpuTicks);
    updateHostTotals(ticks.host);
    updateTaskAndThreadCounts();
    noteOnlineProcessors(ticks.processorsRead);
    readCores();
    updateCoreUsage(ticks.processorsRead);
    emit sampled();
}

void ProcessorController::readProcessesOffMainThread()
{
    if (m_reader)
        return;
    m_reader = new ProcessTableReader(m_environment.processTable, m_environment.monotonicNanoseconds, this);
    BaseKit::SampleClock::shared().joinPreparation(this, [this](std::function<void()> ready) {
        prepareTick(std::move(ready));
    });
}

void ProcessorController::prepareTick(std::function<void()> ready)
{
    // Nothing to read for a sampler that does not sample on the clock, or lists no processes; and a
    // read that finished is already there for this tick.
    if (!m_collectProcessInformation || !m_timer.isRunning() || m_prepared) {
        ready();
        return;
    }
    // One read at a time, and only the tick that starts it waits for it: a read slower than that tick
    // (hung in /proc) holds up no later tick; they go on with the list they have, and the read reaches
    // the list as it arrives.
    if (m_reader->isReading()
        || !m_reader->read(m_records, [this, generation = m_readGeneration](ProcessTableReader::Result result) {
               takeRead(generation, std::move(result));
           })) {
        ready();
        return;
    }
    m_tickWaiting = std::move(ready);
}

void ProcessorController::takeRead(std::uint64_t generation, ProcessTableReader::Result result)
{
    const std::function<void()> ready = std::exchange(m_tickWaiting, {});
    if (generation != m_readGeneration) {
        // Read before collection was set again: only its buffer is kept.
        m_records = std::move(result.records);
    } else {
        m_prepared = std::move(result);
        if (!ready) {
            // Its tick went without it: the list follows now, not a tick later.
            updateProcessUsage();
            emit processesSampled();
            return;
        }
    }
    if (ready)
        ready(); // the tick that waited runs now and takes it
}

void ProcessorController::setCollectProcessInformation(bool collect)
{
    m_collectProcessInformation = collect;
    emit collectProcessInformationChanged();
    ++m_readGeneration;
    m_prepared.reset();
    setOldProcessTree(nullptr);
    setProcesses({});
}

void ProcessorController::setNormalize(bool normalize)
{
    m_normalize = normalize;
    emit normalizeChanged();
}

// Process loads ---------------------------------------------------------------------------------

void ProcessorController::updateProcessUsage()
{
    if (!m_collectProcessInformation)
        return;
    const Platform::Timebase timebase = Platform::ProcessTable::timebase();
    if (timebase.numer == 0 || timebase.denom == 0)
        return;
    const std::shared_ptr<ProcessTree> tree = readProcessTree();
    if (!tree)
        return;

    // One count for both the skip test and the divisor: the processors in use now.
    const std::uint32_t processors = m_environment.activeProcessorCount();
    const float divisor = m_normalize ? float(processors) : 1.0f;

    // Each process's load over the time between its own two readings: a table read takes a while,
    // and may stand still at one process for seconds, so the processes of one read were not all read
    // at one moment.
    if (m_oldProcessTree && processors > 0) {
        const float scale = float(timebase.numer) / float(timebase.denom);
        for (const auto& process : tree->processes()) {
            const RunningProcess* old = m_oldProcessTree->find(process->pid());
            if (!old || old->cpu().startTime() != process->cpu().startTime())
                continue; // new since the previous sample, also on the pid of one that ended
            const double oldTime = old->cpu().time();
            const double newTime = process->cpu().time();
            if (oldTime < 0 || oldTime > newTime)
                continue; // a counter that went back measures nothing
            const double elapsed = double(process->cpu().readNanoseconds() - old->cpu().readNanoseconds()) / 1e9;
            if (!(elapsed > 0))
                continue;
            process->cpu().setUsage(scale * (float((newTime - oldTime) / elapsed * 100.0) / divisor));
        }
    }
    setOldProcessTree(tree);
}

std::shared_ptr<ProcessTree> ProcessorController::readProcessTree()
{
    bool listed = false;
    std::int64_t folders = 0;
    std::shared_ptr<ProcessTree> tree;
    RunningProcessList list;
    if (m_reader) {
        // The newest table read and not yet taken, its processes made on the reader's thread; while
        // there is none the list stays as it is.
        if (!m_prepared)
            return nullptr;
        listed = m_prepared->listed;
        folders = m_prepared->folders;
        m_records = std::move(m_prepared->records);
        tree = std::move(m_prepared->tree);
        list = std::move(m_prepared->processes);
        m_prepared.reset();
    } else {
        listed = m_environment.processTable->list(m_records, m_environment.monotonicNanoseconds);
        folders = std::int64_t(m_environment.processTable->listedCount());
        if (listed) {
            tree = ProcessTree::fromRecords(m_records);
            list = tree->list();
        }
    }
    if (!listed || !tree)
        return nullptr;
    // The task count is the same listing of /proc: it need not be listed twice.
    if (m_environment.processTable->root() == m_environment.host->root())
        m_listedProcesses = folders;
    setProcesses(std::move(list));
    return tree;
}

// Host totals, tasks and threads ------------------------------------------------------------------

void ProcessorController::updateHostTotals(const std::optional<Platform::CpuTicks>& current)
{
    if (!current)
        return; // shares, history and the previous counters stay as they are

    const double userDelta = double(tickDelta(current->user, m_loadPrevious.user));
    const double systemDelta = double(tickDelta(current->system, m_loadPrevious.system));
    const double idleDelta = double(tickDelta(current->idle, m_loadPrevious.idle));
    const double niceDelta = double(tickDelta(current->nice, m_loadPrevious.nice));
    const double all = idleDelta + ((userDelta + systemDelta) + niceDelta);

    // Four counters that each moved by nearly 2^64 add up past what the count holds: it stops there.
    m_ticks = all < 18446744073709551616.0 ? std::uint64_t(all) : std::numeric_limits<std::uint64_t>::max();
    emit ticksChanged();
    m_system = shareOf(systemDelta, all);
    emit systemChanged();
    m_user = shareOf(userDelta, all);
    emit userChanged();
    m_idle = shareOf(idleDelta, all);
    emit idleChanged();
    m_nice = shareOf(niceDelta, all);
    emit niceChanged();
    m_total = m_user + m_system;
    emit totalChanged();

    m_loadPrevious = HostInfo{current->user, current->system, current->idle, current->nice};
    emit loadPreviousChanged();

    m_history.append(m_total);
    emit historyChanged();
}

void ProcessorController::updateTaskAndThreadCounts()
{
    const auto counts = m_environment.host->taskThreadCounts(m_listedProcesses);
    if (!counts)
        return;
    m_tasks = counts->tasks;
    emit tasksChanged();
    m_threads = counts->threads;
    emit threadsChanged();
}

// Cores ------------------------------------------------------------------------------------------

void ProcessorController::noteOnlineProcessors(bool processorsRead)
{
    // A failed read keeps the processors of the last successful one.
    if (!processorsRead)
        return;
    m_onlineProcessors.assign(m_onlineProcessors.size(), false);
    for (const auto& entry : m_cpuTicks) {
        const std::size_t n = std::size_t(entry.processor);
        if (n >= m_onlineProcessors.size())
            m_onlineProcessors.resize(n + 1, false);
        m_onlineProcessors[n] = true;
    }
    m_onlineProcessorsKnown = true;
}

void ProcessorController::readCores()
{
    setCores({});
    m_coreProcessors.clear();
    const Platform::Registry& registry = *m_environment.registry;
    const bool appleSilicon = m_environment.isAppleSilicon();
    const std::uint32_t limit = m_environment.threadCount();
    const auto entries = registry.entriesNamed(appleSilicon ? QStringLiteral("cpu") : QStringLiteral("processor"));

    // The registry lists the processors that exist, the limit counts those in use: a processor that is
    // offline gets no core, so that the limit leaves none of the others out.
    std::int64_t index = 0;
    std::uint64_t position = 0;
    for (const Platform::RegistryEntryId entry : entries) {
        if (index >= std::int64_t(limit))
            break;
        // A registry that does not number its processors lists those in use, in the kernel's order.
        const auto number = BaseKit::IOKitHelper::numberProperty(registry, entry, QStringLiteral("processor-number"));
        const std::uint64_t processor = number.value_or(position);
        ++position;
        if (number && m_onlineProcessorsKnown
            && (processor >= m_onlineProcessors.size() || !m_onlineProcessors[std::size_t(processor)]))
            continue;
        auto core = std::make_shared<ProcessorCore>();
        core->setCpuId(index);
        core->setAppleSilicon(appleSilicon);
        if (const auto compatible = BaseKit::IOKitHelper::stringProperty(registry, entry, QStringLiteral("compatible"))) {
            const QString lower = compatible->toLower();
            if (lower.contains(QLatin1String("firestorm")))
                core->setFirestorm(true);
            else if (lower.contains(QLatin1String("icestorm")))
                core->setIcestorm(true);
        }
        core->setClockFrequency(BaseKit::IOKitHelper::numberProperty(registry, entry, QStringLiteral("clock-frequency")));
        core->setTimebaseFrequency(BaseKit::IOKitHelper::numberProperty(registry, entry, QStringLiteral("timebase-frequency")));
        core->setBusFrequency(BaseKit::IOKitHelper::numberProperty(registry, entry, QStringLiteral("bus-frequency")));
        m_coreProcessors.push_back(processor);
        appendCore(std::move(core));
        ++index;
    }
}

void ProcessorController::updateCoreUsage(bool processorsRead)
{
    // A failed read keeps the loads of the last successful one, so the rebuilt cores do not drop
    // to 0 for one sample.
    if (processorsRead) {
        int highest = -1;
        for (const auto& entry : m_cpuTicks)
            highest = std::max(highest, entry.processor);
        std::vector<std::optional<Platform::CpuTicks>> current(std::size_t(highest + 1));
        m_coreLoads.assign(std::size_t(highest + 1), std::nullopt);

        for (const auto& [processor, ticks] : m_cpuTicks) {
            const std::size_t n = std::size_t(processor);
            current[n] = ticks;
            std::uint64_t busy = 0;
            std::uint64_t all = 0;
            if (m_havePreviousCpuTicks) {
                if (n >= m_previousCpuTicks.size() || !m_previousCpuTicks[n])
                    continue; // was offline at the previous sample: nothing to measure against
                const Platform::CpuTicks& previous = *m_previousCpuTicks[n];
                busy = tickDelta(ticks.user, previous.user) + tickDelta(ticks.system, previous.system)
                       + tickDelta(ticks.nice, previous.nice);
                all = busy + tickDelta(ticks.idle, previous.idle);
            } else {
                busy = ticks.user + ticks.system + ticks.nice;
                all = busy + ticks.idle;
            }
            m_coreLoads[n] = all == 0 ? 0.0f : float(double(busy) / double(all));
        }
        m_previousCpuTicks = std::move(current);
        m_havePreviousCpuTicks = true;
    }

    // Each core takes the load of its own processor.
    for (qsizetype i = 0; i < m_cores.size() && std::size_t(i) < m_coreProcessors.size(); ++i) {
        const std::uint64_t n = m_coreProcessors[std::size_t(i)];
        if (n < m_coreLoads.size() && m_coreLoads[std::size_t(n)])
            m_cores[i]->setUsage(*m_coreLoads[std::size_t(n)]);
    }
}

// Observable writes --------------------------------------------------------------------------------

void ProcessorController::setProcesses(RunningProcessList processes)
{
    m_processes = std::move(processes);
    emit processesChanged();
}

void ProcessorController::setOldProcessTree(std::shared_ptr<const ProcessTree> tree)
{
    m_oldProcessTree = std::move(tree);
    emit oldProcessTreeChanged();
}

void ProcessorController::setCores(ProcessorCoreList cores)
{
    m_cores = std::move(cores);
    emit coresChanged();
}

void ProcessorController::appendCore(std::shared_ptr<ProcessorCore> core)
{
    m_cores.append(std::move(core));
    emit coresChanged();
}

} // namespace SystemKit
