#pragma once

#include "SystemKit/Graphics/IGpu.h"

namespace SystemKit {

// A graphics card on the PCI bus (AmdGpu, IntelGpu): its name comes from the parent entry (the PCI
// device), its memory size from the parent or from the accelerator entry, and its memory bar shows the
// used share of the card's memory. The two differ in where the memory size is read, in what they keep
// on update and in their sort weight.
class PciGpu : public IGpu
{
    Q_OBJECT

public:
    float vramRatio() const override;

    const QString& parentPath() const { return m_parent; }

protected:
    // The entry whose "VRAM,totalMB" gives the memory size.
    enum class MemoryEntry { device, accelerator };

    // Reads the name and memory size and takes the first sample.
    PciGpu(const QString& path, const QString& parent, MemoryEntry memoryEntry, DataStorageMode mode, int historySize,
           GraphicsEnvironment environment, QObject* parentObject);

private:
    void readModelAndVram(MemoryEntry memoryEntry);

    QString m_parent;
};

} // namespace SystemKit
