#pragma once

#include "Platform/Sysfs/NetworkInterfaces.h"

namespace Platform {

// The interface list as a sysfs tree tells it, for a tree captured on another machine: one link-level
// entry per interface of sys/class/net (name order) with the interface flags of its `flags` file and
// the low 32 bits of its statistics byte counters, as the kernel's interface address list gives them.
// An interface without a readable `flags` file counts as down; one without both counters has no link
// data. The list holds no address entries: a machine's addresses live in the kernel's routing tables,
// which a sysfs tree does not hold.
class SysfsInterfaceList : public NetworkInterfaces {
public:
    using NetworkInterfaces::NetworkInterfaces;

    // False, with `entries` empty, when the tree has no sys/class/net folder.
    bool list(std::vector<InterfaceEntry>& entries) const override;
};

} // namespace Platform
