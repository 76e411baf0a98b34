#pragma once

#include "Platform/Registry/RegistryAdapter.h"
#include "Platform/Registry/TreeRegistry.h"

#include <QHash>

#include <cstdint>
#include <memory>

namespace Platform {

// The live registry: the entries of every adapter, merged into one tree by path.
//
// Cheap to read often: the tree is listed again only when an adapter's stamp changes (checked on
// lookups by class, name and path; parent, children, name, class and path answer from the current
// tree), and properties are read from the adapter that gives them only when asked. An entry keeps
// its id for as long as its path exists, also across relistings; the id of a vanished entry
// answers nothing.
class SysfsRegistry : public TreeRegistry {
public:
    explicit SysfsRegistry(QString root = QStringLiteral("/"));
    ~SysfsRegistry() override;

    // The registry with every standard adapter, reading below `root`.
    static std::shared_ptr<SysfsRegistry> live(const QString& root = QStringLiteral("/"));

    const QString& root() const { return m_root; }
    void addAdapter(std::unique_ptr<RegistryAdapter> adapter);

    // While one lives on this thread, a registry looks at its adapters' stamps once, at the first
    // lookup, and answers the later ones from the tree it had then: the samplers of one tick look
    // things up many times in a tree that does not change in between. Scopes may nest.
    class SampleScope {
    public:
        SampleScope();
        ~SampleScope();
        SampleScope(const SampleScope&) = delete;
        SampleScope& operator=(const SampleScope&) = delete;
    };

    PlistValue properties(RegistryEntryId entry) const override;
    PlistValue property(RegistryEntryId entry, const QString& key) const override;

private:
    // Adds the standard adapters (one line each) for the root.
    void addStandardAdapters();
    // Lists again the adapters whose stamp changed and rebuilds the tree when any did.
    void refresh() const override;
    void rebuild() const;

    struct Source {
        std::unique_ptr<RegistryAdapter> adapter;
        QByteArray stamp;
        bool listed = false;
        std::vector<RegistryAdapter::Node> nodes;
    };
    QString m_root;
    // The scope in which the stamps were last looked at; 0: none.
    mutable std::uint64_t m_checkedInScope = 0;
    mutable std::vector<Source> m_sources;
    // By tree index: the adapters that give the entry's path, in order.
    mutable std::vector<std::vector<const RegistryAdapter*>> m_entrySources;
    mutable QHash<QString, RegistryEntryId> m_idByPath; // every path ever seen keeps its id
    mutable RegistryEntryId m_nextId = 1;
};

} // namespace Platform
