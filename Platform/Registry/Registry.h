#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Platform {

// Identifies one entry of a registry; valid only for the registry that handed it out.
using RegistryEntryId = std::uint64_t;

// The device registry: a tree of entries, each with a name, a class name, a path, a parent, children
// and a dictionary of property-list properties. Entries are found by class or by name. The live
// registry is synthesised from sysfs by adapters (one per kind of device); tests use InMemoryRegistry.
class Registry {
public:
    virtual ~Registry() = default;

    // Every entry whose class is `className`, in registry order.
    virtual std::vector<RegistryEntryId> entriesOfClass(const QString& className) const = 0;
    // Every entry whose name is `name`, in registry order.
    virtual std::vector<RegistryEntryId> entriesNamed(const QString& name) const = 0;
    // The entry at a path such as "IOService:/AppleARMPE/product"; none when absent.
    virtual std::optional<RegistryEntryId> entryAtPath(const QString& path) const = 0;
    // The same lookup under the name the platform's registry gives it.
    std::optional<RegistryEntryId> fromPath(const QString& path) const { return entryAtPath(path); }

    virtual std::optional<RegistryEntryId> parent(RegistryEntryId entry) const = 0;
    virtual std::vector<RegistryEntryId> children(RegistryEntryId entry) const = 0;
    virtual QString name(RegistryEntryId entry) const = 0;
    virtual QString className(RegistryEntryId entry) const = 0;
    virtual QString path(RegistryEntryId entry) const = 0;

    // All properties of an entry as one dictionary value (none for an unknown entry).
    virtual PlistValue properties(RegistryEntryId entry) const = 0;
    // One property; none when the entry or the key is absent.
    virtual PlistValue property(RegistryEntryId entry, const QString& key) const;
    // The property on the entry itself, else on its descendants, children depth first in registry
    // order; none when no entry in that subtree has it.
    virtual PlistValue searchProperty(RegistryEntryId entry, const QString& key) const;

    // Entries are values: nothing is held, so releasing or closing one does nothing.
    void release(RegistryEntryId) const {}

    // This machine's registry, made on first use: the one the program's start-up hands on.
    static std::shared_ptr<Registry> live();

private:
    // The registry of this machine; defined beside its implementation, which this interface does not
    // know.
    static std::shared_ptr<Registry> makeLive();
};

} // namespace Platform
