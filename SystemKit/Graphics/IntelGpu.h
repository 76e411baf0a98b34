#pragma once

#include "SystemKit/Graphics/PciGpu.h"

namespace SystemKit {

// An Intel graphics card (PCI vendor 0x8086). Its memory size comes from the accelerator entry;
// maxima and last-change times only in mode all.
class IntelGpu : public PciGpu
{
    Q_OBJECT

public:
    // Reads the name and memory size and takes the first sample.
    IntelGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
             GraphicsEnvironment environment = {}, QObject* parentObject = nullptr);

    int priority() const override { return 0; }
    void update() override;
};

} // namespace SystemKit
