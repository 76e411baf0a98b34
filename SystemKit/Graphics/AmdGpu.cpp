#include "SystemKit/Graphics/AmdGpu.h"

namespace SystemKit {

AmdGpu::AmdGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
               GraphicsEnvironment environment, QObject* parentObject)
    : PciGpu(path, parent, MemoryEntry::device, mode, historySize, std::move(environment), parentObject)
{
}

void AmdGpu::update()
{
    readStatistics();
    updateMaxValues();
    updateLastChanges();
}

} // namespace SystemKit
