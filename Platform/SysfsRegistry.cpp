#include "Platform/SysfsRegistry.h"

#include <algorithm>
#include <utility>

namespace Platform {

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
    m_entries.clear();
    m_indexById.clear();
    QHash<QString, std::size_t> indexByPath;
    std::vector<QString> parentPaths;
    for (const Source& source : m_sources) {
        for (const RegistryAdapter::Node& node : source.nodes) {
            if (node.path.isEmpty())
                continue;
            auto existing = indexByPath.constFind(node.path);
            if (existing != indexByPath.constEnd()) {
                auto& sources = m_entries[*existing].sources;
                if (std::find(sources.begin(), sources.end(), source.adapter.get()) == sources.end())
                    sources.push_back(source.adapter.get());
                continue;
            }
            Entry entry;
            auto id = m_idByPath.constFind(node.path);
            if (id == m_idByPath.constEnd())
                id = m_idByPath.insert(node.path, m_nextId++);
            entry.id = *id;
            entry.name = node.name;
            entry.className = node.className;
            entry.path = node.path;
            entry.sources.push_back(source.adapter.get());
            indexByPath.insert(node.path, m_entries.size());
            m_indexById.insert(entry.id, m_entries.size());
            m_entries.push_back(std::move(entry));
            parentPaths.push_back(node.parentPath);
        }
    }
    // Link parents once every entry exists, so an adapter may name a parent another adapter gives.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (parentPaths[i].isEmpty() || parentPaths[i] == m_entries[i].path)
            continue;
        auto parentIndex = indexByPath.constFind(parentPaths[i]);
        if (parentIndex == indexByPath.constEnd())
            continue;
        m_entries[i].parent = m_entries[*parentIndex].id;
        m_entries[*parentIndex].children.push_back(m_entries[i].id);
    }
    // Parent links that form a loop are cut, so that every walk up the tree ends.
    for (Entry& entry : m_entries) {
        std::size_t steps = 0;
        std::optional<RegistryEntryId> up = entry.parent;
        while (up && steps <= m_entries.size()) {
            up = m_entries[m_indexById.value(*up)].parent;
            ++steps;
        }
        if (up) {
            Entry& parentEntry = m_entries[m_indexById.value(*entry.parent)];
            std::erase(parentEntry.children, entry.id);
            entry.parent.reset();
        }
    }
}

const SysfsRegistry::Entry* SysfsRegistry::find(RegistryEntryId entry) const
{
    auto it = m_indexById.constFind(entry);
    return it == m_indexById.constEnd() ? nullptr : &m_entries[*it];
}

std::vector<RegistryEntryId> SysfsRegistry::entriesOfClass(const QString& className) const
{
    refresh();
    std::vector<RegistryEntryId> result;
    for (const Entry& entry : m_entries) {
        if (entry.className == className)
            result.push_back(entry.id);
    }
    return result;
}

std::vector<RegistryEntryId> SysfsRegistry::entriesNamed(const QString& name) const
{
    refresh();
    std::vector<RegistryEntryId> result;
    for (const Entry& entry : m_entries) {
        if (entry.name == name)
            result.push_back(entry.id);
    }
    return result;
}

std::optional<RegistryEntryId> SysfsRegistry::entryAtPath(const QString& path) const
{
    refresh();
    auto it = m_idByPath.constFind(path);
    if (it == m_idByPath.constEnd() || !find(*it))
        return std::nullopt;
    return *it;
}

std::optional<RegistryEntryId> SysfsRegistry::parent(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->parent : std::nullopt;
}

std::vector<RegistryEntryId> SysfsRegistry::children(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->children : std::vector<RegistryEntryId>{};
}

QString SysfsRegistry::name(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->name : QString();
}

QString SysfsRegistry::className(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->className : QString();
}

QString SysfsRegistry::path(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->path : QString();
}

PlistValue SysfsRegistry::properties(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    if (!e)
        return {};
    PlistValue::DictionaryType merged;
    for (const RegistryAdapter* source : e->sources)
        merged.merge(source->properties(e->path)); // keys already present stay
    return PlistValue(std::move(merged));
}

PlistValue SysfsRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const Entry* e = find(entry);
    if (!e)
        return {};
    for (const RegistryAdapter* source : e->sources) {
        PlistValue value = source->property(e->path, key);
        if (!value.isNone())
            return value;
    }
    return {};
}

} // namespace Platform
