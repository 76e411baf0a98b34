#include "SystemKit/Graphics/PciGpu.h"

#include "SystemKit/Graphics/NativeController.h"
#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

PciGpu::PciGpu(const QString& path, const QString& parent, MemoryEntry memoryEntry, DataStorageMode mode,
               int historySize, GraphicsEnvironment environment, QObject* parentObject)
    : IGpu(path, mode, historySize, std::move(environment), parentObject)
    , m_parent(parent)
{
    fillHistory();
    readModelAndVram(memoryEntry);
    readStatistics();
}

void PciGpu::readModelAndVram(MemoryEntry memoryEntry)
{
    const Platform::Registry& source = registry();
    const auto device = source.fromPath(m_parent);
    const auto memory = memoryEntry == MemoryEntry::device ? device : source.fromPath(path());
    const auto name = device ? NativeController::model(source, *device) : std::nullopt;
    setModel(name ? *name : localizedString(QStringLiteral("UNKNOWN_GPU_MODEL")));
    setVramSizeBytes(memory ? vramBytes(source, *memory) : 0);
    if (device)
        source.release(*device);
    if (memory && memoryEntry == MemoryEntry::accelerator)
        source.release(*memory);
}

float PciGpu::vramRatio() const
{
    return usedVramShare(statistics(), vramSizeBytes());
}

} // namespace SystemKit
