#include "Platform/Registry/Registry.h"

#include <utility>

namespace Platform {

PlistValue Registry::property(RegistryEntryId entry, const QString& key) const
{
    return properties(entry)[key];
}

PlistValue Registry::searchProperty(RegistryEntryId entry, const QString& key) const
{
    // Explicit stack, so that a deep tree cannot exhaust the call stack; children are pushed in
    // reverse so that they are visited in registry order.
    std::vector<RegistryEntryId> pending{entry};
    while (!pending.empty()) {
        const RegistryEntryId current = pending.back();
        pending.pop_back();
        PlistValue value = property(current, key);
        if (!value.isNone())
            return value;
        const std::vector<RegistryEntryId> kids = children(current);
        pending.insert(pending.end(), kids.rbegin(), kids.rend());
    }
    return {};
}

std::shared_ptr<Registry> Registry::live()
{
    static const std::shared_ptr<Registry> registry = makeLive();
    return registry;
}

} // namespace Platform
