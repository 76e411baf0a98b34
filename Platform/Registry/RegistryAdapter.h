#pragma once

#include "Platform/PropertyList/PlistValue.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace Platform {

// One source of registry entries: synthesises the entries of one kind of device from sysfs below a
// root folder given to the adapter when it is made (tests pass a fixture tree). SysfsRegistry
// composes the adapters into one tree.
//
// Entries are identified by their path ("IOService:" + the sysfs path, plus "/driver" or "/media"
// for synthetic nodes). Several adapters may give the same path (a PCI function above a disk and a
// graphics card): the first adapter's name, class and parent stand, and the properties of all of
// them are merged. An entry whose parent path no adapter gives is a root entry.
class RegistryAdapter {
public:
    struct Node {
        QString path;
        QString parentPath; // empty: a root entry
        QString name;
        QString className;
    };

    virtual ~RegistryAdapter() = default;

    // A cheap fingerprint of whatever decides which entries exist (a folder listing, say). The registry
    // asks for it on every lookup by class, name or path and lists the entries again only when it
    // changed, so it must not read much. An adapter whose entries never change returns a constant.
    virtual QByteArray stamp() const = 0;
    // The entries, parents before children, in registry order.
    virtual std::vector<Node> entries() const = 0;
    // The properties this adapter gives the entry at `path`, read when asked (values are live).
    virtual PlistValue::DictionaryType properties(const QString& path) const = 0;
    // One property; adapters whose properties are costly override it to read only that one.
    virtual PlistValue property(const QString& path, const QString& key) const;
};

} // namespace Platform
