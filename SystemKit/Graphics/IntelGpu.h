#pragma once

#include "SystemKit/Graphics/IGpu.h"

namespace SystemKit {

// An Intel graphics card (PCI vendor 0x8086). Its name comes from the parent entry (the PCI device),
// its memory size from the accelerator entry; maxima and last-change times only in mode all.
// Its memory bar shows the used share of the card's memory.
class IntelGpu : public IGpu
{
    Q_OBJECT

public:
    // Reads the name and memory size and takes the first sample.
    IntelGpu(const QString& path, const QString& parent, DataStorageMode mode, int historySize,
           GraphicsEnvironment environment = {}, QObject* parentObject = nullptr);

    int priority() const override { return 0; }
    void update() override;
    float vramRatio() const override;

    const QString& parentPath() const { return m_parent; }

private:
    void readModelAndVram();

    QString m_parent;
};

} // namespace SystemKit
