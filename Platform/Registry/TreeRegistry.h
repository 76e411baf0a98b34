#pragma once

#include "Platform/Registry/Registry.h"
#include "Platform/Registry/RegistryTree.h"

namespace Platform {

// A registry whose entries live in one RegistryTree: every lookup of entries, links, names, classes
// and paths answers from the tree. What differs between registries is where the tree and the
// properties come from.
class TreeRegistry : public Registry {
public:
    // These three bring the tree up to date first (`refresh`).
    std::vector<RegistryEntryId> entriesOfClass(const QString& className) const override;
    std::vector<RegistryEntryId> entriesNamed(const QString& name) const override;
    std::optional<RegistryEntryId> entryAtPath(const QString& path) const override;
    // These answer from the tree as it is.
    std::optional<RegistryEntryId> parent(RegistryEntryId entry) const override;
    std::vector<RegistryEntryId> children(RegistryEntryId entry) const override;
    QString name(RegistryEntryId entry) const override;
    QString className(RegistryEntryId entry) const override;
    QString path(RegistryEntryId entry) const override;

protected:
    // Brings the tree up to date before a lookup by class, name or path; a tree built by hand is always
    // up to date.
    virtual void refresh() const {}

    RegistryTree& tree() const { return m_tree; }

private:
    mutable RegistryTree m_tree;
};

} // namespace Platform
