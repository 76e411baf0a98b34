#include "SystemKit/Graphics/AppleGpu.h"

#include "SystemKit/Graphics/NativeController.h"

#include "BaseKit/Text.h"

namespace SystemKit {

AppleGpu::AppleGpu(const QString& path, DataStorageMode mode, int historySize, GraphicsEnvironment environment,
                   QObject* parentObject)
    : IGpu(path, mode, historySize, std::move(environment), parentObject)
{
    fillHistory();
    readModelAndVram();
    readStatistics();
}

void AppleGpu::readModelAndVram()
{
    const Platform::Registry& source = registry();
    const auto chip = NativeController::socName(source);
    if (chip && !chip->isEmpty())
        setModel(*chip);
    else
        setModel(BaseKit::Text::removingNullCharacters(environment().processorName()));

    const auto entry = source.fromPath(path());
    m_gpuCoreCount = entry ? NativeController::gpuCoreCount(source, *entry) : std::nullopt;
    emit gpuCoreCountChanged();
    setVramSizeBytes(environment().physicalMemory());
    if (entry)
        source.release(*entry);
}

void AppleGpu::update()
{
    readStatistics();
    if (mode() == DataStorageMode::all) {
        updateMaxValues();
        updateLastChanges();
    }
}

float AppleGpu::vramRatio() const
{
    // The driver's "In use system memory" is already the used part.
    const auto& sample = statistics();
    if (!sample || vramSizeBytes() == 0)
        return 0;
    const auto inUse = sample->value(OpenGlKey::inUseSystemMemory);
    return inUse ? share(inUse->doubleValue(), vramSizeBytes()) : 0.0f;
}

} // namespace SystemKit
