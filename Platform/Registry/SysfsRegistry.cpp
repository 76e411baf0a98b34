#include "Platform/Registry/SysfsRegistry.h"

#include <algorithm>
#include <utility>

namespace Platform {

namespace {
// The outermost SampleScope of this thread, numbered (0: none), and how deep the scopes nest.
thread_local std::uint64_t t_scope = 0;
thread_local std::uint64_t t_lastScope = 0;
thread_local int t_scopeDepth = 0;
} // namespace

SysfsRegistry::SampleScope::SampleScope()
{
    if (t_scopeDepth++ == 0)
        t_scope = ++t_lastScope;
}

SysfsRegistry::SampleScope::~SampleScope()
{
    if (--t_scopeDepth == 0)
        t_scope = 0;
}

SysfsRegistry::SysfsRegistry(QString root) : m_root(std::move(root)) {}

SysfsRegistry::~SysfsRegistry() = default;

std::shared_ptr<SysfsRegistry> SysfsRegistry::live(const QString& root)
{
    auto registry = std::make_shared<SysfsRegistry>(root);
    registry->addStandardAdapters();
    return registry;
}

// The registry of this machine is the sysfs one; the interface only knows that there is one.
std::shared_ptr<Registry> Registry::makeLive()
{
    return SysfsRegistry::live();
}

void SysfsRegistry::addAdapter(std::unique_ptr<RegistryAdapter> adapter)
{
    if (!adapter)
        return;
    m_sources.push_back({std::move(adapter), {}, false, {}});
    refresh();
}

void SysfsRegistry::refresh() const
{
    if (t_scope != 0 && m_checkedInScope == t_scope)
        return;
    m_checkedInScope = t_scope;
    bool changed = false;
    for (Source& source : m_sources) {
        QByteArray stamp = source.adapter->stamp();
        if (source.listed && stamp == source.stamp)
            continue;
        source.stamp = std::move(stamp);
        source.nodes = source.adapter->entries();
        source.listed = true;
        changed = true;
    }
    if (changed)
        rebuild();
}

void SysfsRegistry::rebuild() const
{
    tree().clear();
    m_entrySources.clear();
    std::vector<QString> parentPaths;
    for (const Source& source : m_sources) {
        const RegistryAdapter* adapter = source.adapter.get();
        for (const RegistryAdapter::Node& node : source.nodes) {
            if (node.path.isEmpty())
                continue;
            if (const auto existing = tree().indexAtPath(node.path)) {
                auto& sources = m_entrySources[*existing];
                if (std::find(sources.begin(), sources.end(), adapter) == sources.end())
                    sources.push_back(adapter);
                continue;
            }
            auto id = m_idByPath.constFind(node.path);
            if (id == m_idByPath.constEnd())
                id = m_idByPath.insert(node.path, m_nextId++);
            tree().add(*id, node.name, node.className, node.path);
            m_entrySources.push_back({adapter});
            parentPaths.push_back(node.parentPath);
        }
    }
    // Link parents once every entry exists, so an adapter may name a parent another adapter gives.
    for (std::size_t i = 0; i < tree().size(); ++i) {
        if (parentPaths[i].isEmpty() || parentPaths[i] == tree().at(i).path)
            continue;
        if (const auto parentIndex = tree().indexAtPath(parentPaths[i]))
            tree().link(i, *parentIndex);
    }
    // Parent links that form a loop are cut, so that every walk up the tree ends.
    for (std::size_t i = 0; i < tree().size(); ++i) {
        std::size_t steps = 0;
        std::optional<RegistryEntryId> up = tree().at(i).parent;
        while (up && steps <= tree().size()) {
            up = tree().parent(*up);
            ++steps;
        }
        if (up)
            tree().unlink(i);
    }
}

PlistValue SysfsRegistry::properties(RegistryEntryId entry) const
{
    const auto index = tree().indexOf(entry);
    if (!index)
        return {};
    const QString& path = tree().at(*index).path;
    PlistValue::DictionaryType merged;
    for (const RegistryAdapter* source : m_entrySources[*index])
        merged.merge(source->properties(path)); // keys already present stay
    return PlistValue(std::move(merged));
}

PlistValue SysfsRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const auto index = tree().indexOf(entry);
    if (!index)
        return {};
    const QString& path = tree().at(*index).path;
    for (const RegistryAdapter* source : m_entrySources[*index]) {
        PlistValue value = source->property(path, key);
        if (!value.isNone())
            return value;
    }
    return {};
}

} // namespace Platform
