#pragma once

#include "SystemKit/Processor/HostInfo.h"
#include "SystemKit/Processor/ProcessTree.h"
#include "SystemKit/Processor/ProcessorCore.h"
#include "SystemKit/Processor/ProcessorEnvironment.h"
#include "SystemKit/Processor/ProcessTableReader.h"
#include "SystemKit/Processor/RunningProcess.h"
#include "SystemKit/Processor/SystemInfo.h"
#include "BaseKit/Sampler/FixedHistory.h"
#include "BaseKit/Sampler/SamplerTimer.h"

#include "Platform/Proc/HostStatistics.h"
#include "Platform/Proc/ProcessTable.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace SystemKit {

// The processor sampler. Once per timer tick it takes one sample of the machine's processor
// activity: the shares of user, system, nice and idle time since the previous sample, the total
// load (user + system) with a fixed-length history, the task and thread counts, the processor cores
// with each core's load, and (while collectProcessInformation is on) the running processes with
// each one's processor load and resident memory. Shares and process loads are percentages; a
// core's usage is a fraction from 0 to 1.
//
// Everything runs on the main thread, but for reading the process table and making its processes,
// which may run on a thread of its own. Every property notifies on every write, also of an
// unchanged value.
class ProcessorController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QTimer* timer READ timer NOTIFY timerChanged)
    Q_PROPERTY(SystemKit::SystemInfo systemInfo READ systemInfo NOTIFY systemInfoChanged)
    Q_PROPERTY(std::shared_ptr<const SystemKit::ProcessTree> oldProcessTree READ oldProcessTree NOTIFY oldProcessTreeChanged)
    Q_PROPERTY(SystemKit::HostInfo loadPrevious READ loadPrevious NOTIFY loadPreviousChanged)
    Q_PROPERTY(qint64 numberOfCpus READ numberOfCpus NOTIFY numberOfCpusChanged)
    Q_PROPERTY(SystemKit::ProcessorCoreList cores READ cores NOTIFY coresChanged)
    Q_PROPERTY(SystemKit::RunningProcessList processes READ processes NOTIFY processesChanged)
    Q_PROPERTY(double total READ total NOTIFY totalChanged)
    Q_PROPERTY(double user READ user NOTIFY userChanged)
    Q_PROPERTY(double system READ system NOTIFY systemChanged)
    Q_PROPERTY(double nice READ nice NOTIFY niceChanged)
    Q_PROPERTY(double idle READ idle NOTIFY idleChanged)
    Q_PROPERTY(quint64 ticks READ ticks NOTIFY ticksChanged)
    Q_PROPERTY(qint64 tasks READ tasks NOTIFY tasksChanged)
    Q_PROPERTY(qint64 threads READ threads NOTIFY threadsChanged)
    Q_PROPERTY(QList<double> history READ history NOTIFY historyChanged)
    Q_PROPERTY(bool collectProcessInformation READ collectProcessInformation WRITE setCollectProcessInformation
                   NOTIFY collectProcessInformationChanged)
    Q_PROPERTY(bool normalize READ normalize WRITE setNormalize NOTIFY normalizeChanged)

public:
    // Builds the sampler on this machine's sources; takes no sample and starts no timer. A history
    // size below 1 counts as 1.
    explicit ProcessorController(int historySize, QObject* parent = nullptr);
    ProcessorController(int historySize, ProcessorEnvironment environment, QObject* parent = nullptr);
    ~ProcessorController() override;

    // Starts sampling every `interval` seconds when no timer runs; otherwise does nothing. The
    // first sample comes one interval later.
    Q_INVOKABLE void start(double interval);
    Q_INVOKABLE void stop();
    // Takes one sample.
    Q_INVOKABLE void refresh();

    // From now on the process table is read on a thread of its own before each tick of the shared
    // sample clock (only while sampling on it), one read at a time. A sample takes the newest read
    // that finished for it; one that finishes after its tick is not lost: it reaches the process
    // list as it arrives (then `processesSampled`). Only the tick that starts a read waits for it (up to
    // the clock's limit); the ticks after it while the read still runs go on at once, keeping the process
    // list they have. Each process's load is measured between its own two readings, however late
    // either came.
    void readProcessesOffMainThread();
    bool readsProcessesOffMainThread() const { return m_reader != nullptr; }

    QTimer* timer() const { return m_timer.timer(); }
    const SystemInfo& systemInfo() const { return m_systemInfo; }
    std::shared_ptr<const ProcessTree> oldProcessTree() const { return m_oldProcessTree; }
    const HostInfo& loadPrevious() const { return m_loadPrevious; }
    std::int64_t numberOfCpus() const { return m_numberOfCpus; }
    const ProcessorCoreList& cores() const { return m_cores; }
    const RunningProcessList& processes() const { return m_processes; }
    double total() const { return m_total; }
    double user() const { return m_user; }
    double system() const { return m_system; }
    double nice() const { return m_nice; }
    double idle() const { return m_idle; }
    std::uint64_t ticks() const { return m_ticks; }
    std::int64_t tasks() const { return m_tasks; }
    std::int64_t threads() const { return m_threads; }
    const QList<double>& history() const { return m_history.values(); }
    bool collectProcessInformation() const { return m_collectProcessInformation; }
    bool normalize() const { return m_normalize; }

    // Every assignment, of any value, forgets the previous process table and empties `processes`.
    void setCollectProcessInformation(bool collect);
    // Takes effect at the next sample.
    void setNormalize(bool normalize);

signals:
    void timerChanged();
    void systemInfoChanged();
    void oldProcessTreeChanged();
    void loadPreviousChanged();
    void numberOfCpusChanged();
    void coresChanged();
    void processesChanged();
    void totalChanged();
    void userChanged();
    void systemChanged();
    void niceChanged();
    void idleChanged();
    void ticksChanged();
    void tasksChanged();
    void threadsChanged();
    void historyChanged();
    void collectProcessInformationChanged();
    void normalizeChanged();
    // Once at the end of every sample, after every property above was written: what the views
    // listen to, so that they follow a sample once and not once per property.
    void sampled();
    // A read of the process table that finished after its sample's tick has replaced `processes`
    // (and `oldProcessTree`) between two samples.
    void processesSampled();

private:
    // The steps of one sample, in the order refresh() runs them.
    void updateProcessUsage();
    std::shared_ptr<ProcessTree> readProcessTree();
    // Reading off the main thread: what goes before a tick of the clock, and a read as it arrives.
    void prepareTick(std::function<void()> ready);
    void takeRead(std::uint64_t generation, ProcessTableReader::Result result);
    void updateHostTotals(const std::optional<Platform::CpuTicks>& current);
    void updateTaskAndThreadCounts();
    void noteOnlineProcessors(bool processorsRead);
    void readCores();
    void updateCoreUsage(bool processorsRead);

    void setProcesses(RunningProcessList processes);
    void setOldProcessTree(std::shared_ptr<const ProcessTree> tree);
    void setCores(ProcessorCoreList cores);
    void appendCore(std::shared_ptr<ProcessorCore> core);

    ProcessorEnvironment m_environment;
    BaseKit::SamplerTimer m_timer;
    SystemInfo m_systemInfo;
    std::shared_ptr<const ProcessTree> m_oldProcessTree;
    HostInfo m_loadPrevious;
    std::int64_t m_numberOfCpus = 0;
    ProcessorCoreList m_cores;
    RunningProcessList m_processes;
    double m_total = 0;
    double m_user = 0;
    double m_system = 0;
    double m_nice = 0;
    double m_idle = 0;
    std::uint64_t m_ticks = 0;
    std::int64_t m_tasks = 0;
    std::int64_t m_threads = 0;
    BaseKit::FixedHistory<double> m_history;
    bool m_collectProcessInformation = false;
    bool m_normalize = false;

    // Per-processor ticks of the previous sample and each processor's last load, by kernel
    // processor number.
    std::vector<std::optional<Platform::CpuTicks>> m_previousCpuTicks;
    bool m_havePreviousCpuTicks = false;
    std::vector<std::optional<float>> m_coreLoads;
    // The kernel processor number of each core, in list order.
    std::vector<std::uint64_t> m_coreProcessors;
    // The processors in use at the last successful per-processor read, by kernel number; unknown
    // before the first one.
    std::vector<bool> m_onlineProcessors;
    bool m_onlineProcessorsKnown = false;

    // The process folders the process table found in this sample, when it was read.
    std::optional<std::int64_t> m_listedProcesses;

    // The reader of the process table off the main thread, when it is used; the newest read it
    // finished that no sample took yet; and the clock's tick that waits for the read under way.
    ProcessTableReader* m_reader = nullptr;
    std::optional<ProcessTableReader::Result> m_prepared;
    std::function<void()> m_tickWaiting;
    // Counts the assignments of collectProcessInformation: a read started before the last one is
    // not taken.
    std::uint64_t m_readGeneration = 0;

    // Buffers reused from sample to sample.
    std::vector<Platform::ProcessRecord> m_records;
    std::vector<Platform::ProcessorTicks> m_cpuTicks;
};

} // namespace SystemKit
