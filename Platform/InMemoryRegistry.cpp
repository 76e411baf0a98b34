#include "Platform/InMemoryRegistry.h"

namespace Platform {

RegistryEntryId InMemoryRegistry::addEntry(std::optional<RegistryEntryId> parent, const QString& name,
                                           const QString& className, PlistValue::DictionaryType properties)
{
    const std::optional<std::size_t> parentIndex = parent ? m_tree.indexOf(*parent) : std::nullopt;
    const RegistryEntryId id = m_tree.size() + 1;
    QString path = (parentIndex ? m_tree.at(*parentIndex).path : QStringLiteral("IOService:")) + QLatin1Char('/') + name;
    // A later entry with the same path shadows the earlier one.
    const std::size_t index = m_tree.add(id, name, className, std::move(path));
    if (parentIndex)
        m_tree.link(index, *parentIndex);
    m_properties.push_back(std::move(properties));
    return id;
}

void InMemoryRegistry::setProperty(RegistryEntryId entry, const QString& key, PlistValue value)
{
    const auto index = m_tree.indexOf(entry);
    if (!index)
        return;
    auto& properties = m_properties[*index];
    if (value.isNone())
        properties.erase(key);
    else
        properties.insert_or_assign(key, std::move(value));
}

std::vector<RegistryEntryId> InMemoryRegistry::entriesOfClass(const QString& className) const
{
    return m_tree.entriesOfClass(className);
}

std::vector<RegistryEntryId> InMemoryRegistry::entriesNamed(const QString& name) const
{
    return m_tree.entriesNamed(name);
}

std::optional<RegistryEntryId> InMemoryRegistry::entryAtPath(const QString& path) const
{
    return m_tree.entryAtPath(path);
}

std::optional<RegistryEntryId> InMemoryRegistry::parent(RegistryEntryId entry) const
{
    return m_tree.parent(entry);
}

std::vector<RegistryEntryId> InMemoryRegistry::children(RegistryEntryId entry) const
{
    return m_tree.children(entry);
}

QString InMemoryRegistry::name(RegistryEntryId entry) const
{
    return m_tree.name(entry);
}

QString InMemoryRegistry::className(RegistryEntryId entry) const
{
    return m_tree.className(entry);
}

QString InMemoryRegistry::path(RegistryEntryId entry) const
{
    return m_tree.path(entry);
}

PlistValue InMemoryRegistry::properties(RegistryEntryId entry) const
{
    const auto index = m_tree.indexOf(entry);
    return index ? PlistValue(m_properties[*index]) : PlistValue();
}

PlistValue InMemoryRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const auto index = m_tree.indexOf(entry);
    if (!index)
        return {};
    const auto& properties = m_properties[*index];
    auto it = properties.find(key);
    return it == properties.end() ? PlistValue() : it->second;
}

} // namespace Platform
