#include "Platform/Registry/TreeRegistry.h"

namespace Platform {

std::vector<RegistryEntryId> TreeRegistry::entriesOfClass(const QString& className) const
{
    refresh();
    return m_tree.entriesOfClass(className);
}

std::vector<RegistryEntryId> TreeRegistry::entriesNamed(const QString& name) const
{
    refresh();
    return m_tree.entriesNamed(name);
}

std::optional<RegistryEntryId> TreeRegistry::entryAtPath(const QString& path) const
{
    refresh();
    return m_tree.entryAtPath(path);
}

std::optional<RegistryEntryId> TreeRegistry::parent(RegistryEntryId entry) const
{
    return m_tree.parent(entry);
}

std::vector<RegistryEntryId> TreeRegistry::children(RegistryEntryId entry) const
{
    return m_tree.children(entry);
}

QString TreeRegistry::name(RegistryEntryId entry) const
{
    return m_tree.name(entry);
}

QString TreeRegistry::className(RegistryEntryId entry) const
{
    return m_tree.className(entry);
}

QString TreeRegistry::path(RegistryEntryId entry) const
{
    return m_tree.path(entry);
}

} // namespace Platform
