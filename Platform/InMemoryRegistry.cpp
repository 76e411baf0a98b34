#include "Platform/InMemoryRegistry.h"

namespace Platform {

const InMemoryRegistry::Entry* InMemoryRegistry::find(RegistryEntryId entry) const
{
    if (entry == 0 || entry > m_entries.size())
        return nullptr;
    return &m_entries[entry - 1];
}

RegistryEntryId InMemoryRegistry::addEntry(std::optional<RegistryEntryId> parent, const QString& name,
                                           const QString& className, PlistValue::DictionaryType properties)
{
    if (parent && !find(*parent))
        parent.reset();
    const RegistryEntryId id = m_entries.size() + 1;
    Entry entry;
    entry.parent = parent;
    entry.name = name;
    entry.className = className;
    entry.path = (parent ? find(*parent)->path : QStringLiteral("IOService:")) + QLatin1Char('/') + name;
    entry.properties = std::move(properties);
    if (parent)
        m_entries[*parent - 1].children.push_back(id);
    m_byPath.insert(entry.path, id); // a later entry with the same path shadows the earlier one
    m_entries.push_back(std::move(entry));
    return id;
}

void InMemoryRegistry::setProperty(RegistryEntryId entry, const QString& key, PlistValue value)
{
    if (!find(entry))
        return;
    auto& properties = m_entries[entry - 1].properties;
    if (value.isNone())
        properties.erase(key);
    else
        properties.insert_or_assign(key, std::move(value));
}

std::vector<RegistryEntryId> InMemoryRegistry::entriesOfClass(const QString& className) const
{
    std::vector<RegistryEntryId> result;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].className == className)
            result.push_back(i + 1);
    }
    return result;
}

std::vector<RegistryEntryId> InMemoryRegistry::entriesNamed(const QString& name) const
{
    std::vector<RegistryEntryId> result;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name == name)
            result.push_back(i + 1);
    }
    return result;
}

std::optional<RegistryEntryId> InMemoryRegistry::entryAtPath(const QString& path) const
{
    auto it = m_byPath.constFind(path);
    if (it == m_byPath.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<RegistryEntryId> InMemoryRegistry::parent(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->parent : std::nullopt;
}

std::vector<RegistryEntryId> InMemoryRegistry::children(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->children : std::vector<RegistryEntryId>{};
}

QString InMemoryRegistry::name(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->name : QString();
}

QString InMemoryRegistry::className(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->className : QString();
}

QString InMemoryRegistry::path(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? e->path : QString();
}

PlistValue InMemoryRegistry::properties(RegistryEntryId entry) const
{
    const Entry* e = find(entry);
    return e ? PlistValue(e->properties) : PlistValue();
}

PlistValue InMemoryRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const Entry* e = find(entry);
    if (!e)
        return {};
    auto it = e->properties.find(key);
    return it == e->properties.end() ? PlistValue() : it->second;
}

} // namespace Platform
