#include "Platform/Registry/RegistryTree.h"

#include <algorithm>
#include <utility>

namespace Platform {

void RegistryTree::clear()
{
    m_entries.clear();
    m_indexById.clear();
    m_indexByPath.clear();
}

std::size_t RegistryTree::add(RegistryEntryId id, QString name, QString className, QString path)
{
    const std::size_t index = m_entries.size();
    m_indexById.insert(id, index);
    m_indexByPath.insert(path, index);
    m_entries.push_back({id, std::nullopt, {}, std::move(name), std::move(className), std::move(path)});
    return index;
}

void RegistryTree::link(std::size_t child, std::size_t parent)
{
    m_entries[child].parent = m_entries[parent].id;
    m_entries[parent].children.push_back(m_entries[child].id);
}

void RegistryTree::unlink(std::size_t child)
{
    Entry& entry = m_entries[child];
    if (!entry.parent)
        return;
    if (const auto parentIndex = indexOf(*entry.parent))
        std::erase(m_entries[*parentIndex].children, entry.id);
    entry.parent.reset();
}

std::optional<std::size_t> RegistryTree::indexOf(RegistryEntryId entry) const
{
    auto it = m_indexById.constFind(entry);
    if (it == m_indexById.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<std::size_t> RegistryTree::indexAtPath(const QString& path) const
{
    auto it = m_indexByPath.constFind(path);
    if (it == m_indexByPath.constEnd())
        return std::nullopt;
    return *it;
}

const RegistryTree::Entry* RegistryTree::find(RegistryEntryId entry) const
{
    const auto index = indexOf(entry);
    return index ? &m_entries[*index] : nullptr;
}

std::vector<RegistryEntryId> RegistryTree::entriesOfClass(const QString& className) const
{
    std::vector<RegistryEntryId> result;
    for (const Entry& entry : m_entries) {
        if (entry.className == className)
            result.push_back(entry.id);
    }
    return result;
}

std::vector<RegistryEntryId> RegistryTree::entriesNamed(const QString& name) const
{
    std::vector<RegistryEntryId> result;
    for (const Entry& entry : m_entries) {
        if (entry.name == name)
            result.push_back(entry.id);
    }
    return result;
}

std::optional<RegistryEntryId> RegistryTree::entryAtPath(const QString& path) const
{
    const auto index = indexAtPath(path);
    return index ? std::optional(m_entries[*index].id) : std::nullopt;
}

std::optional<RegistryEntryId> RegistryTree::parent(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->parent : std::nullopt;
}

std::vector<RegistryEntryId> RegistryTree::children(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->children : std::vector<RegistryEntryId>{};
}

QString RegistryTree::name(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->name : QString();
}

QString RegistryTree::className(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->className : QString();
}

QString RegistryTree::path(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->path : QString();
}

} // namespace Platform
