#include "Platform/Registry/InMemoryRegistry.h"

namespace Platform {

RegistryEntryId InMemoryRegistry::addEntry(std::optional<RegistryEntryId> parent, const QString& name,
                                           const QString& className, PlistValue::DictionaryType properties)
{
    const std::optional<std::size_t> parentIndex = parent ? tree().indexOf(*parent) : std::nullopt;
    const RegistryEntryId id = tree().size() + 1;
    QString path = (parentIndex ? tree().at(*parentIndex).path : QStringLiteral("IOService:")) + QLatin1Char('/') + name;
    // A later entry with the same path shadows the earlier one.
    const std::size_t index = tree().add(id, name, className, std::move(path));
    if (parentIndex)
        tree().link(index, *parentIndex);
    m_properties.push_back(std::move(properties));
    return id;
}

void InMemoryRegistry::setProperty(RegistryEntryId entry, const QString& key, PlistValue value)
{
    const auto index = tree().indexOf(entry);
    if (!index)
        return;
    auto& properties = m_properties[*index];
    if (value.isNone())
        properties.erase(key);
    else
        properties.insert_or_assign(key, std::move(value));
}

PlistValue InMemoryRegistry::properties(RegistryEntryId entry) const
{
    const auto index = tree().indexOf(entry);
    return index ? PlistValue(m_properties[*index]) : PlistValue();
}

PlistValue InMemoryRegistry::property(RegistryEntryId entry, const QString& key) const
{
    const auto index = tree().indexOf(entry);
    if (!index)
        return {};
    const auto& properties = m_properties[*index];
    auto it = properties.find(key);
    return it == properties.end() ? PlistValue() : it->second;
}

} // namespace Platform
