#pragma once

#include "Platform/Registry.h"
#include "Platform/RegistryTree.h"

namespace Platform {

// A registry built by hand, for tests: entries are added under a parent and get the path of their
// parent plus "/" and their name ("IOService:/<name>/<name>..."). Ids count from 1 in the order
// of adding, which is also the registry order.
class InMemoryRegistry : public Registry {
public:
    // Adds an entry under `parent` (none: a root entry) and gives its id. An unknown parent makes the
    // entry a root entry.
    RegistryEntryId addEntry(std::optional<RegistryEntryId> parent, const QString& name, const QString& className,
                             PlistValue::DictionaryType properties = {});
    // Sets or (with a none value) removes one property; nothing for an unknown entry.
    void setProperty(RegistryEntryId entry, const QString& key, PlistValue value);

    std::vector<RegistryEntryId> entriesOfClass(const QString& className) const override;
    std::vector<RegistryEntryId> entriesNamed(const QString& name) const override;
    std::optional<RegistryEntryId> entryAtPath(const QString& path) const override;
    std::optional<RegistryEntryId> parent(RegistryEntryId entry) const override;
    std::vector<RegistryEntryId> children(RegistryEntryId entry) const override;
    QString name(RegistryEntryId entry) const override;
    QString className(RegistryEntryId entry) const override;
    QString path(RegistryEntryId entry) const override;
    PlistValue properties(RegistryEntryId entry) const override;
    PlistValue property(RegistryEntryId entry, const QString& key) const override;

private:
    RegistryTree m_tree;                                  // id = index + 1
    std::vector<PlistValue::DictionaryType> m_properties; // by index
};

} // namespace Platform
