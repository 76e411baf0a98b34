#pragma once

#include "Platform/Registry/TreeRegistry.h"

namespace Platform {

// A registry built by hand, for tests: entries are added under a parent and get the path of their
// parent plus "/" and their name ("IOService:/<name>/<name>..."). Ids count from 1 in the order
// of adding, which is also the registry order.
class InMemoryRegistry : public TreeRegistry {
public:
    // Adds an entry under `parent` (none: a root entry) and gives its id. An unknown parent makes the
    // entry a root entry.
    RegistryEntryId addEntry(std::optional<RegistryEntryId> parent, const QString& name, const QString& className,
                             PlistValue::DictionaryType properties = {});
    // Sets or (with a none value) removes one property; nothing for an unknown entry.
    void setProperty(RegistryEntryId entry, const QString& key, PlistValue value);

    PlistValue properties(RegistryEntryId entry) const override;
    PlistValue property(RegistryEntryId entry, const QString& key) const override;

private:
    std::vector<PlistValue::DictionaryType> m_properties; // by tree index; id = index + 1
};

} // namespace Platform
