#include "Platform/SysfsRegistry.h"

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
    m_tree.clear();
    m_entrySources.clear();
    std::vector<QString> parentPaths;
    for (const Source& source : m_sources) {
        const RegistryAdapter* adapter = source.adapter.get();
        for (const RegistryAdapter::Node& node : source.nodes) {
            if (node.path.isEmpty())
                continue;
            if (const auto existing = m_tree.indexAtPath(node.path)) {
                auto& sources = m_entrySources[*existing];
                if (std::find(sources.begin(), sources.end(), adapter) == sources.end())
                    sources.push_back(adapter);
                continue;
            }
            auto id = m_idByPath.constFind(node.path);
            if (id == m_idByPath.constEnd())
                id = m_idByPath.insert(node.path, m_nextId++);
            m_tree.add(*id, node.name, node.className, node.path);
            m_entrySources.push_back({adapter});
            parentPaths.push_back(node.parentPath);
        }
    }
    // Link parents once every entry exists, so an adapter may name a parent another adapter gives.
    for (std::size_t i = 0; i < m_tree.size(); ++i) {
        if (parentPaths[i].isEmpty() || parentPaths[i] == m_tree.at(i).path)
            continue;
        if (const auto parentIndex = m_tree.indexAtPath(parentPaths[i]))
            m_tree.link(i, *parentIndex);
    }
    // Parent links that form a loop are cut, so that every walk up the tree ends.
    for (std::size_t i = 0; i < m_tree.size(); ++i) {
        std::size_t steps = 0;
        std::optional<RegistryEntryId> up = m_tree.at(i).parent;
        while (up && steps <= m_tree.size()) {
            up = m_tree.parent(*up);
            ++steps;
        }
        if (up)
            m_tree.unlink(i);
    }
}

std::vector<RegistryEntryId> SysfsRegistry::entriesOfClass(const QString& className) const
{
    refresh();
    return m_tree.entriesOfClass(className);
}

std::vector<RegistryEntryId> SysfsRegistry::entriesNamed(const QString& name) const
{
    refresh();
    return m_tree.entriesNamed(name);
}

std::optional<RegistryEntryId> SysfsRegistry::entryAtPath(const QString& path) const
{
    refresh();
    return m_tree.entryAtPath(path);
}

std::optional<RegistryEntryId> SysfsRegistry::parent(RegistryEntryId entry) const
{
    return m_tree.parent(entry);
}

std::vector<RegistryEntryId> SysfsRegistry::children(RegistryEntryId entry) const
{
    return m_tree.children(entry);
}

QString SysfsRegistry::name(RegistryEntryId entry) const
{
    return m_tree.name(entry);
}

QString SysfsRegistry::className(RegistryEntryId entry) const
{
    return m_tree.className(entry);
}

QString SysfsRegistry::path(RegistryEntryId entry) const
{
    return m_tree.path(entry);
}

PlistValue SysfsRegistry::properties(RegistryEntryId entry) const
{
    const auto index = m_tree.indexOf(entry);
    if (!index)
        return {};
    const QString& path = m_tree.at(*index).path;
    PlistValue::DictionaryType merged;
    for (const RegistryAdapter* source : m_entrySources[*index])
        merged.merge(source->properties(path)); // keys already present stay
    return PlistValue(std::move(merged));
}

PlistValue SysfsRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const auto index = m_tree.indexOf(entry);
    if (!index)
        return {};
    const QString& path = m_tree.at(*index).path;
    for (const RegistryAdapter* source : m_entrySources[*index]) {
        PlistValue value = source->property(path, key);
        if (!value.isNone())
            return value;
    }
    return {};
}

} // namespace Platform
