// /proc/meminfo and the kernel's free-memory reserve as the memory statistics read them.
#include "FuzzInput.h"

#include "Platform/Proc/HostStatistics.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto files = FuzzInput::parts(data, size, 2);
    const QString root = FuzzInput::scratch();
    FuzzInput::write(root, QStringLiteral("proc/meminfo"), files[0]);
    FuzzInput::write(root, QStringLiteral("proc/sys/vm/min_free_kbytes"), files[1]);
    Platform::HostStatistics statistics(root);
    statistics.vmStatistics();
    statistics.memorySize();
    return 0;
}
