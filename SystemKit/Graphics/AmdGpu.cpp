#include "SystemKit/Graphics/AmdGpu.h"

#include "SystemKit/Graphics/NativeController.h"
#include "SystemKit/SystemKitStrings.h"

namespace SystemKit {

AmdGpu::AmdGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
               GraphicsEnvironment environment, QObject* parentObject)
    : IGpu(path, mode, historySize, std::move(environment), parentObject)
    , m_parent(parent)
{
    fillHistory();
    readModelAndVram();
    readStatistics();
}

void AmdGpu::readModelAndVram()
{
    const Platform::Registry& source = registry();
    const auto entry = source.fromPath(m_parent);
    const auto name = entry ? NativeController::model(source, *entry) : std::nullopt;
    setModel(name ? *name : localizedString(QStringLiteral("UNKNOWN_GPU_MODEL")));
    setVramSizeBytes(entry ? vramBytes(source, *entry) : 0);
    if (entry)
        source.release(*entry);
}

void AmdGpu::update()
{
    readStatistics();
    updateMaxValues();
    updateLastChanges();
}

float AmdGpu::vramRatio() const
{
    return usedVramShare(statistics(), vramSizeBytes());
}

} // namespace SystemKit
