#pragma once

#include "Platform/Registry/InMemoryRegistry.h"
#include "SystemKit/Graphics/GraphicsEnvironment.h"

#include <QByteArray>

#include <memory>

// A registry of graphics accelerators built by hand, with a clock and machine facts the test sets.
struct GraphicsTestRegistry {
    std::shared_ptr<Platform::InMemoryRegistry> registry = std::make_shared<Platform::InMemoryRegistry>();
    double now = 1'700'000'000.0;
    QString processorName = QStringLiteral("Test Processor");
    std::uint64_t physicalMemory = 17179869184ULL;

    static QByteArray vendor(std::uint16_t id)
    {
        QByteArray bytes(4, '\0');
        bytes[0] = char(id & 0xff);
        bytes[1] = char(id >> 8);
        return bytes;
    }

    // A PCI device with an accelerator below it; the vendor on the device (or on the accelerator).
    Platform::RegistryEntryId addCard(const QString& name, std::uint16_t vendorId, Platform::PlistValue::DictionaryType device = {},
                                      Platform::PlistValue::DictionaryType accelerator = {}, bool vendorOnAccelerator = false)
    {
        (vendorOnAccelerator ? accelerator : device).insert_or_assign(QStringLiteral("vendor-id"), vendor(vendorId));
        const auto pci = registry->addEntry(std::nullopt, name, QStringLiteral("IOPCIDevice"), std::move(device));
        return registry->addEntry(pci, QStringLiteral("accel"), QStringLiteral("IOAccelerator"), std::move(accelerator));
    }

    static Platform::PlistValue statistics(Platform::PlistValue::DictionaryType counters)
    {
        return Platform::PlistValue(std::move(counters));
    }

    SystemKit::GraphicsEnvironment environment()
    {
        SystemKit::GraphicsEnvironment env;
        env.registry = registry;
        env.currentTime = [this] { return now; };
        env.processorName = [this] { return processorName; };
        env.physicalMemory = [this] { return physicalMemory; };
        return env;
    }
};
