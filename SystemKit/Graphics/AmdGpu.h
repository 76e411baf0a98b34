#pragma once

#include "SystemKit/Graphics/PciGpu.h"

namespace SystemKit {

// A discrete AMD graphics card (PCI vendor 0x1002). Its memory size comes from the parent entry (the
// PCI device); it keeps maxima and last-change times in both storage modes.
class AmdGpu : public PciGpu
{
    Q_OBJECT

public:
    // Reads the name and memory size and takes the first sample.
    AmdGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
           GraphicsEnvironment environment = {}, QObject* parentObject = nullptr);

    int priority() const override { return 1; }
    void update() override;
};

} // namespace SystemKit
