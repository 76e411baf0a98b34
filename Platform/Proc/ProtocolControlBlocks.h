#pragma once

#include <QByteArray>

#include <optional>

namespace Platform {

// The kernel's list of protocol control blocks of one protocol ("tcp" or "udp"): a generation
// header, then one record per socket, each starting with its own length as a native 32-bit word.
// Linux keeps no such list (its socket tables are text in /proc/net and netlink diagnostics of
// another layout), so there is never a buffer here and every count built on it is 0.
class ProtocolControlBlocks {
public:
    ProtocolControlBlocks() = delete;

    static std::optional<QByteArray> read(const char* protocol);
};

} // namespace Platform
