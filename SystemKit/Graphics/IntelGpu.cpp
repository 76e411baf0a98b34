#include "SystemKit/Graphics/IntelGpu.h"

#include "SystemKit/Graphics/NativeController.h"
#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

IntelGpu::IntelGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
                   GraphicsEnvironment environment, QObject* parentObject)
    : IGpu(path, mode, historySize, std::move(environment), parentObject)
    , m_parent(parent)
{
    fillHistory();
    readModelAndVram();
    readStatistics();
}

void IntelGpu::readModelAndVram()
{
    const Platform::Registry& source = registry();
    const auto parentEntry = source.fromPath(m_parent);
    const auto entry = source.fromPath(path());
    const auto name = parentEntry ? NativeController::model(source, *parentEntry) : std::nullopt;
    setModel(name ? *name : localizedString(QStringLiteral("UNKNOWN_GPU_MODEL")));
    setVramSizeBytes(entry ? vramBytes(source, *entry) : 0);
    if (parentEntry)
        source.release(*parentEntry);
    if (entry)
        source.release(*entry);
}

void IntelGpu::update()
{
    readStatistics();
    if (mode() == DataStorageMode::all) {
        updateMaxValues();
        updateLastChanges();
    }
}

float IntelGpu::vramRatio() const
{
    return usedVramShare(statistics(), vramSizeBytes());
}

} // namespace SystemKit
