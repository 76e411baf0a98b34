#pragma once

#include "SystemKit/Graphics/IGpu.h"

#include <cstdint>
#include <optional>

namespace SystemKit {

// The graphics part of an Apple system-on-chip (PCI vendor 0x106B), whose memory is the machine's
// main memory: its name is the chip's name (the processor's brand text when the machine names no
// chip), its memory size the machine's physical memory, and its memory bar the share of that memory
// the driver reports in use. It has no parent entry, and keeps maxima and last-change times only in
// mode all.
class AppleGpu : public IGpu
{
    Q_OBJECT
    Q_PROPERTY(int gpuCoreCount READ gpuCoreCountOrMinusOne NOTIFY gpuCoreCountChanged)

public:
    AppleGpu(const QString& path, DataStorageMode mode, int historySize, GraphicsEnvironment environment = {},
             QObject* parentObject = nullptr);

    int priority() const override { return 0; }
    void update() override;
    float vramRatio() const override;

    // The number of graphics cores the accelerator entry states; none when it states none.
    std::optional<std::uint8_t> gpuCoreCount() const { return m_gpuCoreCount; }

signals:
    void gpuCoreCountChanged();

private:
    void readModelAndVram();
    int gpuCoreCountOrMinusOne() const { return m_gpuCoreCount ? int(*m_gpuCoreCount) : -1; }

    std::optional<std::uint8_t> m_gpuCoreCount;
};

} // namespace SystemKit
