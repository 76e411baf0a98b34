#pragma once

#include "Platform/Registry/Registry.h"

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace Platform {

// The entries of a registry held in memory: id, name, class, path and the parent and child links,
// in registry order, with the lookups every registry answers from them. The registries keep the
// properties of each entry themselves, by the entry's index here.
class RegistryTree {
public:
    struct Entry {
        RegistryEntryId id = 0;
        std::optional<RegistryEntryId> parent;
        std::vector<RegistryEntryId> children;
        QString name;
        QString className;
        QString path;
    };

    void clear();
    // Appends an entry without links and gives its index. A path already present is from now on
    // found at the new entry.
    std::size_t add(RegistryEntryId id, QString name, QString className, QString path);
    // Makes the entry at `parent` the parent of the one at `child` (both indexes).
    void link(std::size_t child, std::size_t parent);
    // Cuts the entry at `child` from its parent.
    void unlink(std::size_t child);

    std::size_t size() const { return m_entries.size(); }
    const Entry& at(std::size_t index) const { return m_entries[index]; }
    std::optional<std::size_t> indexOf(RegistryEntryId entry) const;
    std::optional<std::size_t> indexAtPath(const QString& path) const;
    const Entry* find(RegistryEntryId entry) const;

    std::vector<RegistryEntryId> entriesOfClass(const QString& className) const;
    std::vector<RegistryEntryId> entriesNamed(const QString& name) const;
    std::optional<RegistryEntryId> entryAtPath(const QString& path) const;
    std::optional<RegistryEntryId> parent(RegistryEntryId entry) const;
    std::vector<RegistryEntryId> children(RegistryEntryId entry) const;
    QString name(RegistryEntryId entry) const;
    QString className(RegistryEntryId entry) const;
    QString path(RegistryEntryId entry) const;

private:
    std::vector<Entry> m_entries;
    QHash<RegistryEntryId, std::size_t> m_indexById;
    QHash<QString, std::size_t> m_indexByPath;
};

} // namespace Platform
