// /proc/stat and /proc/loadavg as the host statistics read them: the host line, the per-processor
// lines, the task counts and the boot time.
#include "FuzzInput.h"

#include "Platform/Proc/HostStatistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto files = FuzzInput::parts(data, size, 2);
    const QString root = FuzzInput::scratch();
    FuzzInput::write(root, QStringLiteral("proc/stat"), files[0]);
    FuzzInput::write(root, QStringLiteral("proc/loadavg"), files[1]);
    Platform::HostStatistics statistics(root);
    statistics.cpuTicks();
    std::vector<Platform::ProcessorTicks> perCpu;
    statistics.perCpuTicks(perCpu);
    statistics.allTicks(perCpu);
    statistics.taskThreadCounts();
    statistics.taskThreadCounts(std::int64_t(7));
    statistics.bootTime();
    return 0;
}
