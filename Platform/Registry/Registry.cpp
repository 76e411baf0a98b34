#include "Platform/Registry/Registry.h"

#include <utility>

namespace Platform {

namespace {
std::shared_ptr<Registry>& installedRegistry()
{
    static std::shared_ptr<Registry> registry;
    return registry;
}
} // namespace

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

Registry& Registry::shared()
{
    std::shared_ptr<Registry>& registry = installedRegistry();
    if (!registry)
        registry = makeLive();
    return *registry;
}

void Registry::setShared(std::shared_ptr<Registry> registry)
{
    installedRegistry() = std::move(registry);
}

} // namespace Platform
