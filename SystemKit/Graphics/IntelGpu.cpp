#include "SystemKit/Graphics/IntelGpu.h"

namespace SystemKit {

IntelGpu::IntelGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
                   GraphicsEnvironment environment, QObject* parentObject)
    : PciGpu(path, parent, MemoryEntry::accelerator, mode, historySize, std::move(environment), parentObject)
{
}

void IntelGpu::update()
{
    readStatistics();
    if (mode() == DataStorageMode::all) {
        updateMaxValues();
        updateLastChanges();
    }
}

} // namespace SystemKit
