#pragma once

#include "SystemKit/Graphics/IGpu.h"

namespace SystemKit {

// A discrete AMD graphics card (PCI vendor 0x1002). Its name and memory size come from the parent
// entry (the PCI device); it keeps maxima and last-change times in both storage modes.
// Its memory bar shows the used share of the card's memory.
class AmdGpu : public IGpu
{
    Q_OBJECT

public:
    // Reads the name and memory size and takes the first sample.
    AmdGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
           GraphicsEnvironment environment = {}, QObject* parentObject = nullptr);

    int priority() const override { return 1; }
    void update() override;
    float vramRatio() const override;

    const QString& parentPath() const { return m_parent; }

private:
    void readModelAndVram();

    QString m_parent;
};

} // namespace SystemKit
